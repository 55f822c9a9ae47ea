// The dictionary lists of the main window's entry pages: positioned on the codes of
// the loaded record, written into the code and text fields by the user's choice
// only, the lists of the card version, the occupation and person filters, clearing
// a code by a double click, and the registration-date calendar.
#include "MainWindowFixture.h"
#include "support/ModalDriver.h"

#include "ui/KalendarzForm.h"
#include "ui/PageDictionaries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace zort;
using namespace zort::test;

namespace {

class Pages : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        c().execute("INSERT INTO SKWMIEJSCA (ID, SKROT, NAZWA) VALUES (1, 'hala', 'Hala produkcyjna')");
        c().execute("INSERT INTO SKWMIEJSCA (ID, SKROT, NAZWA) VALUES (2, 'plac', 'Plac składowy')");
        c().execute("INSERT INTO SKWSTATUSZATR_1 (ID, KOD, NAZWA) VALUES (1, '10', 'pracownik (karta 2022)')");
        c().execute("INSERT INTO DZAWODY (ID, KOD, NAZWA) VALUES (1100002, '1100002', 'Tokarz metali o bardzo długiej "
                    "nazwie zawodu')");
        c().execute("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (1, 'Anna Lis', 'specjalista BHP')");
        c().execute("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE, PESEL) VALUES (1, 'O''Brien', 'Seán', '80010112345')");
        c().execute("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE, PESEL) VALUES (2, 'Obara', 'Ewa', '81010112345')");
        c().execute("INSERT INTO ODANOS (IDOSOBY, NAZWISKO, IMIE, PESEL) VALUES (3, 'Nowak', 'Jan', '82010112345')");
        w->dictionaries().fillAll();
        w->DodWypBtnClick();
        status.setConnection(&c());
        status.setSql("SELECT * FROM SKWSTATUSZATR ORDER BY ID");
        status.open();
        placeKinds.setConnection(&c());
        placeKinds.setSql("SELECT * FROM SKWRODZAJMIEJSCWYP ORDER BY ID");
        placeKinds.open();
    }
    // The accident and its person with these codes, loaded into the pages.
    void load(int version, const QString& place, const QString& statusCode, const QString& occupation, int blok = 0) {
        c().execute("UPDATE SKWWYPADKI SET WERSJASKW = :v, IDMIEJSCA = :m, IDRODZAJMIEJSCAWYP = :k, BLOK = :b",
                    {{"v", version}, {"m", place}, {"k", placeKinds.fieldAt(1, "KOD").asString()}, {"b", blok}});
        c().execute("UPDATE SKWPOSZKODOWANI SET IDUMOWY = :u, KODZAWODU = :z, IDPRACOWNIKA = 1, "
                    "WOJEW = 'łódzkie', IMNAZWA = 'Anna Lis', RODZUMOWY = 1",
                    {{"u", statusCode}, {"z", occupation}});
        dm->qrySKWWypadki->refresh();
        w->loadRecord(Register::AtWork);
    }
    QComboBox* combo(const char* name) { return w->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QString shown(const char* name) { return combo(name)->currentIndex() < 0 ? QString() : combo(name)->currentText(); }

    Dataset status;
    Dataset placeKinds;
};

} // namespace

