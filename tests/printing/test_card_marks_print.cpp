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

} // namespace
} // namespace zort::print
