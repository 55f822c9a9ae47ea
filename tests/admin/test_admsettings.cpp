// The register settings as the configuration file gives them.
#include "admin/AdmSettings.h"
#include "app/MyIniFile.h"
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

TEST_F(Settings, MissingValuesGiveTheDefaults) {
    write({"[Database]", "AliasName=ZortTest"});
    const AdmSettings s = load();
    EXPECT_EQ(s.referenceDate, QDate(2024, 5, 10));
    EXPECT_EQ(s.printDate, QDate(2024, 5, 10));
    EXPECT_FALSE(s.symbolWyp);
    EXPECT_EQ(s.separator, "");
    EXPECT_EQ(s.rodzajSKW, -1);
    EXPECT_EQ(s.cardVersionForNewAccidents(), 5);  // "SKW 2022", never -1
    EXPECT_EQ(s.nowyProtPowypadkowy, 0);
    EXPECT_TRUE(s.wyjasnieniePoszk);
    EXPECT_EQ(s.rokSKWProtPow, 0);
    EXPECT_FALSE(s.protPowWielostronicowy);
    EXPECT_EQ(s.dokWypFont, 0);
    EXPECT_TRUE(s.dataNaglZal);
    EXPECT_TRUE(s.kolorWyp);
    EXPECT_EQ(s.kartaWypadku, 2);
    EXPECT_EQ(s.nowaKartaWypWDrodze, 2);
    EXPECT_TRUE(s.zaznPkt13prot);
    EXPECT_FALSE(s.wydr233);
    EXPECT_EQ(s.sortPrzyczWyp, 0);
    EXPECT_EQ(s.sortZrodlWyp, 0);
    EXPECT_EQ(s.sortPozListWyp, 0);
    EXPECT_EQ(s.sortL4, 1);
    EXPECT_EQ(s.sortStrukList, 1);
    EXPECT_EQ(s.kzs, 0);
    EXPECT_EQ(s.dataOdniesienia, 0);
}

TEST_F(Settings, StoredValuesBecomeTheControlsStates) {
    write({"[SavedSettings]", "GLOBAL.DodSymbolWyp.Str=T", "GLOBAL.ZnakRozdzielajacy.Str=/",
           "GLOBAL.RodzajSKW.Str=4", "GLOBAL.NowyProtPowypadkowy.Str=3", "GLOBAL.WyjasnieniePoszk.Str=N",
           "GLOBAL.RokSKWProtPow.Str=2", "GLOBAL.ProtPowypadkowyWielostronicowy.Str=T", "GLOBAL.DokWypFont.Str=x",
           "GLOBAL.DataNaglZal.Str=N", "GLOBAL.KolorWyp.Str=N", "GLOBAL.NowaKartaWypWDrodze.Str=T",
           "GLOBAL.KartaWypadku.Str=abc", "GLOBAL.zaznPkt13prot.Str=N", "GLOBAL.Wydr233PPosz.Str=T",
           "GLOBAL.SortPrzyczWyp.Str=Kod", "GLOBAL.SortStrukList.Str=Nazwa", "GLOBAL.KZS.Str=4",
           "GLOBAL.DataOdniesienia.Str=2", "GLOBAL.PozDoZatr.Str=3", "[Operacyjni]", "SPEC.AllTypPrac.Str=T"});
    AdmSettings s = load();
    EXPECT_TRUE(s.symbolWyp);
    EXPECT_EQ(s.separator, "/");
    EXPECT_EQ(s.cardVersionForNewAccidents(), 4);
    EXPECT_EQ(s.nowyProtPowypadkowy, 3);
    EXPECT_FALSE(s.wyjasnieniePoszk);
    EXPECT_EQ(s.rokSKWProtPow, 2);
    EXPECT_TRUE(s.protPowWielostronicowy);
    EXPECT_EQ(s.dokWypFont, 0);
    EXPECT_FALSE(s.dataNaglZal);
    EXPECT_FALSE(s.kolorWyp);
    EXPECT_EQ(s.nowaKartaWypWDrodze, 1);
    EXPECT_EQ(s.kartaWypadku, 2);  // not a number: the last item
    EXPECT_FALSE(s.zaznPkt13prot);
    EXPECT_TRUE(s.wydr233);
    EXPECT_EQ(s.sortPrzyczWyp, 1);
    EXPECT_EQ(s.sortStrukList, 0);
    EXPECT_EQ(s.kzs, 4);
    EXPECT_EQ(s.dataOdniesienia, 2);
    EXPECT_EQ(s.pozDoZatr, "3");
    EXPECT_TRUE(s.allTypPrac);

    // Written back and read again, every state survives.
    s.nowaKartaWypWDrodze = 0;
    s.rodzajSKW = 0;
    {
        TMyIniFile ini(path);
        s.save(ini);
    }
    AdmSettings again = load();
    again.referenceDate = s.referenceDate;
    EXPECT_EQ(again.nowaKartaWypWDrodze, 0);
    EXPECT_EQ(again.rodzajSKW, 0);
    EXPECT_EQ(again.separator, "/");
    EXPECT_TRUE(again.allTypPrac);
    EXPECT_EQ(again.sortPrzyczWyp, 1);
    EXPECT_EQ(again.sortStrukList, 0);
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