TEST_F(Pages, ListsShowTheLoadedCodesAndTheUsersChoiceWritesThem) {
    load(3, "2", status.fieldAt(2, "KOD").asString(), "1100002");
    EXPECT_EQ("2 - plac", shown("cbMiejsca"));
    EXPECT_EQ(placeKinds.fieldAt(1, "KOD").asString() + " - " + placeKinds.fieldAt(1, "NAZWA").asString(),
              shown("cbRodzajMiejscaWyp"));
    EXPECT_EQ(status.recordCount(), combo("cbUmowa")->count()) << "SKW 2010 lists SKWSTATUSZATR";
    EXPECT_EQ(status.fieldAt(2, "KOD").asString() + " - " + status.fieldAt(2, "NAZWA").asString(), shown("cbUmowa"));
    EXPECT_EQ("1100002 - Tokarz metali o bardzo długiej nazwie zawodu", shown("cbZawod"));
    EXPECT_EQ("O'Brien Seán 80010112345", shown("cbNazwisko")) << "the linked employee by its PESEL";
    EXPECT_EQ("łódzkie", shown("cmbWojew"));
    EXPECT_EQ("Anna Lis - specjalista BHP", shown("cbZespol1"));
    EXPECT_TRUE(combo("cbMiejsca")->isEnabled());
    // "Liczba pracujących :" only shows the entry of the code loaded.
    EXPECT_FALSE(combo("cbLiczbaPrac")->isEnabled());
    EXPECT_EQ("", edit("epZawod")->text()) << "positioning writes nothing";

    // The user's choices write the code and the text.
    emit combo("cbMiejsca")->activated(0);
    EXPECT_EQ("1", edit("ewIdMiejsca")->text());
    EXPECT_EQ("hala", edit("ewMiejsceWyp")->text());
    emit combo("cbZawod")->activated(0);
    EXPECT_EQ("1100002", edit("epKodZawodu")->text());
    EXPECT_EQ("Tokarz metali o bardzo długiej", edit("epZawod")->text()) << "cut to 30 characters";
    emit combo("cbUmowa")->activated(0);
    EXPECT_EQ(status.fieldAt(0, "KOD").asString(), edit("epIdUmowy")->text());
    EXPECT_EQ(status.fieldAt(0, "NAZWA").asString().left(50), edit("epUmowa")->text());
    emit combo("cmbWojew")->activated(0);
    EXPECT_EQ("dolnośląskie ", edit("epWojew")->text());
    emit combo("cbZespol2")->activated(0);
    EXPECT_EQ("Anna Lis", edit("erImNazwB")->text());
    EXPECT_EQ("specjalista BHP", edit("erFunkcjaB")->text());
    w->showSubPage(Register::AtWork, 1);
    w->sbZapiszBtnClick();
    EXPECT_EQ("1", value("SELECT IDMIEJSCA FROM SKWWYPADKI").toString());
    EXPECT_EQ("1100002", value("SELECT KODZAWODU FROM SKWPOSZKODOWANI").toString());
    EXPECT_EQ("1 - hala", shown("cbMiejsca")) << "the saved record loaded again";

    // A double click clears the code, its text and its list on an open accident only.
    QTest::mouseDClick(edit("ewIdMiejsca"), Qt::LeftButton);
    EXPECT_EQ("", edit("ewIdMiejsca")->text());
    EXPECT_EQ("", edit("ewMiejsceWyp")->text());
    EXPECT_EQ(-1, combo("cbMiejsca")->currentIndex());
    w->showSubPage(Register::AtWork, 0);
    load(3, "2", "", "1100002", 1);
    QTest::mouseDClick(edit("epKodZawodu"), Qt::LeftButton);
    EXPECT_EQ("1100002", edit("epKodZawodu")->text());
    EXPECT_FALSE(combo("cbZawod")->isEnabled());
    EXPECT_FALSE(combo("cbLiczbaPrac")->isEnabled()) << "a closed accident";
}

TEST_F(Pages, TheCardVersionChoosesTheStatusLists) {
    load(5, "", "10", "");
    EXPECT_EQ(QStringList{"10 - pracownik (karta 2022)"}, QStringList{combo("cbUmowa")->itemText(0)});
    EXPECT_EQ(1, combo("cbUmowa")->count()) << "SKW 2022 lists SKWSTATUSZATR_1";
    EXPECT_EQ("10 - pracownik (karta 2022)", shown("cbUmowa"));
    c().execute("INSERT INTO SKWUMOWY_1 (ID, SKROT) VALUES (3, 'umowa o dzieło')");
    load(1, "", "3", "");
    EXPECT_EQ("3 - umowa o dzieło", shown("cbUmowa")) << "SKW 2000 after 2000: SKWUMOWY_1 by id";
    EXPECT_FALSE(combo("cbLiczbaPrac")->isEnabled()) << "the 2000 card has no such list";
    emit combo("cbUmowa")->activated(0);
    EXPECT_EQ("3", edit("epIdUmowy")->text());
    EXPECT_EQ("umowa o dzieło", edit("epUmowa")->text());
    load(0, "", status.fieldAt(0, "KOD").asString(), "");
    EXPECT_EQ(status.recordCount(), combo("cbUmowa")->count());
}

