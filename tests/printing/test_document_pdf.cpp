// One document form printed for a record straight into a PDF file, as `zortdb pdf`
// does it: the settings given by their configuration keys, the record's report
// datasets, the blank form, the file under exactly its name, and what is refused.
#include "core/Error.h"
#include "domain/DataModForm.h"
#include "printing/DocumentPdf.h"
#include "printing/DocumentReport.h"
#include "printing/PrintingSupport.h"
#include "printing/ReportForms.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

const QString kForm = QStringLiteral("TKartaProbnaForm");
const QString kTitle = QStringLiteral("KARTA PRÓBNA WYDRUKU");

// A small register-card-like form: a title, a few columns of the register card's
// dataset, the number with its year and symbol, a choice with its marks and a
// free-text section.
class TKartaProbnaForm : public DocumentReport {
public:
    TKartaProbnaForm() : DocumentReport(kForm, QStringLiteral("WypRej")) {
        Band& head = addBand(BandType::PageHeader, mm(8));
        head.pageNumber(QRectF(mm(150), 0, mm(40), mm(5)), QStringLiteral("Strona: "));
        hideOnBlank(head);
        Band& top = addBand(BandType::Title, mm(50));
        top.label(mm(40), 0, kTitle, FontSpec(QStringLiteral("Arial"), 14, true));
        top.label(0, mm(12), QStringLiteral("1.Poszkodowany"));
        top.data(QRectF(mm(40), mm(12), mm(50), mm(5)), QStringLiteral("NAZWISKO")).setName(QStringLiteral("NAZWISKO"));
        top.data(QRectF(mm(95), mm(12), mm(40), mm(5)), QStringLiteral("IMIE"));
        top.label(0, mm(20), QStringLiteral("4. Data wypadku:"));
        top.data(QRectF(mm(40), mm(20), mm(30), mm(5)), QStringLiteral("DATA"), kDateFormat);
        top.label(0, mm(28), QStringLiteral("5. Rodzaj wypadku:"));
        choice(top, mm(40), mm(28), QStringLiteral("indywidualny"));
        choice(top, mm(70), mm(28), QStringLiteral("zbiorowy,"));
        top.label(0, mm(36), QStringLiteral("6. Numer protokołu:"));
        top.data(QRectF(mm(40), mm(36), mm(50), mm(5)), QStringLiteral("nrProt_symbol"));
        addMarks(QStringLiteral("WYPIZ"), {{0, {QStringLiteral("zbiorowy,")}}, {1, {QStringLiteral("indywidualny")}}});
        freeText(top, {QStringLiteral("8.    Ustalono następujące okoliczności wypadku:")}, QStringLiteral("OKOLICZNOSCI"),
                 18, 38, 162);
        useFontSetting();
    }
    QStringList datasets() const override { return {QStringLiteral("ZestWyp4SQL")}; }
};

std::vector<const DrawItem*> linesOf(const Page& p) {
    std::vector<const DrawItem*> out;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Line) out.push_back(&i);
    return out;
}

// Whether a horizontal line runs through the text's baseline area.
bool struck(const Page& p, const QString& text) {
    const DrawItem* t = p.findText(text);
    if (!t) return false;
    for (const DrawItem* l : linesOf(p)) {
        const QLineF line = l->line();
        if (qAbs(line.y1() - line.y2()) > 0.5) continue;
        const double y = line.y1();
        if (y < t->origin.y() - pt(t->font.size) || y > t->origin.y() + 1) continue;
        if (qMin(line.x1(), line.x2()) <= t->origin.x() + 1 && qMax(line.x1(), line.x2()) >= t->origin.x() + 5) return true;
    }
    return false;
}

QString errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("(brak błędu)");
}

QString pdfText(const QString& file) {
    QString out;
    EXPECT_EQ(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}, &out), 0) << out.toStdString();
    return out;
}

