// The shared pickers: the structure tree with its progress window, the list picker
// and the calendar (offscreen; the modal windows are answered by timers).
#include "ui/ProgresForm.h"
#include "db/Dataset.h"
#include "ui/KalendarzForm.h"
#include "ui/ListForm.h"
#include "ui/StructureTree.h"
#include "ui/ZatrudnienieForm.h"
#include "support/ModalDriver.h"
#include "support/StructureSample.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace zort;
using namespace zort::test;

namespace {

QStringList childTexts(const QTreeWidgetItem* node) {
    QStringList out;
    for (int i = 0; i < node->childCount(); ++i) out << node->child(i)->text(0);
    return out;
}

} // namespace

TEST_F(StructureTest, TheStructureTreeOfTheReferenceDate) {
    QTreeWidget tree;
    QString captionWhileLoading;
    int maximum = 0;
    QObject::connect(progressWindow().bar(), &QProgressBar::valueChanged, [&](int) {
        captionWhileLoading = progressWindow().caption();
        maximum = progressWindow().bar()->maximum();
    });
    LoadStructureTree(&tree);
    EXPECT_EQ("Wczytywanie struktury przedsiębiorstwa", captionWhileLoading);
    EXPECT_EQ(18, maximum) << "every row of OSTRUKT";
    EXPECT_FALSE(progressWindow().isVisible());

    ASSERT_EQ(2, tree.topLevelItemCount());
    QTreeWidgetItem* firm = tree.topLevelItem(0);
    EXPECT_EQ("[F] Firma", firm->text(0));
    EXPECT_EQ("[G] Druga firma", tree.topLevelItem(1)->text(0));
    EXPECT_EQ(childTexts(firm), (QStringList{"[A] Produkcja", "[D] Pusty dział", "[E] Magazyn"}));
    QTreeWidgetItem* welder = findStructureNode(&tree, 13);
    ASSERT_TRUE(welder);
    EXPECT_EQ("[A31] Spawacz", welder->text(0));
    EXPECT_EQ(12, structureNode(welder->parent()).ID);
    EXPECT_EQ(1, TopElementOf(welder));
    EXPECT_EQ(20, TopElementOf(tree.topLevelItem(1)));
    EXPECT_EQ(nullptr, findStructureNode(&tree, 8)) << "below a denied unit";

    // Ordered by short name when the administration window says so.
    admSettings().sortStrukList = 0;
    LoadStructureTree(&tree);
    EXPECT_EQ("[G] Druga firma", tree.topLevelItem(0)->text(0));
    EXPECT_EQ(childTexts(tree.topLevelItem(1)), (QStringList{"[E] Magazyn", "[A] Produkcja", "[D] Pusty dział"}));
}

namespace {

QStringList columnHeaders(const QTableWidget* grid) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c) out << grid->model()->headerData(c, Qt::Horizontal).toString();
    return out;
}

// The texts of the grid, week by week, the days split by "|" (empty cells outside
// the month).
QStringList weeks(const QTableWidget* grid) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList week;
        for (int c = 0; c < grid->columnCount(); ++c) week << grid->item(r, c)->text();
        out << week.join('|');
    }
    return out;
}

// The cell of the grid that shows the day.
QRect cellOf(const TKalendarzForm& cal, const QDate& day) {
    const QTableWidget* grid = cal.days();
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (cal.dateAt(r, c) == day) return grid->visualItemRect(grid->item(r, c));
    return {};
}

} // namespace

TEST(Calendar, PolishMonthNamesInTheTitle) {
    QStringList names;
    for (int m = 1; m <= 12; ++m) names << TKalendarzForm::monthName(m);
    EXPECT_EQ(names, (QStringList{"styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec", "lipiec", "sierpień",
                                  "wrzesień", "październik", "listopad", "grudzień"}))
        << "lower case, the nominative (not \"lutego\")";
    EXPECT_EQ("", TKalendarzForm::monthName(0));
    EXPECT_EQ("", TKalendarzForm::monthName(13));

    TKalendarzForm cal;
    cal.setDate(QDate(2024, 2, 29));
    EXPECT_EQ("luty, 2024", cal.title());
    EXPECT_EQ("luty, 2024", cal.findChild<QLabel*>("lMiesiac")->text());
    cal.setDate(QDate(2024, 9, 1));
    EXPECT_EQ("wrzesień, 2024", cal.title());
    cal.setDate(QDate(2024, 10, 31));
    EXPECT_EQ("październik, 2024", cal.title());
    EXPECT_EQ("Kalendarz", cal.windowTitle());
}

