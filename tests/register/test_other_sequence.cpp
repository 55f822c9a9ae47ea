// An accident in service entered as a user enters it: the accident page typed, an
// officer copied from the suite's persons, every page of his typed and chosen, the
// attachments listed, saved, back to the list, a second officer added and deleted;
// after each step the database holds exactly the changes expected and nothing else.
#include "OtherRegisterFixture.h"

#include "card/CodePickerForms.h"
#include "register/FieldCheckLinks.h"
#include "support/ModalDriver.h"

#include <QCheckBox>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

class OtherSequence : public OtherRegisterTest {
protected:
    static QString ts(const char* day, const char* time = "00:00:00") {
        return QString::fromLatin1(day) + QLatin1Char('T') + QString::fromLatin1(time) + QStringLiteral(".000");
    }
    void click(const char* group, int item) { radio(group)->button(item)->click(); }
    void type(const char* field, const QString& text) {
        QLineEdit* e = edit(field);
        showPageOf(e);
        e->setText(text);
    }
    void typeMemo(const char* name, const QString& text) {
        QPlainTextEdit* m = memo(name);
        showPageOf(m);
        m->setPlainText(text);
    }
    // Picks the cause with the code in the activity/event/cause picker that is up.
    static void pickCause(const QString& code) {
        TfrmEKWInfor& picker = ekwInforForm();
        QTreeWidget* tree = picker.view()->tree();
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->text(0).startsWith(QLatin1Char('[') + code + QLatin1Char(']'))) tree->setCurrentItem(*it);
        picker.okButton()->click();
        if (picker.isVisible()) picker.reject();
    }
};

} // namespace

