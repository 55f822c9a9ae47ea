#include "PrintingSupport.h"
#include "printing/engine/DisplayFormat.h"
#include "printing/engine/TextLayout.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

QStringList linesOf(int n) {
    QStringList l;
    for (int i = 1; i <= n; ++i) l << QStringLiteral("Linia %1 okoliczności wypadku").arg(i);
    return l;
}

const DrawItem* lineItem(const Page& p) {
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Line) return &i;
    return nullptr;
}

} // namespace

TEST(ReportEngine, StretchingTextFlowsOverPagesKeepingEveryLineOnceInOrder) {
    Report r;
    r.addBand(BandType::PageHeader, mm(8)).pageNumber({0, 0, mm(40), mm(5)}, QStringLiteral("Strona: "));
    Band& t = r.addBand(BandType::Title, mm(10));
    t.label(0, 0, QStringLiteral("8.    Ustalono następujące okoliczności wypadku:"));
    Band& memo = t.child(38);
    const QStringList lines = linesOf(150);
    r.setDataSource(std::make_shared<FunctionSource>(1, [&](int, const QString&) { return QVariant(lines.join("\r\n")); }));
    memo.memo({mm(5), 0, mm(180), 20}, QStringLiteral("OKOLICZNOSCI")).setFrame(FrameAll);
    Band& after = memo.child(mm(10));
    after.label(0, 0, QStringLiteral("9.    Ustalono następujące przyczyny wypadku:"));

    const PagesPtr pages = r.prepare();
    ASSERT_GE(pages->pageCount(), 3);
    QStringList printed;
    for (const Page& p : pages->pages()) {
        EXPECT_EQ(QStringLiteral("Strona: %1").arg(p.number), p.texts().first()) << "the page header repeats";
        for (const QString& s : p.texts())
            if (s.startsWith(QStringLiteral("Linia"))) printed << s;
        // Nothing is drawn into the bottom margin.
        for (const DrawItem& i : p.items) {
            if (i.kind == DrawItem::Kind::Text) {
                EXPECT_LE(i.origin.y(), p.size().height() - mm(10) + 0.5);
            }
        }
    }
    EXPECT_EQ(lines, printed);
    // The band after the memo follows the memo's last line on the last page.
    const Page& last = pages->page(pages->pageCount());
    const DrawItem* lastLine = last.findText(lines.last());
    const DrawItem* next = last.findText(QStringLiteral("9."), true);
    ASSERT_TRUE(lastLine && next);
    EXPECT_GT(next->origin.y(), lastLine->origin.y());
}

TEST(ReportEngine, FixedBoxesCutTheirTextAndLinesBreakAtEveryKindOfLineEnd) {
    EXPECT_EQ((QStringList{"a", "b", "c", "d", "", "e"}),
              layoutPlain("a\r\nb\n\rc\nd\r\re", FontSpec(), 500, Qt::AlignLeft, false).lineTexts());
    Report r;
    Band& b = r.addBand(BandType::Title, mm(20));
    const double lh = ReferenceDevice::lineHeight(FontSpec());
    b.data({0, 0, mm(50), lh * 2.5}, QStringLiteral("T")).setWrap();
    r.setDataSource(std::make_shared<FunctionSource>(1, [](int, const QString&) {
        return QVariant(QStringLiteral("jeden\ndwa\ntrzy\ncztery"));
    }));
    const QStringList t = r.prepare()->page(1).texts();
    // The third line starts inside the box and is clipped there; the fourth is cut.
    EXPECT_EQ((QStringList{"jeden", "dwa", "trzy"}), t);
    EXPECT_TRUE(r.pages()->page(1).findText("trzy")->clip.isValid());
}

TEST(ReportEngine, PageCountIsKnownOnTheSecondPassAndPagesComeOutIdentical) {
    auto r = numberedReport(100);
    const PagesPtr p = r->prepare();
    const int n = p->pageCount();
    ASSERT_GE(n, 3);
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(QStringLiteral("Strona %1/ %2").arg(i).arg(n), p->page(i).texts().last());
        EXPECT_EQ(n, p->page(i).count);
    }
    // Landscape pages hold fewer rows.
    EXPECT_GT(numberedReport(100, Orientation::Landscape)->prepare()->pageCount(), n);
}

