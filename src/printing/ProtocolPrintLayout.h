#pragma once
// The printed post-accident protocol, as data.
//
// Each layout of the protocol (one per regulation) is ONE ProtocolPrintLayout: the
// items of the form in their printed order, each with its lines (what is printed,
// piece by piece, left to right), the free text under them, the page form that
// prints it, the height of its text box there and its blank room on the whole form.
// ProtocolReport builds every form of a layout from that one definition:
//
//  - the whole form (page == 0): a page header on every page (hidden on blank
//    forms), a title band with the items of Part::Top, then a chain of child bands,
//    one heading band per item of Part::Chain (its lines; at least kHeadingHeight
//    high) followed, when the item has a column, by a text band that starts
//    textHeight (default kTextHeight) high and stretches with the text (on blank
//    forms: blankHeight), and last the summary band with the items of
//    Part::Summary. The title band prints once, on the first page of each run,
//    under the page header: the top block of the form (the stamp, the body that
//    draws the document up);
//  - the page forms (page 1..pageDatasets.size()): one fixed band with the items
//    whose `page` is that page, in order, every free text in a box of boxHeight
//    (a longer text is cut at the box's end). Items of Part::PageOnly print only
//    there (the footnotes a page repeats).
//
// Pieces of a line (ProtPiece):
//  - Text: fixed words. A text holding a run of dots with gapColumn set prints that
//    column over the dots (the labour court of "POUCZENIE").
//  - Field: a column of the data row printed over a rule of `width` units (0: to
//    the end of the line), with `caption` (lines split at "\n") in small print
//    under the rule. Without a column it is an empty rule with its caption (places
//    to sign or stamp). `dataset` names the dataset the column comes from when it
//    is not the form's own (the whole forms read KODEKD from ZestWypSQL).
//  - Choice: an alternative struck through by the mark tables (`name` when its text
//    is not unique on the form; choices of one name are struck together). With
//    boldChoices the alternatives print bold.
//  - Note: a footnote mark ("1)") set small and raised after the piece before it.
//  - Value: fixed words followed by a column's value as one text in the line's font
//    (a title with its number); a blank form prints `beforeOnBlank` alone. In a
//    centred line of its own it is centred on the page. Not data: the font size
//    setting leaves it alone. With `columns` it prints their values (each in the
//    piece's format) joined by `separator` instead (a place and a date).
// A Field with a `name` is struck through by the mark tables like a choice, over the
// width of the value it prints.
// A line with a `point` is struck through as a whole under that name (a point of the
// form that does not apply): its words, its values and its choices, which keep their
// own names too.
// A Value with keepOnBlank prints its column on blank forms too (a title chosen by
// the row's kind), `beforeOnBlank` when the column is empty (a form without a row).
// A Field whose rule is `dashed` draws it in short dashes.
// Pieces follow each other with kPieceGap between them; `x` > 0 places a piece at
// that distance from the line's left edge instead (columns of captions). A line is
// one row of words and values (as high as the largest data font, 10 points, when it
// has a rule), then the captions under its rules; `space` leaves room above it.
//
//  - Frame: a framed box (`border` off: a bare area) `width` wide and `height` high
//    (0: as its contents need) at `x`: its `caption` in small print at the top, its
//    `inner` lines under it (placed inside the box; centred lines centre in it), then
//    the data: the `columns` joined by `separator` (an empty part leaves its
//    separator out), wrapped, bold with `boldData`, centred with `centerData`. A box
//    with inner lines needs its height. The employer and the number of a card.
//
// Tables (the statistical card): an item's `rows` follow its lines, each row a band
// of its own on page forms with chainedPages (its description stretches there), in
// the columns of the layout's `table`: "Poz." (the row's number), the caption
// ("Rodzaj informacji", lines split at "\n" and wrapped), the code column ("Kod lub
// liczba": the `code` column right-aligned in bold) and the description ("Opis":
// the `text` column). A row with `lines` prints them across the code and
// description columns instead (the boxes of a choice). Header rows print their four
// texts centred in bold; section rows their caption across the whole table.
//
// Datasets: the page forms read pageDatasets[page - 1] (a layout of two pages
// lists two); the whole form reads wholeDatasets, the first its data source.
// Footnote texts, "POUCZENIE" and the other fixed wordings of a regulation come from
// protocolFixedTexts() (domain/ProtocolTexts.h) where the window shows them too.
//
// Marks (ProtMarks): for each value of a column the names of the alternatives struck
// (DocumentReport::addMarks), `otherwise` for any other value; `item13` tables print
// only with the setting "Zaznaczenie na wydruku opcji wyboru zawartych w pkt. 13
// protokołu powypadkowego". `hidden` names the data fields (by their column) that a
// value leaves unprinted (DocumentReport::addHidden).
//
// The layouts of 2004 and 2019 are defined in ProtocolForms.cpp (protocolLayout2004(),
// protocolLayout2019()); further layouts add their own definitions beside them and
// their thin form classes (class X : public ProtocolReport { X() : ProtocolReport(
// "X", layout(), page) {} }), registered by class name. The protocols of 1998 and
// 2003 are in ProtocolLayouts1998_2003.cpp, the commuting-accident cards (their own
// kind code, page title and top block) in CommutingCardForms.cpp, the accident
// cards (a title header, "Strona" footers, boxes sharing each page's room) in
// AccidentCardForms.cpp, the statistical accident card (chained page forms of frames
// and table rows, every form of the card as data) in StatCardForms.cpp.
#include "domain/ProtocolTexts.h"
#include "printing/AttachmentReport.h"
#include "printing/DocumentReport.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zort::print {

