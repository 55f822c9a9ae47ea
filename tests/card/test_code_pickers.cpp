// The code pickers: a code table's tree, the occupation classification and the
// activity/event/cause tree, on real databases, offscreen, their windows answered
// by the test.
#include "card/CodePickerForms.h"
#include "domain/CodeTree.h"
#include "ui/CodePickers.h"
#include "ui/ProgresForm.h"
#include "support/ModalDriver.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"
#include "support/TreeRows.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace zort;
using namespace zort::test;

namespace {

// Two groups with the same code under each; a childless group; lower-case code.
const std::vector<TreeRow> kPlaces = {{1, 0, 0, "010", "Pierwsza grupa"}, {2, 1, 1, "011", "Pod pierwszą"},
                                      {3, 1, 1, "012", "Też pod pierwszą"}, {4, 0, 0, "020", "Druga grupa"},
                                      {5, 4, 1, "021", "Grupa w drugiej"},  {6, 5, 2, "011", "Ten sam kod niżej"},
                                      {7, 0, 0, "abc", "Małe litery"}};

QStringList expandedTexts(QTreeWidget* tree) {
    QStringList out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->isExpanded()) out << (*it)->text(0);
    return out;
}

QStringList visibleTexts(QTreeWidget* tree) {
    QStringList out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (!(*it)->isHidden()) out << (*it)->text(0);
    return out;
}

// The codes of the nodes shown, in tree order.
QStringList visibleCodes(QTreeWidget* tree) {
    QStringList out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (!(*it)->isHidden()) out << (*it)->text(0).section(']', 0, 0).mid(1);
    return out;
}

// An answer that closes the picker however its checks end (a failed check must not
// leave the window waiting).
template <class F>
std::function<void()> thenClose(QDialog& d, F&& steps) {
    return [&d, steps]() {
        steps();
        if (d.isVisible()) d.reject();
    };
}

QTreeWidgetItem* itemWithText(QTreeWidget* tree, const QString& text) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == text) return *it;
    return nullptr;
}

QString currentText(const CodePickerDialog& d) {
    QTreeWidgetItem* i = d.view()->tree()->currentItem();
    return i ? i->text(0) : QString();
}

class PickerTest : public ::testing::Test {
protected:
    ScriptedUi ui;
    TestDatabase db;
    std::unique_ptr<Connection> c = db.connect();
};

} // namespace

TEST_F(PickerTest, TheCodeTablePickerPreselectsTheFirstNodeOfTheCode) {
    fillTree(*c, "SKWMIEJSCEWYP_1", kPlaces);
    TfrmSKWInfor picker;
    picker.setConnection(c.get());
    PickedCode out{"przed", "przed", 99};
    {
        ModalAnswer look(thenClose(picker, [&]() {
            EXPECT_EQ("Miejsce powstania wypadku", picker.windowTitle());
            EXPECT_EQ("[011] Pod pierwszą", currentText(picker)) << "the first in tree order";
            EXPECT_EQ(expandedTexts(picker.view()->tree()), QStringList{"[010] Pierwsza grupa"})
                << "its ancestors expanded, the rest collapsed";
            EXPECT_EQ("011", picker.codeField()->text());
            EXPECT_EQ("Pod pierwszą", picker.nameMemo()->toPlainText());
            EXPECT_TRUE(picker.codeField()->isReadOnly());
            EXPECT_TRUE(picker.nameMemo()->isReadOnly());
            picker.findChild<QPushButton*>("AnulujBtn")->click();
        }));
        EXPECT_FALSE(picker.PickTreeCode("SKWMIEJSCEWYP_1", "Miejsce powstania wypadku", "011", out));
    }
    EXPECT_EQ("przed", out.code) << "the outputs stay as they were";
    EXPECT_EQ(99, out.id);
    EXPECT_EQ(0, picker.view()->tree()->topLevelItemCount()) << "the tree is emptied when the picker returns";

    for (const char* unknown : {"999", "ABC"}) {
        ModalAnswer look(thenClose(picker, [&]() {
            EXPECT_EQ(QStringList(), expandedTexts(picker.view()->tree())) << unknown;
            EXPECT_EQ("", currentText(picker));
            EXPECT_EQ("", picker.codeField()->text());
            QTest::keyClick(&picker, Qt::Key_Escape);
        }));
        EXPECT_FALSE(picker.PickTreeCode("SKWMIEJSCEWYP_1", "Miejsce", QString::fromLatin1(unknown), out));
    }
    {
        ModalAnswer look(thenClose(picker, [&]() {
            EXPECT_EQ(expandedTexts(picker.view()->tree()), QStringList{"[010] Pierwsza grupa"})
                << "without a code the first group is open";
            EXPECT_EQ("", currentText(picker));
            picker.reject();
        }));
        EXPECT_FALSE(picker.PickTreeCode("SKWMIEJSCEWYP_1", "Miejsce", "", out));
    }
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('\n').toStdString();
}

