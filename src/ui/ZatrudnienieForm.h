#pragma once
#include "domain/OrgStructure.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace zort {

// "Wybór stanowiska": the organisation structure as a tree, from which the user
// picks the work position of the injured person. The tree is loaded when the window
// is first shown and kept (markStale() has it loaded again at the next showing).
class TZatrudnienieForm : public QDialog {
    Q_OBJECT
public:
    explicit TZatrudnienieForm(QWidget* parent = nullptr);

    // Shows the window modally, opened on the element (when the tree has it). True
    // when the user confirmed a work position.
    bool choose(int elementId);
    void markStale() { m_stale = true; }

    // The position chosen, its top element, and the name of its element on the level
    // of "Zatrudniony w".
    const TStrukt& position() const { return m_position; }
    const TStrukt& top() const { return m_top; }
    QString elementAtLevel() const;
    // The level of "Zatrudniony w" (the saved setting PozDoZatr; 0 = the top).
    static int level();
    // The level typed into `field` (check of a small whole number, the message shown
    // over `window`): taken for the run and written back as it holds; false, with the
    // focus back in the field, when refused.
    static bool applyLevel(QLineEdit* field, QWidget* window);

    QTreeWidget* tree() const { return m_tree; }
    // "OK": a selected work position closes the window with it; anything else asks
    // whether to close the window without a choice.
    void OKBtnClick();
    // Leaving the level field.
    void ePoziomExit();

private:
    void showSelected();

    QTreeWidget* m_tree;
    QLineEdit* m_level;
    QLabel* m_employedIn;
    TStrukt m_position;
    TStrukt m_top;
    bool m_stale = true;
};

// The position picker of the run, created on first use.
TZatrudnienieForm& positionForm();

} // namespace zort
