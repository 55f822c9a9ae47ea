// The print selection of accidents at work as the user works with it: opened by
// "Wydruki", moving in the lists, checking pages, previewing and printing.
#include "PrintWindowFixture.h"
#include "domain/StatisticsReading.h"
#include "printing/StatisticsTab.h"

#include "domain/Takes.h"
#include "printing/AdmDrukForm.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "ui/DocumentWindows.h"
#include "ui/PrintTabs.h"
#include "ui/Widgets.h"
#include "printing/StatRepForm.h"
#include "core/Error.h"
#include "core/UserInterface.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace zort;
using namespace zort::test;
using print::PrintChoice;
using print::TAdmDrukForm;

namespace {

class AdmDrukFormTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        accident(1, 1, 4);
        person(11, 1, QStringLiteral("Adamska"), 1);
        person(12, 1, QStringLiteral("Bielak"), 0);
        accident(2, 2, 5);
        person(21, 2, QStringLiteral("Celej"), 2);
        dm->setCurrentIds(Register::AtWork, 2, 21);
    }
    TAdmDrukForm* window() { return Forms::getOrCreate<TAdmDrukForm>(QStringLiteral("TAdmDrukForm")); }
    TAdmDrukForm* shown() {
        TAdmDrukForm* w = window();
        w->FormShow();
        return w;
    }
    QTableView* accidentGrid(TAdmDrukForm* w) { return w->findChild<QTableView*>(QStringLiteral("DBGridWypadki")); }
    QTableView* personGrid(TAdmDrukForm* w) { return w->findChild<QTableView*>(QStringLiteral("DBGridPoszkodowani")); }
    QCheckBox* box(TAdmDrukForm* w, PrintChoice::Box b) { return w->box(b); }
    void takeRow(int id, const QString& computer, bool ended) {
        exec(QStringLiteral("UPDATE SKWWYPADKI SET COMPNAME = :c, CZASROZP = :t, CZASZAK = :z WHERE ID = :id"),
             Params{{"c", computer}, {"t", QDateTime(QDate(2024, 5, 10), QTime(9, 15, 0))},
                    {"z", ended ? QVariant(QDateTime(QDate(2024, 5, 10), QTime(9, 30, 0))) : QVariant()}, {"id", id}});
    }
    bool takenBy(int id, const QString& computer) {
        return value(QStringLiteral("SELECT COUNT(*) FROM SKWWYPADKI WHERE ID = :id AND CZASZAK IS NULL AND COMPNAME = :c"),
                     Params{{"id", id}, {"c", computer}})
                   .toInt() == 1;
    }
};

