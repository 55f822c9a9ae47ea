#pragma once
#include <QDateTime>
#include <QString>
#include <functional>
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
    // The slots of the 2000 card that may not repeat each other: the injured body
    // parts 1..3 and the factor/source pairs 1..4 (0: none).
    int injurySlot = 0;
    int factorSlot = 0;
    int sourceSlot = 0;
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
    // The code is the beginning of the entry's first text (the disease number of a
    // sick-leave form), this many characters, and the entry of that text is the
    // one preselected; 0: the code by codeRule.
    int codeOfText = 0;
};

CardDictionary cardFieldDictionary(const CardField& field, int version, const QDateTime& referenceDate);

// The message of a cause chosen twice.
QString duplicateCauseMessage();
// The messages of the 2000 card's injured body part, and of a factor/source pair,
// chosen twice (the pair as picked by its factor, or by its source).
QString duplicateInjuryMessage();
QString duplicateFactorMessage();
QString duplicateSourceMessage();
// Whether two codes are the same cause: equal whole numbers ("1" and "01"), or,
// for a code that is no number, the same text without outer blanks.
bool sameCauseCode(const QString& a, const QString& b);

// Whether the code just picked in the slot of `field` repeats another slot of its
// kind; `codeOf` gives the text of a code field by its control's name (empty when
// the form lacks it). Causes are the same by sameCauseCode. The 2000 card's
// injuries are the same as equal whole numbers; its factor/source pairs are
// compared only when both codes of the slot just picked are whole numbers other
// than 0, and repeat a slot whose two codes are the same numbers. A code that is no
// number (an old row) repeats nothing. The message of the repeat, or an empty text.
QString repeatedCardCode(const CardField& field, const std::function<QString(const QString& control)>& codeOf);

} // namespace zort
