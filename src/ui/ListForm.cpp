#include "ui/ListForm.h"

#include "core/Forms.h"
#include "ui/Widgets.h"
#include "db/Dataset.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace zort {
namespace {

constexpr int kObjectRole = Qt::UserRole + 1;

} // namespace

TListForm::TListForm(QWidget* parent) : QDialog(parent) {
    auto* layout = setUpDialog(this, QStringLiteral("ListForm"), QStringLiteral("Lista"), true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setAccessibleName(QStringLiteral("Lista"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setUniformItemSizes(true);
    layout->addWidget(m_list);
    auto* hint = new QLabel(QStringLiteral("Dwukrotne kliknięcie wybiera pozycję, Esc zamyka bez wyboru."), this);
    hint->setObjectName(QStringLiteral("lPodpowiedz"));
    layout->addWidget(hint);
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item) accept();
    });
    resize(520, 420);
}

void TListForm::FillList(const Dataset& query, int kind) {
    m_list->clear();
    int widest = 0;
    const QFontMetrics fm = m_list->fontMetrics();
    for (const DictEntry& e : listEntries(query, kind)) {
        auto* item = new QListWidgetItem(e.text, m_list);
        item->setData(kObjectRole, QVariant::fromValue(e.object));
        widest = qMax(widest, fm.horizontalAdvance(e.text));
    }
    // Wide enough for the widest entry, as far as the screen allows (beyond that the
    // list scrolls sideways),
    // and as tall as its entries, as far as a comfortable height.
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    const int tall = m_list->count() * (fm.height() + 4) + 90;
    resize(qBound(420, widest + 80, qMax(420, screenArea.width() - 80)), qBound(220, tall, qMax(220, screenArea.height() / 2)));
}

void TListForm::SelectListEntry(const QLineEdit* edit, int rule) {
    const QString text = edit ? edit->text() : QString();
    if (!readWholeNumber(text)) {
        selectEntry([](const DictObject&) { return false; });
        return;
    }
    selectEntry([&](const DictObject& o) { return listEntryMatches(o, text, rule); });
}

void TListForm::selectEntry(const std::function<bool(const DictObject&)>& matches) {
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    for (int i = 0; i < m_list->count(); ++i) {
        const QVariant v = m_list->item(i)->data(kObjectRole);
        if (matches(v.value<DictObject>())) {
            m_list->setCurrentRow(i);
            m_list->scrollToItem(m_list->item(i), QAbstractItemView::PositionAtCenter);
            return;
        }
    }
}

bool TListForm::choose(const QString& title) {
    if (!title.isEmpty()) setWindowTitle(title);
    m_list->setFocus();
    return exec() == QDialog::Accepted && selectedIndex() >= 0;
}

int TListForm::selectedIndex() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

DictObject TListForm::selectedObject() const {
    const int i = selectedIndex();
    return i < 0 ? DictObject{} : m_list->item(i)->data(kObjectRole).value<DictObject>();
}

TListForm& listForm() { return *Forms::getOrCreate<TListForm>(QStringLiteral("TListForm")); }

} // namespace zort
