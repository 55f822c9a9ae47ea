#include "PrintingSupport.h"
#include "core/Clock.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "db/Dataset.h"
#include "printing/DatasetSource.h"
#include "printing/Podglad.h"
#include "printing/engine/QRPreview.h"
#include "support/RecordedDocuments.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QWheelEvent>
#include "core/MyIniFile.h"
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

struct Silent : ExportProgress {
    void setRange(int, int) override {}
    void setText(const QString&) override {}
    void step() override {}
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setNow(QDateTime(QDate(2024, 5, 17), QTime(12, 0)));
    }
    void TearDown() override {
        Clock::setNow(QDateTime());
        SharedConnection::set(nullptr);
        Session::setUser(CurrentUser());
    }
    std::unique_ptr<TfrmPodglad> open(Report& r, const QString& kind = QStringLiteral("WypProt"), int person = 7) {
        PreviewRequest req;
        req.kind = kind;
        req.personId = person;
        req.report = &r;
        auto w = std::make_unique<TfrmPodglad>(r.prepare(), req);
        w->exporter().progressFactory = [] { return std::make_unique<Silent>(); };
        w->show();
        return w;
    }
    static QPushButton* button(TfrmPodglad& w, const char* name) { return w.findChild<QPushButton*>(name); }
    static QCheckBox* check(TfrmPodglad& w, const char* name) { return w.findChild<QCheckBox*>(name); }
    static std::vector<bool> paging(TfrmPodglad& w) {
        return {button(w, "bbPoczatek")->isEnabled(), button(w, "bbPoprzednia")->isEnabled(),
                button(w, "bbNastepna")->isEnabled(), button(w, "bbKoniec")->isEnabled()};
    }

    ScriptedUi ui;
    QStringList opened;
    RecordedDocuments recorder{opened};
};

// A database with a circulation of "WypProt": jan starts it (role 100), ewa
// confirms the next step (role 200).
class CirculationTest : public PreviewTest {
protected:
    void SetUp() override {
        PreviewTest::SetUp();
        c = db.connect();
        SharedConnection::set(c.get());
        c->execute("INSERT INTO APRAWADOSTEPU (ID, NAZWAUZYTK, IMIE, NAZWISKO) VALUES (1, 'jan', 'Jan', 'Kowalski')");
        c->execute("INSERT INTO APRAWADOSTEPU (ID, NAZWAUZYTK, IMIE, NAZWISKO) VALUES (2, 'ewa', 'Ewa', 'Nowak')");
        c->execute("INSERT INTO LTYPDOK (ID, SKROT, NAZWA) VALUES (1, 'WypProt', 'Protokół')");
        c->execute("INSERT INTO LOBIEGDOK (ID, ID_1, IDTYPDOK, IDROLI, STANOBIEKT) VALUES (10, 11, 1, 100, 1)");
        c->execute("INSERT INTO LOBIEGDOK (ID, ID_1, IDTYPDOK, IDROLI, STANOBIEKT) VALUES (11, 0, 1, 200, 0)");
        c->execute("INSERT INTO LROLEOSOBY (IDROLI, IDOSOBY) VALUES (100, 1)");
        c->execute("INSERT INTO LROLEOSOBY (IDROLI, IDOSOBY) VALUES (200, 2)");
        c->execute("UPDATE OPARAM SET PATHOBIEG = :p", Params{{"p", folder.path() + "/obieg"}});
        report = pagesReport(2);
    }
    void login(int id, const QString& name) {
        CurrentUser u;
        u.id = id;
        u.name = name;   // first and last names come from the database at showing
        Session::setUser(u);
    }
    QString file(const QString& name) const { return folder.path() + "/obieg/" + name; }
    int count(const QString& sql) { return int(c->scalar(sql).toLongLong()); }

    TestDatabase db;
    std::unique_ptr<Connection> c;
    QTemporaryDir folder;
    std::unique_ptr<Report> report;
};

} // namespace

