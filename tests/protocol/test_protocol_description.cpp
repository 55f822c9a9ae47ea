// The descriptions of the four protocol windows against a fresh database: every
// field binds to a column that exists and takes its width, the marks of each form
// are the ones its rules know, and the fixed texts of the forms.
#include "db/ColumnTypes.h"
#include "domain/ProtocolTexts.h"
#include "protocol/ProtocolDescription.h"
#include "support/TestDatabase.h"
#include "support/TestValues.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

using Kind = ProtocolItemKind;

class ProtocolDescriptionTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        s_db = new TestDatabase;
        s_conn = s_db->connect(QStringLiteral("protdesc")).release();
        s_types = new ColumnTypes(*s_conn);
    }
    static void TearDownTestSuite() {
        delete s_types;
        delete s_conn;
        delete s_db;
    }
    static TestDatabase* s_db;
    static Connection* s_conn;
    static ColumnTypes* s_types;
};
TestDatabase* ProtocolDescriptionTest::s_db = nullptr;
Connection* ProtocolDescriptionTest::s_conn = nullptr;
ColumnTypes* ProtocolDescriptionTest::s_types = nullptr;

bool isText(const ColumnType& t) { return t.kind == ColumnType::Kind::Text; }

} // namespace

TEST_P(ProtocolDescriptionTest, EveryFieldBindsToAColumnThatTakesItsWidth) {
    const ProtocolDescription& d = protocolDescription(GetParam());
    QSet<QString> columns;
    QSet<int> memos;
    for (const ProtocolItem& i : d.items) {
        if (i.kind != Kind::Edit && i.kind != Kind::Memo) continue;
        SCOPED_TRACE(i.name.toStdString());
        ASSERT_GE(i.name.size(), 3);
        const QChar selector = i.name[1];
        ASSERT_TRUE(selector == QLatin1Char('p') || selector == QLatin1Char('w'));
        const QString table = i.ofAccident() ? QStringLiteral("SKWWYPADKI") : QStringLiteral("SKWPOSZKODOWANI");
        if (i.kind == Kind::Memo) {
            EXPECT_EQ('p', selector.toLatin1());
            EXPECT_TRUE(QRegularExpression(QStringLiteral("(0[1-9]|10)$")).match(i.name).hasMatch());
            EXPECT_FALSE(memos.contains(i.memoNumber())) << "memo number twice";
            memos.insert(i.memoNumber());
            EXPECT_GT(i.maxLength, 0);
        }
        EXPECT_FALSE(columns.contains(table + i.column())) << "column twice";
        columns.insert(table + i.column());
        const ColumnType* type = s_types->column(table, i.column());
        ASSERT_TRUE(type) << "no column " << i.column().toStdString();
        if (i.kind == Kind::Memo) EXPECT_EQ(ColumnType::Kind::TextBlob, type->kind);
        if (i.date) {
            EXPECT_EQ(ColumnType::Kind::Timestamp, type->kind);
            EXPECT_TRUE(i.column().contains(QLatin1String("DATA")));
        } else if (i.kind == Kind::Edit && isText(*type)) {
            EXPECT_GE(type->length, i.maxLength);
        } else if (i.kind == Kind::Edit) {
            EXPECT_EQ(0, i.maxLength);  // a number: checked, not cut
        }
    }
    // Memos numbered from 1 without a gap: 9 on the form of 1998, 10 on the others.
    EXPECT_EQ(GetParam() == 0 ? 9 : 10, memos.size());
    for (int n = 1; n <= memos.size(); ++n) EXPECT_TRUE(memos.contains(n)) << n;
}