TEST(ReportEngine, CompositeReportNumbersPagesPerReport) {
    auto a = pagesReport(2);
    auto b = numberedReport(100);
    b->prepare();
    const int bPages = b->pageCount();
    CompositeReport c;
    int collected = 0;
    c.onAddReports = [&](CompositeReport& self) {
        ++collected;
        self.add(*a);
        self.add(*b);
    };
    const PagesPtr p = c.prepare();
    c.prepare();
    EXPECT_EQ(2, collected);
    ASSERT_EQ(2 + bPages, p->pageCount());
    EXPECT_EQ(1, p->page(1).number);
    EXPECT_EQ(2, p->page(2).number);
    EXPECT_EQ(1, p->page(3).number);
    EXPECT_EQ(1, p->page(3).reportIndex);
    EXPECT_EQ(QStringLiteral("Strona 1/ %1").arg(bPages), p->page(3).texts().last());
    EXPECT_EQ(QStringLiteral("Strona %1/ %1").arg(bPages), p->page(p->pageCount()).texts().last());
}

TEST(ReportEngine, EventsHideBandsStrikeLabelsAndAReusedFormForgetsThem) {
    Report r;
    Band& t = r.addBand(BandType::Title, mm(20));
    Element& ind = t.label(mm(40), mm(5), QStringLiteral("indywidualny"));
    Element& zb = t.label(mm(80), mm(5), QStringLiteral("zbiorowy,"));
    Element& sInd = t.strike(ind);
    Element& sZb = t.strike(zb);
    Element& name = t.data({0, mm(12), mm(60), mm(5)}, QStringLiteral("IMIE"));
    Band& detail = r.addBand(BandType::Detail, mm(6));
    detail.text({0, 0, mm(60), mm(6)}, [](const PrintContext& c) { return QStringLiteral("Pozycja %1").arg(c.record()); });
    Band& summary = r.addBand(BandType::Summary, mm(6));
    summary.label(0, 0, QStringLiteral("Koniec"));

    int wypiz = 0;
    bool blank = false;
    bool hideSecond = true;
    r.setDataSource(std::make_shared<FunctionSource>(3, [](int, const QString&) { return QVariant(QStringLiteral("Jan")); }));
    r.beforePrint = [&](Report& self, bool&) {
        sZb.mark(!blank && wypiz == 0);
        sInd.mark(!blank && wypiz == 1);
        if (blank) {
            self.setDataFieldsEnabled(false);
            summary.enabled = false;
            ind.text = QStringLiteral("indywidualny (pusty)");
        }
    };
    detail.beforePrint = [&](Band& b, bool& print) { print = !(hideSecond && b.report().context().record() == 2); };

    Page p = r.prepare()->page(1);
    EXPECT_EQ((QStringList{"indywidualny", "zbiorowy,", "Jan", "Pozycja 1", "Pozycja 3", "Koniec"}), p.texts());
    const DrawItem* strike = lineItem(p);
    ASSERT_TRUE(strike);
    EXPECT_NEAR(r.page.leftMargin + zb.box.left(), strike->rect.left(), 0.01);
    EXPECT_NEAR(zb.textWidth("zbiorowy,"), strike->rect.width(), 0.01);
    EXPECT_NEAR(zb.box.top() + r.page.topMargin + 0.65 * ReferenceDevice::ascent(FontSpec()), strike->rect.top(), 0.01);

    blank = true;
    hideSecond = false;
    p = r.prepare()->page(1);
    // Computed texts count as data: a blank form prints only its fixed texts.
    EXPECT_EQ((QStringList{"indywidualny (pusty)", "zbiorowy,"}), p.texts());
    EXPECT_EQ(nullptr, lineItem(p));

    // The next run starts from the design again: data, summary, label text.
    blank = false;
    wypiz = 1;
    p = r.prepare()->page(1);
    EXPECT_EQ((QStringList{"indywidualny", "zbiorowy,", "Jan", "Pozycja 1", "Pozycja 2", "Pozycja 3", "Koniec"}), p.texts());
    ASSERT_TRUE(lineItem(p));
    EXPECT_NEAR(r.page.leftMargin + ind.box.left(), lineItem(p)->rect.left(), 0.01);
    EXPECT_TRUE(name.enabled);
}

