#include "register/RejestrWypForm.h"

#include <QLabel>

namespace zort {

TRejestrWypForm::TRejestrWypForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("RejestrWypForm"));
    setWindowTitle(QStringLiteral("Rejestr wypadków"));
    auto* label = new QLabel(QStringLiteral("Rejestr wypadków"), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(1024, 700);
}

} // namespace zort