TEST_F(PreviewTest, OnePageDisablesPagingAndTheFileNamesCarryTheFractionOfTheDay) {
    auto r = pagesReport(1);
    auto w = open(*r);
    EXPECT_EQ("Podgląd raportu", w->windowTitle());
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    EXPECT_EQ("Strona 1 z 1", w->statusText());
    EXPECT_EQ((std::vector<bool>{false, false, false, false}), paging(*w));
    EXPECT_EQ("WypProt_500000.pdf", w->pdfName());
    EXPECT_EQ("WypProt_500000.docx", w->docName());
    EXPECT_FALSE(button(*w, "btnDoWord")->isVisible());
    EXPECT_FALSE(check(*w, "cbInicjuj")->isVisible());
    EXPECT_FALSE(check(*w, "cbAktualizuj")->isVisible());
    EXPECT_EQ("Zapis do pliku PDF", button(*w, "bbPdf")->toolTip());
    auto* skala = w->findChild<QComboBox*>("cbSkala");
    EXPECT_EQ(11, skala->count());
    EXPECT_EQ("100", skala->currentText());
    skala->setCurrentIndex(1);
    emit skala->activated(1);
    EXPECT_EQ(50, w->preview()->zoom());
    EXPECT_EQ(0, TfrmPodglad::dayFraction(QDateTime(QDate(2024, 1, 1), QTime(0, 0))));
    EXPECT_EQ(1000000, TfrmPodglad::dayFraction(QDateTime(QDate(2024, 1, 1), QTime(23, 59, 59, 999))));
}

TEST_F(PreviewTest, ThreePagesArePagedByTheFourButtons) {
    auto r = pagesReport(3);
    auto w = open(*r);
    EXPECT_EQ(3, w->preview()->pageCount());
    EXPECT_EQ("Strona 1 z 3", w->statusText());
    EXPECT_EQ((std::vector<bool>{false, false, true, true}), paging(*w));
    button(*w, "bbNastepna")->click();
    EXPECT_EQ("Strona 2 z 3", w->statusText());
    EXPECT_EQ((std::vector<bool>{true, true, true, true}), paging(*w));
    button(*w, "bbKoniec")->click();
    EXPECT_EQ("Strona 3 z 3", w->statusText());
    EXPECT_EQ(3, w->preview()->pageNumber());
    EXPECT_EQ((std::vector<bool>{true, true, false, false}), paging(*w));
    button(*w, "bbPoprzednia")->click();
    button(*w, "bbPoprzednia")->click();
    EXPECT_EQ("Strona 1 z 3", w->statusText());
    EXPECT_EQ((std::vector<bool>{false, false, true, true}), paging(*w));
    button(*w, "bbKoniec")->click();
    button(*w, "bbPoczatek")->click();
    EXPECT_EQ(1, w->preview()->pageNumber());
    // Closing frees the engine's pages.
    w->close();
    EXPECT_EQ(nullptr, r->pages());
    EXPECT_EQ(0, w->preview()->pageCount());
}

TEST_F(PreviewTest, EnginePreviewShowsThePreparedPagesThroughTheProgramsWindow) {
    auto r = numberedReport(120);
    TfrmPodglad::request() = PreviewRequest{"WypZestZbPln", 0, false, r.get(), nullptr, true};
    QWidget* shown = r->preview();
    auto* w = qobject_cast<TfrmPodglad*>(shown);
    ASSERT_TRUE(w);
    EXPECT_EQ(r->pageCount(), w->preview()->pageCount());
    EXPECT_EQ(QStringLiteral("Strona 1 z %1").arg(r->pageCount()), w->statusText());
    EXPECT_TRUE(button(*w, "btnDoWord")->isVisible());
    EXPECT_EQ("WypZestZbPln_500000.pdf", w->pdfName());
    w->close();
    TfrmPodglad::request() = PreviewRequest();
}

