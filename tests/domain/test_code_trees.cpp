// Reading the classification trees, searching them, and the rule of the four
// activity/event/cause triples of an accident in service.
#include "domain/CodeTables.h"
#include "domain/CodeTree.h"
#include "core/Error.h"
#include "support/TestDatabase.h"
#include "support/TreeRows.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

// Each node as "label" indented by its depth, in tree order.
QStringList outline(const CodeTree& t) {
    QStringList out;
    for (int i = 0; i < t.size(); ++i) {
        int depth = 0;
        for (int p = t.parent[size_t(i)]; p >= 0; p = t.parent[size_t(p)]) ++depth;
        out << QString(depth * 2, QLatin1Char(' ')) + t.nodes[size_t(i)].label();
    }
    return out;
}

class CodeTreeTest : public ::testing::Test {
protected:
    TestDatabase db;
    std::unique_ptr<Connection> c = db.connect();
};

} // namespace

TEST_F(CodeTreeTest, ChildrenInIdOrderAndLoadingStopsAtTheFirstEmptyLevel) {
    // Ids out of the order of insertion; level 2 empty although level 3 has rows.
    fillTree(*c, "SKWMIEJSCEWYP_1",
         {{20, 0, 0, "B", "Druga grupa"}, {10, 0, 0, "A", "Pierwsza grupa"}, {31, 10, 1, "A2", "Drugie w A"},
          {30, 10, 1, "A1", "Pierwsze w A"}, {32, 20, 1, "B1", "Jedyne w B"}, {50, 30, 3, "A111", "Za głęboko"}});
    CodeTreeLoader loader(*c);
    EXPECT_EQ(6, loader.count("SKWMIEJSCEWYP_1"));
    int steps = 0;
    const CodeTree t = loader.loadCodeTable("skwmiejscewyp_1", [&]() { ++steps; });
    EXPECT_EQ(5, steps) << "one step per row read; level 3 is never read";
    EXPECT_EQ(outline(t), (QStringList{"[A] Pierwsza grupa", "  [A1] Pierwsze w A", "  [A2] Drugie w A",
                                       "[B] Druga grupa", "  [B1] Jedyne w B"}));
    EXPECT_EQ(t.childCount, (std::vector<int>{2, 0, 0, 1, 0}));
    EXPECT_EQ(30, t.nodes[1].id);
    EXPECT_EQ(10, t.nodes[1].parentId);
    EXPECT_EQ(1, t.nodes[1].level);
}

TEST_F(CodeTreeTest, OrphansGoToTheTopOfACodeTableAndAreLeftOutOfTheOccupations) {
    const std::vector<TreeRow> rows = {{1, 0, 0, "1", "Grupa"}, {2, 1, 1, "11", "Podgrupa"},
                                       {3, 99, 1, "19", "Sierota"}, {4, 3, 2, "191", "Dziecko sieroty"},
                                       {5, 2, 2, "111", "Liść"}};
    fillTree(*c, "SKWPRZYCZYNYWYP_1", rows);
    fillTree(*c, "DNEWZAWODY", rows);
    CodeTreeLoader loader(*c);
    EXPECT_EQ(outline(loader.loadCodeTable("SKWPRZYCZYNYWYP_1")),
              (QStringList{"[1] Grupa", "  [11] Podgrupa", "    [111] Liść", "[19] Sierota", "  [191] Dziecko sieroty"}));
    EXPECT_EQ(outline(loader.loadOccupations("DNEWZAWODY")),
              (QStringList{"[1] Grupa", "  [11] Podgrupa", "    [111] Liść"}));
}

TEST_F(CodeTreeTest, OnlyTheProgramsClassificationTablesAreRead) {
    CodeTreeLoader loader(*c);
    EXPECT_THROW(loader.loadCodeTable("OSOBY"), Error);
    EXPECT_THROW(loader.loadCodeTable("SKWMIEJSCEWYP; DELETE FROM SKWWYPADKI"), Error);
    EXPECT_THROW(loader.loadCodeTable("DNEWZAWODY2021"), Error) << "an occupation table is not a code table";
    EXPECT_THROW(loader.loadOccupations("SKWMIEJSCEWYP"), Error);
    EXPECT_THROW(loader.count("SKWSTATUSZATR"), Error) << "a flat list has no tree";
    EXPECT_EQ("DNEWZAWODY2014", occupationTreeTable(3));
    EXPECT_EQ("", occupationTreeTable(0));
    EXPECT_EQ("", occupationTreeTable(5));
    EXPECT_EQ("Dz.U. 2021 poz. 2285", occupationLegalBasis(4));
    EXPECT_EQ(4, occupationEditionOf("DNewZawody2021"));
    EXPECT_EQ(0, occupationEditionOf("DZAWODY"));
}

