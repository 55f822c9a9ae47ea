#pragma once
#include "domain/CodeTree.h"

#include <QIcon>
#include <QTreeWidget>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;

namespace zort {

// The tree of the code pickers: letters and digits typed in it go to the search
// field above it.
class CodeTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit CodeTreeWidget(QWidget* parent = nullptr);
    void setSearchField(QLineEdit* field) { m_search = field; }
    // The rows are laid out once when next needed, not after every change.
    void deferLayout() { scheduleDelayedItemsLayout(); }

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLineEdit* m_search = nullptr;
};

// A classification tree with its search field, shared by the three code pickers.
// The tree's items are built once per content; a content not shown keeps its items,
// so a picker can hold several trees and show one at a time.
class CodeTreeView : public QWidget {
    Q_OBJECT
public:
    class Content;

    // `folderImages`: groups show a closed or open folder, leaves a third image.
    CodeTreeView(bool folderImages, QWidget* parent = nullptr);
    ~CodeTreeView() override;

    // Builds the items of a tree (not shown yet).
    std::shared_ptr<Content> build(CodeTree tree) const;
    // Shows a content, taking the one shown before out of the tree (its owner keeps it).
    void setContent(std::shared_ptr<Content> content);
    const std::shared_ptr<Content>& content() const { return m_content; }
    // Takes the content out and frees it when nobody else holds it.
    void clear();

    const CodeTree* codeTree() const;
    int nodeCount() const;
    QTreeWidgetItem* item(int index) const;
    int indexOf(const QTreeWidgetItem* item) const;  // -1 for none
    const TTrescInfor* node(int index) const;
    // The selected node (-1: none).
    int current() const;
    void select(int index);  // -1 clears the selection

    // Collapses every node (and shows it when the search had hidden some).
    void collapseAll();
    void expandAncestors(int index);
    // Expands or collapses a node with everything under it.
    void expandAll(int index, bool expand);

    // Empties the search field and shows the whole tree.
    void resetSearch();
    void search(const QString& text);

    CodeTreeWidget* tree() const { return m_tree; }
    QLineEdit* searchField() const { return m_search; }
    QLabel* foundLabel() const { return m_found; }

signals:
    // Every change of the selected node, by the user or by the program (-1: none).
    void currentChanged(int index);
    // A double click on a leaf, or Enter in the search field or the tree.
    void confirmRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool m_folderImages;
    QIcon m_images[3];  // closed folder, open folder, leaf
    QLineEdit* m_search;
    QLabel* m_found;
    CodeTreeWidget* m_tree;
    std::shared_ptr<Content> m_content;
    bool m_searching = false;
};

} // namespace zort
