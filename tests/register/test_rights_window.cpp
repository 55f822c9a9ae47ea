// The main window as each user's rights make it: view-only, no access, closing
// accidents, and the register of the run in registers mode.
#include "MainWindowFixture.h"

#include "core/AccessRights.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace zort;
using namespace zort::test;

namespace {

// An accident at work with one employee, written by someone with the full right.
void writeAccident(Connection& c, int blok = 0) {
    c.execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, BLOK, WERSJASKW, POSZKODOWANI) "
              "VALUES (1, 1, '2024-05-02 08:00:00', '2024-05-03', 'A', :blok, 5, 1)",
              Params{{"blok", blok}});
    c.execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, RODZUMOWY) VALUES (1, 1, 1, 1)");
}

QStringList enabledCommands(TRejestrWypForm* w, const QStringList& names) {
    QStringList on;
    for (const QString& n : names)
        if (QAction* a = w->button(n); a && a->isEnabled()) on << n;
    return on;
}

const QStringList kButtons{"DodWypBtn", "DodPoszkBtn", "sbKasWypBtn", "sbKasPoszkBtn", "SKWBtn", "ProtokolBtn",
                           "DokumBtn",  "TestBtn",     "sbZapiszBtn", "DrukBtn",       "bZnajdz", "PomocBtn",
                           "AdminOg",   "sbZamknijBtn", "AdminBtn"};

QStringList enabledMenuItems(TRejestrWypForm* w) {
    QStringList on;
    for (const char* caption : {"Dodaj wypadek", "Dodaj poszkodowanego", "Skasuj Wypadek", "Skasuj poszkodowanego",
                                "Koniec", "Statystyczna Karta Wypadku ...", "Protokół Powypadkowy ...", "Załączniki ...",
                                "Test danych ...", "Wydruki", "Administrator ...", "Pomoc"})
        if (w->menuItem(QString::fromUtf8(caption))->isEnabled()) on << QString::fromUtf8(caption);
    return on;
}

class ViewOnlyWindowTest : public MainWindowTest {
protected:
    void SetUp() override { start(1); }  // with the right to close accidents, which needs the full right
    void beforeWindow() override { writeAccident(c()); }
};

class AdminModuleRightTest : public MainWindowTest {
protected:
    void SetUp() override {}
};

class NoAccessWindowTest : public MainWindowTest {
protected:
    void SetUp() override {}
    void beforeWindow() override { writeAccident(c()); }
};

} // namespace

TEST_F(ViewOnlyWindowTest, DocumentsOpenReadOnlyAndNothingIsSaved) {
    EXPECT_EQ((QStringList{"SKWBtn", "ProtokolBtn", "DokumBtn", "PomocBtn", "AdminOg", "sbZamknijBtn", "AdminBtn"}),
              enabledCommands(w, kButtons));
    EXPECT_EQ((QStringList{"Koniec", "Statystyczna Karta Wypadku ...", "Protokół Powypadkowy ...", "Załączniki ...",
                           "Administrator ...", "Pomoc"}),
              enabledMenuItems(w));
    EXPECT_TRUE(w->registers()->isEnabled());
    EXPECT_FALSE(edit("ewSymbolWyp")->isEnabled());
    EXPECT_FALSE(radio("rgwBlok")->isEnabled());

    w->showSubPage(Register::AtWork, 1);
    EXPECT_EQ(1, w->subPage(Register::AtWork));  // the pages can be viewed
    edit("ewSymbolWyp")->setText("B");
    w->sbZapiszBtnClick();
    w->showSubPage(Register::AtWork, 0);
    EXPECT_EQ("A", value("SELECT SYMBOLWYP FROM SKWWYPADKI").toString());

    w->button("SKWBtn")->trigger();
    w->menuItem(QString::fromUtf8("Protokół Powypadkowy ..."))->trigger();
    w->button("DokumBtn")->trigger();
    w->AdminBtnClick();
    EXPECT_EQ((QStringList{"TSKWForm_5", "TProtPowForm", "TZalacznikiForm", "TAdmForm_W"}), opened);
    EXPECT_EQ((QList<bool>{false, false, false, false}), openedEditable);
    // Whatever a window is asked for, it opens read-only for this user.
    DocumentWindows::open({QStringLiteral("TAdmDrukForm"), true, w});
    EXPECT_FALSE(openedEditable.last());

    // The commands of the full right do nothing, even when something enabled them.
    w->button("DodWypBtn")->setEnabled(true);
    w->button("DodWypBtn")->trigger();
    w->button("TestBtn")->setEnabled(true);
    w->button("TestBtn")->trigger();
    EXPECT_EQ(1, accidentCount());
    EXPECT_EQ(5, opened.size());
    w->close();
    EXPECT_TRUE(ui.shown.empty());  // closing asks nothing
}

TEST_F(NoAccessWindowTest, OnlyHelpClosingAndTheAdministrationModule) {
    start(0);  // AZAKL 1
    EXPECT_EQ((QStringList{"PomocBtn", "AdminOg", "sbZamknijBtn"}), enabledCommands(w, kButtons));
    EXPECT_EQ((QStringList{"Koniec", "Pomoc"}), enabledMenuItems(w));
    EXPECT_FALSE(w->registers()->isEnabled());
    EXPECT_FALSE(w->list("DBGridWypadki")->isEnabled());
    EXPECT_EQ(0, dm->qrySKWWypadki->recordCount()) << "the accidents are not shown";
    EXPECT_EQ(QString::fromUtf8("Rejestr wypadków na rok: 2024"), w->windowTitle());
    w->menuItem("Dodaj wypadek")->setEnabled(true);
    w->menuItem("Dodaj wypadek")->trigger();
    EXPECT_EQ(1, accidentCount());
}

