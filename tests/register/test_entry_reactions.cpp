// The reactions of the accident-at-work pages: the protocol form's memo limits and
// accident types (a stored value longer or higher than the form allows is kept), the
// type of accident that clicks do not change, closing an accident saved at once,
// the father's name copied, the dependent fields of two choices, clearing a position.
#include "MainWindowFixture.h"

#include "core/AdmSettings.h"
#include "db/Dataset.h"
#include "domain/ProtocolLayout.h"
#include "domain/RegisterSql.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

class Reactions : public OpenAccidentTest {
protected:
    void reload() {
        dm->qrySKWWypadki->refresh();
        w->loadRecord(Register::AtWork);
    }
    MemoEdit* memoEdit(const char* name) { return w->findChild<MemoEdit*>(QString::fromLatin1(name)); }
};

} // namespace

TEST(ProtocolLayouts, LimitsItemsAndCaptionsOfTheFourForms) {
    EXPECT_EQ(2490, protocolLayout(0, false).memoLimits.value("mrPrzyczyny02"));
    EXPECT_EQ(772, protocolLayout(1, false).memoLimits.value("mrPrzyczyny02"));
    EXPECT_EQ(1320, protocolLayout(2, false).memoLimits.value("mrPrzyczyny02"));
    EXPECT_EQ(0, protocolLayout(2, true).memoLimits.value("mrPrzyczyny02")) << "the setting lifts the limits";
    EXPECT_EQ(772, protocolLayout(1, true).memoLimits.value("mrOkolicznosci01")) << "but not of the 2003 form";
    EXPECT_EQ(3120, protocolLayout(3, false).memoLimits.value("mrOkolicznosci01"));
    EXPECT_EQ(1575, protocolLayout(0, false).memoLimits.value("mpOdmowaZus11"));
    EXPECT_EQ(0, protocolLayout(1, false).memoLimits.value("mpOdmowaZus11"));
    EXPECT_EQ(1350, protocolLayout(0, false).memoLimits.value("mkOkolicznosci01"));
    EXPECT_EQ(500, protocolLayout(3, false).memoLimits.value("mkPrzeszkody09"));
    EXPECT_EQ(0, protocolLayout(1, true).memoLimits.value("mkPrzeszkody09"));
    EXPECT_EQ(6, protocolLayout(0, false).accidentTypes.size());
    EXPECT_EQ("nie jest wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia",
              protocolLayout(0, false).accidentTypes.last());
    EXPECT_EQ(4, protocolLayout(3, false).accidentTypes.size());
    EXPECT_EQ("Okoliczności i przyczyny wypadku :", protocolLayout(0, false).causesCaption);
    EXPECT_EQ("Przyczyny wypadku :", protocolLayout(1, false).causesCaption);
    EXPECT_FALSE(protocolLayout(0, false).employerEditable);
    EXPECT_TRUE(protocolLayout(1, false).employerEditable);
    EXPECT_TRUE(protocolLayout(3, false).remarksQuestion);
    EXPECT_FALSE(protocolLayout(2, false).remarksQuestion);
}

TEST(MemoLimits, TheLimitRestrictsTypingOnly) {
    MemoEdit memo(QStringLiteral("mTest"));
    memo.setMaxLength(10);
    QTest::keyClicks(&memo, "abcdefghijkl");
    EXPECT_EQ("abcdefghij", memo.toPlainText()) << "typing stops at the limit";

    // A longer stored text is shown and kept whole; it can be shortened, not lengthened.
    const QString stored(30, QLatin1Char('x'));
    {
        const QSignalBlocker block(&memo);
        memo.setPlainText(stored);
    }
    EXPECT_EQ(stored, memo.toPlainText());
    memo.moveCursor(QTextCursor::Start);
    QTest::keyClicks(&memo, "y");
    EXPECT_EQ(stored, memo.toPlainText()) << "nothing typed in and nothing cut off the end";
    QTest::keyClick(&memo, Qt::Key_Delete);
    EXPECT_EQ(29, memo.toPlainText().size());
    memo.setMaxLength(5);
    EXPECT_EQ(29, memo.toPlainText().size()) << "a new limit cuts nothing";
}

