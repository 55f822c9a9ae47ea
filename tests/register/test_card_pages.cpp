// The statistical-card answers of the injured-person pages: the pickers of the
// accident's card form (trees of 2022 and of the earlier forms, the lists of the
// 2000 form), causes never chosen twice, the questions a form lacks hidden and kept,
// and the change of the card form with its question.
#include "MainWindowFixture.h"

#include "card/CodePickerForms.h"
#include "register/CardPages.h"
#include "ui/ListForm.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace zort;
using namespace zort::test;

namespace {

class CardPagesTest : public OpenAccidentTest {
protected:
    void SetUp() override {
        OpenAccidentTest::SetUp();
        w->showSubPage(Register::AtWork, 1);
    }
    // The accident takes the card form (stored by a save, without the question).
    void setVersion(int version) {
        radio("rgwWersjaSKW")->setItemIndex(version);
        w->sbZapiszBtnClick();
        ASSERT_EQ(version, accidentValue("WERSJASKW").toInt());
    }
    void tree(const char* table, int rowId, int parent, int level, const char* code, const QString& name) {
        c().execute(QStringLiteral("INSERT INTO %1 (ID, IDRODZ, NRPOZ, KOD, NAZWA, SKROT) VALUES (:i, :p, :l, :k, :n, 'S')")
                        .arg(QLatin1String(table)),
                    {{"i", rowId}, {"p", parent}, {"l", level}, {"k", QString::fromLatin1(code)}, {"n", name}});
    }
    // Clicks the picker and chooses the code in the tree, checking the tree's title.
    void pickTree(const char* button, const QString& title, const QString& code) {
        ModalAnswer answer([&]() {
            EXPECT_EQ(title, skwInforForm().windowTitle());
            choose(skwInforForm(), code);
        });
        picker(button)->click();
    }
    // Clicks a version of "SKW :" as the user does.
    void clickVersion(int version) { radio("rgwWersjaSKW")->button(version)->click(); }

    int id = 0;
    int person = 0;
};

} // namespace

TEST_F(CardPagesTest, TheInjuryComesFromTheTreeOfTheAccidentsCardForm) {
    tree("SKWUMIEJSCURAZ_1", 1, 0, 0, "A", QStringLiteral("Głowa (2022)"));
    tree("SKWUMIEJSCURAZ_1", 2, 1, 1, "A12", QStringLiteral("Twarz według karty 2022"));
    setVersion(5);
    w->showSubPage(Register::AtWork, 2);
    ASSERT_TRUE(picker("wUraz1"));
    EXPECT_TRUE(picker("wUraz1")->isEnabled());
    EXPECT_EQ("Klasyfikacja...", picker("wUraz1")->text());
    pickTree("wUraz1", QStringLiteral("Umiejscowienie urazu"), QStringLiteral("A12"));
    EXPECT_EQ("A12", edit("epIdUrazu1")->text());
    EXPECT_EQ("Twarz według karty 2022", edit("epUraz1")->text());
    w->sbZapiszBtnClick();
    EXPECT_EQ("A12", personValue("IDURAZU1").toString());
    EXPECT_EQ("Twarz według karty 2022", personValue("URAZ1").toString());

    // The form of 2019 takes the tree without suffix.
    radio("rgwWersjaSKW")->setItemIndex(4);
    pickTree("wUraz1", QStringLiteral("Umiejscowienie urazu"), QStringLiteral("12"));
    EXPECT_EQ("12", edit("epIdUrazu1")->text());
    EXPECT_EQ("Twarz", edit("epUraz1")->text());
    w->sbZapiszBtnClick();
    EXPECT_EQ("12", personValue("IDURAZU1").toString());
    EXPECT_EQ("Twarz", personValue("URAZ1").toString());

    // A double click on the code clears it with its text.
    QTest::mouseDClick(edit("epIdUrazu1"), Qt::LeftButton);
    EXPECT_EQ("", edit("epIdUrazu1")->text());
    EXPECT_EQ("", edit("epUraz1")->text());
}

