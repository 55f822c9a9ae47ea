// zortbench protocol: the whole post-accident protocol of 2019 prepared for one
// person whose every free text holds 20,000 characters, against laying the same
// texts out once in the same font and width (the floor: the work no printout can
// skip). Target: at most 3 times the floor.
#include "core/AdmSettings.h"
#include "domain/DataModForm.h"
#include "domain/ReportDatasets.h"
#include "printing/PrintForms.h"
#include "printing/ProtocolPrintLayout.h"
#include "printing/ReportForms.h"
#include "printing/engine/TextLayout.h"
#include "tools/Bench.h"

#include "db/DatabaseBuilder.h"

#include <QTemporaryDir>
#include <cstdio>

namespace zort::bench {
namespace {

using namespace zort::print;

const QStringList kMemos = {"OKOLICZNOSCI", "PRZYCZYNY", "UCHYBIENIA", "DOWUCHYB", "DOWPIJ",
                            "RODZURAZU",    "UZASADN",   "PROFILAKTYKA", "PRZESZKODY", "ZALACZNIKI"};

// A text of `length` characters: sentences with Polish letters, a paragraph break
// now and then.
QString freeText(int length, int seed) {
    QString s;
    s.reserve(length + 200);
    for (int n = 0; s.size() < length; ++n) {
        s += QStringLiteral("Pracownik zażółć gęślą jaźń (zdanie %1.%2) wykonywał czynności przy maszynie, gdy nastąpiło "
                            "zdarzenie opisane w zeznaniach świadków. ")
                 .arg(seed)
                 .arg(n);
        if (n % 7 == 6) s += QStringLiteral("\r\n");
    }
    s.truncate(length);
    return s;
}

void generate(Connection& c, int length) {
    c.execute(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ) "
                             "VALUES (1, 1, :d, :d, '', 1, 0)"),
              Params{{"d", QDateTime(QDate(2024, 3, 5), QTime(7, 45))}});
    QString columns, values;
    Params p{{"dp", QDateTime(QDate(2024, 3, 12), QTime())}};
    for (int i = 0; i < kMemos.size(); ++i) {
        columns += QStringLiteral(", ") + kMemos[i];
        values += QStringLiteral(", :m%1").arg(i);
        p.setBlob(QStringLiteral("m%1").arg(i), freeText(length, i));
    }
    c.execute(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERPROT, NUMERKARTY, IMIE, NAZWISKO, "
                             "PRZEDSIEB, DATAPROT, TYPWYP, SKUTKI%1) VALUES (11, 1, 1, 1, 'Anna', 'Żółkiewska', "
                             "'Zakład Mechaniczny', :dp, 0, 3%2)")
                  .arg(columns, values),
              p);
}

int run(const BenchArgs& args) {
    const int length = args.number(QStringLiteral("--chars"), 20000);
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), [length](Connection& gen) { generate(gen, length); });
    auto conn = std::make_unique<Connection>(QStringLiteral("KARTY"));
    conn->open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    TDataModForm dm(std::move(conn));
    reportds::openAll(dm, 11, 1);

    registerReportForms();
    auto* form = ReportForms::form(QStringLiteral("TProtPowRepForm_3_all"));
    DocumentRun runSetup;
    runSetup.dm = &dm;
    runSetup.settings = admSettings();
    form->setRun(runSetup);
    int pages = 0;
    const double prepare = bestMs(3, [&] { pages = form->prepare()->pageCount(); });

    // The floor: every free text laid out once in the data font at the text width.
    Dataset* ds = dm.dataset(QStringLiteral("ZestWypSQL3"));
    QStringList texts;
    for (const QString& m : kMemos) texts << ds->field(m).asString();
    const FontSpec font(QStringLiteral("Arial"), dataFontSize(admSettings()));
    const double width = form->page.contentWidth() - 10;
    int lines = 0;
    const double floor = bestMs(3, [&] {
        lines = 0;
        for (const QString& t : texts) lines += int(layoutPlain(t, font, width, Qt::AlignLeft, true).lines.size());
    });
    // What the engine adds to the floor: every line shaped for drawing.
    std::vector<LaidText> laid;
    for (const QString& t : texts) laid.push_back(layoutPlain(t, font, width, Qt::AlignLeft, true));
    const double shaping = bestMs(3, [&] {
        for (const LaidText& l : laid)
            for (const LaidLine& line : l.lines)
                for (const LaidRun& r : line.runs) ReferenceDevice::shape(r.font, r.text);
    });
    std::printf("Protokół powypadkowy 2019 (całość), %d pól opisowych po %d znaków:\n", int(kMemos.size()), length);
    std::printf("  przygotowanie  %9.1f ms   %d stron\n", prepare, pages);
    std::printf("  podłoga        %9.1f ms   (%d wierszy tekstu złożonych raz)\n", floor, lines);
    std::printf("  (kształty wierszy do rysowania: %.1f ms)\n", shaping);
    const double ratio = prepare / floor;
    std::printf("  stosunek       %9.2fx   cel <= 3x: %s\n", ratio, ratio <= 3 ? "OK" : "PRZEKROCZONY");
    return ratio <= 3 ? 0 : 1;
}

Registrar reg("protocol", "cały protokół powypadkowy 2019 z polami po 20 000 znaków wobec samego składu tekstu (--chars N)",
              {{QStringLiteral("--chars"), OptionRule::Kind::Number, 1, 1000000}, databaseOption()}, run);

} // namespace
} // namespace zort::bench