TEST_P(ProtocolDescriptionTest, MarksAreThoseOfTheFormsRules) {
    const int form = GetParam();
    const ProtocolDescription& d = protocolDescription(form);
    const QSet<QString> saved(d.savedMarks.begin(), d.savedMarks.end());
    auto columnOf = [](ProtocolMark m) {
        switch (m) {
        case ProtocolMark::Individual: case ProtocolMark::Collective: return "WYPIZ";
        case ProtocolMark::Fatal: case ProtocolMark::Serious: case ProtocolMark::Temporary: return "SKUTKI";
        case ProtocolMark::Injured: case ProtocolMark::Family: return "ZAPOZNANY";
        case ProtocolMark::Delivered: case ProtocolMark::Posted: return "DORECZENIE";
        case ProtocolMark::RemarksYes: case ProtocolMark::RemarksNo: return "FORMWYP";
        default: return "TYPWYP";
        }
    };
    QSet<QString> shown;
    QSet<int> marks;
    for (const ProtocolItem& i : d.items) {
        if (i.kind != Kind::Marks) continue;
        ASSERT_EQ(i.marks.size(), i.markCaptions.size());
        for (ProtocolMark m : i.marks) {
            EXPECT_FALSE(marks.contains(int(m))) << "mark twice";
            marks.insert(int(m));
            shown.insert(QString::fromLatin1(columnOf(m)));
            if (m == ProtocolMark::Agency) EXPECT_TRUE(d.markRules.sixTypes);
        }
    }
    EXPECT_EQ(saved, shown);
    EXPECT_EQ(form == 0, marks.contains(int(ProtocolMark::Agency)));
    // Every alternative of a group the form saves is shown.
    EXPECT_EQ(form == 0 ? 10 : form == 3 ? 15 : 13, marks.size());
}

TEST_P(ProtocolDescriptionTest, DateFieldsHaveTheirCalendarButtonsButTheAccidentDate) {
    const ProtocolDescription& d = protocolDescription(GetParam());
    QStringList buttons;
    for (const ProtocolItem& i : d.items) {
        if (i.kind != Kind::Edit) continue;
        EXPECT_EQ(i.column().contains(QLatin1String("DATA")), i.date) << i.name.toStdString();
        if (!i.button.isEmpty()) buttons << i.button;
    }
    buttons.sort();
    QStringList all = {"DataUstBtn", "DataZakUst", "DataUr", "DataZg", "DataZapoz", "DataProt", "DataZatw", "DataOdb"};
    all.sort();
    EXPECT_EQ(all, buttons);
    ASSERT_TRUE(d.item(QStringLiteral("ewData")));
    EXPECT_TRUE(d.item(QStringLiteral("ewData"))->date);
    EXPECT_TRUE(d.item(QStringLiteral("ewData"))->button.isEmpty());
    EXPECT_EQ(listHint(), d.item(QStringLiteral("epKodZawodu"))->hint);
    // Every item lies on one of the form's tabs, in their order.
    int last = 0;
    for (const ProtocolItem& i : d.items) {
        EXPECT_GE(d.pageIndex(i), last) << i.caption.toStdString();
        last = d.pageIndex(i);
    }
    EXPECT_EQ(d.pages.size() - 1, last);
}

INSTANTIATE_TEST_SUITE_P(Forms, ProtocolDescriptionTest, ::testing::Values(0, 1, 2, 3));

