// zortbench attachments: a hearing whose statement holds 100,000 characters, prepared
// as the preview does it (twice, as "Strona n/ N" needs the page count), against
// laying the statement out once in the same font and width (the floor). No database:
// the hearing is one row of values. Target: at most 3 times the floor.
#include "core/AdmSettings.h"
#include "printing/AttachmentReport.h"
#include "printing/PrintForms.h"
#include "printing/ReportForms.h"
#include "printing/engine/TextLayout.h"
#include "tools/Bench.h"

#include <cstdio>

namespace zort::bench {
namespace {

using namespace zort::print;

QString statement(int length) {
    QString s;
    s.reserve(length + 200);
    for (int n = 0; s.size() < length; ++n) {
        s += QStringLiteral("Szedłem aleją nr %1 do stanowiska kompletacji, gdy usłyszałem trzask i zobaczyłem, jak "
                            "paleta przechyla się na belce regału; kartony spadły na przejście. ")
                 .arg(n);
        if (n % 5 == 4) s += QStringLiteral("\r\n");
    }
    s.truncate(length);
    return s;
}

std::shared_ptr<RowSource> hearingRow(const QString& text) {
    const QStringList columns{"NUMER",       "TYP",         "WDrodze",  "RODZUMOWY", "nr_symbol",  "DATAPROT",
                              "DATA_1",      "GodzWyp",     "IMIE_1",   "NAZWISKO_1", "Poszkodowany", "Urodzony",
                              "Adres",       "STRUKTSKROT", "STANOWSKROT", "Zawod_p", "STAZ",       "ZEZNANIE",
                              "IMNAZW1",     "FUNKCJA1",    "IMNAZW2",  "FUNKCJA2",  "IMNAZW3",    "FUNKCJA3",
                              "MIEJSCESP",   "DATASP"};
    auto row = std::make_shared<RowSource>(columns);
    const QDateTime at(QDate(2024, 3, 5), QTime(7, 45));
    row->addRow({2, 1, 0, 1, QStringLiteral("7"), at.addDays(7), at, QStringLiteral("07:45"), QStringLiteral("Jan"),
                 QStringLiteral("Szymański"), QStringLiteral("Anna Kubiak"), QStringLiteral("02.04.1985 Kalisz"),
                 QStringLiteral("Polna 3 m. 4\n 62-800 Kalisz"), QStringLiteral("Magazyn"), QStringLiteral("magazynier"),
                 QStringLiteral("432101 magazynier"), QStringLiteral("6"), text, QStringLiteral("Jan Kos"),
                 QStringLiteral("specjalista BHP"), QStringLiteral("Ewa Lis"), QStringLiteral("kierownik"), QString(),
                 QString(), QStringLiteral("Modrzewo"), at.addDays(1)});
    return row;
}

int run(const BenchArgs& args) {
    const int length = args.number(QStringLiteral("--chars"), 100000);
    const QString text = statement(length);
    registerReportForms();
    auto* form = dynamic_cast<TZal_PrzesRepForm1*>(ReportForms::form(QStringLiteral("TZal_PrzesRepForm1")));
    if (!form) return 1;
    DocumentRun runSetup;
    runSetup.settings = admSettings();
    form->setRun(runSetup);
    form->setDataSource(hearingRow(text));
    int pages = 0;
    // As the preview: prepared, its pages counted and freed (each preparation lays
    // the pages out twice for "Strona n/ N").
    const double prepare = bestMs(3, [&] {
        pages = form->prepare()->pageCount();
        form->freePages();
    });

    const FontSpec font(QStringLiteral("Arial"), 10);
    const double width = form->page.contentWidth();
    int lines = 0;
    const double floor =
        bestMs(3, [&] { lines = int(layoutPlain(text, font, width, Qt::AlignLeft, true).lines.size()); });
    std::printf("Protokół przesłuchania z zeznaniem o %d znakach:\n", length);
    std::printf("  przygotowanie  %9.1f ms   %d stron (dwa przebiegi: Strona n/ N)\n", prepare, pages);
    std::printf("  podłoga        %9.1f ms   (%d wierszy zeznania złożonych raz)\n", floor, lines);
    const double ratio = prepare / floor;
    std::printf("  stosunek       %9.2fx   cel <= 3x: %s\n", ratio, ratio <= 3 ? "OK" : "PRZEKROCZONY");
    form->setRun(DocumentRun());
    return ratio <= 3 ? 0 : 1;
}

Registrar reg("attachments",
              "protokół przesłuchania z zeznaniem o 100 000 znaków (dwa przebiegi stron) wobec samego składu tekstu "
              "(--chars N), bez bazy",
              {{QStringLiteral("--chars"), OptionRule::Kind::Number, 1, 1000000}}, run);

} // namespace
} // namespace zort::bench
