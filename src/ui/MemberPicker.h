#pragma once
#include "domain/Dictionaries.h"

#include <QObject>
#include <vector>

class QComboBox;
class QLineEdit;

namespace zort {

// A picker of a member of the post-accident team or of the accident commission: a
// combo box listing the dictionary by name (list kind 6 or 7), each entry carrying
// the member's texts. A document keeps copies of the texts, never the member's row,
// so that changing or deleting a member alters no document.
//
// Use:
//   auto* p = new MemberPicker(combo, MemberPicker::Dictionary::Commission,
//                              {{nameEdit, MemberPicker::Part::Name, 80},
//                               {functionEdit, MemberPicker::Part::Post}}, window);
//   p->fill();            // when the window shows
//   p->position();        // after a record was loaded: stands on the name in nameEdit
//   p->setCopyAllowed(editable);
//   connect(p, &MemberPicker::chosen, window, ...);  // e.g. mark the page changed
// From then on the picker refills itself whenever the dictionary changes
// (TDataModForm::teamChanged / commissionChanged) and keeps standing on the name.
//
// - The user's choice copies the chosen member's texts whole into the fields, each
//   cut only to the length of its column when that column is narrower
//   (Copy::columnLength); a field narrower than the text on screen is widened for it,
//   as the binder loads a longer stored text.
// - Positioning copies nothing; a name that the dictionary no longer holds leaves the
//   picker without a selection and the field's text as it is.
class MemberPicker : public QObject {
    Q_OBJECT
public:
    enum class Dictionary { Team, Commission };
    // What of the member a field receives: the name, the function (of a team member;
    // the rank of a commission member) or the post (of a commission member).
    enum class Part { Name, Function, Post };
    struct Copy {
        QLineEdit* field = nullptr;
        Part part = Part::Name;
        int columnLength = 0;  // the document column's length; 0: it holds the member's whole text
    };

    // The first copy with Part::Name is the field the picker is positioned by.
    MemberPicker(QComboBox* combo, Dictionary dictionary, std::vector<Copy> copies, QObject* parent = nullptr);

    // Reads the dictionary into the combo box (a refusal of the database is shown and
    // leaves it empty), then stands on the name as position() did, or on nothing when
    // it was not positioned since clearSelection().
    void fill();
    // Stands on the first member whose name equals the name field's text, or on none.
    void position();
    // No member shown until the next position().
    void clearSelection();
    // Whether the user's choice copies (a read-only document copies nothing).
    void setCopyAllowed(bool allowed) { m_copyAllowed = allowed; }

    QComboBox* combo() const { return m_combo; }
    Dictionary dictionary() const { return m_dictionary; }

    // The list a dictionary is read from (table, order by name, kind 6 or 7) and the
    // data module's dataset that reads it.
    static DictSource source(Dictionary dictionary);
    static QString datasetName(Dictionary dictionary);
    // The text of a member's part (empty when the entry carries no such text).
    static QString partText(const DictObject& member, Part part);
    // Copies a member's texts into the fields as the user's choice does.
    static void copyMember(const DictObject& member, const std::vector<Copy>& copies);

signals:
    // The user chose a member and its texts were copied.
    void chosen();

private:
    void follow();
    void choose(int index);

    QComboBox* m_combo;
    Dictionary m_dictionary;
    std::vector<Copy> m_copies;
    QLineEdit* m_name = nullptr;
    bool m_positioned = false;
    bool m_copyAllowed = true;
};

} // namespace zort