class DocumentPdf : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ReportForms::add(kForm, [] { return std::make_unique<TKartaProbnaForm>(); }); }

    void SetUp() override {
        admSettings() = AdmSettings();
        dm = std::make_unique<TDataModForm>(db.connect(QStringLiteral("KARTY")));
        // The demo's employee with a protocol whose accident is the first of the year.
        person = dm->KartyDB().scalar(QStringLiteral(
            "SELECT FIRST 1 p.ID FROM SKWPOSZKODOWANI p JOIN SKWWYPADKI w ON w.ID = p.IDWYPADKU "
            "WHERE p.NUMERPROT <> 0 AND w.POSZKODOWANI = 1 ORDER BY p.ID")).toInt();
        ASSERT_NE(person, 0);
    }
    void TearDown() override {
        ReportForms::reset();
        dm.reset();
        admSettings() = AdmSettings();
    }
    QVariant column(const QString& sql) { return dm->KartyDB().scalar(sql, Params{{"id", person}}); }
    bool haveTools() const {
        return !QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }

    TestDatabase db{TestDatabase::Content::Demo};
    std::unique_ptr<TDataModForm> dm;
    int person = 0;
};

} // namespace

TEST_F(DocumentPdf, SettingsByTheirKeysInTheStoredForm) {
    const AdmSettings s = settingsFromKeys({QStringLiteral("NowyProtPowypadkowy=3"), QStringLiteral("DodSymbolWyp=T"),
                                            QStringLiteral("ZnakRozdzielajacy=-"), QStringLiteral("RokSKWProtPow=1"),
                                            QStringLiteral("DokWypFont=2")});
    EXPECT_EQ(s.nowyProtPowypadkowy, 3);
    EXPECT_TRUE(s.symbolWyp);
    EXPECT_EQ(s.separator, QStringLiteral("-"));
    EXPECT_EQ(s.rokSKWProtPow, 1);
    EXPECT_EQ(s.dokWypFont, 2);
    // Everything else keeps its default.
    const AdmSettings d;
    EXPECT_EQ(s.kartaWypadku, d.kartaWypadku);
    EXPECT_EQ(s.zaznPkt13prot, d.zaznPkt13prot);
    EXPECT_EQ(s.rodzajSKW, d.rodzajSKW);

    // Keys as the file compares them; every kind of value the file keeps.
    const AdmSettings t = settingsFromKeys({QStringLiteral("dodsymbolwyp=T"), QStringLiteral("zaznPkt13prot=N"),
                                            QStringLiteral("SortStrukList=Nazwa"), QStringLiteral("RodzajSKW=4"),
                                            QStringLiteral("NowaKartaWypWDrodze=0"), QStringLiteral("KZS=4"),
                                            QStringLiteral("AllTypPrac=T"), QStringLiteral("PozDoZatr=2"),
                                            QStringLiteral("ZnakRozdzielajacy=")});
    EXPECT_TRUE(t.symbolWyp);
    EXPECT_FALSE(t.zaznPkt13prot);
    EXPECT_EQ(t.sortStrukList, 0);
    EXPECT_EQ(t.rodzajSKW, 4);
    EXPECT_EQ(t.nowaKartaWypWDrodze, 0);
    EXPECT_EQ(t.kzs, 4);
    EXPECT_TRUE(t.allTypPrac);
    EXPECT_EQ(t.pozDoZatr, QStringLiteral("2"));
    EXPECT_EQ(t.separator, QString());
    // The last of two values of one key counts.
    EXPECT_EQ(settingsFromKeys({QStringLiteral("DokWypFont=1"), QStringLiteral("DokWypFont=0")}).dokWypFont, 0);
}