struct ProtLine;

struct ProtPiece {
    enum class Kind { Text, Field, Choice, Note, Mark, Value, Frame };
    Kind kind = Kind::Text;
    QString text;        // Text, Choice: the words; Note: the mark; Field: the column (empty: a bare rule)
    double width = 0;    // Field: its rule (0: to the end of the line)
    double x = 0;        // > 0: placed at this distance from the line's left edge
    QString caption;     // Field: small print under the rule ("\n" between its lines)
    QString format;      // Field: display format (kDateFormat for dates)
    QString name;        // Choice: its name in the mark tables (default: the text)
    QString dataset;     // Field: the dataset of the column when not the form's own
    QString gapColumn;   // Text: a column printed over the text's run of dots
    int box = 0;         // Mark: the box number of the column (text) in its value -> box table
    QString before;        // Value: the words before the value
    QString beforeOnBlank; // Value: what a blank form prints
    bool dashed = false;   // Field: a dashed rule
    // Frame: its height (0: as the contents need), its data, its lines and look.
    double height = 0;
    QStringList columns;
    QString separator;
    std::vector<ProtLine> inner;
    bool border = true;
    bool boldData = false;
    bool centerData = false;
    double size = 0;     // Frame: size of its caption (0: the layout's captionSize)
    bool keepOnBlank = false;  // Value: a wording chosen by the row, printed on blank forms too
};

// Short builders of pieces for the layout definitions.
ProtPiece T(const QString& text, double x = 0);
ProtPiece F(const QString& column, double width, const QString& caption = QString(), double x = 0);
ProtPiece D(const QString& column, double width, const QString& caption = QString(), double x = 0);  // date
ProtPiece C(const QString& text, const QString& name = QString());
ProtPiece N(const QString& mark);
// A framed box that prints "X" when the column's value marks box `box` (ProtMarks::boxes).
ProtPiece M(const QString& column, int box, double x = 0);
// Words and a column's value as one text; on a blank form `onBlank` alone.
ProtPiece V(const QString& column, const QString& before, const QString& onBlank, double width = 0);
// A framed box at x, width x height, with a caption at its top and the columns
// joined by the separator as its data (see Frame above).
ProtPiece B(double x, double width, double height, const QString& caption, const QStringList& columns = {},
            const QString& separator = QString());

