// The collective register on the second tab of both print selection windows, driven
// as the user drives it, against a firm with a unit of 500 positions and a store:
// the grid against SQL, the printouts' display lists, the database left as it was.
#include "PrintWindowFixture.h"

#include "core/Error.h"
#include "core/Formats.h"
#include "db/Dataset.h"
#include "db/DatasetModel.h"
#include "domain/StatisticsReading.h"
#include "printing/AdmDrukForm.h"
#include "printing/AdmDrukWDrodzeForm.h"
#include "printing/CollectiveForms.h"
#include "printing/CollectiveTab.h"
#include "printing/PrintForms.h"
#include "printing/engine/DisplayFormat.h"
#include "register/RejestrWypForm.h"
#include "register/ZnajdzForm.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "ui/DocumentWindows.h"
#include "ui/KalendarzForm.h"
#include "ui/StructureTree.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace zort::test {
namespace {

using print::CollectiveTab;
using print::CollectiveTabBase;
using print::TAdmDrukForm;
using print::TAdmDrukWDrodzeForm;

constexpr int kFirm = 1, kUnit = 2, kStore = 3, kStorePosition = 5, kFirst = 1000;

class CollectiveTabTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        print::registerCollectiveForms();
        admSettings().printDate = QDate(2024, 5, 10);
        element(kFirm, 0, 0, "F", "Firma");
        element(kUnit, kFirm, 0, "A", "Produkcja");
        element(kStore, kFirm, 0, "B", "Magazyn");
        element(kStorePosition, kStore, 1, "B1", "Magazynier");
        Transaction t(*shared);
        for (int i = 0; i < 500; ++i)
            element(kFirst + i, kUnit, 1, QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')), "Stanowisko");
        t.commit();
        // Two employees of one accident in production; a person with an accident card in
        // the store; a protocol not recognised; one of the next year; one without a position.
        work(1, QDateTime(QDate(2024, 3, 5), QTime(10, 0)), "Hala 1");
        injured(11, 1, "Nowak", 1, kFirst);
        injured(12, 1, "Adamski", 2, kFirst + 499);
        work(2, QDateTime(QDate(2024, 7, 1), QTime(9, 0)), "Magazyn");
        injured(21, 2, "Antczak", 0, kStorePosition);
        exec("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 2, RODZAJWYP = 1, NUMERKARTYWYP = 3, DATAZATW = '2024-07-20' "
             "WHERE ID = 21");
        work(3, QDateTime(QDate(2024, 9, 9), QTime(9, 0)), "Hala 2");
        injured(31, 3, "Cichy", 3, kStorePosition);
        exec("UPDATE SKWPOSZKODOWANI SET TYPWYP = 2 WHERE ID = 31");
        work(4, QDateTime(QDate(2025, 1, 2), QTime(9, 0)), "Hala 3");
        injured(41, 4, "Bąk", 4, kStorePosition);
        work(5, QDateTime(QDate(2024, 12, 31), QTime(23, 59)), "Brama");
        injured(51, 5, "Zając", 5, 0);
        commuting(61, QDateTime(QDate(2024, 4, 4), QTime(7, 0)), "Wrona", 0);
        commuting(62, QDateTime(QDate(2024, 8, 8), QTime(7, 0)), "Sroka", 1);
    }

