#pragma once
// The banded report engine on which every printout of the program stands.
//
// A report form is a Report with bands; each band holds elements placed in report
// units (1/96 inch, see PageGeometry.h: mm() and pt() convert). Preparing a report
// walks its data source and lays the bands out into pages; each prepared page is a
// display list (DisplayList.h) that the preview, the printer, page images and the
// exporters draw.
//
// Writing a form (typically a class deriving from Report, built in its constructor):
//
//     class TRejWypRep1Form_1 : public Report {
//     public:
//         TRejWypRep1Form_1() : Report(QStringLiteral("TRejWypRep1Form_1")) {
//             Band& head = addBand(BandType::PageHeader, mm(8));
//             head.pageNumber({mm(160), 0, mm(30), mm(5)}, QStringLiteral("Strona: "));
//             Band& top = addBand(BandType::Title, mm(60));
//             top.label(mm(60), 0, QStringLiteral("KARTA REJESTRACJI WYPADKU"), {"Arial", 14, true});
//             top.data({mm(30), mm(10), mm(60), mm(5)}, QStringLiteral("IMIE"));
//             top.data({mm(90), mm(10), mm(30), mm(5)}, QStringLiteral("DATAUR"), QStringLiteral("dd.mm.yyyy"));
//             Element& ind = top.label(mm(40), mm(30), QStringLiteral("indywidualny"));
//             Element& zb = top.label(mm(70), mm(30), QStringLiteral("zbiorowy,"));
//             Element& sInd = top.strike(ind);
//             Element& sZb = top.strike(zb);
//             Band& circ = top.child(38);                        // follows the title band
//             circ.label(0, 0, QStringLiteral("8.    Ustalono następujące okoliczności wypadku:"));
//             circ.memo({mm(5), 16, mm(180), 20}, QStringLiteral("OKOLICZNOSCI"));  // stretches
//             beforePrint = [this, &sInd, &sZb](Report&, bool&) {
//                 const int wypiz = context().field("WYPIZ").asInt();
//                 sZb.mark(!m_blank && wypiz == 0);
//                 sInd.mark(!m_blank && wypiz == 1);
//                 if (m_blank) setDataFieldsEnabled(false);
//             };
//         }
//         bool m_blank = false;
//     };
//
// Rules the engine keeps:
//  - Reuse: a form is built once and prepared many times. At the start of every run
//    each band and element returns to the state it had when the form was first
//    prepared (its design): marks, widths, hidden bands, texts, fonts and heights
//    set by events never carry over. Apply run-time settings in the events (the
//    report's beforePrint runs first, after the reset); keep the form's own
//    parameters (blank form, chosen font size) in members of the form.
//  - Order of a run: the data source goes to its first row, the report's
//    beforePrint runs (it may cancel the run), then the pages are laid out.
//    Each page starts with the page header, then (first page only) the title,
//    then the column header; the detail band prints once per data row (or once
//    without a data source), each band followed by its chain of child bands; the
//    summary follows the last row; the page footer is printed at the foot of
//    every page (its height is kept free). A band's beforePrint may refuse the
//    band; then each element's beforePrint runs before the element is laid out.
//  - Stretching: a stretching element (memo(), stretch()) grows with its text; its
//    band grows to hold it; a band with stretching text that does not fit the rest
//    of the page is split between lines and continues on the next page (after the
//    page header); other bands move whole to the next page. Elements below a
//    stretching element do not move: put what follows into a child band.
//    Non-stretching texts are cut at their box.
//  - Page counts: when any text asks the context for the page count (pages()),
//    the report is prepared a second time with the count known ("Strona n / N").
//    Pages are numbered per report, also inside a composite report.
//  - Text is measured on one reference device (PageGeometry.h), so line breaks and
//    page counts do not depend on where the pages are drawn.
//
// Recipes:
//  - Data: setDataSource(std::make_shared<DatasetSource>(dataset)) for a query of
//    the data module (calculated fields included), RowSource or FunctionSource for
//    rows the program computes. data() prints a column with a display format
//    (DisplayFormat.h), memo() a stretching column, text() a computed text.
//  - Blank forms: in beforePrint call setDataFieldsEnabled(false), hide bands
//    (band.enabled = false) and give free-text sections fixed room
//    (band.height = 162; element.stretch = false; element.box.setHeight(...)).
//  - Font size setting: setDataFontSize(size) in beforePrint.
//  - Headings of free texts: heading.keepWithNext = true moves the heading to the
//    next page when it and its text band's starting height do not fit.
//  - Rules as high as a row's longest text: Element::lineCount() in the band's
//    beforePrint, or fitBand = true for rules that take the band's height.
//  - Charts: chart(box, fill) gets a fresh QChart on every print; images: image().
//  - Several forms as one printout: CompositeReport whose onAddReports adds the
//    chosen forms; preview with TfrmPodglad::request() filled (Podglad.h).
//  - Tests: prepare() returns the pages; Page::texts(), findText() and the items
//    (positions in units) show what was printed.
#include "printing/engine/DataSource.h"
#include "printing/engine/DisplayList.h"
#include "printing/engine/PageGeometry.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QChart;
class QPrinter;
class QWidget;

