// zortbench collective: the collective register of the last year of the register's
// generated database (2,000 accidents, about 2,400 injured persons with memos of
// several lines) for the whole firm ("wszystkie") and for the firm as a structure
// element of 600 positions, which go through a table. The summary query is built and
// opened with its count beside the bare SELECT of the same statement; then the full
// printout (both passes of its form) and the short one are prepared.
#include "core/Formats.h"
#include "db/DatabaseBuilder.h"
#include "db/Dataset.h"
#include "domain/CollectiveSummary.h"
#include "domain/DataModForm.h"
#include "domain/OrgStructure.h"
#include "printing/CollectiveForms.h"
#include "printing/DatasetSource.h"
#include "printing/ReportForms.h"
#include "tools/Bench.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace zort::bench {
namespace {

// The resident memory of the process now, KiB.
long currentRssKiB() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

int run(const BenchArgs& args) {
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), [](Connection& gen) { generateRegister(gen); });
    auto conn = std::make_unique<Connection>(QStringLiteral("KARTY"));
    conn->open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    TDataModForm dm(std::move(conn));
    Connection& c = dm.KartyDB();
    const OrgStructure s(c, {});
    print::registerReportForms();
    const auto number = [&dm](const Field& n, const QString& symbol) { return dm.numberText(n, symbol); };

    constexpr int year = 2024;
    bool allOk = true;
    for (const bool whole : {true, false}) {
        collective::WorkChoice choice;
        choice.from = QDate(year, 1, 1);
        choice.to = QDate(year, 12, 31);
        choice.wholeEnterprise = whole;
        if (!whole) {
            choice.element = kBenchFirm;
            choice.positions = s.PositionsOf(kBenchFirm);
        }
        std::printf("%s:\n", whole ? "Wszystkie" : "Element struktury z 600 stanowiskami (tabela stanowisk)");
        collective::WorkQueries queries(c);
        Dataset summary(&c);
        collective::addSummaryColumns(summary, number);
        int count = 0;
        // Building the statements (and the table), opening the query, counting.
        const double opening = bestMs(5, [&] {
            const collective::WorkStatements& st = queries.build(choice);
            summary.close();
            summary.setSql(st.summary);
            summary.setParams(collective::rangeParams(choice.from, choice.to));
            summary.open();
            count = queries.count();
        });
        const double floor = bestMs(5, [&] {
            readAll(c, queries.statements().summary, collective::rangeParams(choice.from, choice.to));
        });
        const bool openOk = opening <= 2 * floor;
        allOk &= openOk;
        std::printf("  %-40s %9.2f ms   podłoga %9.2f ms   x%5.2f (cel <= 2x) %s\n", "otwarcie zestawienia z liczeniem",
                    opening, floor, floor > 0 ? opening / floor : 0.0, openOk ? "OK" : "PRZEKROCZONY");
        std::printf("  %-40s %d poszkodowanych, %d wypadków\n", "", summary.recordCount(), count);

        // The full printout: both passes of its form over the query.
        print::CollectiveTexts texts;
        texts.from = Formats::date(choice.from);
        texts.to = Formats::date(choice.to);
        texts.path = whole ? QString() : QStringLiteral("Firma");
        texts.count = count;
        texts.printed = QDate(year + 1, 1, 2);
        auto* full = dynamic_cast<print::SummaryReport*>(print::ReportForms::form(print::kCollectiveFullForm));
        auto* brief = dynamic_cast<print::SummaryReport*>(print::ReportForms::form(print::kCollectiveShortForm));
        if (!full || !brief) return 1;
        int fullPages = 0;
        const double fullMs = bestMs(2, [&] {
            full->setRun(print::DocumentRun());
            full->setContent(print::collectiveFullHeader(texts), std::make_shared<print::DatasetSource>(summary));
            fullPages = full->prepare()->pageCount();
            full->freePages();
        });
        // What the prepared pages hold: display lists, no page bitmaps.
        full->setRun(print::DocumentRun());
        full->setContent(print::collectiveFullHeader(texts), std::make_shared<print::DatasetSource>(summary));
        const long rssBefore = currentRssKiB();
        const print::PagesPtr kept = full->prepare();
        const long rssPages = currentRssKiB() - rssBefore;
        full->freePages();
        // The short printout opens its own query.
        Dataset shortQuery(&c);
        collective::addShortColumns(shortQuery, number);
        int shortPages = 0;
        const double shortMs = bestMs(2, [&] {
            shortQuery.close();
            shortQuery.setSql(queries.statements().shortQuery);
            shortQuery.setParams(collective::rangeParams(choice.from, choice.to));
            shortQuery.open();
            brief->setRun(print::DocumentRun());
            brief->setContent(print::collectiveShortHeader(texts), std::make_shared<print::DatasetSource>(shortQuery));
            shortPages = brief->prepare()->pageCount();
            brief->freePages();
            shortQuery.close();
        });
        full->setContent(print::SummaryHeader(), nullptr);
        brief->setContent(print::SummaryHeader(), nullptr);
        const bool fullOk = fullMs < 5000, shortOk = shortMs < 2000;
        allOk &= fullOk && shortOk;
        std::printf("  %-40s %9.2f ms   stron: %d (cel < 5 s) %s\n", "wydruk pełny (oba przebiegi)", fullMs, fullPages,
                    fullOk ? "OK" : "PRZEKROCZONY");
        std::printf("  %-40s %9.2f ms   stron: %d (cel < 2 s) %s\n", "wydruk skrócony (z zapytaniem)", shortMs,
                    shortPages, shortOk ? "OK" : "PRZEKROCZONY");
        std::printf("  %-40s %ld KiB na %d stron (%.1f KiB na stronę, listy rysowania)\n", "pamięć stron wydruku pełnego",
                    rssPages, kept->pageCount(), kept->pageCount() > 0 ? double(rssPages) / kept->pageCount() : 0.0);
        queries.dropTable();
    }
    std::printf("Pamięć szczytowa: %ld KiB\n", peakRssKiB());
    return allOk ? 0 : 1;
}

Registrar reg("collective", "zestawienie zbiorcze roku: zapytanie, wydruk pełny i skrócony (--db PLIK)", {databaseOption()},
              run);

} // namespace
} // namespace zort::bench