TEST_F(CardPagesTest, TheTypeOfInjuryBefore2022IsAListOfCodes) {
    setVersion(4);
    w->showSubPage(Register::AtWork, 2);
    const QString name = value("SELECT NAZWA FROM SKWRODZAJURAZ WHERE ID = (SELECT MIN(ID) FROM SKWRODZAJURAZ)").toString();
    const QString code = value("SELECT KOD FROM SKWRODZAJURAZ WHERE ID = (SELECT MIN(ID) FROM SKWRODZAJURAZ)").toString();
    ASSERT_FALSE(code.isEmpty());
    {
        ModalAnswer answer([&]() {
            TListForm& l = listForm();
            EXPECT_EQ("Rodzaj urazu", l.windowTitle());
            EXPECT_EQ(-1, l.selectedIndex()) << "no code yet";
            for (int i = 0; i < l.list()->count(); ++i)
                if (l.list()->item(i)->text() == code + QStringLiteral(" - ") + name) l.list()->setCurrentRow(i);
            l.accept();
        });
        picker("wRodzajUraz")->click();
    }
    EXPECT_EQ(code, edit("epIdRodzajUraz")->text());
    EXPECT_EQ(name.left(edit("epRodzajUraz")->maxLength()), edit("epRodzajUraz")->text());
}

TEST_F(CardPagesTest, The2000FormPicksFromItsFlatLists) {
    c().execute("INSERT INTO SKWPRZYCZYNY (ID, IDGRUPY, SKROT, NAZWA) VALUES (5, 1, 'brak osłon', 'Brak osłon maszyny')");
    c().execute("INSERT INTO SKWPRZYCZYNY (ID, IDGRUPY, SKROT, NAZWA) VALUES (12, 1, 'pośpiech', 'Pośpiech pracownika')");
    c().execute("INSERT INTO SKWURAZY (ID, NAZWA) VALUES (3, 'ręka (lista 1996)')");
    c().execute("INSERT INTO SKWURAZY_1 (ID, NAZWA) VALUES (3, 'ręka (lista 2001)')");
    setVersion(1);
    w->showSubPage(Register::AtWork, 2);
    // The questions of the 2000 form only are shown; those of the later forms not.
    EXPECT_FALSE(edit("epIdUrazu2")->isHidden());
    EXPECT_FALSE(edit("epIdCzynnika1")->isHidden());
    EXPECT_TRUE(edit("epIdProcesPracy")->isHidden());
    EXPECT_TRUE(picker("wProcesPracy")->isHidden());
    EXPECT_TRUE(edit("epIDFWJedn")->isHidden());
    {
        ModalAnswer answer([&]() {
            TListForm& l = listForm();
            EXPECT_EQ("Przyczyny wypadku", l.windowTitle());
            ASSERT_EQ(2, l.list()->count());
            EXPECT_EQ("12 - pośpiech", l.list()->item(1)->text());
            l.list()->setCurrentRow(1);
            l.accept();
        });
        picker("wPrzyczyna2")->click();
    }
    EXPECT_EQ("12", edit("epIdPrzyczyny2")->text());
    EXPECT_EQ("pośpiech", edit("epPrzyczyna2")->text());
    // The list opens on the code in the field; Escape changes nothing.
    {
        ModalAnswer answer([&]() {
            EXPECT_EQ(1, listForm().selectedIndex());
            listForm().reject();
        });
        picker("wPrzyczyna2")->click();
    }
    EXPECT_EQ("12", edit("epIdPrzyczyny2")->text());
    // Injuries of the reference year 2024: the list of 2001, by name.
    {
        ModalAnswer answer([&]() {
            ASSERT_EQ(1, listForm().list()->count());
            EXPECT_EQ("3 - ręka (lista 2001)", listForm().list()->item(0)->text());
            listForm().list()->setCurrentRow(0);
            listForm().accept();
        });
        picker("wUraz3")->click();
    }
    w->sbZapiszBtnClick();
    EXPECT_EQ("12", personValue("IDPRZYCZYNY2").toString());
    EXPECT_EQ("pośpiech", personValue("PRZYCZYNA2").toString());
    EXPECT_EQ("3", personValue("IDURAZU3").toString());
    EXPECT_EQ("ręka (lista 2001)", personValue("URAZ3").toString());

    // The same cause in another slot is refused.
    {
        ModalAnswer answer([&]() {
            listForm().list()->setCurrentRow(1);
            listForm().accept();
        });
        picker("wPrzyczyna5")->click();
    }
    EXPECT_EQ("Ten numer przyczyny został już wybrany", ui.lastText());
    EXPECT_EQ("", edit("epIdPrzyczyny5")->text());
    EXPECT_EQ("12", edit("epIdPrzyczyny2")->text());
}

