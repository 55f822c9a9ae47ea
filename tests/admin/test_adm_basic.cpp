// The tab "Podstawowe ustawienia" of the administration window over the main window
// on a real database: the settings as the configuration file gives them, each change
// written at once, the reference date, the structure level, the documents folder and
// the rights.
#include "admin/AdmBasicPage.h"
#include "admin/AdmForm.h"
#include "core/Formats.h"
#include "core/MyIniFile.h"
#include "domain/DocumentsFolder.h"
#include "register/MainWindowFixture.h"
#include "ui/KalendarzForm.h"
#include "ui/LeaveChecks.h"
#include "support/ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QUuid>

using namespace zort;
using namespace zort::test;

namespace {

class AdmBasic : public MainWindowTest {
protected:
    // The configuration file's saved settings the run starts with ("Key=value").
    virtual QStringList saved() const { return {}; }
    // Further lines of the file (other sections).
    virtual QStringList more() const { return {}; }

    void beforeWindow() override {
        QFile f(iniPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QStringList lines{QStringLiteral("[SavedSettings]")};
        for (const QString& kv : saved()) lines << "GLOBAL." + kv.section('=', 0, 0) + ".Str=" + kv.section('=', 1);
        lines << more();
        f.write(lines.join("\r\n").toLatin1() + "\r\n");
        f.close();
        ini = std::make_unique<TMyIniFile>(iniPath);
        setAppIni(ini.get());
        admSettings().load(*ini, Clock::today());
    }
    void SetUp() override {
        MainWindowTest::SetUp();
        adm = new TAdmForm_W(w);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        setAppIni(nullptr);
        ini.reset();
        QFile::remove(iniPath);
    }

    template <typename T>
    T* find(const char* name) {
        T* c = adm->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(c) << name;
        return c;
    }
    RadioGroup* group(const char* name) { return find<RadioGroup>(name); }
    QComboBox* combo(const char* name) { return find<QComboBox>(name); }
    QLineEdit* field(const char* name) { return find<QLineEdit>(name); }
    // The user chooses an item of a group or a list.
    void choose(const char* name, int index) {
        if (auto* g = adm->findChild<RadioGroup*>(QString::fromLatin1(name))) {
            g->button(index)->click();
            return;
        }
        QComboBox* c = combo(name);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    // The user types the text and leaves the field; false after an error.
    bool type(const char* name, const QString& text) {
        QLineEdit* e = field(name);
        e->setText(text);
        emit e->textEdited(text);
        return adm->basicSettings().checks().check(e);
    }
    // The saved keys of the configuration file as they are on disk ("Key=value").
    QStringList written() {
        QFile f(iniPath);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QStringList out;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QString l = QString::fromLatin1(line.trimmed());
            if (l.startsWith("GLOBAL.")) out << l.mid(7).replace(".Str=", "=");
        }
        return out;
    }
    QString date(int y, int m, int d) { return Formats::date(QDate(y, m, d)); }

    QString iniPath = testTempRoot() + "/adm-" + QUuid::createUuid().toString(QUuid::Id128) + ".ini";
    std::unique_ptr<TMyIniFile> ini;
    TAdmForm_W* adm = nullptr;
};

class AdmBasicStored : public AdmBasic {
protected:
    QStringList saved() const override {
        return {"DodSymbolWyp=T",   "ZnakRozdzielajacy=/",           "DataOdniesienia=2", "PozDoZatr=3",
                "RodzajSKW=4",      "Wydr233PPosz=T",                "NowyProtPowypadkowy=2",
                "WyjasnieniePoszk=N", "RokSKWProtPow=1",             "ProtPowypadkowyWielostronicowy=T",
                "DokWypFont=2",     "DataNaglZal=N",                 "KolorWyp=N",
                "NowaKartaWypWDrodze=T", "KartaWypadku=1",           "zaznPkt13prot=N",
                "KZS=zawody"};
    }
};

// The variant for uniformed services.
class AdmBasicServices : public AdmBasic {
protected:
    QStringList more() const override {
        return {"[Operacyjni]", QString::fromLatin1(AdmSettings::kOperGroup) + QStringLiteral(".AllTypPrac.Str=N")};
    }
    void beforeWindow() override {
        AdmBasic::beforeWindow();
        appContext().uniformedServices = true;
    }
};

// Several registers in the database: the user works in "Rejestr A" and "Rejestr B".
class AdmBasicRegisters : public AdmBasic {
protected:
    void beforeWindow() override {
        AdmBasic::beforeWindow();
        appContext().registersMode = true;
        c().execute("INSERT INTO SKWREJESTR (ID, SYMBOL, NAZWA, IDSTRUKT) VALUES (1, 'RW-A', 'Rejestr A', 10)");
        c().execute("INSERT INTO SKWREJESTR (ID, SYMBOL, NAZWA, IDSTRUKT) VALUES (2, 'RW-B', 'Rejestr B', 20)");
        for (int reg : {-1, 2})
            c().execute("INSERT INTO ADOSTEPSKWREJESTR (IDUZYTK, IDREJESTR) VALUES (1, :r)", Params{{"r", reg}});
    }
};

class AdmBasicInvalid : public AdmBasic {
protected:
    QStringList saved() const override {
        return {"DodSymbolWyp=x", "DataOdniesienia=abc", "RodzajSKW=9", "NowyProtPowypadkowy=7",
                "DokWypFont=x",   "NowaKartaWypWDrodze=N", "KartaWypadku=abc", "KZS=-"};
    }
};

} // namespace

TEST_F(AdmBasicStored, StoredValuesAreTheControlsStates) {
    adm->FormShow(true);
    EXPECT_EQ(adm->tabs()->currentWidget(), adm->basicPage());
    EXPECT_EQ(field("eData")->text(), date(2024, 5, 10));
    EXPECT_EQ(field("eDataWydr")->text(), date(2024, 5, 10));
    EXPECT_EQ(group("rgSymbolWyp")->itemIndex(), 0);
    EXPECT_FALSE(field("eSymbolWyp")->isHidden());
    EXPECT_EQ(field("eSymbolWyp")->text(), "/");
    EXPECT_EQ(combo("cbData")->currentIndex(), 2);
    EXPECT_EQ(field("ePoziom")->text(), "3");
    EXPECT_EQ(combo("cmbRodzSKW")->currentIndex(), 4);
    EXPECT_EQ(combo("cmbRodzSKW")->count(), 6);
    EXPECT_EQ(group("rg233")->itemIndex(), 0);
    EXPECT_EQ(combo("cmbRodzProt")->currentText(), "(Dz. U. 2004 r. Nr 227, poz. 2298)");
    EXPECT_EQ(group("rgPrzesluchanie")->itemIndex(), 1);
    EXPECT_EQ(combo("cmbRok")->currentText(), "daty sporządzenia dokumentu");
    EXPECT_EQ(group("rgPolaProt")->itemIndex(), 0);
    EXPECT_TRUE(group("rgPolaProt")->isEnabled());
    EXPECT_FALSE(combo("cmbFont")->isHidden());
    EXPECT_EQ(combo("cmbFont")->currentText(), "10");
    EXPECT_EQ(group("rgDataNaglZal")->itemIndex(), 1);
    EXPECT_EQ(group("rgKolorTypWyp")->itemIndex(), 1);
    EXPECT_EQ(combo("cmbWypWDrodze")->currentText(), "Dz. U. 2002 r. Nr 237, poz. 2015");  // "T"
    EXPECT_EQ(combo("cmbRodzKartaWyp")->currentText(), "Dz. U. 2012 r. poz. 909");
    EXPECT_EQ(group("rgPkt13prot")->itemIndex(), 1);
    EXPECT_FALSE(group("rgPkt13prot")->isEnabled());  // only for the 2019 protocol
    EXPECT_TRUE(find<QCheckBox>("cbAllTypPrac")->isHidden());  // not the uniformed-services variant
    EXPECT_TRUE(find<QWidget>("pnRejestr")->isHidden());
    EXPECT_FALSE(adm->findChild<QPushButton*>("DodajBtn")->isEnabled());
    // Every control is named for accessibility tools after its caption.
    EXPECT_EQ(combo("cmbRodzProt")->accessibleName(), "Protokół powypadkowy wg");
    EXPECT_EQ(field("ePoziom")->accessibleName(), "Numer poziomu struktury uwzględniany w polu \"Zatrudniony w\"");
}

TEST_F(AdmBasicInvalid, MissingAndInvalidValuesGiveTheDefaults) {
    adm->FormShow(true);
    EXPECT_EQ(group("rgSymbolWyp")->itemIndex(), 1);
    EXPECT_TRUE(field("eSymbolWyp")->isHidden());
    EXPECT_EQ(combo("cbData")->currentIndex(), 0);
    EXPECT_EQ(combo("cmbRodzSKW")->currentIndex(), 5) << "an invalid choice: the form new accidents get";
    EXPECT_EQ(combo("cmbRodzProt")->currentIndex(), 0);
    EXPECT_FALSE(group("rgPolaProt")->isEnabled());
    EXPECT_EQ(group("rgPolaProt")->itemIndex(), 1);
    EXPECT_TRUE(combo("cmbFont")->isHidden());
    EXPECT_EQ(combo("cmbFont")->currentIndex(), 0);
    EXPECT_EQ(combo("cmbWypWDrodze")->currentText(), "wzoru obowiązującego do 2002 r.");  // "N"
    EXPECT_EQ(combo("cmbRodzKartaWyp")->currentIndex(), 2);
    EXPECT_EQ(group("rgPkt13prot")->itemIndex(), 0);  // missing: TAK
    EXPECT_EQ(group("rgPrzesluchanie")->itemIndex(), 0);
    EXPECT_EQ(combo("cmbRok")->currentIndex(), 0);
    EXPECT_EQ(admSettings().kzs, 0);
}

TEST_F(AdmBasic, TheCardFormListShowsTheFormNewAccidentsGet) {
    auto newAccidentVersion = [this]() {
        w->DodWypBtnClick();
        return value("SELECT WERSJASKW FROM SKWWYPADKI WHERE ID = :id", {{"id", dm->accidentId()}}).toInt();
    };
    adm->FormShow(true);
    QStringList forms;
    for (int i = 0; i < combo("cmbRodzSKW")->count(); ++i) forms << combo("cmbRodzSKW")->itemText(i);
    EXPECT_EQ(forms, (QStringList{"(Dz. U. 2004 r. Nr 269, poz. 2672)", "(Dz. U. 2000 r. Nr 51, poz. 612)",
                                  "(Dz. U. 2009 r. Nr 14, poz. 80)", "(Dz. U. 2010 r. Nr 218, poz. 1440)",
                                  "(Dz. U. 2019 r. Poz. 1972) ", "(Dz. U. 2022 r. Poz. 2750) "}));
    EXPECT_EQ(combo("cmbRodzSKW")->currentIndex(), 5) << "nothing stored: the 2022 card";
    adm->FormClose();
    EXPECT_FALSE(written().join(' ').contains("RodzajSKW")) << "showing stores nothing";
    EXPECT_EQ(newAccidentVersion(), 5);

    adm->FormShow(true);
    choose("cmbRodzSKW", 2);
    adm->FormClose();
    EXPECT_EQ(newAccidentVersion(), 2);
    adm->FormShow(true);
    EXPECT_EQ(combo("cmbRodzSKW")->currentIndex(), 2);
}

TEST_F(AdmBasic, EachChangeWritesItsKeyAtOnceAndTheFontSizeAtClosing) {
    adm->FormShow(true);
    EXPECT_TRUE(written().isEmpty());

    // The 2019 protocol enables the unlimited fields and point 13; 1998 disables both.
    choose("cmbRodzProt", 3);
    EXPECT_EQ(written(), QStringList{"NowyProtPowypadkowy=3"});
    EXPECT_TRUE(group("rgPolaProt")->isEnabled());
    EXPECT_TRUE(group("rgPkt13prot")->isEnabled());
    choose("cmbRodzProt", 0);
    EXPECT_FALSE(group("rgPolaProt")->isEnabled());
    EXPECT_FALSE(group("rgPkt13prot")->isEnabled());
    EXPECT_EQ(admSettings().nowyProtPowypadkowy, 0);
    choose("cmbRodzProt", 2);
    EXPECT_TRUE(group("rgPolaProt")->isEnabled());
    EXPECT_FALSE(group("rgPkt13prot")->isEnabled());

    // Unlimited fields show the font size, which is stored only when the window closes.
    EXPECT_TRUE(combo("cmbFont")->isHidden());
    choose("rgPolaProt", 0);
    EXPECT_FALSE(combo("cmbFont")->isHidden());
    EXPECT_TRUE(admSettings().protPowWielostronicowy);
    choose("cmbFont", 1);
    EXPECT_EQ(written(), (QStringList{"NowyProtPowypadkowy=2", "ProtPowypadkowyWielostronicowy=T"}));

    choose("cmbWypWDrodze", 1);
    choose("rgKolorTypWyp", 1);
    choose("cmbRodzSKW", 0);
    EXPECT_EQ(admSettings().rodzajSKW, 0);
    EXPECT_TRUE(written().contains("NowaKartaWypWDrodze=1"));
    EXPECT_TRUE(written().contains("KolorWyp=N"));
    EXPECT_TRUE(written().contains("RodzajSKW=0"));
    EXPECT_FALSE(written().join(' ').contains("DokWypFont"));

    adm->FormClose();
    EXPECT_TRUE(written().contains("DokWypFont=1"));
    EXPECT_FALSE(written().join(' ').contains("KZS"));  // only read
}

TEST_F(AdmBasic, TheSeparatorIsWrittenInTheFilesCodePageAndNumbersCarryTheSymbol) {
    adm->FormShow(true);
    choose("rgSymbolWyp", 0);
    EXPECT_FALSE(field("eSymbolWyp")->isHidden());
    EXPECT_TRUE(dm->numbersWithSymbol());
    QLineEdit* sep = field("eSymbolWyp");
    sep->setText("ś");
    emit sep->textEdited("ś");
    QFile f(iniPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("GLOBAL.ZnakRozdzielajacy.Str=\x9c"));
    EXPECT_EQ(dm->numberSeparator(), "ś");

    w->DodWypBtnClick();
    c().execute("UPDATE SKWWYPADKI SET SYMBOLWYP = 'AB' WHERE ID = :id", {{"id", dm->accidentId()}});
    adm->FormClose();  // the symbol setting changed: the register is read again
    EXPECT_EQ(dm->qrySKWWypadki->rowField(0, "nr_symbol").asString(), "1śAB");
}

TEST_F(AdmBasic, AnotherYearReloadsItsRegisterAndRetitlesTheMainWindow) {
    w->DodWypBtnClick();  // an accident of 2024
    ASSERT_EQ(dm->qrySKWWypadki->recordCount(), 1);
    adm->FormShow(true);
    EXPECT_TRUE(type("eData", date(2023, 3, 15)));
    EXPECT_EQ(dm->referenceDate(), QDateTime(QDate(2023, 3, 15), QTime(0, 0)));
    EXPECT_EQ(w->windowTitle(), "Rejestr wypadków na rok: 2023");
    EXPECT_EQ(dm->qrySKWWypadki->recordCount(), 0);

    // The source dictionary follows the date.
    EXPECT_TRUE(type("eData", date(2000, 12, 31)));
    EXPECT_TRUE(dm->dataset("qryZrodla")->sql().contains("SKWZRODLA", Qt::CaseInsensitive));
    EXPECT_FALSE(dm->dataset("qryZrodla")->sql().contains("SKWZRODLA_1", Qt::CaseInsensitive));
    EXPECT_TRUE(type("eData", date(2001, 1, 1)));
    EXPECT_TRUE(dm->dataset("qryZrodla")->sql().contains("SKWZRODLA_1"));

    // A text that is not a date reloads nothing.
    ui.clear();
    EXPECT_FALSE(type("eData", "31.13.2024"));
    EXPECT_EQ(ui.lastText(), "Zły format daty.");
    EXPECT_EQ(dm->referenceDate().date(), QDate(2001, 1, 1));
    EXPECT_FALSE(type("eDataWydr", "x"));
    EXPECT_EQ(ui.lastText(), "Zły format daty.");

    EXPECT_TRUE(type("eData", date(2024, 1, 2)));
    EXPECT_EQ(w->windowTitle(), "Rejestr wypadków na rok: 2024");
    EXPECT_EQ(dm->qrySKWWypadki->recordCount(), 1);
    EXPECT_TRUE(type("eDataWydr", date(2024, 6, 1)));
    EXPECT_EQ(admSettings().printDate, QDate(2024, 6, 1));
    adm->FormClose();
}

TEST_F(AdmBasic, StructureLevelIsAWholeNumberUpTo32767) {
    adm->FormShow(true);
    for (const char* bad : {"-1", "40000"}) {
        ui.clear();
        EXPECT_FALSE(type("ePoziom", bad));
        EXPECT_EQ(ui.lastText(), "Tylko liczby dodatnie. Max. 32767.");
    }
    ui.clear();
    EXPECT_FALSE(type("ePoziom", "abc"));
    EXPECT_EQ(ui.lastText(), "Zły format liczby całkowitej.");
    EXPECT_TRUE(written().isEmpty());
    EXPECT_TRUE(type("ePoziom", "32767"));
    EXPECT_EQ(admSettings().pozDoZatr, "32767");
    EXPECT_EQ(written(), QStringList{"PozDoZatr=32767"});
    EXPECT_TRUE(type("ePoziom", ""));
    EXPECT_EQ(admSettings().pozDoZatr, "");
    EXPECT_EQ(written(), QStringList{"PozDoZatr="});
}

TEST_F(AdmBasic, DocumentsFolderIsStoredInTheDatabase) {
    c().execute("DELETE FROM OPARAM");
    adm->FormShow(true);
    EXPECT_EQ(field("ePathDokum")->text(), "");
    const QString first = testTempRoot() + "/dok-" + QUuid::createUuid().toString(QUuid::Id128) + "/a";
    ui.files.push_back(first);
    adm->basicSettings().WybierzClick();  // no row yet: inserted, the folder made
    EXPECT_TRUE(QDir(first).exists());
    EXPECT_EQ(value("SELECT PATHDOKWYP FROM OPARAM WHERE ID = 1").toString(), first);
    EXPECT_EQ(field("ePathDokum")->text(), first);

    // Another folder: "No" to the question keeps the old one.
    const QString second = first + "B";
    ui.files.push_back(second);
    ui.answers.push_back(MsgAnswer::No);
    adm->basicSettings().WybierzClick();
    EXPECT_EQ(ui.shown.back().caption, "Czy dokonać zmiany nazwy katalogu ?");
    EXPECT_EQ(value("SELECT PATHDOKWYP FROM OPARAM").toString(), first);
    EXPECT_EQ(field("ePathDokum")->text(), first);
    EXPECT_FALSE(QDir(second).exists());
    ui.files.push_back(second);
    ui.answers.push_back(MsgAnswer::Yes);
    adm->basicSettings().WybierzClick();
    EXPECT_EQ(value("SELECT PATHDOKWYP FROM OPARAM").toString(), second);
    EXPECT_EQ(value("SELECT COUNT(*) FROM OPARAM").toInt(), 1);
    EXPECT_TRUE(QDir(second).exists());

    adm->FormShow(true);  // read again at every showing
    EXPECT_EQ(field("ePathDokum")->text(), second);
    QDir(testTempRoot()).rmpath(first);
    QDir(first).removeRecursively();
    QDir(second).removeRecursively();
}

TEST_F(AdmBasic, DocumentsFolderChangesAskByLetterCaseReplaceAWindowsPathAndKeepAFolderThatCannotBeMade) {
    const QString root = testTempRoot() + "/dok-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(root + "/Akta");
    c().execute("UPDATE OPARAM SET PATHDOKWYP = :p", {{"p", root + "/Akta"}});
    adm->FormShow(true);
    // Another letter case is another folder here: asked.
    ui.files.push_back(root + "/akta");
    ui.answers.push_back(MsgAnswer::No);
    adm->basicSettings().WybierzClick();
    EXPECT_EQ(ui.shown.back().caption, "Czy dokonać zmiany nazwy katalogu ?");
    EXPECT_EQ(field("ePathDokum")->text(), root + "/Akta");

    // A directory that cannot be made: said, the old folder kept.
    QFile file(root + "/plik");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ui.files.push_back(root + "/plik/d");
    ui.answers.push_back(MsgAnswer::Yes);
    adm->basicSettings().WybierzClick();
    EXPECT_EQ(ui.lastText(), DocumentsFolder::notCreatedMessage(root + "/plik/d"));
    EXPECT_EQ(value("SELECT PATHDOKWYP FROM OPARAM").toString(), root + "/Akta");

    // A folder written on Windows is replaced without the question; the folder
    // window remembers the new one.
    c().execute("UPDATE OPARAM SET PATHDOKWYP = 'D:\\Dokumenty'");
    adm->FormShow(true);
    EXPECT_EQ(field("ePathDokum")->text(), "D:\\Dokumenty");
    ui.clear();
    ui.files.push_back(root + "/Nowe");
    adm->basicSettings().WybierzClick();
    EXPECT_EQ(ui.shown.size(), 1u) << "the chooser only";
    EXPECT_EQ(value("SELECT PATHDOKWYP FROM OPARAM").toString(), root + "/Nowe");
    EXPECT_EQ(DocumentsFolder::remembered(), root + "/Nowe");
    QDir(root).removeRecursively();
}

TEST_F(AdmBasic, ViewOnlyUserChangesOnlyTheDates) {
    adm->FormShow(false);
    for (const char* name : {"rgSymbolWyp", "cbData", "ePoziom", "cmbRodzSKW", "rg233", "cmbRodzProt",
                             "rgPrzesluchanie", "cmbRok", "rgPolaProt", "rgDataNaglZal", "rgKolorTypWyp",
                             "cmbWypWDrodze", "cmbRodzKartaWyp", "rgPkt13prot", "bWybierz"})
        EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(field("eData")->isEnabled());
    EXPECT_TRUE(field("eDataWydr")->isEnabled());
    EXPECT_TRUE(find<QWidget>("bData")->isEnabled());
    EXPECT_TRUE(type("eData", date(2023, 2, 1)));
    EXPECT_EQ(w->windowTitle(), "Rejestr wypadków na rok: 2023");
    adm->FormClose();
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(AdmBasic, TheMainWindowsProtocolFieldsFollowTheProtocolFormAtOnce) {
    auto* type = w->findChild<QComboBox*>("cbrTypWyp");
    ASSERT_TRUE(type);
    adm->FormShow(true);
    choose("cmbRodzProt", 3);
    EXPECT_EQ(type->count(), 4);
    EXPECT_EQ(type->itemText(1), "traktowany na równi z wypadkiem przy pracy");
    choose("cmbRodzProt", 0);
    EXPECT_EQ(type->count(), 6);
    EXPECT_EQ(type->itemText(1), "zrównany z wypadkiem przy pracy");
    adm->FormClose();
}

TEST_F(AdmBasicServices, CiviliansAndOfficersOnOneListIsStoredInItsOwnSection) {
    adm->FormShow(true);
    auto* all = find<QCheckBox>("cbAllTypPrac");
    EXPECT_FALSE(all->isHidden());
    EXPECT_FALSE(all->isChecked());
    all->click();
    EXPECT_TRUE(admSettings().allTypPrac);
    QFile f(iniPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(QByteArray(AdmSettings::kOperGroup) + ".AllTypPrac.Str=T"));
    EXPECT_TRUE(written().isEmpty());
    adm->FormClose();
}

TEST_F(AdmBasicRegisters, AnotherCurrentRegisterIsShownAndReadWhenTheWindowCloses) {
    w->DodWypBtnClick();  // in the current register, "Rejestr A"
    ASSERT_EQ(dm->currentRegister(), 1);
    ASSERT_EQ(dm->qrySKWWypadki->recordCount(), 1);
    adm->FormShow(true);
    EXPECT_FALSE(find<QWidget>("pnRejestr")->isHidden());
    QComboBox* registers = combo("cbRejestr");
    ASSERT_EQ(registers->count(), 2);
    EXPECT_EQ(registers->currentData().toInt(), 1);
    choose("cbRejestr", registers->findData(2));
    EXPECT_EQ(dm->currentRegister(), 2);
    EXPECT_TRUE(w->findChild<QLabel*>("lRejestr")->text().startsWith("Bieżący rejestr: "));
    EXPECT_TRUE(w->findChild<QLabel*>("lRejestr")->text().contains("Rejestr B"));
    EXPECT_EQ(dm->qrySKWWypadki->recordCount(), 1);  // read again when the window closes
    adm->FormClose();
    EXPECT_EQ(dm->qrySKWWypadki->recordCount(), 0);
    EXPECT_EQ(written(), QStringList{"DokWypFont=0"});  // the register is not stored
}

TEST_F(AdmBasic, TheCalendarButtonsSetTheDates) {
    adm->FormShow(true);
    {
        ModalAnswer accept([]() {
            calendarForm().PoprzedniRokClick();
            calendarForm().findChild<QPushButton*>("bbAkceptuj")->click();
        });
        find<QToolButton>("bData")->click();
    }
    EXPECT_EQ(field("eData")->text(), date(2023, 5, 10));
    EXPECT_EQ(dm->referenceDate(), QDateTime(QDate(2023, 5, 10), QTime(0, 0)));
    EXPECT_EQ(w->windowTitle(), "Rejestr wypadków na rok: 2023");
    {
        ModalAnswer accept([]() {
            calendarForm().NastepnyMiesiacClick();
            calendarForm().findChild<QPushButton*>("bbAkceptuj")->click();
        });
        find<QToolButton>("bDataWydr")->click();
    }
    EXPECT_EQ(admSettings().printDate, QDate(2024, 6, 10));
    EXPECT_EQ(field("eDataWydr")->text(), date(2024, 6, 10));
    adm->FormClose();
}

TEST_F(AdmBasic, ClosingWaitsForAFieldLeftWithAWrongText) {
    adm->FormShow(true);
    adm->show();
    QLineEdit* level = field("ePoziom");
    level->setText("abc");
    emit level->textEdited("abc");
    adm->accept();
    EXPECT_EQ(ui.lastText(), "Zły format liczby całkowitej.");
    EXPECT_TRUE(adm->isVisible());
    level->setText("7");
    emit level->textEdited("7");
    adm->accept();
    EXPECT_FALSE(adm->isVisible());
    EXPECT_EQ(admSettings().pozDoZatr, "7");
    adm->FormClose();
}
