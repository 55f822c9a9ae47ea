// zortbench police-register: the register of accidents in service of a year of 2,000
// officers (1,000 accidents of two officers each) with causes, factors and
// circumstances of several lines. The register is prepared as the print window
// prepares it (the query opened, both passes of its form, the pages counted) and
// compared with the floor: the same rows read by the bare query and the texts of
// every cell laid out once with layoutPlain.
#include "core/MemoText.h"
#include "db/DatabaseBuilder.h"
#include "db/Dataset.h"
#include "domain/DataModForm.h"
#include "domain/PoliceReportDatasets.h"
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "printing/engine/DisplayFormat.h"
#include "printing/engine/TextLayout.h"
#include "tools/Bench.h"

#include <QTemporaryDir>
#include <cstdio>

namespace zort::bench {
namespace {

constexpr int kYear = 2024;
constexpr int kAccidents = 1000;
constexpr int kOfficersPerAccident = 2;

void generate(Connection& c) {
    std::printf("  %d wypadków w służbie roku %d po %d funkcjonariuszy\n", kAccidents, kYear, kOfficersPerAccident);
    Transaction t(c);
    PreparedStatement accident(c, "INSERT INTO WYPOPER_WYPADKI (ID, SYMBOLWYP, NUMER, DATA, WYPIZ, WYPUB, POSZKODOWANI, "
                                  "MSCWYPADKU, BLOK, DATAREJWYP) VALUES (?, 'S', ?, ?, 1, 1, ?, ?, 0, ?)");
    PreparedStatement officer(c, "INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NAZWISKO, IMIE, STOPSL, "
                                 "NAZWAJEDN, DATAUR, STAZ, ZWOLNIENIE, RODZWYPEKW, PROCUSZZDR, CZYNNURAZ1, CZYNNURAZ2, "
                                 "PRZYCZYNA1, PRZYCZYNA2, PRZYCZYNA3, PRZYCZYNY, SKUTKI) "
                                 "VALUES (?, ?, ?, ?, ?, 'aspirant', 'Komenda Powiatowa Policji', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int id = 0;
    for (int a = 1; a <= kAccidents; ++a) {
        const QDateTime at(QDate(kYear, 1, 1).addDays((a * 7) % 360), QTime(8 + a % 12, (a * 13) % 60));
        accident.execute(QVariantList{a, a, at, kOfficersPerAccident, QStringLiteral("Miejscowość %1, ul. Polna %2").arg(a % 50).arg(a % 90),
                                      QDateTime(at.date().addDays(1), QTime(0, 0))});
        for (int n = 1; n <= kOfficersPerAccident; ++n) {
            ++id;
            const QString circumstances =
                QStringLiteral("Podczas interwencji nr %1 funkcjonariusz został zaatakowany przez osobę zatrzymywaną, która "
                               "uderzyła go w rękę i odepchnęła na ścianę budynku.\nFunkcjonariusz upadł i doznał urazu.\n"
                               "Na miejsce wezwano pogotowie ratunkowe, które udzieliło pomocy.")
                    .arg(id);
            const QString effects = QStringLiteral("Stłuczenie przedramienia i otarcie naskórka.\nNiezdolność do służby %1 dni.")
                                        .arg(5 + id % 30);
            officer.execute(QVariantList{
                id, a, n, QStringLiteral("Nazwisko%1").arg(id), QStringLiteral("Jan"), QDateTime(QDate(1970 + id % 30, 3, 1), QTime(0, 0)),
                1 + id % 25, 5 + id % 30, 1 + id % 4, double(id % 10),
                QStringLiteral("Osoba zatrzymywana stawiająca czynny opór podczas interwencji"),
                QStringLiteral("Nawierzchnia śliska lub nierówna w miejscu interwencji"),
                QStringLiteral("Agresja osoby trzeciej wobec funkcjonariusza wykonującego czynności służbowe"),
                QStringLiteral("Niewłaściwa ocena zagrożenia w trakcie interwencji"),
                QStringLiteral("Działanie osoby trzeciej"), memo::toStored(circumstances), memo::toStored(effects)});
        }
    }
    t.commit();
}

int run(const BenchArgs& args) {
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), generate);
    auto conn = std::make_unique<Connection>(QStringLiteral("KARTY"));
    conn->open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    TDataModForm dm(std::move(conn));
    print::registerReportForms();
    print::DocumentReport* form = print::ReportForms::form(QStringLiteral("TfrmZestWyp_Policja"));
    if (!form) return 1;

    // The register as the window prints it: opened, prepared twice (the page count),
    // the pages counted.
    int pages = 0, rows = 0;
    const double prepared = bestMs(3, [&] {
        reportds::openPoliceRegister(dm, kYear);
        rows = dm.dataset(reportds::kPoliceRegister)->recordCount();
        form->setRun(print::DocumentRun{&dm, AdmSettings(), false});
        pages = form->prepare()->pageCount();
        form->freePages();
    });
    form->setRun(print::DocumentRun());

    // The floor: the bare rows, and the texts of the cells laid out once.
    Dataset bare(&dm.KartyDB(), reportds::policeRegisterSql());
    reportds::addPoliceRegisterFields(bare);
    const print::FontSpec font(QStringLiteral("Arial"), 7);
    const QStringList cells{QStringLiteral("ImNazwStop"), QStringLiteral("WiekStaz"), QStringLiteral("ZWOLNIENIE"),
                            QStringLiteral("RodzWyp"),    QStringLiteral("PROCUSZZDR"), QStringLiteral("Czynniki"),
                            QStringLiteral("PrzyczynyEKW"), QStringLiteral("PRZYCZYNY"), QStringLiteral("SKUTKI")};
    const double widths[] = {214, 74, 74, 104, 74, 441, 294, 454, 251};
    int laid = 0;
    const double floor = bestMs(3, [&] {
        bare.close();
        bare.setParams(Params{{"datapocz", QDateTime(QDate(kYear, 1, 1), QTime(0, 0))},
                              {"datakonc", QDateTime(QDate(kYear + 1, 1, 1), QTime(0, 0))}});
        bare.open();
        laid = 0;
        for (int r = 0; r < bare.recordCount(); ++r)
            for (int i = 0; i < cells.size(); ++i)
                laid += int(print::layoutPlain(print::formatValue(bare.rowField(r, cells[i]), QString()), font, widths[i],
                                               Qt::AlignLeft, true)
                                .lines.size());
    });
    const double ratio = floor > 0 ? prepared / floor : 0;
    const bool ok = ratio <= 3;
    std::printf("Rejestr wypadków w służbie roku %d:\n", kYear);
    std::printf("  %-44s %9.2f ms   stron: %d, funkcjonariuszy: %d\n", "przygotowanie (oba przebiegi, strony policzone)",
                prepared, pages, rows);
    std::printf("  %-44s %9.2f ms   wierszy tekstu: %d\n", "podłoga (zapytanie i jedno ułożenie tekstów)", floor, laid);
    std::printf("  %-44s x%5.2f (cel <= 3x) %s\n", "stosunek", ratio, ok ? "OK" : "PRZEKROCZONY");
    std::printf("Pamięć szczytowa: %ld KiB\n", peakRssKiB());
    return ok ? 0 : 1;
}

Registrar reg("police-register", "rejestr wypadków w służbie roku z 2000 funkcjonariuszy: wydruk z liczeniem stron (--db PLIK)",
              {databaseOption()}, run);

} // namespace
} // namespace zort::bench
