// The windows of the register as screen readers and UI automation see them: every
// entry control is found by its label, the lists are tables with column headers,
// the toolbar's twin captions are told apart, read-only fields look read-only, and
// the entry pages fit the window's default size.
#include "MainWindowFixture.h"

#include "ui/KalendarzForm.h"
#include "ui/ListForm.h"
#include "support/AccessibleWalk.h"
#include "support/FieldWidths.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

using namespace zort;
using namespace zort::test;

namespace {

class AccessibilityTest : public MainWindowTest {
protected:
    // An accident with an injured person (an employee), open on the entry pages.
    void openRecord() {
        w->DodWypBtnClick();
        c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1");
        dm->qrySKWPoszkodowani->refresh();
        w->loadRecord(Register::AtWork);
        w->showSubPage(Register::AtWork, 1);
        ASSERT_TRUE(editing());
    }
    void settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    // Shows every page of `tabs` in turn and checks it.
    void checkPages(QTabWidget* tabs, const std::function<void(QWidget*, const QString&)>& check) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i)) continue;
            tabs->setCurrentIndex(i);
            settle();
            check(tabs->widget(i), tabs->tabText(i));
        }
    }
    void expectNoFaults(QWidget* page, const QString& caption) {
        const QStringList faults = accessibilityFaults(page);
        EXPECT_TRUE(faults.isEmpty()) << caption.toStdString() << ":\n  " << faults.join("\n  ").toStdString();
    }
};

QScrollArea* scrollOf(QWidget* page) { return page->findChild<QScrollArea*>(); }

} // namespace

TEST_F(AccessibilityTest, EveryEntryControlOfTheMainWindowIsFoundByItsLabel) {
    openRecord();
    QTabWidget* sub = w->subPages(Register::AtWork);
    sub->setCurrentIndex(1);
    settle();
    expectNoFaults(sub->widget(1), QStringLiteral("Wypadek"));
    sub->setCurrentIndex(2);
    int walked = 0;
    checkPages(w->personPages(), [&](QWidget* page, const QString& caption) {
        expectNoFaults(page, caption);
        walked += int(entryControls(page).size());
    });
    EXPECT_GT(walked, 150);
    // The commuting register's pages.
    w->showSubPage(Register::AtWork, 0);
    w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
    settle();
    QTabWidget* commuting = w->subPages(Register::Commuting);
    for (int i = 0; i < commuting->count(); ++i) {
        commuting->setCurrentIndex(i);
        settle();
        if (auto* nested = commuting->widget(i)->findChild<QTabWidget*>())
            checkPages(nested, [&](QWidget* page, const QString& caption) { expectNoFaults(page, caption); });
        else expectNoFaults(commuting->widget(i), commuting->tabText(i));
    }
}

TEST_F(AccessibilityTest, AComboBoxIsNamedByItsLabelAndShowsItsEntryAsValue) {
    openRecord();
    w->subPages(Register::AtWork)->setCurrentIndex(2);
    w->personPages()->setCurrentIndex(0);
    settle();
    auto* province = w->findChild<QComboBox*>("cmbWojew");
    ASSERT_TRUE(province);
    ASSERT_GT(province->count(), 0);
    province->setCurrentIndex(0);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(province);
    ASSERT_TRUE(a);
    EXPECT_EQ(QAccessible::ComboBox, a->role());
    EXPECT_EQ(QString::fromUtf8("Województwo — lista"), a->text(QAccessible::Name));
    EXPECT_EQ(province->currentText(), a->text(QAccessible::Value));
    // A combo box with its own label is labelled by it and named after it.
    auto* persons = w->findChild<QComboBox*>("cbNazwisko");
    QAccessibleInterface* p = QAccessible::queryAccessibleInterface(persons);
    EXPECT_EQ(QString::fromUtf8("Pracownik z ewidencji"), p->text(QAccessible::Name));
    ASSERT_EQ(1, p->relations(QAccessible::Label).size());
    EXPECT_EQ(QString::fromUtf8("Pracownik z ewidencji :"), p->relations(QAccessible::Label).first().first->text(QAccessible::Name));
    // The list of the entries is still reachable, and the combo opens it.
    bool hasList = false;
    for (int i = 0; i < a->childCount(); ++i) hasList |= a->child(i) && a->child(i)->role() == QAccessible::List;
    EXPECT_TRUE(hasList);
    ASSERT_TRUE(a->actionInterface());
    EXPECT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    // Fields beside a labelled field: the field's label and what they are.
    EXPECT_EQ(QString::fromUtf8("Obywatelstwo — opis"), w->findChild<QLineEdit*>("epObywatelstwo")->accessibleName());
    EXPECT_EQ(QString::fromUtf8("Płeć — kobieta"), radio("rgpPlec")->button(1)->accessibleName());
    EXPECT_EQ(QString::fromUtf8("Płeć"), radio("rgpPlec")->accessibleName());
}