TEST_F(DocumentPdf, UnknownKeysAndValuesTheSettingsDoNotKeepAreRefused) {
    const QString unknown = errorOf([] { settingsFromKeys({QStringLiteral("Czcionka=2")}); });
    EXPECT_TRUE(unknown.startsWith(QStringLiteral("Nieznany klucz ustawienia „Czcionka”. Znane klucze: AllTypPrac, "
                                                  "DataNaglZal, DataOdniesienia, DodSymbolWyp, DokWypFont,")))
        << unknown.toStdString();
    EXPECT_EQ(errorOf([] { settingsFromKeys({QStringLiteral("DokWypFont")}); }),
              QStringLiteral("Ustawienie „DokWypFont” nie ma postaci KLUCZ=WARTOŚĆ."));
    EXPECT_EQ(errorOf([] { settingsFromKeys({QStringLiteral("=2")}); }),
              QStringLiteral("Ustawienie „=2” nie ma postaci KLUCZ=WARTOŚĆ."));
    const std::vector<std::pair<QString, QString>> bad = {
        {QStringLiteral("NowyProtPowypadkowy"), QStringLiteral("7")},
        {QStringLiteral("DodSymbolWyp"), QStringLiteral("X")},
        {QStringLiteral("DodSymbolWyp"), QStringLiteral("t")},
        {QStringLiteral("RokSKWProtPow"), QStringLiteral("abc")},
        {QStringLiteral("RokSKWProtPow"), QStringLiteral(" 1")},
        {QStringLiteral("DokWypFont"), QStringLiteral("3")},
        {QStringLiteral("RodzajSKW"), QStringLiteral("-1")},
        {QStringLiteral("KZS"), QStringLiteral("9")},
        {QStringLiteral("SortPrzyczWyp"), QStringLiteral("kod")},
        {QStringLiteral("AllTypPrac"), QStringLiteral("TAK")},
    };
    for (const auto& [key, value] : bad)
        EXPECT_EQ(errorOf([&] { settingsFromKeys({key + QLatin1Char('=') + value}); }),
                  QStringLiteral("Nieprawidłowa wartość „%1” ustawienia %2.").arg(value, key));
}

TEST_F(DocumentPdf, AFilledFormCarriesTheRecordAndTheSettings) {
    DocumentPdfRequest r;
    r.form = kForm;
    r.id = person;
    r.settings = settingsFromKeys({QStringLiteral("DodSymbolWyp=T"), QStringLiteral("ZnakRozdzielajacy=-"),
                                   QStringLiteral("RokSKWProtPow=1"), QStringLiteral("DokWypFont=2")});
    const PagesPtr pages = prepareDocument(*dm, r);
    ASSERT_TRUE(pages);
    ASSERT_GE(pages->pageCount(), 1);
    const Page& p = pages->page(1);
    const QString surname = column(QStringLiteral("SELECT NAZWISKO FROM SKWPOSZKODOWANI WHERE ID = :id")).toString();
    const QString number =
        column(QStringLiteral("SELECT NUMERPROT FROM SKWPOSZKODOWANI WHERE ID = :id")).toString() + QLatin1Char('/') +
        QString::number(column(QStringLiteral("SELECT DATAPROT FROM SKWPOSZKODOWANI WHERE ID = :id")).toDateTime().date().year()) +
        QLatin1Char('-') +
        column(QStringLiteral("SELECT w.SYMBOLWYP FROM SKWWYPADKI w JOIN SKWPOSZKODOWANI p ON p.IDWYPADKU = w.ID "
                              "WHERE p.ID = :id")).toString().trimmed();
    ASSERT_TRUE(p.findText(surname)) << p.texts().join('|').toStdString();
    EXPECT_TRUE(p.findText(number)) << number.toStdString() << " in " << p.texts().join('|').toStdString();
    EXPECT_TRUE(p.findText(QStringLiteral("Strona: 1")));
    EXPECT_DOUBLE_EQ(p.findText(surname)->font.size, 10);  // "Rozmiar czcionki:" 10
    EXPECT_TRUE(struck(p, QStringLiteral("zbiorowy,")));     // one injured person
    EXPECT_FALSE(struck(p, QStringLiteral("indywidualny")));
    // The circumstances of the demo's first accident, as stored.
    EXPECT_TRUE(p.texts().join(' ').contains(QStringLiteral("W dniu wypadku poszkodowany wykonywał")))
        << p.texts().join('|').toStdString();

    if (!haveTools()) GTEST_SKIP() << "qpdf or pdftotext not installed";
    const QString file = db.folder() + QStringLiteral("/karta.rejestracji.PDF");
    saveTextPdf(pages, file);
    QString check;
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), file}, &check), 0) << check.toStdString();
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains(kTitle)) << text.toStdString();
    EXPECT_TRUE(text.contains(surname)) << text.toStdString();
    EXPECT_TRUE(text.contains(number)) << text.toStdString();
    // Exactly the name given: no ".pdf" added, nothing cut at the first dot.
    const QStringList pdfs = QDir(db.folder()).entryList({QStringLiteral("*.pdf"), QStringLiteral("*.PDF")}, QDir::Files);
    EXPECT_EQ(pdfs, QStringList{QStringLiteral("karta.rejestracji.PDF")});

    // Settings off: the same person's number ends after the accident year.
    r.settings = AdmSettings();
    const PagesPtr plain = prepareDocument(*dm, r);
    const QString accidentYear = QString::number(
        column(QStringLiteral("SELECT w.DATA FROM SKWWYPADKI w JOIN SKWPOSZKODOWANI p ON p.IDWYPADKU = w.ID "
                              "WHERE p.ID = :id")).toDateTime().date().year());
    const QString plainNumber =
        column(QStringLiteral("SELECT NUMERPROT FROM SKWPOSZKODOWANI WHERE ID = :id")).toString() + QLatin1Char('/') + accidentYear;
    EXPECT_TRUE(plain->page(1).findText(plainNumber)) << plain->page(1).texts().join('|').toStdString();
    EXPECT_DOUBLE_EQ(plain->page(1).findText(surname)->font.size, 8);
}

