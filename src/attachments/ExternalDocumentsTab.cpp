#include "attachments/ExternalDocumentsTab.h"

#include "attachments/ZalacznikiForm.h"
#include "domain/DataModForm.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zort {
namespace {

// The margins of the list's sideways scrolling on either side of the widest name.
constexpr int kScrollMargin = 14;

} // namespace

ExternalDocumentsTab::ExternalDocumentsTab(QWidget* page) : QWidget(page) {
    setObjectName(QStringLiteral("pnDokumZewn"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading =
        new QLabel(QStringLiteral("Wykaz plików zewnętrznych stanowiących uzupełnienie dokumentacji powypadkowej"), this);
    heading->setObjectName(QStringLiteral("lblDokum"));
    heading->setWordWrap(true);
    layout->addWidget(heading);
    auto* row = new QHBoxLayout;
    layout->addLayout(row, 1);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbDokum"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    labelControl(heading, m_list);
    row->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    auto makeButton = [this, buttons](const char* name, const QString& hint, QStyle::StandardPixmap icon,
                                      void (ExternalDocumentsTab::*click)()) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(style()->standardIcon(icon));
        b->setText(hint);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        connect(b, &QToolButton::clicked, this, [this, click]() { CommandGuard::run([&]() { (this->*click)(); }, this); });
        buttons->addWidget(b);
        return b;
    };
    m_add = makeButton("bbDodDok", QStringLiteral("Dodaj plik"), QStyle::SP_FileDialogNewFolder,
                       &ExternalDocumentsTab::bbDodDokClick);
    m_open = makeButton("bbPodglDok", QStringLiteral("Podgląd wybranego pliku"), QStyle::SP_FileDialogContentsView,
                        &ExternalDocumentsTab::bbPodglDokClick);
    m_remove = makeButton("bbUsunDok", QStringLiteral("Usuń wybrany plik"), QStyle::SP_TrashIcon,
                          &ExternalDocumentsTab::bbUsunDokClick);
    buttons->addStretch(1);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this]() { selectionMoved(); });
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(this);
}

ExternalDocumentsTab& ExternalDocumentsTab::of(TZalacznikiForm& window) {
    QWidget* page = window.tabs()->widget(TZalacznikiForm::ExternalTab);
    if (auto* tab = page->findChild<ExternalDocumentsTab*>()) return *tab;
    return *new ExternalDocumentsTab(page);
}

QToolButton* ExternalDocumentsTab::button(const QString& name) const { return findChild<QToolButton*>(name); }

void ExternalDocumentsTab::shown(TZalacznikiForm& window) {
    TDataModForm* d = dataMod();
    if (!d) return;
    m_docs = std::make_unique<ExternalDocuments>(d->KartyDB());
    const RecordRef& r = window.record();
    // An injured person's protocol or card (1), or a commuting card (2).
    const ExternalDocuments::Owner owner = window.workAccident() ? ExternalDocuments::Owner{1, r.personId}
                                                                 : ExternalDocuments::Owner{2, r.accidentId};
    m_docs->load(owner, window.editable());
    m_add->setEnabled(m_docs->editable());
    refresh();
}

void ExternalDocumentsTab::entered() {
    if (m_docs) m_docs->enter(window());
}

bool ExternalDocumentsTab::save() { return !m_docs || m_docs->SaveExternalDocuments(window()); }

void ExternalDocumentsTab::bbDodDokClick() {
    if (m_docs && m_docs->add(window())) refresh();
}

void ExternalDocumentsTab::bbPodglDokClick() {
    if (m_docs) m_docs->openSelected(window());
}

void ExternalDocumentsTab::bbUsunDokClick() {
    if (m_docs && m_docs->removeSelected(window())) refresh();
}

void ExternalDocumentsTab::refresh() {
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        const QStringList& names = m_docs ? m_docs->names() : QStringList();
        int widest = 0;
        for (const QString& name : names) widest = qMax(widest, m_list->fontMetrics().horizontalAdvance(name));
        m_scrollWidth = widest + kScrollMargin + kScrollMargin;
        for (const QString& name : names) {
            auto* item = new QListWidgetItem(name, m_list);
            item->setSizeHint(QSize(m_scrollWidth, m_list->fontMetrics().height() + 4));
        }
        if (m_docs && m_docs->selected() >= 0) m_list->setCurrentRow(m_docs->selected());
    }
    selectionMoved();
}

void ExternalDocumentsTab::selectionMoved() {
    // The selected name, not the current row (which focus alone may set).
    const QList<QListWidgetItem*> chosenItems = m_list->selectedItems();
    if (m_docs) m_docs->select(chosenItems.isEmpty() ? -1 : m_list->row(chosenItems.first()));
    const bool chosen = m_docs && m_docs->selected() >= 0;
    m_open->setEnabled(chosen);
    m_remove->setEnabled(chosen && m_docs->editable());
}

void installExternalDocuments() {
    TZalacznikiForm::setExternalDocuments([](TZalacznikiForm& z) { ExternalDocumentsTab::of(z).shown(z); },
                                          [](TZalacznikiForm& z) { ExternalDocumentsTab::of(z).entered(); },
                                          [](TZalacznikiForm& z) { return ExternalDocumentsTab::of(z).save(); });
}

} // namespace zort