TEST_F(PreviewTest, FolderFallsBackToTheDatabaseFolder) {
    EXPECT_EQ("/x/y/Obieg", DocumentCirculation::fallbackFolder("/x/y/demo.fdb"));
    EXPECT_EQ("/x/y/Obieg", DocumentCirculation::fallbackFolder("host:/x/y/db.fdb"));
    EXPECT_EQ("/srv/zort/dane/Obieg", DocumentCirculation::fallbackFolder("serwer/3051:/srv/zort/dane/zort.fdb"));
    EXPECT_EQ("C:\\Baza\\Dane\\Obieg", DocumentCirculation::fallbackFolder("serwer:C:\\Baza\\Dane\\ZORT.FDB"));
    // Without a circulation definition: the dialog in that folder, nothing in the tables.
    TestDatabase db;
    auto c = db.connect();
    SharedConnection::set(c.get());
    auto r = pagesReport(1);
    auto w = open(*r, "WypSkw", 3);
    EXPECT_EQ(DocumentCirculation::State::None, w->circulation().state());
    const QString expected = QFileInfo(db.path()).absolutePath() + "/Obieg";
    EXPECT_EQ(expected, w->circulation().folder(false));
    ui.files.push_back(expected + "/karta.pdf");
    button(*w, "bbPdf")->click();
    ASSERT_EQ(1u, ui.fileRequests.size());
    EXPECT_EQ(expected + "/WypSkw_500000.pdf", ui.fileRequests[0].initial);
    EXPECT_TRUE(QFile::exists(expected + "/karta.pdf"));
    EXPECT_EQ(QStringList{expected + "/karta.pdf"}, opened);
    EXPECT_EQ(0, int(c->scalar("SELECT COUNT(*) FROM LSESDOKUM").toLongLong()));
    QDir(expected).removeRecursively();
}

TEST_F(PreviewTest, OpeningWithoutAnAssociatedProgramSaysSo) {
    setDocumentOpener([](const QString&) { return false; });
    EXPECT_FALSE(openDocument("/tmp/plik.xyz"));
    EXPECT_EQ(noAssociatedProgramMessage("/tmp/plik.xyz"), ui.lastText());
    EXPECT_EQ(MsgIcon::Warning, ui.shown.back().icon);
}

TEST_F(CirculationTest, StartThenUpdateByTheNextRole) {
    login(1, "jan");
    {
        auto w = open(*report);
        EXPECT_EQ(DocumentCirculation::State::Start, w->circulation().state());
        EXPECT_EQ(11, w->circulation().step());
        EXPECT_TRUE(check(*w, "cbInicjuj")->isVisible());
        EXPECT_FALSE(check(*w, "cbAktualizuj")->isVisible());
        EXPECT_EQ("jan (Jan Kowalski)", Session::user().displayText());
        check(*w, "cbInicjuj")->setChecked(true);
        ui.files.push_back(file("WypProt_500000.pdf"));
        button(*w, "bbPdf")->click();
        ASSERT_EQ(1u, ui.fileRequests.size());
        EXPECT_EQ(file("WypProt_500000.pdf"), ui.fileRequests[0].initial);
        EXPECT_TRUE(QFile::exists(file("WypProt_500000.pdf")));
        EXPECT_EQ(QStringList{file("WypProt_500000.pdf")}, opened);
        EXPECT_FALSE(check(*w, "cbInicjuj")->isVisible());
        EXPECT_FALSE(check(*w, "cbInicjuj")->isChecked());
    }
    Dataset s(c.get(), "SELECT * FROM LSESDOKUM");
    s.open();
    ASSERT_EQ(1, s.recordCount());
    EXPECT_EQ("WypProt_500000.pdf", s.field("NAZWAPLIK").asString());
    EXPECT_EQ(1, s.field("AKTYWNY").asInt());
    EXPECT_EQ(1, s.field("IDTYPDOK").asInt());
    EXPECT_EQ(7, s.field("IDTABELI").asInt());
    Dataset st(c.get(), "SELECT * FROM LSTANOBIEG");
    st.open();
    ASSERT_EQ(1, st.recordCount());
    EXPECT_EQ(s.field("ID").asInt(), st.field("IDSESDOKUM").asInt());
    EXPECT_EQ(11, st.field("IDOBIEG").asInt());
    EXPECT_EQ(200, st.field("IDROLI").asInt());
    EXPECT_EQ("jan (Jan Kowalski)", st.field("NADAWCA").asString());
    EXPECT_EQ(0, st.field("STAN").asInt());
    EXPECT_EQ("", st.field("UWAGI").asString());
    EXPECT_FALSE(st.field("UWAGI").isNull());
    EXPECT_EQ(0, st.field("PRZECZYTANY").asInt());

    // The starter sees the session but has no pending step; ewa confirms hers.
    {
        auto w = open(*report);
        EXPECT_EQ(DocumentCirculation::State::None, w->circulation().state());
    }
    login(2, "ewa");
    QFile::remove(file("WypProt_500000.pdf"));
    opened.clear();
    ui.fileRequests.clear();
    Clock::setNow(QDateTime(QDate(2024, 5, 18), QTime(6, 0)));
    auto w = open(*report);
    EXPECT_EQ(DocumentCirculation::State::Update, w->circulation().state());
    EXPECT_EQ("WypProt_500000.pdf", w->pdfName());
    EXPECT_TRUE(check(*w, "cbAktualizuj")->isVisible());
    EXPECT_FALSE(check(*w, "cbInicjuj")->isVisible());
    check(*w, "cbAktualizuj")->setChecked(true);
    button(*w, "bbPdf")->click();
    EXPECT_TRUE(ui.fileRequests.empty()) << "no dialog when confirming";
    EXPECT_TRUE(QFile::exists(file("WypProt_500000.pdf")));
    EXPECT_EQ(QStringList{file("WypProt_500000.pdf")}, opened);
    EXPECT_EQ(2, count("SELECT STAN FROM LSTANOBIEG"));
    EXPECT_FALSE(check(*w, "cbAktualizuj")->isVisible());
}

