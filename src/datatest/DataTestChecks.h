#pragma once
#include <QVector>

namespace zort::datatest {

// How a line of the data test reads its column(s) and what it shows.
enum class CheckKind {
    Heading,        // the format as it stands, nothing checked
    Text,           // a short text (trailing blanks dropped); empty: the finding
    Date,           // a date in the short date format; no date: the finding
    DateWithSuffix, // the date followed by " r."; no date: the finding alone
    Sex,            // 1 "mężczyzna", 2 "kobieta"; other: the finding
    Effect,         // 1..3 the data module's effect names; other: the finding
    Individual,     // 0 "indywidualny", 1 "zbiorowy"; other: the finding
    AccidentType,   // 0..3 the accident types; other: the finding
    Training,       // "t"/"n" as "odbyte"/"nie zostało odbyte"; other: the finding
    Instruction,    // "t"/"n" as "odbyty"/"nie został odbyty"; other: the finding
    Position,       // the second column's text; the first (an id) zero: the finding
    NumberNote,     // a whole number in numberFormat; zero: the number and the note
    NumberRequired, // a whole number in numberFormat; zero: the finding
    DecimalNote,    // a number in numberFormat ("%8.1f"); zero: the number and the note
    CodeName,       // "[code] - name"; empty code: the finding
    CodeAsNumber,   // the code as a whole number (as stored when it is none); empty: the finding
    Remarks,        // 2 "TAK", other non-zero "NIE"; zero: the finding (2019 protocol only)
    CodeList,       // codes 1..count with their names: a heading and a line per filled code,
                    // or the format with the finding when none is filled
    LongText,       // a text blob over as many lines as it holds; empty: the finding
};

enum class Table { Person, Accident };

// One line (or group of lines) of a check. A check is every entry of the table with
// its number, in table order.
struct CheckLine {
    int number;
    CheckKind kind;
    const char* format;         // the line with "%s" (the heading for Heading)
    Table table;
    const char* column;         // the code column of CodeName/CodeList, the id of Position
    const char* column2;        // the name column of CodeName/CodeList, the text of Position
    const char* finding;        // the finding that replaces the value, or the note after a number
    const char* numberFormat;   // printf format of a number
    const char* heading = nullptr;   // CodeList: the heading when some code is filled
    const char* itemFormat = nullptr; // CodeList: "... : [%s] - %s"
    int count = 0;                   // CodeList: the number of code slots
};

// The table of every check, in the order of their numbers.
const QVector<CheckLine>& checkTable();

// The checks of each routine, in the order they run.
const QVector<int>& card2000Checks();
const QVector<int>& cardChecks();
const QVector<int>& protocol1998Checks();
const QVector<int>& protocolChecks();
// The whole test; its middle part depends on the protocol form (0 the 1998 form).
QVector<int> everythingChecks(int protocolForm);

} // namespace zort::datatest