TEST_F(AdmDrukFormTest, OpensOnTheMainWindowsRecordWithTheGroupsOfThePerson) {
    admSettings().nowyProtPowypadkowy = 1;
    TAdmDrukForm* w = shown();
    EXPECT_EQ(w->windowTitle(), "Wydruk danych dotyczących wypadku");
    EXPECT_EQ(w->PageControl->currentIndex(), 0);
    EXPECT_EQ(w->PageControl->tabText(0), "SKW/Protokół/Karta");
    EXPECT_EQ(w->helpContext(), 61100);
    EXPECT_EQ(w->accidents()->field("ID").asInt(), 2);
    EXPECT_EQ(w->persons()->field("ID").asInt(), 21);
    auto* model = accidentGrid(w)->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Nr");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Data wypadku");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Straty czasu");
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "Straty tys. zł");
    EXPECT_EQ(model->data(model->index(0, 3)).toString(), "12.5");
    EXPECT_EQ(personGrid(w)->model()->headerData(1, Qt::Horizontal).toString(), "Imię");
    // A person with a protocol: the protocol pages (the 2003 form: pages three and four
    // disabled) and the register card; the accident card is hidden.
    EXPECT_FALSE(w->group(PrintChoice::gb_1_2)->isHidden());
    EXPECT_FALSE(w->group(PrintChoice::gbRW)->isHidden());
    EXPECT_TRUE(w->group(PrintChoice::gbKARTAWYPADKU)->isHidden());
    EXPECT_TRUE(w->group(PrintChoice::gb_all)->isHidden());
    EXPECT_FALSE(box(w, PrintChoice::PP3)->isEnabled());
    EXPECT_FALSE(box(w, PrintChoice::PP4)->isEnabled());
    EXPECT_EQ(w->group(PrintChoice::gbRW)->title(), "Rejestr Wypadku ");
    EXPECT_EQ(box(w, PrintChoice::SKW3)->text(), "drukuj stronę trzecią");
    EXPECT_EQ(w->cbPuste->text(), "drukuj puste formularze");
    // Version 5 offers page three of the card; moving to version 4 takes it away.
    EXPECT_TRUE(box(w, PrintChoice::SKW3)->isEnabled());
    box(w, PrintChoice::SKW3)->click();
    EXPECT_TRUE(box(w, PrintChoice::SKW3)->isChecked());
    choose(accidentGrid(w), 0);
    EXPECT_EQ(w->accidents()->field("ID").asInt(), 1);
    EXPECT_FALSE(box(w, PrintChoice::SKW3)->isEnabled());
    EXPECT_FALSE(box(w, PrintChoice::SKW3)->isChecked());
    choose(accidentGrid(w), 1);
    EXPECT_TRUE(box(w, PrintChoice::SKW3)->isEnabled());
    EXPECT_FALSE(box(w, PrintChoice::SKW3)->isChecked());
    // A person without a protocol number: only the card groups.
    choose(accidentGrid(w), 0);
    choose(personGrid(w), 1);
    EXPECT_EQ(w->persons()->field("NAZWISKO").asString(), "Bielak");
    EXPECT_TRUE(w->group(PrintChoice::gb_1_2)->isHidden());
    EXPECT_TRUE(w->group(PrintChoice::gbRW)->isHidden());
    EXPECT_FALSE(w->group(PrintChoice::gbKARTAWYPADKU)->isHidden());
    EXPECT_FALSE(w->group(PrintChoice::gbSKW)->isHidden());
    // Card page one, then accident-card page one: only the latter stays.
    box(w, PrintChoice::SKW1)->click();
    box(w, PrintChoice::KW1)->click();
    EXPECT_FALSE(box(w, PrintChoice::SKW1)->isChecked());
    EXPECT_TRUE(box(w, PrintChoice::KW1)->isChecked());
    // Back to a person with a protocol: the accident-card box is unchecked.
    choose(personGrid(w), 0);
    EXPECT_FALSE(box(w, PrintChoice::KW1)->isChecked());
    EXPECT_TRUE(w->group(PrintChoice::gbKARTAWYPADKU)->isHidden());
}

TEST_F(AdmDrukFormTest, WholeProtocolAfterPagesUnchecksThem) {
    admSettings().nowyProtPowypadkowy = 3;
    admSettings().protPowWielostronicowy = true;
    TAdmDrukForm* w = shown();
    EXPECT_FALSE(w->group(PrintChoice::gb_all)->isHidden());
    EXPECT_TRUE(w->group(PrintChoice::gb_1_2)->isHidden());
    // The pages are not offered here; the choice keeps them apart anyway.
    admSettings().protPowWielostronicowy = false;
    w->FormShow();
    box(w, PrintChoice::PP1)->click();
    box(w, PrintChoice::PP2)->click();
    EXPECT_TRUE(box(w, PrintChoice::PP1)->isChecked() && box(w, PrintChoice::PP2)->isChecked());
    EXPECT_EQ(w->chosenForms(), (QStringList{"TProtPowRep1Form_3", "TProtPowRep2Form_3"}));
    w->boxClicked(PrintChoice::PPall, true);
    EXPECT_FALSE(box(w, PrintChoice::PP1)->isChecked());
    EXPECT_FALSE(box(w, PrintChoice::PP2)->isChecked());
}

TEST_F(AdmDrukFormTest, ABoxToggledByAScreenReaderIsChosenAsAClickedOne) {
    admSettings().nowyProtPowypadkowy = 3;
    TAdmDrukForm* w = shown();
    // The accessibility toggle action changes the state without a click.
    box(w, PrintChoice::RW)->toggle();
    EXPECT_EQ(w->chosenForms(), QStringList{"TRejWypRep1Form_1"});
    box(w, PrintChoice::PP1)->toggle();
    EXPECT_FALSE(box(w, PrintChoice::RW)->isChecked());
    EXPECT_EQ(w->chosenForms(), QStringList{"TProtPowRep1Form_3"});
}