namespace zort::print {

class Band;
class Element;
class Report;

enum class BandType { Title, PageHeader, ColumnHeader, Detail, Summary, PageFooter, Child };

// What events and computed texts see while a report is being prepared.
class PrintContext {
public:
    // A column of the data source's current row; null without a data source.
    Field field(const QString& name) const;
    // The column formatted with a display format (DisplayFormat.h).
    QString text(const QString& name, const QString& format = QString()) const;
    int page() const { return m_page; }          // page number within the report
    int pages() const;                           // page count (asks for a second pass)
    int record() const { return m_record; }      // 1-based number of the detail row
    bool counting() const { return m_counting; } // true in a pass whose count is not known
    Report& report() const { return *m_report; }
    DataSource* source() const { return m_source; }

private:
    friend class Report;
    friend class ReportRun;
    Report* m_report = nullptr;
    DataSource* m_source = nullptr;
    int m_page = 0;
    int m_pages = 0;
    int m_record = 0;
    bool m_counting = false;
    mutable bool m_pagesAsked = false;
};

using TextFn = std::function<QString(const PrintContext&)>;
using ElementEvent = std::function<void(Element&, const PrintContext&)>;
using BandEvent = std::function<void(Band&, bool& print)>;
using ReportEvent = std::function<void(Report&, bool& print)>;
using ChartFn = std::function<void(QChart&, const PrintContext&)>;

enum class ElementKind { Label, DataText, RichText, HorzLine, VertLine, Rectangle, Image, Chart };

// Frame sides drawn around a text element's box.
enum Frame { NoFrame = 0, FrameTop = 1, FrameBottom = 2, FrameLeft = 4, FrameRight = 8, FrameAll = 15 };

// The properties of an element: what events may change at run time (and what the
// engine resets to the design at the start of every run).
struct ElementProps {
    ElementKind kind = ElementKind::Label;
    QString name;                 // for find() and tests
    QRectF box;                   // position in the band, units
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool enabled = true;          // false prints nothing (blank forms)
    bool autoSize = false;        // labels: the box is as wide as the text
    bool wordWrap = false;        // break lines at the box's width
    bool stretch = false;         // grow with the text and split over pages
    QString text;                 // label text, rich text (HTML), prefix of data text
    QString field;                // data column of DataText
    QString format;               // display format of DataText
    TextFn expr;                  // computed text (replaces the column)
    int frame = NoFrame;          // frame sides around text boxes
    double penWidth = 1;          // lines, rectangles and frames; units
    QColor penColor = Qt::black;
    QColor fill = Qt::transparent;
    bool fitBand = false;         // vertical lines and rectangles take the band's height
    std::shared_ptr<const QImage> image;
    bool keepAspect = true;
    ChartFn chart;
    Element* strikeTarget = nullptr; // strike line: the label it covers
    ElementEvent beforePrint;
};

// One element of a band: a label, a data-bound or computed text, rich text, a
// line, a rectangle, an image or a chart. The setters return the element so that
// forms can chain them.
class Element : public ElementProps {
public:
    Band& band() const { return *m_band; }