TEST_F(Pages, OccupationAndPersonFilters) {
    admSettings().kzs = 4;
    w->dictionaries().fillOccupations();
    const int all = combo("cbZawod")->count();
    EXPECT_GT(all, 2000);
    auto* occupationFilter = w->findChild<QCheckBox*>("cb_Filtr");
    EXPECT_TRUE(edit("e_Filtr")->isHidden());
    occupationFilter->setChecked(true);
    EXPECT_FALSE(edit("e_Filtr")->isHidden());
    edit("e_Filtr")->setText("SPAWACZ");
    w->findChild<QToolButton*>("bPokaz")->click();
    const int welders = combo("cbZawod")->count();
    EXPECT_GT(welders, 0);
    for (int i = 0; i < welders; ++i) EXPECT_TRUE(combo("cbZawod")->itemText(i).contains("spawacz", Qt::CaseInsensitive));
    // Polish capitals match the names' small letters; "%" and "_" are letters like any other.
    edit("e_Filtr")->setText("ŚLUSARZ NARZ");
    w->findChild<QToolButton*>("bPokaz")->click();
    ASSERT_EQ(1, combo("cbZawod")->count());
    EXPECT_TRUE(combo("cbZawod")->itemText(0).contains("Ślusarz narzędziowy"));
    for (const char* literal : {"50%", "_", "%"}) {
        edit("e_Filtr")->setText(literal);
        w->findChild<QToolButton*>("bPokaz")->click();
        EXPECT_EQ(0, combo("cbZawod")->count()) << literal;
    }
    occupationFilter->setChecked(false);
    EXPECT_EQ(all, combo("cbZawod")->count());

    EXPECT_EQ(3, combo("cbNazwisko")->count());
    auto* personFilter = w->findChild<QCheckBox*>("cb_FiltrN");
    personFilter->setChecked(true);
    edit("e_FiltrN")->setText("O'");
    w->findChild<QToolButton*>("bPokazN")->click();
    ASSERT_EQ(1, combo("cbNazwisko")->count());
    EXPECT_EQ("O'Brien Seán 80010112345", combo("cbNazwisko")->itemText(0));
    edit("e_FiltrN")->setText("o");
    w->findChild<QToolButton*>("bPokazN")->click();
    EXPECT_EQ(0, combo("cbNazwisko")->count()) << "the beginning of the surname, case as typed";
    personFilter->setChecked(false);
    EXPECT_EQ(3, combo("cbNazwisko")->count());
}

TEST_F(Pages, TheRegistrationDateCalendar) {
    c().execute("UPDATE SKWWYPADKI SET DATAREJWYP = '2024-04-03'");
    dm->qrySKWWypadki->refresh();
    w->showSubPage(Register::AtWork, 1);
    edit("ewDataRejWyp")->clear();  // no date in the field: the stored one
    QDate opened;
    ModalAnswer accept([&opened]() {
        opened = calendarForm().date();
        calendarForm().NastepnyMiesiacClick();
        calendarForm().findChild<QPushButton*>("bbAkceptuj")->click();
    });
    w->findChild<QToolButton*>("wDataRejBtn")->click();
    EXPECT_EQ(QDate(2024, 4, 3), opened);
    EXPECT_EQ("2024-05-03", edit("ewDataRejWyp")->text());
}

TEST_F(MainWindowTest, ZnajdzOpensTheSearchWindowBesideTheMainWindow) {
    w->bZnajdzClick();
    auto* search = Forms::get<QDialog>(QStringLiteral("TZnajdzForm"));
    ASSERT_TRUE(search);
    EXPECT_TRUE(search->isVisible());
    EXPECT_FALSE(search->isModal());
    w->bZnajdzClick();
    EXPECT_EQ(search, Forms::get<QDialog>(QStringLiteral("TZnajdzForm"))) << "created once";
}
