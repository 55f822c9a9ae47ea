// The statistics tab of the print selection window, driven as the user drives it,
// against a small firm: a unit of 500 positions and a store of one position.
#include "PrintWindowFixture.h"

#include "core/Error.h"
#include "domain/FieldChecks.h"
#include "domain/StatisticsReading.h"
#include "printing/AdmDrukForm.h"
#include "printing/PrintForms.h"
#include "printing/StatisticsForms.h"
#include "printing/StatisticsTab.h"
#include "ui/StructureTree.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace zort::test {
namespace {

using print::TAdmDrukForm;
using print::StatisticsTab;

constexpr int kFirm = 1, kUnit = 2, kStore = 3, kStorePosition = 5, kFirstPosition = 1000;

class StatisticsTabTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        print::registerStatisticsForms();
        element(kFirm, 0, 0, "F", "Firma");
        element(kUnit, kFirm, 0, "A", "Produkcja");
        element(kStore, kFirm, 0, "B", "Magazyn");
        element(kStorePosition, kStore, 1, "B1", "Magazynier");
        Transaction t(*shared);
        for (int i = 0; i < 500; ++i)
            element(kFirstPosition + i, kUnit, 1, QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')),
                    QStringLiteral("Stanowisko %1").arg(i));
        t.commit();
        // 2023: two in production (one of 20 days), one in the store; 2024: one in the store.
        injured(1, QDateTime(QDate(2023, 3, 6), QTime(23, 30)), kFirstPosition, 20, 1980);
        injured(2, QDateTime(QDate(2023, 12, 31), QTime(23, 59)), kFirstPosition + 499, 10, 1990);
        injured(3, QDateTime(QDate(2023, 7, 1), QTime(5, 10)), kStorePosition, 6, 2000);
        injured(4, QDateTime(QDate(2024, 1, 1), QTime(6, 0)), kStorePosition, 4, 2000);
        exec("INSERT INTO SKWZATRUDNIENIE (ROK, ILZATR) VALUES (2024, 200)");
    }

    void element(int id, int parent, int type, const QString& code, const QString& name) {
        exec(QStringLiteral("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, KOD, SKROTNAZWA, DATAUTW) "
                            "VALUES (:id, :p, :n, :t, :k, :s, '2000-01-01')"),
             Params{{"id", id}, {"p", parent}, {"n", parent == 0 ? 0 : 1}, {"t", type}, {"k", code}, {"s", name}});
    }
    void injured(int id, const QDateTime& when, int position, int days, int born) {
        accident(id, id, 5, when);
        exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, TYPWYP, "
                            "RODZUMOWY, IDSTANOW, DNINIEZD, DATAUR, PLEC) "
                            "VALUES (:id, :id, 1, 1, 'Nowak', 'Jan', 0, 1, :s, :d, :u, 1)"),
             Params{{"id", id}, {"s", position}, {"d", days}, {"u", QDateTime(QDate(born, 5, 5), QTime(0, 0))}});
    }

    TAdmDrukForm* statisticsTab() {
        admSettings().printDate = QDate(2024, 5, 10);
        TAdmDrukForm* w = Forms::getOrCreate<TAdmDrukForm>(QStringLiteral("TAdmDrukForm"));
        w->FormShow();
        w->show();
        QApplication::setActiveWindow(w);
        w->PageControl->setCurrentIndex(TAdmDrukForm::StatisticsTab);
        QCoreApplication::processEvents();
        return w;
    }
    template <class T>
    T* control(TAdmDrukForm* w, const char* name) {
        T* c = w->findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void choose(TAdmDrukForm* w, int id) {
        auto* tree = control<QTreeWidget>(w, "tvStruktPrzeds");
        tree->setCurrentItem(findStructureNode(tree, id));
    }
    // Types into the field and leaves it for the next one, as the user does.
    void type(QLineEdit* field, const QString& text, QWidget* next) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        next->setFocus();
        QCoreApplication::processEvents();
    }
    // The tables of positions made for counting (the data module keeps a table of its own).
    int tempTables() { return value("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = 'IDPOM'").toInt(); }
    int rows(const char* table) { return value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt(); }
};

