// The main window under failures of the database: a statement the database refuses
// inside a command, a connection that is lost and comes back, a database that can
// only be read. The program shows the reason and goes on; nothing typed is lost.
#include "MainWindowFixture.h"

#include "db/Dataset.h"
#include "domain/Takes.h"
#include "ui/CommandGuard.h"

#include <QAction>
#include <QProcess>

using namespace zort;
using namespace zort::test;

namespace {

class Faults : public MainWindowTest {
protected:
    void TearDown() override {
        CommandGuard::reset();
        MainWindowTest::TearDown();
    }
    void press(const char* button) { w->button(QString::fromLatin1(button))->trigger(); }
    void refuse(const QString& table, const QString& when) {
        if (!m_exception)
            c().execute(QStringLiteral("CREATE EXCEPTION E_ODMOWA 'Zmiany wstrzymane przez administratora'"));
        m_exception = true;
        c().execute(QStringLiteral("CREATE TRIGGER T_ODMOWA FOR %1 %2 AS BEGIN EXCEPTION E_ODMOWA; END").arg(table, when));
    }
    void allow() { c().execute(QStringLiteral("DROP TRIGGER T_ODMOWA")); }
    bool m_exception = false;
};

TEST_F(Faults, ARefusedStatementShowsTheReasonAndTheWindowGoesOn) {
    refuse(QStringLiteral("SKWWYPADKI"), QStringLiteral("BEFORE INSERT"));
    press("DodWypBtn");
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);
    EXPECT_TRUE(ui.lastText().contains(QStringLiteral("Zmiany wstrzymane przez administratora"))) << ui.lastText().toStdString();
    EXPECT_FALSE(ui.lastText().contains(QStringLiteral("At trigger"))) << "no location text of the engine";
    EXPECT_EQ(0, accidentCount());
    EXPECT_TRUE(w->isVisible());
    allow();
    press("DodWypBtn");
    EXPECT_EQ(1, accidentCount());

    // Opening the accident takes it; a take the database refuses keeps the list.
    refuse(QStringLiteral("SKWWYPADKI"), QStringLiteral("BEFORE UPDATE"));
    ui.clear();
    w->showSubPage(Register::AtWork, 1);
    EXPECT_EQ(0, w->subPage(Register::AtWork));
    EXPECT_FALSE(editing());
    EXPECT_TRUE(ui.lastText().contains(QStringLiteral("Zmiany wstrzymane przez administratora")));
    allow();
    w->showSubPage(Register::AtWork, 1);
    EXPECT_EQ(1, w->subPage(Register::AtWork));

    // A save the database refuses keeps the typed values; once allowed, it saves.
    refuse(QStringLiteral("SKWWYPADKI"), QStringLiteral("BEFORE UPDATE"));
    edit("ewSymbolWyp")->setText("ZP");
    ui.clear();
    press("sbZapiszBtn");
    EXPECT_TRUE(ui.lastText().startsWith(QStringLiteral("Błąd przy zapisie danych !!!\r\n")));
    EXPECT_EQ("ZP", edit("ewSymbolWyp")->text());
    EXPECT_TRUE(editing());
    allow();
    press("sbZapiszBtn");
    EXPECT_EQ("ZP", value("SELECT SYMBOLWYP FROM SKWWYPADKI").toString());
}

// The window, not the data module, says why the database refused a deletion.
TEST_F(Faults, ARefusedDeletionShowsItsReasonFromTheWindow) {
    press("DodWypBtn");
    refuse(QStringLiteral("SKWWYPADKI"), QStringLiteral("BEFORE DELETE"));
    ui.clear();
    w->sbKasWypBtnClick();  // not through the command guard
    ASSERT_EQ(2u, ui.shown.size());
    EXPECT_EQ(QString::fromUtf8(" Czy na pewno usunąć dane o wypadku?"), ui.shown[0].text);
    EXPECT_EQ(MsgIcon::Error, ui.shown[1].icon);
    EXPECT_TRUE(ui.lastText().contains(QStringLiteral("Zmiany wstrzymane przez administratora"))) << ui.lastText().toStdString();
    EXPECT_FALSE(ui.lastText().contains(QStringLiteral("At trigger")));
    EXPECT_EQ(1, accidentCount());
    EXPECT_EQ(1, dm->qrySKWWypadki->recordCount());
}

TEST_F(Faults, ALostConnectionIsSaidOnceAndTheNextCommandConnectsAgain) {
    press("DodWypBtn");
    w->showSubPage(Register::AtWork, 1);
    edit("ewSymbolWyp")->setText("PO");
    // The server drops every attachment of the program (as a restart does).
    auto admin = db.connect(QStringLiteral("admin"));
    admin->execute(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"));
    ui.clear();
    press("sbZapiszBtn");
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(QStringLiteral("Błąd przy zapisie danych !!!\r\n") + CommandGuard::lostMessage(), ui.lastText());
    EXPECT_EQ("PO", edit("ewSymbolWyp")->text());
    EXPECT_TRUE(editing());
    // The next command connects again and saves what was typed.
    ui.clear();
    press("sbZapiszBtn");
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_FALSE(CommandGuard::connectionLost());
    EXPECT_EQ("PO", admin->scalar(QStringLiteral("SELECT SYMBOLWYP FROM SKWWYPADKI")).toString());
    // Back on the list the accident is given back, as always.
    w->showSubPage(Register::AtWork, 0);
    EXPECT_FALSE(admin->scalar(QStringLiteral("SELECT CZASZAK FROM SKWWYPADKI")).isNull());
}

class ReadOnlyDatabase : public MainWindowTest {
protected:
    void SetUp() override {
        QProcess gfix;
        gfix.start(QStringLiteral("gfix"), {QStringLiteral("-mode"), QStringLiteral("read_only"), db.path()});
        ASSERT_TRUE(gfix.waitForFinished(30000));
        ASSERT_EQ(0, gfix.exitCode()) << gfix.readAllStandardError().toStdString();
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        appContext().readOnlyDatabase = false;
    }
};

TEST_F(ReadOnlyDatabase, EveryWindowIsReadOnlyAndNothingIsWritten) {
    EXPECT_TRUE(appContext().readOnlyDatabase);
    EXPECT_EQ(kViewOnly, w->registerRight());  // the user has the full right otherwise
    EXPECT_FALSE(enabled("DodWypBtn"));
    EXPECT_EQ(QStringLiteral("Rejestr wypadków na rok: 2024"), w->windowTitle());  // the caption stays exact
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_TRUE(Takes(c(), QStringLiteral("STACJA-A")).TakeAccident(1, QStringLiteral("SKWWypadki")).claimed());
}

} // namespace
