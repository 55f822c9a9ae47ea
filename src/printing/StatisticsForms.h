#pragma once
// The printouts of the statistics tab: "Wypadki " per structure element, the
// distributions, the work shifts, the accidents per position and the classifications
// of the statistical card, each comparing two periods.
#include "domain/StatisticsSummary.h"
#include "printing/SummaryReport.h"

#include <QDate>

namespace zort::print {

// The form names of the summaries.
inline const QString kAccidentsForm = QStringLiteral("TqrWypWydzFrm");
inline const QString kDistributionForm = QStringLiteral("TqrZestStatFrm");
inline const QString kShiftsForm = QStringLiteral("TqrZmianyFrm");
inline const QString kPositionsForm = QStringLiteral("TqrZestWypFrm");
inline const QString kClassificationForm = QStringLiteral("TqrZestStat01Frm");

// The form of a summary: its kind (0 .. 16) or a classification item (>= 0).
// With `chart` (a summary offered as a chart, the option checked) its chart form.
QString statisticsFormName(int kind, int classification, bool chart = false);
// The document kind code the preview receives.
QString statisticsKindCode(int kind, int classification, bool chart = false);

// The title of a summary: a title ending in "w " goes on with both periods.
QString statisticsTitle(const QString& title, const statistics::Period periods[2]);

// The texts and rows of a computed summary for its form (a blank form: no rows).
struct StatisticsContent {
    SummaryHeader header;
    std::shared_ptr<RowSource> rows;
};
StatisticsContent statisticsContent(const statistics::SummaryResult& result,
                                    const statistics::SummaryRequest& request, const QString& path,
                                    const QDate& printed, bool blank = false);

} // namespace zort::print
