#pragma once
#include "domain/CodeTree.h"

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace zort {

// What a picker returns for a confirmed code.
struct PickedCode {
    QString code;
    QString name;
    int id = 0;
};

// The pickers of classification codes, reached by every window that lets the user
// choose a code (the register pages, the card windows): a code table's tree, the
// occupation classification, and the activity/event/cause tree of the services. The
// windows themselves are installed once at start-up; without them a pick says the
// window is missing and returns false.
class CodePickers {
public:
    // (table, title, current code, out) -> confirmed
    using TreePicker = std::function<bool(const QString&, const QString&, const QString&, PickedCode&)>;
    using TriplePicker = std::function<bool(EventTriple&)>;

    static void install(TreePicker codeTable, TreePicker occupation, TriplePicker triple);
    static void uninstall();

    static bool pickTreeCode(const QString& table, const QString& title, const QString& current, PickedCode& out);
    static bool pickOccupationCode(const QString& table, const QString& title, const QString& current,
                                   PickedCode& out);
    static bool pickEventTriple(EventTriple& triple);
};

// The shared routine of the entry windows: opens the tree of `table` on the code in
// `code`, and on a confirmed pick writes the code into `code` and the name into
// `description`, the name cut to the description's length (its column's width).
bool pickCodeInto(const QString& table, const QString& title, QLineEdit* description, QLineEdit* code);
// The same with the occupation classification.
bool pickOccupationInto(const QString& table, const QString& title, QLineEdit* description, QLineEdit* code);

} // namespace zort
