#pragma once
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace zort {

struct CardField;

// The picker of a statistical-card answer, shared by the register pages and the card
// windows: the tree of the card's form (pickCodeInto), or its list of codes or 2000
// list through the list picker, filled from the data module's dataset of that list
// in the order the administration window sets, positioned on the code in `code`.
// A confirmed choice writes the code and the name (cut to the description's length);
// true then. The description is a single-line field or a memo; a field without one
// (`text` null) takes the code alone.
bool pickCardCode(const CardField& field, int version, QLineEdit* code, QWidget* text);

// The occupation of the classification in force (setting KZS): its tree, or for
// edition 0 the flat list of occupations (the data module's qryZawody) through the
// list picker, positioned on the current code unless `preselect` is false. A
// confirmed choice writes the code and, when `text` is given, the name cut to its
// length; true then.
bool pickOccupation(const QString& title, QLineEdit* code, QLineEdit* text, bool preselect = true);

// A code is chosen once where the card says so (repeatedCardCode: the causes, the
// 2000 card's injuries and factor/source pairs): after the pick of the slot of
// `field`, a repeat shows its message, empties the slot's code and description and
// puts the focus on the description (`fieldOf` finds a field by its control's name).
// True when the slot was emptied.
bool rejectDuplicateCause(const CardField& field, const std::function<QWidget*(const QString&)>& fieldOf,
                          QWidget* parent);

} // namespace zort
