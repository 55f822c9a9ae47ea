// The statistical charts: the chart a form fills for known counts, the title band of
// the chart forms, the word-processor document read back by libzip and by an
// independent reader, "&Word" of the preview with its dialog answered, and a user's
// sequence from the main window through the statistics tab to the saved documents.
#include "support/AccessibleWalk.h"
#include "PrintWindowFixture.h"
#include "register/MainWindowFixture.h"

#include "domain/StatisticsCounting.h"
#include "printing/PrintForms.h"
#include "printing/StatisticsCharts.h"
#include "printing/engine/QRPreview.h"
#include "support/ModalDriver.h"
#include "support/RecordedDocuments.h"
#include "ui/DesktopFiles.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QValueAxis>
#include <zip.h>

using namespace zort;
using namespace zort::test;
using namespace zort::print;

namespace {

using statistics::Period;

const Period kPeriods[2] = {{2025, statistics::WholeYear}, {2026, statistics::FirstQuarter}};

ChartData months(int march1, int march2) {
    ChartData d;
    d.periods[0] = QStringLiteral("2025");
    d.periods[1] = QStringLiteral("2026 I kwartał");
    for (const char* t : {" Styczeń ", " Luty ", " Marzec", " Pażdziernik"}) d.categories.push_back({QString::fromUtf8(t), {0, 0}});
    d.categories[2].count[0] = march1;
    d.categories[2].count[1] = march2;
    d.categories[3].count[1] = 1;
    return d;
}

QBarSeries* barsOf(QChart& c) { return c.series().size() == 1 ? qobject_cast<QBarSeries*>(c.series().first()) : nullptr; }
QBarCategoryAxis* categoryAxis(QChart& c) {
    const auto a = c.axes(Qt::Horizontal);
    return a.size() == 1 ? qobject_cast<QBarCategoryAxis*>(a.first()) : nullptr;
}
QValueAxis* valueAxis(QChart& c) {
    const auto a = c.axes(Qt::Vertical);
    return a.size() == 1 ? qobject_cast<QValueAxis*>(a.first()) : nullptr;
}

// Every part of a zip archive by its name.
QMap<QString, QByteArray> unzip(const QString& path) {
    QMap<QString, QByteArray> out;
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!z) return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(z, zip_uint64_t(i), 0, &st);
        zip_file_t* f = zip_fopen_index(z, zip_uint64_t(i), 0);
        QByteArray bytes(qsizetype(st.size), '\0');
        zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
        out.insert(QString::fromUtf8(st.name), bytes);
    }
    zip_close(z);
    return out;
}

// The system's Python, where the distribution's python3-docx is installed.
QString systemPython() {
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                 : QStandardPaths::findExecutable(QStringLiteral("python3"));
}

// The texts of the paragraphs and the inline pictures as python-docx reads them.
QStringList readByPythonDocx(const QString& path) {
    QProcess p;
    p.start(systemPython(),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, docx\n"
                            "d = docx.Document(sys.argv[1])\n"
                            "for p in d.paragraphs: print('P:' + p.text)\n"
                            "print('INLINE:%d' % len(d.inline_shapes))\n"),
             path});
    p.waitForFinished(60000);
    if (p.exitCode() != 0) return {QStringLiteral("ERROR:") + QString::fromUtf8(p.readAllStandardError())};
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