// One printed line of an item.
struct ProtLine {
    std::vector<ProtPiece> pieces;
    double indent = 0;   // units from the left margin
    bool bold = false;   // the texts of the line in bold (item headings)
    bool center = false; // the line centred on the page (title, "POUCZENIE")
    double size = 0;     // font size of its texts (0: the layout's textSize)
    double space = 0;    // free room above the line (a stamp over its rule)
    double width = 0;    // a centred line centres in this width from its indent (0: the page's)
    QString point;       // the name under which the whole line is struck
};

// A row of a table (see Tables above).
struct ProtRow {
    enum class Kind { Item, Header, Section };
    Kind kind = Kind::Item;
    QString number;              // "Poz."; Header: its heading
    QString caption;             // "Rodzaj informacji"
    QString code;                // column of "Kod lub liczba"; Header: its heading
    QString codeFormat;
    QString text;                // column of "Opis"; Header: its heading
    QString dataset;             // of code and text when not the form's own
    std::vector<ProtLine> lines; // across code and description instead
};

// The columns of the tables of a layout (units; the description takes the rest).
struct ProtTable {
    double number = 30;
    double caption = 296;
    double code = 82;
};

struct ProtItem {
    enum class Part { Top, Chain, Summary, PageOnly };
    int number = 0;              // the point of the form; 0 the title and number line, 99 the instruction
    Part part = Part::Chain;     // where the whole form prints it
    std::vector<ProtLine> lines; // fixed lines (the heading of a free text)
    QString column;              // the free text under the lines (empty: none)
    int page = 1;                // the page form that prints it
    double boxHeight = 0;        // page form: the box of the free text
    double blankHeight = 0;      // whole form: blank room of the free text (0: its start height)
    double textHeight = 0;       // whole form: start height of the free text (0: kTextHeight)
    std::vector<ProtRow> rows;   // table rows after the lines
};

// Short builders of lines for the layout definitions.
namespace protdef {
// An item: its lines and the free text under them (page form box, whole form start and
// blank heights; 0 for the defaults).
ProtItem item(int number, ProtItem::Part part, int page, std::vector<ProtLine> lines,
              const QString& column = QString(), double box = 0, double textHeight = 0, double blank = 0);
inline constexpr double kIndent = 10;  // the lines under an item's heading
ProtLine line(std::vector<ProtPiece> pieces, double indent = kIndent);
// An item's heading: a bold line at the margin.
ProtLine heading(std::vector<ProtPiece> pieces);
ProtLine heading(const QString& text);
ProtLine plain(const QString& text, double indent = kIndent);
// A text whose run of dots carries the column (the labour court of the instruction).
ProtPiece overGap(ProtPiece piece, const QString& column);
// The instruction of the form ("POUCZENIE" with the labour court over its dots, then
// the footnotes), printed in the summary of the whole form and on the page `page`.
ProtItem instructionItem(const ProtocolFixedTexts& fixed, int page, double textSize, double noteSize);
} // namespace protdef

struct ProtMarks {
    QString column;
    std::vector<std::pair<int, QStringList>> struck;
    bool item13 = false;         // follows the setting of marks in item 13
    // The second kind: value -> box of the Mark pieces of the column (struck empty).
    std::vector<std::pair<int, int>> boxes;
    QStringList otherwise;       // struck for any other value (and null)
    std::vector<std::pair<int, QStringList>> hidden;  // value -> data fields not printed
    QStringList hiddenOtherwise; // not printed for any other value (and null)
    // A text column: value (trimmed, any case) -> the names struck.
    std::vector<std::pair<QString, QStringList>> byText;
    QStringList empty;           // struck when the column holds nothing (no date)
};