TEST_F(CardPagesTest, ACauseIsChosenOnceComparedAsANumber) {
    tree("SKWPRZYCZYNYWYP_1", 1, 0, 0, "G", QStringLiteral("Grupa przyczyn"));
    tree("SKWPRZYCZYNYWYP_1", 2, 1, 1, "01", QStringLiteral("Przyczyna pierwsza"));
    tree("SKWPRZYCZYNYWYP_1", 3, 1, 1, "02", QStringLiteral("Przyczyna druga"));
    setVersion(5);
    w->showSubPage(Register::AtWork, 2);
    pickTree("wPrzyczyna6", QStringLiteral("Przyczyny wypadku"), QStringLiteral("02"));
    EXPECT_TRUE(ui.shown.empty());
    edit("epIdPrzyczyny1")->setText(QStringLiteral("1"));
    ui.clear();
    pickTree("wPrzyczyna3", QStringLiteral("Przyczyny wypadku"), QStringLiteral("01"));
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Ten numer przyczyny został już wybrany", ui.shown[0].text);
    EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);
    EXPECT_EQ("", edit("epIdPrzyczyny3")->text());
    EXPECT_EQ("", edit("epPrzyczyna3")->text());
    EXPECT_EQ("1", edit("epIdPrzyczyny1")->text());
    EXPECT_EQ("02", edit("epIdPrzyczyny6")->text());
    // Cancelling the picker on a slot that holds a duplicate refuses it as well.
    edit("epIdPrzyczyny4")->setText(QStringLiteral("002"));
    ui.clear();
    {
        ModalAnswer answer([&]() { skwInforForm().reject(); });
        picker("wPrzyczyna4")->click();
    }
    EXPECT_EQ("Ten numer przyczyny został już wybrany", ui.lastText());
    EXPECT_EQ("", edit("epIdPrzyczyny4")->text());
    w->sbZapiszBtnClick();
    EXPECT_TRUE(personValue("IDPRZYCZYNY3").isNull());
    EXPECT_EQ("02", personValue("IDPRZYCZYNY6").toString());
}

TEST_F(CardPagesTest, AQuestionTheFormLacksIsHiddenAndKeepsItsValue) {
    setVersion(1);
    edit("epIdUrazu2")->setText(QStringLiteral("7"));
    edit("epUraz2")->setText(QStringLiteral("noga"));
    edit("epIdCzynnika1")->setText(QStringLiteral("4"));
    w->sbZapiszBtnClick();
    setVersion(5);
    EXPECT_TRUE(edit("epIdUrazu2")->isHidden());
    EXPECT_TRUE(edit("epUraz2")->isHidden());
    EXPECT_TRUE(picker("wUraz2")->isHidden());
    EXPECT_TRUE(edit("epIdCzynnika1")->isHidden());
    EXPECT_FALSE(edit("epIdUrazu1")->isHidden());
    EXPECT_FALSE(edit("epIDFWJedn")->isHidden());
    edit("epDniNiezd")->setText(QStringLiteral("9"));
    w->sbZapiszBtnClick();
    EXPECT_EQ(9, personValue("DNINIEZD").toInt());
    EXPECT_EQ("7", personValue("IDURAZU2").toString());
    EXPECT_EQ("noga", personValue("URAZ2").toString());
    EXPECT_EQ("4", personValue("IDCZYNNIKA1").toString());
    EXPECT_EQ("7", edit("epIdUrazu2")->text());
    // The 2004 card has no ownership form.
    setVersion(0);
    EXPECT_TRUE(edit("epIDFWJedn")->isHidden());
    EXPECT_TRUE(picker("wFormaWlasnosciJedn")->isHidden());
    EXPECT_FALSE(edit("epIdProcesPracy")->isHidden());
}