TEST_F(Reactions, AStoredProtocolLongerThanTheFormAllowsIsSavedUnchanged) {
    admSettings().nowyProtPowypadkowy = 0;  // the form of 1998
    const QString text = QString(3000, QLatin1Char('o'));
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1, TYPWYP = 5, OKOLICZNOSCI = :t WHERE ID = :id",
                {{"t", text}, {"id", person}});
    reload();
    EXPECT_EQ(772, memoEdit("mrOkolicznosci01")->maxLength());
    EXPECT_EQ(text, memoEdit("mrOkolicznosci01")->toPlainText());
    auto* type = w->findChild<QComboBox*>("cbrTypWyp");
    EXPECT_EQ(6, type->count());
    EXPECT_EQ(5, type->currentIndex());
    const auto* caption = [&]() -> QLabel* {
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->buddy() == memoEdit("mrPrzyczyny02")) return l;
        return nullptr;
    }();
    ASSERT_TRUE(caption);
    EXPECT_EQ("Okoliczności i przyczyny wypadku :", caption->text());

    // Under the form of 2003 the list has four items: TYPWYP 5 goes back as it was.
    admSettings().nowyProtPowypadkowy = 1;
    reload();
    EXPECT_EQ(4, type->count());
    EXPECT_EQ(-1, type->currentIndex());
    w->showSubPage(Register::AtWork, 2);
    w->sbZapiszBtnClick();
    EXPECT_EQ(5, personValue("TYPWYP").toInt());
    EXPECT_EQ(text, personValue("OKOLICZNOSCI").toString()) << "not shortened to the limit of the form";
    EXPECT_EQ("Przyczyny wypadku :", caption->text());
}

TEST_F(Reactions, ClicksOnTheAccidentPage) {
    w->showSubPage(Register::AtWork, 1);
    // The type of accident follows the persons only.
    RadioGroup* type = radio("rgwWypIZ");
    ASSERT_EQ(0, type->itemIndex());
    type->button(1)->click();
    EXPECT_EQ(0, type->itemIndex());
    EXPECT_EQ(0, accidentValue("WYPIZ").toInt());

    // Closing the accident is saved at once, and the pages become read-only.
    radio("rgwBlok")->button(1)->click();
    EXPECT_EQ(1, accidentValue("BLOK").toInt());
    EXPECT_FALSE(edit("ewSymbolWyp")->isEnabled());
}

TEST_F(Reactions, DependentFieldsOfThePersonPages) {
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 2, SPKRYTJEDN = 2, MSCJEDN = 'Łódź' WHERE ID = :id",
                {{"id", person}});
    reload();
    w->showSubPage(Register::AtWork, 2);
    edit("epImOjca")->setText("Bartłomiej-Konstanty");
    emit edit("epImOjca")->editingFinished();
    EXPECT_EQ("Bartłomiej-Kons", edit("epSynCorka")->text()) << "the first 15 characters";
    edit("epImie")->setText("Ola");
    edit("epNazwisko")->clear();
    QTest::keyClicks(edit("epNazwisko"), "Wrona");
    EXPECT_EQ("Poszkodowany: Ola Wrona", w->subPages(Register::AtWork)->tabText(2));

    // The unit's fields: loaded as they are, cleared only by the user's "NIE".
    EXPECT_EQ("Łódź", edit("epMscJedn")->text());
    EXPECT_TRUE(edit("epMscJedn")->isEnabled());
    radio("rgpSpKrytJedn")->button(0)->click();
    EXPECT_EQ("", edit("epMscJedn")->text());
    EXPECT_FALSE(edit("epMscJedn")->isEnabled());
    radio("rgpSpKrytJedn")->button(1)->click();
    EXPECT_TRUE(edit("epMscJedn")->isEnabled());

    // "JEST" clears and disables the reason, "NIE JEST" enables it.
    radio("rgkRodzajWyp")->button(1)->click();
    EXPECT_TRUE(memo("mkUzasadn07")->isEnabled());
    memo("mkUzasadn07")->setPlainText("powód");
    radio("rgkRodzajWyp")->button(0)->click();
    EXPECT_EQ("", memo("mkUzasadn07")->toPlainText());
    EXPECT_FALSE(memo("mkUzasadn07")->isEnabled());

    w->sbZapiszBtnClick();
    EXPECT_EQ("Bartłomiej-Kons", personValue("SYNCORKA").toString());
    EXPECT_EQ(2, personValue("SPKRYTJEDN").toInt()) << "TAK";
}