    void element(int id, int parent, int type, const QString& code, const QString& name) {
        exec(QStringLiteral("INSERT INTO OSTRUKT (ID, IDRODZSTRUKT, NRPOZ, TYPSTRUKT, KOD, SKROTNAZWA, DATAUTW) "
                            "VALUES (:id, :p, :n, :t, :k, :s, '2000-01-01')"),
             Params{{"id", id}, {"p", parent}, {"n", parent == 0 ? 0 : 1}, {"t", type}, {"k", code}, {"s", name}});
    }
    void work(int id, const QDateTime& when, const QString& place) {
        exec("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, WERSJASKW, MIEJSCEWYP) "
             "VALUES (:id, :id, :d, :d, 'S', 5, :m)",
             Params{{"id", id}, {"d", when}, {"m", place}});
    }
    void injured(int id, int accidentId, const QString& surname, int protocol, int position) {
        exec("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NAZWISKO, IMIE, TYPWYP, RODZUMOWY, "
             "IDSTANOW, SKUTKI, DNINIEZDR, DATAPROT, DATAZATW, NRPISMAZUS, RODZURAZU, PROFILAKTYKA, STRUKTSKROT, "
             "STANOWKOD, STANOWSKROT) VALUES (:id, :a, :id, :p, :n, 'Jan', 0, 1, :s, 3, 12, '2024-03-08', '2024-03-10', "
             "'ZUS/7', 'Złamanie ręki', 'Szkolenie', 'Produkcja', 'A1', 'Tokarz')",
             Params{{"id", id}, {"a", accidentId}, {"p", protocol}, {"n", surname},
                    {"s", position == 0 ? QVariant() : QVariant(position)}});
    }
    void commuting(int id, const QDateTime& when, const QString& surname, int kind) {
        exec("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, NAZWISKO, IMIE, SKUTKI, RODZAJWYP, "
             "ILDNIZWOLNIENIA, PRZYCZYNY, STRUKTSKROT, STANOWKOD, STANOWSKROT) VALUES (:id, :id, 'D', :d, :d, :n, 'Ewa', 1, "
             ":k, 14, 'Poślizgnęła się na oblodzonym chodniku.', 'Biuro', 'K1', 'Księgowa')",
             Params{{"id", id}, {"d", when}, {"n", surname}, {"k", kind}});
    }

    // The tables of positions (the data module keeps a table of its own, of another column).
    int tempTables() { return value("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$FIELD_NAME = 'IDPOM'").toInt(); }
    // Every row of every table of the register, as text.
    QString dump() {
        Dataset tables(shared.get(), "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
                                     "AND RDB$VIEW_BLR IS NULL AND RDB$RELATION_NAME NOT STARTING WITH 'TEMP' ORDER BY 1");
        tables.open();
        QStringList out;
        for (tables.first(); !tables.eof(); tables.next()) {
            const QString t = tables.field(0).asString();
            Dataset rows(shared.get(), "SELECT * FROM " + t);
            rows.open();
            for (rows.first(); !rows.eof(); rows.next()) {
                QStringList values{t};
                for (int c = 0; c < rows.columnCount(); ++c) values << rows.field(c).asString();
                out << values.join('|');
            }
        }
        out.sort();
        return out.join('\n');
    }
    // The surnames the grid shows, and those of a statement.
    static QStringList grid(QTableView* view) {
        const auto* model = static_cast<const DatasetModel*>(view->model());
        int column = -1;
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->columns().at(size_t(c)).field == QLatin1String("NAZWISKO")) column = c;
        QStringList out;
        for (int r = 0; r < model->rowCount(); ++r) out << model->text(r, column);
        return out;
    }
    QStringList surnames(const QString& sql) {
        Dataset ds(shared.get(), sql);
        ds.open();
        QStringList out;
        for (ds.first(); !ds.eof(); ds.next()) out << ds.field(0).asString();
        return out;
    }
    QStringList workSql(const QString& where) {
        return surnames("SELECT p.NAZWISKO FROM SKWPOSZKODOWANI p JOIN SKWWYPADKI w ON w.ID = p.IDWYPADKU WHERE " + where +
                        " AND ((p.TYPWYP IN (0,1,4) AND p.RODZUMOWY = 1) OR (p.RODZUMOWY = 2 AND p.RODZAJWYP = 1)) "
                        "ORDER BY w.DATA, p.NAZWISKO, p.IMIE");
    }
    // A control as screen readers find it, by its label.
    template <class T>
    static T* labelled(QWidget* root, const QString& name) {
        for (const AccessibleControl& c : entryControls(root))
            if (c.name == name) return qobject_cast<T*>(c.iface->object());
        ADD_FAILURE() << "no control named " << name.toStdString();
        return nullptr;
    }
    // Types into the field and leaves it for the next one, as the user does.
    static void type(QLineEdit* field, const QString& text, QWidget* next) {
        field->setFocus();
        field->selectAll();
        if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
        else QTest::keyClicks(field, text);
        next->setFocus();
        QCoreApplication::processEvents();
    }
    TAdmDrukForm* collectiveTab() {
        TAdmDrukForm* w = Forms::getOrCreate<TAdmDrukForm>(QStringLiteral("TAdmDrukForm"));
        w->FormShow();
        w->show();
        QApplication::setActiveWindow(w);
        w->PageControl->setCurrentIndex(TAdmDrukForm::CollectiveTab);
        QCoreApplication::processEvents();
        return w;
    }
    static QString all(const QStringList& texts) { return texts.join('|'); }
    // The texts of a page without the blanks at their ends.
    static QStringList trimmed(const QStringList& texts) {
        QStringList out;
        for (const QString& t : texts) out << t.trimmed();
        return out;
    }
};