TEST_F(PickerTest, OnlyALeafIsConfirmed) {
    fillTree(*c, "SKWMIEJSCEWYP_1", kPlaces);
    TfrmSKWInfor picker;
    picker.setConnection(c.get());
    PickedCode out;
    {
        ModalAnswer answer(thenClose(picker, [&]() {
            QTreeWidget* tree = picker.view()->tree();
            tree->setCurrentItem(itemWithText(tree, "[020] Druga grupa"));
            EXPECT_EQ("020", picker.codeField()->text()) << "the fields follow the selection";
            EXPECT_EQ("Druga grupa", picker.nameMemo()->toPlainText());
            picker.okButton()->click();
            ASSERT_EQ(1u, ui.shown.size());
            EXPECT_EQ(" Proszę wybrać odpowiedni kod dla danego typu informacji !", ui.shown[0].text);
            EXPECT_EQ("Uwaga", ui.shown[0].caption);
            EXPECT_EQ(MsgIcon::Warning, ui.shown[0].icon);
            EXPECT_TRUE(picker.isVisible()) << "the window stays open";
            // A group on level 1 with children is refused as well ...
            tree->setCurrentItem(itemWithText(tree, "[021] Grupa w drugiej"));
            picker.okButton()->click();
            EXPECT_EQ(2u, ui.shown.size());
            // ... a childless group on level 0 is a code.
            tree->setCurrentItem(itemWithText(tree, "[abc] Małe litery"));
            picker.okButton()->click();
        }));
        ASSERT_TRUE(picker.PickTreeCode("SKWMIEJSCEWYP_1", "Miejsce", "", out));
    }
    EXPECT_EQ("abc", out.code);
    EXPECT_EQ("Małe litery", out.name);
    EXPECT_EQ(7, out.id);

    // A childless level-1 node, chosen by a double click.
    {
        ModalAnswer answer(thenClose(picker, [&]() {
            QTreeWidget* tree = picker.view()->tree();
            QTreeWidgetItem* leaf = itemWithText(tree, "[012] Też pod pierwszą");
            tree->setCurrentItem(leaf);
            emit tree->itemDoubleClicked(leaf, 0);
        }));
        ASSERT_TRUE(picker.PickTreeCode("SKWMIEJSCEWYP_1", "Miejsce", "", out));
    }
    EXPECT_EQ("012", out.code);
}

TEST_F(PickerTest, TheCloseBoxAsksFirst) {
    fillTree(*c, "SKWMIEJSCEWYP_1", kPlaces);
    TfrmSKWInfor picker;
    picker.setConnection(c.get());
    PickedCode out;
    ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
    ModalAnswer answer(thenClose(picker, [&]() {
        picker.view()->tree()->setCurrentItem(itemWithText(picker.view()->tree(), "[abc] Małe litery"));
        picker.close();
        EXPECT_TRUE(picker.isVisible()) << "No keeps the window";
        ASSERT_EQ(1u, ui.shown.size());
        EXPECT_EQ("Nie zapamiętane zmiany, czy zamknąć okno ?", ui.shown[0].text);
        EXPECT_EQ("Zamknąć okno ?", ui.shown[0].caption);
        picker.close();
    }));
    EXPECT_FALSE(picker.PickTreeCode("SKWMIEJSCEWYP_1", "Miejsce", "", out)) << "Yes closes without a result";
    EXPECT_TRUE(out.code.isEmpty());
    EXPECT_EQ(2u, ui.shown.size());
}

