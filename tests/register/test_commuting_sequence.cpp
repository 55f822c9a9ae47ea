// A commuting accident entered as a user enters it: the pages typed, the person copied
// from the employee register, saved, the card form switched, back to the list; the
// database checked after each step (only this accident's row changes).
#include "MainWindowFixture.h"

#include "core/AdmSettings.h"
#include "register/CommutingReactions.h"
#include "support/EmployeeRegister.h"
#include "support/ModalDriver.h"
#include "ui/DanPoszkodForm.h"
#include "ui/DictionaryCombos.h"
#include "ui/Widgets.h"

#include <QListWidget>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

class CommutingSequence : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        admSettings().kzs = 1;
        admSettings().pozDoZatr = QStringLiteral("1");
        admSettings().nowaKartaWypWDrodze = 1;
        QApplication::setActiveWindow(w);
    }
    void beforeWindow() override {
        employeeRegister(c());
        // Another commuting accident and an accident at work that must stay as they are.
        c().execute("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, DATA, DATAREJWYP, NAZWISKO, STANCYWILNY) "
                    "VALUES (900, 7, '2024-02-01 08:00', '2024-02-02', 'Inny', 'wolny')");
        c().execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP) VALUES (901, 1, '2024-01-05', '2024-01-06')");
    }
    QComboBox* combo(const char* name) { return w->findChild<QComboBox*>(QString::fromLatin1(name)); }
    // Every row of the tables but the accident being entered, as text.
    QStringList otherRows(int id) {
        QStringList out;
        for (const char* table : {"SKWWYPADKIWDRODZE", "SKWWYPADKI", "SKWPOSZKODOWANI", "ODANOS", "OPRACOW"}) {
            const QString key = QLatin1String(table) == QLatin1String("ODANOS") ? QStringLiteral("IDOSOBY") : QStringLiteral("ID");
            c().read(QStringLiteral("SELECT * FROM %1 WHERE %2 <> :id ORDER BY %2").arg(QLatin1String(table), key),
                     {{"id", id}}, [&](QSqlQuery& q) {
                         while (q.next()) {
                             QStringList values;
                             for (int i = 0; i < q.record().count(); ++i) values << q.value(i).toString();
                             out << QLatin1String(table) + QLatin1Char(':') + values.join(QLatin1Char('|'));
                         }
                     });
        }
        return out;
    }
    QVariant stored(const char* column, int id) {
        return value(QStringLiteral("SELECT %1 FROM SKWWYPADKIWDRODZE WHERE ID = :id").arg(QLatin1String(column)), {{"id", id}});
    }
    void choosePerson(int personId) {
        QComboBox* persons = combo("cbzPoszkodowany");
        for (int i = 0; i < persons->count(); ++i)
            if (entryId(comboObject(persons, i)) == personId) {
                persons->setCurrentIndex(i);
                emit persons->activated(i);
                return;
            }
        ADD_FAILURE() << "person " << personId << " is not in the list";
    }
    void click(RadioGroup* g, int item) { g->button(item)->click(); }
};

} // namespace

