// The register settings as the configuration file gives them.
#include "core/AdmSettings.h"
#include "core/MyIniFile.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

using namespace zort;

namespace {

class Settings : public ::testing::Test {
protected:
    void write(const QStringList& lines) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lines.join("\r\n").toLatin1() + "\r\n");
    }
    AdmSettings load() {
        AdmSettings s;
        s.load(TMyIniFile(path), QDate(2024, 5, 10));
        return s;
    }
    QString path = test::testTempRoot() + "/kwel-" + QUuid::createUuid().toString(QUuid::Id128) + ".ini";
};

// Every state of the settings in one line, "key=value" in the order of the window.
QString states(const AdmSettings& s) {
    return QStringList{
        QStringLiteral("DodSymbolWyp=%1").arg(s.symbolWyp), "ZnakRozdzielajacy=" + s.separator,
        QStringLiteral("DataOdniesienia=%1").arg(s.dataOdniesienia), "PozDoZatr=" + s.pozDoZatr,
        QStringLiteral("RodzajSKW=%1").arg(s.rodzajSKW), QStringLiteral("Wydr233PPosz=%1").arg(s.wydr233),
        QStringLiteral("NowyProtPowypadkowy=%1").arg(s.nowyProtPowypadkowy),
        QStringLiteral("WyjasnieniePoszk=%1").arg(s.wyjasnieniePoszk),
        QStringLiteral("RokSKWProtPow=%1").arg(s.rokSKWProtPow),
        QStringLiteral("ProtPowypadkowyWielostronicowy=%1").arg(s.protPowWielostronicowy),
        QStringLiteral("DokWypFont=%1").arg(s.dokWypFont), QStringLiteral("DataNaglZal=%1").arg(s.dataNaglZal),
        QStringLiteral("KolorWyp=%1").arg(s.kolorWyp), QStringLiteral("NowaKartaWypWDrodze=%1").arg(s.nowaKartaWypWDrodze),
        QStringLiteral("KartaWypadku=%1").arg(s.kartaWypadku), QStringLiteral("zaznPkt13prot=%1").arg(s.zaznPkt13prot),
        QStringLiteral("AllTypPrac=%1").arg(s.allTypPrac), QStringLiteral("KZS=%1").arg(s.kzs),
        QStringLiteral("Sort=%1%2%3%4%5").arg(s.sortPrzyczWyp).arg(s.sortZrodlWyp).arg(s.sortPozListWyp).arg(s.sortL4)
            .arg(s.sortStrukList)}
        .join(' ');
}

TEST_F(Settings, MissingValuesGiveTheDefaults) {
    write({"[Database]", "AliasName=ZortTest"});
    const AdmSettings s = load();
    EXPECT_EQ(s.printDate, QDate(2024, 5, 10));
    EXPECT_EQ(states(s).toStdString(),
              "DodSymbolWyp=0 ZnakRozdzielajacy= DataOdniesienia=0 PozDoZatr= RodzajSKW=-1 Wydr233PPosz=0 "
              "NowyProtPowypadkowy=0 WyjasnieniePoszk=1 RokSKWProtPow=0 ProtPowypadkowyWielostronicowy=0 "
              "DokWypFont=0 DataNaglZal=1 KolorWyp=1 NowaKartaWypWDrodze=2 KartaWypadku=2 zaznPkt13prot=1 "
              "AllTypPrac=0 KZS=0 Sort=00011");
    EXPECT_EQ(s.cardVersionForNewAccidents(), 5);  // "SKW 2022", never -1
}

