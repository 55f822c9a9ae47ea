// zortbench card: the whole accident card of 2022 prepared for one person whose
// every free text holds 20,000 characters, its pages counted, against laying the
// same texts out once in the same font and width (the floor: the work no printout
// can skip). No database: the row is given to the form directly. Target: at most 3
// times the floor.
#include "core/AdmSettings.h"
#include "printing/DocumentReport.h"
#include "printing/PrintForms.h"
#include "printing/ReportForms.h"
#include "printing/engine/DataSource.h"
#include "printing/engine/TextLayout.h"
#include "tools/Bench.h"

#include <QHash>
#include <cstdio>

namespace zort::bench {
namespace {

using namespace zort::print;

const QStringList kMemos = {"OKOLICZNOSCI", "UZASADN", "DOWUCHYB", "DOWPIJ", "PRZESZKODY", "ZALACZNIKI"};

// A text of `length` characters: sentences with Polish letters, a paragraph break
// now and then.
QString freeText(int length, int seed) {
    QString s;
    s.reserve(length + 200);
    for (int n = 0; s.size() < length; ++n) {
        s += QStringLiteral("Poszkodowany zażółć gęślą jaźń (zdanie %1.%2) przenosił materiały na placu, gdy nastąpiło "
                            "zdarzenie opisane w wyjaśnieniach świadków. ")
                 .arg(seed)
                 .arg(n);
        if (n % 7 == 6) s += QLatin1Char('\n');
    }
    s.truncate(length);
    return s;
}

int run(const BenchArgs& args) {
    const int length = args.number(QStringLiteral("--chars"), 20000);
    // The person's row: the free texts and the other columns the card prints.
    QHash<QString, QVariant> row{
        {QStringLiteral("nrKartyWyp_symbol"), QStringLiteral("4 / 2024 r.")},
        {QStringLiteral("PODMSPORZADZ"), QStringLiteral("Zakład Usług Leśnych, ul. Długa 1, 00-950 Gdańsk")},
        {QStringLiteral("Poszkodowany"), QStringLiteral("Anna Żółkiewska")},
        {QStringLiteral("Adres"), QStringLiteral("Polna 3, 00-950 Gdańsk")},
        {QStringLiteral("DATAPROT"), QDateTime(QDate(2024, 3, 12), QTime())},
        {QStringLiteral("RODZAJWYP"), 1},
        {QStringLiteral("PktUstawy"), QStringLiteral("8")},
    };
    for (int i = 0; i < kMemos.size(); ++i) row.insert(kMemos[i], freeText(length, i));
    auto source = std::make_shared<FunctionSource>(1, [&row](int, const QString& column) { return row.value(column); });

    registerReportForms();
    DocumentReport* form = ReportForms::form(QStringLiteral("TKartaWypadkuRep2022_all_Form"));
    if (!form) return 1;
    DocumentRun runSetup;
    runSetup.settings = admSettings();
    form->setRun(runSetup);
    form->setDataSource(source);
    int pages = 0;
    const double prepare = bestMs(3, [&] { pages = form->prepare()->pageCount(); });
    form->freePages();

    // The floor: every free text laid out once in the data font at the text width.
    const FontSpec font(QStringLiteral("Arial"), dataFontSize(admSettings()));
    const double width = form->page.contentWidth() - 10;
    int lines = 0;
    const double floor = bestMs(3, [&] {
        lines = 0;
        for (const QString& m : kMemos)
            lines += int(layoutPlain(row.value(m).toString(), font, width, Qt::AlignLeft, true).lines.size());
    });
    std::printf("Karta wypadku 2022 (całość), %d pól opisowych po %d znaków:\n", int(kMemos.size()), length);
    std::printf("  przygotowanie  %9.1f ms   %d stron\n", prepare, pages);
    std::printf("  podłoga        %9.1f ms   (%d wierszy tekstu złożonych raz)\n", floor, lines);
    const double ratio = prepare / floor;
    std::printf("  stosunek       %9.2fx   cel <= 3x: %s\n", ratio, ratio <= 3 ? "OK" : "PRZEKROCZONY");
    form->setRun(DocumentRun());
    return ratio <= 3 ? 0 : 1;
}

Registrar reg("card", "cała karta wypadku 2022 z polami po 20 000 znaków wobec samego składu tekstu (--chars N)",
              {{QStringLiteral("--chars"), OptionRule::Kind::Number, 1, 1000000}}, run);

} // namespace
} // namespace zort::bench
