#include "printing/SummaryReport.h"

namespace zort::print {
namespace {

const FontSpec kTitleFont(QStringLiteral("Arial"), 12, true);
const FontSpec kHeadFont(QStringLiteral("Arial"), 8, true);
const FontSpec kCellFont(QStringLiteral("Arial"), 8);
const FontSpec kSmallFont(QStringLiteral("Arial"), 8);
constexpr double kRow = 18;       // a table row, units
constexpr double kGroupRow = 18;  // the row of the period labels
constexpr double kHeadRow = 34;   // the row of the column headings (two lines)
constexpr double kInset = 3;      // text inside its cell's frame

} // namespace

QString SummaryReport::printedText(const QDate& d) {
    return QStringLiteral("Wydrukowano : ") + (d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString());
}

QString SummaryReport::noteEmployees() { return QStringLiteral("Uwaga: Symbol '*' oznacza brak danych o zatrudnieniu."); }

namespace {

SummaryLayout layoutOf(bool landscape, const QString& totalCaption) {
    SummaryLayout l;
    l.landscape = landscape;
    l.totalCaption = totalCaption;
    return l;
}

} // namespace

SummaryReport::SummaryReport(const QString& className, const QString& kindCode, bool landscape,
                             std::vector<SummaryColumn> columns, const QString& totalCaption)
    : SummaryReport(className, kindCode, layoutOf(landscape, totalCaption), std::move(columns)) {}

SummaryReport::SummaryReport(const QString& className, const QString& kindCode, const SummaryLayout& layout,
                             std::vector<SummaryColumn> columns)
    : DocumentReport(className, kindCode), m_columns(std::move(columns)), m_layout(layout) {
    page.paper = layout.paper;
    if (layout.landscape) page.orientation = Orientation::Landscape;
    const double width = page.contentWidth();

    // The title band, line under line.
    Band& title = addBand(BandType::Title, 0);
    double y = 0;
    if (layout.printedLine) {
        m_printed = &title.label(QRectF(0, y, width, mm(5)), QString(), kSmallFont);
        m_printed->setAlign(Qt::AlignRight | Qt::AlignTop).setName(QStringLiteral("printed"));
        y += mm(5);
    }
    m_title = &title.label(QRectF(0, y, width, mm(12)), QString(), kTitleFont);
    m_title->setAlign(Qt::AlignHCenter | Qt::AlignTop).setWrap().setName(QStringLiteral("title"));
    y += mm(12);
    m_path = &title.label(QRectF(0, y, width, mm(6)), QString(), kSmallFont);
    m_path->setAlign(Qt::AlignHCenter | Qt::AlignTop).setWrap().setName(QStringLiteral("path"));
    y += mm(6);
    if (layout.kindLine || layout.madeLine) {
        if (layout.madeLine) {
            Element& made = title.label(0, y, QStringLiteral("Wykaz sporządzono :"), kSmallFont);
            made.setName(QStringLiteral("madeCaption"));
            m_made = &title.label(made.box.right() + mm(2), y, QString(), kSmallFont);
            m_made->setName(QStringLiteral("made"));
        }
        m_kind = &title.label(QRectF(0, y, width, mm(5)), QString(), kHeadFont);
        m_kind->setAlign(Qt::AlignHCenter | Qt::AlignTop).setName(QStringLiteral("kind"));
        y += mm(6);
    }
    title.height = y + mm(1);

    // The headings: the period labels over their columns, then a row of headings.
    bool periods = false;
    for (const SummaryColumn& c : m_columns) periods = periods || c.period >= 0;
    const double groupRow = periods ? kGroupRow : 0;
    const double headRow = layout.headingHeight > 0 ? layout.headingHeight : kHeadRow;
    const int cellFrame = layout.rowRule ? int(FrameBottom) : int(FrameAll);
    Band& head = addBand(BandType::ColumnHeader, groupRow + headRow);
    Band& detail = addBand(BandType::Detail, kRow);
    // Rows of several lines keep some room under their last line: the rules under a
    // row are drawn by a thin band that follows it.
    const double padding = layout.rowPadding;
    Band* under = padding > 0 ? &detail.child(padding) : nullptr;
    const int rowFrame = !under ? cellFrame : layout.rowRule ? int(NoFrame) : int(FrameLeft | FrameRight | FrameTop);
    const int underFrame = layout.rowRule ? int(FrameBottom) : int(FrameLeft | FrameRight | FrameBottom);
    const bool closing = !layout.totalCaption.isNull();
    Band& summary = addBand(BandType::Summary, (closing ? kRow : 0) + mm(8));
    const double noteTop = closing ? kRow + mm(2) : mm(2);
    double x = 0;
    for (size_t i = 0; i < m_columns.size();) {
        const SummaryColumn& c = m_columns[i];
        // A run of columns of one period shares its label.
        size_t end = i + 1;
        if (c.period >= 0)
            while (end < m_columns.size() && m_columns[end].period == c.period) ++end;
        double span = 0;
        for (size_t k = i; k < end; ++k) span += mm(m_columns[k].width);
        if (c.period >= 0) {
            Element& label = head.label(QRectF(x, 0, span, groupRow), QString(), kHeadFont);
            label.setAlign(Qt::AlignCenter).setFrame(FrameAll).setName(QStringLiteral("period%1").arg(c.period + 1));
            m_periodLabels.push_back({c.period, &label});
        }
        for (size_t k = i; k < end; ++k) {
            const SummaryColumn& col = m_columns[k];
            const double w = mm(col.width);
            const double top = col.period >= 0 ? groupRow : 0;
            Cells cells;
            // Each cell: its frame, and its text a little inside it.
            const auto cell = [&](Band& band, double y, double h, Element& text) -> Element& {
                Element& frame = band.rect(QRectF(x, y, w, h), 1);
                frame.frame = band.type() == BandType::Detail ? rowFrame : cellFrame;
                if (frame.frame == NoFrame) frame.enabled = false;
                // Rows grow with their longest text; so do their frames.
                frame.fitBand = band.type() == BandType::Detail;
                cells.frames.push_back(&frame);
                text.box = QRectF(x + kInset, y, w - 2 * kInset, h);
                return text;
            };
            cells.heading = &cell(head, top, groupRow + headRow - top,
                                  head.label(QRectF(), col.heading, kHeadFont)
                                      .setAlign(Qt::AlignCenter)
                                      .setWrap()
                                      .setName(QStringLiteral("heading:") + col.field));
            Element& value = col.text ? detail.text(QRectF(), col.text, kCellFont)
                                      : detail.data(QRectF(), col.field, QString(), kCellFont);
            cells.cell = &cell(detail, 0, kRow, value.setAlign(col.align).setName(col.field));
            if (col.wrap) cells.cell->setStretch().setAlign(Qt::AlignLeft | Qt::AlignTop);
            if (under) {
                Element& rule = under->rect(QRectF(x, 0, w, padding), 1);
                rule.frame = underFrame;
                rule.fitBand = true;
                cells.frames.push_back(&rule);
            }
            if (closing) {
                cells.total = &cell(summary, 0, kRow,
                                    summary.label(QRectF(), QString(), kHeadFont)
                                        .setAlign(col.align)
                                        .setName(QStringLiteral("total:") + col.field));
            }
            m_cells.push_back(cells);
            x += w;
        }
        i = end;
    }
    m_note = &summary.label(QRectF(0, noteTop, width, mm(5)), QString(), kSmallFont);
    m_note->setName(QStringLiteral("note"));
    // Without rows handed over (a blank form) the table has no rows.
    detail.beforePrint = [this](Band&, bool& print) { print = dataSource() != nullptr; };
    if (under) under->beforePrint = detail.beforePrint;

    Band& footer = addBand(BandType::PageFooter, mm(6));
    footer.pageNumber(QRectF(0, mm(1), width, mm(5)), QStringLiteral("Strona "), true, kSmallFont)
        .setAlign(Qt::AlignHCenter | Qt::AlignTop)
        .setName(QStringLiteral("pageNumber"));
}

void SummaryReport::setContent(const SummaryHeader& header, std::shared_ptr<DataSource> rows) {
    m_header = header;
    m_rows = std::move(rows);
    setDataSource(m_rows);
}

void SummaryReport::onRun(bool& print) {
    (void)print;
    // A blank form prints its headings even when a form without rows prints nothing.
    printIfEmpty = m_layout.printIfEmpty || blank();
    // The texts of the headings stay on a blank form; the rows and totals do not.
    if (m_printed) m_printed->text = printedText(m_header.printed);
    if (m_made) m_made->text = m_header.printed.isValid() ? m_header.printed.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    if (m_kind) m_kind->text = m_header.kind;
    m_title->text = m_header.title;
    m_path->text = m_header.path;
    for (auto& [period, label] : m_periodLabels) label->text = m_header.periods[period];
    // Columns left out give their room to the next one; the closing caption goes to
    // the first column printed.
    bool captioned = false;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Cells& c = m_cells[i];
        const QString& field = m_columns[i].field;
        if (m_header.headings.contains(field)) c.heading->text = m_header.headings.value(field);
        if (m_header.hidden.contains(field) && i + 1 < m_columns.size()) {
            for (Element* e : c.all())
                e->enabled = false;
            const double width = mm(m_columns[i].width);
            for (Element* e : m_cells[i + 1].all())
                e->box.setLeft(e->box.left() - width);
            continue;
        }
        if (!c.total || blank()) continue;
        if (!captioned) {
            c.total->text = m_layout.totalCaption;
            c.total->setAlign(Qt::AlignLeft | Qt::AlignVCenter);
            captioned = true;
        } else {
            c.total->text = m_header.totals.value(field);
        }
    }
    if (!blank()) m_note->text = m_header.note;
}

} // namespace zort::print