TEST_F(CodeTreeTest, TheRealOccupationsAndTheirSearch) {
    CodeTreeLoader loader(*c);
    const CodeTree t = loader.loadOccupations("DNEWZAWODY2021");
    ASSERT_EQ(loader.count("DNEWZAWODY2021"), t.size()) << "every row has its group";
    const int welder = t.find("722206");
    ASSERT_GE(welder, 0);
    EXPECT_EQ("Ślusarz narzędziowy", t.nodes[size_t(welder)].name);

    CodeTreeSearch search(t);
    // Words in any order, without case and diacritics.
    auto r = search.filter("slusarz NARZ");
    EXPECT_TRUE(r.visible[size_t(welder)]);
    EXPECT_EQ(welder, r.first);
    EXPECT_EQ(1, r.found);
    for (int p = t.parent[size_t(welder)]; p >= 0; p = t.parent[size_t(p)]) {
        EXPECT_TRUE(r.visible[size_t(p)]);
        EXPECT_TRUE(r.expanded[size_t(p)]);
    }
    EXPECT_FALSE(r.visible[size_t(t.find("1"))]) << "groups without a match are hidden";
    EXPECT_EQ(search.filter("narz ślusarz").first, welder);

    // Digits: the codes beginning with them, a group with all its occupations.
    const int group = t.find("7212");
    r = search.filter("7212");
    EXPECT_TRUE(r.visible[size_t(group)]);
    EXPECT_TRUE(r.expanded[size_t(group)]);
    EXPECT_EQ(t.childCount[size_t(group)], r.found);
    EXPECT_EQ(group + 1, r.first);
    EXPECT_TRUE(r.visible[size_t(t.find("72"))]);
    EXPECT_FALSE(r.visible[size_t(t.find("7213"))]);

    // A group matching a word shows only its matches when it has any: "spawacz" is in
    // the name of group 721, of group 7212 and of two of its occupations.
    r = search.filter("spawacz");
    EXPECT_EQ(t.find("721204"), r.first) << "the first occupation that matches itself";
    EXPECT_FALSE(r.visible[size_t(t.find("721101"))]) << "not every occupation of a matching group";
    EXPECT_TRUE(r.visible[size_t(t.find("721290"))]);
    // A matching group without matches under it shows all it holds.
    r = search.filter("blacharze monterzy");
    EXPECT_TRUE(r.visible[size_t(t.find("721204"))]);
    EXPECT_EQ(t.find("721101"), r.first);

    r = search.filter("qqqq");
    EXPECT_EQ(0, r.found);
    EXPECT_EQ(-1, r.first);
    EXPECT_EQ(0, std::count(r.visible.begin(), r.visible.end(), 1));

    r = search.filter("  ");
    EXPECT_EQ(t.size(), std::count(r.visible.begin(), r.visible.end(), 1));
    EXPECT_EQ(0, std::count(r.expanded.begin(), r.expanded.end(), 1));
    EXPECT_EQ(-1, r.first);
}

TEST_F(CodeTreeTest, FindingCodes) {
    fillTree(*c, "SKWMIEJSCEWYP_1",
         {{1, 0, 0, "010", "Pierwsza"}, {2, 1, 1, "011", "Pod pierwszą"}, {3, 0, 0, "020", "Druga"},
          {4, 3, 1, "011", "Ten sam kod pod drugą"}, {5, 0, 0, "abc", "Małe litery"}});
    const CodeTree t = CodeTreeLoader(*c).loadCodeTable("SKWMIEJSCEWYP_1");
    EXPECT_EQ(1, t.find("011")) << "the first in tree order";
    EXPECT_EQ(-1, t.find("ABC")) << "codes compare with their case";
    EXPECT_EQ(3, t.findChild(2, "011"));
    EXPECT_EQ(-1, t.findChild(0, "020"));
    EXPECT_EQ(2, t.findChild(-1, "020"));
}