TEST_F(StatisticsTabTest, AUsersSequenceReadsSavesAndPreviewsEachSummary) {
    TAdmDrukForm* w = statisticsTab();
    auto* rok1 = control<QLineEdit>(w, "eRok1");
    auto* zatr1 = control<QLineEdit>(w, "eZatr1");
    auto* zatr2 = control<QLineEdit>(w, "eZatr2");
    // The tab opens on "Wypadki " for the register year against the year before.
    EXPECT_EQ(w->PageControl->tabText(2), "Zestawienia statystyczne");
    EXPECT_EQ(rok1->text(), "2023");
    EXPECT_EQ(control<QLineEdit>(w, "eRok2")->text(), "2024");
    EXPECT_EQ(zatr1->text(), "0");
    EXPECT_EQ(zatr2->text(), "200");
    EXPECT_TRUE(control<QCheckBox>(w, "cbKartyWypZS")->isChecked());
    EXPECT_FALSE(control<QGroupBox>(w, "gbZatrud")->isHidden());
    EXPECT_TRUE(control<QGroupBox>(w, "gbZmiany")->isHidden());
    EXPECT_TRUE(control<QCheckBox>(w, "cbWykres")->isHidden());
    EXPECT_EQ(zatr2->accessibleName(), "Liczba zatrudnionych w roku — Rok 2");
    EXPECT_EQ(control<QComboBox>(w, "cbSKW2004")->accessibleName(), "Zestawienia na podstawie SKW 2010/2009/2004");
    EXPECT_EQ(control<QTreeWidget>(w, "tvStruktPrzeds")->currentItem()->text(0), "[F] Firma");

    // A count typed and saved: the one row of the year, nothing else.
    const int accidents = rows("SKWWYPADKI"), persons = rows("SKWPOSZKODOWANI");
    type(zatr2, QStringLiteral("250"), zatr1);
    control<QPushButton>(w, "bZapisz")->click();
    EXPECT_EQ(value("SELECT ILZATR FROM SKWZATRUDNIENIE WHERE ROK = 2024").toInt(), 250);
    EXPECT_EQ(value("SELECT COUNT(*) FROM SKWZATRUDNIENIE WHERE ROK = 2023").toInt(), 1);
    EXPECT_EQ(rows("SKWZATRUDNIENIE"), 2);

    // "Wypadki " of the firm: production and the store, 2023 without employees.
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 1);
    EXPECT_TRUE(preview.modal);
    EXPECT_TRUE(preview.request.landscape);
    EXPECT_EQ(preview.request.kind, "WypZestWypadki");
    const QStringList texts = preview.texts;
    EXPECT_TRUE(texts.contains("Wydrukowano : 10.05.2024"));
    EXPECT_TRUE(texts.contains("Firma ->")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Produkcja")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(print::SummaryReport::noteEmployees()));
    EXPECT_TRUE(texts.contains("Strona 1/ 1"));
    EXPECT_TRUE(texts.contains("*"));
    // 2024: one person of 4 days against 250 employees: frequency 4, hazard 16.
    EXPECT_TRUE(texts.contains("16"));
    EXPECT_EQ(rows("SKWWYPADKI"), accidents);
    EXPECT_EQ(rows("SKWPOSZKODOWANI"), persons);

    // The unit of 500 positions, through the table of positions, gone afterwards.
    choose(w, kUnit);
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 2);
    EXPECT_TRUE(preview.texts.contains("Firma -> Produkcja ->"));
    EXPECT_TRUE(preview.texts.contains("Stanowisko 499 *"));
    EXPECT_EQ(tempTables(), 0);

    // Shifts: 23:30 and 05:10 in 22-6, 06:00 of 1 January 2024 in 6-14.
    choose(w, kFirm);
    auto* zest = control<RadioGroup>(w, "rgZest");
    zest->button(6)->click();
    EXPECT_FALSE(control<QGroupBox>(w, "gbZmiany")->isHidden());
    EXPECT_TRUE(control<QGroupBox>(w, "gbZatrud")->isHidden());
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 3);
    EXPECT_FALSE(preview.request.landscape);
    EXPECT_EQ(preview.request.kind, "WypZmianPrac");
    EXPECT_TRUE(preview.texts.contains("Zmiany na których zaistniały wypadki w 2023, 2024"));

    // A classification: the list clears the general one.
    auto* skw = control<QComboBox>(w, "cbSKW2004");
    skw->setCurrentIndex(0);
    emit skw->activated(0);
    EXPECT_EQ(zest->itemIndex(), -1);
    EXPECT_FALSE(control<QGroupBox>(w, "gbSposobPrezent")->isHidden());
    w->PreviewBtn->click();
    ASSERT_EQ(preview.shown, 4);
    EXPECT_EQ(preview.request.kind, "WypZestStatSkw");
    EXPECT_TRUE(preview.texts.contains("Kod"));
    EXPECT_EQ(rows("SKWZATRUDNIENIE"), 2);
    EXPECT_EQ(tempTables(), 0);
}

