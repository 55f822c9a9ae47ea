// The classification pickers of the accident-at-work pages: the place of the
// accident from the tree of the accident's card version, the occupation from the
// classification of the configured edition; what they write is saved.
#include "MainWindowFixture.h"

#include "card/CodePickerForms.h"
#include "core/AdmSettings.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace zort;
using namespace zort::test;

namespace {

class CodePicking : public OpenAccidentTest {
protected:
    void beforeAccident() override { admSettings().kzs = 4; }
    void SetUp() override {
        OpenAccidentTest::SetUp();
        w->showSubPage(Register::AtWork, 1);
    }
};

} // namespace

TEST_F(CodePicking, ThePlaceComesFromTheTreeOfTheCardVersion) {
    const QString longName = QStringLiteral("Miejsce o bardzo długiej nazwie, dłuższej niż pięćdziesiąt znaków pola");
    c().execute("INSERT INTO SKWMIEJSCEWYP_1 (ID, IDRODZ, NRPOZ, KOD, NAZWA, SKROT) VALUES (1, 0, 0, '900', 'Grupa', 'G')");
    c().execute("INSERT INTO SKWMIEJSCEWYP_1 (ID, IDRODZ, NRPOZ, KOD, NAZWA, SKROT) VALUES (2, 1, 1, '901', :n, 'D')",
                {{"n", longName}});
    ASSERT_TRUE(picker("wMiejsceWyp"));
    EXPECT_TRUE(picker("wMiejsceWyp")->isEnabled());

    radio("rgwWersjaSKW")->setItemIndex(5);
    {
        ModalAnswer answer([&]() {
            EXPECT_EQ("Miejsce powstania wypadku", skwInforForm().windowTitle());
            choose(skwInforForm(), "901");
        });
        picker("wMiejsceWyp")->click();
    }
    EXPECT_EQ("901", edit("ewIdMiejsca")->text());
    EXPECT_EQ(longName.left(50), edit("ewMiejsceWyp")->text()) << "the name cut to the field's column";
    w->sbZapiszBtnClick();
    EXPECT_EQ("901", accidentValue("IDMIEJSCA").toString());
    EXPECT_EQ(longName.left(50), accidentValue("MIEJSCEWYP").toString());

    // The card of 2019 takes its codes from the lists without suffix; the picker
    // opens on the stored code.
    radio("rgwWersjaSKW")->setItemIndex(4);
    {
        ModalAnswer answer([&]() {
            EXPECT_EQ(0, skwInforForm().view()->tree()->currentItem() ? 1 : 0) << "901 is not a code of this list";
            choose(skwInforForm(), "022");
        });
        picker("wMiejsceWyp")->click();
    }
    const QString expected =
        value("SELECT NAZWA FROM SKWMIEJSCEWYP WHERE KOD = '022'").toString().left(50);
    EXPECT_EQ("022", edit("ewIdMiejsca")->text());
    EXPECT_EQ(expected, edit("ewMiejsceWyp")->text());
    {
        ModalAnswer answer([&]() {
            QTreeWidgetItem* current = skwInforForm().view()->tree()->currentItem();
            EXPECT_TRUE(current && current->text(0).startsWith("[022]"));
            skwInforForm().reject();
        });
        picker("wMiejsceWyp")->click();
    }
    EXPECT_EQ("022", edit("ewIdMiejsca")->text()) << "cancelling changes nothing";
    w->sbZapiszBtnClick();
    EXPECT_EQ("022", accidentValue("IDMIEJSCA").toString());
    EXPECT_EQ(expected, accidentValue("MIEJSCEWYP").toString());
}

TEST_F(CodePicking, TheOccupationComesFromTheConfiguredEdition) {
    w->showSubPage(Register::AtWork, 2);
    ASSERT_TRUE(picker("wZawod"));
    EXPECT_TRUE(picker("wZawod")->isEnabled());
    {
        ModalAnswer answer([&]() {
            EXPECT_EQ("Klasyfikacja zawodów wg Dz.U. 2021 poz. 2285", skwZawodForm().windowTitle());
            choose(skwZawodForm(), "722206");
        });
        picker("wZawod")->click();
    }
    EXPECT_EQ("722206", edit("epKodZawodu")->text());
    EXPECT_EQ("Ślusarz narzędziowy", edit("epZawod")->text());
    w->sbZapiszBtnClick();
    EXPECT_EQ("722206", value("SELECT KODZAWODU FROM SKWPOSZKODOWANI WHERE ID = :id", {{"id", person}}).toString());
    EXPECT_EQ("Ślusarz narzędziowy", value("SELECT ZAWOD FROM SKWPOSZKODOWANI WHERE ID = :id", {{"id", person}}).toString());

    // Edition 0 is a flat list without a tree.
    admSettings().kzs = 0;
    w->DodWypBtnClick();
    w->showSubPage(Register::AtWork, 2);
    EXPECT_FALSE(picker("wZawod")->isEnabled());
}
