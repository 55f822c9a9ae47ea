#pragma once
#include <QDateTime>
#include <QString>
#include <vector>

namespace zort {

// The statistical-card answers of the injured-person pages that are chosen from a
// classification: their controls and columns, the dictionary each card form takes
// them from, the title of the picker, and which forms ask the question at all.
struct CardField {
    QString codeControl;  // the read-only code field (epId...)
    QString textControl;  // the description field
    QString codeColumn;
    QString textColumn;
    QString button;       // the picker button beside the code ("w...")
    QString title;        // the picker's title
    QString title2000;    // the list picker's title on the 2000 form (empty: title)
    QString tree2022;     // the tree of the 2022 form (empty: the form lacks the question)
    QString older;        // the dictionary of the forms 2004 to 2019 (empty: they lack it)
    bool olderIsList;     // ... a list of codes (KOD, NAZWA) rather than a tree
    QString list2000;     // the flat list of the 2000 form up to 2000-12-31 (empty: lacks it)
    QString list2000After;// the flat list of the 2000 form after 2000-12-31
    unsigned versions;    // bit i set: the form of index i asks the question
    int causeSlot;        // 1..7 for the causes of the accident, 0 otherwise
    // Chosen from a list of codes on every form since 2004 (tree2022 and older then
    // name lists, not trees).
    bool listSince2004 = false;
    // Only the card windows pick it here; the register pages have their own lists.
    bool cardOnly = false;
};

const std::vector<CardField>& cardFields();
// The field of that code control (any case), or nullptr.
const CardField* cardFieldOfCode(const QString& codeControl);
const CardField* cardFieldOfButton(const QString& button);
// Whether the card of the form asks the question of the field.
bool cardHasField(const CardField& field, int version);

// The fields of who filled in the two parts of the card, where and when: the forms
// of 2004 to 2019 name the person and the employer's place and date of signature,
// the form of 2022 has the e-mail instead, the form of 2000 has none of them.
struct CardContactField {
    QString control;
    unsigned versions;  // bit i set: the form of index i has the field
};
const std::vector<CardContactField>& cardContactFields();

// Where a field's code comes from on one card form.
enum class CardDictKind {
    None,      // the form lacks the question
    Tree,      // a classification tree (the tree picker)
    CodeList,  // a list of codes: KOD stored, NAZWA the description (list picker kind 5)
    List2000,  // a 2000 list: ID stored as text, SKROT (NAZWA for injuries) the description
};

struct CardDictionary {
    CardDictKind kind = CardDictKind::None;
    QString table;
    QString title;
    // For the lists: the data module's dataset that reads them, the kind of the list
    // picker's entries, the rule that finds the current code in the list, the rule
    // that gives the code written, and the columns of the order by code and by name.
    QString dataset;
    int listKind = 0;
    int selectRule = 0;
    int codeRule = 0;
    QString orderByCode;
    QString orderByName;
};

CardDictionary cardFieldDictionary(const CardField& field, int version, const QDateTime& referenceDate);

// The message of a cause chosen twice.
QString duplicateCauseMessage();
// Whether two codes are the same cause: equal whole numbers ("1" and "01"), or,
// for a code that is no number, the same text without outer blanks.
bool sameCauseCode(const QString& a, const QString& b);

} // namespace zort