TEST_F(CollectiveTabTest, AUsersSequenceFromWydrukiThroughBothWindows) {
    const QString before = dump();
    registerSearchWindow();
    auto* main = new TRejestrWypForm();
    Forms::add(QStringLiteral("TRejestrWypForm"), main);
    main->show();
    {
        ModalAnswer answer([&]() {
            auto* w = Forms::get<TAdmDrukForm>(QStringLiteral("TAdmDrukForm"));
            ASSERT_NE(w, nullptr);
            w->PageControl->setCurrentIndex(TAdmDrukForm::CollectiveTab);
            QWidget* page = w->PageControl->currentWidget();
            auto* gridView = w->findChild<QTableView*>("DBGridZest");
            auto* label = w->findChild<QLabel*>("lOpZakl");
            ASSERT_TRUE(gridView && label);
            // The register year, every kind, the whole firm.
            EXPECT_EQ(grid(gridView), workSql("w.DATA >= '2024-01-01' AND w.DATA < '2025-01-01'"));
            EXPECT_EQ(grid(gridView).size(), 4);
            EXPECT_EQ(label->text(), "Lista wszystkich wypadków");
            EXPECT_EQ(gridView->model()->headerData(0, Qt::Horizontal).toString(), " Prot./    SKW Karta");
            auto* od = labelled<QLineEdit>(page, "Od");
            auto* to = labelled<QLineEdit>(page, "Do");
            ASSERT_TRUE(od && to);
            EXPECT_EQ(od->text(), "2024-01-01");
            EXPECT_EQ(to->text(), "2024-12-31");
            // A range: from March to November.
            type(od, "2024-03-05", to);
            type(to, "2024-11-30", od);
            EXPECT_EQ(grid(gridView), workSql("w.DATA >= '2024-03-05' AND w.DATA < '2024-12-01'"));
            EXPECT_EQ(dump(), before);
            // The unit of 500 positions.
            auto* tree = w->findChild<QTreeWidget*>("tvStruktPrzeds1");
            ASSERT_NE(tree, nullptr);
            tree->setCurrentItem(findStructureNode(tree, kUnit));
            EXPECT_EQ(grid(gridView).size(), 3) << "choosing a node rebuilds nothing";
            labelled<QRadioButton>(page, "Struktura organizacyjna — dla elementu struktury")->click();
            EXPECT_EQ(grid(gridView), (QStringList{"Adamski", "Nowak"}));
            EXPECT_EQ(label->text(), "Lista wypadków dla: Firma -> Produkcja");
            EXPECT_EQ(tempTables(), 0);
            // "Podgląd" of the full register.
            w->PreviewBtn->click();
            EXPECT_EQ(preview.shown, 1);
            EXPECT_EQ(preview.request.kind, "WypZestZbPln");
            EXPECT_TRUE(preview.request.landscape);
            EXPECT_EQ(preview.request.personId, 0);
            EXPECT_TRUE(preview.texts.contains("ZBIORCZY REJESTR WYPADKÓW PRZY PRACY ZA OKRES OD 2024-03-05 DO 2024-11-30"))
                << all(preview.texts).toStdString();
            EXPECT_TRUE(preview.texts.contains("Firma -> Produkcja"));
            EXPECT_TRUE(preview.texts.contains("Ilość wypadków w podanym przedziale czasowym - 1"));
            EXPECT_TRUE(preview.texts.contains("Adamski"));
            EXPECT_EQ(tempTables(), 0);
            EXPECT_EQ(dump(), before);
            // "Podgląd" of the short list: its query made afresh with the table.
            labelled<QRadioButton>(page, "Typ wydruku — skrócony")->click();
            w->PreviewBtn->click();
            EXPECT_EQ(preview.shown, 2);
            EXPECT_EQ(preview.request.kind, "WypZestZbSkr");
            EXPECT_FALSE(preview.request.landscape);
            EXPECT_TRUE(preview.texts.contains("Zestawienie wypadków w przedsiębiorstwie od 2024-03-05 do 2024-11-30"));
            EXPECT_TRUE(preview.texts.contains("Nowak Jan"));
            EXPECT_TRUE(preview.texts.contains("[A1] Tokarz"));
            EXPECT_FALSE(preview.texts.contains("Antczak Jan"));
            EXPECT_EQ(tempTables(), 0);
            EXPECT_EQ(grid(gridView), (QStringList{"Adamski", "Nowak"}));
            // Another tab closes the list; coming back opens it again for the same element.
            w->PageControl->setCurrentIndex(TAdmDrukForm::DocumentsTab);
            EXPECT_TRUE(grid(gridView).isEmpty());
            w->PageControl->setCurrentIndex(TAdmDrukForm::CollectiveTab);
            EXPECT_EQ(grid(gridView), (QStringList{"Adamski", "Nowak"}));
            EXPECT_EQ(tempTables(), 0);
            // Back to the whole firm.
            labelled<QRadioButton>(page, "Struktura organizacyjna — wszystkie")->click();
            EXPECT_EQ(grid(gridView), workSql("w.DATA >= '2024-03-05' AND w.DATA < '2024-12-01'"));
            EXPECT_EQ(label->text(), "Lista wszystkich wypadków");
            EXPECT_EQ(dump(), before);
            w->CloseBtn->click();
        });
        main->button(QStringLiteral("DrukBtn"))->trigger();
    }
    EXPECT_EQ(preview.shown, 2);
    EXPECT_EQ(tempTables(), 0);
    main->hide();

    // The commuting window's tab and its preview.
    {
        ModalAnswer answer([&]() {
            auto* w = Forms::get<TAdmDrukWDrodzeForm>(QStringLiteral("TAdmDrukWDrodzeForm"));
            ASSERT_NE(w, nullptr);
            w->PageControl->setCurrentIndex(TAdmDrukWDrodzeForm::SummaryTab);
            QWidget* page = w->PageControl->currentWidget();
            auto* gridView = page->findChild<QTableView*>("DBGridZest");
            ASSERT_NE(gridView, nullptr);
            EXPECT_EQ(grid(gridView), surnames("SELECT NAZWISKO FROM SKWWYPADKIWDRODZE WHERE RODZAJWYP = 0 AND "
                                               "DATA >= '2024-01-01' AND DATA < '2025-01-01' ORDER BY DATA"));
            labelled<QRadioButton>(page, "Wypadki — wypadków nie uznanych")->click();
            EXPECT_EQ(grid(gridView), QStringList{"Sroka"});
            w->PreviewBtn->click();
            EXPECT_EQ(preview.request.kind, "WypDrogaZestZbPln");
            EXPECT_TRUE(preview.texts.contains("nie uznanych za wypadki")) << all(preview.texts).toStdString();
            EXPECT_TRUE(preview.texts.contains("Poślizgnęła się na oblodzonym chodniku."));
            w->CloseBtn->click();
        });
        EXPECT_TRUE(DocumentWindows::open({QStringLiteral("TAdmDrukWDrodzeForm"), true, nullptr}));
    }
    EXPECT_EQ(preview.shown, 3);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(tempTables(), 0);
}