struct ProtocolPrintLayout {
    int form = 3;                // the regulation: 0 of 1998, 1 of 2003, 2 of 2004, 3 of 2019
    QString pageTitle;           // the whole form's page header beside "Strona:"
    std::vector<ProtItem> items; // in printed order
    std::vector<ProtMarks> marks;
    // The page forms: the dataset each page reads (page n: pageDatasets[n - 1]).
    QStringList pageDatasets;
    // The whole form's datasets (its data source first); empty: the layout has no
    // whole form.
    QStringList wholeDatasets;
    double textSize = 8;         // points: fixed texts
    double dataSize = 9;         // points: data (the font size setting replaces it)
    double captionSize = 6;      // points: captions under rules and footnote marks
    // The document kind code of the forms (empty: "WypProt").
    QString kindCode;
    bool boldChoices = false;     // alternatives print bold
    bool pageFontSetting = false; // the page forms too take the font size setting
    // The whole form's page header: by default "Strona:", the page, pageTitle and
    // "Nr"; with titleHeader only pageTitle followed by the value of headerColumn,
    // right-aligned, on blank forms too (then without the value).
    bool titleHeader = false;
    QString headerColumn;
    // "Strona" and the page number at the foot of every page of the whole form, and
    // "Strona n" at the foot of page form n.
    bool pageFooter = false;
    // Page forms print each item and each table row in a band of its own, chained
    // (descriptions of rows stretch); the tables' columns.
    bool chainedPages = false;
    ProtTable table;
    // The whole form: the start height of its free texts (0: kTextHeight), "/ " and
    // the page count after the page number of its header, the least height of its
    // title band with data and on a blank form (0: as its lines need), and whether its
    // data take the font size setting.
    double textHeight = 0;
    bool pageTotal = false;
    double topHeight = 0;
    double topBlankHeight = 0;
    bool fontSetting = true;
    // Attachments drawn up with the document: the whole form's page header is the
    // attachment header ("Strona " n "/ " N and this line; none on blank forms).
    AttachmentLineFn attachmentLine;
};

// Geometry shared by the builder and the tests (units).
inline constexpr double kHeadingHeight = 18;  // a heading band of the whole form, at least
inline constexpr double kTextHeight = 18;     // a text band of the whole form, at start
inline constexpr double kPieceGap = 4;        // between pieces of a line
inline constexpr double kMarkBox = 11;        // the side of a Mark piece's box
inline constexpr double kFooterHeight = 16;   // the page footer of pageFooter
inline constexpr double kCellPad = 3;         // texts inside table cells and frames

// A form of a protocol layout: page 0 the whole form, 1.. a page form.
class ProtocolReport : public DocumentReport {
public:
    ProtocolReport(const QString& className, const ProtocolPrintLayout& layout, int page);
    QStringList datasets() const override;
    const ProtocolPrintLayout& layout() const { return m_layout; }
    int pageOfForm() const { return m_page; }

private:
    // Prints the lines from y in the band; returns the height they took.
    double addLines(Band& band, double y, const std::vector<ProtLine>& lines);
    double addLine(Band& band, double y, const ProtLine& line);
    void addMarkTables();
    void buildWhole();
    void buildPage();
    void addTitleHeader();
    void addPageFooter();
    FontSpec textFont(const ProtLine& line) const;
    FontSpec dataFont() const;
    FontSpec captionFont() const;
    // Frames and tables.
    double frameHeight(const ProtPiece& p) const;
    void addFrame(Band& band, double x, double y, double width, const ProtPiece& p);
    double addRow(Band& band, double y, const ProtRow& row, bool stretch);
    void buildChainedPage();
    // A column of the row's dataset (the form's own or another) as a text of the band.
    Element& dataText(Band& band, const QRectF& box, const QString& dataset, const QString& column,
                      const QString& format, const FontSpec& font);
    void noteDataset(const QString& dataset);

    ProtocolPrintLayout m_layout;
    int m_page = 0;
    QStringList m_otherDatasets;  // read by pieces of the form besides its own
};

// The layouts this build defines.
const ProtocolPrintLayout& protocolLayout2004();
const ProtocolPrintLayout& protocolLayout2019();
// The police protocol and record card of the accidents in service (PoliceForms.cpp).
const ProtocolPrintLayout& policeProtocolLayout();
const ProtocolPrintLayout& policeCardLayout();
// The hearing and inspection records attached to an officer's protocol.
const ProtocolPrintLayout& policeHearingLayout();
const ProtocolPrintLayout& policeInspectionLayout();

} // namespace zort::print