    Element& setName(const QString& n) { name = n; return *this; }
    Element& setFont(const FontSpec& f) { font = f; return *this; }
    Element& setFontSize(double s) { font.size = s; return *this; }
    Element& setBold(bool b = true) { font.bold = b; return *this; }
    Element& setAlign(Qt::Alignment a) { alignment = a; return *this; }
    Element& setText(const QString& t) { text = t; return *this; }
    Element& setFormat(const QString& f) { format = f; return *this; }
    Element& setWrap(bool w = true) { wordWrap = w; return *this; }
    Element& setStretch(bool s = true) { stretch = s; wordWrap = wordWrap || s; return *this; }
    Element& setFrame(int sides) { frame = sides; return *this; }
    Element& setPen(double width, const QColor& color = Qt::black) { penWidth = width; penColor = color; return *this; }
    Element& setFill(const QColor& c) { fill = c; return *this; }
    Element& setEnabled(bool e) { enabled = e; return *this; }
    Element& setWidth(double w) { box.setWidth(w); return *this; }
    Element& setHeight(double h) { box.setHeight(h); return *this; }
    Element& onPrint(ElementEvent e) { beforePrint = std::move(e); return *this; }

    bool isDataBound() const { return kind == ElementKind::DataText; }
    bool isText() const { return kind == ElementKind::Label || kind == ElementKind::DataText || kind == ElementKind::RichText; }
    // A strike line: covers its label's text (on) or is left out (off).
    void mark(bool on);
    // The width of a text in this element's font, units.
    double textWidth(const QString& t) const;
    // The lines a text takes when broken at this element's width (at least 1), e.g.
    // to size the rules of a table row by its longest text.
    int lineCount(const QString& t) const;

private:
    friend class Band;
    friend class Report;
    Band* m_band = nullptr;
    ElementProps m_design;
    bool m_captured = false;
};

struct BandProps {
    double height = 0;
    bool enabled = true;          // false: the band is not printed
    bool forceNewPage = false;    // start a new page before the band
    bool keepWithNext = false;    // start a new page when the band and its child's
                                  // height (at the start) do not fit the page's rest
    BandEvent beforePrint;
};

// A band: a horizontal strip of a page with its elements. Builders place elements
// by their box (x, y, width, height in units from the band's top left; bands
// start at the left margin of the page).
class Band : public BandProps {
public:
    BandType type() const { return m_type; }
    Report& report() const { return *m_report; }
    const std::vector<std::unique_ptr<Element>>& elements() const { return m_elements; }

    // A fixed text; without width it is as wide as its text (one line).
    Element& label(double x, double y, const QString& text, const FontSpec& font = FontSpec());
    Element& label(const QRectF& box, const QString& text, const FontSpec& font = FontSpec());
    // A column of the data row, formatted; cut at its box.
    Element& data(const QRectF& box, const QString& field, const QString& format = QString(),
                  const FontSpec& font = FontSpec());
    // A column word-wrapped in a box that stretches with it (memo columns).
    Element& memo(const QRectF& box, const QString& field, const FontSpec& font = FontSpec());
    // A text computed per print (counted as data-bound: blank forms switch it off).
    Element& text(const QRectF& box, TextFn fn, const FontSpec& font = FontSpec());
    // Rich text (HTML), fixed or computed; word-wrapped, stretching when asked.
    Element& rich(const QRectF& box, const QString& html, const FontSpec& font = FontSpec());
    Element& rich(const QRectF& box, TextFn html, const FontSpec& font = FontSpec());
    // "prefix" + page number (with withCount: + "/ " + page count).
    Element& pageNumber(const QRectF& box, const QString& prefix, bool withCount = false,
                        const FontSpec& font = FontSpec());
    // Lines: horizontal from (x, y) with the width; vertical from (x, y) down.
    Element& hline(double x, double y, double width, double pen = 1);
    Element& vline(double x, double y, double height, double pen = 1);
    Element& rect(const QRectF& box, double pen = 1);
    // A strike mark over a label: a line through the middle of its first line that
    // stays unmarked (width 0) until mark(true).
    Element& strike(Element& label, double pen = 1);
    Element& image(const QRectF& box, const QImage& img, bool keepAspect = true);
    // A chart drawn by Qt Charts: the function fills a fresh chart on every print.
    Element& chart(const QRectF& box, ChartFn fill);