TEST_F(CommutingSequence, EnteredCopiedSavedRearrangedAndLeft) {
    w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
    w->DodWypBtnClick();
    w->showSubPage(Register::Commuting, 1);
    const int id = value("SELECT MAX(ID) FROM SKWWYPADKIWDRODZE").toInt();
    ASSERT_NE(id, 900);
    const QStringList others = otherRows(id);
    ASSERT_TRUE(w->session(Register::Commuting).editing());

    // Page 1 and 2: the effects show their group.
    edit("ezSymbolWyp")->setText(QStringLiteral("D"));
    combo("cbzMiejsceWyp")->setCurrentIndex(4);
    click(radio("rgzSkutki"), 0);
    EXPECT_FALSE(edit("ezZgonOpis")->isHidden());
    EXPECT_TRUE(edit("ezDataNiezdOd")->isHidden());
    EXPECT_TRUE(edit("ezProcUszZdr")->isHidden());
    emit combo("cmbzZgonOpis")->activated(0);
    EXPECT_EQ("w miejscu wypadku", edit("ezZgonOpis")->text());
    click(radio("rgzSkutki"), 1);
    EXPECT_TRUE(edit("ezZgonOpis")->isHidden());
    EXPECT_FALSE(edit("ezDataNiezdOd")->isHidden());
    // Page 4 under the 2002 form: shown, but only the oldest form edits its fields.
    EXPECT_FALSE(memo("mzObrazenia5")->isEnabled());
    EXPECT_FALSE(edit("ezStanCywilny")->isHidden());

    // The person with two employments: the second chosen in the window.
    w->showSubPage(Register::Commuting, 2);
    {
        ModalAnswer answer([&]() {
            TDanPoszkodForm& f = danPoszkodForm();
            QListWidget* l = f.list();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
            f.findChild<QPushButton*>(QStringLiteral("ZamknijBtn"))->click();
        });
        choosePerson(2);
    }
    EXPECT_EQ("Kowalska", edit("ezNazwisko")->text());
    EXPECT_EQ("Paszport", edit("ezRodzDokPoszk")->text());
    EXPECT_EQ("EA", edit("ezSeriaDokPoszk")->text());
    EXPECT_EQ("7654321", edit("ezNrDokPoszk")->text());
    EXPECT_EQ("Magazynier", edit("ezStanowSkrot")->text());
    EXPECT_EQ("5", edit("ezIdStanow")->text());
    EXPECT_EQ("Magazyn", edit("ezStruktSkrot")->text());
    EXPECT_EQ("63-740 Modrzewo Lipowa 5", edit("ezAdresPrzedsieb")->text());
    EXPECT_EQ("301234567", edit("ezRegonPlat")->text());
    EXPECT_EQ(QString::fromUtf8("Ślusarz"), edit("ezZawod")->text());
    EXPECT_EQ("80010112342", edit("e7Pesel")->text());
    EXPECT_EQ("Poszkodowany: Anna Kowalska", w->subPages(Register::Commuting)->tabText(2));
    edit("ezStanCywilny")->setText(QStringLiteral("zamężna"));
    w->sbZapiszBtnClick();
    EXPECT_EQ("Kowalska", stored("NAZWISKO", id).toString());
    EXPECT_EQ("EA", stored("SERIADOKPOSZK", id).toString());
    EXPECT_EQ(5, stored("IDSTANOW", id).toInt());
    EXPECT_EQ(4, stored("MIEJSCEWYP", id).toInt());
    EXPECT_EQ(1, stored("SKUTKI", id).toInt());
    EXPECT_NE(stored("WYPRZ", id).toInt(), -1);
    EXPECT_EQ(others, otherRows(id));

    // The same surname copies nothing; the route changed and saved.
    edit("ezImie")->setText(QStringLiteral("Janina"));
    choosePerson(2);
    EXPECT_EQ("Janina", edit("ezImie")->text());
    combo("cbzMiejsceWyp")->setCurrentIndex(0);
    w->sbZapiszBtnClick();
    EXPECT_EQ(0, stored("MIEJSCEWYP", id).toInt());
    EXPECT_EQ("Janina", stored("IMIE", id).toString());

    // The 2012 card form: marital status, occupation and page "4" hidden, kept as stored.
    admSettings().nowaKartaWypWDrodze = 2;
    emit admSettingsNotifier().changed(QStringLiteral("NowaKartaWypWDrodze"));
    EXPECT_TRUE(edit("ezStanCywilny")->isHidden());
    EXPECT_TRUE(edit("ezKodZawodu")->isHidden());
    auto* accidentPages = w->findChild<QTabWidget*>("pczWypadek");
    EXPECT_FALSE(accidentPages->isTabVisible(3));
    edit("ezUlica")->setText(QStringLiteral("Leśna"));
    w->sbZapiszBtnClick();
    EXPECT_EQ(QString::fromUtf8("zamężna"), stored("STANCYWILNY", id).toString());
    EXPECT_EQ(QString::fromUtf8("Leśna"), stored("ULICA", id).toString());

    // A double click on the PESEL clears the link and the copied data.
    QTest::mouseDClick(edit("e7Pesel"), Qt::LeftButton);
    EXPECT_TRUE(edit("ezNazwisko")->text().isEmpty());
    EXPECT_TRUE(edit("ezIdPracownika")->text().isEmpty());
    EXPECT_TRUE(edit("ezNIPPlat")->text().isEmpty());
    EXPECT_EQ(combo("cbzPoszkodowany")->currentIndex(), -1);
    edit("ezNazwisko")->setText(QStringLiteral("Wpisana"));

    // Back to the list: saved and given back.
    w->showSubPage(Register::Commuting, 0);
    EXPECT_FALSE(w->session(Register::Commuting).editing());
    EXPECT_EQ("Wpisana", stored("NAZWISKO", id).toString());
    EXPECT_TRUE(stored("COMPNAME", id).toString().isEmpty() || !stored("CZASZAK", id).isNull());
    EXPECT_EQ(others, otherRows(id));
}

