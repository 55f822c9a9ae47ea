// The print selections of commuting accidents and of other accidents (the variant
// for uniformed services).
#include "PrintWindowFixture.h"

#include "printing/AdmDrukForm.h"
#include "printing/AdmDrukForm_Policja.h"
#include "printing/AdmDrukWDrodzeForm.h"
#include "printing/StatRepForm.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "ui/DocumentWindows.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <algorithm>
#include <QProcess>
#include <QThread>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>

using namespace zort;
using namespace zort::test;
using print::TAdmDrukForm_Policja;
using print::TAdmDrukWDrodzeForm;

namespace {

class CommutingPrintTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        commuting(31, 1, QStringLiteral("Dudek"));
        commuting(32, 2, QStringLiteral("Ekiert"));
        dm->setCurrentIds(Register::Commuting, 32);
    }
    void commuting(int id, int number, const QString& surname) {
        exec(QStringLiteral("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, NAZWISKO, IMIE) "
                            "VALUES (:id, :n, '', :d, :d, :s, 'Ewa')"),
             Params{{"id", id}, {"n", number}, {"d", QDateTime(QDate(2024, 2, 1), QTime(7, 0))}, {"s", surname}});
    }
    TAdmDrukWDrodzeForm* shown() {
        auto* w = Forms::getOrCreate<TAdmDrukWDrodzeForm>(QStringLiteral("TAdmDrukWDrodzeForm"));
        w->FormShow();
        return w;
    }
};

TEST_F(CommutingPrintTest, ListsTheYearAndOffersThePagesOfTheSetting) {
    admSettings().nowaKartaWypWDrodze = 2;
    admSettings().protPowWielostronicowy = false;
    TAdmDrukWDrodzeForm* w = shown();
    EXPECT_EQ(w->windowTitle(), "Wydruk danych dotyczących wypadku");
    EXPECT_EQ(w->helpContext(), 62100);
    EXPECT_EQ(w->accidents()->recordCount(), 2);
    EXPECT_EQ(w->accidents()->field("ID").asInt(), 32);
    auto* grid = w->findChild<QTableView*>("DBGridWypadki");
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "Num");
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), "Nazwisko");
    EXPECT_EQ(w->gbKartaWypadku->title(), "Karta wypadku w drodze do/z pracy");
    EXPECT_FALSE(w->gbKartaWypadku->isHidden());
    EXPECT_FALSE(w->CBoxKW[2]->isHidden());
    admSettings().nowaKartaWypWDrodze = 0;
    w->FormShow();
    EXPECT_TRUE(w->CBoxKW[2]->isHidden());
    EXPECT_FALSE(w->CBoxKW[1]->isHidden());
    admSettings().nowaKartaWypWDrodze = 2;
    admSettings().protPowWielostronicowy = true;
    w->FormShow();
    EXPECT_TRUE(w->gbKartaWypadku->isHidden());
    EXPECT_EQ(w->chosenForms(), QStringList{"TProtWDrodzeNowy2012Form"});
    w->PageControl->setCurrentIndex(1);
    EXPECT_EQ(w->helpContext(), 62200);
    EXPECT_EQ(w->PageControl->tabText(1), "Zestawienia zbiorcze");
}

TEST_F(CommutingPrintTest, PreviewTakesTheCommutingAccidentWithItsKind) {
    admSettings().nowaKartaWypWDrodze = 2;
    standIn(QStringLiteral("TProtWDrodzeNowy2012_2Form"), QStringLiteral("WypDrogaKartWyp"), QStringLiteral("ZestWDrodzeNoweSQL"));
    TAdmDrukWDrodzeForm* w = shown();
    bool takenDuring = false;
    preview.during = [&]() {
        takenDuring = value("SELECT COUNT(*) FROM SKWWYPADKIWDRODZE WHERE ID = 32 AND CZASZAK IS NULL AND COMPNAME = 'STACJA-A'")
                          .toInt() == 1;
    };
    // Nothing checked: nothing.
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    w->CBoxKW[1]->click();
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1) << ui.texts().join("\n").toStdString();
    EXPECT_EQ(preview.request.kind, "WypDrogaKartWyp");
    EXPECT_TRUE(takenDuring);
    EXPECT_EQ(value("SELECT COUNT(*) FROM SKWWYPADKIWDRODZE WHERE CZASZAK IS NULL AND COMPNAME IS NOT NULL").toInt(), 0);
    // Page one is not in this build: reported, nothing shown.
    w->CBoxKW[0]->click();
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 1);
    EXPECT_EQ(ui.lastText(), print::ReportForms::missingMessage("TProtWDrodzeNowy2012_1Form"));
    // The collective summary of the tab: its register of the year (no accident recognised).
    w->PageControl->setCurrentIndex(1);
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 2);
    EXPECT_EQ(preview.request.kind, "WypDrogaZestZbPln");
    EXPECT_EQ(preview.pages, 0);
}

