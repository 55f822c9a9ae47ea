// zortbench register: the register of a year on a large database. A generator fills
// a database with 10 years of 2,000 accidents at work (1.2 injured persons each),
// 300 commuting accidents a year and their attachments; the data module then opens
// one year, adds and deletes accidents and moves through the whole list. Each
// figure is printed beside the bare SELECT (or statements) of the same rows through
// the same driver.
#include "core/Clock.h"
#include "domain/DataModForm.h"
#include "db/DatasetModel.h"
#include "db/DatabaseBuilder.h"
#include "domain/RegisterSql.h"
#include "tools/Bench.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace zort::bench {
namespace {

constexpr int kFirstYear = 2015;
// The database's shape: 10 years of 2,000 accidents, or with --accidents N above
// 2,000 the register years that hold about 20,000 accidents, N in each.
int g_years = 10;
int g_accidentsPerYear = 2000;
constexpr int kCommutingPerYear = 300;
constexpr int kPersonsInRegister = 2000;

// The codes of a classification table, for the generated persons.
QStringList codesOf(Connection& c, const QString& sql) {
    QStringList codes;
    c.read(sql, {}, [&](QSqlQuery& q) {
        while (q.next()) codes << q.value(0).toString();
    });
    if (codes.isEmpty()) codes << QString();
    return codes;
}

// The structure of the summaries: one firm, 30 units of 20 positions each; every
// injured person on a position, with the columns the summaries count.
void generateStructure(Connection& c, int persons) {
    PreparedStatement element(c, "INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, SKROTNAZWA, KOD, DATAUTW) "
                                 "VALUES (?, ?, ?, ?, ?, ?, '2000-01-01')");
    element.execute(QVariantList{kBenchFirm, 0, 0, 0, QStringLiteral("Firma"), QStringLiteral("F")});
    for (int u = 0; u < kBenchUnits; ++u)
        element.execute(QVariantList{kBenchFirm + 1 + u, kBenchFirm, 1, 0, QStringLiteral("Wydział %1").arg(u + 1),
                                     QStringLiteral("W%1").arg(u + 1, 2, 10, QLatin1Char('0'))});
    // The first unit holds 200 positions, the others share the rest.
    for (int i = 0; i < kBenchPositions; ++i) {
        const int unit = kBenchFirm + 1 + (i < kBenchLargeUnitPositions ? 0 : 1 + (i - kBenchLargeUnitPositions) % (kBenchUnits - 1));
        const int position = kBenchFirstPosition + i;
        element.execute(QVariantList{position, unit, 2, 1, QStringLiteral("Stanowisko %1").arg(position),
                                     QStringLiteral("S%1").arg(position)});
    }
    const QStringList factors = codesOf(c, "SELECT Kod FROM SKWCZYNNIKMATER WHERE Kod IS NOT NULL AND CHAR_LENGTH(Kod) <= 5 ORDER BY Id");
    const QStringList occupations = codesOf(c, "SELECT Kod FROM DNEWZAWODY2021 WHERE NrPoz = 4 ORDER BY Id");
    PreparedStatement counted(c, "UPDATE SKWPOSZKODOWANI SET IDSTANOW = ?, DATAUR = ?, STAZ = ?, GODZPRACY = ?, "
                                 "IDCZYNNIKURAZ = ?, KODZAWODU = ?, DATAZG = ? WHERE ID = ?");
    const int positions = kBenchPositions;
    for (int pid = 1; pid <= persons; ++pid)
        counted.execute(QVariantList{kBenchFirstPosition + pid % positions,
                                     QDateTime(QDate(1960 + pid % 45, 1 + pid % 12, 1), QTime()), pid % 42,
                                     pid % 11, factors.at(pid % factors.size()),
                                     occupations.at(pid % occupations.size()),
                                     QDateTime(QDate(kFirstYear, 1, 1).addDays(pid % 3650), QTime()), pid});
}

void generate(Connection& c) {
    Transaction t(c);
    PreparedStatement person(c, "INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE, PESEL) VALUES (?, ?, ?, ?)");
    for (int p = 1; p <= kPersonsInRegister; ++p)
        person.execute(QVariantList{p, QStringLiteral("Nazwisko%1").arg(p), QStringLiteral("Imię"),
                    QStringLiteral("%1").arg(80010100000LL + p)});

    PreparedStatement accident(c, "INSERT INTO SKWWYPADKI (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, DATAZGMIN, WYPIZ, WYPUB, "
                      "POSZKODOWANI, STRATYZL, STRATYCZASU, IDMIEJSCA, MIEJSCEWYP, WERSJASKW, BLOK, COMPNAME, "
                      "CZASROZP, CZASZAK) VALUES (?, ?, ?, ?, ?, ?, ?, 1, ?, ?, 2, '0', ?, 5, 0, 'STACJA', ?, ?)");
    PreparedStatement injured(c, "INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NUMERKARTYWYP, RODZUMOWY, "
                     "NAZWISKO, IMIE, STRUKTSKROT, STANOWSKROT, DATAPROT, TYPWYP, DNINIEZDR, IDPRACOWNIKA, "
                     "SZKWSTEPNE, SZKINSTR, SZKPODST, SZKOKRES, PLEC, RODZURAZU, PROFILAKTYKA, OKOLICZNOSCI) "
                     "VALUES (?, ?, ?, ?, 0, 1, ?, 'Jan', 'Wydział produkcji', 'Tokarz', ?, ?, ?, ?, 't', 't', 'n', "
                     "'t', 1, ?, ?, ?)");
    // Memos of several lines, as the collective register prints them.
    const QString injury = QStringLiteral("Stłuczenie lewego przedramienia i nadgarstka.\r\nOtarcie naskórka dłoni.\r\n"
                                          "Skręcenie stawu skokowego bez przemieszczenia.");
    const QString prevention = QStringLiteral("Przeprowadzić ponowny instruktaż stanowiskowy pracowników zmiany.\r\n"
                                              "Oznakować strefę ruchu wózków widłowych i wyznaczyć przejścia.\r\n"
                                              "Sprawdzić osłony maszyn na hali produkcyjnej.");
    const QString circumstances = QStringLiteral("Poszkodowany potknął się o leżący na przejściu element opakowania "
                                                 "i upadł na posadzkę hali.\r\nŚwiadkiem zdarzenia był brygadzista.");
    PreparedStatement own(c, "INSERT INTO SKWZALACZNIKI VALUES (1, ?, ?, 'Szkic miejsca wypadku', 'Opis załącznika')");
    PreparedStatement hearing(c, "INSERT INTO SKWPRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, NAZWISKO, ZEZNANIE) "
                     "VALUES (?, ?, ?, 1, 1, 'Świadek', 'Widziałem zdarzenie z odległości kilku metrów.')");
    PreparedStatement order(c, "INSERT INTO SKWPOLECENIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, TRESC) VALUES "
                   "(?, ?, ?, 1, 1, 'Przeprowadzić instruktaż stanowiskowy.')");
    PreparedStatement document(c, "INSERT INTO SKWDOKUMZEWN (ID, TYP, IDTABELI, NAZWAPLIK) VALUES (?, ?, ?, ?)");
    PreparedStatement commuting(c, "INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, DATAZG, NAZWISKO, "
                       "IMIE, IDPRACOWNIKA, SKUTKI, COMPNAME, CZASROZP, CZASZAK) VALUES (?, ?, 'D', ?, ?, ?, ?, "
                       "'Anna', ?, 1, 'STACJA', ?, ?)");

    int accidentId = 0, personId = 0, hearingId = 0, orderId = 0, documentId = 0, commutingId = 0;
    for (int y = kFirstYear; y < kFirstYear + g_years; ++y) {
        int card = 0;
        for (int n = 1; n <= g_accidentsPerYear; ++n) {
            const int id = ++accidentId;
            const QDateTime date(QDate(y, 1, 1).addDays((n - 1) * 364 / g_accidentsPerYear), QTime(6 + n % 12, 15));
            const QDateTime registered(date.date().addDays(n % 2), QTime());
            const int persons = n % 5 == 0 ? 2 : 1;
            accident.execute(QVariantList{id, n, QStringLiteral("S%1").arg(n % 10), date, registered, date, persons > 1 ? 1 : 0,
                          persons, 0.5 * (n % 7), QStringLiteral("Hala produkcyjna nr %1").arg(n % 9), date, date});
            for (int k = 0; k < persons; ++k) {
                const int pid = ++personId;
                ++card;
                injured.execute(QVariantList{pid, id, card, card, QStringLiteral("Kowalski%1").arg(pid), date.addDays(3),
                             pid % 50 == 0 ? 3 : 0, pid % 30, pid % kPersonsInRegister + 1, injury, prevention,
                             circumstances});
                own.execute(QVariantList{id, pid});
                hearing.execute(QVariantList{++hearingId, id, pid});
                if (pid % 5 == 0) order.execute(QVariantList{++orderId, id, pid});
                if (pid % 10 == 0) document.execute(QVariantList{++documentId, 1, pid, QStringLiteral("skan%1.pdf").arg(pid)});
            }
        }
        for (int n = 1; n <= kCommutingPerYear; ++n) {
            const int id = ++commutingId;
            const QDateTime date(QDate(y, 1, 1).addDays((n - 1) * 364 / kCommutingPerYear), QTime(7, 40));
            commuting.execute(QVariantList{id, n, date, date, date, QStringLiteral("Droga%1").arg(n), n % kPersonsInRegister + 1,
                           date, date});
            own.execute(QVariantList{id, 0});
            if (n % 10 == 0) document.execute(QVariantList{++documentId, 2, id, QStringLiteral("droga%1.pdf").arg(n)});
        }
    }
    c.execute(QStringLiteral("SET GENERATOR GenSKWDokumZewn TO %1").arg(documentId));
    generateStructure(c, personId);
    t.commit();
    // The indexes were made on empty tables: give the optimizer their real
    // selectivity, as a restored database has it.
    Dataset indexes(&c, QStringLiteral("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE "
                                       "COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    indexes.open();
    for (int r = 0; r < indexes.recordCount(); ++r)
        c.execute(QStringLiteral("SET STATISTICS INDEX ") + indexes.fieldAt(r, 0).asString());
}


// The statements of a deletion alone (a function of its own, so that a profile
// shows it beside the module's).
[[gnu::noinline]] void bareDeletion(Connection& c, int id) {
    Transaction td(c);
    for (const QString& sql : registersql::deleteAccident()) c.execute(sql, Params{{"Id", id}});
    td.commit();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

void line(const char* what, double ms, double bare, const char* target, bool ok) {
    std::printf("  %-44s %9.2f ms   bare %9.2f ms   x%5.2f   %s %s\n", what, ms, bare, bare > 0 ? ms / bare : 0.0,
                target, ok ? "OK" : "PRZEKROCZONY");
}

} // namespace

void generateRegister(Connection& c) {
    // The other benchmarks' database is always the 10 years of 2,000 accidents.
    g_years = 10;
    g_accidentsPerYear = 2000;
    generate(c);
}

namespace {

int run(const BenchArgs& args) {
    g_accidentsPerYear = args.number(QStringLiteral("--accidents"), 2000);
    g_years = std::max(1, 20000 / g_accidentsPerYear);
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), [](Connection& gen) {
        std::printf("  %d lat x %d wypadków przy pracy (1,2 poszkodowanego), %d wypadków w drodze rocznie, "
                    "z załącznikami\n",
                    g_years, g_accidentsPerYear, kCommutingPerYear);
        generate(gen);
    });
    const QString user = QString::fromLatin1(kDbUser), password = QString::fromLatin1(kDbPassword);

    auto conn = std::make_unique<Connection>(QStringLiteral("KARTY"));
    conn->open(path, user, password);
    TDataModForm dm(std::move(conn));
    Connection& c = dm.KartyDB();
    const int year = kFirstYear + g_years - 1;
    const QDateTime reference(QDate(year, 6, 1), QTime(12, 0));
    const YearBounds bounds = YearBounds::of(reference);
    const Params listParams{{"DataOd", bounds.from}, {"DataDo", bounds.to}};
    bool allOk = true;
    std::printf("Rejestr roku %d (silnik wbudowany):\n", year);

    // Opening a year: both lists, the persons of the first accident, the not-recognised list.
    const double open = bestMs(5, [&]() { dm.OpenRegister(reference); });
    const double openBare = bestMs(5, [&]() {
        readAll(c, registersql::accidentList({}), listParams);
        readAll(c, registersql::personList(), Params{{"ID", dm.qrySKWWypadki->fieldAt(0, "ID").asInt()}});
        readAll(c, registersql::commutingList({}), listParams);
        readAll(c, registersql::notRecognised(), {});
    });
    // The first screen of the list: the year opened and the texts of its first 40
    // rows as the list's model gives them to the view.
    DatasetModel model(dm.qrySKWWypadki, {{"nr_symbol", "NUMER"}, {"DATA", "DATA"}, {"DATAREJWYP", "DATAREJWYP"},
                                         {"MIEJSCEWYP", "MIEJSCEWYP"}, {"POSZKODOWANI", "POSZKODOWANI"},
                                         {"STRATYZL", "STRATYZL"}, {"SUM", "SUM"}});
    const double firstScreen = bestMs(5, [&]() {
        dm.OpenRegister(reference);
        for (int r = 0; r < std::min(40, model.rowCount()); ++r)
            for (int col = 0; col < model.columnCount(); ++col) model.data(model.index(r, col), Qt::DisplayRole);
    });
    const bool scale = g_accidentsPerYear > 2000;
    const bool openOk = scale ? open < 300 : open <= 1.2 * openBare;
    const bool screenOk = !scale || firstScreen < 100;
    allOk &= openOk && screenOk;
    line("otwarcie roku (obie listy, lista nieuznanych)", open, openBare, scale ? "cel < 300 ms" : "cel <= 1.2x", openOk);
    std::printf("  %-44s %9.2f ms   (pierwsze 40 wierszy listy)   %s\n", "pierwszy ekran listy", firstScreen,
                scale ? (screenOk ? "cel < 100 ms OK" : "cel < 100 ms PRZEKROCZONY") : "");
    std::printf("  %-44s %d wypadków odczytanych z %d, %d w drodze, %d nieuznanych (1 zapytanie dla wszystkich lat)\n", "",
                dm.qrySKWWypadki->recordCount(), g_accidentsPerYear, dm.qryWypadkiWDrodze->recordCount(),
                int(dm.notRecognised().size()));
    recordFigure(QStringLiteral("register.open"), open / openBare);
    recordFigure(QStringLiteral("register.open.ms"), open);
    recordFigure(QStringLiteral("register.firstScreen.ms"), firstScreen);

    // Adding and deleting accidents at work.
    std::vector<double> adds, deletes, addsBare, deletesBare;
    std::vector<int> added;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        dm.AddAccident();
        adds.push_back(t.nsecsElapsed() / 1e6);
        added.push_back(dm.accidentId());
    }
    // The same statements bare: maxima, insertions and the list read back; the
    // deletions. Each bare deletion follows one of the module's, so that the two are
    // measured under the same conditions of the machine and of the database.
    RegisterStore& store = dm.store();
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        dm.DeleteAccident(added[size_t(i)]);
        deletes.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        Transaction tr(c);
        const int id = store.nextKey(QStringLiteral("SKWWYPADKI"));
        const int number = store.nextAccidentNumber({}, bounds);
        const int pid = store.nextKey(QStringLiteral("SKWPOSZKODOWANI"));
        readAll(c, registersql::cardNumbers({}), Params{{"od", bounds.from}, {"do", bounds.to}});
        c.execute(registersql::insertAccident(), Params{{"ID", id}, {"NUMER", number}, {"dataOdnT", reference},
                                                       {"dataOdn", reference}, {"CompName", "B"},
                                                       {"dataNow", reference}, {"WersjaSKW", 5}});
        c.execute(registersql::insertInjuredPerson(), Params{{"ID", pid}, {"IDWYPADKU", id}, {"NUMERKARTY", 1},
                                                            {"NUMERPROT", 1}, {"DataOdn", reference}});
        tr.commit();
        readAll(c, registersql::accidentList({}), listParams);
        readAll(c, registersql::personList(), Params{{"ID", id}});
        addsBare.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        bareDeletion(c, id);
        deletesBare.push_back(t.nsecsElapsed() / 1e6);
    }
    // The module's own work beside the statements: a new accident read back with its
    // list, a deleted one taken out of it.
    const double add = median(adds), addBare = median(addsBare), del = median(deletes), delBare = median(deletesBare);
    const bool addOk = add <= 1.1 * addBare, deleteOk = del <= 1.1 * delBare;
    allOk &= addOk && deleteOk;
    recordFigure(QStringLiteral("register.add"), add / addBare);
    recordFigure(QStringLiteral("register.delete"), del / delBare);
    line("dodanie wypadku (mediana z 15)", add, addBare, "cel <= 1.1x", addOk);
    std::printf("  %-44s najlepszy %.2f ms, najgorszy %.2f ms\n", "", *std::min_element(adds.begin(), adds.end()),
                *std::max_element(adds.begin(), adds.end()));
    line("usunięcie wypadku (mediana z 15)", del, delBare, "cel <= 1.1x", deleteOk);