TEST_F(CommutingSequence, AttachmentListPositionPickerAndClosing) {
    w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
    w->DodWypBtnClick();
    const int id = value("SELECT MAX(ID) FROM SKWWYPADKIWDRODZE").toInt();
    c().execute("INSERT INTO SKWZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (1, :id, 0, 'Notatka policji')", {{"id", id}});
    c().execute("INSERT INTO SKWZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL) VALUES (2, :id, 5, 'Cudzy')", {{"id", id}});
    admSettings().nowaKartaWypWDrodze = 0;
    emit admSettingsNotifier().changed(QStringLiteral("NowaKartaWypWDrodze"));
    w->showSubPage(Register::Commuting, 1);
    ASSERT_TRUE(memo("mzZalaczniki6")->isEnabled());
    w->findChild<QAbstractButton*>("bUaktualnijZ")->click();
    EXPECT_EQ(QString::fromUtf8("zał. nr  1 Notatka policji"), memo("mzZalaczniki6")->toPlainText());
    EXPECT_EQ(w->findChild<MemoEdit*>("mzPrzyczyny1")->maxLength(), 5000);

    // Closing is saved at once and the pages become read-only.
    click(radio("rgzBlok"), 1);
    EXPECT_EQ(1, stored("BLOK", id).toInt());
    EXPECT_FALSE(edit("ezSymbolWyp")->isEnabled());
    EXPECT_FALSE(memo("mzZalaczniki6")->isEnabled());
    EXPECT_EQ(QString::fromUtf8("zał. nr  1 Notatka policji"), stored("ZALACZNIKI", id).toString());
}

TEST_F(CommutingSequence, MemosRoundTripAndARejectedUpdateKeepsWhatWasTyped) {
    w->registers()->setCurrentWidget(w->findChild<QWidget*>("TabWypDroga"));
    admSettings().nowaKartaWypWDrodze = 0;
    w->DodWypBtnClick();
    w->showSubPage(Register::Commuting, 1);
    const int id = value("SELECT MAX(ID) FROM SKWWYPADKIWDRODZE").toInt();
    const QString text = QString::fromUtf8("Zażółć \"gęślą\" jaźń, O'Hara\nwiersz drugi");
    const char* memos[] = {"mzPrzyczyny1", "mzOpisDochodzenia2", "mzUzasadnienie3", "mzPrzeszkody4", "mzObrazenia5",
                           "mzZalaczniki6"};
    const char* columns[] = {"PRZYCZYNY", "OPISDOCHODZENIA", "UZASADNIENIE", "PRZESZKODY", "OBRAZENIA", "ZALACZNIKI"};
    for (const char* m : memos) memo(m)->setPlainText(text);
    radio("rgzDochodzenie")->setItemIndex(1);
    radio("rgzUbezpRodz")->setItemIndex(0);
    w->sbZapiszBtnClick();
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(stored, value(QStringLiteral("SELECT %1 FROM SKWWYPADKIWDRODZE WHERE ID = :id").arg(QLatin1String(columns[i])),
                                {{"id", id}})
                              .toString())
            << columns[i];
    for (const char* m : memos) EXPECT_EQ(text, memo(m)->toPlainText()) << m << " loaded back";
    EXPECT_EQ(1, radio("rgzDochodzenie")->itemIndex());
    EXPECT_EQ(0, radio("rgzUbezpRodz")->itemIndex());

    // A trigger refuses the update: nothing written, the typed text stays, the user stays.
    c().execute("CREATE EXCEPTION E_NIE 'Zapis zablokowany'");
    c().execute("CREATE TRIGGER T_NIE FOR SKWWYPADKIWDRODZE BEFORE UPDATE AS BEGIN EXCEPTION E_NIE; END");
    edit("ezSymbolWyp")->setText(QStringLiteral("X-1"));
    ui.clear();
    w->sbZapiszBtnClick();
    EXPECT_TRUE(ui.lastText().startsWith(QString::fromUtf8("Błąd przy zapisie danych !!!"))) << ui.lastText().toStdString();
    EXPECT_EQ("X-1", edit("ezSymbolWyp")->text());
    EXPECT_TRUE(value("SELECT SYMBOLWYP FROM SKWWYPADKIWDRODZE WHERE ID = :id", {{"id", id}}).toString().isEmpty());
    EXPECT_TRUE(w->session(Register::Commuting).editing());
    EXPECT_EQ(1, w->subPage(Register::Commuting));
}
