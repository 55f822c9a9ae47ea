#include "card/CodeTreeView.h"

#include "ui/Widgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace zort {
namespace {

constexpr int kIndexRole = Qt::UserRole + 1;

// A node of the tree; its image follows whether it is expanded, whoever expanded it.
class CodeItem : public QTreeWidgetItem {
public:
    CodeItem(const QString& label, int index, const QIcon* images) : QTreeWidgetItem(QStringList{label}), m_images(images) {
        setData(0, kIndexRole, index);
    }
    QVariant data(int column, int role) const override {
        if (role == Qt::DecorationRole && column == 0 && m_images) {
            if (childCount() == 0) return m_images[2];
            return isExpanded() ? m_images[1] : m_images[0];
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    const QIcon* m_images;  // closed, open, leaf; none without images
};

} // namespace

class CodeTreeView::Content {
public:
    CodeTree tree;
    std::unique_ptr<CodeTreeSearch> search;
    std::vector<QTreeWidgetItem*> items;
    QList<QTreeWidgetItem*> tops;
    std::vector<char> hidden;
    bool shown = false;

    ~Content() {
        if (!shown) qDeleteAll(tops);
    }
};

CodeTreeWidget::CodeTreeWidget(QWidget* parent) : QTreeWidget(parent) {}

void CodeTreeWidget::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (m_search && plain && !text.isEmpty() && (text.at(0).isLetterOrNumber() || (text == QLatin1String(" ") && !m_search->text().isEmpty()))) {
        m_search->setFocus();
        m_search->end(false);
        m_search->insert(text);
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QTreeWidget::keyPressEvent(e);
}

CodeTreeView::CodeTreeView(bool folderImages, QWidget* parent) : QWidget(parent), m_folderImages(folderImages) {
    QStyle* style = QApplication::style();
    m_images[0] = style->standardIcon(QStyle::SP_DirClosedIcon);
    m_images[1] = style->standardIcon(QStyle::SP_DirOpenIcon);
    m_images[2] = style->standardIcon(QStyle::SP_FileIcon);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    auto* caption = new QLabel(QStringLiteral("Szukaj :"), this);
    m_search = makeEdit(QStringLiteral("eSzukaj"), this, caption, 100);
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(QStringLiteral("kod lub słowa nazwy"));
    m_found = new QLabel(this);
    m_found->setObjectName(QStringLiteral("lZnaleziono"));
    m_found->setMinimumWidth(130);
    row->addWidget(caption);
    row->addWidget(m_search, 1);
    row->addWidget(m_found);

    m_tree = new CodeTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvInfor"));
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(QStringLiteral("Drzewo kodów"));
    m_tree->setUniformRowHeights(true);
    m_tree->setSearchField(m_search);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_tree, 1);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_searching) search(t);
    });
    connect(m_search, &QLineEdit::returnPressed, this, &CodeTreeView::confirmRequested);
    m_search->installEventFilter(this);
    connect(m_tree, &CodeTreeWidget::enterPressed, this, &CodeTreeView::confirmRequested);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { emit currentChanged(indexOf(item)); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item && item->childCount() == 0) emit confirmRequested();
    });
}

CodeTreeView::~CodeTreeView() { clear(); }

