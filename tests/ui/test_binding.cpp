#include "ui/FieldBinding.h"
#include "domain/RegisterStore.h"
#include "ui/Widgets.h"
#include "db/Dataset.h"
#include "support/TestDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

// A page with one control of every kind for the accident ("w", "0" read-only) and
// the injured person ("p", radio groups and combos stored as index + 1 / index).
struct Page {
    QWidget root;
    QLineEdit* ewNumer = makeEdit("ewNumer", &root);
    QLineEdit* ewData = makeEdit("ewData", &root);
    QLineEdit* ewStratyZl = makeEdit("ewStratyZl", &root);
    QLineEdit* ewMiejsceWyp = makeEdit("ewMiejsceWyp", &root);
    QLineEdit* e0Data = makeEdit("e0Data", &root);
    RadioGroup* rgwWypIZ = new RadioGroup("rgwWypIZ", "Typ wypadku :", {"indywidualny", "zbiorowy"}, &root);
    MemoEdit* mpOkolicznosci01 = new MemoEdit("mpOkolicznosci01", &root);
    MemoEdit* mpDodBranza00 = new MemoEdit("mpDodBranza00", &root);
    RadioGroup* rgpPlec = new RadioGroup("rgpPlec", "Płeć :", {"mężczyzna", "kobieta"}, &root);
    QCheckBox* cbpSzkInstr = new QCheckBox(&root);
    QComboBox* cbpFormaPracy = new QComboBox(&root);
    // Never bound: filters, a selector no rule declares, a spin box's own edit.
    QLineEdit* e_FiltrN = makeEdit("e_FiltrN", &root);
    QComboBox* cbzZawod = new QComboBox(&root);
    QSpinBox* spin = new QSpinBox(&root);
    Page() {
        cbpSzkInstr->setObjectName("cbpSzkInstr");
        cbpFormaPracy->setObjectName("cbpFormaPracy");
        cbpFormaPracy->addItems({"nie", "tak"});
        cbzZawod->setObjectName("cbzZawod");
        spin->setObjectName("epSpin");
    }
};

std::vector<SelectorRule> rules() {
    return {{'w', "accident", true, 0, 0}, {'0', "accident", false, 0, 0}, {'p', "person", true, 1, 0}};
}

} // namespace

TEST(FieldBinding, FindsExactlyTheBoundControls) {
    Page page;
    FieldBinder binder(&page.root, MemoSlots::TwoDigits, rules());
    QStringList found;
    for (const BoundControl& b : binder.controls()) found << QString(b.selector) + ":" + b.column + ":" + QString::number(b.slot);
    found.sort();
    EXPECT_EQ(QStringList({"0:Data:-1", "p:DodBranza:0", "p:FormaPracy:-1", "p:Okolicznosci:1", "p:Plec:-1",
                           "p:SzkInstr:-1", "w:Data:-1", "w:MiejsceWyp:-1", "w:Numer:-1", "w:StratyZl:-1",
                           "w:WypIZ:-1"}),
              found);
}

