#pragma once
// The common layout of the summary printouts (statistics and collective summaries):
// a title band with the printing date, the title and the structure path, a table of
// columns whose period columns stand under their period's label, the rows the
// summary computed, a closing row ("Razem"), an optional note, and the page footer
// "Strona " n "/ " N. A summary form is a list of columns; it prints the rows handed
// to it before each run (after setRun, which clears the data source).
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
};

class SummaryReport : public DocumentReport {
public:
    QStringList datasets() const override { return {}; }

    // The rows and the texts of the next run, handed over after setRun (a blank form
    // prints no rows).
    void setContent(const SummaryHeader& header, std::shared_ptr<RowSource> rows);
    const SummaryHeader& header() const { return m_header; }
    const std::vector<SummaryColumn>& columns() const { return m_columns; }

    static QString printedText(const QDate& d);  // "Wydrukowano : dd.mm.yyyy"
    static QString noteEmployees();               // the note on missing employee counts

protected:
    SummaryReport(const QString& className, const QString& kindCode, bool landscape,
                  std::vector<SummaryColumn> columns, const QString& totalCaption = QString());
    void onRun(bool& print) override;

private:
    std::vector<SummaryColumn> m_columns;
    SummaryHeader m_header;
    std::shared_ptr<RowSource> m_rows;
    Element* m_printed = nullptr;
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
    QString m_totalCaption;
};

} // namespace zort::print