TEST_F(DocumentPdf, ABlankFormNeedsNoRecordAndPrintsNoData) {
    DocumentPdfRequest r;
    r.form = kForm;
    r.blank = true;
    for (int id : {0, person}) {
        r.id = id;
        const PagesPtr pages = prepareDocument(*dm, r);
        ASSERT_TRUE(pages && pages->pageCount() == 1) << id;
        const Page& p = pages->page(1);
        EXPECT_TRUE(p.findText(kTitle));
        EXPECT_TRUE(p.findText(QStringLiteral("8.    Ustalono następujące okoliczności wypadku:")));
        EXPECT_FALSE(p.findText(QStringLiteral("Strona: "), true));  // no page header
        EXPECT_FALSE(struck(p, QStringLiteral("zbiorowy,")));
        EXPECT_FALSE(struck(p, QStringLiteral("indywidualny")));
        EXPECT_TRUE(p.texts().filter(QStringLiteral("/")).isEmpty()) << p.texts().join('|').toStdString();
    }
    if (!haveTools()) GTEST_SKIP() << "qpdf or pdftotext not installed";
    const QString file = db.folder() + QStringLiteral("/pusty");
    saveTextPdf(prepareDocument(*dm, r), file);
    QString check;
    EXPECT_EQ(runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), file}, &check), 0) << check.toStdString();
    EXPECT_TRUE(pdfText(file).contains(kTitle));
}

