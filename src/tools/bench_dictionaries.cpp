// zortbench dictionaries: the two large dictionaries of the entry pages. The
// occupation list of edition 4 (the level-4 rows of the real classification that
// every new database holds) is filled into a combo box, and an organisation
// structure of 5,000 elements on six levels is loaded into a tree with the progress
// window shown. Each figure is printed beside the bare SELECT of the same rows
// through the same driver.
#include "core/Clock.h"
#include "ui/ProgresForm.h"
#include "db/DatabaseBuilder.h"
#include "db/Dataset.h"
#include "domain/Dictionaries.h"
#include "domain/OrgStructure.h"
#include "ui/DictionaryCombos.h"
#include "ui/StructureTree.h"
#include "tools/Bench.h"

#include <QComboBox>
#include <QFileInfo>
#include <QProgressBar>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdio>

namespace zort::bench {
namespace {

constexpr int kElements = 5000;

// The structure: a firm, then units with eight children each, the last levels
// mostly work positions, until there are kElements elements on levels 0 to 5.
void generateStructure(Connection& c) {
    Transaction t(c);
    PreparedStatement insert(c, QStringLiteral("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, SKROTNAZWA, "
                                               "KOD, NAZWA, USUNIETY, DATAUTW) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?)"));
    const QDateTime created(QDate(2010, 1, 1), QTime(0, 0));
    int id = 0;
    std::vector<std::pair<int, QString>> units{{0, QString()}};  // parent id, parent code
    for (int level = 0; level <= 5 && id < kElements; ++level) {
        std::vector<std::pair<int, QString>> next;
        const int children = level == 0 ? 1 : 8;
        for (const auto& [parent, code] : units) {
            for (int k = 1; k <= children && id < kElements; ++k) {
                ++id;
                // From level 3 on, every other child is a work position (a leaf).
                const int type = level >= 3 && k % 2 == 0 ? 1 : 0;
                const QString own = level == 0 ? QStringLiteral("F") : code + QLatin1Char('.') + QString::number(k);
                insert.execute(QVariantList{id, parent, level, type,
                                            (type ? QStringLiteral("Stanowisko ") : QStringLiteral("Komórka ")) + own,
                                            own, QStringLiteral("Element struktury ") + own, created});
                if (type == 0) next.emplace_back(id, own);
            }
        }
        units = std::move(next);
    }
    t.commit();
}

void line(const char* what, double ms, double bare, const char* target, bool ok) {
    std::printf("  %-52s %9.2f ms   bare %9.2f ms   %s %s\n", what, ms, bare, target, ok ? "OK" : "PRZEKROCZONY");
}

int run(const BenchArgs& args) {
    QTemporaryDir tmp;
    const QString path = benchDatabase(args, tmp.path(), generateStructure);
    Connection c(QStringLiteral("Karty"));
    c.open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    bool allOk = true;
    std::printf("Słowniki (silnik wbudowany):\n");

    // The occupation list of edition 4, by name.
    const DictSource occupations = occupationSource(4, false);
    Dataset query(&c);
    QComboBox combo;
    combo.show();
    const auto [fill, fillBare] = bestMsAlternating(
        15, [&]() { FillCombo(&query, &combo, occupations); },
        [&]() { readAll(c, comboSql(occupations), occupations.params); });
    const bool fillOk = fill <= 1.2 * fillBare && fill < 20;
    allOk &= fillOk;
    recordFigure(QStringLiteral("dictionaries.occupations"), fill / fillBare);
    recordFigure(QStringLiteral("dictionaries.occupations.ms"), fill);
    line("lista zawodów wydania 4 (FillCombo)", fill, fillBare, "cel <= 1.2x i < 20 ms", fillOk);
    std::printf("  %-52s %d zawodów\n", "", combo.count());

    // The structure tree with its progress window.
    const OrgStructure structure(c, [](int) { return false; });
    const QDateTime date(QDate(2024, 6, 1), QTime(12, 0));
    QTreeWidget tree;
    tree.show();
    int shownMaximum = 0;
    const double load = bestMs(5, [&]() {
        LoadStructureTree(&tree, structure, date, true);
        shownMaximum = progressWindow().bar()->maximum();
    });
    const double loadBare = bestMs(5, [&]() {
        for (int n = 0; n < 7; ++n)
            readAll(c, QStringLiteral("SELECT * FROM OStrukt WHERE DataUtw <= :d AND NrPoz = :n ORDER BY Kod"),
                   Params{{"d", date}, {"n", n}});
    });
    const bool loadOk = load < 500;
    allOk &= loadOk;
    line("drzewo struktury (LoadStructureTree, z oknem postępu)", load, loadBare, "cel < 500 ms", loadOk);
    int nodes = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) ++nodes;
    std::printf("  %-52s %d węzłów w drzewie, pasek postępu do %d\n", "", nodes, shownMaximum);
    std::printf("Pamięć szczytowa: %ld KiB\n", peakRssKiB());
    return allOk ? 0 : 1;
}

Registrar reg("dictionaries", "lista zawodów wydania 4 i drzewo struktury 5000 elementów (--db PLIK)", {databaseOption()},
              run);

} // namespace
} // namespace zort::bench