TEST_F(AdmDrukFormTest, PreviewCollectsThePagesOfTheChosenVersionUnderTheTake) {
    admSettings().nowyProtPowypadkowy = 1;
    TAdmDrukForm* w = shown();
    bool takenDuring = false;
    preview.during = [&]() { takenDuring = takenBy(2, QStringLiteral("STACJA-A")); };
    box(w, PrintChoice::SKW1)->click();
    box(w, PrintChoice::SKW2)->click();
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1) << ui.texts().join("\n").toStdString();
    EXPECT_TRUE(preview.modal);
    EXPECT_EQ(preview.request.kind, "WypSkw");
    EXPECT_EQ(preview.request.personId, 21);
    EXPECT_FALSE(preview.request.landscape);
    EXPECT_EQ(preview.request.composite, &w->QRCompositeReport1);
    EXPECT_EQ(preview.request.report, nullptr);
    EXPECT_EQ(preview.pages, 2);
    EXPECT_GE(preview.texts.indexOf("TKartWypRep1Form_5"), 0);
    EXPECT_LT(preview.texts.indexOf("TKartWypRep1Form_5"), preview.texts.indexOf("TKartWypRep2Form_5"));
    EXPECT_TRUE(preview.texts.contains("Celej")) << "the report datasets were opened for the person";
    EXPECT_TRUE(takenDuring);
    EXPECT_FALSE(takenBy(2, QStringLiteral("STACJA-A"))) << "a take the preview started is given back";
    // The register card of the 2003 protocol: its own kind code.
    box(w, PrintChoice::RW)->click();
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 2);
    EXPECT_EQ(preview.request.kind, "WypRej");
    EXPECT_TRUE(preview.texts.contains("TRejWypRep1Form_1"));
    EXPECT_FALSE(preview.texts.contains("TKartWypRep1Form_5"));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(AdmDrukFormTest, CardVersionOneFollowsTheReferenceDate) {
    exec("UPDATE SKWWYPADKI SET WERSJASKW = 1, DATAREJWYP = :d WHERE ID = 2", Params{{"d", QDateTime(QDate(2000, 6, 1), QTime(0, 0))}});
    dm->setReferenceDate(QDateTime(QDate(2000, 12, 31), QTime(0, 0)));
    TAdmDrukForm* w = shown();
    ASSERT_EQ(w->accidents()->field("ID").asInt(), 2);
    box(w, PrintChoice::SKW1)->click();
    EXPECT_EQ(w->chosenForms(), QStringList{"TKartWypRep1Form"});
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1);
    EXPECT_TRUE(preview.texts.contains("TKartWypRep1Form"));
    dm->setReferenceDate(QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
    EXPECT_EQ(w->chosenForms(), QStringList{"TKartWypRep1Form_1"});
}

TEST_F(AdmDrukFormTest, TakesOfOtherComputersAndOfThisOne) {
    TAdmDrukForm* w = shown();
    box(w, PrintChoice::RW)->click();
    // Held by another computer: the message, no preview, the take stays theirs.
    takeRow(2, QStringLiteral("STACJA-B"), false);
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.lastText(), Takes::heldMessage(QStringLiteral("STACJA-B"), QDateTime(QDate(2024, 5, 10), QTime(9, 15, 0))));
    EXPECT_TRUE(takenBy(2, QStringLiteral("STACJA-B")));
    // Already this computer's (the protocol window or the main window holds it): it
    // stays taken after the preview.
    takeRow(2, QStringLiteral("STACJA-A"), false);
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 1);
    EXPECT_TRUE(takenBy(2, QStringLiteral("STACJA-A")));
    // Free: taken for the preview and given back.
    takeRow(2, QStringLiteral("STACJA-B"), true);
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 2);
    EXPECT_FALSE(takenBy(2, QStringLiteral("STACJA-A")));
    EXPECT_EQ(value("SELECT TRIM(COMPNAME) FROM SKWWYPADKI WHERE ID = 2").toString(), "STACJA-A");
    // Printing takes nothing.
    ui.clear();
    takeRow(2, QStringLiteral("STACJA-B"), false);
    w->PrintBtn->click();
    EXPECT_TRUE(ui.shown.empty() || !ui.lastText().startsWith("Dostęp do danych"));
    EXPECT_TRUE(takenBy(2, QStringLiteral("STACJA-B")));
}