bool CodeTreeView::eventFilter(QObject* watched, QEvent* e) {
    // The arrow keys lead from the search field into the results.
    if (watched == m_search && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
            m_tree->setFocus();
            if (!m_tree->currentItem()) {
                for (int i = 0; i < nodeCount(); ++i)
                    if (!m_content->hidden[size_t(i)]) {
                        select(i);
                        break;
                    }
            } else {
                QApplication::sendEvent(m_tree, e);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

std::shared_ptr<CodeTreeView::Content> CodeTreeView::build(CodeTree tree) const {
    auto c = std::make_shared<Content>();
    c->tree = std::move(tree);
    c->search = std::make_unique<CodeTreeSearch>(c->tree);
    const int n = c->tree.size();
    c->items.resize(size_t(n));
    c->hidden.assign(size_t(n), 0);
    const QIcon* images = m_folderImages ? m_images : nullptr;
    for (int i = 0; i < n; ++i) {
        auto* item = new CodeItem(c->tree.nodes[size_t(i)].label(), i, images);
        c->items[size_t(i)] = item;
        const int p = c->tree.parent[size_t(i)];
        if (p >= 0) c->items[size_t(p)]->addChild(item);
        else c->tops << item;
    }
    return c;
}

void CodeTreeView::setContent(std::shared_ptr<Content> content) {
    if (content == m_content) return;
    clear();
    m_content = std::move(content);
    if (!m_content) return;
    const QSignalBlocker block(m_tree);
    m_tree->addTopLevelItems(m_content->tops);
    m_content->shown = true;
    std::fill(m_content->hidden.begin(), m_content->hidden.end(), 0);
}

void CodeTreeView::clear() {
    {
        const QSignalBlocker block(m_tree);
        if (m_content && m_content->shown) {
            // The items go back to their content, which frees them when it goes.
            m_tree->setCurrentItem(nullptr);
            while (m_tree->topLevelItemCount() > 0) m_tree->takeTopLevelItem(m_tree->topLevelItemCount() - 1);
            m_content->shown = false;
        }
        m_content.reset();
        m_tree->clear();
    }
    emit currentChanged(-1);
}

const CodeTree* CodeTreeView::codeTree() const { return m_content ? &m_content->tree : nullptr; }

int CodeTreeView::nodeCount() const { return m_content ? m_content->tree.size() : 0; }

QTreeWidgetItem* CodeTreeView::item(int index) const {
    return m_content && index >= 0 && index < nodeCount() ? m_content->items[size_t(index)] : nullptr;
}

int CodeTreeView::indexOf(const QTreeWidgetItem* item) const {
    if (!item || !m_content) return -1;
    bool ok = false;
    const int i = item->data(0, kIndexRole).toInt(&ok);
    return ok && i >= 0 && i < nodeCount() && m_content->items[size_t(i)] == item ? i : -1;
}

const TTrescInfor* CodeTreeView::node(int index) const {
    return m_content && index >= 0 && index < nodeCount() ? &m_content->tree.nodes[size_t(index)] : nullptr;
}

int CodeTreeView::current() const { return indexOf(m_tree->currentItem()); }

void CodeTreeView::select(int index) {
    QTreeWidgetItem* i = item(index);
    m_tree->setCurrentItem(i);
    if (i) {
        i->setSelected(true);
        m_tree->scrollToItem(i);
    } else {
        m_tree->clearSelection();
    }
}

void CodeTreeView::collapseAll() {
    if (m_content)
        for (int i = 0; i < nodeCount(); ++i)
            if (m_content->hidden[size_t(i)]) {
                m_content->items[size_t(i)]->setHidden(false);
                m_content->hidden[size_t(i)] = 0;
            }
    m_tree->collapseAll();
}

void CodeTreeView::expandAncestors(int index) {
    if (!m_content) return;
    for (int p = index >= 0 ? m_content->tree.parent[size_t(index)] : -1; p >= 0; p = m_content->tree.parent[size_t(p)])
        m_content->items[size_t(p)]->setExpanded(true);
}

void CodeTreeView::expandAll(int index, bool expand) {
    QTreeWidgetItem* i = item(index);
    if (!i) return;
    if (expand) {
        m_tree->expandRecursively(m_tree->indexFromItem(i));
        return;
    }
    // The node and everything under it (tree order: its subtree follows it).
    const CodeTree& t = m_content->tree;
    i->setExpanded(false);
    for (int j = index + 1; j < t.size(); ++j) {
        int p = t.parent[size_t(j)];
        while (p >= 0 && p != index) p = t.parent[size_t(p)];
        if (p != index) break;
        m_content->items[size_t(j)]->setExpanded(false);
    }
}

void CodeTreeView::resetSearch() {
    m_searching = true;
    m_search->clear();
    m_searching = false;
    m_found->clear();
    collapseAll();
}

void CodeTreeView::search(const QString& text) {
    if (!m_content) return;
    if (text.trimmed().isEmpty()) {
        // The whole tree again, collapsed, the selected node kept in view.
        const int keep = current();
        m_found->clear();
        m_tree->setUpdatesEnabled(false);
        collapseAll();
        if (keep >= 0) {
            expandAncestors(keep);
            m_tree->scrollToItem(item(keep));
        }
        m_tree->setUpdatesEnabled(true);
        return;
    }
    const CodeTreeSearch::Result r = m_content->search->filter(text);
    m_tree->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(m_tree);
        m_tree->collapseAll();
        m_tree->deferLayout();
        for (int i = 0; i < nodeCount(); ++i) {
            const char hide = !r.visible[size_t(i)];
            if (m_content->hidden[size_t(i)] != hide) {
                m_content->items[size_t(i)]->setHidden(hide);
                m_content->hidden[size_t(i)] = hide;
            }
        }
        for (int i = 0; i < nodeCount(); ++i)
            if (r.expanded[size_t(i)]) m_content->items[size_t(i)]->setExpanded(true);
    }
    m_tree->setUpdatesEnabled(true);
    m_found->setText(r.found == 0 ? QStringLiteral("Nie znaleziono") : QStringLiteral("Znaleziono: %1").arg(r.found));
    select(r.first);
    if (r.first < 0) emit currentChanged(-1);
}

} // namespace zort
