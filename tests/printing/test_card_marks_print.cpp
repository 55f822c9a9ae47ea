// The value -> box marks of the printed cards: "X" in the box of the value, none for
// other values or on a blank form.
#include "domain/CardMarks.h"
#include "printing/ProtocolPrintLayout.h"

#include <gtest/gtest.h>

namespace zort::print {
namespace {

ProtocolPrintLayout sexLayout() {
    using namespace protdef;
    ProtocolPrintLayout l;
    l.kindCode = QStringLiteral("WypSkw");
    ProtItem it;
    it.part = ProtItem::Part::Top;
    it.lines = {line({T(QStringLiteral("01 Płeć")), M(QStringLiteral("PLEC"), 1, 100), T(QStringLiteral("mężczyzna")),
                      M(QStringLiteral("PLEC"), 2, 220), T(QStringLiteral("kobieta"))},
                     0)};
    l.items = {it};
    ProtMarks m;
    m.column = QStringLiteral("PLEC");
    m.boxes = cardMarkTable(QStringLiteral("PLEC"))->boxes;
    l.marks = {m};
    l.wholeDatasets = {QStringLiteral("ZestWyp2SQL")};
    return l;
}

int xCount(const Page& p) { return int(p.texts().count(QStringLiteral("X"))); }

TEST(CardMarksPrint, OneBoxOrNoneByTheValueAndNothingWhenBlank) {
    ProtocolReport r(QStringLiteral("TTest"), sexLayout(), 0);
    EXPECT_EQ(r.kindCode(), QStringLiteral("WypSkw"));
    auto run = [&r](const QVariant& plec, bool blank) {
        r.setRun(DocumentRun{nullptr, AdmSettings(), blank});
        auto src = std::make_shared<RowSource>(QStringList{QStringLiteral("PLEC"), QStringLiteral("Nr")});
        src->addRow({plec, QString()});
        r.setDataSource(src);
        return r.prepare();
    };
    for (int plec : {0, 1, 2, 7}) {
        PagesPtr pages = run(plec, false);
        ASSERT_EQ(pages->pageCount(), 1);
        const Page& p = pages->page(1);
        EXPECT_EQ(xCount(p), (plec == 1 || plec == 2) ? 1 : 0) << plec;
        if (plec == 1 || plec == 2) {
            const DrawItem* x = p.findText(QStringLiteral("X"));
            const Element* box = r.find(QStringLiteral("box:PLEC:%1").arg(plec));
            ASSERT_TRUE(x && box);
            const double cx = x->rect.center().x() - r.page.leftMargin;
            EXPECT_TRUE(cx > box->box.left() && cx < box->box.right()) << plec;
        }
    }
    // Blank after filled: nothing carries over.
    EXPECT_EQ(xCount(run(2, true)->page(1)), 0);
    EXPECT_EQ(xCount(run(QVariant(), false)->page(1)), 0);
}

// A framed box of joined columns and a table of rows on a chained page form.
ProtocolPrintLayout tableLayout() {
    using namespace protdef;
    ProtocolPrintLayout l;
    l.kindCode = QStringLiteral("WypSkw");
    l.chainedPages = true;
    l.pageDatasets = {QStringLiteral("ZestWyp2SQL")};
    ProtItem top;
    top.lines = {line({B(0, 200, 0, QStringLiteral("Dane pracodawcy (nazwa i adres)"),
                        {QStringLiteral("PRZEDSIEB"), QStringLiteral("ADRESFIRMA")}, QStringLiteral(", "))},
                      0)};
    ProtRow head;
    head.kind = ProtRow::Kind::Header;
    head.number = QStringLiteral("Poz.");
    head.caption = QStringLiteral("Rodzaj informacji");
    head.code = QStringLiteral("Kod lub liczba");
    head.text = QStringLiteral("Opis");
    ProtRow job;
    job.number = QStringLiteral("05");
    job.caption = QStringLiteral("Zawód wykonywany");
    job.code = QStringLiteral("KODZAWODU");
    job.text = QStringLiteral("ZAWOD");
    ProtRow last;
    last.number = QStringLiteral("06");
    last.caption = QStringLiteral("Staż");
    last.code = QStringLiteral("STAZ");
    top.rows = {head, job, last};
    l.items = {top};
    return l;
}

TEST(CardTablePrint, FramesJoinTheirColumnsAndRowsStretchWithTheirRules) {
    ProtocolReport r(QStringLiteral("TTest"), tableLayout(), 1);
    auto run = [&r](const QString& job, const QVariant& address, bool blank = false) {
        r.setRun(DocumentRun{nullptr, AdmSettings(), blank});
        auto src = std::make_shared<RowSource>(QStringList{"PRZEDSIEB", "ADRESFIRMA", "KODZAWODU", "ZAWOD", "STAZ"});
        src->addRow({QStringLiteral("Huta"), address, QStringLiteral("723103"), job, 7});
        r.setDataSource(src);
        return r.prepare();
    };
    PagesPtr pages = run(QStringLiteral("Ślusarz"), QStringLiteral("ul. Długa 1"));
    ASSERT_EQ(pages->pageCount(), 1);
    const Page& p = pages->page(1);
    EXPECT_TRUE(p.findText(QStringLiteral("Huta, ul. Długa 1")));
    EXPECT_TRUE(run(QStringLiteral("Ślusarz"), QVariant())->page(1).findText(QStringLiteral("Huta")));
    // The code right-aligned in bold at the code column's edge, less its padding.
    pages = run(QStringLiteral("Ślusarz"), QStringLiteral("ul. Długa 1"));
    const DrawItem* code = pages->page(1).findText(QStringLiteral("723103"));
    ASSERT_TRUE(code);
    EXPECT_TRUE(code->font.bold);
    const ProtTable t;
    const double right = r.page.leftMargin + t.number + t.caption + t.code - kCellPad;
    EXPECT_NEAR(code->origin.x() + ReferenceDevice::textWidth(code->font, QStringLiteral("723103")), right, 0.5);
    // A description of many lines makes its row higher: the next row and the rules move down.
    auto yOf = [](const PagesPtr& ps, const QString& text) { return ps->page(1).findText(text)->origin.y(); };
    auto lowestRule = [](const PagesPtr& ps) {
        double y = 0;
        for (const DrawItem& i : ps->page(1).items)
            if (i.kind == DrawItem::Kind::Rect || i.kind == DrawItem::Kind::Line) y = std::max(y, i.rect.bottom());
        return y;
    };
    const double shortRow = yOf(pages, QStringLiteral("06"));
    const double shortRules = lowestRule(pages);
    const PagesPtr longer = run(QString(QStringLiteral("bardzo długi opis zawodu ")).repeated(20), QStringLiteral("x"));
    EXPECT_GT(yOf(longer, QStringLiteral("06")), shortRow + 20);
    EXPECT_GT(lowestRule(longer), shortRules + 20);
    // Blank: the rows and frames stay, no data.
    const PagesPtr blank = run(QStringLiteral("Ślusarz"), QStringLiteral("ul. Długa 1"), true);
    EXPECT_FALSE(blank->page(1).findText(QStringLiteral("723103")));
    EXPECT_FALSE(blank->page(1).findText(QStringLiteral("Huta, ul. Długa 1")));
    EXPECT_TRUE(blank->page(1).findText(QStringLiteral("Kod lub liczba")));
}

} // namespace
} // namespace zort::print