TEST_F(Reactions, EmployerFieldsByTheProtocolForm) {
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1 WHERE ID = :id", {{"id", person}});
    admSettings().nowyProtPowypadkowy = 0;
    reload();
    EXPECT_FALSE(edit("epAdresFirma")->isEnabled()) << "the form of 1998";
    admSettings().nowyProtPowypadkowy = 3;
    reload();
    EXPECT_TRUE(edit("epAdresFirma")->isEnabled());
    EXPECT_EQ(QColor(0xFF, 0xFF, 0xE1), edit("epAdresFirma")->palette().color(QPalette::Base));
    EXPECT_FALSE(radio("rgrFormWyp")->isHidden());
    admSettings().nowyProtPowypadkowy = 2;
    reload();
    EXPECT_TRUE(radio("rgrFormWyp")->isHidden());
}

TEST_F(Reactions, TheKindOfEmploymentTakesANewDocumentNumber) {
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1, NUMERPROT = 1 WHERE ID = :id", {{"id", person}});
    reload();
    w->showSubPage(Register::AtWork, 2);
    RadioGroup* kind = radio("rgpRodzUmowy");
    ASSERT_EQ(0, kind->itemIndex());
    // "Rezygnuj" puts the choice back.
    ui.confirmAnswers = {2};
    kind->button(1)->click();
    EXPECT_EQ(0, kind->itemIndex());
    EXPECT_EQ("\r\n Czy na pewno zmienić rodzaj umowy poszkodowanego?", ui.lastText());
    EXPECT_EQ(1, personValue("RODZUMOWY").toInt());

    // "Akceptuj": an accident card with the next card number, saved at once.
    ui.confirmAnswers = {1};
    kind->button(1)->click();
    EXPECT_EQ(2, personValue("RODZUMOWY").toInt());
    EXPECT_EQ(0, personValue("NUMERPROT").toInt());
    const int card = personValue("NUMERKARTYWYP").toInt();
    EXPECT_GE(card, 1);
    EXPECT_TRUE(editing()) << "editing goes on";
    // And back: the next protocol number of the year, the card number 0.
    ui.confirmAnswers = {1};
    radio("rgpRodzUmowy")->button(0)->click();
    EXPECT_EQ(1, personValue("RODZUMOWY").toInt());
    EXPECT_EQ(0, personValue("NUMERKARTYWYP").toInt());
    EXPECT_EQ(dm->NextDocumentNumber(DocumentKind::Protocol).toInt() - 1, personValue("NUMERPROT").toInt());
    EXPECT_GE(personValue("NUMERPROT").toInt(), 1);
}

TEST_F(Reactions, AnAccidentNotRecognisedByAnyOfItsPersons) {
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1, TYPWYP = 0 WHERE ID = :id", {{"id", person}});
    w->DodPoszkBtnClick();
    const int second = dm->personId();
    c().execute("UPDATE SKWPOSZKODOWANI SET TYPWYP = 2 WHERE ID = :id", {{"id", second}});
    dm->reopenLists(Register::AtWork, id, person);
    reload();
    w->showSubPage(Register::AtWork, 2);
    const QDateTime date = dm->qrySKWWypadki->field("DATA").asDateTime();
    auto* type = w->findChild<QComboBox*>("cbrTypWyp");
    type->setCurrentIndex(0);
    emit type->activated(0);
    EXPECT_TRUE(dm->isNotRecognised(id, date)) << "another person is not an accident at work";
    c().execute("UPDATE SKWPOSZKODOWANI SET TYPWYP = 0 WHERE ID = :id", {{"id", second}});
    emit type->activated(0);
    EXPECT_FALSE(dm->isNotRecognised(id, date));
    type->setCurrentIndex(3);
    emit type->activated(3);
    EXPECT_TRUE(dm->isNotRecognised(id, date));
}