TEST_F(AdmDrukFormTest, NothingCheckedOrAMissingFormPrintsNothing) {
    admSettings().kartaWypadku = 2;
    TAdmDrukForm* w = shown();
    w->PreviewBtn->click();
    w->PrintBtn->click();
    EXPECT_EQ(preview.shown, 0);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(value("SELECT COUNT(*) FROM SKWWYPADKI WHERE COMPNAME IS NOT NULL").toInt(), 0) << "nothing was taken";
    // Accident-card pages one and two of 2022: the first is not in this build.
    choose(accidentGrid(w), 0);
    choose(personGrid(w), 1);
    box(w, PrintChoice::KW1)->click();
    box(w, PrintChoice::KW2)->click();
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.lastText(), print::ReportForms::missingMessage("TKartaWypadkuRep2022_1Form"));
    EXPECT_FALSE(takenBy(1, QStringLiteral("STACJA-A")));
    EXPECT_TRUE(w->collected().forms.empty());
}

TEST_F(AdmDrukFormTest, BlankFormsReachTheForms) {
    TAdmDrukForm* w = shown();
    box(w, PrintChoice::RW)->click();
    w->cbPuste->click();
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1);
    EXPECT_FALSE(preview.texts.contains("Celej")) << "a blank form prints no data";
    ASSERT_EQ(w->collected().forms.size(), 1u);
    EXPECT_TRUE(w->collected().forms[0]->blank());
    // Showing the window again resets every choice.
    w->FormShow();
    EXPECT_FALSE(w->cbPuste->isChecked());
    EXPECT_FALSE(box(w, PrintChoice::RW)->isChecked());
}

