#pragma once
// The common layout of the summary printouts (statistics and collective summaries):
// a title band with the printing date, the title and the structure path (and, as a
// form asks, the kind of accidents listed and the line "Wykaz sporządzono :"), a
// table of columns whose period columns stand under their period's label, the rows
// of the summary (one line each, or records of several lines whose long texts
// stretch over pages), a closing row ("Razem"), an optional note (a count line), and
// the page footer "Strona " n "/ " N. A summary form is a list of columns; it prints
// the rows handed to it before each run (after setRun, which clears the data source).
#include "printing/DocumentReport.h"
#include "printing/engine/DataSource.h"

#include <QDate>
#include <QHash>
#include <memory>
#include <vector>

namespace zort::print {

struct SummaryColumn {
    QString heading;
    double width = 20;   // mm
    QString field;       // the column of the rows
    int period = -1;     // 0 or 1: under the label of that period
    Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter;
    bool wrap = false;   // long texts break into lines and the row grows with them
    // A cell of several lines (the values of the row one under another); replaces
    // the field, which then only names the cell.
    TextFn text;
};

// How a summary form is laid out besides its columns.
struct SummaryLayout {
    bool landscape = false;
    Paper paper = Paper::A4;
    QString totalCaption;       // the caption of the closing row; null: no closing row
    bool printedLine = true;    // "Wydrukowano : " and the date over the title
    bool kindLine = false;      // the kind of accidents on a line under the structure path
    bool madeLine = false;      // "Wykaz sporządzono :" and the date, the kind in the middle
    double headingHeight = 0;   // the row of the column headings, units (0: two lines)
    bool rowRule = false;       // rows and headings underlined instead of framed
    double rowPadding = 0;      // room under the last line of a row, units
    bool printIfEmpty = true;   // false: no rows, no pages (a blank form prints its headings)
};

// What the summary prints above and below its rows.
struct SummaryHeader {
    QDate printed;          // "Wydrukowano : "
    QString title;
    QString path;           // the structure path
    QString periods[2];     // the labels over the period columns
    QHash<QString, QString> totals;  // the closing row by field
    QString note;           // printed under the table when not empty
    QHash<QString, QString> headings;  // headings that differ from the form's, by field
    QStringList hidden;     // columns left out: the next column takes their room
    QString kind;           // the kind of accidents listed (kindLine, madeLine)
};

class SummaryReport : public DocumentReport {
public:
    QStringList datasets() const override { return {}; }

    // The rows and the texts of the next run, handed over after setRun (a blank form
    // prints no rows).
    void setContent(const SummaryHeader& header, std::shared_ptr<DataSource> rows);
    const SummaryHeader& header() const { return m_header; }
    const std::vector<SummaryColumn>& columns() const { return m_columns; }

    static QString printedText(const QDate& d);  // "Wydrukowano : dd.mm.yyyy"
    static QString noteEmployees();               // the note on missing employee counts

protected:
    SummaryReport(const QString& className, const QString& kindCode, bool landscape,
                  std::vector<SummaryColumn> columns, const QString& totalCaption = QString());
    SummaryReport(const QString& className, const QString& kindCode, const SummaryLayout& layout,
                  std::vector<SummaryColumn> columns);
    void onRun(bool& print) override;

private:
    std::vector<SummaryColumn> m_columns;
    SummaryHeader m_header;
    std::shared_ptr<DataSource> m_rows;
    SummaryLayout m_layout;
    Element* m_printed = nullptr;
    Element* m_kind = nullptr;
    Element* m_made = nullptr;
    Element* m_title = nullptr;
    Element* m_path = nullptr;
    Element* m_note = nullptr;
    struct Cells {
        Element* heading = nullptr;
        Element* cell = nullptr;
        Element* total = nullptr;  // none without a closing row
        std::vector<Element*> frames;
        std::vector<Element*> all() const {
            std::vector<Element*> out = frames;
            for (Element* e : {heading, cell, total})
                if (e) out.push_back(e);
            return out;
        }
    };
    std::vector<Cells> m_cells;  // per column
    std::vector<std::pair<int, Element*>> m_periodLabels;
};

} // namespace zort::print