TEST_F(Reactions, TheListOfAttachmentsAndTheConfirmingPerson) {
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1, IMIE = 'Jan', NAZWISKO = 'Kos' WHERE ID = :id",
                {{"id", person}});
    const Params owner{{"w", id}, {"p", person}};
    c().execute("INSERT INTO SKWZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (3, :w, :p, 'Szkic miejsca')", owner);
    c().execute("INSERT INTO SKWZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (12, :w, :p, 'Zdjęcia')", owner);
    c().execute("INSERT INTO SKWPRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP) VALUES (1, :w, :p, 1, 1)", owner);
    c().execute("INSERT INTO SKWPRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP) VALUES (2, :w, :p, 2, 0)", owner);
    c().execute("INSERT INTO SKWPOLECENIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, SYMBOL) VALUES (1, :w, :p, 4, 1, 'P/7')", owner);
    c().execute("INSERT INTO SKWPOLECENIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, SYMBOL) VALUES (2, :w, :p, 5, 0, 'S/1')", owner);
    c().execute("INSERT INTO SKWZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (9, :w, 999, 'Cudzy')", {{"w", id}});
    reload();
    w->showSubPage(Register::AtWork, 2);
    admSettings().wyjasnieniePoszk = false;
    w->findChild<QAbstractButton*>("bUaktualnijW")->click();
    EXPECT_EQ(memo("mrZalaczniki10")->toPlainText(),
              "zał. nr  3 Szkic miejsca\nzał. nr 1 PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA\n"
              "zał. nr 12 Zdjęcia\nzał. nr 2 PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO\n"
              "zał. nr 4 POLECENIE POWYPADKOWE NR P/7\nzał. nr 5 POSTANOWIENIE POWYPADKOWE NR S/1");
    admSettings().wyjasnieniePoszk = true;
    w->findChild<QAbstractButton*>("bUaktualnijW")->click();
    EXPECT_TRUE(memo("mrZalaczniki10")->toPlainText().contains("zał. nr 1 INFORMACJE UZYSKANE OD ŚWIADKA WYPADKU"));
    EXPECT_TRUE(memo("mrZalaczniki10")->toPlainText().contains("zał. nr 2 WYJAŚNIENIA POSZKODOWANEGO"));

    QTest::mouseDClick(edit("erImNazwCz"), Qt::LeftButton);
    EXPECT_EQ("Jan Kos", edit("erImNazwCz")->text());
    w->sbZapiszBtnClick();
    EXPECT_EQ("Jan Kos", personValue("IMNAZWCZ").toString());
    EXPECT_TRUE(personValue("ZALACZNIKI").toString().startsWith("zał. nr  3 Szkic miejsca\r\n"));
}

TEST_F(Reactions, ClearingTheLinksOnlyOnAnOpenAccident) {
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1, IDPRACOWNIKA = 7, PESELPRAC = '80010112345', "
                "STANOWKOD = 'S1', IDSTANOW = 5, STANOWSKROT = 'Spawacz', STRUKTSKROT = 'Wydział', "
                "NAZWISKO = 'Kos', KODZAWODU = '721204', ZAWOD = 'Spawacz', SZKWSTEPNE = 't' WHERE ID = :id",
                {{"id", person}});
    c().execute("UPDATE SKWWYPADKI SET BLOK = 1 WHERE ID = :id", {{"id", id}});
    reload();
    w->showSubPage(Register::AtWork, 2);
    QTest::mouseDClick(edit("e9Pesel"), Qt::LeftButton);
    QTest::mouseDClick(edit("epStanowKod"), Qt::LeftButton);
    EXPECT_EQ("80010112345", edit("e9Pesel")->text()) << "a closed accident keeps its links";
    EXPECT_EQ("S1", edit("epStanowKod")->text());

    w->showSubPage(Register::AtWork, 0);
    c().execute("UPDATE SKWWYPADKI SET BLOK = 0 WHERE ID = :id", {{"id", id}});
    reload();
    w->showSubPage(Register::AtWork, 2);
    QTest::mouseDClick(edit("epStanowKod"), Qt::LeftButton);
    EXPECT_EQ("", edit("epStanowKod")->text());
    EXPECT_EQ("", edit("epStanowSkrot")->text());
    EXPECT_EQ("", edit("epStruktSkrot")->text());
    QTest::mouseDClick(edit("e9Pesel"), Qt::LeftButton);
    EXPECT_EQ("", edit("e9Pesel")->text());
    EXPECT_EQ("", edit("epIdPracownika")->text());
    EXPECT_EQ("", edit("epNazwisko")->text());
    EXPECT_EQ("", edit("epKodZawodu")->text());
    EXPECT_FALSE(w->findChild<QCheckBox*>("cbpSzkWstepne")->isChecked());
    w->sbZapiszBtnClick();
    EXPECT_TRUE(personValue("PESELPRAC").isNull());
    EXPECT_TRUE(personValue("STANOWKOD").isNull());
    EXPECT_EQ("n", personValue("SZKWSTEPNE").toString().trimmed());
}