TEST_F(AdmDrukFormTest, UsersSequenceThroughWydrukiEndsWithTheCauseListsBack) {
    dm->APrzyczynyGQry->open();
    dm->AZrodlaGQry->open();
    ASSERT_TRUE(dm->APrzyczynyQry->isOpen());
    bool closedMeanwhile = false;
    {
        ModalAnswer answer([&]() {
            TAdmDrukForm* w = Forms::get<TAdmDrukForm>(QStringLiteral("TAdmDrukForm"));
            ASSERT_NE(w, nullptr);
            closedMeanwhile = !dm->APrzyczynyQry->isOpen() && !dm->AZrodlaQry->isOpen();
            choose(accidentGrid(w), 0);
            box(w, PrintChoice::RW)->click();
            w->PreviewBtn->click();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        EXPECT_TRUE(DocumentWindows::open({QStringLiteral("TAdmDrukForm"), true, nullptr}));
    }
    EXPECT_TRUE(closedMeanwhile);
    EXPECT_EQ(preview.shown, 1);
    EXPECT_EQ(preview.request.personId, 11);
    EXPECT_TRUE(dm->APrzyczynyQry->isOpen());
    EXPECT_TRUE(dm->AZrodlaQry->isOpen());
    EXPECT_FALSE(window()->isVisible());
    // The lists follow their groups again.
    exec("INSERT INTO SKWPRZYCZYNYG (ID, NAZWA) VALUES (1, 'Grupa')");
    exec("INSERT INTO SKWPRZYCZYNY (ID, IDGRUPY, NAZWA) VALUES (5, 1, 'Przyczyna')");
    dm->APrzyczynyGQry->open();
    EXPECT_EQ(dm->APrzyczynyQry->recordCount(), 1);
    // Closed by the close box the same.
    {
        ModalAnswer answer([&]() { window()->close(); });
        DocumentWindows::open({QStringLiteral("TAdmDrukForm"), true, nullptr});
    }
    EXPECT_TRUE(dm->APrzyczynyQry->isOpen());
}

TEST_F(AdmDrukFormTest, SummaryTabsByRightsRegistersAndUser) {
    logIn(QStringLiteral("tester"), 2, 0, 2);
    dm->setRegistersMode(true);
    dm->setCurrentRegister(4);
    RegisterChoice choice;
    choice.items = {{0, QStringLiteral("(bez rejestru)")}, {4, QStringLiteral("R4")}, {7, QStringLiteral("R7")}};
    choice.current = 1;
    dm->setRegisters(choice);
    exec("INSERT INTO SKWREJESTRWYP VALUES (4, 2, 1)");
    exec("INSERT INTO SKWREJESTRWYP VALUES (7, 1, 1)");
    TAdmDrukForm* w = shown();
    // The list holds the accidents of the current register only.
    EXPECT_EQ(w->accidents()->recordCount(), 1);
    EXPECT_EQ(w->accidents()->field("ID").asInt(), 2);
    EXPECT_TRUE(w->rgRejestr->isHidden()) << "not on the first tab";
    EXPECT_TRUE(w->PreviewBtn->isEnabled());
    w->PageControl->setCurrentIndex(1);
    EXPECT_EQ(w->helpContext(), 61200);
    EXPECT_FALSE(w->rgRejestr->isHidden());
    EXPECT_EQ(w->rgRejestr->title(), " Zestawienie  wypadków z rejestru : ");
    EXPECT_FALSE(w->PreviewBtn->isEnabled()) << "no right to the collective summary";
    EXPECT_FALSE(w->PrintBtn->isEnabled());
    w->rgRejestr->button(1)->click();
    EXPECT_TRUE(w->cbWypBezRejestru->isHidden()) << "only for the user admin";
    EXPECT_EQ(w->registerFilter().where,
              " IDRejestr IN (4,7) AND SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND ");
    w->PageControl->setCurrentIndex(2);
    EXPECT_EQ(w->helpContext(), 61300);
    EXPECT_TRUE(w->PreviewBtn->isEnabled());
    // The statistics tab checks its choice first: this database has no structure.
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), statistics::noElementMessage());
    EXPECT_EQ(preview.shown, 0);

    logIn(QStringLiteral("admin  "), 2, 2, 2);
    w->FormShow();
    w->PageControl->setCurrentIndex(1);
    w->cbWypBezRejestru->setChecked(true);
    w->rgRejestr->button(1)->click();
    EXPECT_FALSE(w->cbWypBezRejestru->isHidden());
    EXPECT_FALSE(w->cbWypBezRejestru->isChecked()) << "choosing all registers unchecks it";
    w->cbWypBezRejestru->click();
    EXPECT_EQ(w->registerFilter().where,
              " IDRejestr IN (0,4,7) AND SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND ");
    w->rgRejestr->button(0)->click();
    EXPECT_TRUE(w->cbWypBezRejestru->isHidden());
    // One register only: no choice.
    choice.items = {{4, QStringLiteral("R4")}};
    choice.current = 0;
    dm->setRegisters(choice);
    w->FormShow();
    w->PageControl->setCurrentIndex(1);
    EXPECT_TRUE(w->rgRejestr->isHidden());
}

// A summary tab plugged in: its page, its checks, its report behind the wait window.
class SampleSummaryTab : public PrintTab {
public:
    void build(QWidget* page) override {
        auto* b = new QCheckBox(QStringLiteral("Karty wypadków"), page);
        b->setObjectName(QStringLiteral("cbKartyWyp"));
        page->layout()->addWidget(b);
    }
    QString formName() const override { return QStringLiteral("TSampleSummaryFrm"); }
    QString kindCode() const override { return QStringLiteral("WypZestZbSkr"); }
    bool landscape() const override { return true; }
    bool check(const PrintTabContext& c) override {
        where = c.registerWhere;
        if (refuse) showInfo(QStringLiteral("Dla wybranych okresów porównawczych nie można sporządzić zestawienia."));
        return !refuse;
    }
    void finished() override { ++finishes; }
    static inline bool refuse = false;
    static inline int finishes = 0;
    static inline QString where;
};