TEST_F(CardPagesTest, WhoFilledInTheCardAsTheFormAsksIt) {
    setVersion(4);
    edit("epImNazwWypSKW")->setText(QStringLiteral("Jan Kos"));
    w->sbZapiszBtnClick();
    EXPECT_FALSE(edit("epImNazwWypSKW")->isHidden());
    EXPECT_FALSE(edit("epDataPPSKW2")->isHidden());
    EXPECT_TRUE(edit("epEmailWypSKW")->isHidden()) << "the 2019 form has no e-mail";
    setVersion(5);
    EXPECT_FALSE(edit("epEmailWypSKW2")->isHidden());
    EXPECT_FALSE(edit("epTelWypSKW")->isHidden());
    EXPECT_TRUE(edit("epImNazwWypSKW")->isHidden()) << "the 2022 form names no person";
    EXPECT_TRUE(w->findChild<QWidget*>("wDataPPSKWCalBtn")->isHidden());
    setVersion(1);
    for (const char* name : {"epTelWypSKW", "epMiejscowWypSKW2", "epDataWypSKW"})
        EXPECT_TRUE(edit(name)->isHidden()) << name << ": the 2000 form has none of them";
    // The headings of the two parts go with their fields.
    const auto heading = [this](const QString& text) {
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->text().contains(text)) return l;
        return static_cast<QLabel*>(nullptr);
    };
    ASSERT_TRUE(heading(QStringLiteral("Część II karty")));
    EXPECT_TRUE(heading(QStringLiteral("Część I karty"))->isHidden());
    EXPECT_TRUE(heading(QStringLiteral("Część II karty"))->isHidden());
    setVersion(5);
    EXPECT_FALSE(heading(QStringLiteral("Część II karty"))->isHidden());
    setVersion(1);
    w->sbZapiszBtnClick();
    EXPECT_EQ("Jan Kos", personValue("IMNAZWWYPSKW").toString()) << "a hidden field keeps its value";
}

TEST_F(CardPagesTest, OnAClosedAccidentNothingIsPickedOrCleared) {
    setVersion(5);
    edit("epIdPrzyczyny1")->setText(QStringLiteral("011"));
    edit("epPrzyczyna1")->setText(QStringLiteral("Przyczyna"));
    radio("rgwBlok")->setItemIndex(1);
    w->sbZapiszBtnClick();
    ASSERT_EQ(1, accidentValue("BLOK").toInt());
    w->showSubPage(Register::AtWork, 2);
    EXPECT_FALSE(picker("wPrzyczyna1")->isEnabled());
    QTest::mouseDClick(edit("epIdPrzyczyny1"), Qt::LeftButton);
    EXPECT_EQ("011", edit("epIdPrzyczyny1")->text());
    EXPECT_EQ("Przyczyna", edit("epPrzyczyna1")->text());
}

class VersionChange : public CardPagesTest {
protected:
    // An accident of the form with answers that a change clears and others it keeps.
    void fill(int version) {
        setVersion(version);
        edit("epIdUrazu1")->setText(QStringLiteral("12"));
        edit("epUraz1")->setText(QStringLiteral("Twarz"));
        edit("epIdPrzyczyny3")->setText(QStringLiteral("005"));
        edit("epPrzyczyna3")->setText(QStringLiteral("Brak urządzeń"));
        edit("epIdRodzajUraz")->setText(QStringLiteral("01"));
        edit("epRodzajUraz")->setText(QStringLiteral("Rana"));
        edit("ewIdMiejsca")->setText(QStringLiteral("022"));
        edit("ewMiejsceWyp")->setText(QStringLiteral("Hala"));
        edit("epKodZawodu")->setText(QStringLiteral("722206"));
        edit("epZawod")->setText(QStringLiteral("Ślusarz"));
        edit("ewIdPolozGeogr")->setText(QStringLiteral("PL12"));
        edit("ewPolozGeogr")->setText(QStringLiteral("Kraków"));
        edit("epIDFWJedn")->setText(QStringLiteral("11"));
        edit("epDniNiezd")->setText(QStringLiteral("12"));
        edit("epStaz")->setText(QStringLiteral("5"));
        w->sbZapiszBtnClick();
        ASSERT_EQ("12", personValue("IDURAZU1").toString());
        ui.clear();
    }
};