TEST_F(CommutingPrintTest, AttachmentsOfTheChosenCommutingAccident) {
    QStringList opened;
    int owner = -1;
    int current = 0;
    DocumentWindows::add(QStringLiteral("TZalacznikiForm"), [&](const DocumentWindows::Request& r) {
        opened << r.className;
        owner = r.record.reg == Register::Commuting ? 1 : 0;
        current = r.record.accidentId;
    });
    dm->OpenRegister(dm->referenceDate());
    TAdmDrukWDrodzeForm* w = shown();
    choose(w->findChild<QTableView*>("DBGridWypadki"), 0);
    EXPECT_EQ(w->ZalBtn->text(), "Załączn.");
    w->ZalBtn->click();
    EXPECT_EQ(opened, QStringList{"TZalacznikiForm"});
    EXPECT_EQ(owner, 1);
    EXPECT_EQ(current, 31);
    DocumentWindows::remove(QStringLiteral("TZalacznikiForm"));
}

TEST_F(CommutingPrintTest, OpenedByWydrukiAndNamedForAccessibilityTools) {
    {
        ModalAnswer answer([&]() {
            auto* w = Forms::get<TAdmDrukWDrodzeForm>(QStringLiteral("TAdmDrukWDrodzeForm"));
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(accessibilityFaults(w), QStringList());
            w->CloseBtn->click();
        });
        EXPECT_TRUE(DocumentWindows::open({QStringLiteral("TAdmDrukWDrodzeForm"), true, nullptr}));
    }
}

class PolicePrintTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        other(41, 2, QDateTime(QDate(2024, 4, 2), QTime(8, 0)));
        other(42, 1, QDateTime(QDate(2024, 1, 5), QTime(8, 0)));
        other(43, 1, QDateTime(QDate(2023, 12, 30), QTime(8, 0)));
        otherPerson(411, 41, 2, QStringLiteral("Zych"));
        otherPerson(412, 41, 1, QStringLiteral("Wolny"));
        otherPerson(421, 42, 1, QStringLiteral("Nowak"));
        otherPerson(431, 43, 1, QStringLiteral("Stary"));
        dm->setCurrentIds(Register::Other, 41, 412);
    }
    void other(int id, int number, const QDateTime& date) {
        exec(QStringLiteral("INSERT INTO WYPOPER_WYPADKI (ID, NUMER, DATA, DATAREJWYP) VALUES (:id, :n, :d, :d)"),
             Params{{"id", id}, {"n", number}, {"d", date}});
    }
    void otherPerson(int id, int accidentId, int nr, const QString& surname) {
        exec(QStringLiteral("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NAZWISKO, IMIE) VALUES (:id, :a, :n, :s, 'Jan')"),
             Params{{"id", id}, {"a", accidentId}, {"n", nr}, {"s", surname}});
    }
    TAdmDrukForm_Policja* shown() {
        auto* w = Forms::getOrCreate<TAdmDrukForm_Policja>(QStringLiteral("TAdmDrukForm_Policja"));
        w->FormShow();
        return w;
    }
};

TEST_F(PolicePrintTest, ListsTheRegisterYearAndTheRegisterOfAccidentsInService) {
    TAdmDrukForm_Policja* w = shown();
    EXPECT_EQ(w->helpContext(), 7000);
    EXPECT_EQ(w->width(), 610);
    EXPECT_GE(w->height(), 500);
    w->resize(900, 300);
    EXPECT_EQ(w->width(), 610);
    EXPECT_GE(w->height(), 500);
    EXPECT_EQ(w->accidents()->recordCount(), 2);
    EXPECT_EQ(w->accidents()->field("ID").asInt(), 41);
    EXPECT_EQ(w->persons()->field("ID").asInt(), 412);
    EXPECT_EQ(w->PageControl->tabText(0), "EKW/Protokół");
    EXPECT_EQ(w->PageControl->tabText(1), "Rejestr wypadków w służbie");
    // The register: by date, number and number of the person; the year only.
    QStringList names;
    Dataset* r = w->registerList();
    for (r->first(); !r->eof(); r->next()) names << r->field("NAZWISKO").asString();
    EXPECT_EQ(names, (QStringList{"Nowak", "Wolny", "Zych"}));
    auto* grid = w->findChild<QTableView*>("DBGridRejestr");
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), "Data wypadku");
}