TEST_F(DocumentPdf, UnknownFormsRecordsAndUnwritableFilesAreReported) {
    DocumentPdfRequest r;
    r.form = QStringLiteral("TNieMaTakiegoForm");
    r.id = person;
    EXPECT_EQ(errorOf([&] { checkDocumentRequest(r); }),
              QStringLiteral("Nieznany formularz „TNieMaTakiegoForm” (listę formularzy wypisuje: zortdb pdf --list)."));
    r.form = kForm;
    r.id = 987654;
    EXPECT_EQ(errorOf([&] { prepareDocument(*dm, r); }), QStringLiteral("Brak poszkodowanego o identyfikatorze 987654."));
    r.id = 0;
    EXPECT_EQ(errorOf([&] { checkDocumentRequest(r); }), QStringLiteral("Brak poszkodowanego o identyfikatorze 0."));
    r.id = -3;
    r.blank = true;
    EXPECT_EQ(errorOf([&] { checkDocumentRequest(r); }), QStringLiteral("Brak poszkodowanego o identyfikatorze -3."));

    r.id = person;
    r.blank = false;
    const PagesPtr pages = prepareDocument(*dm, r);
    const QString file = db.folder() + QStringLiteral("/brak/folderu/karta.pdf");
    const QString message = errorOf([&] { saveTextPdf(pages, file); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Nie można zapisać pliku ") + file + QStringLiteral(": ")))
        << message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(QDir(db.folder()).entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty());
}

TEST_F(DocumentPdf, CollectiveRegistersForTheWholeFirmOrAnElement) {
    const int firm = column(QStringLiteral("SELECT FIRST 1 ID FROM OSTRUKT WHERE IDRODZSTRUKT = 0 ORDER BY ID")).toInt();
    const int year = dm->referenceDate().date().year();
    const QString range = QStringLiteral(" OD %1-01-01 DO %1-12-31").arg(year);
    struct Case {
        QString form;
        int id;
        QString title;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("TZestZbDrukFrm"), firm, QStringLiteral("ZBIORCZY REJESTR WYPADKÓW PRZY PRACY ZA OKRES") + range},
        {QStringLiteral("TqrZestRocz1Frm"), 0, QStringLiteral("Zestawienie wypadków w przedsiębiorstwie") + range.toLower()},
        {QStringLiteral("TZestZbDrogaDrukFrm"), 0,
         QStringLiteral("ZBIORCZY REJESTR WYPADKÓW W DRODZE DO LUB Z PRACY ZA OKRES") + range},
        {QStringLiteral("TqrZestRoczDrogaFrm"), 0, QStringLiteral("Zestawienie wypadków w przedsiębiorstwie") + range.toLower()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form.toStdString());
        for (const bool blank : {false, true}) {
            DocumentPdfRequest r;
            r.form = c.form;
            r.id = blank ? 0 : c.id;
            r.blank = blank;
            r.choices = {QStringLiteral("rgSortowanie=1")};
            const PagesPtr pages = prepareDocument(*dm, r);
            ASSERT_TRUE(pages && pages->pageCount() >= 1);
            // Long titles and headings break into lines.
            const QString texts = pages->page(1).texts().join(QLatin1Char(' '));
            if (!blank) EXPECT_TRUE(texts.contains(c.title)) << texts.toStdString();
            EXPECT_TRUE(texts.contains(QStringLiteral("Imię i nazwisko poszkodowanego")) ||
                        texts.contains(QStringLiteral("Nazwisko Imię poszkodowanego")))
                << texts.toStdString();
            if (!haveTools()) continue;
            const QString file = db.folder() + QLatin1Char('/') + c.form + (blank ? QStringLiteral("-pusty.pdf") : QStringLiteral(".pdf"));
            saveTextPdf(pages, file);
            QString check;
            EXPECT_EQ(runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), file}, &check), 0) << check.toStdString();
            const QString text = pdfText(file).simplified();
            EXPECT_TRUE(text.contains(QStringLiteral("poszkodowanego"))) << text.toStdString();
            if (!blank) EXPECT_TRUE(text.contains(c.title.simplified())) << text.toStdString();
        }
    }
    // The whole firm has every person of the firm's element and more.
    DocumentPdfRequest r;
    r.form = QStringLiteral("TqrZestRocz1Frm");
    const auto countLine = [&](int id) {
        r.id = id;
        for (const QString& t : prepareDocument(*dm, r)->page(1).texts())
            if (t.startsWith(QStringLiteral("Ilość wypadków"))) return t;
        return QString();
    };
    EXPECT_FALSE(countLine(0).isEmpty());
    EXPECT_EQ(countLine(0), countLine(firm));

    // What the tab refuses is refused with its message.
    r.id = 0;
    r.choices = {QStringLiteral("cbKartyWyp=N"), QStringLiteral("cbProtPowyp=N")};
    EXPECT_EQ(errorOf([&] { prepareDocument(*dm, r); }), QStringLiteral("Proszę zaznaczyć czego ma dotyczyć zestawienie!"));
    r.choices = {QStringLiteral("dataOd=2024-13-01")};
    EXPECT_EQ(errorOf([&] { prepareDocument(*dm, r); }),
              QStringLiteral("Wybór dataOd=2024-13-01 odrzucony: data w postaci rrrr-mm-dd"));
    r.choices = {QStringLiteral("dataOd=2024-06-01"), QStringLiteral("dataDo=2024-05-31")};
    EXPECT_EQ(errorOf([&] { prepareDocument(*dm, r); }), QStringLiteral("Źle ustawione daty."));
    r.choices.clear();
    r.id = 987654;
    EXPECT_EQ(errorOf([&] { prepareDocument(*dm, r); }),
              QStringLiteral("Brak elementu struktury organizacyjnej o identyfikatorze 987654."));
    r.form = QStringLiteral("TZestZbDrogaDrukFrm");
    r.id = firm;
    EXPECT_TRUE(errorOf([&] { prepareDocument(*dm, r); }).contains(QStringLiteral("identyfikator musi być 0")));
    EXPECT_EQ(dm->KartyDB().scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = 'IDPOM'")).toInt(), 0);
}
