#include "attachments/PathDokumForm.h"

#include "attachments/ExternalDocuments.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "domain/DataModForm.h"
#include "domain/DocumentsFolder.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

QString TfrmPathDokum::cancelQuestion() {
    return QStringLiteral("Nie zapamiętano wprowadzonych zmian !\r\nCzy na pewno zamknąć okno ?");
}

TfrmPathDokum::TfrmPathDokum(QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout =
        setUpDialog(this, QStringLiteral("frmPathDokum"), QStringLiteral("Katalog zawierający dokumenty zewnętrzne"), true);
    auto* label = new QLabel(QStringLiteral("Nazwa katalogu zawierającego dokumenty zewnętrzne :"), this);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    m_path = makeEdit(QStringLiteral("ePathDokum"), this, label);
    m_path->setReadOnly(true);
    setReadOnlyLook(m_path, true);
    m_path->setMinimumWidth(m_path->fontMetrics().averageCharWidth() * 70);
    row->addWidget(m_path, 1);
    auto* choose = makeDialogButton(QStringLiteral("bWybierz"), QStringLiteral("Wybierz"), this);
    row->addWidget(choose);
    layout->addLayout(row);
    auto* warning =
        new QLabel(QStringLiteral("UWAGA: Ww. katalog powinien być dostępny w ten sam sposób z każdej stacji klienckiej."), this);
    warning->setObjectName(QStringLiteral("lblUwaga"));
    warning->setWordWrap(true);
    layout->addWidget(warning);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = makeDialogButton(QStringLiteral("bbOK"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = makeDialogButton(QStringLiteral("bbAnuluj"), QStringLiteral("Anuluj"), this);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(choose, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { WybierzClick(); }, this); });
    connect(ok, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { OKClick(); }, this); });
    connect(cancel, &QPushButton::clicked, this, [this]() { reject(); });
}

QPushButton* TfrmPathDokum::button(const QString& name) const { return findChild<QPushButton*>(name); }

bool TfrmPathDokum::AskDocumentsFolder(QWidget* parent) {
    // Over the window that asks.
    if (parent) {
        adjustSize();
        move(parent->window()->geometry().center() - rect().center());
    }
    m_path->setText(DocumentsFolder::remembered());
    m_path->setCursorPosition(0);
    m_changed = false;
    m_stored = false;
    exec();
    return m_stored;
}

void TfrmPathDokum::WybierzClick() {
    const QString chosen = DocumentsFolder::choose(m_path->text(), this);
    if (chosen.isEmpty()) return;
    m_path->setText(chosen);
    m_path->setCursorPosition(0);
    m_changed = true;
}

void TfrmPathDokum::OKClick() {
    const QString path = m_path->text();
    if (!DocumentsFolder::usable(path)) {
        showInfo(ExternalDocuments::noFolderMessage(), this);
        return;
    }
    TDataModForm* d = dataMod();
    if (!d) return;
    // Another folder than the one set before: the user may keep the old one.
    if (!DocumentsFolder::mayReplace(DocumentsFolder::remembered(), path, this)) {
        m_stored = false;
        QDialog::reject();
        return;
    }
    if (!DocumentsFolder(d->KartyDB()).store(path)) {
        showBox(DocumentsFolder::notCreatedMessage(path), QStringLiteral("Uwaga!"), MsgIcon::Error, this);
        return;
    }
    m_stored = true;
    accept();
}

void TfrmPathDokum::reject() {
    if (m_changed && !askYesNo(cancelQuestion(), QStringLiteral("Anulowanie zmian"), this)) return;
    m_stored = false;
    QDialog::reject();
}

TfrmPathDokum& pathDokumForm() { return *Forms::getOrCreate<TfrmPathDokum>(QStringLiteral("TfrmPathDokum")); }

} // namespace zort