TEST_F(PickerTest, AnEmptyDictionarySaysSoAndTheProgressWindowFollowsTheLoad) {
    TfrmSKWInfor picker;
    picker.setConnection(c.get());
    PickedCode out;
    {
        ModalAnswer answer(thenClose(picker, [&]() {
            picker.okButton()->click();
            picker.reject();
        }));
        EXPECT_FALSE(picker.PickTreeCode("SKWPRZYCZYNYWYP_1", "Przyczyny wypadku", "", out));
    }
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(ui.shown[0].text,
              "Słownik „Przyczyny wypadku (SKW 2022)” (tabela SKWPRZYCZYNYWYP_1) jest pusty: nie ma w nim żadnego "
              "kodu do wybrania.\nKody tego słownika wczytuje administrator programem zortdb:\n"
              "zortdb import-list <baza> SKWPRZYCZYNYWYP_1 <plik.tsv>");

    // The largest code table of the new databases, behind the progress window.
    QString caption;
    int maximum = 0, last = 0;
    auto watch = QObject::connect(progressWindow().bar(), &QProgressBar::valueChanged, [&](int v) {
        caption = progressWindow().caption();
        maximum = progressWindow().bar()->maximum();
        last = v;
    });
    ui.clear();
    {
        ModalAnswer answer(thenClose(picker, [&]() {
            EXPECT_FALSE(progressWindow().isVisible());
            // A search without a match leaves nothing to confirm.
            QTest::keyClicks(picker.view()->searchField(), "zzzz");
            EXPECT_EQ("Nie znaleziono", picker.view()->foundLabel()->text());
            picker.okButton()->click();
            picker.reject();
        }));
        EXPECT_FALSE(picker.PickTreeCode("SKWCZYNNIKMATER", "Czynnik materialny", "", out));
    }
    QObject::disconnect(watch);
    EXPECT_EQ("Wczytywanie danych : Czynnik materialny", caption);
    EXPECT_EQ(c->scalar("SELECT COUNT(*) FROM SKWCZYNNIKMATER").toInt(), maximum);
    EXPECT_EQ(maximum, last) << "reached at the end";
    EXPECT_FALSE(progressWindow().isVisible());
    EXPECT_EQ(ui.texts(), QStringList{" Proszę wybrać odpowiedni kod dla danego typu informacji !"});
}

TEST_F(PickerTest, AFailedLoadShowsTheDatabasesMessageAndKeepsNothing) {
    c->execute("DROP TABLE DNEWZAWODY2014");
    TfrmSKWZawod picker;
    picker.setConnection(c.get());
    PickedCode out;
    EXPECT_FALSE(picker.PickOccupationCode("DNEWZAWODY2014", "Klasyfikacja zawodów", "", out));
    EXPECT_FALSE(picker.holds("DNEWZAWODY2014"));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_FALSE(progressWindow().isVisible());
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_TRUE(ui.shown[0].text.contains("DNEWZAWODY2014")) << ui.shown[0].text.toStdString();
    // The flat list of edition 0 has no tree: nothing is read.
    EXPECT_FALSE(picker.PickOccupationCode("DZAWODY", "Klasyfikacja zawodów", "", out));
    EXPECT_EQ(1u, ui.shown.size());
}