bool pythonDocxInstalled() {
    if (systemPython().isEmpty()) return false;
    QProcess p;
    p.start(systemPython(), {QStringLiteral("-c"), QStringLiteral("import docx")});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

TEST(StatisticsCharts, TheChartOfKnownCountsTitlesAndAxes) {
    QChart chart;
    fillStatisticsChart(chart, months(3, 7), QSizeF(1000, 420));
    QBarSeries* bars = barsOf(chart);
    ASSERT_TRUE(bars);
    ASSERT_EQ(bars->count(), 2);
    EXPECT_EQ(bars->barSets()[0]->label(), "2025");
    EXPECT_EQ(bars->barSets()[1]->label(), "2026 I kwartał");
    // Flat bars of one colour per period.
    EXPECT_NE(bars->barSets()[0]->color(), bars->barSets()[1]->color());
    EXPECT_EQ(bars->barSets()[0]->at(2), 3);
    EXPECT_EQ(bars->barSets()[1]->at(2), 7);
    EXPECT_EQ(bars->barSets()[1]->at(3), 1);
    QBarCategoryAxis* x = categoryAxis(chart);
    ASSERT_TRUE(x);
    EXPECT_EQ(x->categories(), (QStringList{" Styczeń ", " Luty ", " Marzec", " Pażdziernik"}));
    EXPECT_EQ(x->labelsAngle(), -90);
    EXPECT_TRUE(x->labelsFont().bold());
    EXPECT_EQ(x->labelsFont().family(), FontSpec::mappedFamily("Verdana"));
    QValueAxis* y = valueAxis(chart);
    ASSERT_TRUE(y);
    EXPECT_EQ(y->min(), 0);
    EXPECT_EQ(y->max(), 8);
    EXPECT_EQ(y->tickInterval(), 1);
    EXPECT_EQ(y->titleText(), "Liczba wypadków");
    EXPECT_TRUE(y->titleFont().bold());
    EXPECT_EQ(y->titleFont().pixelSize(), 13);
    EXPECT_TRUE(chart.title().isEmpty());
    EXPECT_EQ(chart.legend()->alignment(), Qt::AlignBottom);

    // Filled again: nothing of the first filling stays; no injured person: no bars, the axis ends at 1.
    ChartData none = months(0, 0);
    none.categories[3].count[1] = 0;
    fillStatisticsChart(chart, none, QSizeF(1000, 420));
    bars = barsOf(chart);
    ASSERT_TRUE(bars);
    for (QBarSet* s : bars->barSets())
        for (int i = 0; i < s->count(); ++i) EXPECT_EQ(s->at(i), 0);
    ASSERT_TRUE(valueAxis(chart));
    EXPECT_EQ(valueAxis(chart)->max(), 1);
    EXPECT_EQ(chart.axes().size(), 2);
    // A classification without categories: both sets empty.
    ChartData empty;
    empty.numbered = true;
    fillStatisticsChart(chart, empty, QSizeF(1000, 420));
    EXPECT_EQ(barsOf(chart)->barSets()[0]->count(), 0);
    EXPECT_EQ(valueAxis(chart)->max(), 1);

    // Large counts: the step grows so that the labels never overlap.
    EXPECT_EQ(valueAxisStep(8, 300, 13), 1);
    EXPECT_EQ(valueAxisStep(501, 300, 13), 50);
    const int step = valueAxisStep(1234, 300, 13);
    EXPECT_LE((1234 / step + 1) * 13 * 1.5, 300);
    EXPECT_TRUE(QList<int>({1, 2, 5, 10, 20, 50, 100, 200, 500}).contains(step));

    // Titles: the periods' names, none for "cały rok"; "Procesu pracy " alone.
    EXPECT_EQ(chartTitle(12, -1, kPeriods),
              "Wypadki w/g miesięcy, kwartałów w jakich zaistniały w roku : 2025 , 2026 I kwartał w :");
    const Period quarters[2] = {{2024, statistics::FourthQuarter}, {2025, statistics::SecondHalf}};
    EXPECT_EQ(chartTitle(15, -1, quarters), "Płeć osób uległych wypadkom w roku : 2024 IV kwartał, 2025 II półrocze w :");
    int process = -1;
    for (int i = 0; i < int(statistics::classificationItems().size()); ++i)
        if (statistics::classificationItems()[size_t(i)].name == "Proces pracy") process = i;
    ASSERT_GE(process, 0);
    EXPECT_EQ(chartTitle(-1, process, kPeriods), "Procesu pracy ");
    EXPECT_EQ(chartTitle(-1, 0, kPeriods), "Miejsca powstania wypadków w roku : 2025 , 2026 I kwartał w :");
    EXPECT_TRUE(chartOffered(12, -1) && chartOffered(15, -1) && chartOffered(8, -1) && chartOffered(-1, 13));
    EXPECT_FALSE(chartOffered(13, -1) || chartOffered(16, -1) || chartOffered(0, -1));
}

TEST(StatisticsCharts, MonthsCountedAndAClassificationNumbered) {
    // Only March: the March bar and the first quarter alike.
    const auto d = statistics::fixedDistribution(12);
    ASSERT_TRUE(d.has_value());
    std::vector<statistics::CountedPerson> persons[2];
    persons[0].push_back({{}, QDateTime(QDate(2025, 3, 5), QTime(9, 0))});
    persons[0].push_back({{}, QDateTime(QDate(2025, 3, 9), QTime(9, 0))});
    const ChartData months = chartData(statistics::countDistribution(*d, kPeriods, persons), kPeriods, false, 12);
    ASSERT_EQ(months.categories.size(), 16u);
    EXPECT_EQ(months.categories[2].text, " Marzec");
    EXPECT_EQ(months.categories[12].text, " Kwartał I ");
    EXPECT_EQ(months.categories[9].text, " Pażdziernik");
    EXPECT_EQ(months.categories[2].count[0], 2);
    EXPECT_EQ(months.categories[12].count[0], months.categories[2].count[0]);
    QChart chart;
    fillStatisticsChart(chart, months, QSizeF(1000, 420));
    EXPECT_EQ(barsOf(chart)->barSets()[0]->at(2), barsOf(chart)->barSets()[0]->at(12));
    EXPECT_EQ(valueAxis(chart)->max(), 3);

    // A classification: groups numbered under the axis as its value rows are.
    statistics::DistributionResult r;
    for (int i = 0; i < 300; ++i)
        r.rows.push_back({QStringLiteral("%1").arg(100 + i), QStringLiteral("Zawód %1").arg(i), {i % 3, 1}, {0, 0}, {}});
    const ChartData classes = chartData(r, kPeriods, true);
    EXPECT_EQ(classes.categories[0].text, "1. [100] Zawód 0");
    EXPECT_EQ(classes.categories[299].text, "300. [399] Zawód 299");
    fillStatisticsChart(chart, classes, QSizeF(1000, 420));
    const QStringList labels = categoryAxis(chart)->categories();
    ASSERT_EQ(labels.size(), 300);
    EXPECT_EQ(labels[0], "1");
    EXPECT_EQ(labels[299], "300");
    EXPECT_FALSE(categoryAxis(chart)->labelsVisible());
    // Numbers under the groups as far as they do not overlap, each its group's.
    const QRectF plot = chart.plotArea();
    const auto numbers = groupNumbers(chart);
    ASSERT_GT(numbers.size(), 10);
    EXPECT_LT(numbers.size(), 300);
    double right = -1e9;
    for (QGraphicsSimpleTextItem* t : numbers) {
        const int group = t->text().toInt() - 1;
        ASSERT_GE(group, 0);
        const QRectF box = t->mapRectToParent(t->boundingRect());
        EXPECT_NEAR(box.center().x(), plot.left() + (group + 0.5) * plot.width() / 300, 1.0) << group;
        EXPECT_GE(box.top(), plot.bottom());
        EXPECT_GT(box.left(), right);
        right = box.right();
    }
    EXPECT_EQ(numbers.first()->text(), "1");
    // Filled again: the numbers of the first filling are gone.
    fillStatisticsChart(chart, classes, QSizeF(1000, 420));
    EXPECT_EQ(groupNumbers(chart).size(), numbers.size());
}

class ChartFormTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        folder = db.folder() + QStringLiteral("/Obieg");
    }
    // The distribution chart of months for known counts, prepared.
    StatisticsChartForm& monthsForm(PagesPtr* pages = nullptr) {
        auto* form = dynamic_cast<StatisticsChartForm*>(ReportForms::form(kDistributionChartForm));
        EXPECT_TRUE(form);
        statistics::SummaryResult result;
        result.heading = QStringLiteral("Miesiąc, Kwartał");
        for (const char* t : {" Luty ", " Marzec"}) result.distribution.rows.push_back({{}, QString::fromUtf8(t), {0, 0}, {0, 0}, {}});
        result.distribution.rows[1].count[0] = 4;
        result.distribution.rows[1].count[1] = 2;
        result.distribution.total[0] = 4;
        result.distribution.total[1] = 2;
        statistics::SummaryRequest r;
        r.kind = 12;
        r.periods[0] = kPeriods[0];
        r.periods[1] = kPeriods[1];
        form->setRun(DocumentRun());
        form->fill(result, r, QStringLiteral("Firma -> "), QDate(2024, 5, 10), false);
        const PagesPtr p = form->prepare();
        if (pages) *pages = p;
        return *form;
    }
    // A preview of the chart as the print window hands it over.
    std::unique_ptr<TfrmPodglad> previewOf(StatisticsChartForm& form, const PagesPtr& pages) {
        PreviewRequest r;
        r.kind = form.kindCode();
        r.report = &form;
        r.landscape = true;
        r.wordAvailable = true;
        r.chart = form.chartExport();
        auto w = std::make_unique<TfrmPodglad>(pages, r);
        w->FormShow();
        return w;
    }
    QString folder;
    QStringList openedFiles;
    RecordedDocuments recorder{openedFiles};
};

