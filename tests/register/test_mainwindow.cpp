#include "MainWindowFixture.h"

#include "ui/FieldBinding.h"
#include "domain/Takes.h"
#include "db/Dataset.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSet>

using namespace zort;
using namespace zort::test;

namespace {

struct AccidentRow {
    int wypiz;
    int persons;
    bool operator==(const AccidentRow&) const = default;
};

void PrintTo(const AccidentRow& r, std::ostream* os) { *os << "{WYPIZ " << r.wypiz << ", POSZKODOWANI " << r.persons << "}"; }

AccidentRow accidentRow(Connection& c, int id) {
    Dataset ds(&c, QStringLiteral("SELECT WYPIZ, POSZKODOWANI FROM SKWWYPADKI WHERE ID = :id"));
    ds.setParam(QStringLiteral("id"), id);
    ds.open();
    return {int(ds.field("WYPIZ").asInt()), int(ds.field("POSZKODOWANI").asInt())};
}

} // namespace

TEST_F(MainWindowTest, AddAndDeleteAccidentsAndPersons) {
    EXPECT_FALSE(w->findChild<QComboBox*>(QStringLiteral("cbLiczbaPrac"))->isEnabled()) << "disabled without a record";
    w->DodWypBtnClick();
    ASSERT_EQ(1, accidentCount());
    const int id = dm->accidentId();
    EXPECT_EQ(1, dm->qrySKWWypadki->recordCount());
    EXPECT_EQ((AccidentRow{0, 1}), accidentRow(c(), id));
    EXPECT_EQ("1", edit("ewNumer")->text());
    EXPECT_EQ("1", edit("ewPoszkodowani")->text());

    w->DodPoszkBtnClick();
    EXPECT_EQ((AccidentRow{1, 2}), accidentRow(c(), id));
    EXPECT_EQ(2, dm->qrySKWPoszkodowani->recordCount());
    EXPECT_EQ(1, radio("rgwWypIZ")->itemIndex());

    // Deleting a person: asked in the confirmation dialog, refused once, done once.
    ui.confirmAnswers = {2};
    w->sbKasPoszkBtnClick();
    EXPECT_EQ(" Czy na pewno usunąć dane o poszkodowanym?", ui.lastText());
    EXPECT_EQ(2, value("SELECT COUNT(*) FROM SKWPOSZKODOWANI").toInt());
    ui.confirmAnswers = {1};
    w->sbKasPoszkBtnClick();
    EXPECT_EQ(1, value("SELECT COUNT(*) FROM SKWPOSZKODOWANI").toInt());
    EXPECT_EQ((AccidentRow{0, 1}), accidentRow(c(), id));

    // The last person cannot be deleted.
    ui.clear();
    w->sbKasPoszkBtnClick();
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Nie może być wypadku bez poszkodowanego", ui.shown[0].text);
    EXPECT_EQ(1, value("SELECT COUNT(*) FROM SKWPOSZKODOWANI").toInt());

    // Deleting the accident: "Rezygnuj" keeps it, "Akceptuj" deletes it and empties the pages.
    ui.confirmAnswers = {2};
    w->sbKasWypBtnClick();
    EXPECT_EQ(" Czy na pewno usunąć dane o wypadku?", ui.lastText());
    EXPECT_EQ(1, accidentCount());
    ui.confirmAnswers = {1};
    w->sbKasWypBtnClick();
    EXPECT_EQ(0, accidentCount());
    EXPECT_EQ(0, value("SELECT COUNT(*) FROM SKWPOSZKODOWANI").toInt());
    EXPECT_TRUE(edit("ewNumer")->text().isEmpty());
    EXPECT_EQ("Wypadek z dnia ", w->subPages(Register::AtWork)->tabText(1));
    EXPECT_EQ("Poszkodowany: ", w->subPages(Register::AtWork)->tabText(2));

    // Adding a person needs an accident.
    ui.clear();
    w->DodPoszkBtnClick();
    EXPECT_EQ("Przed dodaniem danych poszkodowanego w wypadku należy dodać dane związane z wypadkiem", ui.lastText());
}

