#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace zort {

// What one card window shows, as data: its pages and, in the order of the printed
// form, every question with its controls. The windows of the forms of 2004 to 2022
// (and of 2000) are built from these descriptions by one window implementation; the
// differences between the forms are rows here, not code.

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
    ToggleMarks, // marks each switching its own "t"/"n" value (2000 training)
    YearSpin,    // the birth year editor (name)
    DateSpins,   // year, month, day and (when name4 is set) hour editors of DATA
    Memo,        // a bound memo (name) (2000 forms)
};

// How a group of marks shows its answer: the chosen one framed, or (the 2000 forms,
// "niepotrzebne skreślić") the others struck through.
enum class MarkStyle { Framed, Struck };

enum class CardPicker {
    None,
    Dictionary,  // the table of the code's card field (CardFields), by the card's form
    Occupation,  // the occupation classification by the KZS setting
};

struct CardItem {
    unsigned versions = 0;  // bit i: the form of index i has the item
    int page = 1;           // 1..3; on a form of two pages, page 3 is page 2
    CardItemKind kind = CardItemKind::Edit;
    QString name;
    QString name2;          // CodeText: the description; DateSpins: month
    QString name3;          // DateSpins: day; Edit: the calendar button of a date
    QString name4;          // DateSpins: hour
    QString caption;        // the question's caption (empty: a field without one)
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
    MarkStyle markStyle = MarkStyle::Framed;
    QString noneMark;       // ToggleMarks: the answer that sets every value to n
    QString twin;           // Edit: the field it is copied to on exit (and back)
    QString label;          // Edit: a label beside it ("lRok": "/ " + register year)
    bool localUnitPanel = false;  // one of X1..X3, locked when the local-unit answer is "Nie"
    QString pair;           // the code field whose value forms a pair with this one (2000
                            // factor and source): no two slots may hold the same pair
    QString pairMessage;    // the message of a pair chosen twice
};

struct CardDescription {
    int version = -1;
    QString windowClass;
    QString caption;  // the window's title
    QStringList pages;
    std::vector<CardItem> items;  // those of this form only

    // The page (index from 0) that an item of page `page` lies on.
    int pageIndex(int page) const { return qMin(page, int(pages.size())) - 1; }
    const CardItem* item(const QString& name) const;
};

// The description of the card window of a form (0, 2, 3, 4, 5; 1 with its own
// window, see cardWindowClass); every form's items come from one table.
const CardDescription& cardDescription(int version);
// Every item of every form, with their version bits.
const std::vector<CardItem>& cardItems();

// The hint of the choice marks and of the description fields with a picker.
QString markHint();
QString pickerHint();
// The label of the card number: "/ " and the register year.
QString cardYearLabel(int year);
// The mark an effects value frames: 4 ("pozostałe skutki") is shown as "inne skutki".
int effectsMark(int value);

} // namespace zort
