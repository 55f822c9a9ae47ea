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

SummaryReport::SummaryReport(const QString& className, const QString& kindCode, bool landscape,
                             std::vector<SummaryColumn> columns, const QString& totalCaption)
    : DocumentReport(className, kindCode), m_columns(std::move(columns)), m_totalCaption(totalCaption) {
    if (landscape) page.orientation = Orientation::Landscape;
    const double width = page.contentWidth();

    Band& title = addBand(BandType::Title, mm(24));
    m_printed = &title.label(QRectF(0, 0, width, mm(5)), QString(), kSmallFont);
    m_printed->setAlign(Qt::AlignRight | Qt::AlignTop).setName(QStringLiteral("printed"));
    m_title = &title.label(QRectF(0, mm(5), width, mm(12)), QString(), kTitleFont);
    m_title->setAlign(Qt::AlignHCenter | Qt::AlignTop).setWrap().setName(QStringLiteral("title"));
    m_path = &title.label(QRectF(0, mm(17), width, mm(6)), QString(), kSmallFont);
    m_path->setAlign(Qt::AlignHCenter | Qt::AlignTop).setWrap().setName(QStringLiteral("path"));

    // The headings: the period labels over their columns, then a row of headings.
    Band& head = addBand(BandType::ColumnHeader, kGroupRow + kHeadRow);
    Band& detail = addBand(BandType::Detail, kRow);
    const bool closing = !totalCaption.isNull();
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
            Element& label = head.label(QRectF(x, 0, span, kGroupRow), QString(), kHeadFont);
            label.setAlign(Qt::AlignCenter).setFrame(FrameAll).setName(QStringLiteral("period%1").arg(c.period + 1));
            m_periodLabels.push_back({c.period, &label});
        }
        for (size_t k = i; k < end; ++k) {
            const SummaryColumn& col = m_columns[k];
            const double w = mm(col.width);
            const double top = col.period >= 0 ? kGroupRow : 0;
            Cells cells;
            // Each cell: its frame, and its text a little inside it.
            const auto cell = [&](Band& band, double y, double h, Element& text) -> Element& {
                Element& frame = band.rect(QRectF(x, y, w, h), 1);
                // Rows grow with their longest text; so do their frames.
                frame.fitBand = band.type() == BandType::Detail;
                cells.frames.push_back(&frame);
                text.box = QRectF(x + kInset, y, w - 2 * kInset, h);
                return text;
            };
            cells.heading = &cell(head, top, kGroupRow + kHeadRow - top,
                                  head.label(QRectF(), col.heading, kHeadFont)
                                      .setAlign(Qt::AlignCenter)
                                      .setWrap()
                                      .setName(QStringLiteral("heading:") + col.field));
            cells.cell = &cell(detail, 0, kRow,
                               detail.data(QRectF(), col.field, QString(), kCellFont).setAlign(col.align).setName(col.field));
            if (col.wrap) cells.cell->setStretch().setAlign(Qt::AlignLeft | Qt::AlignTop);
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

    Band& footer = addBand(BandType::PageFooter, mm(6));
    footer.pageNumber(QRectF(0, mm(1), width, mm(5)), QStringLiteral("Strona "), true, kSmallFont)
        .setAlign(Qt::AlignHCenter | Qt::AlignTop)
        .setName(QStringLiteral("pageNumber"));
}

void SummaryReport::setContent(const SummaryHeader& header, std::shared_ptr<RowSource> rows) {
    m_header = header;
    m_rows = std::move(rows);
    setDataSource(m_rows);
}

void SummaryReport::onRun(bool& print) {
    (void)print;
    // The texts of the headings stay on a blank form; the rows and totals do not.
    m_printed->text = printedText(m_header.printed);
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
            c.total->text = m_totalCaption;
            c.total->setAlign(Qt::AlignLeft | Qt::AlignVCenter);
            captioned = true;
        } else {
            c.total->text = m_header.totals.value(field);
        }
    }
    if (!blank()) m_note->text = m_header.note;
}

} // namespace zort::print
