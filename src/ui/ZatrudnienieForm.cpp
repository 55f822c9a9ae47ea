#include "ui/ZatrudnienieForm.h"

#include "core/AdmSettings.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "domain/FieldChecks.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"
#include "ui/StructureTree.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zort {

TZatrudnienieForm::TZatrudnienieForm(QWidget* parent) : QDialog(parent) {
    auto* layout = setUpDialog(this, QStringLiteral("ZatrudnienieForm"), QStringLiteral("Wybór stanowiska"), true);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvStruktura"));
    m_tree->setHeaderHidden(true);
    m_tree->setToolTip(QStringLiteral("Struktura organizacyjna przedsiębiorstwa"));
    m_tree->setAccessibleName(QStringLiteral("Struktura organizacyjna przedsiębiorstwa"));
    layout->addWidget(m_tree, 1);

    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    auto* caption = new QLabel(QStringLiteral("Dane do pola \"Zatrudniony w\" z poziomu"), this);
    m_level = makeEdit(QStringLiteral("ePoziom"), this, caption, 2);
    m_level->setMaximumWidth(50);
    row->addWidget(caption);
    row->addWidget(m_level);
    m_employedIn = new QLabel(this);
    m_employedIn->setObjectName(QStringLiteral("LZatr_w"));
    row->addWidget(m_employedIn, 1);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("AnulujBtn"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, &TZatrudnienieForm::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TZatrudnienieForm::showSelected);
    connect(m_level, &QLineEdit::editingFinished, this, &TZatrudnienieForm::ePoziomExit);
    resize(600, 550);
    WindowLayout::track(this);
}

int TZatrudnienieForm::level() { return qMax(0, admSettings().pozDoZatr.trimmed().toInt()); }

QString TZatrudnienieForm::elementAtLevel() const {
    return m_position.ID == 0 ? QString() : runStructure().ElementAtLevel(m_position.ID, level());
}

bool TZatrudnienieForm::applyLevel(QLineEdit* field, QWidget* window) {
    // A small whole number; the level holds for the rest of the run.
    const CheckResult check = FieldChecks::smallWholeNumber(field->text());
    if (check.error()) {
        showError(check.message, window);
        field->setFocus();
        field->selectAll();
        return false;
    }
    const QString typed = field->text().trimmed();
    if (!typed.isEmpty()) admSettings().pozDoZatr = QString::number(typed.toInt());
    field->setText(QString::number(level()));
    return true;
}

void TZatrudnienieForm::ePoziomExit() {
    if (applyLevel(m_level, this)) showSelected();
}

void TZatrudnienieForm::showSelected() {
    const TStrukt e = structureNode(m_tree->currentItem());
    m_employedIn->setText(e.isPosition() ? runStructure().ElementAtLevel(e.ID, level()).left(30) : QString());
}

void TZatrudnienieForm::OKBtnClick() {
    QTreeWidgetItem* node = m_tree->currentItem();
    const TStrukt e = structureNode(node);
    if (node && e.isPosition()) {
        m_position = e;
        m_top = topStructureElement(node);
        accept();
        return;
    }
    if (askYesNo(QStringLiteral("Nie wybrano żadnego stanowiska, czy zamknąć okno ?"), QStringLiteral("Zamknąć okno ?"), this))
        reject();
}

bool TZatrudnienieForm::choose(int elementId) {
    if (m_stale) {
        LoadStructureTree(m_tree);
        m_stale = false;
    }
    m_position = {};
    m_top = {};
    m_level->setText(QString::number(level()));
    m_tree->collapseAll();
    if (QTreeWidgetItem* node = findStructureNode(m_tree, elementId)) {
        m_tree->setCurrentItem(node);
        m_tree->scrollToItem(node);
    } else {
        m_tree->setCurrentItem(nullptr);
        if (m_tree->topLevelItemCount() > 0) m_tree->expandItem(m_tree->topLevelItem(0));
    }
    showSelected();
    m_tree->setFocus();
    return exec() == QDialog::Accepted && m_position.ID != 0;
}

TZatrudnienieForm& positionForm() { return *Forms::getOrCreate<TZatrudnienieForm>(QStringLiteral("TZatrudnienieForm")); }

} // namespace zort