TEST(FieldBinding, LoadsAndSavesEveryKindWithItsConversions) {
    TestDatabase db;
    auto c = db.connect();
    c->execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, STRATYZL, MIEJSCEWYP, WYPIZ) "
               "VALUES (1, 7, '2026-03-29 02:30:00', 1234.5678, 'Hala', 1)");
    c->execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, PLEC, SZKINSTR, FORMAPRACY, OKOLICZNOSCI) "
               "VALUES (5, 1, 2, NULL, 1, :memo)",
               Params{{"memo", QStringLiteral("wiersz 1\r\nwiersz 2")}});
    Dataset accident(c.get(), "SELECT * FROM SKWWYPADKI WHERE ID = 1");
    Dataset person(c.get(), "SELECT * FROM SKWPOSZKODOWANI WHERE ID = 5");
    accident.open();
    person.open();
    auto rowOf = [&](const QString& t) -> const Dataset* { return t == "accident" ? &accident : &person; };

    Page page;
    page.cbpSzkInstr->setChecked(true);  // state of a previous record
    FieldBinder binder(&page.root, MemoSlots::TwoDigits, rules());
    binder.load(rowOf);
    EXPECT_EQ("7", page.ewNumer->text());
    EXPECT_EQ("2026-03-29 02:30:00", page.ewData->text());  // a time in the clock-change gap stays
    EXPECT_EQ("2026-03-29 02:30:00", page.e0Data->text());
    EXPECT_EQ("1234.57", page.ewStratyZl->text());
    EXPECT_EQ(1, page.rgwWypIZ->itemIndex());        // accident: the value is the index
    EXPECT_EQ(1, page.rgpPlec->itemIndex());         // person: value 2 is index 1
    EXPECT_EQ(1, page.cbpFormaPracy->currentIndex()); // person combo: value as index
    EXPECT_FALSE(page.cbpSzkInstr->isChecked());     // null shows unchecked
    EXPECT_EQ("wiersz 1\nwiersz 2", page.mpOkolicznosci01->toPlainText());

    page.ewMiejsceWyp->setText(QString::fromUtf8("Hala \"B\" przy ul. O'Connora"));
    page.mpDodBranza00->setPlainText("a\nb");
    page.rgpPlec->setItemIndex(0);
    page.cbpSzkInstr->setChecked(true);
    page.ewNumer->setText("");
    page.e0Data->setText("garbage");  // read-only copy: never saved
    auto collected = binder.collect(rowOf, {}, [](int slot) { return slot == 1 ? QString("Okolicznosci") : QString(); });
    EXPECT_EQ(5, collected.byTarget["accident"].size());  // e0Data is loaded only
    EXPECT_EQ(page.ewMiejsceWyp, collected.control("accident", "MiejsceWyp"));
    RegisterStore(*c).saveAccident(1, collected.byTarget["accident"], 5, collected.byTarget["person"]);

    Dataset check(c.get(), "SELECT W.NUMER, W.STRATYZL, W.MIEJSCEWYP, W.DATA, P.PLEC, P.SZKINSTR, P.DODBRANZA, P.OKOLICZNOSCI "
                           "FROM SKWWYPADKI W JOIN SKWPOSZKODOWANI P ON P.IDWYPADKU = W.ID");
    check.open();
    EXPECT_TRUE(check.field("NUMER").isNull());                // empty gives null
    EXPECT_DOUBLE_EQ(1234.5678, check.field("STRATYZL").asFloat());  // unchanged text keeps the stored value
    EXPECT_EQ(QString::fromUtf8("Hala \"B\" przy ul. O'Connora"), check.field("MIEJSCEWYP").asString());
    EXPECT_EQ(QDateTime(QDate(2026, 3, 29), QTime(2, 30)), check.field("DATA").asDateTime());
    EXPECT_EQ(1, check.field("PLEC").asInt());
    EXPECT_EQ("t", check.field("SZKINSTR").asTrimmed());
    EXPECT_EQ("a\r\nb", check.field("DODBRANZA").asString());
    EXPECT_EQ("wiersz 1\r\nwiersz 2", check.field("OKOLICZNOSCI").asString());
}

TEST(FieldBinding, ValuesTheColumnCannotTakeAreRefusedWithTheirField) {
    TestDatabase db;
    auto c = db.connect();
    c->execute("INSERT INTO SKWWYPADKI (ID, NUMER, STRATYZL) VALUES (1, 7, 2.5)");
    Dataset accident(c.get(), "SELECT * FROM SKWWYPADKI WHERE ID = 1");
    accident.open();
    Page page;
    FieldBinder binder(&page.root, MemoSlots::TwoDigits, rules());
    auto rowOf = [&](const QString& t) -> const Dataset* { return t == "accident" ? &accident : nullptr; };
    binder.load(rowOf);
    RegisterStore store(*c);
    auto refusedColumn = [&]() -> QString {
        const auto collected = binder.collect(rowOf);
        try {
            store.saveAccident(1, collected.byTarget["accident"], 0, {});
        } catch (const ValueRefused& e) {
            return collected.control("accident", e.column()) ? e.column().toUpper() : QStringLiteral("?");
        }
        return QString();
    };
    page.ewNumer->setText("12a");
    page.ewStratyZl->setText("3.25");
    EXPECT_EQ("NUMER", refusedColumn());
    page.ewNumer->setText("12");
    page.ewData->setText("2026-13-01");
    EXPECT_EQ("DATA", refusedColumn());
    EXPECT_EQ(7, c->scalar("SELECT NUMER FROM SKWWYPADKI").toInt());  // nothing written
    page.ewData->setText("2026-12-01 7:05");
    EXPECT_EQ("", refusedColumn());
    EXPECT_DOUBLE_EQ(3.25, c->scalar("SELECT STRATYZL FROM SKWWYPADKI").toDouble());
    EXPECT_EQ(QDateTime(QDate(2026, 12, 1), QTime(7, 5)), c->scalar("SELECT DATA FROM SKWWYPADKI").toDateTime());
}