TEST_F(MainWindowTest, SaveAndLoadEveryKindOfControl) {
    w->DodWypBtnClick();
    const int id = dm->accidentId();
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1");
    dm->qrySKWPoszkodowani->refresh();
    w->loadRecord(Register::AtWork);
    w->showSubPage(Register::AtWork, 1);
    ASSERT_TRUE(editing());

    edit("ewData")->setText("2024-05-09 7:45");
    edit("ewStratyZl")->setText("12.5");
    edit("ewMiejsceWyp")->setText(QString::fromUtf8("Hala \"A\", stanowisko O'Neilla — żółć"));
    memo("mpDodBranza00")->setPlainText("pierwszy wiersz\ndrugi wiersz");
    memo("mrOkolicznosci01")->setPlainText(QString::fromUtf8("Pracownik potknął się o \"kabel\"."));
    edit("erDataZg")->setText("2024-05-09");
    radio("rgpPlec")->setItemIndex(1);
    w->findChild<QCheckBox*>("cbpSzkOkres")->setChecked(true);
    w->sbZapiszBtnClick();
    EXPECT_TRUE(editing()) << "editing goes on after Zapisz on an entry page";
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('|').toStdString();

    Dataset check(&c(), "SELECT W.DATA, W.STRATYZL, W.MIEJSCEWYP, W.DATAZGMIN, P.DODBRANZA, P.OKOLICZNOSCI, P.PLEC, "
                        "P.SZKOKRES, P.DATAZG FROM SKWWYPADKI W JOIN SKWPOSZKODOWANI P ON P.IDWYPADKU = W.ID");
    check.open();
    EXPECT_EQ(QDateTime(QDate(2024, 5, 9), QTime(7, 45)), check.field("DATA").asDateTime());
    EXPECT_DOUBLE_EQ(12.5, check.field("STRATYZL").asFloat());
    EXPECT_EQ(QString::fromUtf8("Hala \"A\", stanowisko O'Neilla — żółć"), check.field("MIEJSCEWYP").asString());
    EXPECT_EQ(QDateTime(QDate(2024, 5, 9), QTime(0, 0)), check.field("DATAZGMIN").asDateTime());
    EXPECT_EQ("pierwszy wiersz\r\ndrugi wiersz", check.field("DODBRANZA").asString());
    EXPECT_EQ(QString::fromUtf8("Pracownik potknął się o \"kabel\"."), check.field("OKOLICZNOSCI").asString());
    EXPECT_EQ(2, check.field("PLEC").asInt());  // "kobieta" is stored as 2
    EXPECT_EQ("t", check.field("SZKOKRES").asTrimmed());

    // The pages show what was stored.
    w->loadRecord(Register::AtWork);
    EXPECT_EQ("2024-05-09 07:45:00", edit("ewData")->text());
    EXPECT_EQ("12.50", edit("ewStratyZl")->text());
    EXPECT_EQ("pierwszy wiersz\ndrugi wiersz", memo("mpDodBranza00")->toPlainText());
    EXPECT_EQ(1, radio("rgpPlec")->itemIndex());
    EXPECT_EQ(QString::fromUtf8("Wypadek z dnia 2024-05-09 07:45:00"), w->subPages(Register::AtWork)->tabText(1));
    EXPECT_EQ(id, dm->accidentId());
}

TEST_F(MainWindowTest, TheEarliestReportDateIgnoresMissingDates) {
    w->DodWypBtnClick();
    w->DodPoszkBtnClick();
    const int id = dm->accidentId();
    // The other person has no report date (the zero date); this one types one.
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1, DATAZG = '1899-12-30'");
    c().execute("UPDATE SKWWYPADKI SET DATA = '2024-04-01 08:00'");
    dm->reopenLists(Register::AtWork);
    w->loadRecord(Register::AtWork);
    w->showSubPage(Register::AtWork, 2);
    edit("erDataZg")->setText("2024-04-02");
    w->sbZapiszBtnClick();
    EXPECT_EQ(QDateTime(QDate(2024, 4, 2), QTime(0, 0)),
              value("SELECT DATAZGMIN FROM SKWWYPADKI WHERE ID = :id", Params{{"id", id}}).toDateTime());
}

