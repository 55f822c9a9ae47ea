// zortbench trees: the classification trees of the code pickers. The occupation
// tree of edition 4 (the real classification every new database holds) is loaded
// into its picker behind the progress window, the picker is opened again on a
// preselected code, the largest code table of the card (material agents) is loaded
// into the code-table picker, and one search keystroke runs over the whole
// occupation tree. The floor is the bare per-level SELECTs of the same rows through
// the same driver.
#include "card/CodePickerForms.h"
#include "db/DatabaseBuilder.h"
#include "domain/CodeTree.h"
#include "tools/Bench.h"
#include "ui/ProgresForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

namespace zort::bench {
namespace {

void line(const char* what, double ms, double bare, const QString& target, bool ok) {
    std::printf("  %-48s %9.2f ms   podłoga %8.2f ms   %s %s\n", what, ms, bare, qPrintable(target),
                ok ? "OK" : "PRZEKROCZONY");
}

// The bare reading of a tree table: the count, then the rows level by level.
double floorMs(Connection& c, const QString& table, bool withShort) {
    return bestMs(5, [&]() {
        c.scalar(CodeTreeLoader::countSql(table));
        for (int level = 0; readAll(c, CodeTreeLoader::levelSql(table, withShort), Params{{"NrPoz", level}}) > 0; ++level) {
        }
    });
}

int run(const BenchArgs& args) {
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), [](Connection&) {});
    Connection c(QStringLiteral("Karty"));
    c.open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    bool allOk = true;
    const QString occupations = QStringLiteral("DNEWZAWODY2021");
    const QString title = QStringLiteral("Klasyfikacja zawodów");
    std::printf("Drzewa klasyfikacji (silnik wbudowany):\n");

    // The first load: a new picker each time, the tree read and shown.
    const double occupationFloor = floorMs(c, occupations, false);
    // A new picker for every run (made and shown before the clock starts), so that
    // each run reads the tree.
    int nodes = 0;
    std::vector<std::unique_ptr<TfrmSKWZawod>> fresh;
    for (int i = 0; i < 5; ++i) {
        fresh.push_back(std::make_unique<TfrmSKWZawod>());
        fresh.back()->setConnection(&c);
        fresh.back()->show();
    }
    QApplication::processEvents();
    size_t next = 0;
    const double first = bestMs(5, [&]() {
        TfrmSKWZawod& picker = *fresh[next++];
        if (!picker.prepare(occupations, title, QString())) throw std::runtime_error("load failed");
        QApplication::processEvents();
        nodes = picker.view()->nodeCount();
    });
    fresh.clear();
    const double progressOnly = bestMs(5, [&]() {
        ProgressScope p(QStringLiteral("Wczytywanie danych : ") + title, 3537);
    });
    std::printf("  %-48s %9.2f ms\n", "  w tym okno postępu (pokazanie i ukrycie)", progressOnly);
    const double loaderOnly = bestMs(5, [&]() {
        CodeTreeLoader l(c);
        l.count(occupations);
        l.loadOccupations(occupations);
    });
    std::printf("  %-48s %9.2f ms\n", "  w tym odczyt drzewa (bez okien)", loaderOnly);
    const bool firstOk = first <= 3 * occupationFloor && first < 300;
    allOk &= firstOk;
    line("drzewo zawodów wydania 4, pierwsze wczytanie", first, occupationFloor,
         QStringLiteral("cel ≤ 3× podłoga i < 300 ms"), firstOk);
    std::printf("  %-48s %d węzłów\n", "", nodes);

    // Opening again on a preselected code: the tree kept.
    TfrmSKWZawod picker;
    picker.setConnection(&c);
    picker.show();
    picker.prepare(occupations, title, QString());
    const double again = bestMs(20, [&]() {
        picker.prepare(occupations, title, QStringLiteral("722206"));
        QApplication::processEvents();
    });
    const bool againOk = again < 30;
    allOk &= againOk;
    line("ponowne otwarcie z kodem 722206", again, 0, QStringLiteral("cel < 30 ms"), againOk);

    // One keystroke of the search over the whole tree (the widest first letter and
    // a narrow word), the tree laid out and painted; each run clears the field
    // first, which the figure includes.
    double keystroke = 0;
    for (const char* text : {"s", "slusarz", "7", "72122"}) {
        const double ms = bestMs(5, [&]() {
            picker.view()->search(QString());
            QApplication::processEvents();
            picker.view()->search(QString::fromLatin1(text));
            QApplication::processEvents();
        });
        keystroke = std::max(keystroke, ms);
    }
    const bool keyOk = keystroke < 50;
    allOk &= keyOk;
    line("jedno naciśnięcie klawisza w wyszukiwaniu", keystroke, 0, QStringLiteral("cel < 50 ms"), keyOk);
    picker.hide();

    // The largest code table, loaded at every call.
    const QString agents = QStringLiteral("SKWCZYNNIKMATER");
    const double agentsFloor = floorMs(c, agents, true);
    TfrmSKWInfor infor;
    infor.setConnection(&c);
    infor.show();
    int agentNodes = 0;
    const double table = bestMs(5, [&]() {
        infor.prepare(agents, QStringLiteral("Czynnik materialny"), QStringLiteral("14.02"));
        QApplication::processEvents();
        agentNodes = infor.view()->nodeCount();
    });
    infor.hide();
    std::printf("  %-48s %9.2f ms   podłoga %8.2f ms   (%d węzłów)\n", "czynniki materialne w wyborze kodu", table,
                agentsFloor, agentNodes);
    std::printf("Pamięć szczytowa: %ld KiB\n", peakRssKiB());
    return allOk ? 0 : 1;
}

Registrar reg("trees", "drzewa klasyfikacji: zawody wydania 4, czynniki materialne, wyszukiwanie (--db PLIK)",
              {databaseOption()}, run);

} // namespace
} // namespace zort::bench
