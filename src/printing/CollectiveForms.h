#pragma once
// The printouts of the collective register of accidents: the full register of the
// accidents at work (A4 landscape, one record of several lines per injured person,
// the long texts stretching over pages), its short list (Letter portrait, printed
// also when empty), and the same two of the commuting accidents. All four are
// summary forms (SummaryReport); their headings follow the kinds of accidents listed.
#include "printing/SummaryReport.h"

#include <QDate>
#include <memory>

namespace zort {
class Dataset;
}

namespace zort::print {

inline const QString kCollectiveFullForm = QStringLiteral("TZestZbDrukFrm");
inline const QString kCollectiveShortForm = QStringLiteral("TqrZestRocz1Frm");
inline const QString kCommutingFullForm = QStringLiteral("TZestZbDrogaDrukFrm");
inline const QString kCommutingShortForm = QStringLiteral("TqrZestRoczDrogaFrm");

// What the headings of a collective printout say.
struct CollectiveTexts {
    QString from;           // the range as the date fields show it
    QString to;
    QString path;           // the structure path without its final " -> " (empty: all)
    bool recognised = true; // "uznane" (else "nie uznane")
    bool protocols = true;  // "Prot. powypadkowe"
    bool cards = true;      // "Karty wypadków"
    int count = 0;          // distinct accidents (work accidents only)
    QDate printed;          // the printing date of the administration window
};

// The headings of each form.
SummaryHeader collectiveFullHeader(const CollectiveTexts& t);
SummaryHeader collectiveShortHeader(const CollectiveTexts& t);
SummaryHeader commutingFullHeader(const CollectiveTexts& t);
SummaryHeader commutingShortHeader(const CollectiveTexts& t);
// The header of a collective form by its name.
SummaryHeader collectiveHeader(const QString& form, const CollectiveTexts& t);

// The document labels of the work-accident forms by the kind boxes: the one of the
// number column, the one of the dates column, and the short list's number heading.
QString numberLabel(bool protocols, bool cards);
QString datesLabel(bool protocols, bool cards);
QString shortNumberHeading(bool protocols, bool cards);
QString countLine(int count);

// The rows of a dataset (its calculated fields too) copied, for a printout that
// outlives the query.
std::shared_ptr<RowSource> rowsOf(const Dataset& ds);

} // namespace zort::print
