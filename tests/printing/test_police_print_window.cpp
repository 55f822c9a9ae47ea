// The print window of the accidents in service with its real forms: what a user does
// in it, and what it refuses.
#include "PrintWindowFixture.h"

#include "db/Dataset.h"
#include "domain/Takes.h"
#include "printing/AdmDrukForm_Policja.h"
#include "printing/PrintForms.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace zort;
using namespace zort::test;
using print::TAdmDrukForm_Policja;

namespace {

const QDateTime kHeldAt(QDate(2024, 5, 10), QTime(9, 15, 0));

class PoliceWindowTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        print::registerPoliceForms();  // the real forms instead of the missing ones
        print::ReportForms::reset();
        exec(QStringLiteral("INSERT INTO WYPOPER_WYPADKI (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, POSZKODOWANI, WYPIZ) "
                            "VALUES (41, 1, 'KP', '2024-04-02 08:00', '2024-04-02 00:00', 2, 1)"));
        for (const auto& [id, nr, surname] : {std::tuple{411, 1, "Zych"}, std::tuple{412, 2, "Wolny"}})
            exec(QStringLiteral("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NUMERPROT, NAZWISKO, IMIE, "
                                "STOPSL, RODZWYPEKW, PRZYCZYNY) VALUES (:id, 41, :n, :n, :s, 'Jan', 'aspirant', 1, 'Upadek.')"),
                 Params{{"id", id}, {"n", nr}, {"s", QString::fromUtf8(surname)}});
        dm->setCurrentIds(Register::Other, 41, 412);
    }
    TAdmDrukForm_Policja* shown() {
        auto* w = Forms::getOrCreate<TAdmDrukForm_Policja>(QStringLiteral("TAdmDrukForm_Policja"));
        w->FormShow();
        return w;
    }
    // Every column of both tables, the take columns left out.
    QStringList rows() {
        QStringList out;
        for (const char* table : {"WYPOPER_WYPADKI", "WYPOPER_POSZKODOWANI"}) {
            Dataset d(shared.get(), QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(QLatin1String(table)));
            d.open();
            for (d.first(); !d.eof(); d.next()) {
                QStringList values;
                for (const QString& c : d.columns())
                    if (c != "COMPNAME" && c != "CZASROZP" && c != "CZASZAK") values << c + "=" + d.field(c).asString();
                out << values.join(';');
            }
        }
        return out;
    }
    bool heldBy(const QString& computer) {
        return value(QStringLiteral("SELECT COUNT(*) FROM WYPOPER_WYPADKI WHERE ID = 41 AND CZASZAK IS NULL AND "
                                    "COMPNAME = :c"),
                     Params{{"c", computer}})
                   .toInt() == 1;
    }
};

TEST_F(PoliceWindowTest, UserPreviewsBothDocumentsAndTheRegisterAndPrintsTheRegister) {
    const QStringList before = rows();
    TAdmDrukForm_Policja* w = shown();
    bool takenDuring = false;
    preview.during = [&]() { takenDuring = heldBy(QStringLiteral("STACJA-A")); };
    w->CBoxPPall->click();
    w->cb_EKW->click();
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1) << ui.texts().join("\n").toStdString();
    EXPECT_TRUE(preview.modal);
    EXPECT_EQ(preview.request.kind, "WypEKWPol");
    EXPECT_EQ(preview.request.personId, 412);
    EXPECT_TRUE(takenDuring);
    EXPECT_FALSE(heldBy(QStringLiteral("STACJA-A")));
    for (const char* s : {"PROTOKÓŁ POWYPADKOWY NR", "aspirant Jan Wolny", "EWIDENCYJNA KARTA WYPADKU NR:", "1/2/2/2024"})
        EXPECT_TRUE(preview.texts.contains(QString::fromUtf8(s))) << s;
    // The blank forms: no officer.
    w->cbPuste->click();
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 2);
    EXPECT_TRUE(preview.texts.contains("PROTOKÓŁ POWYPADKOWY NR"));
    EXPECT_FALSE(preview.texts.contains("aspirant Jan Wolny") || preview.texts.contains("Jan Wolny"));
    // The register of the year: previewed landscape, then printed by "Drukuj".
    w->PageControl->setCurrentIndex(TAdmDrukForm_Policja::RegisterTab);
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 3);
    EXPECT_EQ(preview.request.kind, "WypRejWypPol");
    EXPECT_TRUE(preview.request.landscape);
    EXPECT_TRUE(preview.texts.contains("Jan Zych") && preview.texts.contains("Jan Wolny"));
    QTemporaryDir dir;
    print::DocumentReport* reg = print::ReportForms::form(QStringLiteral("TfrmZestWyp_Policja"));
    reg->printer().setOutputFormat(QPrinter::PdfFormat);
    reg->printer().setOutputFileName(dir.filePath("rejestr.pdf"));
    w->PrintBtn->click();
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join("\n").toStdString();
    EXPECT_GT(QFileInfo(dir.filePath("rejestr.pdf")).size(), 0);
    EXPECT_EQ(preview.shown, 3);
    w->CloseBtn->click();
    // Only the take columns changed: taken and given back.
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(value("SELECT TRIM(COMPNAME) FROM WYPOPER_WYPADKI WHERE ID = 41").toString(), "STACJA-A");
    EXPECT_FALSE(value("SELECT CZASZAK FROM WYPOPER_WYPADKI WHERE ID = 41").isNull());
}

TEST_F(PoliceWindowTest, MissingFormTakenAccidentAndGoneOfficerPrintNothing) {
    TAdmDrukForm_Policja* w = shown();
    w->CBoxPPall->click();
    w->cb_EKW->click();
    // A form this build lacks: reported, nothing printed, nothing taken.
    const auto factory = print::ReportForms::factoryOf(QStringLiteral("TRepEKW1_Policja"));
    print::ReportForms::remove(QStringLiteral("TRepEKW1_Policja"));
    w->PreviewBtn->click();
    print::ReportForms::add(QStringLiteral("TRepEKW1_Policja"), factory, print::ReportForms::Record::Officer);
    EXPECT_EQ(preview.shown, 0);
    EXPECT_EQ(ui.lastText(), print::ReportForms::missingMessage("TRepEKW1_Policja"));
    EXPECT_TRUE(value("SELECT COMPNAME FROM WYPOPER_WYPADKI WHERE ID = 41").isNull());
    // Held by another computer: its message, and the take stays theirs.
    exec(QStringLiteral("UPDATE WYPOPER_WYPADKI SET COMPNAME = 'STACJA-B', CZASROZP = :t, CZASZAK = NULL WHERE ID = 41"),
         Params{{"t", kHeldAt}});
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    EXPECT_EQ(ui.lastText(), Takes::heldMessage(QStringLiteral("STACJA-B"), kHeldAt));
    EXPECT_TRUE(heldBy(QStringLiteral("STACJA-B")));
    // The officer deleted meanwhile: nothing.
    exec(QStringLiteral("UPDATE WYPOPER_WYPADKI SET CZASZAK = :t WHERE ID = 41"), Params{{"t", kHeldAt}});
    exec(QStringLiteral("DELETE FROM WYPOPER_POSZKODOWANI WHERE ID = 412"));
    const int messages = int(ui.shown.size());
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    EXPECT_EQ(int(ui.shown.size()), messages);
}

} // namespace
