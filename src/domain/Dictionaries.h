#pragma once
#include "db/Params.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace zort {

class Dataset;
class TDataModForm;

// The object a dictionary entry carries in a combo box or a list: the row's id and
// two texts ...
struct TQvLista {
    int id = 0;
    QString text1;
    QString text2;
    bool operator==(const TQvLista&) const = default;
};

// ... or the row's id and three texts. Which texts each kind of list puts in them
// is given by the kinds below.
struct TQvListaPrac {
    int id = 0;
    QString text1;
    QString text2;
    QString text3;
    bool operator==(const TQvListaPrac&) const = default;
};

// An entry's object: none (an entry added as plain text), or one of the two.
using DictObject = std::variant<std::monostate, TQvLista, TQvListaPrac>;

struct DictEntry {
    QString text;
    DictObject object;
};

// The kinds of combo box lists (FillCombo):
//   1  ID - SKROT                   TQvLista     ID; SKROT, ""
//   2  NAZWISKO IMIE PESEL          TQvListaPrac IDOSOBY; PESEL, IMIE, NAZWISKO
//   3  ID - NAZWA                   TQvLista     ID; NAZWA, ID as text
//   4  KODCHORL4 - NAZWA            TQvListaPrac ID; KODCHORL4, NAZWA, ""
//   5  KOD - NAZWA                  TQvListaPrac ID; NAZWA, KOD, ""
//   6  IMNAZW - FUNKCJA             TQvLista     ID; IMNAZW, FUNKCJA
//   7  IMNAZW - FUNKCJA, STANOW     TQvListaPrac ID; IMNAZW, FUNKCJA, STANOW
// Every row of the dataset gives one entry, in its order; another kind gives none.
std::vector<DictEntry> comboEntries(const Dataset& rows, int kind);

// The kinds of the list picker (FillList):
//   1  ID - SKROT                   TQvLista     ID; SKROT
//   2  NAZWISKO IMIE PESEL          TQvListaPrac IDOSOBY; PESEL, IMIE, NAZWISKO
//   3  ID - NAZWA                   TQvLista     ID; NAZWA
//   4  KODCHORL4 - NAZWA            TQvListaPrac ID; KODCHORL4, NAZWA
//   5  KOD - NAZWA                  TQvLista     ID; NAZWA, KOD
std::vector<DictEntry> listEntries(const Dataset& rows, int kind);

// Whether an entry's object matches the text of a code field by a rule of the
// combo boxes:
//   1  TQvLista id equals the text read as a whole number
//   2  TQvListaPrac first text equals the text (persons by PESEL, diseases by code)
//   3  TQvListaPrac id equals the text read as a whole number
//   4  second text (of either object) equals the text (occupations by code)
//   5  first text (of either object) equals the text
//   6  TQvListaPrac second text equals the text
// An object of another class, or a text that is not a number where a number is
// needed, does not match.
bool comboEntryMatches(const DictObject& object, const QString& text, int rule);

// Whether an entry matches by a rule of the list picker, the text already known to
// be a whole number: 1 the id equals it, 2 the first text equals the text, 3 the
// second text read as a number equals it. Other rules match nothing.
bool listEntryMatches(const DictObject& object, const QString& text, int rule);

// The text read as a whole number (the way the code fields are read): surrounding
// blanks allowed, nothing else.
bool readWholeNumber(const QString& text, qint64* value = nullptr);

// The code that choosing an entry writes into its code field: the id for the rules
// that match by id (1, 3), the second text otherwise; and the text for the text
// field, the first text.
QString entryCode(const DictObject& object, int rule);
QString entryText(const DictObject& object);
// The third text of a TQvListaPrac (a commission member's post); empty for another.
QString entryThirdText(const DictObject& object);
int entryId(const DictObject& object);

// Whether the 2000 statistical card takes its later form (and lists) on the
// reference date: after the moment 2000-12-31 00:00.
bool cardAfter2000(const QDateTime& referenceDate);

// The condition of the restricted person lists: the persons employed on :nowdata
// at a position of the visible-structure table.
QString employedOnDate(const QString& structureTable);

// What a dictionary list is read from: a table (a constant of the program, never
// typed text), an optional condition with its parameters, and the order.
struct DictSource {
    QString table;
    QString condition;  // without "WHERE"; empty for every row
    Params params;
    QString order;
    int kind = 0;
};

// The statement of FillCombo for the kinds other than 2: every column of the table,
// with the condition, in the order.
QString comboSql(const DictSource& source);

// The person list of the variant for uniformed services: every person, or for a user
// restricted to the visible structure (AOsobWysw 0) the persons employed on the date
// (":nowdata") on a position of that structure, without "Distinct" (a person with
// several current employments comes once per employment); only the persons of
// TypPrac 1 unless every kind is asked for.
QString policePersonListSql(const QString& order, const QString& visibleStructureTable, bool allKinds);

// The occupation classification of an edition (0 to 4) and the list of its
// occupations (the level-4 rows of the editions 1 to 4), in the order by code or by
// name. A filter text, when given, keeps the occupations whose code contains it
// (a whole number) or whose name contains it ignoring case; the text is bound.
QString occupationTable(int edition);
DictSource occupationSource(int edition, bool byCode, const QString& filter = QString());

// The employment status, citizenship and employer size lists of a card version
// (0..5, WERSJASKW): for the 2000 card (1) only the status list, from SKWUMOWY, or
// SKWUMOWY_1 when the reference date is after 2000-12-31; for the 2022 card (5) the
// "_1" tables; every list ordered by ID.
struct CardDictionaries {
    DictSource status;       // cbUmowa
    DictSource citizenship;  // cbObywatelstwo (empty table for the 2000 card)
    DictSource employerSize; // cbLiczbaPrac (empty table for the 2000 card)
};
CardDictionaries cardDictionaries(int cardVersion, const QDateTime& referenceDate);

// Upper case as the database's UPPER gives it under the collation of the database
// (PXW_PLK): letter by letter, so that the lengths stay and the Polish letters
// match.
QString databaseUpper(const QString& text);
// A text to be found anywhere in a LIKE pattern: "%" + text + "%" with the escape
// character "\", "%" and "_" escaped. Use with "LIKE :p ESCAPE '\'".
QString likeContains(const QString& text);

// The data module's dictionary datasets, added under their names.
void addDictionaryDatasets(TDataModForm& dm);

} // namespace zort

Q_DECLARE_METATYPE(zort::DictObject)