TEST_F(CirculationTest, ChangedStatusWarnsAndWritesNothing) {
    c->execute("INSERT INTO LSESDOKUM VALUES (0, 'WypProt_123.pdf', 1, 1, 7)");
    const int session = count("SELECT ID FROM LSESDOKUM");
    c->execute("INSERT INTO LSTANOBIEG VALUES (0, :s, 11, 200, 'jan (Jan Kowalski)', 0, '', 0)", Params{{"s", session}});
    login(2, "ewa");
    auto w = open(*report);
    ASSERT_EQ(DocumentCirculation::State::Update, w->circulation().state());
    check(*w, "cbAktualizuj")->setChecked(true);
    // Another workstation confirms the step meanwhile.
    c->execute("UPDATE LSTANOBIEG SET STAN = 2");
    button(*w, "bbPdf")->click();
    EXPECT_EQ(" Operacja zakończona niepowodzeniem \n\r Status dokumentu został nieoczekiwanie zmieniony", ui.lastText());
    EXPECT_EQ(MsgIcon::Warning, ui.shown.back().icon);
    EXPECT_FALSE(QFile::exists(file("WypProt_123.pdf")));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(check(*w, "cbAktualizuj")->isChecked());
    // A user of no role of the document sees nothing to do.
    login(1, "jan");
    c->execute("UPDATE LSTANOBIEG SET STAN = 0");
    auto other = open(*report);
    EXPECT_EQ(DocumentCirculation::State::None, other->circulation().state());
    EXPECT_EQ("WypProt_123.pdf", other->pdfName());
}

TEST_F(CirculationTest, FolderComesFromTheDatabaseThenTheSettingThenTheDatabasePath) {
    login(1, "jan");
    auto w = open(*report);
    EXPECT_EQ(folder.path() + "/obieg", w->circulation().folder(true));
    const QString fallback = QFileInfo(db.path()).absolutePath() + "/Obieg";
    EXPECT_EQ(fallback, w->circulation().folder(false));
    TMyIniFile ini(folder.path() + "/kwel.ini");
    ini.WriteSaved("GLOBAL", "pathObieg", folder.path() + "/z_ustawien");
    setAppIni(&ini);
    EXPECT_EQ(folder.path() + "/z_ustawien", w->circulation().folder(false));
    c->execute("UPDATE OPARAM SET PATHOBIEG = ''");
    EXPECT_EQ(folder.path() + "/z_ustawien", w->circulation().folder(true));
    setAppIni(nullptr);
}

