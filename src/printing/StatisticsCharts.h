#pragma once
// The statistical charts: the distributions of age, seniority, hours, weekdays,
// months, training and sex, and the classifications of the card since 2004, drawn as
// bars of the two compared periods, category by category. A chart form is a summary
// form (the title band "Wydrukowano : ", title, structure path; the values under the
// chart as a table of the category and its two counts) whose title band is followed
// by the chart. The counts are those of the summary's own counting.
//
// A chart in the preview is saved as a word-processor document ("&Word"): its title,
// structure line, picture and values (chartDocument).
#include "printing/StatisticsForms.h"
#include "printing/engine/DocxWriter.h"

#include <QSizeF>
#include <memory>

class QChart;
class QGraphicsSimpleTextItem;

namespace zort {
class TDataModForm;
}

namespace zort::print {

struct DocumentPdfRequest;
class TfrmPodglad;

inline const QString kDistributionChartForm = QStringLiteral("TqrZestStatGrafFrm");
inline const QString kClassificationChartForm = QStringLiteral("TqrZestStat01GrafFrm");

// The summaries offered as charts: kinds 8 to 12, 14 and 15, every classification.
bool chartOffered(int kind, int classification);
// "Wiek pracowników, którzy ulegli wypadkom w roku : " ...; "Procesu pracy " alone.
QString chartTitlePrefix(int kind, int classification);
// The prefix, each period's year and name ("" for "cały rok") and " w :".
QString chartTitle(int kind, int classification, const statistics::Period periods[2]);

// What a chart draws: per category its text and the counts of both periods.
struct ChartCategory {
    QString text;        // the category (" Marzec"); on a numbered chart "n. [code] name"
    int count[2] = {0, 0};
};
struct ChartData {
    QString periods[2];  // the names of the two bar sets ("2025", "2026 I kwartał")
    std::vector<ChartCategory> categories;
    bool numbered = false;  // classifications: numbers under the axis, the names in the values
};
// The categories of the summary's rows; the months chart names its points as the
// chart always did (" Marzec", " Pażdziernik").
ChartData chartData(const statistics::DistributionResult& d, const statistics::Period periods[2], bool numbered,
                    int kind = -1);

// Fills a chart (its earlier series and axes removed first) for a chart area of the
// given size in report units.
void fillStatisticsChart(QChart& chart, const ChartData& data, const QSizeF& area);
// The numbers a numbered chart prints under its groups.
QList<QGraphicsSimpleTextItem*> groupNumbers(const QChart& chart);
// The step of the value axis: 1, 2, 5, 10, 20, 50 ... the smallest whose labels up to
// `top` do not overlap on an axis of `length` with labels `labelHeight` high.
int valueAxisStep(int top, double length, double labelHeight);

// What "&Word" saves: the chart of one preview.
struct ChartExport {
    QString title;
    QString path;
    QStringList rows;                         // the values, one line per category
    std::shared_ptr<const QImage> picture;    // the chart as printed (taken from the pages)
};
// The document: title and structure line 10 pt "Arial" bold centred, an empty
// paragraph 12 pt, the picture centred at the text width, the values 8 pt "Arial";
// A4 landscape, top and bottom margins 15 pt, sides 2.5 cm.
WordDocument chartDocument(const ChartExport& e);
// The picture of a chart in prepared pages (the first image), or nullptr.
std::shared_ptr<const QImage> chartPicture(const PagesPtr& pages);

class StatisticsChartForm : public SummaryReport {
public:
    StatisticsChartForm(const QString& name, const QString& kind, bool numbered);

    // The content of the next run, from a computed summary (a blank form: no bars).
    void fill(const statistics::SummaryResult& result, const statistics::SummaryRequest& request,
              const QString& path, const QDate& printed, bool blank);
    const ChartData& chart() const { return m_chart; }
    // The chart's export without its picture (the preview adds its own).
    std::shared_ptr<ChartExport> chartExport() const;
    QSizeF chartArea() const { return m_area; }

private:
    ChartData m_chart;
    QSizeF m_area;
};

// "&Word" of the preview: the save dialog, the document written, then opened.
void exportChartToWord(TfrmPodglad& preview);
QString wordFilter();  // "Dokument MS Word|*.DOCX"

// `zortdb word`: the chart form prepared as `zortdb pdf` prepares it, its document
// written under the name given. Throws Error.
void saveChartWord(TDataModForm& dm, const DocumentPdfRequest& request, const QString& file);

} // namespace zort::print