TEST_F(OtherSequence, AnAccidentWithItsOfficerEnteredOnEveryPageSavedAndAnotherOfficerAddedAndDeleted) {
    ASSERT_EQ(w->activeRegister(), Register::Other) << "the variant starts on its register";
    addAccident();
    ASSERT_GT(accident, 900);
    const QStringList others = rowsBut(accident);
    const auto accidentBefore = row("WYPOPER_WYPADKI", accident);
    const auto officerBefore = row("WYPOPER_POSZKODOWANI", officer);
    EXPECT_EQ("2", accidentBefore.value("NUMER")) << "the next number of the year";
    EXPECT_EQ("1", officerBefore.value("NRPOSZK"));

    // The accident page.
    w->showSubPage(Register::Other, 1);
    ASSERT_TRUE(w->session(Register::Other).editing());
    edit("eeSymbolWyp")->setText("SP-1");
    edit("eeMscWypadku")->setText(QString::fromUtf8("Modrzewo, ul. Dworcowa 12 (przed lokalem gastronomicznym)"));
    EXPECT_EQ(45, edit("eeMscWypadku")->text().size()) << "cut to its column";
    QLineEdit* date = edit("eeData");
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, "2024-05-09 21:40");
    edit("eeSymbolWyp")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ("2024-05-09 21:40", edit("exData")->text()) << "shown on the protocol";
    EXPECT_EQ("Wypadek z dnia 2024-05-09 21:40", w->subPages(Register::Other)->tabText(1));

    // The officer copied from the suite's persons: his rank, nothing of his employments.
    w->showSubPage(Register::Other, 2);
    choosePerson(2);
    EXPECT_EQ("Kowalska", edit("efNazwisko")->text());
    EXPECT_EQ("podkomisarz", edit("efStopSl")->text());
    EXPECT_EQ("80010112342", edit("e_Pesel")->text());
    EXPECT_EQ("2", edit("efIdPracownika")->text());
    EXPECT_EQ("Piotr", edit("efSynCorka")->text());
    EXPECT_EQ("Poszkodowany: Anna Kowalska", w->subPages(Register::Other)->tabText(2));
    EXPECT_EQ(2, dm->dataset("qryZatrudnienie_Policja")->recordCount()) << "her two employments read";

    // Every page.
    choose(combo("cbStopSl"), 6);
    choose(combo("cbNazwaJedn"), 4);
    choose(combo("cbWojewJedn"), 14);
    choose(combo("cbStanoPol"), 2);
    type("efStaz", "12");
    type("efMIEJSCESP", "Modrzewo");
    type("efDATASP", "2024-05-15");
    choose(combo("cbZespol10"), 0);  // by name: Iwona Sobczak first
    EXPECT_EQ(QString::fromUtf8("Iwona Sobczak"), edit("efImNazw1")->text());
    EXPECT_EQ(QString::fromUtf8("specjalista ds. bhp"), edit("efStanow1")->text());
    type("efImNazw4", QString::fromUtf8("Paweł Baran"));
    type("efDataUst", "2024-05-10");
    type("efDataZakUst", "2024-05-14");
    type("efImNazwZg", "Anna Kowalska");
    type("efDataZg", "2024-05-10");
    const QString story = QString::fromUtf8("Napastnik \"z butelką\" zaatakował; O'Hara widział.\nWiersz drugi\nWiersz trzeci");
    typeMemo("mfPrzyczyny01", story);
    showPageOf(radio("rgfSkutkiTyp"));
    click("rgfSkutkiTyp", 0);
    EXPECT_TRUE(pageOf("pSkutkiWyp")->isVisible()) << "the death's details";
    EXPECT_EQ(0, radio("rg_SkutkiTyp")->itemIndex());
    choose(combo("cbfSkutekSm"), 2);
    QLineEdit* died = edit("efDATASm");
    died->setText(QString());
    QTest::keyClicks(died, "2024-05-11");
    EXPECT_EQ("2024-05-11", edit("e_DATASm")->text()) << "the record card's date of death";
    type("efGodzSm", "03:15");
    click("rgfSzpitalSm", 1);
    type("efMiejscSm", "Kalisz");
    typeMemo("mfSkutki02", QString::fromUtf8("Rana głowy."));
    showPageOf(radio("rgfTypWyp"));
    click("rgfTypWyp", 1);
    typeMemo("mfUzasadTyp03", "U");
    typeMemo("mfSzkoda04", "S");
    click("rgfOkolicznosci", 0);
    click("rgfWykonywanieObSl", 1);
    type("efPktUstawy", "3");
    choose(combo("cbfWylPrzyczyna"), 0);
    typeMemo("mfRozkPrzep105", "R1");
    typeMemo("mfRozkPrzep206", "R2");
    choose(combo("cbfStanPolicjanta"), 1);
    typeMemo("mfStanPolicjanta_Opis107", "P1");
    typeMemo("mfStanPolicjanta_Opis208", "P2");
    typeMemo("mfPrzyczDoWyp09", "PD");
    choose(combo("cbfRozmSkutki"), 2);
    typeMemo("mfRozmSkutki_Opis10", "RS");
    typeMemo("mfPodstUstalen11", "PU");
    choose(combo("cbfPrzepisy"), 1);
    typeMemo("mfPrzepisy_Opis12", "PO");
    typeMemo("mfProfilaktyka13", "PR");
    showPageOf(radio("rgfZAPOZNANY"));
    click("rgfZAPOZNANY", 1);
    click("rgfUwagi", 1);
    EXPECT_TRUE(memo("mfUwagi_Opis14")->isVisible());
    typeMemo("mfUwagi_Opis14", "UW");
    click("rgfOdrZdanie", 0);
    type("efDataProt", "2024-05-16");
    typeMemo("mfPrzeszkody15", "PZ");
    click("rgfZatwierdzony", 0);
    type("efDataZatwZw", "2024-05-17");
    w->findChild<QCheckBox*>("cbfZatwDod")->setChecked(true);
    type("efDataZatwDod", "2024-05-18");
    click("rgfDORECZENIE", 1);
    type("efDataOdb", "2024-05-19");
    // "Uaktualnij": the officer's hearing numbered 3 is his third attachment.
    c().execute("INSERT INTO WYPOPER_PRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP) VALUES (1, :a, :o, 3, 0)",
                {{"a", accident}, {"o", officer}});
    w->findChild<QAbstractButton*>("Button3")->click();
    EXPECT_EQ(QString::fromUtf8("Załącznik 1, Załącznik 2, Załącznik 3"), memo("mfZalaczniki16")->toPlainText());
    choose(combo("cbfRodzWypEKW"), 3);
    type("efZwolnienie", "14");
    type("efProcUszZdr", "2.5");
    type("efStratyMat", "350.75");
    showPageOf(radio("egfOdszkodowanie"));
    click("egfOdszkodowanie", 1);
    EXPECT_FALSE(edit("efKwotaOdszkod")->isEnabled());
    click("egfOdszkodowanie", 0);
    type("efKwotaOdszkod", "1120.5");
    type("efDataSzkolBHP", "2023-10-01");
    type("efDataSzkolZaw", "2022-03-01");
    typeMemo("mfUwagiEKW17", "E");
    type("efSporzadzEKW", "Iwona Sobczak");
    type("efDataSporzEKW", "2024-05-20");
    // Two injuries and a triple of the tree.
    choose(combo("cbDoznUraz1"), 10);
    choose(combo("cbDoznUraz2"), 18);
    {
        ModalAnswer answer([]() { pickCause(QStringLiteral("K1.1")); });
        w->findChild<QAbstractButton*>("wWydarzUraz1")->click();
    }
    EXPECT_EQ("11", edit("efIDCzynnUraz1")->text());
    EXPECT_EQ("Agresja", edit("efPrzyczyna1")->text());

    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    QString stored = story;
    stored.replace("\n", "\r\n");
    const QMap<QString, QString> officerExpected{
        {"IDPRACOWNIKA", "2"}, {"NAZWISKO", "Kowalska"}, {"IMIE", "Anna"}, {"STOPSL", "aspirant"},
        {"SYNCORKA", "Piotr"}, {"DATAUR", ts("1980-01-01")}, {"MIEJSCEUR", "Kalisz"}, {"KODPOCZ", "63-741"},
        {"MIEJSCOW", "Borowiec"}, {"WOJEW", "wielkopolskie"}, {"ULICA", "Polna"}, {"NRUL", "7"}, {"NRMIESZ", "2"},
        {"NAZWAJEDN", "Komenda Powiatowa Policji"}, {"WOJEWJEDN", "wielkopolskie"}, {"STANOPOL", "dzielnicowy"},
        {"STAZ", "12"}, {"MIEJSCESP", "Modrzewo"}, {"DATASP", ts("2024-05-15")},
        {"IMNAZW1", QString::fromUtf8("Iwona Sobczak")}, {"FUNKCJA1", "asp. sztab."},
        {"STANOW1", "specjalista ds. bhp"}, {"IMNAZW4", QString::fromUtf8("Paweł Baran")},
        {"DATAUST", ts("2024-05-10")}, {"DATAZAKUST", ts("2024-05-14")}, {"IMNAZWZG", "Anna Kowalska"},
        {"DATAZG", ts("2024-05-10")}, {"PRZYCZYNY", stored}, {"SKUTKITYP", "1"}, {"SKUTEKSM", "2"},
        {"DATASM", ts("2024-05-11")}, {"GODZSM", "03:15"}, {"SZPITALSM", "2"}, {"MIEJSCSM", "Kalisz"},
        {"SKUTKI", QString::fromUtf8("Rana głowy.")}, {"TYPWYP", "1"}, {"UZASADTYP", "U"}, {"SZKODA", "S"},
        {"OKOLICZNOSCI", "1"}, {"WYKONYWANIEOBSL", "2"}, {"PKTUSTAWY", "3"}, {"WYLPRZYCZYNA", "0"},
        {"ROZKPRZEP1", "R1"}, {"ROZKPRZEP2", "R2"}, {"STANPOLICJANTA", "1"}, {"STANPOLICJANTA_OPIS1", "P1"},
        {"STANPOLICJANTA_OPIS2", "P2"}, {"PRZYCZDOWYP", "PD"}, {"ROZMSKUTKI", "2"}, {"ROZMSKUTKI_OPIS", "RS"},
        {"PODSTUSTALEN", "PU"}, {"PRZEPISY", "1"}, {"PRZEPISY_OPIS", "PO"}, {"PROFILAKTYKA", "PR"},
        {"ZAPOZNANY", "2"}, {"UWAGI", "2"}, {"UWAGI_OPIS", "UW"}, {"ODRZDANIE", "1"}, {"DATAPROT", ts("2024-05-16")},
        {"PRZESZKODY", "PZ"}, {"ZATWIERDZONY", "1"}, {"DATAZATWZW", ts("2024-05-17")}, {"ZATWDOD", "t"},
        {"DATAZATWDOD", ts("2024-05-18")}, {"DORECZENIE", "2"}, {"DATAODB", ts("2024-05-19")},
        {"ZALACZNIKI", QString::fromUtf8("Załącznik 1, Załącznik 2, Załącznik 3")}, {"RODZWYPEKW", "3"},
        {"ZWOLNIENIE", "14"}, {"PROCUSZZDR", "2.5"}, {"STRATYMAT", "350.75"}, {"KWOTAODSZKOD", "1120.5"},
        {"DATASZKOLBHP", ts("2023-10-01")}, {"DATASZKOLZAW", ts("2022-03-01")}, {"UWAGIEKW", "E"},
        {"SPORZADZEKW", "Iwona Sobczak"}, {"DATASPORZEKW", ts("2024-05-20")},
        {"DOZNURAZ1", QString::fromUtf8("dłoń prawa")}, {"DOZNURAZ2", QString::fromUtf8("głowa")},
        {"IDCZYNNURAZ1", "11"}, {"CZYNNURAZ1", "Interwencja"}, {"IDWYDARZURAZ1", "21"}, {"WYDARZURAZ1", QString::fromUtf8("Napaść")},
        {"IDPRZYCZYNA1", "31"}, {"PRZYCZYNA1", "Agresja"}};
    const auto officerSaved = row("WYPOPER_POSZKODOWANI", officer);
    EXPECT_EQ("", mismatches(changes(officerBefore, officerSaved), officerExpected));
    const QMap<QString, QString> accidentExpected{
        {"SYMBOLWYP", "SP-1"}, {"DATA", ts("2024-05-09", "21:40:00")},
        {"MSCWYPADKU", QString::fromUtf8("Modrzewo, ul. Dworcowa 12 (przed lokalem gast")},
        {"DATAZGMIN", ts("2024-05-10")}};
    const auto accidentSaved = row("WYPOPER_WYPADKI", accident);
    EXPECT_EQ("", mismatches(withoutTakesOf(changes(accidentBefore, accidentSaved)), accidentExpected));
    EXPECT_EQ(others, rowsBut(accident));
    EXPECT_TRUE(w->session(Register::Other).editing()) << "editing goes on";
    EXPECT_EQ(story, memo("mfPrzyczyny01")->toPlainText()) << "read back as typed";

    // Back to the list: nothing more to write; the accident given back.
    w->showSubPage(Register::Other, 0);
    EXPECT_FALSE(w->session(Register::Other).editing());
    EXPECT_EQ(officerSaved, row("WYPOPER_POSZKODOWANI", officer));
    EXPECT_FALSE(accidentColumn("CZASZAK").isNull());
    EXPECT_EQ(others, rowsBut(accident));

    // A second officer: counted, the accident collective; then deleted again.
    w->DodPoszkBtnClick();
    const int second = dm->otherPersonId();
    ASSERT_NE(second, officer);
    EXPECT_EQ("2", officerColumn("NRPOSZK", second).toString());
    EXPECT_EQ("2", accidentColumn("POSZKODOWANI").toString());
    EXPECT_EQ("1", accidentColumn("WYPIZ").toString());
    EXPECT_EQ(officerSaved, row("WYPOPER_POSZKODOWANI", officer));
    ui.confirmAnswers = {1};
    w->sbKasPoszkBtnClick();
    EXPECT_EQ(0, value("SELECT COUNT(*) FROM WYPOPER_POSZKODOWANI WHERE ID = :id", {{"id", second}}).toInt());
    EXPECT_EQ("1", accidentColumn("POSZKODOWANI").toString());
    EXPECT_EQ("0", accidentColumn("WYPIZ").toString());
    EXPECT_EQ(officerSaved, row("WYPOPER_POSZKODOWANI", officer));
    EXPECT_EQ(withoutTakesOf(accidentSaved), withoutTakesOf(row("WYPOPER_WYPADKI", accident)));
    EXPECT_EQ(others, rowsBut(accident));
}
