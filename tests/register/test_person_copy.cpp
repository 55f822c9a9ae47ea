// Choosing an injured person from the employee register on "Dane osobowe": what is
// copied into the pages, the choice among several employments, the restriction to
// the visible structure, and what "Zapisz" stores.
#include "MainWindowFixture.h"

#include "domain/Dictionaries.h"
#include "ui/DanPoszkodForm.h"
#include "ui/DictionaryCombos.h"
#include "support/ModalDriver.h"
#include "support/EmployeeRegister.h"
#include "support/TestValues.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

class PersonCopying : public MainWindowTest {
protected:
    void SetUp() override { startRun(1); }
    void startRun(int seesAllPersons) {
        TPrawaDostepu rights;
        rights.AWYPADKI = 2;
        rights.ABLOKWYPADKI = 2;
        rights.AOsobWysw = seesAllPersons;
        startAs(CurrentUser{1, QStringLiteral("tester"), QStringLiteral("Jan"), QStringLiteral("Test"), {}}, rights);
        admSettings().kzs = 1;
        admSettings().pozDoZatr = QStringLiteral("1");
        QApplication::setActiveWindow(w);
        w->DodWypBtnClick();
        person = dm->personId();
        w->showSubPage(Register::AtWork, 2);
    }
    void beforeWindow() override {
        employeeRegister(c());
        if (denyStore) c().execute("INSERT INTO ADOSTEPSTRUKT (IDUZYTK, IDSTRUKT) VALUES (1, 4)");
    }

    QComboBox* persons() { return w->findChild<QComboBox*>(QStringLiteral("cbNazwisko")); }
    int personIndex(int id) {
        for (int i = 0; i < persons()->count(); ++i)
            if (entryId(comboObject(persons(), i)) == id) return i;
        return -1;
    }
    // The user's choice of a person in the list.
    void choose(int id) {
        const int i = personIndex(id);
        ASSERT_GE(i, 0) << "person " << id << " is not in the list";
        persons()->setCurrentIndex(i);
        emit persons()->activated(i);
    }
    QString text(const char* name) { return edit(name)->text(); }
    bool checked(const char* name) { return w->findChild<QCheckBox*>(QString::fromLatin1(name))->isChecked(); }
    QVariant stored(const char* column) {
        return value(QStringLiteral("SELECT %1 FROM SKWPOSZKODOWANI WHERE ID = :id").arg(QLatin1String(column)),
                     {{"id", person}});
    }
    static QStringList lines(const TDanPoszkodForm& f) {
        QStringList out;
        for (int i = 0; i < f.list()->count(); ++i) out << f.list()->item(i)->text();
        return out;
    }
    static void clickLine(TDanPoszkodForm& f, int row) {
        QListWidget* l = f.list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    static QPushButton* closeButton(TDanPoszkodForm& f) { return f.findChild<QPushButton*>(QStringLiteral("ZamknijBtn")); }

    bool denyStore = false;
    int person = 0;
};

class RestrictedPersonCopying : public PersonCopying {
protected:
    void SetUp() override {
        denyStore = true;
        startRun(0);
    }
};

} // namespace