    // The band printed right after this one (created on first call).
    Band& child(double height = -1);
    Band* childBand() const { return m_child.get(); }
    Element* find(const QString& name) const;

private:
    friend class Report;
    friend class ReportRun;
    Element& add(ElementKind kind, const QRectF& box, const FontSpec& font);
    BandType m_type = BandType::Detail;
    Report* m_report = nullptr;
    std::vector<std::unique_ptr<Element>> m_elements;
    std::unique_ptr<Band> m_child;
    BandProps m_design;
    bool m_captured = false;
};

// What can be prepared into pages, previewed and printed: a report or a composite
// report.
class Printable {
public:
    virtual ~Printable();
    // Lays the pages out anew.
    virtual PagesPtr prepare() = 0;
    // The pages of the last preparation (nullptr after freePages()).
    PagesPtr pages() const { return m_pages; }
    int pageCount() const { return m_pages ? m_pages->pageCount() : 0; }
    void freePages() { m_pages.reset(); }

    // Prepares and hands the pages to the registered preview (PreviewInterface).
    QWidget* preview();
    // The same, modally: returns when the preview is closed (with nullptr).
    QWidget* previewModal();
    // Prepares and prints on the printer; false when the printer failed.
    bool print(QPrinter& printer);
    // The printer set-up of this object (kept between printings).
    QPrinter& printer();

protected:
    PagesPtr m_pages;

private:
    std::shared_ptr<QPrinter> m_printer;
};

// A report form. Its own fields (paper, margins, data source, printIfEmpty) are the
// caller's and are not reset between runs.
class Report : public Printable {
public:
    explicit Report(const QString& name = QString());
    virtual ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    QString name;
    PageSetup page;
    // An empty data source still prints the title, headers, summary and footer
    // (false: the report gives no pages at all).
    bool printIfEmpty = true;
    ReportEvent beforePrint;
    std::function<void(Report&)> afterPrint;

    // The band of a type (one each; Detail may exist once); created on first call.
    Band& addBand(BandType type, double height);
    Band* band(BandType type) const;
    void setDataSource(DataSource* source) { m_source = source; }
    void setDataSource(std::shared_ptr<DataSource> source) { m_owned = std::move(source); m_source = m_owned.get(); }
    DataSource* dataSource() const { return m_source; }

    // Lays the report out into pages (twice when the page count is asked for).
    PagesPtr prepare() override;

    // The context of the run in progress.
    const PrintContext& context() const { return m_ctx; }

    // Helpers for the common rules of the forms.
    void forEachElement(const std::function<void(Element&)>& fn);
    // Switches every data-bound text on or off (blank forms).
    void setDataFieldsEnabled(bool enabled);
    // Sets the size of every data-bound text whose font is larger than `above`.
    void setDataFontSize(double size, double above = 7);
    Element* find(const QString& name) const;

private:
    friend class ReportRun;
    void restoreDesign();
    PagesPtr run(int knownPages, bool counting);
    std::vector<std::unique_ptr<Band>> m_bands;
    DataSource* m_source = nullptr;
    std::shared_ptr<DataSource> m_owned;
    PrintContext m_ctx;
};

// Several reports printed as one: the list is collected anew on every prepare by
// onAddReports (or kept as added). Each report numbers its own pages.
class CompositeReport : public Printable {
public:
    std::function<void(CompositeReport&)> onAddReports;
    PageSetup page;   // printer set-up of the whole

    void add(Report& report) { m_reports.push_back(&report); }
    void clear() { m_reports.clear(); }
    const std::vector<Report*>& reports() const { return m_reports; }

    PagesPtr prepare() override;

private:
    std::vector<Report*> m_reports;
};

// Where previews go: the program registers its preview window; without one the
// engine's default (the program's preview window) is used.
class PreviewInterface {
public:
    virtual ~PreviewInterface() = default;
    virtual QWidget* show(PagesPtr pages) = 0;
    virtual QWidget* showModal(PagesPtr pages) = 0;
};
void setPreviewInterface(PreviewInterface* preview);
PreviewInterface* previewInterface();

} // namespace zort::print
