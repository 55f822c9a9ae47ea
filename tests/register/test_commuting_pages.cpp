#include "MainWindowFixture.h"
#include "ui/FieldBinding.h"
#include "ui/Widgets.h"

#include <QComboBox>
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
    edit("ezNIPPlat")->setText(QStringLiteral("123-456-78-90"));
    w->sbZapiszBtnClick();
    Params p{{"id", id}};
    EXPECT_EQ(QString::fromUtf8("Żółkiewski"), value("SELECT NAZWISKO FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_EQ("08:05", value("SELECT GODZRZ FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_EQ(1, value("SELECT WYPRZ FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toInt());
    EXPECT_EQ(13, value("SELECT MIEJSCEWYP FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toInt());
    EXPECT_EQ(2, value("SELECT RODZAJWYP FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toInt());
    EXPECT_EQ("123-456-78-90", value("SELECT NIPPLAT FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
    EXPECT_EQ(story, value("SELECT PRZYCZYNY FROM SKWWYPADKIWDRODZE WHERE ID = :id", p).toString());
}

} // namespace