TEST_F(CollectiveTabTest, BadInputAndFailuresPrintNothing) {
    TAdmDrukForm* w = collectiveTab();
    QWidget* page = w->PageControl->currentWidget();
    auto* od = labelled<QLineEdit>(page, "Od");
    auto* to = labelled<QLineEdit>(page, "Do");
    auto* gridView = w->findChild<QTableView*>("DBGridZest");
    ASSERT_TRUE(od && to && gridView);
    type(od, "", to);
    EXPECT_EQ(ui.lastText(), "Pole nie może być puste.");
    EXPECT_EQ(QApplication::focusWidget(), od);
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, 0);
    type(od, "2024-13-01", to);
    EXPECT_EQ(ui.lastText(), "Zły format daty.");
    EXPECT_EQ(QApplication::focusWidget(), od);
    w->PrintBtn->click();
    EXPECT_EQ(ui.lastText(), "Zły format daty.");
    // Od after Do: the message, the focus back, the list of the dates all the same.
    type(od, "2024-08-01", to);
    EXPECT_EQ(grid(gridView), QStringList{"Zając"});
    ui.clear();
    type(to, "2024-07-31", od);
    EXPECT_EQ(ui.lastText(), "Źle ustawione daty.");
    EXPECT_EQ(QApplication::focusWidget(), to);
    EXPECT_TRUE(grid(gridView).isEmpty());
    type(to, "2024-12-31", od);

    // The configured date format.
    const auto resetFormats = [] {
        Formats::reset();
        print::setShortDateFormat("yyyy-MM-dd");
    };
    struct Restore {
        std::function<void()> reset;
        ~Restore() { reset(); }
    } restore{resetFormats};
    Formats::applyDateFormat("dd.MM.yyyy");
    print::setShortDateFormat("dd.MM.yyyy");
    w->FormShow();
    w->PageControl->setCurrentIndex(TAdmDrukForm::CollectiveTab);
    EXPECT_EQ(od->text(), "01.01.2024");
    type(od, "2024-03-05", to);
    EXPECT_EQ(ui.lastText(), "Zły format daty.");
    type(od, "05.03.2024", to);
    w->PreviewBtn->click();
    EXPECT_TRUE(preview.texts.contains("ZBIORCZY REJESTR WYPADKÓW PRZY PRACY ZA OKRES OD 05.03.2024 DO 31.12.2024"))
        << all(preview.texts).toStdString();
    EXPECT_TRUE(preview.texts.contains("05.03.2024"));
    resetFormats();
    w->FormShow();
    w->PageControl->setCurrentIndex(TAdmDrukForm::CollectiveTab);

    QApplication::setActiveWindow(w);  // after the wait window
    // No kind: the message at once with the focus on "Karty wypadków", and before printing.
    const int shown = preview.shown;
    auto* cards = labelled<QCheckBox>(page, "Karty wypadków");
    auto* protocols = labelled<QCheckBox>(page, "Prot. powypadkowe");
    cards->click();
    EXPECT_EQ(grid(gridView), (QStringList{"Adamski", "Nowak", "Zając"}));
    protocols->click();
    EXPECT_EQ(ui.lastText(), statistics::noTypeMessage());
    EXPECT_EQ(QApplication::focusWidget(), cards);
    EXPECT_EQ(grid(gridView), (QStringList{"Adamski", "Nowak", "Zając"})) << "nothing rebuilt";
    ui.clear();
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), statistics::noTypeMessage());
    EXPECT_EQ(preview.shown, shown);
    cards->click();
    EXPECT_EQ(grid(gridView), (QStringList{"Antczak"}));
    // No element.
    auto* tree = w->findChild<QTreeWidget*>("tvStruktPrzeds1");
    labelled<QRadioButton>(page, "Struktura organizacyjna — dla elementu struktury")->click();
    tree->setCurrentItem(nullptr);
    w->PreviewBtn->click();
    EXPECT_EQ(ui.lastText(), statistics::noElementMessage());
    EXPECT_EQ(preview.shown, shown);

    // A failing statement: the reason, the table dropped, nothing previewed.
    tree->setCurrentItem(findStructureNode(tree, kUnit));
    protocols->click();
    exec("ALTER TABLE SKWPOSZKODOWANI DROP NRPISMAZUS");
    labelled<QRadioButton>(page, "Typ wydruku — skrócony")->click();
    EXPECT_TRUE(ui.lastText().contains("NRPISMAZUS")) << ui.lastText().toStdString();
    EXPECT_EQ(tempTables(), 0);
    ui.clear();
    w->PreviewBtn->click();
    EXPECT_EQ(preview.shown, shown);
    EXPECT_TRUE(ui.lastText().contains("NRPISMAZUS")) << ui.lastText().toStdString();
    EXPECT_EQ(tempTables(), 0);
    w->hide();
}