TEST(Calendar, WeekdayNamesHeadTheColumnsOfTheGridOfDays) {
    TKalendarzForm cal;
    const QStringList weekdays{"pon.", "wt.", "śr.", "czw.", "pt.", "sob.", "niedz."};
    EXPECT_EQ(weekdays, TKalendarzForm::weekdayNames()) << "the Polish week starts on Monday";
    const QTableWidget* grid = cal.findChild<QTableWidget*>("Calendar1");
    ASSERT_EQ(cal.days(), grid);
    EXPECT_EQ(weekdays, columnHeaders(grid));
    EXPECT_TRUE(grid->horizontalHeader()->isVisibleTo(&cal));
    EXPECT_FALSE(grid->verticalHeader()->isVisibleTo(&cal));

    // February 2024 starts on a Thursday; every cell holds a day, never a weekday name.
    cal.setDate(QDate(2024, 2, 29));
    EXPECT_EQ(weeks(grid), (QStringList{"|||1|2|3|4", "5|6|7|8|9|10|11", "12|13|14|15|16|17|18",
                                        "19|20|21|22|23|24|25", "26|27|28|29|||", "||||||"}));
    EXPECT_EQ(QDate(2024, 2, 1), cal.dateAt(0, 3));
    EXPECT_EQ(QDate(), cal.dateAt(0, 2)) << "before the first day";
    EXPECT_FALSE(grid->item(0, 2)->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(grid->item(4, 3), grid->currentItem()) << "the chosen day is the current cell";
    EXPECT_TRUE(grid->currentItem()->isSelected());
    // September 2024 starts on a Sunday and needs all six weeks.
    cal.setDate(QDate(2024, 9, 15));
    EXPECT_EQ("||||||1", weeks(grid).first());
    EXPECT_EQ("30||||||", weeks(grid).last());
    EXPECT_EQ(columnHeaders(grid), weekdays) << "the headers stay";
}

TEST(Calendar, MonthsYearsAndTheChosenDay) {
    TKalendarzForm cal;
    cal.setDate(QDate(2024, 2, 29));
    cal.NastepnyRokClick();
    EXPECT_EQ(QDate(2024, 2, 29), cal.date()) << "2025 has no 29 February: the calendar stays";
    EXPECT_EQ("luty, 2024", cal.title());
    cal.PoprzedniRokClick();
    EXPECT_EQ(QDate(2024, 2, 29), cal.date());
    cal.setDate(QDate(2024, 1, 31));
    cal.NastepnyMiesiacClick();
    EXPECT_EQ(QDate(2024, 2, 29), cal.date()) << "the last day of the shorter month";
    cal.PoprzedniMiesiacClick();
    EXPECT_EQ(QDate(2024, 1, 29), cal.date());
    cal.NastepnyRokClick();
    EXPECT_EQ(QDate(2025, 1, 29), cal.date());
    EXPECT_EQ("styczeń, 2025", cal.title());
    cal.setDate(QDate(2024, 12, 15));
    cal.NastepnyMiesiacClick();
    EXPECT_EQ("styczeń, 2025", cal.title());
    EXPECT_EQ("1", cal.days()->item(0, 2)->text()) << "the grid follows: 1 January 2025 is a Wednesday";

    // Clicking the buttons by their captions.
    cal.findChild<QPushButton*>("bPoprzedniRok")->click();
    EXPECT_EQ(QDate(2024, 1, 15), cal.date());
    EXPECT_EQ("styczeń, 2024", cal.title());
    cal.findChild<QPushButton*>("bNastepnyMiesiac")->click();
    EXPECT_EQ("luty, 2024", cal.title());
    cal.findChild<QPushButton*>("bPoprzedniMiesiac")->click();
    cal.findChild<QPushButton*>("bNastepnyRok")->click();
    EXPECT_EQ(QDate(2025, 1, 15), cal.date());

    // A day clicked in the grid and accepted is returned; a double click accepts;
    // an empty cell chooses nothing; "Rezygnuj" returns nothing.
    ModalAnswer accept([&cal]() {
        QTest::mouseClick(cal.days()->viewport(), Qt::LeftButton, {}, cellOf(cal, QDate(2024, 3, 7)).center());
        EXPECT_EQ(QDate(2024, 3, 7), cal.date());
        const QRect empty = cal.days()->visualItemRect(cal.days()->item(0, 0));  // March 2024 starts on a Friday
        QTest::mouseClick(cal.days()->viewport(), Qt::LeftButton, {}, empty.center());
        EXPECT_EQ(QDate(2024, 3, 7), cal.date());
        EXPECT_EQ("marzec, 2024", cal.title());
        cal.findChild<QPushButton*>("bbAkceptuj")->click();
    });
    EXPECT_EQ(std::optional<QDate>(QDate(2024, 3, 7)), cal.choose(QDate(2024, 3, 1)));
    ModalAnswer doubleClick([&cal]() {
        const QPoint at = cellOf(cal, QDate(2024, 9, 30)).center();
        QTest::mouseClick(cal.days()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(cal.days()->viewport(), Qt::LeftButton, {}, at);
        if (cal.isVisible()) cal.reject();  // the double click did not choose: the test fails below
    });
    EXPECT_EQ(std::optional<QDate>(QDate(2024, 9, 30)), cal.choose(QDate(2024, 9, 1)));
    ModalAnswer cancel([&cal]() { cal.findChild<QPushButton*>("bbRezygnuj")->click(); });
    EXPECT_EQ(std::nullopt, cal.choose(QDate(2024, 3, 1)));
}

TEST_F(DictionaryTest, TheListPicker) {
    exec("INSERT INTO SKWUMOWY (ID, SKROT) VALUES (1, 'umowa o pracę')");
    exec("INSERT INTO SKWUMOWY (ID, SKROT) VALUES (2, 'umowa zlecenia')");
    Dataset contracts(&c(), "SELECT * FROM SKWUMOWY ORDER BY ID");
    contracts.open();
    TListForm& list = listForm();
    list.FillList(contracts, 1);
    ASSERT_EQ(2, list.list()->count());
    EXPECT_EQ("2 - umowa zlecenia", list.list()->item(1)->text());

    QLineEdit code;
    for (const QString& text : {QString(), QStringLiteral("umowa o pracę")}) {
        code.setText(text);
        list.SelectListEntry(&code, 1);
        EXPECT_EQ(-1, list.selectedIndex()) << "a code field that holds a name or nothing: no selection";
    }
    code.setText("2");
    list.SelectListEntry(&code, 1);
    EXPECT_EQ(1, list.selectedIndex());
    list.SelectListEntry(&code, 7);
    EXPECT_EQ(-1, list.selectedIndex());

    Dataset kinds(&c(), "SELECT * FROM SKWSTATUSZATR ORDER BY ID");
    kinds.open();
    list.FillList(kinds, 5);
    const QString secondCode = kinds.fieldAt(1, "KOD").asString();
    code.setText(secondCode);
    list.SelectListEntry(&code, 3);
    EXPECT_EQ(1, list.selectedIndex());
    EXPECT_EQ((DictObject{TQvLista{int(kinds.fieldAt(1, "ID").asInt()), kinds.fieldAt(1, "NAZWA").asString(), secondCode}}),
              list.selectedObject());

    // A double click chooses; Escape closes without a choice.
    ModalAnswer doubleClick([&list]() {
        QListWidget* l = list.list();
        if (!QTest::qWaitForWindowExposed(&list)) list.reject();
        const QPoint at = l->visualItemRect(l->item(2)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
        if (list.isVisible()) list.reject();  // the double click did not choose: the test fails below
    });
    EXPECT_TRUE(list.choose("Status zatrudnienia"));
    EXPECT_EQ(2, list.selectedIndex());
    EXPECT_EQ("Status zatrudnienia", list.windowTitle());
    ModalAnswer escape([&list]() { QTest::keyClick(list.list(), Qt::Key_Escape); });
    EXPECT_FALSE(list.choose());
}

TEST_F(StructureTest, ThePositionPickerReturnsThePositionAndItsEmployer) {
    exec("UPDATE OSTRUKT SET KODPOCZ = '63-740', MIEJSCOW = 'Modrzewo', ADRES = 'ul. Lipowa 5', NIP = '7793014525', "
         "NRREGON = '631287540', KODEKD = '25.62.Z' WHERE ID = 1");
    admSettings().pozDoZatr = "1";
    TZatrudnienieForm& picker = positionForm();
    QString shownLevel;
    ModalAnswer chooseAfterRefusal([&]() {
        EXPECT_EQ(13, structureNode(picker.tree()->currentItem()).ID) << "opened on the position of the field";
        shownLevel = picker.findChild<QLabel*>("LZatr_w")->text();
        // A unit is no position: "Nie" keeps the window open.
        picker.tree()->setCurrentItem(findStructureNode(picker.tree(), 12));
        ui.answers = {MsgAnswer::No};
        picker.findChild<QPushButton*>("OKBtn")->click();
        EXPECT_TRUE(picker.isVisible());
        picker.tree()->setCurrentItem(findStructureNode(picker.tree(), 3));
        picker.findChild<QPushButton*>("OKBtn")->click();
    });
    ASSERT_TRUE(picker.choose(13));
    EXPECT_EQ("Produkcja", shownLevel);
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Nie wybrano żadnego stanowiska, czy zamknąć okno ?", ui.shown[0].text);
    EXPECT_EQ("Zamknąć okno ?", ui.shown[0].caption);
    EXPECT_EQ((QList<std::pair<QString, QString>>{{"epStanowKod", "A1"}, {"epIdStanow", "3"}, {"epStanowSkrot", "Tokarz"},
                                                  {"epStruktSkrot", "Produkcja"}, {"epPrzedsieb", "Firma"},
                                                  {"epKodEKD", "25.62.Z"}, {"epRegon", "631287540"},
                                                  {"epAdresFirma", "63-740 Modrzewo ul. Lipowa 5"}, {"epNipFirma", "7793014525"}}),
              positionFieldValues(picker.position(), picker.elementAtLevel(), picker.top()));

    // "Tak" closes it without a choice.
    ModalAnswer closeWithoutChoice([&]() {
        picker.tree()->setCurrentItem(findStructureNode(picker.tree(), 2));
        ui.answers = {MsgAnswer::Yes};
        picker.findChild<QPushButton*>("OKBtn")->click();
    });
    EXPECT_FALSE(picker.choose(3));
    EXPECT_EQ("", positionFieldValues({}, {}, TStrukt{}).at(7).second) << "no address without its parts";
}

TEST_F(StructureTest, TheLevelOfThePositionPickerIsASmallWholeNumber) {
    admSettings().pozDoZatr = "1";
    TZatrudnienieForm& picker = positionForm();
    auto* level = picker.findChild<QLineEdit*>("ePoziom");
    ASSERT_TRUE(level);
    ui.clear();
    // (The field holds two characters.)
    for (const char* refused : {"ab", "-1", "-9"}) {
        level->setText(QString::fromLatin1(refused));
        picker.ePoziomExit();
        EXPECT_EQ("1", admSettings().pozDoZatr) << refused;
    }
    EXPECT_EQ(ui.texts(), (QStringList{"Zły format liczby całkowitej.", "Tylko liczby dodatnie. Max. 32767.",
                                       "Tylko liczby dodatnie. Max. 32767."}));
    level->setText("3");
    picker.ePoziomExit();
    EXPECT_EQ("3", admSettings().pozDoZatr);
    EXPECT_EQ("3", level->text());
}