    // Moving through the whole list: every accident of the year with its persons (the
    // year of 2,000; a larger one is timed for its opening).
    if (scale) {
        std::printf("Pamięć szczytowa: %ld KiB\n", peakRssKiB());
        return allOk ? 0 : 1;
    }
    dm.OpenRegister(reference);
    int persons = 0;
    const double walk = bestMs(3, [&]() {
        persons = 0;
        Dataset& list = *dm.qrySKWWypadki;
        for (list.first(); !list.eof(); list.next())
            for (Dataset& p = *dm.qrySKWPoszkodowani; !p.eof(); p.next()) ++persons;
    });
    const double walkBare = bestMs(3, [&]() {
        for (int r = 0; r < dm.qrySKWWypadki->recordCount(); ++r)
            readAll(c, registersql::personList(), Params{{"ID", dm.qrySKWWypadki->fieldAt(r, "ID").asInt()}});
    });
    line("przejście przez całą listę poszkodowanych", walk, walkBare, "(porównanie)", true);
    std::printf("  %-44s %d wypadków, %d poszkodowanych\n", "", dm.qrySKWWypadki->recordCount(), persons);
    std::printf("Pamięć szczytowa: %ld KiB\n", peakRssKiB());
    return allOk ? 0 : 1;
}

Registrar reg("register",
              "rejestr roku: otwarcie, dodanie i usunięcie wypadku, przejście przez listę (--db PLIK, --accidents N)",
              {databaseOption(), {QStringLiteral("--accidents"), OptionRule::Kind::Number, 100, 100000}}, run);

} // namespace
} // namespace zort::bench
