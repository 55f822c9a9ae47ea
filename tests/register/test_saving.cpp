// Saving the record of the entry pages: exactly the loaded record is written, values
// its column cannot take are refused with the field named, the user stays where he
// was, and the earliest report date covers every person of the accident.
#include "MainWindowFixture.h"

#include "core/Formats.h"
#include "db/Dataset.h"
#include "register/RecordEditor.h"

#include <QApplication>
#include <QLineEdit>

using namespace zort;
using namespace zort::test;

namespace {

class Saving : public OpenAccidentTest {
protected:
    // The user goes to an entry page: 1 the accident, 2 the person on its page `nested`.
    void open(int page, int nested = 0) {
        w->showSubPage(Register::AtWork, page);
        if (page == 2) w->personPages()->setCurrentIndex(nested);
    }
    int nestedIndex(const QString& caption) {
        for (int i = 0; i < w->personPages()->count(); ++i)
            if (w->personPages()->tabText(i) == caption) return i;
        return -1;
    }
};

TEST_F(Saving, NumbersOutsideTheirColumnAreRefusedWithTheFieldNamed) {
    open(1);
    edit("ewSymbolWyp")->setText("S");
    edit("ewNumer")->setText("99999999999");
    w->sbZapiszBtnClick();
    // The field's check refuses it before the store is asked.
    EXPECT_EQ(QString::fromUtf8("Zły format liczby całkowitej. Max. 2147483647."), ui.lastText());
    EXPECT_EQ(1, accidentValue("NUMER").toInt());           // nothing written, not even the symbol
    EXPECT_EQ("", accidentValue("SYMBOLWYP").toString());
    EXPECT_EQ("99999999999", edit("ewNumer")->text());  // the typed values stay
    EXPECT_EQ("S", edit("ewSymbolWyp")->text());
    EXPECT_TRUE(editing());
    EXPECT_EQ(edit("ewNumer"), QApplication::focusWidget());

    edit("ewNumer")->setText("2147483647");
    edit("ewStratyCzasu")->setText("40000");
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_EQ(QString::fromUtf8("Tylko liczby dodatnie. Max. 32767."), ui.lastText());
    EXPECT_EQ(0, accidentValue("STRATYCZASU").toInt());
    EXPECT_EQ(edit("ewStratyCzasu"), QApplication::focusWidget());

    // Leaving for the list does not lose what the check refused.
    w->showSubPage(Register::AtWork, 0);
    EXPECT_EQ(1, w->subPage(Register::AtWork));
    EXPECT_EQ("40000", edit("ewStratyCzasu")->text());

    edit("ewStratyCzasu")->setText("32767");
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_EQ(2147483647, accidentValue("NUMER").toLongLong());
    EXPECT_EQ(32767, accidentValue("STRATYCZASU").toInt());
    EXPECT_EQ("S", accidentValue("SYMBOLWYP").toString());
}

TEST_F(Saving, DatesAndTextsTheDatabaseCannotHoldAreRefused) {
    open(1);
    edit("ewData")->setText("2026-04-31 10:00");
    w->sbZapiszBtnClick();
    EXPECT_EQ(QString::fromUtf8("Brak lub zły format daty."), ui.lastText());
    edit("ewData")->setText("2024-05-01 10:00");

    open(2, 0);
    edit("epNazwisko")->setText(QString::fromUtf8("Kowalżиk"));
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_EQ(QString::fromUtf8("Błąd przy zapisie danych !!!\r\nNazwisko: Znaki spoza strony kodowej Windows-1250: и"),
              ui.lastText());
    EXPECT_TRUE(personValue("NAZWISKO", person).isNull());
    EXPECT_EQ(edit("epNazwisko"), QApplication::focusWidget());
    edit("epNazwisko")->setText(QString::fromUtf8("Kowalżak"));
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(QString::fromUtf8("Kowalżak"), personValue("NAZWISKO", person).toString());
    EXPECT_EQ(QDateTime(QDate(2024, 5, 1), QTime(10, 0)), accidentValue("DATA").toDateTime());
}

TEST_F(Saving, ZapiszGoesOnEditingWhereTheUserIs) {
    const int zus = nestedIndex(QStringLiteral("Korespondencja z ZUS"));
    ASSERT_GE(zus, 0);
    open(2, zus);
    edit("epNrPismaZUS")->setText("ZUS/1");
    edit("epNrDecyzjiZUS")->setFocus();
    w->sbZapiszBtnClick();
    EXPECT_EQ("ZUS/1", personValue("NRPISMAZUS", person).toString());
    EXPECT_EQ(2, w->subPage(Register::AtWork));
    EXPECT_EQ(zus, w->personPages()->currentIndex());
    EXPECT_EQ(edit("epNrDecyzjiZUS"), QApplication::focusWidget());
    EXPECT_TRUE(editing());
}

TEST_F(Saving, TheEarliestReportDateCoversTheSavedPersonToo) {
    // The accident's only person types its report date: the earliest is its own.
    c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1");
    c().execute("UPDATE SKWWYPADKI SET DATA = '2024-04-01 08:00'");
    dm->reopenLists(Register::AtWork);
    w->loadRecord(Register::AtWork);
    open(2, nestedIndex(QStringLiteral("Prot. powyp. cz. 1")));
    edit("erDataZg")->setText("2024-04-03");
    w->sbZapiszBtnClick();
    EXPECT_EQ(QDateTime(QDate(2024, 4, 3), QTime(0, 0)), accidentValue("DATAZGMIN").toDateTime());
    // A later date of the same person moves it; the report date cannot be emptied.
    edit("erDataZg")->setText("2024-04-20");
    w->sbZapiszBtnClick();
    EXPECT_EQ(QDateTime(QDate(2024, 4, 20), QTime(0, 0)), accidentValue("DATAZGMIN").toDateTime());
    edit("erDataZg")->setText("");
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_EQ(ui.lastText(), QStringLiteral("Brak lub zły format daty."));
    EXPECT_EQ(QDateTime(QDate(2024, 4, 20), QTime(0, 0)), accidentValue("DATAZGMIN").toDateTime());
}

TEST_F(Saving, DeletingAPersonWritesNothingIntoTheOtherOne) {
    open(2);
    edit("epNazwisko")->setText("Mazur");
    edit("epImie")->setText("Kamil");
    w->showSubPage(Register::AtWork, 0);  // saved on the way to the list
    ASSERT_EQ("Mazur", personValue("NAZWISKO", person).toString());
    w->DodPoszkBtnClick();
    const int added = dm->personId();
    ASSERT_NE(added, person);
    w->sbKasPoszkBtnClick();  // "Akceptuj"
    EXPECT_EQ(0, value("SELECT COUNT(*) FROM SKWPOSZKODOWANI WHERE ID = :id", {{"id", added}}).toInt());
    EXPECT_EQ("Mazur", personValue("NAZWISKO", person).toString());
    EXPECT_EQ("Kamil", personValue("IMIE", person).toString());
    EXPECT_EQ(1, personValue("NUMERKARTY", person).toInt());
    EXPECT_EQ(1, personValue("NUMERPROT", person).toInt());
    EXPECT_EQ(1, accidentValue("POSZKODOWANI").toInt());
    EXPECT_EQ(0, accidentValue("WYPIZ").toInt());
    EXPECT_FALSE(editing());
    // The pages show the person that is left.
    EXPECT_EQ("Mazur", edit("epNazwisko")->text());
}

} // namespace