TEST_F(PersonCopying, ThePersonAndTheOnlyEmploymentAreCopiedAndSaved) {
    // A typed surname is not the stored one: the copy goes on.
    edit("epNazwisko")->setText(QStringLiteral("Nowak"));
    choose(1);
    EXPECT_EQ("Nowak", text("epNazwisko"));
    EXPECT_EQ("Jan", text("epImie"));
    EXPECT_EQ("Poszkodowany: Jan Nowak", w->subPages(Register::AtWork)->tabText(2)) << "the tab follows the copy";
    EXPECT_EQ("1", text("epIdPracownika"));
    EXPECT_EQ("80010112341", text("e9Pesel"));
    EXPECT_EQ("80010112341", text("epPeselPrac"));
    EXPECT_EQ(0, radio("rgpPlec")->itemIndex()) << "sex 5 is a man";
    EXPECT_EQ("Piotr", text("epImOjca"));
    EXPECT_EQ("Piotr", text("epSynCorka"));
    EXPECT_EQ("1980-01-01", text("epDataUr"));
    EXPECT_EQ("Kalisz", text("epMiejsceUr"));
    EXPECT_EQ("wielkopolskie", text("epWojew"));
    EXPECT_EQ("Dowód osobisty ABC123456", text("epDokPrac"));
    EXPECT_EQ("Jan Nowak", text("erImNazwCz"));
    EXPECT_EQ("Jan Nowak", text("erImNazwCzZap"));
    EXPECT_EQ("722204", text("epKodZawodu"));
    EXPECT_EQ("Ślusarz", text("epZawod"));
    EXPECT_EQ("P1", text("epStanowKod"));
    EXPECT_EQ("3", text("epIdStanow"));
    EXPECT_EQ("Tokarz", text("epStanowSkrot"));
    EXPECT_EQ("Produkcja", text("epStruktSkrot"));
    EXPECT_EQ("Firma", text("epPrzedsieb"));
    EXPECT_EQ("63-740 Modrzewo Lipowa 5", text("epAdresFirma"));
    EXPECT_EQ("1", text("epIdUmowy"));
    EXPECT_EQ("umowa o pracę", text("epUmowa"));
    EXPECT_EQ("14", text("epStaz"));
    EXPECT_TRUE(checked("cbpSzkWstepne"));
    EXPECT_FALSE(checked("cbpSzkInstr"));
    EXPECT_TRUE(checked("cbpSzkOkres"));
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join("\n").toStdString();

    w->sbZapiszBtnClick();
    EXPECT_EQ("Nowak", stored("NAZWISKO").toString());
    EXPECT_EQ(1, stored("IDPRACOWNIKA").toInt());
    EXPECT_EQ(1, stored("PLEC").toInt());
    EXPECT_EQ("Dowód osobisty ABC123456", stored("DOKPRAC").toString());
    EXPECT_EQ("80010112341", stored("PESELPRAC").toString());
    EXPECT_EQ(3, stored("IDSTANOW").toInt());
    EXPECT_EQ("Produkcja", stored("STRUKTSKROT").toString());
    EXPECT_EQ("722204", stored("KODZAWODU").toString());
    EXPECT_EQ(14, stored("STAZ").toInt());
    EXPECT_EQ("t", stored("SZKWSTEPNE").toString().trimmed());
    EXPECT_EQ("n", stored("SZKINSTR").toString().trimmed());
    EXPECT_EQ("Firma", stored("PRZEDSIEB").toString());

    // Now the stored surname is "Nowak": another Nowak copies nothing.
    choose(5);
    EXPECT_EQ("Jan", text("epImie"));
    EXPECT_EQ("1", text("epIdPracownika"));
    EXPECT_EQ("Dowód osobisty ABC123456", text("epDokPrac"));
}

TEST_F(PersonCopying, SeveralEmploymentsAreChosenInTheWindow) {
    // Closed without a click: the first employment.
    {
        ModalAnswer answer([&]() {
            TDanPoszkodForm& f = danPoszkodForm();
            EXPECT_EQ("Dane o zatrudnieniu związane z pracownikiem", f.windowTitle());
            EXPECT_EQ(lines(f), (QStringList{"Firma || Produkcja || Tokarz", "Firma || Magazyn || Magazynier"}));
            EXPECT_EQ("1", f.levelEdit()->text());
            EXPECT_EQ("Produkcja", f.employedIn()->text());
            f.reject();
        });
        choose(2);
    }
    EXPECT_EQ("Tokarz", text("epStanowSkrot"));
    EXPECT_EQ(1, radio("rgpPlec")->itemIndex());
    EXPECT_EQ("Paszport EA7654321", text("epDokPrac"));
    EXPECT_TRUE(checked("cbpSzkInstr"));

    // A click on the second line, then "Zamknij".
    {
        ModalAnswer answer([&]() {
            TDanPoszkodForm& f = danPoszkodForm();
            clickLine(f, 1);
            EXPECT_EQ("Magazyn", f.employedIn()->text());
            closeButton(f)->click();
        });
        choose(2);
    }
    EXPECT_EQ("Magazynier", text("epStanowSkrot"));
    EXPECT_EQ("5", text("epIdStanow"));
    EXPECT_EQ("Magazyn", text("epStruktSkrot"));
    EXPECT_EQ("6", text("epStaz"));
    EXPECT_FALSE(checked("cbpSzkWstepne"));
    w->sbZapiszBtnClick();
    EXPECT_EQ(5, stored("IDSTANOW").toInt());
    EXPECT_EQ("Magazynier", stored("STANOWSKROT").toString());
    EXPECT_EQ("n", stored("SZKWSTEPNE").toString().trimmed());
    EXPECT_EQ(2, stored("PLEC").toInt());
}