TEST_F(AccessibilityTest, ListsAreTablesWithColumnHeaders) {
    w->DodWypBtnClick();
    w->showSubPage(Register::AtWork, 0);
    settle();
    for (const char* name : {"DBGridWypadki", "DBGridPoszkodowani"}) {
        QTableView* view = w->list(QString::fromLatin1(name));
        ASSERT_TRUE(view) << name;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(view);
        EXPECT_EQ(QAccessible::Table, a->role()) << name;
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << name;
        QAccessibleTableInterface* t = a->tableInterface();
        ASSERT_TRUE(t) << name;
        ASSERT_EQ(view->model()->columnCount(), t->columnCount()) << name;
        ASSERT_GT(t->rowCount(), 0) << name;
        QAccessibleInterface* cell = t->cellAt(0, 0);
        ASSERT_TRUE(cell && cell->tableCellInterface()) << name;
        const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(1, headers.size()) << name;
        EXPECT_EQ(QAccessible::ColumnHeader, headers.first()->role()) << name;
        EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), headers.first()->text(QAccessible::Name))
            << name;
    }
}

TEST_F(AccessibilityTest, TwinToolbarCaptionsAreToldApartByTheirHints) {
    auto* bar = w->findChild<QToolBar*>("ToolBar1");
    ASSERT_TRUE(bar);
    const QList<QToolButton*> buttons = bar->findChildren<QToolButton*>();
    QHash<QString, int> captions;
    for (QToolButton* b : buttons)
        if (b->defaultAction()) ++captions[b->text()];
    EXPECT_EQ(2, captions.value("Wypadek"));
    EXPECT_EQ(2, captions.value("Poszkod."));
    const QHash<QString, QString> hints = {{"DodWypBtn", "Dodaj wypadek"},
                                           {"sbKasWypBtn", "Skasuj wypadek"},
                                           {"DodPoszkBtn", "Dodaj poszkodowanego"},
                                           {"sbKasPoszkBtn", "Skasuj poszkodowanego"}};
    QSize glyph;
    int captionTop = -1;
    for (QToolButton* b : buttons) {
        if (!b->defaultAction()) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        if (hints.contains(b->objectName())) {
            EXPECT_EQ(hints.value(b->objectName()), a->text(QAccessible::Description)) << b->objectName().toStdString();
            EXPECT_EQ(b->text(), a->text(QAccessible::Name));
        }
        // One glyph size: the icon has a pixmap of the toolbar's size in every state.
        const QSize actual = b->icon().actualSize(bar->iconSize());
        EXPECT_EQ(bar->iconSize(), actual) << b->objectName().toStdString();
        if (!glyph.isValid()) glyph = actual;
        EXPECT_EQ(glyph, actual);
        // And one height, so the captions under the glyphs are on one line.
        if (captionTop < 0) captionTop = b->sizeHint().height();
        EXPECT_EQ(captionTop, b->sizeHint().height()) << b->objectName().toStdString();
    }
}

TEST_F(AccessibilityTest, SearchWindowAndListPickerAreFoundByTheirLabels) {
    TZnajdzForm search(w);
    search.show();
    settle();
    EXPECT_TRUE(accessibilityFaults(&search).isEmpty()) << accessibilityFaults(&search).join("\n").toStdString();
    EXPECT_EQ(5, entryControls(&search).size());
    QAccessibleInterface* surname = QAccessible::queryAccessibleInterface(search.findChild<QLineEdit*>("eNazwisko"));
    EXPECT_EQ("Nazwisko", surname->text(QAccessible::Name));

    TListForm picker(w);
    picker.show();
    settle();
    EXPECT_TRUE(accessibilityFaults(&picker).isEmpty());
    auto* list = picker.findChild<QWidget*>("ListBox1");
    EXPECT_EQ("Lista", QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name));

    // The calendar: its buttons by their captions, the days under the weekday headers.
    TKalendarzForm calendar(w);
    calendar.setDate(QDate(2024, 2, 14));
    calendar.show();
    settle();
    EXPECT_TRUE(accessibilityFaults(&calendar).isEmpty()) << accessibilityFaults(&calendar).join("\n").toStdString();
    auto* grid = calendar.findChild<QTableWidget*>();
    ASSERT_TRUE(grid);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_TRUE(table && table->tableInterface());
    QAccessibleInterface* monday = table->tableInterface()->cellAt(1, 0);
    ASSERT_TRUE(monday && monday->tableCellInterface());
    const QList<QAccessibleInterface*> headers = monday->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(1, headers.size());
    EXPECT_EQ("pon.", headers.first()->text(QAccessible::Name));
    EXPECT_EQ("luty, 2024", calendar.title());
}

