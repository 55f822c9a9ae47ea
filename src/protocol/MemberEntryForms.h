#pragma once
#include <QDialog>
#include <QString>
#include <vector>

class QLineEdit;
class QPushButton;

namespace zort {

class Dataset;

// The entry window of a member of the post-accident team or of the accident
// commission: the texts of the row the administration window appended to its
// dictionary list. "OK" stores the row (every text, an empty one as null) and leaves
// the list on the first row with the typed texts; "Anuluj", Esc and the close box
// drop it. A row the database refuses stays pending with the typed texts, and the
// window open, until the user corrects it or cancels.
class TMemberEntryWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the window modally for the row appended to `members` (its state Insert).
    // True when the row was stored.
    bool editMember(Dataset& members);

    QLineEdit* field(const QString& name) const;
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    int helpContext() const;

    // What "OK" does: false (after the message, the window staying open) when the row
    // was not stored.
    bool OKBtnClick();

protected:
    struct FieldDef {
        const char* name;     // the edit
        QString caption;
        const char* column;   // of the dictionary
        int length;
    };
    TMemberEntryWindow(const QString& name, const QString& caption, int helpContext, std::vector<FieldDef> fields,
                       QWidget* parent);

private:
    struct Entry {
        QLineEdit* edit;
        QString column;
    };
    std::vector<Entry> m_fields;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    Dataset* m_members = nullptr;
};

// "Dane członka zespołu powypadkowego": name and function of a team member.
class TAZespForm : public TMemberEntryWindow {
    Q_OBJECT
public:
    explicit TAZespForm(QWidget* parent = nullptr);
};

// "Dane członka komisji powypadkowej": name, rank and post of a commission member.
class TfrmKomisjaPow_Policja : public TMemberEntryWindow {
    Q_OBJECT
public:
    explicit TfrmKomisjaPow_Policja(QWidget* parent = nullptr);
};

// Registers both windows under their class names; each edits the row appended to the
// administration window's list of its dictionary.
void registerMemberWindows();

} // namespace zort