TEST_F(PersonCopying, TheLevelOfTheWindowIsCheckedAndHoldsForTheRun) {
    admSettings().pozDoZatr = QStringLiteral("0");
    ui.clear();
    ModalAnswer answer([&]() {
        TDanPoszkodForm& f = danPoszkodForm();
        EXPECT_EQ("Firma", f.employedIn()->text());
        f.levelEdit()->setText(QStringLiteral("abc"));
        f.ePoziomExit();
        EXPECT_EQ("Zły format liczby całkowitej.", ui.lastText());
        f.levelEdit()->setText(QStringLiteral("40000"));
        f.ePoziomExit();
        EXPECT_EQ("Tylko liczby dodatnie. Max. 32767.", ui.lastText());
        f.levelEdit()->setText(QStringLiteral("-2"));
        f.ePoziomExit();
        EXPECT_EQ("Tylko liczby dodatnie. Max. 32767.", ui.lastText());
        EXPECT_EQ("0", admSettings().pozDoZatr) << "a refused level changes nothing";
        EXPECT_EQ("Firma", f.employedIn()->text());
        f.levelEdit()->setText(QStringLiteral("2"));
        f.ePoziomExit();
        EXPECT_EQ("2", admSettings().pozDoZatr);
        EXPECT_EQ("Tokarz", f.employedIn()->text()) << "level 2 is the position itself";
        clickLine(f, 1);
        EXPECT_EQ("Magazynier", f.employedIn()->text());
        closeButton(f)->click();
    });
    choose(2);
    EXPECT_EQ("Magazynier", text("epStruktSkrot")) << "the copy uses the level set in the window";
    EXPECT_EQ(3u, ui.shown.size());
}

TEST_F(PersonCopying, APersonWithoutEmploymentAndTheOldListOfOccupations) {
    choose(4);
    EXPECT_EQ("1100005", text("epKodZawodu")) << "an occupation id from 1100001 is of the old list";
    EXPECT_EQ("Ślusarz (wykaz dawny)", text("epZawod"));
    EXPECT_EQ("Magazynier", text("epStanowSkrot"));

    choose(3);
    EXPECT_EQ("Wiśniewski", text("epNazwisko"));
    EXPECT_EQ("XY1", text("epDokPrac")) << "another document type: the number alone";
    EXPECT_EQ("0", text("epIdStanow"));
    EXPECT_EQ("0", text("epStaz"));
    EXPECT_EQ("", text("epStanowSkrot"));
    EXPECT_EQ("", text("epStanowKod"));
    EXPECT_EQ("", text("epStruktSkrot"));
    EXPECT_EQ("", text("epKodZawodu"));
    EXPECT_EQ("", text("epIdUmowy"));
    EXPECT_EQ("", text("epUmowa"));
    EXPECT_FALSE(checked("cbpSzkWstepne"));
    EXPECT_EQ("Firma", text("epPrzedsieb")) << "the employer is left as it was";
    w->sbZapiszBtnClick();
    EXPECT_EQ(0, stored("IDSTANOW").toInt());
    EXPECT_EQ(0, stored("STAZ").toInt());
    EXPECT_TRUE(stored("KODZAWODU").isNull());
    EXPECT_EQ("Wiśniewski", stored("NAZWISKO").toString());
}