TEST_F(AccessibilityTest, EntryPagesFitTheDefaultWindowAndGrowWithIt) {
    openRecord();
    w->resize(1180, 760);
    settle();
    QTabWidget* sub = w->subPages(Register::AtWork);
    auto fits = [&](QWidget* page, const QString& caption) {
        QScrollArea* scroll = scrollOf(page);
        ASSERT_TRUE(scroll) << caption.toStdString();
        const QSize need = scroll->widget()->minimumSizeHint();
        const QSize have = scroll->viewport()->size();
        EXPECT_LE(need.height(), have.height()) << caption.toStdString();
        EXPECT_LE(need.width(), have.width()) << caption.toStdString();
    };
    sub->setCurrentIndex(1);
    settle();
    fits(sub->widget(1), QStringLiteral("Wypadek"));
    sub->setCurrentIndex(2);
    checkPages(w->personPages(), fits);
    // A larger window gives the page more room, without a scroll bar.
    w->personPages()->setCurrentIndex(1);
    settle();
    QScrollArea* scroll = scrollOf(w->personPages()->widget(1));
    const int before = scroll->widget()->height();
    w->resize(1400, 900);
    settle();
    EXPECT_GT(scroll->widget()->height(), before);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

TEST_F(AccessibilityTest, EntryPagesNeedNoSidewaysScrollingAt1024x768) {
    openRecord();
    w->resize(1024, 768);
    settle();
    QTabWidget* sub = w->subPages(Register::AtWork);
    auto fits = [&](QWidget* page, const QString& caption) {
        QScrollArea* scroll = scrollOf(page);
        ASSERT_TRUE(scroll) << caption.toStdString();
        EXPECT_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width()) << caption.toStdString();
    };
    sub->setCurrentIndex(1);
    settle();
    fits(sub->widget(1), QStringLiteral("Wypadek"));
    sub->setCurrentIndex(2);
    checkPages(w->personPages(), fits);
    // Dates, numbers and short codes are as wide as what they hold, names and texts wide.
    EXPECT_LT(edit("ewNumer")->width(), 220);
    EXPECT_LT(edit("epDataUr")->width(), 220);
    EXPECT_LT(edit("epKodPocz")->width(), 120);
    EXPECT_GT(edit("epNazwisko")->width(), 250);
}

TEST_F(AccessibilityTest, EveryFieldOfTheEntryPagesShowsItsWholeValue) {
    openRecord();
    w->resize(1180, 760);
    EXPECT_EQ("", pageFaults(w, QStringLiteral("RejestrWypForm")));
    // A field whose limit grew after it was built (a stored text longer than the
    // limit) is wide enough for it when it is shown again.
    w->personPages()->setCurrentIndex(0);
    QLineEdit* code = edit("epKodPocz");
    code->setMaxLength(12);
    w->personPages()->setCurrentIndex(1);
    w->personPages()->setCurrentIndex(0);
    settle();
    EXPECT_TRUE(showsWhole(code, QString(12, QLatin1Char('0'))));
}

TEST_F(AccessibilityTest, ReadOnlyBoundFieldsAreReadOnlyAndLookSo) {
    openRecord();
    settle();
    const QColor editable = edit("ewNumer")->palette().color(QPalette::Base);
    EXPECT_FALSE(edit("ewNumer")->isReadOnly());
    for (const char* name : {"ewPoszkodowani", "ewIdMiejsca", "e0Data", "e9Pesel", "epIdObywatelstwo", "epStanowKod",
                             "epIdLiczbaPrac", "epIdUmowy"}) {
        QLineEdit* e = edit(name);
        ASSERT_TRUE(e) << name;
        EXPECT_TRUE(e->isReadOnly()) << name;
        EXPECT_TRUE(e->isEnabled()) << name;
        EXPECT_NE(editable, e->palette().color(QPalette::Base)) << name;
        EXPECT_EQ(e->palette().color(QPalette::Window), e->palette().color(QPalette::Base)) << name;
    }
}

TEST_F(AccessibilityTest, ViewOnlyUsersSeeEveryFieldReadOnly) {
    TearDown();
    start(1);
    w->DodWypBtnClick();
    settle();
    const QColor window = edit("ewNumer")->palette().color(QPalette::Window);
    for (const char* name : {"ewNumer", "epNazwisko", "erDataZg"}) {
        EXPECT_TRUE(edit(name)->isReadOnly()) << name;
        EXPECT_EQ(window, edit(name)->palette().color(QPalette::Base)) << name;
    }
}