TEST_F(VersionChange, YesClearsTheClassificationAnswersAndSaves) {
    fill(4);
    const QDateTime date = accidentValue("DATA").toDateTime();
    ui.answers.push_back(MsgAnswer::Yes);
    clickVersion(5);
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Ta zmiana spowoduje wyzerowanie pól SKW. Kontynuować ?", ui.shown[0].text);
    EXPECT_EQ("Zmiana danych !!!", ui.shown[0].caption);
    EXPECT_EQ(MsgIcon::Confirmation, ui.shown[0].icon);
    EXPECT_EQ(5, accidentValue("WERSJASKW").toInt()) << "saved at once";
    for (const char* column : {"IDURAZU1", "URAZ1", "IDPRZYCZYNY3", "PRZYCZYNA3", "IDRODZAJURAZ", "RODZAJURAZ",
                               "KODZAWODU", "ZAWOD"})
        EXPECT_TRUE(personValue(column).isNull()) << column;
    for (const char* column : {"IDMIEJSCA", "MIEJSCEWYP", "POLOZGEOGR"})
        EXPECT_TRUE(accidentValue(column).isNull()) << column;
    EXPECT_EQ("PL12", accidentValue("IDPOLOZGEOGR").toString());
    EXPECT_EQ("11", personValue("IDFWJEDN").toString());
    EXPECT_EQ(12, personValue("DNINIEZD").toInt());
    EXPECT_EQ(5, personValue("STAZ").toInt());
    EXPECT_EQ(date, accidentValue("DATA").toDateTime());
    EXPECT_EQ("", edit("epIdUrazu1")->text());
    EXPECT_EQ(5, radio("rgwWersjaSKW")->itemIndex());
    EXPECT_EQ(edit("ewMiejsceWyp"), QApplication::focusWidget());
    EXPECT_EQ(5, w->cardPages().rememberedVersion());
}

TEST_F(VersionChange, NoKeepsEverythingAndTheStoredForm) {
    fill(4);
    ui.answers.push_back(MsgAnswer::No);
    clickVersion(1);
    ASSERT_EQ(1u, ui.shown.size()) << "the group put back runs no second question";
    EXPECT_EQ(4, radio("rgwWersjaSKW")->itemIndex());
    EXPECT_EQ("12", edit("epIdUrazu1")->text());
    EXPECT_FALSE(edit("epIdProcesPracy")->isHidden());
    EXPECT_EQ(edit("ewMiejsceWyp"), QApplication::focusWidget());
    w->sbZapiszBtnClick();
    EXPECT_EQ(4, accidentValue("WERSJASKW").toInt());
    EXPECT_EQ("12", personValue("IDURAZU1").toString());
    EXPECT_EQ("022", accidentValue("IDMIEJSCA").toString());
}

// An accessibility tool checks the radio button without clicking it: the change of
// the form runs all the same.
TEST_F(VersionChange, AnAccessibilityToolsChoiceAsksToo) {
    fill(4);
    ui.answers.push_back(MsgAnswer::Yes);
    radio("rgwWersjaSKW")->button(2)->setChecked(true);
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Ta zmiana spowoduje wyzerowanie pól SKW. Kontynuować ?", ui.shown[0].text);
    EXPECT_EQ(2, accidentValue("WERSJASKW").toInt());
    EXPECT_TRUE(personValue("IDURAZU1").isNull());
}

TEST_F(VersionChange, BetweenTheFormsOf2010AndLaterNothingIsAsked) {
    fill(3);
    clickVersion(5);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(3, accidentValue("WERSJASKW").toInt()) << "stored with the next save";
    w->sbZapiszBtnClick();
    EXPECT_EQ(5, accidentValue("WERSJASKW").toInt());
    EXPECT_EQ("12", personValue("IDURAZU1").toString());
    clickVersion(3);
    EXPECT_TRUE(ui.shown.empty());
    // 2022 to 2019 asks.
    w->sbZapiszBtnClick();
    clickVersion(4);
    EXPECT_TRUE(ui.shown.empty()) << "the form remembered on entering the group is 3";
    ui.answers.push_back(MsgAnswer::No);
    w->sbZapiszBtnClick();
    clickVersion(5);
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(4, radio("rgwWersjaSKW")->itemIndex());
}