TEST_F(CodeTreeTest, ActivitiesEventsAndCausesOfTheServices) {
    c->execute("INSERT INTO DCZYNN (ID, KOD, NAZWA, NAZWAKLASY) VALUES (1, 'C2', 'Pościg', 'TCzynnikOper')");
    c->execute("INSERT INTO DCZYNN (ID, KOD, NAZWA, NAZWAKLASY) VALUES (2, 'C1', 'Interwencja', 'TCzynnikOper')");
    c->execute("INSERT INTO DCZYNN (ID, KOD, NAZWA, NAZWAKLASY) VALUES (3, 'S1', 'Hałas', 'TCzynnikSzkodliwy')");
    c->execute("INSERT INTO DPLUSZCZYNN (ID, OPISCZYN) VALUES (7, 'Upadek')");
    c->execute("INSERT INTO DPLUSZCZYNN (ID, OPISCZYN) VALUES (5, 'Napaść')");
    // Two criterion types of one pair, and one type listed twice for a pair.
    c->execute("INSERT INTO DPLPOWCZYNN (ID, IDCZYNN, IDUSZCZYNN, NRTYPKRYT) VALUES (1, 2, 7, 1)");
    c->execute("INSERT INTO DPLPOWCZYNN (ID, IDCZYNN, IDUSZCZYNN, NRTYPKRYT) VALUES (2, 2, 5, 2)");
    c->execute("INSERT INTO DPLPOWCZYNN (ID, IDCZYNN, IDUSZCZYNN, NRTYPKRYT) VALUES (3, 2, 5, 2)");
    c->execute("INSERT INTO DPLPOWCZYNN (ID, IDCZYNN, IDUSZCZYNN, NRTYPKRYT) VALUES (4, 1, 7, 2)");
    c->execute("INSERT INTO KWOPER (ID, NRTYPKRYT, IDKRYTERIUM, KRYTERIUM) VALUES (1, 1, 'K1', 'Ślisko')");
    c->execute("INSERT INTO KWOPER (ID, NRTYPKRYT, IDKRYTERIUM, KRYTERIUM) VALUES (2, 2, 'K2', 'Agresja')");
    c->execute("INSERT INTO KWOPER (ID, NRTYPKRYT, IDKRYTERIUM, KRYTERIUM) VALUES (3, 2, 'K3', 'Narzędzie')");
    CodeTreeLoader loader(*c);
    EXPECT_EQ(2, loader.countActivities());
    const CodeTree t = loader.loadActivityEvents();
    EXPECT_EQ(outline(t), (QStringList{"[C1] Interwencja", "  [5] Napaść", "    [K2] Agresja", "    [K3] Narzędzie",
                                       "  [7] Upadek", "    [K1] Ślisko", "[C2] Pościg", "  [7] Upadek",
                                       "    [K2] Agresja", "    [K3] Narzędzie"}))
        << "activities by name, events by id, each cause once";
    EXPECT_EQ(2, t.nodes[1].parentId);
    EXPECT_EQ(5, t.nodes[2].parentId);
    EXPECT_EQ(0, t.nodes[0].parentId);
}

TEST(EventTriples, ThePickForOneOfTheFourRows) {
    auto triple = [](const char* a, const char* b, const char* c) {
        EventTriple t;
        t.code[0] = a;
        t.code[1] = b;
        t.code[2] = c;
        t.name[2] = QStringLiteral("nazwa ") + c;
        return t;
    };
    std::vector<EventTriple> rows{triple("C1", "5", "K2"), triple("C1", "7", "K1"), {}, {}};
    EXPECT_EQ(TripleOutcome::Unchanged, placeTriple(rows, 0, triple("C1", "5", "K2")));
    EXPECT_EQ(TripleOutcome::Duplicate, placeTriple(rows, 2, triple("C1", "7", "K1")));
    EXPECT_TRUE(rows[2].code[0].isEmpty()) << "the row stays as it was";
    EXPECT_EQ(TripleOutcome::Taken, placeTriple(rows, 2, triple("C1", "5", "K3")));
    EXPECT_EQ("K3", rows[2].code[2]);
    EXPECT_EQ("nazwa K3", rows[2].name[2]);
    EXPECT_EQ("Te Czynność/Wydarzenie/Przyczyna zostały już wybrane.", duplicateTripleMessage());
}

TEST(EventTriples, RowsStoredByTheirIdsCompareByTheIds) {
    // The pages store the rows' ids (codes are texts of the tree): a stored row and a
    // pick of the same rows are one triple whatever their codes.
    auto byIds = [](int a, int b, int c) {
        EventTriple t;
        t.id[0] = a;
        t.id[1] = b;
        t.id[2] = c;
        return t;
    };
    EventTriple picked = byIds(11, 21, 31);
    picked.code[0] = "C01";
    picked.code[1] = "21";
    picked.code[2] = "K1.1";
    std::vector<EventTriple> rows{byIds(11, 21, 31), {}, {}, {}};
    EXPECT_EQ(TripleOutcome::Unchanged, placeTriple(rows, 0, picked));
    EXPECT_EQ(TripleOutcome::Duplicate, placeTriple(rows, 1, picked));
    EventTriple other = byIds(11, 21, 32);
    other.code[0] = "C01";
    other.code[1] = "21";
    other.code[2] = "K1.1";  // the same code of another row of the criteria
    EXPECT_EQ(TripleOutcome::Taken, placeTriple(rows, 1, other));
    EXPECT_EQ(32, rows[1].id[2]);
}