TEST_F(MainWindowTest, EditingTakesTheAccidentAndTheListReleasesIt) {
    w->DodWypBtnClick();
    const int id = dm->accidentId();
    w->showSubPage(Register::AtWork, 1);
    EXPECT_EQ(1, w->subPage(Register::AtWork));
    EXPECT_TRUE(editing());
    EXPECT_EQ("STACJA-A", value("SELECT TRIM(COMPNAME) FROM SKWWYPADKI").toString());
    EXPECT_TRUE(value("SELECT CZASZAK FROM SKWWYPADKI").isNull());
    EXPECT_FALSE(enabled("DodWypBtn"));
    EXPECT_FALSE(enabled("SKWBtn"));
    EXPECT_FALSE(w->registers()->isTabVisible(1)) << "the other registers are hidden while editing";
    EXPECT_EQ(31200, w->helpContext());

    edit("ewSymbolWyp")->setText("ZM-1");
    w->showSubPage(Register::AtWork, 0);  // back to the list: saved and released
    EXPECT_FALSE(editing());
    EXPECT_EQ("ZM-1", value("SELECT SYMBOLWYP FROM SKWWYPADKI WHERE ID = :id", Params{{"id", id}}).toString());
    EXPECT_FALSE(value("SELECT CZASZAK FROM SKWWYPADKI").isNull());
    EXPECT_TRUE(enabled("DodWypBtn"));
    EXPECT_TRUE(w->registers()->isTabVisible(1));

    // Another computer holds the accident: the message, and the list stays.
    auto other = db.connect(QStringLiteral("other-computer"));
    Takes(*other, QStringLiteral("STACJA-B")).TakeAccident(id, QStringLiteral("SKWWypadki"));
    w->showSubPage(Register::AtWork, 1);
    EXPECT_EQ(0, w->subPage(Register::AtWork));
    EXPECT_FALSE(editing());
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.lastText(), Takes::heldMessage("STACJA-B", value("SELECT CZASROZP FROM SKWWYPADKI").toDateTime()));
    EXPECT_EQ(ui.shown.back().icon, MsgIcon::Error);
    EXPECT_EQ("STACJA-B", value("SELECT TRIM(COMPNAME) FROM SKWWYPADKI").toString());
}

TEST_F(MainWindowTest, EditingNeedsAnAccident) {
    w->showSubPage(Register::AtWork, 2);
    EXPECT_EQ(0, w->subPage(Register::AtWork));
    EXPECT_EQ("Najpierw należy dodać wypadek, a następnie można wprowadzać dane . ", ui.lastText());
}

TEST_F(MainWindowTest, DocumentWindowsOpenThroughTheFactoryAndReleaseTheTake) {
    w->DodWypBtnClick();
    c().execute("UPDATE SKWWYPADKI SET WERSJASKW = 4");
    dm->qrySKWWypadki->refresh();
    w->loadRecord(Register::AtWork);
    w->SKWBtnClick();
    w->ProtokolBtnClick();
    EXPECT_EQ(QStringList({"TSKWForm_4", "TProtPowForm"}), opened);
    EXPECT_EQ(QList<bool>({true, true}), openedEditable);
    EXPECT_FALSE(value("SELECT CZASZAK FROM SKWWYPADKI").isNull()) << "released after the window closed";
    // A window this build does not have is reported as missing.
    c().execute("UPDATE SKWWYPADKI SET WERSJASKW = 3");
    dm->qrySKWWypadki->refresh();
    w->loadRecord(Register::AtWork);
    w->SKWBtnClick();
    EXPECT_EQ(DocumentWindows::missingMessage("TSKWForm_3"), ui.lastText());
}

TEST_F(MainWindowTest, AClosedAccidentCannotBeChangedOrDeleted) {
    w->DodWypBtnClick();
    w->DodPoszkBtnClick();
    c().execute("UPDATE SKWWYPADKI SET BLOK = 1, SYMBOLWYP = 'X'");
    dm->qrySKWWypadki->refresh();
    w->loadRecord(Register::AtWork);
    EXPECT_FALSE(enabled("sbKasWypBtn"));
    EXPECT_FALSE(enabled("DodPoszkBtn"));
    EXPECT_FALSE(enabled("sbKasPoszkBtn"));
    EXPECT_FALSE(w->menuItem("Skasuj Wypadek")->isEnabled());
    EXPECT_FALSE(edit("ewSymbolWyp")->isEnabled());
    w->showSubPage(Register::AtWork, 1);
    edit("ewSymbolWyp")->setText("Y");
    w->showSubPage(Register::AtWork, 0);
    EXPECT_EQ("X", value("SELECT SYMBOLWYP FROM SKWWYPADKI").toString()) << "no save on a closed accident";
}