TEST_F(Settings, StoredValuesBecomeTheControlsStates) {
    write({"[SavedSettings]", "GLOBAL.DodSymbolWyp.Str=T", "GLOBAL.ZnakRozdzielajacy.Str=/",
           "GLOBAL.RodzajSKW.Str=4", "GLOBAL.NowyProtPowypadkowy.Str=3", "GLOBAL.WyjasnieniePoszk.Str=N",
           "GLOBAL.RokSKWProtPow.Str=2", "GLOBAL.ProtPowypadkowyWielostronicowy.Str=T", "GLOBAL.DokWypFont.Str=x",
           "GLOBAL.DataNaglZal.Str=N", "GLOBAL.KolorWyp.Str=N", "GLOBAL.NowaKartaWypWDrodze.Str=T",
           "GLOBAL.KartaWypadku.Str=abc", "GLOBAL.zaznPkt13prot.Str=N", "GLOBAL.Wydr233PPosz.Str=T",
           "GLOBAL.SortPrzyczWyp.Str=Kod", "GLOBAL.SortStrukList.Str=Nazwa", "GLOBAL.KZS.Str=4",
           "GLOBAL.DataOdniesienia.Str=2", "GLOBAL.PozDoZatr.Str=3", "[Operacyjni]",
           QStringLiteral("%1.AllTypPrac.Str=T").arg(QLatin1String(AdmSettings::kOperGroup))});
    AdmSettings s = load();
    // A font size that is not a number is item 0, an accident card that is not a number the last item.
    EXPECT_EQ(states(s).toStdString(),
              "DodSymbolWyp=1 ZnakRozdzielajacy=/ DataOdniesienia=2 PozDoZatr=3 RodzajSKW=4 Wydr233PPosz=1 "
              "NowyProtPowypadkowy=3 WyjasnieniePoszk=0 RokSKWProtPow=2 ProtPowypadkowyWielostronicowy=1 "
              "DokWypFont=0 DataNaglZal=0 KolorWyp=0 NowaKartaWypWDrodze=1 KartaWypadku=2 zaznPkt13prot=0 "
              "AllTypPrac=1 KZS=4 Sort=10010");

    // Written back and read again, every state survives.
    s.nowaKartaWypWDrodze = 0;
    s.rodzajSKW = 0;
    {
        TMyIniFile ini(path);
        s.save(ini);
    }
    EXPECT_EQ(states(load()), states(s));
}

TEST_F(Settings, InvalidCardVersionsAndSavingOutsideTheVariant) {
    for (const char* v : {"6", "-1", "SKW", ""}) {
        write({"[SavedSettings]", QStringLiteral("GLOBAL.RodzajSKW.Str=%1").arg(v)});
        EXPECT_EQ(load().cardVersionForNewAccidents(), 5) << v;
    }
    write({"[SavedSettings]", "GLOBAL.NowaKartaWypWDrodze.Str=N", "GLOBAL.NowyProtPowypadkowy.Str=7"});
    AdmSettings s = load();
    EXPECT_EQ(s.nowaKartaWypWDrodze, 0);
    EXPECT_EQ(s.nowyProtPowypadkowy, 0);
    TMyIniFile ini(path);
    s.save(ini);
    EXPECT_FALSE(ini.SectionExists("Operacyjni"));  // saving never switches the variant on
    EXPECT_EQ(ini.ReadSaved("GLOBAL", "RodzajSKW"), "INI FILE ERROR");  // no choice, nothing written
    EXPECT_EQ(ini.ReadSaved("GLOBAL", "DodSymbolWyp"), "N");
}

} // namespace

// One changed setting writes its one key, in the file's code page, and is announced.
TEST_F(Settings, OneKeyIsWrittenAndAnnounced) {
    write({"[Database]", "AliasName=ZortTest"});
    TMyIniFile ini(path);
    AdmSettings s = load();
    s.separator = QStringLiteral("ś");
    s.saveKey(ini, QStringLiteral("ZnakRozdzielajacy"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();
    EXPECT_TRUE(bytes.contains("GLOBAL.ZnakRozdzielajacy.Str=\x9c"));  // "ś" in Windows-1250
    EXPECT_FALSE(bytes.contains("DodSymbolWyp"));
    EXPECT_FALSE(bytes.contains("DokWypFont"));
    EXPECT_EQ(load().separator, QStringLiteral("ś"));

    s.saveKey(ini, QStringLiteral("KZS"));  // only read, never written
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.readAll().contains("KZS"));

    QStringList announced;
    const auto c = QObject::connect(&admSettingsNotifier(), &AdmSettingsNotifier::changed,
                                    [&](const QString& key) { announced << key; });
    admSettingChanged(QStringLiteral("KolorWyp"));
    QObject::disconnect(c);
    EXPECT_EQ(announced, QStringList{QStringLiteral("KolorWyp")});
}

// Garbage in the keys that are read as numbers does not stop the start.
TEST_F(Settings, GarbageInNumberKeysGivesTheFirstItem) {
    write({"[SavedSettings]", "GLOBAL.KZS.Str=x9", "GLOBAL.DataOdniesienia.Str=abc"});
    const AdmSettings s = load();
    EXPECT_EQ(s.kzs, 0);
    EXPECT_EQ(s.dataOdniesienia, 0);
}
