#include "MainWindowFixture.h"
#include "ui/FieldBinding.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QPlainTextEdit>
#include <QSet>

using namespace zort;
using namespace zort::test;

namespace {

class CommutingPagesTest : public MainWindowTest {
protected:
    QComboBox* combo(const char* name) { return w->findChild<QComboBox*>(QString::fromLatin1(name)); }
    void addCommuting() {
        w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
        w->DodWypBtnClick();
        w->showSubPage(Register::Commuting, 1);
    }
    void typeAndLeave(const char* field, const QString& typed, const char* next) {
        QLineEdit* e = edit(field);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, typed);
        edit(next)->setFocus();
        QCoreApplication::processEvents();
    }
};

TEST_F(CommutingPagesTest, EveryBoundControlNamesAColumnOfTheRowOnceAndTheListsStayUnbound) {
    addCommuting();
    QSet<QString> columns;
    for (const QString& c : dm->qryWypadkiWDrodze->columns()) columns.insert(c.toUpper());
    const FieldBinder& b = w->binder(Register::Commuting);
    QSet<QString> seen;
    QSet<QString> names;
    for (const BoundControl& c : b.controls()) {
        names.insert(c.widget->objectName());
        EXPECT_TRUE(columns.contains(c.column.toUpper())) << c.widget->objectName().toStdString();
        if (c.selector == QLatin1Char('z')) EXPECT_FALSE(seen.contains(c.column.toUpper())) << c.column.toStdString();
        seen.insert(c.column.toUpper());
    }
    for (const char* n : {"cbzPoszkodowany", "cbzKodChoroby", "cbzZawod"}) EXPECT_FALSE(names.contains(n)) << n;
    for (const char* n : {"cbzWypRZ", "cbzMiejsceWyp", "rgzSkutki", "rgzBlok", "rgzRodzajWyp", "rgzUbezpRodz",
                          "mzPrzyczyny1", "mzZalaczniki6", "ezIlDniZwolnienia", "ezIdPracownika", "e7Pesel"})
        EXPECT_TRUE(names.contains(n)) << n;
    EXPECT_EQ(14, combo("cbzMiejsceWyp")->count());
    ASSERT_EQ(16, combo("cmbzWojew")->count());
    EXPECT_EQ(QString::fromUtf8("mazowieckie "), combo("cmbzWojew")->itemText(6));
    EXPECT_EQ(QString::fromUtf8("opolskie"), combo("cmbzWojew")->itemText(7));
}

TEST_F(CommutingPagesTest, TypedPagesAreSavedAsTyped) {
    addCommuting();
    const int id = value("SELECT MAX(ID) FROM SKWWYPADKIWDRODZE").toInt();
    ASSERT_GT(id, 0);
    ASSERT_TRUE(w->session(Register::Commuting).editing()) << ui.lastText().toStdString();
    const QString story = QString::fromUtf8("Pośliznął się na \"oblodzonym\" chodniku; pani O'Brien\r\nwidziała");
    edit("ezNazwisko")->setText(QString::fromUtf8("Żółkiewski"));
    edit("ezImie")->setText(QStringLiteral("Jan"));
    edit("ezGodzRZ")->setText(QStringLiteral("08:05"));
    combo("cbzWypRZ")->setCurrentIndex(1);
    combo("cbzMiejsceWyp")->setCurrentIndex(13);
    radio("rgzRodzajWyp")->setItemIndex(2);
    memo("mzPrzyczyny1")->setPlainText(story);
    emit radio("rgzRodzajWyp")->chosen(2);
    EXPECT_EQ(QString::fromUtf8("Do wypadku przyczynił się w sposób istotny sam pracownik będąc w stanie nietrzeźwym"),
              memo("mzUzasadnienie3")->toPlainText());
    memo("mzUzasadnienie3")->setPlainText(QStringLiteral("Typed"));
    emit radio("rgzRodzajWyp")->chosen(1);
    EXPECT_EQ("Typed", memo("mzUzasadnienie3")->toPlainText());
    emit combo("cmbzWojew")->activated(6);
    EXPECT_EQ(QString::fromUtf8("mazowieckie "), edit("ezWojew")->text());
    edit("ezNIPPlat")->setText(QStringLiteral("123-456-78-90"));
    w->sbZapiszBtnClick();
    Params p{{"id", id}};
    EXPECT_EQ(QString::fromUtf8("Żółkiewski"), value("SELECT NAZWISKO FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_EQ("08:05", value("SELECT GODZRZ FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_EQ(1, value("SELECT WYPRZ FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toInt());
    EXPECT_EQ(13, value("SELECT MIEJSCEWYP FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toInt());
    EXPECT_EQ(2, value("SELECT RODZAJWYP FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toInt());
    EXPECT_EQ("mazowieckie ", value("SELECT WOJEW FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_EQ("123-456-78-90", value("SELECT NIPPLAT FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_EQ(story, value("SELECT PRZYCZYNY FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
}

TEST_F(CommutingPagesTest, DateChecksDaysOfIncapacityAndTheYearAtSaving) {
    QApplication::setActiveWindow(w);
    addCommuting();
    const int id = value("SELECT MAX(ID) FROM SKWWYPADKIWDRODZE").toInt();
    Params p{{"id", id}};
    ui.clear();
    typeAndLeave("ezDataUr", "1990-13-45", "ezNazwisko");
    EXPECT_EQ(QString::fromUtf8("Zły format daty."), ui.lastText());
    EXPECT_EQ(edit("ezDataUr"), QApplication::focusWidget());
    edit("ezDataUr")->clear();

    // Days of incapacity: calendar days, both counted; "od" after "do" refused.
    typeAndLeave("ezDataNiezdOd", "2024-03-30", "ezNazwisko");
    typeAndLeave("ezDataNiezdDo", "2024-04-08", "ezNazwisko");
    EXPECT_EQ("10", edit("ezIlDniZwolnienia")->text());
    typeAndLeave("ezDataNiezdOd", "2024-04-08", "ezNazwisko");
    EXPECT_EQ("1", edit("ezIlDniZwolnienia")->text());
    ui.clear();
    typeAndLeave("ezDataNiezdOd", "2024-04-09", "ezNazwisko");
    EXPECT_EQ(QString::fromUtf8("Źle ustawione daty zwolnienia."), ui.lastText());
    EXPECT_TRUE(edit("ezIlDniZwolnienia")->text().isEmpty());
    EXPECT_TRUE(edit("ezDataNiezdOd")->text().isEmpty());
    EXPECT_EQ(edit("ezDataNiezdOd"), QApplication::focusWidget());

    // The year check runs only while the accident date has the focus.
    edit("ezNazwisko")->setText(QStringLiteral("Nowak"));
    edit("ezData")->setFocus();
    edit("ezData")->setText(QStringLiteral("2023-12-30 07:40"));
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_EQ(QString::fromUtf8("Rok daty wypadku musi być taki sam jak rok odniesienia"), ui.lastText());
    EXPECT_EQ(edit("ezData"), QApplication::focusWidget());
    EXPECT_TRUE(w->session(Register::Commuting).editing());
    EXPECT_EQ(1, w->subPage(Register::Commuting));
    EXPECT_TRUE(value("SELECT NAZWISKO FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).isNull());
    edit("ezData")->setText(QStringLiteral("2024-04-08 07:40"));
    w->sbZapiszBtnClick();
    EXPECT_EQ("Nowak", value("SELECT NAZWISKO FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_TRUE(value("SELECT ILDNIZWOLNIENIA FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).isNull()) << "cleared with \"od\"";
}

} // namespace