TEST_F(RestrictedPersonCopying, OnlyTheEmploymentsInVisibleUnits) {
    EXPECT_EQ(-1, personIndex(4)) << "employed only in the denied unit";
    ASSERT_GE(personIndex(2), 0);
    choose(2);  // no choice window: the store's position is not visible
    EXPECT_EQ("Tokarz", text("epStanowSkrot"));
    EXPECT_EQ("3", text("epIdStanow"));
    w->sbZapiszBtnClick();
    EXPECT_EQ(3, stored("IDSTANOW").toInt());
}

TEST_F(PersonCopying, AnAccidentWithOneCopiedAndOneTypedPersonEnteredOnEveryPage) {
    const int accident = dm->accidentId();
    auto typeInto = [this](const char* name, const QString& text) {
        QLineEdit* e = edit(name);
        ASSERT_TRUE(e) << name;
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    };
    // The accident.
    w->showSubPage(Register::AtWork, 1);
    typeInto("ewData", "2024-03-02 07:40");
    typeInto("ewDataRejWyp", "2024-03-03");
    typeInto("ewStratyZl", "2.5");
    typeInto("ewStratyCzasu", "16");
    typeInto("ewSymbolWyp", "PR-1");
    typeInto("ewIdPolozGeogr", "3024052");
    w->sbZapiszBtnClick();
    EXPECT_EQ("PR-1", value("SELECT SYMBOLWYP FROM SKWWYPADKI WHERE ID = :id", {{"id", accident}}).toString());
    EXPECT_EQ(16, value("SELECT STRATYCZASU FROM SKWWYPADKI WHERE ID = :id", {{"id", accident}}).toInt());

    // The first person, copied from the employee register, then every page.
    w->showSubPage(Register::AtWork, 2);
    choose(1);
    EXPECT_EQ("Nowak", text("epNazwisko"));
    // An employee: the protocol pages, with the next protocol number.
    ui.confirmAnswers = {1};
    radio("rgpRodzUmowy")->button(0)->click();
    EXPECT_EQ(1, stored("RODZUMOWY").toInt());
    EXPECT_GE(stored("NUMERPROT").toInt(), 1);
    typeInto("epNrPismaZUS", "ZUS/1/2026");
    typeInto("epDniNiezd", "14");
    memo("mrOkolicznosci01")->setPlainText("Poślizgnięcie na mokrej posadzce.");
    w->sbZapiszBtnClick();
    EXPECT_EQ("80010112341", stored("PESELPRAC").toString());
    EXPECT_EQ(1, stored("IDPRACOWNIKA").toInt());
    EXPECT_EQ(14, stored("DNINIEZD").toInt());
    EXPECT_EQ("ZUS/1/2026", stored("NRPISMAZUS").toString());
    EXPECT_EQ("Poślizgnięcie na mokrej posadzce.", stored("OKOLICZNOSCI").toString());

    // The second person, typed, added from the list.
    w->showSubPage(Register::AtWork, 0);
    w->DodPoszkBtnClick();
    const int second = dm->personId();
    ASSERT_NE(person, second);
    w->showSubPage(Register::AtWork, 2);
    typeInto("epNazwisko", "Lis");
    typeInto("epImie", "Ola");
    typeInto("epDataUr", "1990-05-06");
    typeInto("epStaz", "3");
    typeInto("epDniNiezd", "5");
    w->sbZapiszBtnClick();
    auto secondValue = [&](const char* column) {
        return value(QStringLiteral("SELECT %1 FROM SKWPOSZKODOWANI WHERE ID = :id").arg(QLatin1String(column)),
                     {{"id", second}});
    };
    EXPECT_EQ("Lis", secondValue("NAZWISKO").toString());
    EXPECT_EQ(3, secondValue("STAZ").toInt());
    EXPECT_TRUE(secondValue("IDPRACOWNIKA").isNull() || secondValue("IDPRACOWNIKA").toInt() == 0);
    EXPECT_EQ(2, value("SELECT POSZKODOWANI FROM SKWWYPADKI WHERE ID = :id", {{"id", accident}}).toInt());
    EXPECT_EQ(2, value("SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE IDWYPADKU = :id", {{"id", accident}}).toInt());
    // The first person is as saved.
    EXPECT_EQ("Nowak", stored("NAZWISKO").toString());
    EXPECT_EQ(14, stored("DNINIEZD").toInt());
}