TEST_F(ChartFormTest, TitleBandChartPictureAndValues) {
    PagesPtr pages;
    StatisticsChartForm& form = monthsForm(&pages);
    ASSERT_TRUE(pages);
    EXPECT_EQ(form.kindCode(), "WypZestPozGraf");
    EXPECT_TRUE(form.page.orientation == Orientation::Landscape);
    EXPECT_DOUBLE_EQ(form.page.leftMargin, mm(10));
    const Page& p = pages->page(1);
    const QStringList texts = p.texts();
    for (const char* t : {"Wydrukowano : 10.05.2024", "Firma ->", "Miesiąc, Kwartał", "2025", "2026 I kwartał", " Marzec",
                          " Luty", "4", "2", "Razem:", "Strona 1/ 1"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t << "\n" << texts.join('|').toStdString();
    EXPECT_TRUE(texts.join(' ').contains("Wypadki w/g miesięcy, kwartałów w jakich zaistniały w roku :")) << texts.join('|').toStdString();
    // One picture, three times the report's resolution, under the title.
    int images = 0;
    for (const DrawItem& i : p.items) {
        if (i.kind != DrawItem::Kind::Image) continue;
        ++images;
        EXPECT_EQ(i.image->size(), (form.chartArea() * 3).toSize());
        EXPECT_GT(i.rect.top(), p.findText("Firma ->")->rect.top());
        EXPECT_LT(i.rect.bottom(), p.findText(" Marzec")->rect.top());
    }
    EXPECT_EQ(images, 1);
    // Printed again: one picture still, and the export takes it.
    const PagesPtr again = form.prepare();
    EXPECT_EQ(chartPicture(again)->size(), (form.chartArea() * 3).toSize());
    const auto e = form.chartExport();
    EXPECT_EQ(e->title, "Wypadki w/g miesięcy, kwartałów w jakich zaistniały w roku : 2025 , 2026 I kwartał w :");
    EXPECT_EQ(e->path, "Firma -> ");
    EXPECT_EQ(e->rows, (QStringList{" Luty \t2025: 0\t2026 I kwartał: 0", " Marzec\t2025: 4\t2026 I kwartał: 2"}));
    form.setRun(DocumentRun());
}

TEST_F(ChartFormTest, TheDocumentReadBack) {
    PagesPtr pages;
    StatisticsChartForm& form = monthsForm(&pages);
    auto e = form.chartExport();
    e->picture = chartPicture(pages);
    ASSERT_TRUE(e->picture);
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/wykres.docx");
    saveDocx(chartDocument(*e), file);
    const QMap<QString, QByteArray> parts = unzip(file);
    for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
                             "word/media/image1.png", "docProps/core.xml"})
        EXPECT_TRUE(parts.contains(QString::fromLatin1(part))) << part;
    const QString doc = QString::fromUtf8(parts.value("word/document.xml"));
    EXPECT_TRUE(doc.contains(e->title.toHtmlEscaped()));
    EXPECT_TRUE(doc.contains("Firma -&gt; ") || doc.contains("Firma -> "));
    EXPECT_EQ(doc.count("<w:sz w:val=\"20\"/>"), 2 * 2);   // title and structure line: mark and run
    EXPECT_EQ(doc.count("<w:sz w:val=\"24\"/>"), 1);       // the empty paragraph's mark
    EXPECT_EQ(doc.count("<w:sz w:val=\"16\"/>"), 2 * 2);   // the two value rows
    EXPECT_TRUE(doc.contains("w:ascii=\"Arial\""));
    EXPECT_TRUE(doc.contains("<w:b/>"));
    EXPECT_GE(doc.count("<w:jc w:val=\"center\"/>"), 4);
    EXPECT_TRUE(doc.contains("<w:pgSz w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"/>")) << doc.toStdString();
    EXPECT_TRUE(doc.contains("w:top=\"300\" w:right=\"1417\" w:bottom=\"300\" w:left=\"1417\""));
    // The picture at the text width, in its proportions.
    const QRegularExpression extent(QStringLiteral("<wp:extent cx=\"(\\d+)\" cy=\"(\\d+)\"/>"));
    const auto m = extent.match(doc);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(1).toDouble(), (16838 - 2 * 1417) * 635.0, 2000);
    EXPECT_NEAR(m.captured(1).toDouble() / m.captured(2).toDouble(), double(e->picture->width()) / e->picture->height(), 0.01);
    QImage png;
    ASSERT_TRUE(png.loadFromData(parts.value("word/media/image1.png"), "PNG"));
    EXPECT_EQ(png.size(), e->picture->size());
    EXPECT_TRUE(parts.value("docProps/core.xml").contains(e->title.toUtf8()));

    if (!pythonDocxInstalled()) GTEST_SKIP() << "python3-docx not installed (scripts/install-deps.sh)";
    const QStringList read = readByPythonDocx(file);
    EXPECT_EQ(read, (QStringList{"P:" + e->title, "P:Firma -> ", "P:", "P:", "P:" + e->rows[0], "P:" + e->rows[1], "INLINE:1"}))
        << read.join('\n').toStdString();
    form.setRun(DocumentRun());
}

TEST_F(ChartFormTest, WordAsksForTheNameAndRefusesWhatItCannotWrite) {
    PagesPtr pages;
    StatisticsChartForm& form = monthsForm(&pages);
    auto w = previewOf(form, pages);
    QPushButton* word = w->findChild<QPushButton*>("btnDoWord");
    ASSERT_TRUE(word);
    EXPECT_FALSE(word->isHidden());
    EXPECT_EQ(word->text(), "&Word");
    EXPECT_EQ(w->docName(), "WypZestPozGraf_430903.docx");

    // Cancelled: nothing written.
    word->click();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Zapisz raport jako...");
    EXPECT_EQ(ui.fileRequests[0].filters, QStringList{"Dokument MS Word|*.DOCX"});
    EXPECT_EQ(ui.fileRequests[0].initial, folder + "/WypZestPozGraf_430903.docx");
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(openedFiles.isEmpty());

    // "a.b.doc": the name before its first dot, as the format written.
    const QString chosen = db.folder() + QStringLiteral("/wybrany");
    QDir().mkpath(chosen);
    ui.files.push_back(chosen + "/a.b.doc");
    word->click();
    EXPECT_EQ(QDir(chosen).entryList(QDir::Files), QStringList{"a.docx"});
    EXPECT_EQ(openedFiles, QStringList{chosen + "/a.docx"});
    EXPECT_EQ(unzip(chosen + "/a.docx").size(), 6);

    // An existing file is replaced whole.
    {
        QFile old(chosen + "/b.docx");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4 << 20, 'x'));
    }
    ui.files.push_back(chosen + "/b.docx");
    word->click();
    EXPECT_EQ(QFileInfo(chosen + "/b.docx").size(), QFileInfo(chosen + "/a.docx").size());
    EXPECT_EQ(unzip(chosen + "/b.docx").keys(), unzip(chosen + "/a.docx").keys());

    // A folder that cannot hold files: the message with the reason, no file, nothing opened.
    QFile plain(db.folder() + QStringLiteral("/plik"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ui.files.push_back(db.folder() + QStringLiteral("/plik/c.docx"));
    openedFiles.clear();
    word->click();
    EXPECT_TRUE(ui.lastText().startsWith(exportErrorMessage() + "\n")) << ui.lastText().toStdString();
    EXPECT_TRUE(ui.lastText().contains("c.docx")) << ui.lastText().toStdString();
    EXPECT_TRUE(openedFiles.isEmpty());
    EXPECT_EQ(QDir(chosen).entryList(QDir::Files), (QStringList{"a.docx", "b.docx"}));
    w->close();
    form.setRun(DocumentRun());
}

// --- A user's sequence ---------------------------------------------------------------------

namespace {

class ChartSequence : public MainWindowTest {
protected:
    void SetUp() override {
        // A user of the register and of the printing it needs.
        TPrawaDostepu rights = registerRights();
        rights.WZESTSTATW = 2;
        startAsTester(rights);
        DocumentWindows::remove(QStringLiteral("TAdmDrukForm"));
        print::registerPrintWindows();
        print::ReportForms::reset();
        admSettings().printDate = QDate(2024, 5, 10);
        QApplication::setActiveWindow(w);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        print::ReportForms::reset();
    }
    void beforeWindow() override {
        c().execute("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, KOD, SKROTNAZWA, DATAUTW) "
                    "VALUES (1, 0, 0, 0, 'F', 'Firma', '2000-01-01')");
        c().execute("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, KOD, SKROTNAZWA, DATAUTW) "
                    "VALUES (2, 1, 1, 1, 'F1', 'Spawacz', '2000-01-01')");
        place = c().scalar("SELECT FIRST 1 KOD FROM SKWMIEJSCEWYP WHERE KOD IS NOT NULL ORDER BY ID").toString().trimmed();
        if (place.isEmpty()) {
            c().execute("INSERT INTO SKWMIEJSCEWYP (ID, KOD, NAZWA, SKROT) VALUES (1, '01', 'Hala', 'Hala')");
            place = QStringLiteral("01");
        }
        // Two persons in March 2023, one in March 2024.
        const char* dates[] = {"2023-03-06 10:00", "2023-03-20 11:00", "2024-03-04 09:15"};
        for (int i = 0; i < 3; ++i) {
            c().execute(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, WERSJASKW, IDMIEJSCA) "
                                       "VALUES (:id, :id, :d, :d, 5, :m)"),
                        {{"id", i + 1}, {"d", QDateTime::fromString(QString::fromLatin1(dates[i]), "yyyy-MM-dd HH:mm")}, {"m", place}});
            c().execute(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, "
                                       "TYPWYP, RODZUMOWY, IDSTANOW) VALUES (:id, :id, 1, 1, 'Nowak', 'Jan', 0, 1, 2)"),
                        {{"id", i + 1}});
        }
    }
    // Every row of every table of the register, and the tables there are.
    QStringList dump() {
        QStringList out;
        QStringList tables;
        c().read(QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
                                "ORDER BY 1"),
                 {}, [&](QSqlQuery& q) {
                     while (q.next()) tables << q.value(0).toString();
                 });
        out << tables.join(',');
        for (const QString& t : tables) {
            if (!t.startsWith("SKW") && t != "OSTRUKT") continue;
            c().read(QStringLiteral("SELECT * FROM %1").arg(t), {}, [&](QSqlQuery& q) {
                while (q.next()) {
                    QStringList row{t};
                    for (int i = 0; i < q.record().count(); ++i) row << q.value(i).toString();
                    out << row.join('|');
                }
            });
        }
        out.sort();
        return out;
    }
    // "Podgląd" of the tab's choice, "&Word" in the preview answered with the file.
    QString previewAndSave(QWidget* window, const QString& file, bool* wordShown) {
        QString title;
        ModalAnswer inPreview([&]() {
            auto* preview = qobject_cast<TfrmPodglad*>(QApplication::activeModalWidget());
            ASSERT_TRUE(preview);
            QPushButton* word = byText<QPushButton>(preview, "Word");
            *wordShown = word != nullptr;
            if (word) {
                ui.files.push_back(file);
                word->click();
            }
            title = preview->preview()->pages()->page(1).texts().join('|');
            preview->close();
        });
        byText<QPushButton>(window, "Podgląd")->click();
        return title;
    }

    QString place;
    QStringList openedFiles;
    RecordedDocuments recorder{openedFiles};
};

} // namespace