TEST_F(CirculationTest, ReportWalksTheRowsOfADataset) {
    Dataset rows(c.get(), "SELECT ID, NAZWAUZYTK, ZMIANAHASLA FROM APRAWADOSTEPU ORDER BY ID");
    c->execute("UPDATE APRAWADOSTEPU SET ZMIANAHASLA = '2024-02-29 13:05:00' WHERE ID = 2");
    rows.open();
    Report r;
    Band& d = r.addBand(BandType::Detail, mm(6));
    d.data({0, 0, mm(20), mm(5)}, "ID", "000");
    d.data({mm(25), 0, mm(40), mm(5)}, "NAZWAUZYTK");
    d.data({mm(70), 0, mm(40), mm(5)}, "ZMIANAHASLA", "dd.mm.yyyy hh:nn");
    r.addBand(BandType::Summary, mm(6)).text({0, 0, mm(80), mm(5)}, [](const PrintContext& c) {
        return QStringLiteral("Razem: %1, ostatni: %2").arg(c.record()).arg(c.field("NAZWAUZYTK").asTrimmed());
    });
    r.setDataSource(std::make_shared<DatasetSource>(rows));
    EXPECT_EQ((QStringList{"001", "jan", "002", "ewa", "29.02.2024 13:05", "Razem: 2, ostatni: ewa"}),
              r.prepare()->page(1).texts());
}

TEST_F(PreviewTest, ZoomFitsThePageOrItsWidthAndTheWheelScrolls) {
    auto r = pagesReport(1);
    auto w = open(*r);
    w->showNormal();
    w->resize(900, 700);
    QApplication::processEvents();
    TQRPreview* p = w->preview();
    button(*w, "bbCalaStrona")->click();
    const QSizeF page = r->page.size() * (p->zoom() / 100.0);
    EXPECT_LE(page.height(), p->viewport()->height());
    EXPECT_GT(page.height() * 1.1, p->viewport()->height() - 20);
    button(*w, "bbSzerokosc")->click();
    QApplication::processEvents();
    EXPECT_NEAR(r->page.size().width() * p->zoom() / 100.0, p->viewport()->width() - 20, 40);
    QApplication::processEvents();
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    ASSERT_GT(p->verticalScrollBar()->maximum(), 120);
    QApplication::sendEvent(p->viewport(), &wheel);
    EXPECT_EQ(120, p->verticalScrollBar()->value());
}

TEST_F(PreviewTest, PrintsTheReportOnItsPrinter) {
    QTemporaryDir dir;
    auto r = pagesReport(3);
    r->printer().setOutputFormat(QPrinter::PdfFormat);
    r->printer().setOutputFileName(dir.path() + "/druk.pdf");
    auto w = open(*r);
    button(*w, "bbDrukuj")->click();
    QString pages;
    ASSERT_EQ(0, runTool("qpdf", {"--show-npages", dir.path() + "/druk.pdf"}, &pages));
    EXPECT_EQ("3", pages.trimmed());
}

TEST_F(PreviewTest, APrinterThatCannotPrintIsReported) {
    QTemporaryDir dir;
    auto r = pagesReport(2);
    r->printer().setOutputFormat(QPrinter::PdfFormat);
    r->printer().setOutputFileName(dir.path() + "/brak/folderu/druk.pdf");
    auto w = open(*r);
    button(*w, "bbDrukuj")->click();
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ("Nie udało się wydrukować raportu na wybranej drukarce.", ui.lastText());
    EXPECT_EQ(MsgIcon::Error, ui.shown.back().icon);
}

TEST_F(CirculationTest, ADatabaseFailureWhileSavingIsShownAndNothingIsOpened) {
    login(1, "jan");
    auto w = open(*report);
    ASSERT_EQ(DocumentCirculation::State::Start, w->circulation().state());
    check(*w, "cbInicjuj")->setChecked(true);
    ui.files.push_back(file("WypProt_500000.pdf"));
    c->execute("CREATE EXCEPTION E_NO_SESSION 'Sesja zablokowana'");
    c->execute("CREATE TRIGGER T_NO_SESSION FOR LSESDOKUM BEFORE INSERT AS BEGIN EXCEPTION E_NO_SESSION; END");
    button(*w, "bbPdf")->click();
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_TRUE(ui.lastText().contains("Sesja zablokowana")) << ui.lastText().toStdString();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(check(*w, "cbInicjuj")->isChecked());
}
