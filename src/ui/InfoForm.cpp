#include "ui/InfoForm.h"

#include "core/UserInterface.h"
#include "ui/Widgets.h"
#include "core/MemoText.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

InfoForm::InfoForm(QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout = setUpDialog(this, QStringLiteral("InfoForm"), QStringLiteral("Komunikat Programu "), true);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setAccessibleName(QStringLiteral("Komunikat"));
    layout->addWidget(m_memo);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Akceptuj"), this);
    ok->setObjectName(QStringLiteral("bbAkceptuj"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Rezygnuj"), this);
    cancel->setObjectName(QStringLiteral("bbRezygnuj"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(420, 200);
}

int InfoForm::ask(const QString& text) {
    m_memo->setPlainText(memo::fromStored(text));
    return exec() == QDialog::Accepted ? 1 : 2;
}

} // namespace zort