TEST_F(StatisticsTabTest, BadInputIsRefusedWithItsMessageAndTheFocusKept) {
    TAdmDrukForm* w = statisticsTab();
    auto* rok1 = control<QLineEdit>(w, "eRok1");
    auto* zatr1 = control<QLineEdit>(w, "eZatr1");
    const std::pair<const char*, QString> years[] = {
        {"-1", FieldChecks::smallRangeMessage()},
        {"0", StatisticsTab::yearRangeMessage(QStringLiteral("Rok 1 : "))},
        {"10000", StatisticsTab::yearRangeMessage(QStringLiteral("Rok 1 : "))},
        {"abc", FieldChecks::wholeFormatMessage()}};
    for (const auto& [text, message] : years) {
        type(rok1, QString::fromLatin1(text), zatr1);
        EXPECT_EQ(ui.lastText(), message) << text;
        EXPECT_EQ(QApplication::focusWidget(), rok1) << text;
        w->PreviewBtn->click();
        EXPECT_EQ(preview.shown, 0);
    }
    EXPECT_TRUE(StatisticsTab::yearRangeMessage(QStringLiteral("Rok 1 : ")).startsWith("Rok 1:"));
    type(rok1, QStringLiteral("2023"), zatr1);
    // Counts take the whole range of the column, never a negative one.
    const int shown = int(ui.shown.size());
    type(zatr1, QStringLiteral("40000"), rok1);
    EXPECT_EQ(int(ui.shown.size()), shown);
    type(zatr1, QStringLiteral("-5"), rok1);
    EXPECT_EQ(ui.lastText(), FieldChecks::smallRangeMessage());
    EXPECT_EQ(QApplication::focusWidget(), zatr1);
    type(zatr1, QStringLiteral("40000"), rok1);
    control<QPushButton>(w, "bZapisz")->click();
    EXPECT_EQ(value("SELECT ILZATR FROM SKWZATRUDNIENIE WHERE ROK = 2023").toInt(), 40000);

    // Neither box: the message at once and again before printing.
    control<QCheckBox>(w, "cbKartyWypZS")->click();
    control<QCheckBox>(w, "cbProtPowypZS")->click();
    EXPECT_EQ(ui.lastText(), statistics::noTypeMessage());
    ui.shown.clear();
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), statistics::noTypeMessage());
    control<QCheckBox>(w, "cbKartyWypZS")->click();
    // Check 1: the 2004 card's classifications from 2005 only.
    auto* skw = control<QComboBox>(w, "cbSKW2004");
    skw->setCurrentIndex(2);
    emit skw->activated(2);
    type(rok1, QStringLiteral("2004"), zatr1);
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), statistics::periodsNotComparableMessage());
    // Check 2: factors of 2000 against 2001.
    control<RadioGroup>(w, "rgZest_old")->button(2)->click();
    EXPECT_EQ(skw->currentIndex(), -1);
    type(rok1, QStringLiteral("2000"), zatr1);
    type(control<QLineEdit>(w, "eRok2"), QStringLiteral("2001"), zatr1);
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), statistics::card2001Message());
    // No element.
    control<RadioGroup>(w, "rgZest")->button(1)->click();
    control<QTreeWidget>(w, "tvStruktPrzeds")->setCurrentItem(nullptr);
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), statistics::noElementMessage());
    EXPECT_EQ(preview.shown, 0);

    // A failing statement: the reason shown, the table of positions dropped, no preview.
    choose(w, kUnit);
    skw->setCurrentIndex(0);
    emit skw->activated(0);
    type(rok1, QStringLiteral("2023"), zatr1);
    type(control<QLineEdit>(w, "eRok2"), QStringLiteral("2024"), zatr1);
    exec("DROP TABLE SKWMIEJSCEWYP");
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    EXPECT_TRUE(ui.lastText().contains("SKWMIEJSCEWYP")) << ui.lastText().toStdString();
    EXPECT_EQ(tempTables(), 0);
}

