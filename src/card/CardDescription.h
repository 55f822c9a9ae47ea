#pragma once
#include "domain/CardMarks.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace zort {

// What one card window shows, as data: its pages and, in the order of the printed
// form, every question with its controls. The windows of the forms of 2004 to 2022
// and the two windows of the 2000 card (its forms of 1996 and of 2001) are built
// from these descriptions by one window implementation; the differences between the
// forms are rows here, not code.

// A value of the window that no edit field holds; choice marks and editors show it.
enum class CardState {
    None,
    AccidentType,  // TYPWYP
    Sex,           // PLEC
    Effects,       // SKUTKI
    EffectsPart2,  // SKUTKIR
    LocalUnit,     // SPKRYTJEDN
    RemoteWork,    // FORMAPRACY
    Training,      // SZKWSTEPNE, SZKINSTR, SZKPODST, SZKOKRES (the 2000 forms)
};

// The check run when the user leaves a field (an empty field passes).
enum class CardCheck {
    None,
    Small,             // whole number 0..32767
    Real,              // real number, not negative
    RealPlain,         // real number, not negative ("Zły format liczby.")
    Whole,             // whole number 0..2147483647
    DateAfterAccident, // a date not before the accident's day
};

enum class CardItemKind {
    Section,     // a heading across the page (caption)
    Text,        // fixed text of the form (caption), e.g. a stamp area
    Edit,        // one bound edit (name)
    CodeText,    // a code (name) and its description (name2); picker by `picker`
    Marks,       // framed choice marks (name: the group), one per caption in `marks`
    ToggleMarks, // marks each switching its own "t"/"n" value (2000 training): name +
                 // "1".."4", the "none" answer name + "0" 
    YearSpin,    // the birth year editor (name)
    DateSpins,   // year, month, day and (when name4 is set) hour editors of DATA
    Memo,        // a bound memo (name) (2000 forms)
};

// The forms as bits of CardItem::versions: bit i the form of index i (WERSJASKW);
// the 2000 card (index 1) has two forms, bit 1 the form of 2001 and this bit the
// form of 1996.
constexpr unsigned kCardForm1996 = 1u << 6;

// How a group of marks shows its answer: the chosen one framed, or (the 2000 forms,
// "niepotrzebne skreślić") the others struck through.
enum class MarkStyle { Framed, Struck };

enum class CardPicker {
    None,
    Dictionary,  // the table of the code's card field (CardFields), by the card's form
    Occupation,  // the occupation classification by the KZS setting
};

struct CardItem {
    unsigned versions = 0;  // the forms that have the item (bits as kCardForm1996)
    int page = 1;           // 1..3; on a form of two pages, page 3 is page 2
    CardItemKind kind = CardItemKind::Edit;
    QString name;
    QString name2;          // CodeText: the description; DateSpins: month
    QString name3;          // DateSpins: day; Edit: the calendar button of a date
    QString name4;          // DateSpins: hour
    QString caption;        // the question's caption (empty: a field without one)
    QString caption2;       // DateSpins: the caption of the hour
    QString number;         // the question's number on the form ("01", "X1", "Z1/Z2")
    int maxLength = 0;      // of the edit or code (0: the column's width)
    int maxLength2 = 0;     // of the description (0: the column's width)
    bool readOnly = false;  // an edit nobody types into
    bool lowerCase = false; // converted to lower case while typed
    QString hint;
    CardCheck check = CardCheck::None;
    CardPicker picker = CardPicker::None;
    QString pickerTitle;    // the title of the picker where it differs from the field's
    CardState state = CardState::None;
    QStringList marks;      // Marks: the captions of the answers
    QList<int> values;      // ... and the value each stands for
    QString markColumn;     // ... the column whose value -> box table shows the answer
    QStringList markCodes;  // ... the code the form prints before each answer (9998)
    MarkStyle markStyle = MarkStyle::Framed;
    QString noneMark;       // ToggleMarks: the answer that sets every value to n
    QString twin;           // Edit: the field it is copied to on exit (and back)
    QString label;          // Edit: a label beside it ("lRok": "/ " + register year)
    bool localUnitPanel = false;  // one of X1..X3, locked when the local-unit answer is "Nie"
    QString pair;           // the code field whose value forms a pair with this one (2000
                            // factor and source): no two slots may hold the same pair
    QString pairMessage;    // the message of a pair chosen twice
    int memoLines = 0;      // CodeText: the description is a memo of so many lines
    bool framed = false;    // Text: an area left blank on the form (a stamp)
    bool preselect = true;  // the picker starts on the current code
};

struct CardDescription {
    int version = -1;
    QString windowClass;
    QString caption;  // the window's title
    QStringList pages;
    std::vector<CardItem> items;  // those of this form only
    int width = 778;              // fixed
    // The card is saved (and closed by "Zamknij") only while the accident's year is
    // the year of the register's reference date.
    bool sameYearOnly = false;
    // Rows of the value -> box tables (CardMarks) that this form shows otherwise.
    std::vector<CardMarkTable> markTables;

    // The page (index from 0) that an item of page `page` lies on.
    int pageIndex(int page) const { return qMin(page, int(pages.size())) - 1; }
    const CardItem* item(const QString& name) const;
    // The box (1, 2, 3 in the order of the form; 0 none) a value of the column shows.
    int markBox(const QString& column, int value) const;
};

// The description of the card window of a form (0 to 5; for 1, the form of 2001);
// every form's items come from one table.
const CardDescription& cardDescription(int version);
// The description a card window class shows (see cardWindowClass), or nullptr.
const CardDescription* cardDescriptionOf(const QString& windowClass);
// Every item of every form, with their form bits.
const std::vector<CardItem>& cardItems();

// The hint of the choice marks and of the description fields with a picker.
QString markHint();
QString pickerHint();
// The label of the card number: "/ " and the register year.
QString cardYearLabel(int year);
// The message of a 2000 card whose accident lies in another year than the register.
QString cardYearMessage();

} // namespace zort
