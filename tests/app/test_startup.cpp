#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "core/MyIniFile.h"
#include "core/Session.h"
#include "app/Startup.h"
#include "db/Dataset.h"
#include "core/Win1250.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedUi.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

class StartupTest : public ::testing::Test {
protected:
    void TearDown() override {
        resetRun();
        Formats::reset();
        Workstation::resetComputerName();
        Clock::setNow(QDateTime());
    }
    TestDatabase db;
    ProgramFolder folder{db.path()};
    ScriptedUi ui;
};

} // namespace

TEST(ConfigFileName, FollowsTheFirstArgument) {
    EXPECT_EQ("kwel.ini", AppContext::configFileNameFor(""));
    EXPECT_EQ("kwel.ini", AppContext::configFileNameFor("0"));
    EXPECT_EQ("kwel.ini", AppContext::configFileNameFor("10"));
    EXPECT_EQ("kwel.ini", AppContext::configFileNameFor("x"));
    EXPECT_EQ("kwel_7.ini", AppContext::configFileNameFor("7"));
    EXPECT_EQ("kwel_1.ini", AppContext::configFileNameFor("1"));
}

TEST_F(StartupTest, MissingConfigurationFileEndsTheRun) {
    Startup s({QStringLiteral("7")}, folder.path());
    EXPECT_EQ(ExitNoConfig, s.prepare());
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(QString::fromUtf8("Brak pliku konfiguracyjnego : kwel_7.ini"), ui.shown[0].text);
    EXPECT_TRUE(terminationRequested());
}

TEST_F(StartupTest, NumberedConfigurationAndVariantFlags) {
    folder.writeConfig(QStringLiteral("kwel_3.ini"),
                       {QStringLiteral("[Database]"), QStringLiteral("AliasName=ZortTest"), QString(),
                        QStringLiteral("[Operacyjni]"), QString(), QStringLiteral("[TW]")});
    Startup s({QStringLiteral("3")}, folder.path());
    ASSERT_EQ(ExitOk, s.prepare()) << ui.texts().join('|').toStdString();
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_TRUE(appContext().uniformedServices);  // an empty section is enough
    EXPECT_TRUE(appContext().registersMode);
    EXPECT_EQ("zort92", appContext().markerVersion);
}

TEST_F(StartupTest, ArchiveArgumentSelectsTheArchiveAlias) {
    folder.writeDefaultConfig();
    Startup s({QStringLiteral("0"), QString(), QStringLiteral("1")}, folder.path());
    ASSERT_EQ(ExitOk, s.prepare());
    EXPECT_TRUE(appIni().archiveMode());
    EXPECT_EQ("ZortArch", appIni().ReadAliasName(0));
    EXPECT_EQ("ZortTest", appIni().ReadAliasName(1));
    appIni().setArchiveArgument(QStringLiteral("2"));
    EXPECT_EQ("ZortTest", appIni().ReadAliasName(0));
    EXPECT_FALSE(appIni().archiveMode());
}

TEST_F(StartupTest, UnreachableDatabaseShowsTheConnectionMessage) {
    folder.writeConfig(QStringLiteral("kwel.ini"), {QStringLiteral("[Database]"), QStringLiteral("AliasName=/nonexistent/x.fdb")});
    Startup s({}, folder.path());
    EXPECT_EQ(ExitNoDatabase, s.prepare());
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_TRUE(ui.shown[0].text.startsWith(
        QString::fromUtf8("Brak dostępu do bazy danych; Skontaktuj się z administratorem \n\r")))
        << ui.shown[0].text.toStdString();
    EXPECT_GT(ui.shown[0].text.size(), 70);  // the database's own message follows
}

TEST_F(StartupTest, MissingAliasNameUsesTheInvalidAlias) {
    folder.writeConfig(QStringLiteral("kwel.ini"), {QStringLiteral("[Other]"), QStringLiteral("x=1")});
    TMyIniFile ini(folder.path() + QStringLiteral("/kwel.ini"));
    EXPECT_EQ("Invalid alias name", ini.ReadAliasName(1));
    Startup s({}, folder.path());
    EXPECT_EQ(ExitNoDatabase, s.prepare());
}