TEST_F(StatisticsTabTest, ChoicesByNameAndTheFormsOfEachSummary) {
    QWidget window;
    auto* page = new QWidget(&window);
    new QVBoxLayout(page);
    StatisticsTab tab;
    tab.build(page);
    const PrintTabContext context;
    tab.show(context);
    EXPECT_EQ(tab.formName(), "TqrWypWydzFrm");
    tab.setChoice("rgZest", "9");
    EXPECT_EQ(tab.formName(), "TqrZestWypFrm");
    EXPECT_EQ(tab.kindCode(), "WypStan");
    tab.setChoice("rgZest_old", "1");
    EXPECT_EQ(tab.formName(), "TqrZestStatFrm");
    EXPECT_EQ(tab.kindCode(), "WypUmiejscCzyn");
    tab.setChoice("Zmiana4", "7-9");
    EXPECT_EQ(tab.eZmianaDo[3]->text(), "9");
    tab.setChoice("cbKartyWypZS", "n");
    EXPECT_FALSE(tab.cbKartyWypZS->isChecked());
    tab.setChoice("eRok1", "2020");
    EXPECT_EQ(tab.request(context).periods[0].year, 2020);
    for (const auto& [name, value] : {std::pair{"eRok1", "0"}, {"rgZest", "10"}, {"Zmiana1", "6"}, {"eZatr1", "-1"},
                                      {"cbProtPowypZS", "TAK"}, {"eNieMa", "1"}})
        EXPECT_THROW(tab.setChoice(name, value), Error) << name;
    EXPECT_TRUE(tab.selectElement(kStorePosition));
    EXPECT_FALSE(tab.selectElement(987));

    // A blank form: headings, no rows.
    print::DocumentReport* form = print::ReportForms::form("TqrZestStatFrm");
    ASSERT_NE(form, nullptr);
    form->setRun(print::DocumentRun{dm, admSettings(), true});
    tab.fillForm(*dynamic_cast<print::SummaryReport*>(form), context);
    const print::PagesPtr pages = form->prepare();
    EXPECT_TRUE(pages->texts().contains("Umiejscowienie"));
    EXPECT_TRUE(pages->texts().contains("KOD"));
    EXPECT_FALSE(pages->texts().contains("0"));
    EXPECT_EQ(pages->pageCount(), 1);
}

TEST(StatisticsForms, TitlesKindsAndTheDistributionTable) {
    const statistics::Period periods[2] = {{2025, statistics::WholeYear}, {2026, statistics::FirstQuarter}};
    EXPECT_EQ(print::statisticsTitle("Płeć uległych wypadkom w ", periods), "Płeć uległych wypadkom w 2025, 2026 I kwartał");
    EXPECT_EQ(print::statisticsTitle("Wypadki ", periods), "Wypadki ");
    EXPECT_EQ(print::statisticsFormName(12, -1), "TqrZestStatFrm");
    EXPECT_EQ(print::statisticsKindCode(12, -1), "WypZestPoz");
    EXPECT_EQ(print::statisticsFormName(0, 3), "TqrZestStat01Frm");

    statistics::SummaryResult r;
    r.title = "Płeć uległych wypadkom w ";
    r.heading = "Płeć";
    r.distribution.rows.push_back({"", " Kobiety ", {0, 2}, {0, 100}, {0, 100}});
    r.distribution.total[1] = 2;
    r.distribution.totalChange = statistics::totalChange(0, 2);
    statistics::SummaryRequest q;
    q.kind = 15;
    q.periods[0] = periods[0];
    q.periods[1] = periods[1];
    const auto content = print::statisticsContent(r, q, "Firma -> ", QDate(2026, 12, 10));
    EXPECT_EQ(content.header.hidden, QStringList{"KOD"});
    EXPECT_EQ(content.header.periods[1], "2026 I kwartał");
    EXPECT_EQ(content.header.totals.value("ILOSC2"), "2");
    EXPECT_EQ(content.header.totals.value("WZROST"), "");
    print::registerReportForms();
    auto* form = dynamic_cast<print::SummaryReport*>(print::ReportForms::form("TqrZestStatFrm"));
    ASSERT_NE(form, nullptr);
    form->setRun(print::DocumentRun());
    form->setContent(content.header, content.rows);
    const print::PagesPtr pages = form->prepare();
    const print::Page& p = pages->page(1);
    EXPECT_TRUE(p.texts().contains("Płeć"));
    EXPECT_FALSE(p.texts().contains("KOD"));
    EXPECT_TRUE(p.texts().contains("Razem:"));
    // The category column takes the room of the code column.
    const print::DrawItem* women = p.findText(" Kobiety");
    ASSERT_NE(women, nullptr);
    EXPECT_LT(women->rect.left(), print::mm(11));  // at the margin
    form->setRun(print::DocumentRun());
}

} // namespace
} // namespace zort::test
