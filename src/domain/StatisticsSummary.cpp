#include "domain/StatisticsSummary.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "domain/CodeTree.h"
#include "domain/Dictionaries.h"
#include "domain/OrgStructure.h"

namespace zort::statistics {

QString loadingText()
{
    return QStringLiteral("Wczytywanie danych ...");
}

QString analysingText()
{
    return QStringLiteral("Analiza danych ...");
}

namespace {

// The stored columns a distribution needs; the derived ones come from the date or
// the birth date.
QStringList storedColumns(const Distribution& d)
{
    QStringList out;
    for (const QString& column : d.columns) {
        if (column == QLatin1String("@WIEK"))
            out << QStringLiteral("DATAUR");
        else if (!column.startsWith(QLatin1Char('@')))
            out << column;
    }
    return out;
}

}  // namespace

SummaryResult summaryHeadings(Connection& c, const SummaryRequest& r)
{
    SummaryResult result;
    if (r.classification >= 0) {
        const ClassificationItem& item = classificationItems().at(size_t(r.classification));
        result.title = item.name;
        result.heading = item.heading;
        return result;
    }
    switch (r.kind) {
    case 0:
        result.title = QStringLiteral("Wypadki ");
        break;
    case 13:
        result.title = QStringLiteral("Zmiany na których zaistniały wypadki w ");
        break;
    case 16:
        result.title = QStringLiteral("Wypadki na stanowisku w ");
        result.heading = QStringLiteral("Nazwa stanowiska");
        break;
    default: {
        const auto d = distribution(c, r.kind);
        if (!d)
            throw DbError(QStringLiteral("Nieznany rodzaj zestawienia: %1").arg(r.kind));
        result.title = d->title;
        result.heading = d->heading;
    }
    }
    return result;
}

SummaryResult computeSummary(Connection& c, const OrgStructure& s, const SummaryRequest& r,
                             const Progress& progress)
{
    SummaryResult result;
    CountRequest request = r.count;
    request.positions = positionIds(s.PositionsOf(r.element));
    PositionFilter filter(c, request.positions);
    std::vector<CountedPerson> persons[2];
    auto read = [&](const QStringList& columns) {
        for (int p = 0; p < 2; ++p) {
            if (progress)
                progress(analysingText(), p, 2);
            persons[p] = readCountedPersons(c, request, filter, r.periods[p], columns);
        }
        if (progress)
            progress(analysingText(), 2, 2);
    };

    if (r.classification >= 0) {
        const ClassificationItem& item = classificationItems().at(size_t(r.classification));
        result = summaryHeadings(c, r);
        CodeTreeLoader loader(c);
        // The occupation classification in use; the oldest list has no levels, the first
        // of the card's editions stands for it.
        const QString table = item.table.isEmpty()
                                  ? occupationTable(r.occupationEdition >= 1 ? r.occupationEdition : 1)
                                  : item.table;
        const bool levels = item.table.isEmpty() || (r.groups && !item.flat);
        const int total = levels ? loader.count(table) : 0;
        int done = 0;
        auto step = [&] {
            if (progress)
                progress(loadingText(), ++done, total);
        };
        CodeTree tree;
        if (item.table.isEmpty())
            tree = levelOf(loader.loadOccupations(table, step), 4);
        else if (r.groups && !item.flat)
            tree = loader.loadCodeTable(table, step);
        else
            tree = readFlatClassification(c, table);
        read(item.columns);
        result.distribution = countClassification(tree, r.groups && !item.flat && !item.table.isEmpty(),
                                                   item.columns, persons);
        return result;
    }

    switch (r.kind) {
    case 0: {
        result = summaryHeadings(c, r);
        const auto elements = childRows(c, s, r.element, r.periods, r.byCode);
        read({QStringLiteral("IDSTANOW"), QStringLiteral("DNINIEZDR"), QStringLiteral("DNINIEZD")});
        result.accidents = countAccidents(elements, persons, r.employees);
        return result;
    }
    case 13:
        result = summaryHeadings(c, r);
        read({QStringLiteral("SKWWYPADKI.DATA")});
        result.shifts = countShifts(r.shifts, persons);
        return result;
    case 16: {
        result = summaryHeadings(c, r);
        const auto positions = positionRows(c, s, r.element, r.periods, r.byCode);
        read({QStringLiteral("IDSTANOW")});
        result.distribution = countPositions(positions, persons);
        return result;
    }
    default: {
        result = summaryHeadings(c, r);
        const auto d = distribution(c, r.kind);
        read(storedColumns(*d));
        result.distribution = countDistribution(*d, r.periods, persons);
        return result;
    }
    }
}

}  // namespace zort::statistics