TEST(ProtocolDescription, FormsDifferAsTheirRegulations) {
    struct Expected {
        const char* windowClass;
        int pages;
        QStringList saved;
        bool sixTypes, zeroStruck, disable, length;
        const char* memo1;  // the first memo
        const char* dokFirma;
        int dokFirmaWidth;
    };
    const QStringList three = {"WYPIZ", "TYPWYP", "SKUTKI"};
    const QStringList five = three + QStringList{"ZAPOZNANY", "DORECZENIE"};
    const Expected expected[] = {
        {"TProtPowForm", 2, three, true, true, true, false, "epPrzyczyny01", nullptr, 0},
        {"TProtPowForm_1", 2, five, false, true, true, false, "epOkolicznosci01", "epDokFirma", 62},
        {"TProtPowForm_2", 4, five, false, false, true, true, "epOkolicznosci01", "epDokFirma", 50},
        {"TProtPowForm_3", 4, five + QStringList{"FORMWYP"}, false, false, false, true, "epOkolicznosci01",
         "epDokFirma", 50},
    };
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        const Expected& e = expected[f];
        const ProtocolDescription& d = protocolDescription(f);
        EXPECT_EQ(f, d.form);
        EXPECT_EQ(e.windowClass, d.windowClass);
        EXPECT_EQ(e.pages, d.pages.size());
        EXPECT_EQ("Strona 1", d.pages.first());
        EXPECT_EQ(e.saved, d.savedMarks);
        EXPECT_EQ(e.sixTypes, d.markRules.sixTypes);
        EXPECT_EQ(e.zeroStruck, d.markRules.effectsZeroStruck);
        EXPECT_EQ(e.disable, d.disableWhenReadOnly);
        EXPECT_EQ(e.length, d.lengthSetting);
        const auto memo = std::find_if(d.items.begin(), d.items.end(),
                                       [](const ProtocolItem& i) { return i.kind == Kind::Memo; });
        ASSERT_NE(d.items.end(), memo);
        EXPECT_EQ(e.memo1, memo->name);
        EXPECT_EQ(1, memo->memoNumber());
        if (e.dokFirma) EXPECT_EQ(e.dokFirmaWidth, d.item(e.dokFirma)->maxLength);
        else EXPECT_FALSE(d.item(QStringLiteral("epDokFirma")));
    }
    // Any other index is the form of 1998.
    EXPECT_EQ(&protocolDescription(0), &protocolDescription(7));

    const ProtocolDescription& d1998 = protocolDescription(0);
    EXPECT_EQ("PRZYCZYNY", d1998.item("epPrzyczyny01")->column());
    EXPECT_EQ("4. Ustalono następujące okoliczności i przyczyny wypadku:", d1998.item("epPrzyczyny01")->caption);
    EXPECT_EQ(2490, d1998.item("epPrzyczyny01")->maxLength);
    EXPECT_EQ(390, d1998.item("epZalaczniki09")->maxLength);
    EXPECT_EQ(80, d1998.item("epPrzedsieb")->maxLength);
    EXPECT_EQ(50, d1998.item("epSadPracy")->maxLength);
    EXPECT_EQ("syn (córka)", d1998.item("epSyncorka")->caption);
    for (const char* absent : {"epNIPFirma", "epPeselPrac", "epDokPrac", "epNr_Przesylki", "epAdresFirma"})
        EXPECT_FALSE(d1998.item(absent)) << absent;
    EXPECT_EQ("- wypadkiem przy wykonywaniu umowy agencyjnej lub umowy zlecenia,",
              d1998.markCaption(ProtocolMark::Agency));

    const ProtocolDescription& d2003 = protocolDescription(1);
    EXPECT_EQ(772, d2003.item("epPrzyczyny02")->maxLength);
    EXPECT_EQ(30, d2003.item("epImOjca")->maxLength);
    EXPECT_EQ(16, d2003.item("epRegon")->maxLength);
    EXPECT_FALSE(d2003.item("epUlica"));
    EXPECT_TRUE(protocolDescription(2).item("epUlica"));
    EXPECT_EQ(2500, protocolDescription(2).item("epPrzyczyny02")->maxLength);
}