TEST_F(StartupTest, DatabaseMarker) {
    folder.writeDefaultConfig();
    auto c = db.connect();
    // "zort92" padded with blanks passes.
    c->execute(QStringLiteral("UPDATE ADOSTEP SET WERSJA = 'zort92    '"));
    {
        Startup s({}, folder.path());
        EXPECT_EQ(ExitOk, s.prepare());
        resetRun();
    }
    c->execute(QStringLiteral("UPDATE ADOSTEP SET WERSJA = 'zort91'"));
    {
        Startup s({}, folder.path());
        EXPECT_EQ(ExitWrongMarker, s.prepare());
        EXPECT_EQ(QString::fromUtf8("Nieprawidłowa wersja bazy danych\r\nSkontaktuj się z administratorem"), ui.lastText());
        resetRun();
    }
    c->execute(QStringLiteral("UPDATE ADOSTEP SET WERSJA = 'zort92', BLOKADA = 1"));
    {
        Startup s({}, folder.path());
        EXPECT_EQ(ExitDatabaseLocked, s.prepare());
        EXPECT_EQ(QString::fromUtf8("Baza danych została zablokowana\r\nSkontaktuj się z administratorem"), ui.lastText());
        resetRun();
    }
    c->execute(QStringLiteral("DROP TABLE ADOSTEP"));
    {
        Startup s({}, folder.path());
        EXPECT_EQ(ExitWrongMarker, s.prepare());
        EXPECT_EQ(QString::fromUtf8("Nieprawidłowa wersja bazy danych\r\nSkontaktuj się z administratorem"), ui.lastText());
    }
}

TEST_F(StartupTest, ReleasesOnlyThisComputersTakesAndSwitchesTheTriggerWhileSyncPending) {
    folder.writeDefaultConfig();
    auto c = db.connect();
    const QDateTime old(QDate(2026, 3, 1), QTime(8, 0));
    for (int id : {1, 2, 3})
        c->execute(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, COMPNAME, CZASROZP, CZASZAK) VALUES (:id, :id, :c, :t, NULL)"),
                   Params{{"id", id}, {"c", id == 2 ? QStringLiteral("INNY") : QStringLiteral("TUTAJ")}, {"t", old}});
    c->execute(QStringLiteral("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, COMPNAME, CZASROZP, CZASZAK) VALUES (1, 1, 'TUTAJ', :t, NULL)"),
               Params{{"t", old}});
    c->execute(QStringLiteral("INSERT INTO ASYNSTANBAZY (ID, DATASYNCHR) VALUES (1, NULL)"));
    c->execute(QStringLiteral("INSERT INTO OSTANOW (ID, NAZWA) VALUES (1, 'x')"));
    Workstation::setComputerName(QStringLiteral("TUTAJ"));
    Clock::setNow(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
    Startup s({}, folder.path());
    ASSERT_EQ(ExitOk, s.prepare()) << ui.texts().join('|').toStdString();
    Dataset ds(c.get(), QStringLiteral("SELECT ID, CZASZAK FROM SKWWYPADKI ORDER BY ID"));
    ds.open();
    EXPECT_EQ(QDateTime(QDate(2026, 12, 9), QTime(10, 30)), ds.field("CZASZAK").asDateTime());
    ds.next();
    EXPECT_TRUE(ds.field("CZASZAK").isNull());  // the other computer's take stays
    ds.next();
    EXPECT_FALSE(ds.field("CZASZAK").isNull());
    EXPECT_FALSE(c->scalar(QStringLiteral("SELECT CZASZAK FROM SKWWYPADKIWDRODZE WHERE ID = 1")).isNull());
    // The trigger is active again afterwards.
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT RDB$TRIGGER_INACTIVE FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME = 'TRIG_OSTANOW_UP'")).toInt());
}

TEST_F(StartupTest, AFailedReleaseStillSwitchesTheTriggerBackOn) {
    folder.writeDefaultConfig();
    auto c = db.connect();
    c->execute(QStringLiteral("INSERT INTO ASYNSTANBAZY (ID, DATASYNCHR) VALUES (1, NULL)"));
    c->execute(QStringLiteral("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, COMPNAME, CZASZAK) VALUES (1, 1, 'TUTAJ', NULL)"));
    c->execute(QStringLiteral("CREATE EXCEPTION E_NO_RELEASE 'Zwolnienie zablokowane'"));
    c->execute(QStringLiteral("CREATE TRIGGER T_NO_RELEASE FOR SKWWYPADKIWDRODZE BEFORE UPDATE AS BEGIN "
                              "EXCEPTION E_NO_RELEASE; END"));
    Workstation::setComputerName(QStringLiteral("TUTAJ"));
    Startup s({}, folder.path());
    EXPECT_EQ(ExitFatal, s.prepare());
    EXPECT_TRUE(ui.lastText().contains(QStringLiteral("Zwolnienie zablokowane"))) << ui.lastText().toStdString();
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT RDB$TRIGGER_INACTIVE FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME = 'TRIG_OSTANOW_UP'")).toInt());
}