TEST_F(ChartSequence, MonthsAndAClassificationPreviewedAndSavedAsDocuments) {
    const QStringList start = dump();
    QAction* prints = nullptr;
    for (QAction* a : w->findChildren<QAction*>())
        if (a->text() == QStringLiteral("Wydruki") && a->isEnabled()) prints = a;
    ASSERT_TRUE(prints);
    const QString folder = db.folder() + QStringLiteral("/Obieg");
    bool windowSeen = false;
    bool wordOnMonths = false, wordOnClasses = false, wordOnTable = true, wordOnOld = true;
    {
        ModalAnswer inWindow([&]() {
            QWidget* window = QApplication::activeModalWidget();
            ASSERT_TRUE(window);
            windowSeen = true;
            auto* tabs = window->findChild<QTabWidget*>("PageControl");
            ASSERT_TRUE(tabs);
            tabs->setCurrentIndex(2);
            QCoreApplication::processEvents();
            QRadioButton* monthsItem = byText<QRadioButton>(window, "Miesiące, kwartały");
            ASSERT_TRUE(monthsItem);
            EXPECT_EQ(byText<QCheckBox>(window, "zestawienie graficzne"), nullptr);
            monthsItem->click();
            QCheckBox* chart = byText<QCheckBox>(window, "zestawienie graficzne");
            ASSERT_TRUE(chart);

            // The table first: no "&Word".
            previewAndSave(window, QString(), &wordOnTable);
            EXPECT_EQ(dump(), start);

            chart->click();
            const QString title = previewAndSave(window, folder + "/miesiace.docx", &wordOnMonths);
            EXPECT_TRUE(title.contains("|Wypadki w/g miesięcy, kwartałów w jakich zaistniały w roku : 2023 , 2024  w :|"))
                << title.toStdString();
            EXPECT_EQ(dump(), start);

            // A classification chart: the list clears the months, the option stays offered.
            auto* skw = window->findChild<QComboBox*>("cbSKW2004");
            ASSERT_TRUE(skw);
            skw->setCurrentIndex(0);
            emit skw->activated(0);
            ASSERT_TRUE(byText<QCheckBox>(window, "zestawienie graficzne"));
            EXPECT_TRUE(chart->isChecked());
            previewAndSave(window, folder + "/miejsca.docx", &wordOnClasses);
            EXPECT_EQ(dump(), start);

            // The 2000 card's summaries have no chart; a tab change hides the option.
            auto* old = window->findChild<RadioGroup*>("rgZest_old");
            old->button(0)->click();
            EXPECT_EQ(byText<QCheckBox>(window, "zestawienie graficzne"), nullptr);
            monthsItem->click();
            ASSERT_TRUE(byText<QCheckBox>(window, "zestawienie graficzne"));
            tabs->setCurrentIndex(1);
            tabs->setCurrentIndex(2);
            EXPECT_EQ(byText<QCheckBox>(window, "zestawienie graficzne"), nullptr);
            old->button(5)->click();
            window->findChild<QLineEdit*>("eRok1")->setText("2003");
            window->findChild<QLineEdit*>("eRok2")->setText("2004");
            previewAndSave(window, QString(), &wordOnOld);
            byText<QPushButton>(window, "Zamknij")->click();
        });
        prints->trigger();
    }
    ASSERT_TRUE(windowSeen);
    EXPECT_FALSE(wordOnTable);
    EXPECT_TRUE(wordOnMonths);
    EXPECT_TRUE(wordOnClasses);
    EXPECT_FALSE(wordOnOld);
    EXPECT_EQ(openedFiles, (QStringList{folder + "/miesiace.docx", folder + "/miejsca.docx"}));
    const QString months = QString::fromUtf8(unzip(folder + "/miesiace.docx").value("word/document.xml"));
    EXPECT_TRUE(months.contains("Wypadki w/g miesięcy, kwartałów w jakich zaistniały w roku : 2023 , 2024  w :"));
    EXPECT_TRUE(months.contains(" Marzec</w:t><w:tab/>")) << months.toStdString();
    EXPECT_TRUE(months.contains("2023: 2")) << months.toStdString();
    const QString places = QString::fromUtf8(unzip(folder + "/miejsca.docx").value("word/document.xml"));
    EXPECT_TRUE(places.contains("Miejsca powstania wypadków w roku : 2023 , 2024  w :"));
    EXPECT_TRUE(places.contains("1. [" + place + "] ")) << places.toStdString();
    EXPECT_EQ(dump(), start);
    EXPECT_FALSE(dump().first().contains("TEMP"));
}