// A radio group says when the user chose an item, however he did it: a click, the
// arrow keys, or an accessibility tool that checks the button without clicking it.
// Setting the item from the program says nothing.
TEST(RadioGroupChoice, EveryWayOfTheUserButNotTheProgram) {
    RadioGroup g(QStringLiteral("rgwWersjaSKW"), QStringLiteral("SKW :"),
                 {QStringLiteral("SKW 2004"), QStringLiteral("SKW 2000"), QStringLiteral("SKW 2009")});
    QList<int> chosen;
    QObject::connect(&g, &RadioGroup::chosen, [&](int i) { chosen << i; });
    g.setItemIndex(1);
    g.setItemIndex(-1);
    EXPECT_TRUE(chosen.isEmpty());
    g.button(2)->click();
    g.button(0)->setChecked(true);  // what an accessibility tool's toggle does
    g.button(0)->click();           // the item already chosen: no new choice
    EXPECT_EQ(QList<int>({2, 0}), chosen);
    EXPECT_EQ(0, g.itemIndex());
}

// A window whose memos are named like its edits declares their first letter.
TEST(FieldBinding, AWindowMayNameItsMemosLikeItsEdits) {
    QWidget root;
    auto* memo = new MemoEdit(QStringLiteral("epOkolicznosci01"), &root);
    auto* edit = makeEdit(QStringLiteral("epNazwisko"), &root);
    const std::vector<SelectorRule> person{{'p', QStringLiteral("person"), true}};
    FieldBinder byDefault(&root, MemoSlots::TwoDigits, person);
    ASSERT_EQ(1, byDefault.controls().size()) << "only the edit";
    EXPECT_EQ(edit, byDefault.controls().first().widget);
    FieldBinder named(&root, MemoSlots::TwoDigits, person, QLatin1Char('e'));
    ASSERT_EQ(2, named.controls().size());
    for (const BoundControl& b : named.controls())
        if (b.widget == memo) {
            EXPECT_EQ(BoundKind::Memo, b.kind);
            EXPECT_EQ("Okolicznosci", b.column);
            EXPECT_EQ(1, b.slot);
        } else {
            EXPECT_EQ(BoundKind::Edit, b.kind);
            EXPECT_EQ("Nazwisko", b.column);
        }
}

// Lists named like fields that a rule declares never bound stay out of the binding.
TEST(FieldBinding, NamesARuleDeclaresNeverBoundStayUnbound) {
    QWidget root;
    auto* route = new QComboBox(&root);
    route->setObjectName(QStringLiteral("cbzWypRZ"));
    for (const char* n : {"cbzPoszkodowany", "cbzKodChoroby", "cbzZawod"}) (new QComboBox(&root))->setObjectName(QString::fromLatin1(n));
    SelectorRule z{'z', QStringLiteral("accident"), true};
    FieldBinder all(&root, MemoSlots::OneDigit, {z});
    EXPECT_EQ(4, all.controls().size());
    z.neverBound = {QStringLiteral("cbzPoszkodowany"), QStringLiteral("cbzKodChoroby"), QStringLiteral("cbzZawod")};
    FieldBinder some(&root, MemoSlots::OneDigit, {z});
    ASSERT_EQ(1, some.controls().size());
    EXPECT_EQ(route, some.controls().first().widget);
    EXPECT_EQ(BoundKind::Combo, some.controls().first().kind);
}
