#include "admin/AChorForm.h"

#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "domain/AdmDictionaries.h"
#include "ui/CommandGuard.h"
#include "ui/PageBuilder.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

TAChorForm::TAChorForm(QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout = setUpDialog(this, QStringLiteral("AChorForm"), QStringLiteral("Szczegółowe dane chorób L4"), true);
    auto* page = new QWidget(this);
    PageBuilder b(page);
    m_code = b.edit(QStringLiteral("eKODCHORL4"), QStringLiteral("Kod choroby :"), 7);
    m_name = b.edit(QStringLiteral("eNAZWA"), QStringLiteral("Nazwa choroby :"), 150);
    layout->addWidget(page, 1);
    auto* buttons = new QHBoxLayout;
    m_ok = makeDialogButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_cancel = makeDialogButton(QStringLiteral("AnulujBtn"), QStringLiteral("Anuluj"), this);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    // Room for the longer names of diseases.
    resize(m_name->fontMetrics().averageCharWidth() * 80, sizeHint().height());
    connect(m_ok, &QPushButton::clicked, this, [this]() {
        CommandGuard::run([this]() {
            if (OKBtnClick()) accept();
        }, this);
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TAChorForm::editDisease(Dataset& diseases, int groupId) {
    m_diseases = &diseases;
    m_groupId = groupId;
    m_code->setText(diseases.editValue(QStringLiteral("KODCHORL4")).toString().trimmed());
    m_name->setText(diseases.editValue(QStringLiteral("NAZWA")).toString().trimmed());
    m_code->setFocus();
    const bool stored = exec() == QDialog::Accepted;
    // Closed without storing: the row's changes are forgotten.
    if (diseases.state() != Dataset::State::Browse) diseases.cancel();
    m_diseases = nullptr;
    return stored;
}

bool TAChorForm::OKBtnClick() {
    if (!m_diseases) return false;
    Dataset& d = *m_diseases;
    const QString code = m_code->text();
    const QString name = m_name->text();
    const bool isNew = d.state() == Dataset::State::Insert;
    const int ownId = isNew ? 0 : d.value(QStringLiteral("ID")).toInt();
    const QString refusal = admdict::checkDisease(*d.connection(), code, name, ownId);
    if (!refusal.isEmpty()) {
        showWarning(refusal, this);
        return false;
    }
    d.setValue(QStringLiteral("KODCHORL4"), code);
    d.setValue(QStringLiteral("NAZWA"), name);
    d.setValue(QStringLiteral("IDGRCHOR"), m_groupId);
    // A new disease takes its key from the database.
    if (isNew) d.setValue(QStringLiteral("ID"), 0);
    d.post();
    d.refresh();
    d.locate(QStringLiteral("KODCHORL4"), code);
    return true;
}

} // namespace zort