TEST_F(AdmDrukFormTest, PluggedSummaryTabPreviewsItsReportBehindTheWaitWindow) {
    SampleSummaryTab::refuse = false;
    SampleSummaryTab::finishes = 0;
    PrintTabs::add(QStringLiteral("TAdmDrukForm"), 1, []() { return std::make_unique<SampleSummaryTab>(); });
    bool waitShown = false;
    print::ReportForms::add(QStringLiteral("TSampleSummaryFrm"), [&waitShown]() {
        auto f = std::make_unique<StandInForm>(QStringLiteral("TSampleSummaryFrm"), QStringLiteral("WypZestZbPln"));
        f->onPrepare = [&waitShown]() {
            waitShown = waitShown || print::statRepForm().isVisible() && print::statRepForm().blinking() &&
                        print::statRepForm().label()->text() == "Proszę czekać - trwa proces przygotowania raportu !";
        };
        return f;
    });
    TAdmDrukForm* w = shown();
    ASSERT_NE(w->findChild<QCheckBox*>("cbKartyWyp"), nullptr);
    w->PageControl->setCurrentIndex(1);
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1);
    EXPECT_TRUE(preview.modal);
    EXPECT_EQ(preview.request.kind, "WypZestZbSkr");
    EXPECT_EQ(preview.request.personId, 0);
    EXPECT_TRUE(preview.request.landscape);
    EXPECT_NE(preview.request.report, nullptr);
    EXPECT_TRUE(waitShown);
    EXPECT_FALSE(print::statRepForm().isVisible());
    EXPECT_EQ(SampleSummaryTab::finishes, 1);
    SampleSummaryTab::refuse = true;
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 1);
    EXPECT_EQ(ui.lastText(), "Dla wybranych okresów porównawczych nie można sporządzić zestawienia.");
    EXPECT_EQ(SampleSummaryTab::finishes, 2);
    // The check of the statistics runs only on its tab: the documents print.
    w->PageControl->setCurrentIndex(0);
    box(w, PrintChoice::RW)->click();
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 2);
    PrintTabs::remove(QStringLiteral("TAdmDrukForm"), 1);
    print::ReportForms::remove(QStringLiteral("TSampleSummaryFrm"));
}

TEST_F(AdmDrukFormTest, FailingSummaryReportShowsItsMessageAndTheWindowStays) {
    // The window's own summary slot, without the tab plugged in.
    PrintTabs::remove(QStringLiteral("TAdmDrukForm"), 2);
    print::ReportForms::add(QStringLiteral("TqrWypWydzFrm"), []() {
        auto f = std::make_unique<StandInForm>(QStringLiteral("TqrWypWydzFrm"), QStringLiteral("WypZestWypadki"));
        f->onPrepare = []() { throw Error(QStringLiteral("Wykres nie powstał")); };
        return f;
    });
    TAdmDrukForm* w = shown();
    w->PageControl->setCurrentIndex(2);
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    EXPECT_EQ(ui.lastText(), "Wykres nie powstał");
    EXPECT_FALSE(print::statRepForm().isVisible());
    PrintTabs::add(QStringLiteral("TAdmDrukForm"), 2, []() { return std::make_unique<print::StatisticsTab>(); });
}

TEST_F(AdmDrukFormTest, EveryControlIsNamedForAccessibilityTools) {
    TAdmDrukForm* w = shown();
    w->show();
    EXPECT_EQ(accessibilityFaults(w), QStringList());
    w->hide();
}

} // namespace

TEST_F(AdmDrukFormTest, APersonDeletedElsewhereGivesTheMessageAndNoPreview) {
    TAdmDrukForm* w = shown();
    box(w, PrintChoice::RW)->click();
    exec("DELETE FROM SKWPOSZKODOWANI WHERE ID = 21");
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    EXPECT_EQ(ui.lastText(), TAdmDrukForm::personGoneMessage());
    EXPECT_TRUE(value("SELECT COMPNAME FROM SKWWYPADKI WHERE ID = 2").toString().isEmpty()) << "no take started";
}