TEST_F(AdminModuleRightTest, OneOfFourRights) {
    for (int right = 0; right < 4; ++right) {
        TPrawaDostepu rights;
        rights.AWYPADKI = right == 3 ? 1 : 0;
        rights.AOSOB = right == 1 ? 2 : 0;
        rights.AZAWODY = right == 2 ? 1 : 0;
        startAs(CurrentUser{1, QStringLiteral("tester"), {}, {}, {}}, rights);
        EXPECT_EQ(right != 0, enabled("AdminOg")) << right;
        EXPECT_TRUE(enabled("PomocBtn"));
        TearDown();
    }
}

// --- Closing accidents for changes ------------------------------------------------

class ClosingWindowTest : public MainWindowTest {
protected:
    void SetUp() override {}
    void beforeWindow() override { writeAccident(c(), blok); }
    int blok = 0;
    int stored() { return value("SELECT BLOK FROM SKWWYPADKI").toInt(); }
    void setBlock(int index) {
        w->showSubPage(Register::AtWork, 1);
        radio("rgwBlok")->setItemIndex(index);
        w->showSubPage(Register::AtWork, 0);
    }
};

TEST_F(ClosingWindowTest, TheRightClosesAndReopensAnAccident) {
    start(2, 2);
    EXPECT_TRUE(radio("rgwBlok")->isEnabled());
    setBlock(1);
    EXPECT_EQ(1, stored());
    EXPECT_FALSE(edit("ewSymbolWyp")->isEnabled());
    EXPECT_FALSE(enabled("sbKasWypBtn"));
    EXPECT_TRUE(radio("rgwBlok")->isEnabled());
    setBlock(0);
    EXPECT_EQ(0, stored());
    EXPECT_TRUE(edit("ewSymbolWyp")->isEnabled());
    EXPECT_TRUE(enabled("sbKasWypBtn"));
}

TEST_F(ClosingWindowTest, WithoutTheRightAClosedAccidentStaysClosed) {
    blok = 1;
    start(2, 1);
    EXPECT_FALSE(radio("rgwBlok")->isEnabled());
    setBlock(0);
    EXPECT_EQ(1, stored());
}

// --- Registers mode ---------------------------------------------------------------------

namespace {

class RegistersWindowTest : public MainWindowTest {
protected:
    void SetUp() override {}
    void beforeWindow() override {
        appContext().registersMode = true;
        if (written) return;
        written = true;
        c().execute("INSERT INTO SKWREJESTR (ID, SYMBOL, NAZWA, IDSTRUKT) VALUES (1, 'RW-A', 'Rejestr A', 10)");
        c().execute("INSERT INTO SKWREJESTR (ID, SYMBOL, NAZWA, IDSTRUKT) VALUES (2, 'RW-B', 'Rejestr B', 20)");
        for (const auto& [user, reg] : std::vector<std::pair<int, int>>{{1, -1}, {1, 2}, {2, -2}, {3, -2}})
            c().execute("INSERT INTO ADOSTEPSKWREJESTR (IDUZYTK, IDREJESTR) VALUES (:u, :r)", Params{{"u", user}, {"r", reg}});
        c().execute("INSERT INTO ADOSTEPSTRUKT (IDUZYTK, IDSTRUKT) VALUES (3, 20)");
    }
    void startUser(int id, const char* name) {
        TPrawaDostepu rights;
        rights.AWYPADKI = 2;
        startAs(CurrentUser{id, QString::fromLatin1(name), {}, {}, {}}, rights);
    }
    QLabel* panelLabel() { return w->findChild<QLabel*>("lRejestr"); }
    QPushButton* info() { return w->findChild<QPushButton*>("bInfo"); }
    bool written = false;
};

} // namespace

TEST_F(RegistersWindowTest, TheDefaultRegisterOnThePanelAndInfoForAdmin) {
    startUser(2, "jan");
    EXPECT_EQ(QString::fromUtf8("Bieżący rejestr: RW-B Rejestr B"), panelLabel()->text());
    EXPECT_TRUE(w->findChild<QWidget*>("pOpisRej")->isVisible());
    EXPECT_FALSE(info()->isVisible());
    EXPECT_EQ(2, dm->currentRegister());
    EXPECT_TRUE(dm->qrySKWWypadki->isOpen());
    TearDown();

    startUser(1, "admin");
    EXPECT_EQ(QString::fromUtf8("Bieżący rejestr: RW-A Rejestr A"), panelLabel()->text());
    EXPECT_TRUE(info()->isVisible());
    EXPECT_EQ(3, dm->registers().items.size());
    info()->click();
    EXPECT_EQ(QString::fromUtf8("Id wypadku: 0\n\rId rejestru: 1"), ui.lastText());
}

TEST_F(RegistersWindowTest, ADefaultRegisterOnADeniedElementEndsTheRun) {
    startUser(3, "ewa");
    EXPECT_EQ(QStringList{deniedDefaultRegisterMessage("ewa")}, ui.texts());
    EXPECT_TRUE(terminationRequested());
    EXPECT_EQ(ExitFatal, terminationCode());
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(dm->qrySKWWypadki->isOpen()) << "the register is not opened";
}
