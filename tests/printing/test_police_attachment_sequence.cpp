// The attachments of an officer's protocol as the user prints them: "Załączn." on the
// demo's first officer in the register of accidents in service, "Podgląd" of the
// hearing, the inspection and the own attachment, filled and blank; the database
// compared before and after.
#include "register/MainWindowFixture.h"

#include "PrintWindowFixture.h"
#include "attachments/ZalacznikiForm.h"
#include "attachments/ZalacznikiForm_Policja.h"
#include "core/Formats.h"
#include "demo/DemoData.h"
#include "support/ModalDriver.h"
#include "ui/AttachmentPrinting.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace zort;
using namespace zort::test;

namespace {

using Z = TZalacznikiForm_Policja;

class PoliceAttachmentSequence : public MainWindowTest {
protected:
    void SetUp() override {
        // A user of the register and of the printing it needs.
        TPrawaDostepu rights = registerRights();
        rights.WSKWPROTPW = 2;
        rights.WWydrZal = 1;
        startAsTester(rights);
        registerAttachmentWindows();
        print::registerPrintWindows();
        print::ReportForms::reset();
        print::setPreviewInterface(&preview);
        QApplication::setActiveWindow(w);
        ui.clear();
    }
    void TearDown() override {
        AttachmentPrinting::uninstall();
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm_Policja"));
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm"));
        print::setPreviewInterface(nullptr);
        MainWindowTest::TearDown();
        print::ReportForms::reset();
    }
    void beforeWindow() override {
        appContext().uniformedServices = true;
        loadDemoData(c());
    }
    // Every column of every row of the accidents in service, the takes left out.
    QStringList rows() {
        QStringList out;
        for (const char* table : {"WYPOPER_WYPADKI", "WYPOPER_POSZKODOWANI", "WYPOPER_PRZESLUCHANIE", "WYPOPER_OGLEDZINY",
                                  "WYPOPER_ZALACZNIKI"})
            c().read(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)), {}, [&](QSqlQuery& q) {
                while (q.next()) {
                    QStringList values{QLatin1String(table)};
                    for (int i = 0; i < q.record().count(); ++i) {
                        const QString col = q.record().fieldName(i);
                        if (col != QLatin1String("COMPNAME") && col != QLatin1String("CZASROZP") && col != QLatin1String("CZASZAK"))
                            values << col + QLatin1Char('=') + q.value(i).toString();
                    }
                    out << values.join(QLatin1Char(';'));
                }
            });
        out.sort();
        return out;
    }
    RecordingPreview preview;
};

struct Shown {
    QString kind;
    int record = 0;
    QStringList texts;
};

TEST_F(PoliceAttachmentSequence, EachAttachmentPreviewedFilledAndBlankChangesNothingButTheTake) {
    const int accident = value("SELECT IDWYPADKU FROM WYPOPER_PRZESLUCHANIE WHERE ID = 1").toInt();
    const int officer = value("SELECT IDPROTOKOLU FROM WYPOPER_PRZESLUCHANIE WHERE ID = 1").toInt();
    ASSERT_GT(accident, 0);
    dm->reopenLists(Register::Other, accident, officer);
    w->showSubPage(Register::Other, 0);
    const QStringList before = rows();
    const QString surname = value("SELECT NAZWISKO FROM WYPOPER_POSZKODOWANI WHERE ID = :id", {{"id", officer}}).toString();

    std::vector<Shown> shown;
    bool taken = false;
    preview.during = [&]() {
        shown.push_back({preview.request.kind, preview.request.personId, preview.texts});
        taken = value("SELECT COUNT(*) FROM WYPOPER_WYPADKI WHERE ID = :id AND CZASZAK IS NULL", {{"id", accident}}).toInt() == 1;
    };
    bool ran = false;
    {
        ModalAnswer inWindow([&]() {
            auto* z = qobject_cast<Z*>(QApplication::activeModalWidget());
            ASSERT_TRUE(z);
            ran = true;
            for (int tab : {Z::HearingTab, Z::InspectionTab, Z::OwnTab}) {
                z->tabs()->setCurrentIndex(tab);
                for (bool blank : {false, true}) {
                    z->findChild<QCheckBox*>("cbPuste")->setChecked(blank);
                    z->button("PreviewBtn")->click();
                }
            }
            z->findChild<QCheckBox*>("cbPuste")->setChecked(false);
            z->button("ZamknijBtn")->click();
        });
        w->button("DokumBtn")->trigger();  // "Załączn."
    }
    ASSERT_TRUE(ran);
    EXPECT_TRUE(taken);
    EXPECT_EQ(ui.texts(), QStringList());
    ASSERT_EQ(shown.size(), 6u);
    const QStringList kinds{"WypZalPrzeslPol", "WypZalPrzeslPol", "WypZalOgledzPol", "WypZalOgledzPol", "WypZalWlasnePol",
                            "WypZalWlasnePol"};
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i].kind, kinds[int(i)]) << i;
    EXPECT_EQ(shown[0].record, 1);
    EXPECT_EQ(shown[4].record, officer);
    // The hearing of the officer, then its blank form.
    EXPECT_TRUE(shown[0].texts.contains("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO"));
    QString header = "Załącznik nr 2 do protokołu nr " +
                     value("SELECT NUMERPROT FROM WYPOPER_POSZKODOWANI WHERE ID = :id", {{"id", officer}}).toString();
    const QString date =
        Formats::date(value("SELECT DATAPROT FROM WYPOPER_POSZKODOWANI WHERE ID = :id", {{"id", officer}}).toDateTime());
    if (!date.isEmpty()) header += " z dnia " + date;
    EXPECT_TRUE(shown[0].texts.contains(header)) << header.toStdString();
    EXPECT_TRUE(std::any_of(shown[0].texts.begin(), shown[0].texts.end(), [&](const QString& t) { return t.contains(surname); }));
    EXPECT_TRUE(shown[1].texts.contains(".......................... dnia ................"));
    EXPECT_FALSE(std::any_of(shown[1].texts.begin(), shown[1].texts.end(), [&](const QString& t) { return t.contains(surname); }));
    // The inspection (number 3) and its blank form.
    EXPECT_TRUE(shown[2].texts.contains("Załącznik nr 3 do wypadku: " +
                                        value("SELECT SYMBOLWYP FROM WYPOPER_WYPADKI WHERE ID = :id", {{"id", accident}})
                                            .toString()
                                            .trimmed()));
    EXPECT_TRUE(shown[2].texts.contains("Chodnik przed sklepem przy ul. Lipowej 5."));
    EXPECT_TRUE(shown[3].texts.contains("......................... dnia ................"));
    EXPECT_FALSE(shown[3].texts.contains("Chodnik przed sklepem przy ul. Lipowej 5."));
    // The own attachment prints its data either way.
    for (int i : {4, 5}) EXPECT_TRUE(shown[size_t(i)].texts.contains("Notatka służbowa dyżurnego")) << i;

    // Only the take was written: taken, then given back.
    EXPECT_EQ(rows(), before);
    EXPECT_FALSE(value("SELECT CZASZAK FROM WYPOPER_WYPADKI WHERE ID = :id", {{"id", accident}}).isNull());
}

} // namespace
