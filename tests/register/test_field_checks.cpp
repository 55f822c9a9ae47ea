// The checks of the fields of the accident-at-work pages as the user meets them:
// leaving a changed field shows its message and brings the focus back, the
// calendar buttons write their date and run the same check.
#include "MainWindowFixture.h"

#include "domain/FieldChecks.h"
#include "register/FieldCheckLinks.h"
#include "ui/KalendarzForm.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace zort;
using namespace zort::test;

namespace {

class FieldChecksOnPages : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QApplication::setActiveWindow(w);
        w->DodWypBtnClick();
        w->showSubPage(Register::AtWork, 1);
        ui.clear();
    }
    // The user types `typed` over the field's text and leaves it for `next`.
    void typeAndLeave(const char* field, const QString& typed, const char* next = "ewSymbolWyp") {
        QLineEdit* e = edit(field);
        e->setFocus();
        e->selectAll();
        if (typed.isEmpty()) QTest::keyClick(e, Qt::Key_Delete);
        else QTest::keyClicks(e, typed);
        edit(next)->setFocus();
        QCoreApplication::processEvents();  // the check runs once the focus has moved
    }
    void leaveFor(const char* next) {
        edit(next)->setFocus();
        QCoreApplication::processEvents();
    }
    void clickCalendar(const char* button) { w->findChild<QToolButton*>(QString::fromLatin1(button))->click(); }
    static void accept(const QDate& day) {
        calendarForm().setDate(day);
        calendarForm().findChild<QPushButton*>("bbAkceptuj")->click();
    }
};

TEST_F(FieldChecksOnPages, LeavingAChangedNumberFieldChecksIt) {
    typeAndLeave("ewStratyCzasu", "70000");
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(QString::fromUtf8("Tylko liczby dodatnie. Max. 32767."), ui.lastText());
    EXPECT_EQ(MsgIcon::Error, ui.shown.back().icon);
    EXPECT_EQ(edit("ewStratyCzasu"), QApplication::focusWidget());
    EXPECT_EQ("70000", edit("ewStratyCzasu")->text()) << "the value stays for the user to mend";

    // Leaving it again unchanged checks it again.
    leaveFor("ewSymbolWyp");
    EXPECT_EQ(2u, ui.shown.size());
    EXPECT_EQ(edit("ewStratyCzasu"), QApplication::focusWidget());

    typeAndLeave("ewStratyCzasu", "30000");
    EXPECT_EQ(2u, ui.shown.size());
    EXPECT_EQ(edit("ewSymbolWyp"), QApplication::focusWidget());

    // A field the user did not change is not checked; nor is a value written by the program.
    edit("ewNumer")->setText("abc");
    edit("ewNumer")->setFocus();
    leaveFor("ewSymbolWyp");
    EXPECT_EQ(2u, ui.shown.size());

    typeAndLeave("ewNumer", "-5");
    EXPECT_EQ(QString::fromUtf8("Tylko liczby dodatnie."), ui.lastText());
    typeAndLeave("ewNumer", "7");
    typeAndLeave("ewStratyZl", "abc");
    EXPECT_EQ(QString::fromUtf8("Zły format liczby rzeczywistej. Max. 3.4 x 10^38."), ui.lastText());
    EXPECT_EQ(edit("ewStratyZl"), QApplication::focusWidget());
    typeAndLeave("ewStratyZl", "");
    EXPECT_EQ(4u, ui.shown.size()) << "an empty field passes";

    // The injured person's small numbers.
    w->showSubPage(Register::AtWork, 2);
    w->personPages()->setCurrentIndex(1);
    typeAndLeave("epStaz", "abc", "epGodzPracy");
    EXPECT_EQ(QString::fromUtf8("Zły format liczby całkowitej."), ui.lastText());
    EXPECT_EQ(edit("epStaz"), QApplication::focusWidget());
}

TEST_F(FieldChecksOnPages, TheAccidentDateAgainstTheRegistrationAndIntoTheProtocol) {
    edit("ewDataRejWyp")->setText("2024-12-30");
    const QString before = edit("e0Data")->text();
    typeAndLeave("ewData", "2024-12-31 23:30");
    EXPECT_EQ(QString::fromUtf8("Data wypadku nie może być starsza od daty jego rejestracji."), ui.lastText());
    EXPECT_EQ(edit("ewDataRejWyp"), QApplication::focusWidget()) << "the registration date is to be mended";
    EXPECT_EQ(before, edit("e0Data")->text());

    edit("ewDataRejWyp")->setText("2024-12-31");
    ui.clear();
    typeAndLeave("ewData", "2024-12-31 23:30");
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_EQ("2024-12-31 23:30", edit("e0Data")->text());

    typeAndLeave("ewData", "");
    EXPECT_EQ(QString::fromUtf8("Brak lub zły format daty."), ui.lastText());
    EXPECT_EQ(edit("ewData"), QApplication::focusWidget());
}