TEST(ProtocolDescription, TheFormOf2019AsItsWindowShowsIt) {
    const ProtocolDescription& d = protocolDescription(3);
    auto caption = [&](const char* name) { return d.item(QString::fromLatin1(name))->caption; };
    EXPECT_EQ("Protokół Nr", caption("epNumerProt"));
    EXPECT_EQ("numer dowodu osobistego albo inny dokument potwierdzający tożsamość pracodawcy", caption("epDokFirma"));
    EXPECT_EQ("dokonał w dniach  od", caption("epDataUst"));
    EXPECT_EQ("4. Ustalono następujące okoliczności wypadku:", caption("epOkolicznosci01"));
    EXPECT_EQ("(rodzaj i umiejscowienie urazu):", caption("epRodzUrazu06"));
    EXPECT_EQ("12.   Przeszkody lub trudności, które uniemożliwiły sporządzenie protokołu w wymaganym terminie 14 dni :",
              caption("epPrzeszkody09"));
    EXPECT_EQ("16.  Wykaz załączników do protokołu:", caption("epZalaczniki10"));
    EXPECT_TRUE(d.item("epDataZakUst")->beside);
    EXPECT_EQ("DataZakUst", d.item("epDataZakUst")->button);
    EXPECT_EQ(81, d.item("epImNazwCzZap")->maxLength);
    EXPECT_FALSE(d.item("epImNazwCz")->hint.isEmpty());
    EXPECT_EQ(" TAK / ", d.markCaption(ProtocolMark::RemarksYes));
    EXPECT_EQ("- traktowny na równi z wypadkiem przy pracy", d.markCaption(ProtocolMark::TreatedAsEqual));
    EXPECT_EQ("13.  Poszkodowany / ", d.markCaption(ProtocolMark::Injured));

    // The memos with their initial limits, in number order.
    QList<int> limits;
    for (const ProtocolItem& i : d.items)
        if (i.kind == Kind::Memo) limits << i.maxLength;
    EXPECT_EQ(QList<int>({800, 2500, 500, 500, 400, 600, 590, 1500, 500, 400}), limits);

    // POUCZENIE with the court's field inside point II, then the six footnotes.
    const auto court = std::find_if(d.items.begin(), d.items.end(),
                                    [](const ProtocolItem& i) { return i.name == "epSadPracy"; });
    ASSERT_NE(d.items.end(), court);
    EXPECT_EQ(60, court->maxLength);
    EXPECT_TRUE((court - 1)->caption.endsWith(QStringLiteral("może wystąpić do sądu rejonowego")));
    EXPECT_TRUE((court + 1)->caption.startsWith(QStringLiteral("z powództwem o ustalenie i sprostowanie protokołu")));
    EXPECT_EQ("6) Niepotrzebne skreślić.", d.items.back().caption);
    EXPECT_EQ(4, d.pageIndex(d.items.back()) + 1);
}

TEST(ProtocolTexts, FixedTextsAndNames) {
    EXPECT_EQ("(Dz. U. 1998 r. Nr 128, poz. 849)", protocolFormName(0));
    EXPECT_EQ("(Dz. U. 2003 r. Nr 182, poz. 1783)", protocolFormName(1));
    EXPECT_EQ("(Dz. U. 2004 r. Nr 227, poz. 2298)", protocolFormName(2));
    EXPECT_EQ("(Dz. U. 2019 r. Poz. 1071)", protocolFormName(3));
    const ProtocolFixedTexts& t = protocolFixedTexts(3);
    EXPECT_EQ("POUCZENIE", t.instructionHeading);
    EXPECT_EQ(6, t.footnotes.size());
    EXPECT_EQ(2, t.instruction.size());
    for (int f = 0; f < 4; ++f) {
        const ProtocolFixedTexts& x = protocolFixedTexts(f);
        EXPECT_EQ(1, x.instruction.filter("%1").size()) << f;  // one paragraph names the court
        EXPECT_EQ(f == 1 || f == 2 ? 3 : 2, x.instruction.size()) << f;
        EXPECT_EQ("Niepotrzebne skreślić.", x.strikeNote);
    }
    EXPECT_TRUE(protocolFixedTexts(1).instruction[2].startsWith("III. "));
}

TEST(ProtocolDescription, MemoLimitsOfTheLengthSetting) {
    const int limited[] = {3120, 1320, 840, 840, 840, 3360, 3360, 4200, 2160, 2160};
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(limited[n - 1], protocolMemoLimit(n, false)) << n;
        EXPECT_EQ(0, protocolMemoLimit(n, true)) << n;
    }
    EXPECT_EQ(0, protocolMemoLimit(0, false));
    EXPECT_EQ(0, protocolMemoLimit(11, false));
    EXPECT_EQ("Kalendarz", calendarHint());
    EXPECT_EQ("Dwukrotnie kliknij w celu wywołania listy danych", listHint());
}
