#include "ui/DanPoszkodForm.h"

#include "core/AdmSettings.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "domain/OrgStructure.h"
#include "domain/PersonCopy.h"
#include "ui/ZatrudnienieForm.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

TDanPoszkodForm::TDanPoszkodForm(QWidget* parent) : QDialog(parent) {
    auto* layout =
        setUpDialog(this, QStringLiteral("DanPoszkodForm"), QStringLiteral("Dane o zatrudnieniu związane z pracownikiem"), true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbZatrudnienie"));
    m_list->setAccessibleName(QStringLiteral("Zatrudnienia pracownika"));
    m_list->setToolTip(QStringLiteral("Kliknij zatrudnienie, którego dane mają być skopiowane"));
    layout->addWidget(m_list, 1);

    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    auto* caption = new QLabel(QStringLiteral("Dane do pola \"Zatrudniony w\" z poziomu"), this);
    m_level = makeEdit(QStringLiteral("ePoziom"), this, caption, 6);
    m_level->setMaximumWidth(60);
    row->addWidget(caption);
    row->addWidget(m_level);
    m_employedIn = new QLabel(this);
    m_employedIn->setObjectName(QStringLiteral("LZatr_w"));
    m_employedIn->setAccessibleName(QStringLiteral("Zatrudniony w"));
    row->addWidget(m_employedIn, 1);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    m_close = makeDialogButton(QStringLiteral("ZamknijBtn"), QStringLiteral("Zamknij"), this);
    buttons->addWidget(m_close);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { lineClicked(m_list->row(item)); });
    connect(m_level, &QLineEdit::editingFinished, this, &TDanPoszkodForm::ePoziomExit);
    resize(640, 320);
    WindowLayout::track(this);
}

int TDanPoszkodForm::choose(const std::vector<Line>& lines) {
    m_lines = lines;
    m_current = 0;
    m_list->clear();
    for (const Line& l : m_lines) m_list->addItem(l.text);
    if (!m_lines.empty()) m_list->setCurrentRow(0);
    m_level->setText(QString::number(TZatrudnienieForm::level()));
    showElement();
    m_list->setFocus();
    exec();
    return m_lines.empty() ? -1 : m_current;
}

void TDanPoszkodForm::lineClicked(int row) {
    if (row < 0 || row >= int(m_lines.size())) return;
    m_current = row;
    showElement();
}

void TDanPoszkodForm::showElement() {
    if (m_current < 0 || m_current >= int(m_lines.size())) {
        m_employedIn->clear();
        return;
    }
    m_employedIn->setText(runStructure().ElementAtLevel(m_lines[size_t(m_current)].positionId, TZatrudnienieForm::level()).left(30));
}

void TDanPoszkodForm::ePoziomExit() {
    if (TZatrudnienieForm::applyLevel(m_level, this)) showElement();
}

TDanPoszkodForm& danPoszkodForm() { return *Forms::getOrCreate<TDanPoszkodForm>(QStringLiteral("TDanPoszkodForm")); }

} // namespace zort