TEST_F(FieldChecksOnPages, CalendarButtonsWriteTheDateAndCheckIt) {
    // An empty date with nothing stored: the calendar opens on today.
    w->showSubPage(Register::AtWork, 2);
    QDate opened;
    {
        ModalAnswer answer([&]() {
            opened = calendarForm().date();
            accept(QDate(1980, 2, 29));
        });
        clickCalendar("wDataUrCalBtn");
    }
    EXPECT_EQ(Clock::today(), opened);
    EXPECT_EQ("1980-02-29", edit("epDataUr")->text());
    EXPECT_TRUE(ui.shown.empty());

    // On the date the field holds; a report date before the accident is refused.
    edit("ewData")->setText("2024-05-06 14:00");
    edit("erDataZg")->setText("2024-05-08");
    {
        ModalAnswer answer([&]() {
            opened = calendarForm().date();
            accept(QDate(2024, 5, 1));
        });
        clickCalendar("wrDataZgCalBtn");
    }
    EXPECT_EQ(QDate(2024, 5, 8), opened);
    EXPECT_EQ("2024-05-01", edit("erDataZg")->text());
    EXPECT_EQ(QString::fromUtf8("Ta data nie może być mniejsza od daty wypadku."), ui.lastText());

    // The accident's date keeps its time and goes to the protocol.
    w->showSubPage(Register::AtWork, 1);
    edit("ewDataRejWyp")->setText("2024-05-10");
    ui.clear();
    {
        ModalAnswer answer([&]() { accept(QDate(2024, 5, 2)); });
        clickCalendar("wDataWypCalBtn");
    }
    EXPECT_EQ("2024-05-02 14:00", edit("ewData")->text());
    EXPECT_EQ("2024-05-02 14:00", edit("e0Data")->text());
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();

    // Rezygnuj leaves the field as it was.
    {
        ModalAnswer answer([&]() { calendarForm().findChild<QPushButton*>("bbRezygnuj")->click(); });
        clickCalendar("wDataRejBtn");
    }
    EXPECT_EQ("2024-05-10", edit("ewDataRejWyp")->text());
}

TEST_F(FieldChecksOnPages, EveryDateFieldHasItsCalendarWhileTheAccidentIsOpen) {
    for (const auto& [button, field] : FieldCheckLinks::calendarButtons()) {
        auto* b = w->findChild<QToolButton*>(button);
        ASSERT_TRUE(b) << button.toStdString();
        ASSERT_TRUE(w->findChild<QLineEdit*>(field)) << field.toStdString();
        EXPECT_EQ("Kalendarz", b->text());
        EXPECT_TRUE(b->isEnabled()) << button.toStdString();
    }
    // A closed accident: the buttons and the fields wait.
    c().execute("UPDATE SKWWYPADKI SET BLOK = 1");
    dm->reopenLists(Register::AtWork);
    w->loadRecord(Register::AtWork);
    for (const auto& [button, field] : FieldCheckLinks::calendarButtons())
        EXPECT_FALSE(w->findChild<QToolButton*>(button)->isEnabled()) << button.toStdString();
}

TEST_F(FieldChecksOnPages, ARegistrationInAnEarlierYearMovesTheAccidentToItsRegister) {
    dm->OpenRegister(QDateTime(QDate(2025, 3, 1), QTime(8, 0)));
    w->DodWypBtnClick();
    const int id = dm->accidentId();
    w->showSubPage(Register::AtWork, 1);
    edit("ewData")->setText("2024-12-19 08:00");
    ui.clear();
    typeAndLeave("ewDataRejWyp", "2024-12-20");
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(FieldChecks::otherRegisterYearWarning(), ui.lastText());
    EXPECT_EQ(QString::fromUtf8("Uwaga! \rData rejestracji wypadku jest niezgodna z datą odniesienia. \r"
                                "Wypadek zostanie przypisany do rejestru zgodnego z rokiem rejestracji wypadku. \r"
                                "(Wypadek zostanie usunięty z bieżącego rejestru)"),
              ui.lastText());
    EXPECT_EQ("Uwaga", ui.shown.back().caption);
    EXPECT_EQ(MsgIcon::Warning, ui.shown.back().icon);
    EXPECT_EQ(edit("ewSymbolWyp"), QApplication::focusWidget()) << "a warning lets the user go on";
    EXPECT_EQ("2024-12-20", edit("ewDataRejWyp")->text());

    w->sbZapiszBtnClick();
    EXPECT_EQ(QDateTime(QDate(2024, 12, 20), QTime(0, 0)),
              value("SELECT DATAREJWYP FROM SKWWYPADKI WHERE ID = :id", {{"id", id}}).toDateTime());
    dm->OpenRegister(QDateTime(QDate(2025, 3, 1), QTime(8, 0)));
    EXPECT_FALSE(dm->listHolds(Register::AtWork, id));
    dm->OpenRegister(QDateTime(QDate(2024, 6, 1), QTime(8, 0)));
    EXPECT_TRUE(dm->listHolds(Register::AtWork, id));
}

} // namespace
