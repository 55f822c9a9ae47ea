#include "app/InfoForm.h"

#include "app/UserInterface.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

InfoForm::InfoForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Komunikat Programu "));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
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
    connect(ok, &QPushButton::clicked, this, [this]() {
        m_answer = 1;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this]() {
        m_answer = 2;
        reject();
    });
    resize(420, 200);
}

int InfoForm::ask(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    m_memo->setPlainText(t);
    m_answer = 2;
    exec();
    return m_answer;
}

} // namespace zort