TEST_F(CollectiveTabTest, ThePrintoutsOfEachChoice) {
    // Enough employees of production for three pages of the full register.
    Transaction t(*shared);
    for (int i = 0; i < 40; ++i) {
        work(100 + i, QDateTime(QDate(2024, 10, 1), QTime(8, i)), "Hala produkcyjna");
        injured(1000 + i, 100 + i, QStringLiteral("Kowal%1").arg(i, 2, 10, QLatin1Char('0')), 100 + i, kFirst + i);
    }
    t.commit();
    exec("UPDATE SKWPOSZKODOWANI SET PROFILAKTYKA = 'Wymienić osłony.' || ASCII_CHAR(13) || ASCII_CHAR(10) || "
         "'Przeszkolić zmianę.' || ASCII_CHAR(13) || ASCII_CHAR(10) || 'Oznakować przejścia.' WHERE ID >= 1000");
    QWidget window;
    auto* pageWidget = new QWidget(&window);
    new QVBoxLayout(pageWidget);
    CollectiveTab tab;
    tab.setDataModule(dm);
    tab.build(pageWidget);
    const PrintTabContext context;
    tab.show(context);
    tab.entered();
    auto* full = dynamic_cast<print::SummaryReport*>(print::ReportForms::form(print::kCollectiveFullForm));
    auto* brief = dynamic_cast<print::SummaryReport*>(print::ReportForms::form(print::kCollectiveShortForm));
    ASSERT_TRUE(full && brief);
    const auto print = [&](print::SummaryReport* form) {
        form->setRun(print::DocumentRun{dm, admSettings(), false});
        tab.fillForm(*form, context);
        print::PagesPtr pages = form->prepare();
        tab.finished();
        return pages;
    };

    // The unit: the path without its last arrow, three pages, the count of accidents.
    ASSERT_TRUE(tab.selectElement(kUnit));
    print::PagesPtr pages = print(full);
    ASSERT_EQ(pages->pageCount(), 3);
    const QStringList first = trimmed(pages->page(1).texts());
    EXPECT_TRUE(first.contains("Firma -> Produkcja")) << all(first).toStdString();
    EXPECT_TRUE(first.contains("Wykaz sporządzono :"));
    EXPECT_TRUE(first.contains("10.05.2024"));
    EXPECT_TRUE(first.contains("uznanych za wypadek"));
    EXPECT_TRUE(first.contains("protokołu powyp./")) << all(first).toStdString();
    EXPECT_TRUE(first.contains("Strona 1/ 3"));
    EXPECT_TRUE(first.contains("Protokół"));
    EXPECT_TRUE(first.contains("Hala 1"));
    EXPECT_TRUE(first.contains("ciężkie uszkodzenie ciała") || first.contains("inne skutki"));
    EXPECT_TRUE(first.contains("Przeszkolić zmianę.")) << "the memo's lines";
    EXPECT_TRUE(pages->page(3).texts().contains("Ilość wypadków w podanym przedziale czasowym - 41"));
    EXPECT_FALSE(pages->page(1).texts().contains("Ilość wypadków w podanym przedziale czasowym - 41"));

    // Only cards: their labels; the approval date belongs to protocols only.
    tab.setChoice("cbProtPowyp", "N");
    ASSERT_TRUE(tab.selectElement(0));
    pages = print(full);
    ASSERT_EQ(pages->pageCount(), 1);
    QStringList texts = trimmed(pages->page(1).texts());
    EXPECT_TRUE(texts.contains("Karta")) << all(texts).toStdString();
    EXPECT_TRUE(texts.contains("karty wyp."));
    EXPECT_FALSE(texts.contains("Protokół"));
    EXPECT_FALSE(texts.contains("2024-07-20")) << "DATAZATW of a card";
    EXPECT_TRUE(texts.contains("2024-03-08"));
    EXPECT_TRUE(texts.contains("Ilość wypadków w podanym przedziale czasowym - 1"));
    pages = print(brief);
    texts = trimmed(pages->page(1).texts());
    EXPECT_TRUE(texts.contains("Nr karty wyp.")) << all(texts).toStdString();
    EXPECT_TRUE(texts.contains("Wydrukowano : 10.05.2024"));
    EXPECT_TRUE(texts.contains("Antczak Jan"));
    // Only protocols, not recognised.
    tab.setChoice("cbProtPowyp", "T");
    tab.setChoice("cbKartyWyp", "N");
    tab.setChoice("rgTypWyp", "1");
    pages = print(brief);
    texts = trimmed(pages->page(1).texts());
    EXPECT_TRUE(texts.contains("Nr prot. powyp.")) << all(texts).toStdString();
    EXPECT_TRUE(texts.contains("(nie uznanych za  wypadek)"));
    EXPECT_TRUE(texts.contains("Cichy Jan"));
    EXPECT_TRUE(texts.contains("Ilość wypadków w podanym przedziale czasowym - 1"));

    // An empty range: the short list prints its headings and 0, the full one nothing.
    tab.setChoice("dataOd", "2023-01-01");
    tab.setChoice("dataDo", "2023-12-31");
    pages = print(brief);
    ASSERT_EQ(pages->pageCount(), 1);
    texts = trimmed(pages->page(1).texts());
    EXPECT_TRUE(texts.join(' ').contains("Nazwisko Imię poszkodowanego")) << all(texts).toStdString();
    EXPECT_TRUE(texts.contains("Ilość wypadków w podanym przedziale czasowym - 0"));
    EXPECT_EQ(print(full)->pageCount(), 0);
    EXPECT_EQ(tempTables(), 0);
    tab.left();

    // The commuting printouts.
    QWidget other;
    auto* commutingPage = new QWidget(&other);
    new QVBoxLayout(commutingPage);
    print::CommutingCollectiveTab commutingTab;
    commutingTab.setDataModule(dm);
    commutingTab.build(commutingPage);
    commutingTab.show(context);
    auto* commutingFull = dynamic_cast<print::SummaryReport*>(print::ReportForms::form(print::kCommutingFullForm));
    auto* commutingShort = dynamic_cast<print::SummaryReport*>(print::ReportForms::form(print::kCommutingShortForm));
    ASSERT_TRUE(commutingFull && commutingShort);
    commutingFull->setRun(print::DocumentRun{dm, admSettings(), false});
    commutingTab.fillForm(*commutingFull, context);
    texts = trimmed(commutingFull->prepare()->page(1).texts());
    commutingTab.finished();
    EXPECT_TRUE(texts.join(' ').contains("ZBIORCZY REJESTR WYPADKÓW W DRODZE DO LUB Z PRACY ZA OKRES OD 2024-01-01 DO 2024-12-31"))
        << all(texts).toStdString();
    EXPECT_TRUE(texts.join(' ').contains("czasowa niezdolność do pracy osoby poszkodowanej"));
    EXPECT_TRUE(texts.contains("Wrona"));
    EXPECT_FALSE(texts.contains("Sroka"));
    EXPECT_FALSE(texts.contains("nie uznanych za wypadki"));
    commutingTab.setChoice("rgTypWyp", "1");
    commutingShort->setRun(print::DocumentRun{dm, admSettings(), false});
    commutingTab.fillForm(*commutingShort, context);
    texts = trimmed(commutingShort->prepare()->page(1).texts());
    commutingTab.finished();
    EXPECT_TRUE(texts.contains("(nie uznanych za wypadek w drodze do lub z pracy)")) << all(texts).toStdString();
    EXPECT_TRUE(texts.contains("Sroka Ewa"));
    EXPECT_TRUE(texts.contains("[K1] Księgowa"));
    EXPECT_FALSE(commutingTab.shortQuery()->isOpen()) << "closed after the printout";
}