TEST_F(PolicePrintTest, DocumentsAndRegisterPrintThroughTheRegistry) {
    TAdmDrukForm_Policja* w = shown();
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    EXPECT_TRUE(ui.shown.empty());
    standIn(QStringLiteral("TRepEKW1_Policja"), QStringLiteral("WypEKWPol"), QStringLiteral("ZestWyp4SQL"));
    w->cb_EKW->click();
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1) << ui.texts().join("\n").toStdString();
    EXPECT_EQ(preview.request.kind, "WypEKWPol");
    EXPECT_EQ(preview.request.personId, 412);
    EXPECT_EQ(value("SELECT COUNT(*) FROM WYPOPER_WYPADKI WHERE CZASZAK IS NULL AND COMPNAME IS NOT NULL").toInt(), 0);
    w->CBoxPPall->click();
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 1);
    EXPECT_EQ(ui.lastText(), print::ReportForms::missingMessage("TRepProt_Policja"));
    w->PageControl->setCurrentIndex(1);
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), print::ReportForms::missingMessage("TfrmZestWyp_Policja"));
    print::ReportForms::remove(QStringLiteral("TRepEKW1_Policja"));
}

TEST_F(PolicePrintTest, OpenedByWydrukiAndNamedForAccessibilityTools) {
    ModalAnswer answer([&]() {
        auto* w = Forms::get<TAdmDrukForm_Policja>(QStringLiteral("TAdmDrukForm_Policja"));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(accessibilityFaults(w), QStringList());
        w->reject();
    });
    EXPECT_TRUE(DocumentWindows::open({QStringLiteral("TAdmDrukForm_Policja"), true, nullptr}));
}

} // namespace

namespace {

// Pictures of the three windows for a look at their layout (only with
// ZORT_SHOT_DIR set, on a real display: the screen is grabbed by "import").
class PrintWindowPictures : public CommutingPrintTest {};

TEST_F(PrintWindowPictures, ThreeWindows) {
    const QString dir = qEnvironmentVariable("ZORT_SHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "no picture folder";
    accident(1, 1, 5);
    person(11, 1, QStringLiteral("Adamska"), 1);
    person(12, 1, QStringLiteral("Bielak"), 0);
    accident(2, 2, 4);
    person(21, 2, QStringLiteral("Celej"), 2);
    dm->setCurrentIds(Register::AtWork, 1, 11);
    exec("INSERT INTO WYPOPER_WYPADKI (ID, NUMER, DATA, DATAREJWYP) VALUES (41, 1, '2024-04-02 08:00', '2024-04-02 08:00')");
    exec("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NAZWISKO, IMIE) VALUES (411, 41, 1, 'Zych', 'Jan')");
    dm->setCurrentIds(Register::Other, 41, 411);
    const auto picture = [&](QWidget* w, const QString& name) {
        w->move(0, 0);
        w->show();
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents();
            QThread::msleep(20);
        }
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                                    QStringLiteral("%1x%2+0+0").arg(w->frameGeometry().width()).arg(w->frameGeometry().height()),
                                                    dir + QLatin1Char('/') + name + QStringLiteral(".png")});
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral("-grab.png"));
        w->hide();
    };
    auto* a = Forms::getOrCreate<print::TAdmDrukForm>(QStringLiteral("TAdmDrukForm"));
    a->FormShow();
    picture(a, QStringLiteral("TAdmDrukForm"));
    auto* c = Forms::getOrCreate<TAdmDrukWDrodzeForm>(QStringLiteral("TAdmDrukWDrodzeForm"));
    c->FormShow();
    picture(c, QStringLiteral("TAdmDrukWDrodzeForm"));
    auto* p = Forms::getOrCreate<TAdmDrukForm_Policja>(QStringLiteral("TAdmDrukForm_Policja"));
    p->FormShow();
    picture(p, QStringLiteral("TAdmDrukForm_Policja"));
}

} // namespace

namespace {

TEST(PrintWindowStartup, StartupCreatesTheCommutingSelectionAndTheWaitWindow) {
    const auto& forms = startupForms();
    for (const char* name : {"TAdmDrukWDrodzeForm", "TfrmStatRep"}) {
        const auto it = std::find_if(forms.begin(), forms.end(),
                                     [name](const StartupForm& f) { return QLatin1String(f.name) == QLatin1String(name); });
        ASSERT_NE(forms.end(), it) << name;
        ASSERT_TRUE(it->create) << name;
        std::unique_ptr<QObject> made(it->create());
        if (QLatin1String(name) == QLatin1String("TfrmStatRep")) {
            auto* wait = qobject_cast<print::TfrmStatRep*>(made.get());
            ASSERT_NE(wait, nullptr);
            EXPECT_EQ(wait->label()->text(), "Proszę czekać - trwa proces przygotowania raportu !");
        } else {
            EXPECT_TRUE(qobject_cast<TAdmDrukWDrodzeForm*>(made.get()));
        }
    }
    registerDocumentWindows();
    for (const char* name : {"TAdmDrukForm", "TAdmDrukWDrodzeForm", "TAdmDrukForm_Policja"})
        EXPECT_TRUE(DocumentWindows::exists(QString::fromLatin1(name))) << name;
}

} // namespace