TEST_F(MainWindowTest, SaveRefusedKeepsTheTypedValues) {
    w->DodWypBtnClick();
    w->showSubPage(Register::AtWork, 1);
    edit("ewSymbolWyp")->setText("NOWY");
    edit("ewData")->setText("2024-13-45");  // not a date: the accident row is refused
    w->sbZapiszBtnClick();
    EXPECT_EQ("Brak lub zły format daty.", ui.lastText());
    EXPECT_TRUE(editing());
    EXPECT_EQ("2024-13-45", edit("ewData")->text());
    EXPECT_EQ("NOWY", edit("ewSymbolWyp")->text());
    EXPECT_EQ("", value("SELECT SYMBOLWYP FROM SKWWYPADKI").toString());
    // Corrected, it saves.
    edit("ewData")->setText("2024-05-01 12:00");
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ("NOWY", value("SELECT SYMBOLWYP FROM SKWWYPADKI").toString());

    // The accident was deleted by another workstation: reported, never as success.
    c().execute("DELETE FROM SKWPOSZKODOWANI");
    c().execute("DELETE FROM SKWWYPADKI");
    edit("ewSymbolWyp")->setText("INNY");
    w->sbZapiszBtnClick();
    EXPECT_EQ("Błąd przy zapisie danych !!!\r\nZapisywany rekord nie istnieje już w bazie danych.", ui.lastText());
    EXPECT_TRUE(editing());

    // "Koniec" stays open while the save is refused.
    ui.confirmAnswers = {1};
    EXPECT_FALSE(w->close());
    EXPECT_EQ(" Czy zapisać dane przed zakończeniem programu ?", ui.shown[ui.shown.size() - 2].text);
}

TEST_F(MainWindowTest, AccidentMovedToAnotherYearLeavesTheWindow) {
    w->DodWypBtnClick();
    const int id = dm->accidentId();
    w->showSubPage(Register::AtWork, 1);
    edit("ewDataRejWyp")->setText("2023-12-30");
    edit("ewData")->setText("2023-12-29 10:00");
    w->sbZapiszBtnClick();
    EXPECT_EQ(0, w->subPage(Register::AtWork));
    EXPECT_FALSE(editing());
    EXPECT_TRUE(dm->qrySKWWypadki->isEmpty());
    EXPECT_FALSE(value("SELECT CZASZAK FROM SKWWYPADKI WHERE ID = :id", Params{{"id", id}}).isNull());
}

TEST_F(MainWindowTest, AccidentMovedToAnotherYearIsGivenBack) {
    w->DodWypBtnClick();
    const int id = dm->accidentId();
    ASSERT_GT(id, 0);
    w->showSubPage(Register::AtWork, 1);
    ASSERT_TRUE(editing());
    // Saved with its registration in another year: the window must not go on
    // editing some other accident without a take.
    edit("ewData")->setText(QStringLiteral("2023-12-29 10:00"));
    edit("ewDataRejWyp")->setText(QStringLiteral("2023-12-30"));
    w->sbZapiszBtnClick();
    EXPECT_EQ(0, w->subPage(Register::AtWork));
    EXPECT_FALSE(editing());
    EXPECT_TRUE(dm->qrySKWWypadki->isEmpty());
    EXPECT_EQ(QDate(2023, 12, 30), value("SELECT DATAREJWYP FROM SKWWYPADKI WHERE ID = :id", Params{{"id", id}}).toDate());
    EXPECT_FALSE(value("SELECT CZASZAK FROM SKWWYPADKI WHERE ID = :id", Params{{"id", id}}).isNull());
}

TEST_F(MainWindowTest, BoundControlsNameColumnsOfTheirRows) {
    w->DodWypBtnClick();
    QMap<QString, QSet<QString>> columns;
    for (const Dataset* ds : {static_cast<const Dataset*>(dm->qrySKWWypadki), static_cast<const Dataset*>(dm->qrySKWPoszkodowani)})
        for (const QString& col : ds->columns())
            columns[ds == dm->qrySKWWypadki ? "accident" : "person"].insert(col);
    const FieldBinder& b = w->binder(Register::AtWork);
    ASSERT_GT(b.controls().size(), 150);
    for (const BoundControl& c : b.controls())
        EXPECT_TRUE(columns[b.rule(c.selector)->target].contains(c.column.toUpper())) << c.widget->objectName().toStdString();
}

TEST_F(MainWindowTest, TheCommutingPagesAndTheirHelpContexts) {
    w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
    EXPECT_EQ(41000, w->helpContext());
    w->DodWypBtnClick();
    auto* accident = w->findChild<QTabWidget*>("pczWypadek");
    auto* person = w->findChild<QTabWidget*>("pczPoszkodowany");
    ASSERT_TRUE(accident && person);
    EXPECT_EQ(4, accident->count());
    EXPECT_EQ(QString::fromUtf8("Dane o zatrudnieniu"), person->tabText(1));
    w->showSubPage(Register::Commuting, 1);
    EXPECT_EQ(42000, w->helpContext());
    w->showSubPage(Register::Commuting, 2);
    EXPECT_EQ(43100, w->helpContext());
    person->setCurrentIndex(1);
    EXPECT_EQ(43200, w->helpContext());
    person->setCurrentIndex(0);
    EXPECT_EQ(43100, w->helpContext());
}