TEST_F(CollectiveTabTest, CalendarsChoicesByNameAndAccessibleNames) {
    TAdmDrukForm* w = collectiveTab();
    QWidget* page = w->PageControl->currentWidget();
    auto* gridView = w->findChild<QTableView*>("DBGridZest");
    // The calendar beside "Do:" sets the day and rebuilds.
    {
        ModalAnswer answer([&]() {
            calendarForm().setDate(QDate(2024, 6, 30));
            calendarForm().findChild<QPushButton*>("bbAkceptuj")->click();
        });
        w->findChild<QPushButton*>("bKalendarzDo")->click();
    }
    EXPECT_EQ(w->findChild<QLineEdit*>("dataDo")->text(), "2024-06-30");
    EXPECT_EQ(grid(gridView), (QStringList{"Adamski", "Nowak"}));
    // "wg nazwiska"
    labelled<QRadioButton>(page, "Sortowanie — wg nazwiska")->click();
    EXPECT_EQ(grid(gridView), (QStringList{"Adamski", "Nowak"}));
    EXPECT_EQ(accessibilityFaults(w).join('\n').toStdString(), "");

    // A structure reloaded empty: "wszystkie", disabled.
    labelled<QRadioButton>(page, "Struktura organizacyjna — dla elementu struktury")->click();
    exec("DELETE FROM OSTRUKT");
    emit admSettingsNotifier().changed(QLatin1String(kAdmStructureReload));
    w->FormShow();
    w->PageControl->setCurrentIndex(TAdmDrukForm::CollectiveTab);
    auto* structure = w->findChild<RadioGroup*>("rgStruktura");
    EXPECT_EQ(w->findChild<QTreeWidget*>("tvStruktPrzeds1")->topLevelItemCount(), 0);
    EXPECT_EQ(structure->itemIndex(), 0);
    EXPECT_FALSE(structure->isEnabled());

    // Choices by name refuse what the controls refuse.
    CollectiveTab tab;
    QWidget window;
    auto* other = new QWidget(&window);
    new QVBoxLayout(other);
    tab.build(other);
    for (const auto& [name, value] : {std::pair{"dataOd", "05.03.2024"}, {"rgTypWyp", "2"}, {"cbKartyWyp", "TAK"},
                                      {"rgZest", "1"}})
        EXPECT_THROW(tab.setChoice(name, value), Error) << name;
    tab.setChoice("dataOd", "2024-03-05");
    EXPECT_EQ(tab.dataOd->text(), "2024-03-05");
    EXPECT_EQ(tab.formName(), "TZestZbDrukFrm");
    tab.rgTypWydr->setItemIndex(1);
    EXPECT_EQ(tab.formName(), "TqrZestRocz1Frm");
    EXPECT_EQ(tab.kindCode(), "WypZestZbSkr");
    w->hide();
}

} // namespace
} // namespace zort::test

namespace zort::test {
namespace {

// Pictures of both tabs for looking at them (with ZORT_SHOT_DIR set).
TEST_F(CollectiveTabTest, Pictures) {
    const QString dir = qEnvironmentVariable("ZORT_SHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "no picture folder";
    TAdmDrukForm* w = collectiveTab();
    w->resize(900, 640);
    auto* tree = w->findChild<QTreeWidget*>("tvStruktPrzeds1");
    tree->expandAll();
    tree->setCurrentItem(findStructureNode(tree, kUnit));
    w->findChild<RadioGroup*>("rgStruktura")->button(1)->click();
    QCoreApplication::processEvents();
    w->grab().save(dir + "/TAdmDrukForm-zestawienie.png");
    w->hide();
    auto* c = Forms::getOrCreate<TAdmDrukWDrodzeForm>(QStringLiteral("TAdmDrukWDrodzeForm"));
    c->FormShow();
    c->show();
    c->PageControl->setCurrentIndex(TAdmDrukWDrodzeForm::SummaryTab);
    QCoreApplication::processEvents();
    c->grab().save(dir + "/TAdmDrukWDrodzeForm-zestawienie.png");
    c->hide();
}

} // namespace
} // namespace zort::test