TEST_F(PickerTest, OccupationTreesAreKeptPerEdition) {
    fillTree(*c, "DNEWZAWODY", {{1, 0, 0, "1", "Przedstawiciele władz"}, {2, 1, 1, "11", "Przedstawiciele"},
                            {3, 2, 2, "111", "Posłowie"}, {4, 3, 3, "1111", "Parlamentarzyści"},
                            {5, 4, 4, "111101", "Poseł"}});
    TfrmSKWZawod picker;
    picker.setConnection(c.get());
    PickedCode out;
    {
        ModalAnswer look(thenClose(picker, [&]() {
            EXPECT_EQ("Klasyfikacja zawodów wg Dz.U. 2021 poz. 2285", picker.windowTitle());
            EXPECT_EQ("[722206] Ślusarz narzędziowy", currentText(picker));
            EXPECT_EQ("722206", picker.codeField()->text());
            EXPECT_EQ("Ślusarz narzędziowy", picker.nameMemo()->toPlainText());
            EXPECT_EQ(picker.view()->tree(), picker.focusWidget()) << "the tree has the focus";
            picker.reject();
        }));
        EXPECT_FALSE(picker.PickOccupationCode("DNEWZAWODY2021", "Klasyfikacja zawodów", "722206", out));
    }
    {
        ModalAnswer look(thenClose(picker, [&]() {
            EXPECT_EQ("Klasyfikacja zawodów wg Dz.U. 2010 nr 82 poz. 537", picker.windowTitle());
            ASSERT_EQ(1, picker.view()->tree()->topLevelItemCount());
            EXPECT_EQ("[1] Przedstawiciele władz", currentText(picker)) << "the first node without a code";
            EXPECT_EQ("", picker.codeField()->text()) << "the fields start empty";
            EXPECT_EQ("", picker.nameMemo()->toPlainText());
            picker.view()->tree()->setCurrentItem(itemWithText(picker.view()->tree(), "[111101] Poseł"));
            picker.okButton()->click();
        }));
        ASSERT_TRUE(picker.PickOccupationCode("DNEWZAWODY", "Klasyfikacja zawodów", "", out));
    }
    EXPECT_EQ("111101", out.code);
    EXPECT_EQ("Poseł", out.name);
    EXPECT_EQ(5, out.id);

    // A rename between two calls: a tree already held is not read again, a table
    // not held yet is.
    c->execute("UPDATE DNEWZAWODY SET NAZWA = 'Posłanka lub poseł' WHERE ID = 5");
    fillTree(*c, "DNEWZAWODY2010", {{1, 0, 0, "1", "Grupa 2010"}});
    for (const char* table : {"DNEWZAWODY", "DNEWZAWODY2010"}) {
        ModalAnswer look(thenClose(picker, [&]() { picker.reject(); }));
        picker.PickOccupationCode(QString::fromLatin1(table), "Klasyfikacja zawodów", "111101", out);
    }
    EXPECT_TRUE(picker.holds("DNEWZAWODY"));
    EXPECT_TRUE(picker.holds("DNEWZAWODY2010"));
    c->execute("UPDATE DNEWZAWODY2010 SET NAZWA = 'Zmieniona' WHERE ID = 1");
    ModalAnswer look(thenClose(picker, [&]() {
        EXPECT_EQ(QStringList{"[1] Grupa 2010"}, visibleTexts(picker.view()->tree()));
        picker.reject();
    }));
    picker.PickOccupationCode("DNEWZAWODY2010", "Klasyfikacja zawodów", "", out);
    ModalAnswer back(thenClose(picker, [&]() {
        EXPECT_EQ("[111101] Poseł", currentText(picker)) << "edition 1 as first read";
        picker.reject();
    }));
    picker.PickOccupationCode("DNEWZAWODY", "Klasyfikacja zawodów", "111101", out);
}

TEST_F(PickerTest, SearchingTheOccupations) {
    TfrmSKWZawod picker;
    picker.setConnection(c.get());
    PickedCode out;
    ModalAnswer answer(thenClose(picker, [&]() {
        QTreeWidget* tree = picker.view()->tree();
        QLineEdit* field = picker.view()->searchField();
        // A letter typed in the tree goes into the search field.
        QTest::keyClicks(tree, "slusarz");
        EXPECT_EQ("slusarz", field->text());
        EXPECT_EQ(field, picker.focusWidget());
        QTest::keyClicks(field, " narz");
        EXPECT_EQ("Znaleziono: 1", picker.view()->foundLabel()->text());
        EXPECT_EQ("[722206] Ślusarz narzędziowy", currentText(picker)) << "the first occupation selected";
        EXPECT_EQ("722206", picker.codeField()->text()) << "the fields follow the search";
        EXPECT_EQ(visibleCodes(tree), (QStringList{"7", "72", "722", "7222", "722206"}))
            << "the occupation found with its groups";
        EXPECT_TRUE(tree->currentItem()->parent()->isExpanded());
        EXPECT_TRUE(tree->topLevelItem(6)->isExpanded());

        field->clear();
        QTest::keyClicks(field, "7212");
        QTreeWidgetItem* group = tree->currentItem() ? tree->currentItem()->parent() : nullptr;
        ASSERT_TRUE(group);
        EXPECT_TRUE(group->isExpanded());
        int shownUnder = 0;
        for (int k = 0; k < group->childCount(); ++k) shownUnder += !group->child(k)->isHidden();
        EXPECT_EQ(group->childCount(), shownUnder) << "the group with its occupations";
        EXPECT_EQ(QStringLiteral("Znaleziono: %1").arg(group->childCount()), picker.view()->foundLabel()->text());
        EXPECT_EQ(group->child(0)->text(0), currentText(picker));

        field->clear();
        EXPECT_EQ("", picker.view()->foundLabel()->text());
        EXPECT_EQ(c->scalar("SELECT COUNT(*) FROM DNEWZAWODY2021").toInt(), visibleTexts(tree).size())
            << "the whole tree again";

        // Enter in the search field confirms the occupation found.
        QTest::keyClicks(field, "pozostali SPAWACZE");
        QTest::keyClick(field, Qt::Key_Return);
    }));
    ASSERT_TRUE(picker.PickOccupationCode("DNEWZAWODY2021", "Klasyfikacja zawodów", "", out));
    EXPECT_EQ("721290", out.code);
    EXPECT_EQ("Pozostali spawacze i pokrewni", out.name);
    // Each call starts with an empty field.
    ModalAnswer again(thenClose(picker, [&]() {
        EXPECT_EQ("", picker.view()->searchField()->text());
        EXPECT_EQ("", picker.view()->foundLabel()->text());
        picker.reject();
    }));
    picker.PickOccupationCode("DNEWZAWODY2021", "Klasyfikacja zawodów", "", out);
    EXPECT_GE(picker.minimumWidth(), 600);
    EXPECT_GE(picker.minimumHeight(), 550);
}

