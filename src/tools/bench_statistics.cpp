// zortbench statistics: summaries of two whole years (10 x 2,000 accidents a year in
// the register's generated database) for the firm, whose 600 positions go through a
// table, and for a unit of 200 positions, whose positions go into an IN list. Each
// summary's counting is printed beside the bare grouped count of the same join and
// conditions, and then with the two layout passes of its form (the second knows the
// page count).
#include "db/DatabaseBuilder.h"
#include "domain/OrgStructure.h"
#include "domain/StatisticsSummary.h"
#include "printing/ReportForms.h"
#include "printing/StatisticsForms.h"
#include "tools/Bench.h"

#include <QTemporaryDir>
#include <cstdio>

namespace zort::bench {
namespace {

struct Case {
    const char* name;
    int kind;
    int classification;
    QString column;  // the grouped column of the floor
};

int run(const BenchArgs& args) {
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), [](Connection& gen) { generateRegister(gen); });
    Connection c(QStringLiteral("STATYSTYKA"));
    c.open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    const OrgStructure s(c, {});
    using namespace statistics;

    int occupations = 0, sources = 0;
    for (int i = 0; i < int(classificationItems().size()); ++i) {
        if (classificationItems()[size_t(i)].name == QStringLiteral("Zawód wykonywany")) occupations = i;
        if (classificationItems()[size_t(i)].name == QStringLiteral("Czynnik materialny będący źródłem urazu")) sources = i;
    }
    const std::vector<Case> cases = {
        {"Wypadki", 0, -1, QStringLiteral("SKWPOSZKODOWANI.IDSTANOW")},
        {"Wiek", 8, -1, QStringLiteral("EXTRACT(YEAR FROM SKWPOSZKODOWANI.DATAUR)")},
        {"Miesiące, kwartały", 12, -1, QStringLiteral("EXTRACT(MONTH FROM SKWWYPADKI.DATA)")},
        {"Zmianowość", 13, -1, QStringLiteral("EXTRACT(HOUR FROM SKWWYPADKI.DATA)")},
        {"Szkolenia", 14, -1, QStringLiteral("SKWPOSZKODOWANI.SZKWSTEPNE")},
        {"Czynnik materialny - źródło urazu", 0, sources, QStringLiteral("SKWPOSZKODOWANI.IDCZYNNIKURAZ")},
        {"Zawód wykonywany", 0, occupations, QStringLiteral("SKWPOSZKODOWANI.KODZAWODU")},
    };
    const int lastYear = 2024;
    bool allOk = true;
    for (const int element : {kBenchFirm, kBenchFirm + 1}) {
        std::printf("%s (%s):\n", element == kBenchFirm ? "Cała firma" : "Wydział z 200 stanowiskami",
                    element == kBenchFirm ? "tabela stanowisk" : "lista IN");
        for (const Case& k : cases) {
            SummaryRequest r;
            r.kind = k.kind;
            r.classification = k.classification;
            r.element = element;
            r.periods[0] = {lastYear - 1, WholeYear};
            r.periods[1] = {lastYear, WholeYear};
            r.employees[0] = r.employees[1] = 1000;
            r.shifts = {Shift::parse("6", "14"), Shift::parse("14", "22"), Shift::parse("22", "6")};
            r.occupationEdition = 4;
            const double summary = bestMs(3, [&] { computeSummary(c, s, r); });
            // Counting and the form's passes, as a preview prepares it.
            print::registerReportForms();
            auto* form = dynamic_cast<print::SummaryReport*>(
                print::ReportForms::form(print::statisticsFormName(r.kind, r.classification)));
            if (!form) return 1;
            int pages = 0;
            const double printed = bestMs(3, [&] {
                const SummaryResult result = computeSummary(c, s, r);
                form->setRun(print::DocumentRun());
                const print::StatisticsContent content =
                    print::statisticsContent(result, r, s.StructurePath(element, QStringLiteral(" -> ")), QDate(2025, 1, 2));
                form->setContent(content.header, content.rows);
                pages = form->prepare()->pageCount();
                form->freePages();
            });
            // The floor: per period the grouped count of the same join and conditions.
            const double floor = bestMs(3, [&] {
                CountRequest q;
                q.positions = positionIds(s.PositionsOf(element));
                PositionFilter filter(c, q.positions);
                for (const Period& p : r.periods) {
                    QString sql = countedPersonsSql(q, filter, {k.column});
                    sql.replace(QStringLiteral(", SKWWYPADKI.DATA AS DATAWYBR"), QStringLiteral(", COUNT(*)"));
                    sql += QStringLiteral(" GROUP BY 1");
                    readAll(c, sql, Params{{"DataOd", p.start()}, {"DataDo", p.end()}});
                }
            });
            const double limit = k.classification == occupations ? 1500 : 500;
            const bool ok = printed < limit && summary <= 3 * floor;
            allOk &= ok;
            std::printf("  %-36s liczenie %8.2f ms   podłoga %8.2f ms   x%5.2f (cel <= 3x)   z wydrukiem %8.2f ms "
                        "(stron: %d, cel < %.0f ms) %s\n",
                        k.name, summary, floor, floor > 0 ? summary / floor : 0.0, printed, pages, limit,
                        ok ? "OK" : "PRZEKROCZONY");
        }
    }
    return allOk ? 0 : 1;
}

Registrar reg("statistics", "zestawienia statystyczne dwóch lat dla firmy i wydziału (--db PLIK)", {databaseOption()},
              run);

} // namespace
} // namespace zort::bench