TEST(ReportEngine, EmptySourcePrintsHeadingsOrNothing) {
    auto r = numberedReport(0);
    EXPECT_EQ(1, r->prepare()->pageCount());
    EXPECT_EQ((QStringList{"ZESTAWIENIE PRÓBNE", "Strona 1/ 1"}), r->pages()->page(1).texts());
    r->printIfEmpty = false;
    EXPECT_EQ(0, r->prepare()->pageCount());
}

TEST(ReportEngine, RichTextKeepsItsFontsAndBreaksAtTheWidth) {
    Report r;
    Band& b = r.addBand(BandType::Title, 20);
    b.rich({0, 0, mm(60), 20}, QStringLiteral("Zwykły <b>pogrubiony</b> tekst, który jest dość długi i musi się zawinąć w kilku wierszach."))
        .setStretch();
    const Page p = r.prepare()->page(1);
    const DrawItem* bold = p.findText(QStringLiteral("pogrubiony"));
    ASSERT_TRUE(bold);
    EXPECT_TRUE(bold->font.bold);
    EXPECT_FALSE(p.findText(QStringLiteral("Zwykły"), true)->font.bold);
    double lastY = 0;
    int rows = 0;
    for (const DrawItem& i : p.items)
        if (i.origin.y() > lastY + 0.1) {
            lastY = i.origin.y();
            ++rows;
        }
    EXPECT_GE(rows, 3);
}

TEST(ReportEngine, ChartsAndImagesBecomeImageItems) {
    Report r;
    Band& b = r.addBand(BandType::Title, mm(80));
    b.chart({0, 0, mm(120), mm(70)}, [](QChart& chart, const PrintContext&) { chart.setTitle(QStringLiteral("Wykres")); });
    QImage logo(20, 10, QImage::Format_RGB32);
    logo.fill(Qt::red);
    b.image({mm(130), 0, mm(40), mm(40)}, logo);
    const Page p = r.prepare()->page(1);
    int images = 0;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Image) ++images;
    EXPECT_EQ(2, images);
    // The image keeps its aspect ratio, centred in its box.
    EXPECT_NEAR(mm(20), p.items.back().rect.height(), 0.01);
}

TEST(DisplayFormats, NumbersRoundHalfAwayAndDatesFollowTheForm) {
    EXPECT_EQ("1235", formatNumber(1234.5, "0"));
    EXPECT_EQ("-1235", formatNumber(-1234.5, "0"));
    EXPECT_EQ("0.13", formatNumber(0.125, "0.00"));
    EXPECT_EQ("12.5", formatNumber(12.5, "#.####"));
    EXPECT_EQ("3", formatNumber(3, "#.####"));
    EXPECT_EQ("1 234.50", formatNumber(1234.5, "#,##0.00"));
    EXPECT_EQ("007", formatNumber(7, "000"));
    EXPECT_EQ("2.5", formatNumber(2.5, ""));
    const QDateTime d(QDate(2024, 3, 5), QTime(7, 9, 4));
    EXPECT_EQ("05.03.2024", formatDateTime(d, "dd.mm.yyyy"));
    EXPECT_EQ("07:09", formatDateTime(d, "hh:nn"));
    EXPECT_EQ("07:09", formatDateTime(d, "hh:mm"));
    EXPECT_EQ("2024-03-05", formatDateTime(d, ""));
    EXPECT_EQ("", formatValue(Field(QVariant(QDateTime(QDate(1899, 12, 30), QTime()))), "dd.mm.yyyy"));
    EXPECT_EQ("", formatValue(Field(), "0.00"));
    EXPECT_EQ("2.00", formatValue(Field(QVariant(2)), "0.00"));
}