TEST_F(StartupTest, MainWindowSettingsApplyEditionAndDateFormat) {
    folder.writeConfig(QStringLiteral("kwel.ini"),
                       {QStringLiteral("[Database]"), QStringLiteral("AliasName=ZortTest"), QStringLiteral("[SavedSettings]"),
                        QStringLiteral("GLOBAL.KZS.Str=x"), QStringLiteral("GLOBAL.FormDaty.Str=dd.MM.yyyy")});
    Startup s({}, folder.path());
    ASSERT_EQ(ExitOk, s.prepare());
    applyMainWindowSettings();
    EXPECT_EQ(0, appContext().occupationEdition);  // not a number: edition 0
    EXPECT_EQ(QChar('.'), Formats::dateSeparator());
    EXPECT_EQ("09.12.2026", Formats::date(QDate(2026, 12, 9)));
    EXPECT_EQ(QDate(2026, 12, 9), Formats::parseDate(QStringLiteral("09.12.2026")));
    EXPECT_EQ(QDate(2026, 2, 1), Formats::parseDate(QStringLiteral("1.2.2026")));
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("2026-12-09")).isValid());
    EXPECT_EQ("h:mm:ss", Formats::longTimeFormat());
}

TEST(Formats, DefaultsAndSeparatorRule) {
    Formats::reset();
    EXPECT_EQ("2026-12-09", Formats::date(QDate(2026, 12, 9)));
    EXPECT_EQ("", Formats::date(QDate(1899, 12, 30)));
    EXPECT_EQ("", Formats::date(QDateTime()));
    EXPECT_EQ("2026-12-09 07:05:03", Formats::dateTime(QDateTime(QDate(2026, 12, 9), QTime(7, 5, 3))));
    EXPECT_EQ("2026-12-09", Formats::dateTime(QDateTime(QDate(2026, 12, 9), QTime(0, 0))));
    Formats::applyDateFormat(QString());  // missing: the formats stay
    EXPECT_EQ("yyyy-MM-dd", Formats::shortDateFormat());
    Formats::applyDateFormat(QStringLiteral("yyyy/mm-dd"));
    EXPECT_EQ(QChar('/'), Formats::dateSeparator());  // the last found of "-", ".", "/"
    EXPECT_EQ("2026/12-09", Formats::date(QDate(2026, 12, 9)));
    Formats::reset();
    EXPECT_EQ("1234.50", Formats::number(1234.5, 2));
}

TEST(MyIniFile, Windows1250FileKeepsUnknownKeysAndWritesOnlyWhatChanges) {
    const QString path = testTempRoot() + QStringLiteral("/ini-test.ini");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(win1250::encode(QString::fromUtf8(
            "; plik wspólny modułów\r\n[Database]\r\nAliasName=Kadry\r\n\r\n[SavedSettings]\r\nKADRY.Okno.Str=Łódź\r\nGLOBAL.KZS.Str=4\r\n\r\n[Inne]\r\nKlucz=żółć\r\n")));
    }
    TMyIniFile ini(path);
    EXPECT_EQ(QString::fromUtf8("Łódź"), ini.ReadSaved(QStringLiteral("KADRY"), QStringLiteral("Okno")));
    EXPECT_EQ("4", ini.ReadSaved(QStringLiteral("GLOBAL"), QStringLiteral("KZS")));
    EXPECT_EQ("INI FILE ERROR", ini.ReadSaved(QStringLiteral("GLOBAL"), QStringLiteral("FormDaty")));
    EXPECT_EQ("INI FILE ERROR", ini.ReadOper(QStringLiteral("KADRY"), QStringLiteral("Etaty")));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Operacyjni")));
    const qint64 before = QFileInfo(path).size();
    ini.WriteSaved(QStringLiteral("GLOBAL"), QStringLiteral("KZS"), QStringLiteral("4"));  // unchanged
    EXPECT_EQ(before, QFileInfo(path).size());
    ini.WriteSaved(QStringLiteral("GLOBAL"), QStringLiteral("FormDaty"), QStringLiteral("dd.MM.yyyy"));
    ini.WriteOper(QStringLiteral("KADRY"), QStringLiteral("Etaty"), QStringLiteral("T"));
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(QString::fromUtf8(
                  "; plik wspólny modułów\r\n[Database]\r\nAliasName=Kadry\r\n\r\n[SavedSettings]\r\nKADRY.Okno.Str=Łódź\r\n"
                  "GLOBAL.KZS.Str=4\r\nGLOBAL.FormDaty.Str=dd.MM.yyyy\r\n\r\n[Inne]\r\nKlucz=żółć\r\n[Operacyjni]\r\n"
                  "KADRY.Etaty.Str=T\r\n"),
              win1250::decode(bytes));
    EXPECT_TRUE(bytes.contains(char(0xA3)));  // "Ł" as its Windows-1250 byte
    TMyIniFile again(path);
    EXPECT_TRUE(again.SectionExists(QStringLiteral("operacyjni")));
    EXPECT_EQ("T", again.ReadOper(QStringLiteral("KADRY"), QStringLiteral("Etaty")));
}