TEST(EventPicker, ActivitiesEventsAndCausesOfTheDemoDatabase) {
    ScriptedUi ui;
    TestDatabase db(TestDatabase::Content::Demo);
    auto c = db.connect();
    TfrmEKWInfor picker(nullptr, c.get());
    ASSERT_TRUE(picker.loaded());
    EXPECT_EQ("Czynnik/Wydarzenie/Przyczyna", picker.windowTitle());
    QTreeWidget* tree = picker.view()->tree();
    QStringList tops;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) tops << tree->topLevelItem(i)->text(0);
    EXPECT_EQ(tops, (QStringList{"[C01] Interwencja wobec osoby", "[C03] Kierowanie pojazdem służbowym",
                                 "[C02] Pościg pieszy", "[C05] Szkolenie strzeleckie",
                                 "[C04] Zajęcia z wychowania fizycznego"}))
        << "by name";

    EventTriple triple;
    triple.code[0] = "C02";
    triple.code[1] = "2";
    triple.code[2] = "K2.2";
    {
        ModalAnswer answer(thenClose(picker, [&]() {
            EXPECT_EQ("[K2.2] Niedostateczne oświetlenie miejsca zdarzenia", currentText(picker));
            EXPECT_EQ("[2] Upadek na tym samym poziomie", tree->currentItem()->parent()->text(0));
            EXPECT_EQ("[C02] Pościg pieszy", tree->currentItem()->parent()->parent()->text(0));
            EXPECT_EQ("K2.2", picker.codeField()->text());
            // Levels 0 and 1 are refused.
            tree->setCurrentItem(tree->currentItem()->parent());
            picker.okButton()->click();
            tree->setCurrentItem(tree->currentItem()->parent());
            picker.okButton()->click();
            EXPECT_EQ(ui.texts(), (QStringList{" Proszę wybrać odpowiedni kod dla danego typu informacji !",
                                               " Proszę wybrać odpowiedni kod dla danego typu informacji !"}));
            QTreeWidgetItem* event = itemWithText(tree, "[3] Upadek z wysokości");
            tree->setCurrentItem(event->child(0));
            picker.okButton()->click();
        }));
        ASSERT_TRUE(picker.PickEventTriple(triple));
    }
    EXPECT_EQ("C02", triple.code[0]);
    EXPECT_EQ("Pościg pieszy", triple.name[0]);
    EXPECT_EQ("3", triple.code[1]);
    EXPECT_EQ("Upadek z wysokości", triple.name[1]);
    EXPECT_EQ("K2.1", triple.code[2]);
    EXPECT_EQ("Śliska lub nierówna nawierzchnia", triple.name[2]);

    // A triple that is not in the tree preselects nothing; none selects the first node.
    triple.code[1] = "9";
    {
        ModalAnswer answer(thenClose(picker, [&]() {
            EXPECT_EQ("", currentText(picker));
            picker.reject();
        }));
        EXPECT_FALSE(picker.PickEventTriple(triple));
    }
    EXPECT_EQ("9", triple.code[1]) << "unchanged";
    ModalAnswer first(thenClose(picker, [&]() {
        EXPECT_EQ("[C01] Interwencja wobec osoby", currentText(picker));
        EXPECT_EQ("C01", picker.codeField()->text());
        picker.reject();
    }));
    EXPECT_FALSE(picker.PickEventTriple(*std::make_unique<EventTriple>()));
}

TEST(CodePickersInterface, WithoutTheWindowsAPickSaysTheyAreMissing) {
    ScriptedUi ui;
    CodePickers::uninstall();
    PickedCode out;
    EXPECT_FALSE(CodePickers::pickTreeCode("SKWMIEJSCEWYP", "Miejsce", "", out));
    EXPECT_EQ("Okno \"TfrmSKWInfor\" nie jest dostępne w tej wersji programu.", ui.lastText());
}
