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
// true then. A field without a description (`text` null) takes the code alone.
bool pickCardCode(const CardField& field, int version, QLineEdit* code, QLineEdit* text);

// The occupation of the classification in force (setting KZS): its tree, or for
// edition 0 the flat list of occupations (the data module's qryZawody) through the
// list picker. A confirmed choice writes the code and, when `text` is given, the
// name cut to its length; true then.
bool pickOccupation(const QString& title, QLineEdit* code, QLineEdit* text);

// A cause is chosen once: after the pick of the cause slot of `field`, its code is
// compared with the other slots' codes (`codeOf` finds a slot's code field by name);
// a clash shows the message, empties the slot and puts the focus on its description.
// True when the slot was emptied.
bool rejectDuplicateCause(const CardField& field, const std::function<QLineEdit*(const QString&)>& fieldOf,
                          QWidget* parent);

} // namespace zort
