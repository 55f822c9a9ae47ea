#pragma once
#include "card/CodeTreeView.h"
#include "domain/CodeTree.h"
#include "ui/CodePickers.h"

#include <QDialog>
#include <QHash>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zort {

class Connection;

// What the three code pickers share: the tree with its search, the read-only code
// and name of the selected node, "OK" and "Anuluj", the question of the close box,
// and the context menu that expands or collapses a node. Each picker is created on
// its first use and lives until the end of the run.
class CodePickerDialog : public QDialog {
    Q_OBJECT
public:
    CodeTreeView* view() const { return m_view; }
    QLineEdit* codeField() const { return m_code; }
    QPlainTextEdit* nameMemo() const { return m_memo; }
    QPushButton* okButton() const { return m_ok; }
    // The statements go through this connection (tests); otherwise the data module's.
    void setConnection(Connection* c) { m_connection = c; }

    // The box of a group heading chosen: " Proszę wybrać ...".
    static QString chooseCodeMessage();
    // What a picker over a table without rows says.
    static QString emptyDictionaryMessage(const QString& table);

    void OKBtnClick();
    // The context menu's commands on the node last clicked or preselected.
    void expandSelected();
    void collapseSelected();

protected:
    CodePickerDialog(const QString& name, bool folderImages, QWidget* parent);

    Connection& connection() const;
    // Whether the node may be confirmed (a leaf; the activity/event/cause picker
    // takes level 2 only).
    virtual bool acceptable(int index) const;
    // Shows the node's code and name (none: empty fields).
    void showNode(int index);
    // Selects a node without showing it in the fields.
    void selectQuietly(int index);
    // Runs the window; true when a node was confirmed (chosen()).
    bool runModal();
    int chosen() const { return m_chosen; }

    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    QString m_emptyMessage;  // set when the table shown has no rows
    int m_menuNode = -1;     // the node last clicked or preselected

private:
    void contextMenu(const QPoint& at);

    CodeTreeView* m_view;
    QLineEdit* m_code;
    QPlainTextEdit* m_memo;
    QPushButton* m_ok;
    Connection* m_connection = nullptr;
    bool m_quiet = false;
    int m_chosen = -1;
};

// The picker of a code table: loaded at every call behind the progress window and
// emptied when it returns.
class TfrmSKWInfor : public CodePickerDialog {
    Q_OBJECT
public:
    explicit TfrmSKWInfor(QWidget* parent = nullptr);
    bool PickTreeCode(const QString& table, const QString& title, const QString& current, PickedCode& out);
    void FindCodeNode(const QString& code);
    // Everything of a call before the window shows: the table loaded, the code
    // preselected. False (after the message) when the table could not be read.
    bool prepare(const QString& table, const QString& title, const QString& current);
};

// The picker of the occupation classification: each edition's tree is loaded on its
// first call and kept for the run.
class TfrmSKWZawod : public CodePickerDialog {
    Q_OBJECT
public:
    explicit TfrmSKWZawod(QWidget* parent = nullptr);
    bool PickOccupationCode(const QString& table, const QString& title, const QString& current, PickedCode& out);
    void FindCodeNode(const QString& code);
    // Everything of a call before the window shows (see TfrmSKWInfor::prepare).
    bool prepare(const QString& table, const QString& title, const QString& current);
    bool holds(const QString& table) const { return m_trees.contains(table.toUpper()); }

private:
    // The tree of the table, loaded when not held yet; nullptr after a failure.
    std::shared_ptr<CodeTreeView::Content> tree(const QString& table, const QString& title);
    QHash<QString, std::shared_ptr<CodeTreeView::Content>> m_trees;
};

// The activity/event/cause picker of the services: the tree is read when the window
// is created (again at a call when that failed) and kept.
class TfrmEKWInfor : public CodePickerDialog {
    Q_OBJECT
public:
    explicit TfrmEKWInfor(QWidget* parent = nullptr, Connection* connection = nullptr);
    bool PickEventTriple(EventTriple& triple);
    void FindCodeNode(const EventTriple& triple);
    bool loaded() const { return m_loaded; }

protected:
    bool acceptable(int index) const override;

private:
    bool load();
    bool m_loaded = false;
};

// The pickers of the run (created on first use).
TfrmSKWInfor& skwInforForm();
TfrmSKWZawod& skwZawodForm();
TfrmEKWInfor& ekwInforForm();
// Makes the three pickers the program's code pickers (CodePickers).
void installCodePickers();

} // namespace zort