TEST(ReportEngine, PrintsEveryPageInItsOwnOrientationOnQtsPrinter) {
    QTemporaryDir dir;
    auto portrait = pagesReport(2);
    auto landscape = numberedReport(10, Orientation::Landscape, Paper::Letter);
    CompositeReport c;
    c.add(*portrait);
    c.add(*landscape);
    QPrinter& printer = c.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + "/druk.pdf");
    c.print(printer);
    QString info;
    ASSERT_EQ(0, runTool("pdfinfo", {"-f", "1", "-l", "3", dir.path() + "/druk.pdf"}, &info));
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page    1 size:\\s+595 x 842 pts \\(A4\\)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page    3 size:\\s+792 x 612"))) << info.toStdString();
    QString text;
    ASSERT_EQ(0, runTool("pdftotext", {"-f", "3", "-l", "3", dir.path() + "/druk.pdf", "-"}, &text));
    EXPECT_TRUE(text.contains("Wiersz 10")) << text.toStdString();
    EXPECT_TRUE(text.contains("Strona 1/ 1")) << text.toStdString();
}

TEST(ReportEngine, LineCountSizesRowRules) {
    Report r;
    Band& row = r.addBand(BandType::Detail, 20);
    Element& causes = row.data({0, 0, 100, 20}, "PRZYCZYNY").setWrap();
    Element& rule = row.vline(105, 0, 0);
    row.beforePrint = [&](Band&, bool&) {
        const int lines = causes.lineCount(r.context().field("PRZYCZYNY").asString());
        rule.box.setHeight(lines * 11 + 7);
    };
    r.setDataSource(std::make_shared<FunctionSource>(1, [](int, const QString&) {
        return QVariant(QStringLiteral("pierwsza\n\rdruga\n\rtrzecia"));
    }));
    const Page p = r.prepare()->page(1);
    const DrawItem* line = nullptr;
    for (const DrawItem& i : p.items)
        if (i.kind == DrawItem::Kind::Line) line = &i;
    ASSERT_TRUE(line);
    EXPECT_DOUBLE_EQ(40, line->rect.height());
}

TEST(ReportEngine, AHeadingKeptWithItsTextStartsTheNextPageWhenTheTextDoesNotFit) {
    for (bool keep : {true, false}) {
        Report r;
        r.addBand(BandType::Title, 900).label(0, 0, QStringLiteral("Początek"));
        Band& heading = r.band(BandType::Title)->child(18);
        heading.label(0, 0, QStringLiteral("5.    Ustalono następujące przyczyny wypadku:"));
        heading.keepWithNext = keep;
        heading.child(155).label(0, 0, QStringLiteral("Miejsce na tekst"));
        const PagesPtr p = r.prepare();
        ASSERT_EQ(p->pageCount(), 2);
        EXPECT_EQ(p->page(keep ? 2 : 1).findText(QStringLiteral("5."), true) != nullptr, true) << keep;
        EXPECT_TRUE(p->page(2).findText(QStringLiteral("Miejsce na tekst")));
    }
}

TEST(ReportEngine, TextsAreShapedWhenTheirPageIsFirstDrawn) {
    Report r;
    Band& t = r.addBand(BandType::Title, mm(20));
    t.label(0, 0, QStringLiteral("Zażółć gęślą jaźń"));
    const PagesPtr p = r.prepare();
    const DrawItem* text = p->page(1).findText(QStringLiteral("Zażółć gęślą jaźń"));
    ASSERT_TRUE(text);
    EXPECT_FALSE(text->glyphs) << "preparing lays the text out without shaping it for drawing";
    const QImage first = p->page(1).image(QSize(397, 561));
    ASSERT_TRUE(text->glyphs);
    const auto kept = text->glyphs;
    const auto shaped = ReferenceDevice::shape(text->font, text->text);
    ASSERT_EQ(kept->size(), shaped->size());
    for (qsizetype i = 0; i < kept->size(); ++i) EXPECT_EQ(kept->at(i).positions(), shaped->at(i).positions());
    // Drawn again: the same glyphs, the same picture.
    EXPECT_EQ(p->page(1).image(QSize(397, 561)), first);
    EXPECT_EQ(text->glyphs, kept);
}
