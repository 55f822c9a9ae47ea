// The statistical card windows on a real database, offscreen: opened from the main
// window on the accident the user added, filled in and saved, checked against the
// database after each step.
#include "card/CodePickerForms.h"
#include "card/SKWForm.h"
#include "db/ColumnTypes.h"
#include "register/MainWindowFixture.h"
#include "support/ModalDriver.h"
#include "support/FieldWidths.h"
#include "ui/FieldBinding.h"

#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

const char* const kWindows[] = {"TSKWForm_2", "TSKWForm_3", "TSKWForm_4", "TSKWForm_5"};

class CardWindowTest : public OpenAccidentTest {
protected:
    void TearDown() override {
        // The real windows registered by a test go with it.
        for (const char* name : {"TSKWForm", "TSKWForm_1", "TSKWForm_2", "TSKWForm_3"})
            DocumentWindows::remove(QString::fromLatin1(name));
        OpenAccidentTest::TearDown();
    }
    // The card window of the form, prepared as "SKW" shows it.
    TSKWCardForm* open(const char* className, bool editable = true) {
        TSKWCardForm* card = cardWindow(QString::fromLatin1(className));
        card->prepare(request(className, editable));
        return card;
    }
    QLineEdit* field(TSKWCardForm* card, const char* name) { return card->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QSpinBox* spin(TSKWCardForm* card, const char* name) { return card->findChild<QSpinBox*>(QString::fromLatin1(name)); }
    RadioGroup* marks(TSKWCardForm* card, const char* name) { return card->findChild<RadioGroup*>(QString::fromLatin1(name)); }
    // Types into a field and leaves it, as the user does.
    bool type(TSKWCardForm* card, const char* name, const QString& text) {
        QLineEdit* e = field(card, name);
        EXPECT_TRUE(e) << name;
        if (!e) return false;
        e->setText(text);
        return card->leaveField(e);
    }
    // The whole row, column by column.
    std::string row(const char* table, int rowId) {
        QSqlQuery q = c().run(QStringLiteral("SELECT * FROM %1 WHERE ID = :id").arg(QLatin1String(table)), {{"id", rowId}});
        QStringList values;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                values << q.record().fieldName(i) + QLatin1Char('=') +
                              (q.value(i).isNull() ? QStringLiteral("null") : q.value(i).toString());
        return values.join(QStringLiteral(", ")).toStdString();
    }
    // The rows as the data module shows them after a change behind its back.
    void reread() { dm->reopenLists(Register::AtWork, id, person); }
    // The accident takes the card form, saved from the accident page.
    void setVersion(int version) {
        w->showSubPage(Register::AtWork, 1);
        radio("rgwWersjaSKW")->setItemIndex(version);
        w->sbZapiszBtnClick();
        ASSERT_EQ(version, accidentValue("WERSJASKW").toInt());
    }
    // The main window's "SKW" opens the real card windows.
    void realCardWindows() {
        for (const char* name : {"TSKWForm_5", "TSKWForm_4"}) DocumentWindows::remove(QString::fromLatin1(name));
        registerCardWindows();
    }
    std::string messages() const { return ui.texts().join(QLatin1Char('|')).toStdString(); }
};

} // namespace

// --- The windows and their fields ------------------------------------------------

TEST_F(CardWindowTest, EveryBoundFieldHasItsColumnAndIsSavedOnce) {
    ColumnTypes& types = dm->store().columnTypes();
    const auto& personColumns = types.columns(QStringLiteral("SKWPOSZKODOWANI"));
    const auto& accidentColumns = types.columns(QStringLiteral("SKWWYPADKI"));
    for (const char* className : kWindows) {
        TSKWCardForm* card = open(className);
        ASSERT_TRUE(card) << className;
        EXPECT_EQ(QString::fromLatin1(className), card->description().windowClass);
        EXPECT_EQ(QByteArray("zort::") + className, QByteArray(card->metaObject()->className()));
        QSet<QString> saved;
        int bound = 0;
        for (QLineEdit* e : card->findChildren<QLineEdit*>()) {
            if (qobject_cast<QSpinBox*>(e->parentWidget())) continue;
            const auto b = parseBoundControl(e, MemoSlots::None);
            if (!b) continue;
            const QChar s = b->selector;
            if (s != QLatin1Char('p') && s != QLatin1Char('9') && s != QLatin1Char('w') && s != QLatin1Char('0')) continue;
            ++bound;
            const bool person = s == QLatin1Char('p') || s == QLatin1Char('9');
            const QString column = b->column.toUpper();
            EXPECT_TRUE((person ? personColumns : accidentColumns).contains(column))
                << className << ": " << e->objectName().toStdString() << " has no column "
                << (person ? "SKWPOSZKODOWANI." : "SKWWYPADKI.") << column.toStdString();
            if (s == QLatin1Char('p') || s == QLatin1Char('w')) {
                const QString key = (person ? QStringLiteral("P.") : QStringLiteral("W.")) + column;
                EXPECT_FALSE(saved.contains(key)) << className << ": " << key.toStdString() << " bound twice";
                saved.insert(key);
            }
        }
        EXPECT_GT(bound, 30) << className;
    }
    EXPECT_EQ("Statystyczna Karta Wypadku - SKW 2004, SKW 2009", cardWindow(QStringLiteral("TSKWForm_2"))->windowTitle());
    EXPECT_EQ("Statystyczna Karta Wypadku - SKW 2022", cardWindow(QStringLiteral("TSKWForm_5"))->windowTitle());
    // The part II copies of the 2022 card are shown, not saved.
    EXPECT_TRUE(open("TSKWForm_5")->findChild<QLineEdit*>(QStringLiteral("e9Regon")));
    EXPECT_FALSE(open("TSKWForm_4")->findChild<QLineEdit*>(QStringLiteral("e9Regon")));
}

TEST_F(CardWindowTest, EveryFieldOfEveryFormShowsItsWholeValue) {
    for (const char* name : kWindows) {
        TSKWCardForm* card = open(name);
        EXPECT_EQ("", pageFaults(card, QString::fromLatin1(name)));
        card->hide();
    }
}

TEST_F(CardWindowTest, SKWOpensTheWindowOfTheAccidentsForm) {
    realCardWindows();
    const std::vector<std::pair<int, const char*>> forms{
        {0, "TSKWForm_2"}, {2, "TSKWForm_2"}, {3, "TSKWForm_3"}, {4, "TSKWForm_4"}, {5, "TSKWForm_5"}};
    for (const auto& [version, className] : forms) {
        setVersion(version);
        w->showSubPage(Register::AtWork, 0);
        QString shown;
        {
            ModalAnswer answer([&]() {
                QWidget* modal = QApplication::activeModalWidget();
                shown = QString::fromLatin1(modal->metaObject()->className());
                auto* card = qobject_cast<TSKWCardForm*>(modal);
                ASSERT_TRUE(card);
                EXPECT_TRUE(card->editable());
                static_cast<QDialog*>(card)->reject();  // the close box
            });
            w->SKWBtnClick();
        }
        EXPECT_EQ(QStringLiteral("zort::") + QString::fromLatin1(className), shown) << "version " << version;
        EXPECT_FALSE(accidentValue("CZASZAK").isNull()) << "released after the card closed";
    }
    // The 2000 form of a reference year after 2000: the window of 2001.
    setVersion(1);
    w->showSubPage(Register::AtWork, 0);
    QString shown;
    {
        ModalAnswer answer([&]() {
            QWidget* modal = QApplication::activeModalWidget();
            shown = QString::fromLatin1(modal->metaObject()->className());
            static_cast<QDialog*>(modal)->reject();
        });
        w->SKWBtnClick();
    }
    EXPECT_EQ("zort::TSKWForm_1", shown);
}

// --- Changing the form on the main window ----------------------------------------

TEST_F(CardWindowTest, ChangingTheFormFrom2009To2000AsksAndClearsOnlyTheClassification) {
    setVersion(2);
    edit("epIdUrazu1")->setText(QStringLiteral("12"));
    edit("epUraz1")->setText(QStringLiteral("Twarz"));
    edit("epIdPrzyczyny7")->setText(QStringLiteral("005"));
    edit("epPrzyczyna7")->setText(QStringLiteral("Brak urządzeń"));
    edit("ewIdMiejsca")->setText(QStringLiteral("022"));
    edit("ewMiejsceWyp")->setText(QStringLiteral("Hala"));
    edit("epStaz")->setText(QStringLiteral("5"));
    w->sbZapiszBtnClick();
    c().execute("UPDATE SKWPOSZKODOWANI SET LICZBAPRAC = 12.5, IDLICZBAPRAC = '2', SKUTKI = 2, "
                "TELWYPSKW = '555 01 02' WHERE ID = :id",
                {{"id", person}});
    reread();
    w->loadRecord(Register::AtWork);
    const QDateTime date = accidentValue("DATA").toDateTime();
    const int card = personValue("NUMERKARTY").toInt();

    // No: nothing changes, and the group put back asks no second question.
    const std::string personBefore = row("SKWPOSZKODOWANI", person);
    const std::string accidentBefore = row("SKWWYPADKI", id);
    ui.clear();
    ui.answers.push_back(MsgAnswer::No);
    radio("rgwWersjaSKW")->button(1)->click();
    ASSERT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_EQ("Ta zmiana spowoduje wyzerowanie pól SKW. Kontynuować ?", ui.shown[0].text);
    EXPECT_EQ("Zmiana danych !!!", ui.shown[0].caption);
    EXPECT_EQ(2, radio("rgwWersjaSKW")->itemIndex());
    EXPECT_EQ(personBefore, row("SKWPOSZKODOWANI", person)) << "nothing written";
    EXPECT_EQ(accidentBefore, row("SKWWYPADKI", id));
    w->sbZapiszBtnClick();
    EXPECT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_EQ(2, accidentValue("WERSJASKW").toInt());
    EXPECT_EQ("12", personValue("IDURAZU1").toString());
    EXPECT_EQ("005", personValue("IDPRZYCZYNY7").toString());
    EXPECT_EQ("022", accidentValue("IDMIEJSCA").toString());
    EXPECT_EQ(12.5, personValue("LICZBAPRAC").toDouble());

    // Yes: the classification answers go, the rest stays.
    ui.clear();
    ui.answers.push_back(MsgAnswer::Yes);
    radio("rgwWersjaSKW")->button(1)->click();
    ASSERT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_EQ("Ta zmiana spowoduje wyzerowanie pól SKW. Kontynuować ?", ui.shown[0].text);
    EXPECT_EQ(1, accidentValue("WERSJASKW").toInt());
    for (const char* column : {"IDURAZU1", "URAZ1", "IDPRZYCZYNY7", "PRZYCZYNA7", "IDLICZBAPRAC"})
        EXPECT_TRUE(personValue(column).isNull()) << column;
    for (const char* column : {"IDMIEJSCA", "MIEJSCEWYP"}) EXPECT_TRUE(accidentValue(column).isNull()) << column;
    EXPECT_EQ(12.5, personValue("LICZBAPRAC").toDouble()) << "the number of workers stays";
    EXPECT_EQ(2, personValue("SKUTKI").toInt());
    EXPECT_EQ(5, personValue("STAZ").toInt());
    EXPECT_EQ(card, personValue("NUMERKARTY").toInt());
    EXPECT_EQ("555 01 02", personValue("TELWYPSKW").toString());
    EXPECT_EQ(date, accidentValue("DATA").toDateTime());
}

TEST_F(CardWindowTest, From2022BackTo2010NothingIsAskedAndTheCodesStay) {
    setVersion(5);
    edit("epIdUrazu1")->setText(QStringLiteral("A12"));
    edit("epUraz1")->setText(QStringLiteral("Twarz"));
    edit("epIdPrzyczyny2")->setText(QStringLiteral("101"));
    edit("epPrzyczyna2")->setText(QStringLiteral("Przyczyna"));
    w->sbZapiszBtnClick();
    ui.clear();
    radio("rgwWersjaSKW")->button(3)->click();
    EXPECT_TRUE(ui.shown.empty()) << messages();
    w->sbZapiszBtnClick();
    EXPECT_EQ(3, accidentValue("WERSJASKW").toInt());
    EXPECT_EQ("A12", personValue("IDURAZU1").toString());
    EXPECT_EQ("Twarz", personValue("URAZ1").toString());
    EXPECT_EQ("101", personValue("IDPRZYCZYNY2").toString());
    // ... and on to 2019, silently as well.
    radio("rgwWersjaSKW")->button(4)->click();
    EXPECT_TRUE(ui.shown.empty()) << messages();
    w->sbZapiszBtnClick();
    EXPECT_EQ(4, accidentValue("WERSJASKW").toInt());
    EXPECT_EQ("A12", personValue("IDURAZU1").toString());
}

// --- Saving ------------------------------------------------------------------------

TEST_F(CardWindowTest, EachFormSavesTextsAndNumbersExactlyAsTyped) {
    const QString place = QStringLiteral("Łódź, ul. O'Hary \"Pod Dębem\"");
    const QString town = QStringLiteral("Żółkiew 'Ś' \"Ć\" \"");
    for (const char* className : {"TSKWForm_5", "TSKWForm_4", "TSKWForm_3", "TSKWForm_2"}) {
        SCOPED_TRACE(className);
        TSKWCardForm* card = open(className);
        ui.clear();
        EXPECT_TRUE(type(card, "ewPolozGeogr", place));
        EXPECT_TRUE(type(card, "epMiejscowWypSKW", town));
        EXPECT_TRUE(type(card, "epLiczbaPrac", QStringLiteral("12.5")));
        EXPECT_TRUE(type(card, "epStaz", QStringLiteral("7")));
        card->ZapiszClick();
        EXPECT_EQ("", messages());
        EXPECT_EQ(place, accidentValue("POLOZGEOGR").toString());
        EXPECT_EQ(town, personValue("MIEJSCOWWYPSKW").toString());
        EXPECT_EQ(12.5, personValue("LICZBAPRAC").toDouble());
        EXPECT_EQ(7, personValue("STAZ").toInt());
        // Shown back as the database holds it.
        EXPECT_EQ(place, field(card, "ewPolozGeogr")->text());
        EXPECT_EQ(town, field(card, "epMiejscowWypSKW")->text());
        EXPECT_EQ("12.50", field(card, "epLiczbaPrac")->text());

        // A number with more decimals than shown is written back as stored when untouched.
        c().execute("UPDATE SKWPOSZKODOWANI SET LICZBAPRAC = 1234.567 WHERE ID = :id", {{"id", person}});
        reread();
        card->prepare(request(className));
        EXPECT_EQ("1234.57", field(card, "epLiczbaPrac")->text());
        card->ZapiszClick();
        EXPECT_NEAR(1234.567, personValue("LICZBAPRAC").toDouble(), 0.0005);
        // Emptied: null.
        EXPECT_TRUE(type(card, "ewPolozGeogr", QString()));
        card->ZapiszClick();
        EXPECT_TRUE(accidentValue("POLOZGEOGR").isNull());
    }
}

TEST_F(CardWindowTest, TheEarliestReportDateAndTheTimeOfTheAccidentSurviveASave) {
    c().execute("UPDATE SKWPOSZKODOWANI SET DATAZG = '2024-04-02' WHERE ID = :id", {{"id", person}});
    const int second = value("SELECT MAX(ID) FROM SKWPOSZKODOWANI").toInt() + 1;
    c().execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, DATAZG) VALUES (:id, :a, NULL)", {{"id", second}, {"a", id}});
    c().execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, DATAZG) VALUES (:id, :a, '1899-12-30')",
                {{"id", second + 1}, {"a", id}});
    c().execute("UPDATE SKWWYPADKI SET DATA = '2024-05-03 14:37:21' WHERE ID = :id", {{"id", id}});
    reread();
    ASSERT_EQ(person, dm->qrySKWPoszkodowani->value("ID").toInt());
    for (const char* className : {"TSKWForm_5", "TSKWForm_2"}) {
        SCOPED_TRACE(className);
        c().execute("UPDATE SKWWYPADKI SET DATA = '2024-05-03 14:37:21', DATAZGMIN = NULL WHERE ID = :id", {{"id", id}});
        reread();
        TSKWCardForm* card = open(className);
        EXPECT_EQ(2024, spin(card, "SpinEditR")->value());
        EXPECT_EQ(5, spin(card, "SpinEditM")->value());
        EXPECT_EQ(3, spin(card, "SpinEditD")->value());
        EXPECT_EQ(14, spin(card, "SpinEditG")->value());
        card->ZapiszClick();
        EXPECT_EQ(QDateTime(QDate(2024, 4, 2), QTime(0, 0)), accidentValue("DATAZGMIN").toDateTime())
            << "the earliest of the dates present";
        EXPECT_EQ(QDateTime(QDate(2024, 5, 3), QTime(14, 37, 21)), accidentValue("DATA").toDateTime());
        // Another day and hour: minutes and seconds stay.
        spin(card, "SpinEditD")->setValue(4);
        spin(card, "SpinEditG")->setValue(9);
        card->ZapiszClick();
        EXPECT_EQ(QDateTime(QDate(2024, 5, 4), QTime(9, 37, 21)), accidentValue("DATA").toDateTime());
        EXPECT_EQ(4, spin(card, "SpinEditD")->value());
    }
    EXPECT_EQ("", messages());
}

// --- Editors and field checks ----------------------------------------------------

TEST_F(CardWindowTest, BirthYearAndDateEditors) {
    c().execute("UPDATE SKWWYPADKI SET DATA = '2024-05-10 10:20:30' WHERE ID = :id", {{"id", id}});
    reread();
    ASSERT_TRUE(personValue("DATAUR").isNull());
    TSKWCardForm* card = open("TSKWForm_5");
    QSpinBox* year = spin(card, "SpinEditRU");
    EXPECT_EQ(0, year->value()) << "no birth date";
    year->setValue(1980);
    card->birthYearLeft();
    card->ZapiszClick();
    EXPECT_EQ(QDate(1980, 12, 30), personValue("DATAUR").toDate());
    // Left at 0: the stored year comes back; a new year keeps the month and day.
    year->setValue(0);
    card->birthYearLeft();
    EXPECT_EQ(1980, year->value());
    year->setValue(1975);
    card->ZapiszClick();
    EXPECT_EQ(QDate(1975, 12, 30), personValue("DATAUR").toDate());

    // April has no 31st: the date stays, silently.
    ui.clear();
    spin(card, "SpinEditM")->setValue(4);
    EXPECT_EQ(QDate(2024, 4, 10), card->state().accidentDate.date());
    spin(card, "SpinEditD")->setValue(31);
    EXPECT_EQ(QDate(2024, 4, 10), card->state().accidentDate.date());
    EXPECT_EQ("", messages());
    // Day 0 left: the stored day on both pages.
    spin(card, "SpinEditD")->setValue(0);
    card->dateEditorLeft(spin(card, "SpinEditD"));
    EXPECT_EQ(10, spin(card, "SpinEditD")->value());
    EXPECT_EQ(10, spin(card, "Spin9EditD")->value());
    spin(card, "Spin9EditD")->setValue(0);
    card->dateEditorLeft(spin(card, "Spin9EditD"));
    EXPECT_EQ(10, spin(card, "Spin9EditD")->value());
    EXPECT_EQ(10, spin(card, "SpinEditD")->value());
    // A change on part II reaches part I when left.
    spin(card, "Spin9EditM")->setValue(3);
    card->dateEditorLeft(spin(card, "Spin9EditM"));
    EXPECT_EQ(3, spin(card, "SpinEditM")->value());
    card->ZapiszClick();
    EXPECT_EQ(QDateTime(QDate(2024, 3, 10), QTime(10, 20, 30)), accidentValue("DATA").toDateTime());
    EXPECT_EQ("", messages());
}

TEST_F(CardWindowTest, FieldChecksOnLeavingKeepTheValue) {
    c().execute("UPDATE SKWWYPADKI SET DATA = '2024-05-10 10:20:30' WHERE ID = :id", {{"id", id}});
    reread();
    TSKWCardForm* card = open("TSKWForm_5");
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"epStaz", "40000", "Tylko liczby dodatnie. Max. 32767."},
        {"epStaz", "-1", "Tylko liczby dodatnie. Max. 32767."},
        {"epStaz", "abc", "Zły format liczby całkowitej."},
        {"epDniNiezdR", "32768", "Tylko liczby dodatnie. Max. 32767."},
        {"ewStratyCzasu", "1.5", "Zły format liczby całkowitej."},
        {"ewStratyZl", "-3", "Tylko liczby dodatnie."},
        {"epLiczbaPrac", "x", "Zły format liczby."},
        {"epLiczbaPrac", "-1", "Tylko liczby dodatnie."},
        {"epNumerKarty", "abc", "Zły format liczby całkowitej. Max. 2147483647."},
        {"epDataWypSKW", "2024-05-09", "Ta data nie może być mniejsza od daty wypadku."},
        {"epDataWypSKW2", "2024-01-31", "Ta data nie może być mniejsza od daty wypadku."},
        {"epDataWypSKW", "2024-13-01", "Zły format daty."},
    };
    for (const Case& k : cases) {
        ui.clear();
        EXPECT_FALSE(type(card, k.field, QString::fromUtf8(k.text))) << k.field << " " << k.text;
        ASSERT_EQ(1u, ui.shown.size()) << k.field << " " << k.text << ": " << messages();
        EXPECT_EQ(QString::fromUtf8(k.message), ui.shown[0].text) << k.field << " " << k.text;
        EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);
        EXPECT_EQ(QString::fromUtf8(k.text), field(card, k.field)->text()) << "the value stays";
        field(card, k.field)->clear();
    }
    // The edges that pass.
    ui.clear();
    EXPECT_TRUE(type(card, "epStaz", QStringLiteral("32767")));
    EXPECT_TRUE(type(card, "epStaz", QStringLiteral("0")));
    EXPECT_TRUE(type(card, "epDataWypSKW", QStringLiteral("2024-05-10")));
    EXPECT_TRUE(type(card, "epLiczbaPrac", QStringLiteral("0")));
    EXPECT_TRUE(type(card, "epNumerKarty", QStringLiteral("17")));
    EXPECT_EQ("17", field(card, "e9NumerKarty")->text()) << "copied to part II";
    EXPECT_TRUE(type(card, "e9Regon", QStringLiteral("123456785")));
    EXPECT_EQ("123456785", field(card, "epRegon")->text()) << "copied to part I";
    EXPECT_EQ("", messages());
    card->ZapiszClick();
    EXPECT_EQ(17, personValue("NUMERKARTY").toInt());
    EXPECT_EQ("123456785", personValue("REGON").toString().trimmed());
    EXPECT_EQ(QDate(2024, 5, 10), personValue("DATAWYPSKW").toDate());

    // A value refused on leaving is refused again by "Zapisz": nothing is written.
    EXPECT_FALSE(type(card, "epStaz", QStringLiteral("abc")));
    EXPECT_TRUE(type(card, "epGodzPracy", QStringLiteral("8")));
    ui.clear();
    card->ZapiszClick();
    EXPECT_EQ("Zły format liczby całkowitej.", messages());
    EXPECT_EQ(0, personValue("STAZ").toInt());
    EXPECT_EQ(0, personValue("GODZPRACY").toInt()) << "nothing saved";
    EXPECT_EQ("abc", field(card, "epStaz")->text());
    // The e-mail of part I is written in lower case as it is typed.
    QTest::keyClicks(field(card, "epEmailWypSKW"), QStringLiteral("Jan.Kos@Firma.PL"));
    EXPECT_EQ("jan.kos@firma.pl", field(card, "epEmailWypSKW")->text());
    QTest::keyClicks(field(card, "epEmailWypSKW2"), QStringLiteral("Biuro@Firma.PL"));
    EXPECT_EQ("Biuro@Firma.PL", field(card, "epEmailWypSKW2")->text()) << "part II as typed";
}

// --- Marks -------------------------------------------------------------------------

TEST_F(CardWindowTest, TheLocalUnitAnswerNoClearsAndLocksX1ToX3) {
    TSKWCardForm* card = open("TSKWForm_5");
    card->markClicked(QStringLiteral("mkSpKrytJedn"), 0);  // "Tak"
    EXPECT_EQ(2, card->state().localUnit);
    EXPECT_TRUE(field(card, "epMscJedn")->isEnabled());
    field(card, "epIdMscJedn")->setText(QStringLiteral("1465011"));
    field(card, "epMscJedn")->setText(QStringLiteral("Warszawa"));
    field(card, "epIdRodzDzialJedn")->setText(QStringLiteral("2511Z"));
    field(card, "epRodzDzialJedn")->setText(QStringLiteral("Produkcja konstrukcji"));
    field(card, "epIDFWJedn")->setText(QStringLiteral("111"));
    field(card, "epFWJedn")->setText(QStringLiteral("Własność Skarbu Państwa"));
    card->markClicked(QStringLiteral("mkPlec"), 1);
    card->markClicked(QStringLiteral("mkSkutki"), 2);
    card->markClicked(QStringLiteral("mkFormaPracy"), 0);
    card->ZapiszClick();
    EXPECT_EQ(2, personValue("SPKRYTJEDN").toInt());
    EXPECT_EQ("Warszawa", personValue("MSCJEDN").toString());
    EXPECT_EQ("111", personValue("IDFWJEDN").toString());
    EXPECT_EQ(2, personValue("PLEC").toInt());
    EXPECT_EQ(3, personValue("SKUTKI").toInt());
    EXPECT_EQ(2, personValue("FORMAPRACY").toInt());

    card->markClicked(QStringLiteral("mkSpKrytJedn"), 1);  // "Nie"
    EXPECT_EQ(1, card->state().localUnit);
    EXPECT_EQ(1, marks(card, "mkSpKrytJedn")->itemIndex());
    for (const char* name : {"epMscJedn", "epRodzDzialJedn", "epFWJedn", "epIDFWJedn"}) {
        EXPECT_EQ("", field(card, name)->text()) << name;
        EXPECT_FALSE(field(card, name)->isEnabled()) << name;
    }
    EXPECT_EQ("1465011", field(card, "epIdMscJedn")->text());
    card->ZapiszClick();
    EXPECT_EQ(1, personValue("SPKRYTJEDN").toInt());
    for (const char* column : {"MSCJEDN", "RODZDZIALJEDN", "FWJEDN", "IDFWJEDN"})
        EXPECT_TRUE(personValue(column).isNull()) << column;
    EXPECT_EQ("1465011", personValue("IDMSCJEDN").toString());
    EXPECT_EQ("2511Z", personValue("IDRODZDZIALJEDN").toString());
    // Opened again: still locked and empty.
    card = open("TSKWForm_5");
    EXPECT_FALSE(field(card, "epMscJedn")->isEnabled());
    EXPECT_EQ(1, marks(card, "mkPlec")->itemIndex());
    // "inne skutki" also stands for the stored 4.
    c().execute("UPDATE SKWPOSZKODOWANI SET SKUTKI = 4 WHERE ID = :id", {{"id", person}});
    reread();
    card = open("TSKWForm_5");
    EXPECT_EQ(2, marks(card, "mkSkutki")->itemIndex());
    card->ZapiszClick();
    EXPECT_EQ(4, personValue("SKUTKI").toInt()) << "kept while not clicked";
}

// --- Causes ------------------------------------------------------------------------

TEST_F(CardWindowTest, ACauseIsChosenOnceAndItsLongNameIsCutToTheColumn) {
    const QString longName = value("SELECT NAZWA FROM SKWPRZYCZYNYWYP WHERE KOD = '002'").toString();
    ASSERT_GT(longName.size(), 50) << "the 2009 list of causes";
    TSKWCardForm* card = open("TSKWForm_4");
    field(card, "epIdPrzyczyny6")->setText(QStringLiteral("001"));
    field(card, "epPrzyczyna6")->setText(QStringLiteral("Wady konstrukcyjne"));
    ui.clear();
    {
        ModalAnswer answer([&]() {
            EXPECT_EQ("Przyczyny wypadku", skwInforForm().windowTitle());
            choose(skwInforForm(), QStringLiteral("001"));
        });
        card->pick(QStringLiteral("epPrzyczyna3"));
    }
    ASSERT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_EQ("Ten numer przyczyny został już wybrany", ui.shown[0].text);
    EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);
    EXPECT_EQ("", field(card, "epIdPrzyczyny3")->text());
    EXPECT_EQ("", field(card, "epPrzyczyna3")->text());
    EXPECT_EQ("001", field(card, "epIdPrzyczyny6")->text());

    // "1" and "001" are the same number.
    field(card, "epIdPrzyczyny6")->clear();
    field(card, "epIdPrzyczyny1")->setText(QStringLiteral("1"));
    ui.clear();
    {
        ModalAnswer answer([&]() { choose(skwInforForm(), QStringLiteral("001")); });
        card->pick(QStringLiteral("epIdPrzyczyny3"));
    }
    EXPECT_EQ("Ten numer przyczyny został już wybrany", ui.lastText());
    EXPECT_EQ("", field(card, "epIdPrzyczyny3")->text());

    // Another cause: its long name saved cut to the column.
    ui.clear();
    {
        ModalAnswer answer([&]() { choose(skwInforForm(), QStringLiteral("002")); });
        card->pick(QStringLiteral("epPrzyczyna3"));
    }
    EXPECT_EQ("", messages());
    EXPECT_EQ("002", field(card, "epIdPrzyczyny3")->text());
    const ColumnType* column = dm->store().columnTypes().column(QStringLiteral("SKWPOSZKODOWANI"), QStringLiteral("PRZYCZYNA3"));
    ASSERT_TRUE(column);
    card->ZapiszClick();
    EXPECT_EQ("", messages());
    EXPECT_EQ("002", personValue("IDPRZYCZYNY3").toString());
    EXPECT_EQ(longName.left(column->length), personValue("PRZYCZYNA3").toString());
    EXPECT_EQ("1", personValue("IDPRZYCZYNY1").toString());
    EXPECT_TRUE(personValue("IDPRZYCZYNY6").isNull());
}

// --- Read-only cards and closing -------------------------------------------------

TEST_F(CardWindowTest, AReadOnlyCardWritesNothingAndTheNextEditableOneIsEditable) {
    const std::string personBefore = row("SKWPOSZKODOWANI", person);
    const std::string accidentBefore = row("SKWWYPADKI", id);
    auto checkReadOnly = [&](TSKWCardForm* card) {
        EXPECT_FALSE(card->editable());
        for (QLineEdit* e : card->findChildren<QLineEdit*>())
            if (!qobject_cast<QSpinBox*>(e->parentWidget())) EXPECT_TRUE(e->isReadOnly()) << e->objectName().toStdString();
        for (QSpinBox* s : card->findChildren<QSpinBox*>()) EXPECT_FALSE(s->isEnabled()) << s->objectName().toStdString();
        for (RadioGroup* g : card->findChildren<RadioGroup*>())
            for (int i = 0; i < g->count(); ++i) EXPECT_FALSE(g->button(i)->isEnabled()) << g->objectName().toStdString();
        EXPECT_TRUE(card->findChild<QPushButton*>(QStringLiteral("ZamknijBtn"))->isEnabled());
        EXPECT_FALSE(card->findChild<QPushButton*>(QStringLiteral("ZapiszBtn"))->isEnabled());
        // Clicks and pickers do nothing.
        const int sex = card->state().sex;
        card->markClicked(QStringLiteral("mkPlec"), sex == 1 ? 1 : 0);
        EXPECT_EQ(sex, card->state().sex);
        field(card, "epStaz")->setText(QStringLiteral("9"));  // by the program: still not saved
        card->show();
        card->ZamknijClick();
        EXPECT_FALSE(card->isVisible());
        EXPECT_EQ(QDialog::Accepted, card->result());
        EXPECT_EQ(personBefore, row("SKWPOSZKODOWANI", person));
        EXPECT_EQ(accidentBefore, row("SKWWYPADKI", id));
    };
    // Not editable by the caller.
    checkReadOnly(open("TSKWForm_5", false));
    // A user who may only view the register.
    TPrawaDostepu viewOnly = Session::rights();
    viewOnly.AWYPADKI = 1;
    const CurrentUser user = Session::user();
    Session::logIn(user, viewOnly);
    checkReadOnly(open("TSKWForm_5", true));
    checkReadOnly(open("TSKWForm_3", true));
    EXPECT_EQ("", messages());

    // The full right again: the same window, fully editable.
    TPrawaDostepu full = viewOnly;
    full.AWYPADKI = 2;
    Session::logIn(user, full);
    TSKWCardForm* card = open("TSKWForm_5", true);
    EXPECT_TRUE(card->editable());
    for (const char* name : {"epStaz", "epPrzedsieb", "ewPolozGeogr", "epDataWypSKW2", "e9Regon"})
        EXPECT_FALSE(field(card, name)->isReadOnly()) << name;
    EXPECT_TRUE(field(card, "epIdUrazu1")->isReadOnly()) << "codes come from the picker";
    EXPECT_TRUE(field(card, "ewPoszkodowani")->isReadOnly());
    for (QSpinBox* s : card->findChildren<QSpinBox*>()) EXPECT_TRUE(s->isEnabled()) << s->objectName().toStdString();
    for (RadioGroup* g : card->findChildren<RadioGroup*>())
        for (int i = 0; i < g->count(); ++i) EXPECT_TRUE(g->button(i)->isEnabled()) << g->objectName().toStdString();
    EXPECT_TRUE(card->findChild<QPushButton*>(QStringLiteral("ZapiszBtn"))->isEnabled());

    // The close box never saves.
    field(card, "epStaz")->setText(QStringLiteral("9"));
    card->markClicked(QStringLiteral("mkPlec"), 1);
    card->show();
    static_cast<QDialog*>(card)->reject();  // the close box
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(personBefore, row("SKWPOSZKODOWANI", person));
    // "Zamknij" saves.
    card = open("TSKWForm_5", true);
    EXPECT_EQ("0", field(card, "epStaz")->text()) << "loaded again from the row";
    field(card, "epStaz")->setText(QStringLiteral("9"));
    card->show();
    card->ZamknijClick();
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(9, personValue("STAZ").toInt());
}

TEST_F(CardWindowTest, ARejectedSaveKeepsTheWindowAndWhatWasTyped) {
    // The accident has a second person, whose card nothing here may touch.
    const int second = value("SELECT MAX(ID) FROM SKWPOSZKODOWANI").toInt() + 1;
    c().execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, STAZ) VALUES (:id, :a, 99, 3)",
                {{"id", second}, {"a", id}});
    reread();
    TSKWCardForm* card = open("TSKWForm_5");
    card->show();
    const std::string accidentBefore = row("SKWWYPADKI", id);
    const std::string secondBefore = row("SKWPOSZKODOWANI", second);
    // Another workstation deletes the person meanwhile.
    auto other = db.connect(QStringLiteral("other-computer"));
    other->execute("DELETE FROM SKWPOSZKODOWANI WHERE ID = :id", {{"id", person}});
    EXPECT_TRUE(type(card, "ewPolozGeogr", QStringLiteral("Gdańsk")));
    EXPECT_TRUE(type(card, "epStaz", QStringLiteral("4")));
    ui.clear();
    card->ZapiszClick();
    ASSERT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_EQ(QStringLiteral("Błąd przy zapisie danych !!!\r\n") + RegisterStore::recordGoneMessage(), ui.shown[0].text);
    EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);
    EXPECT_EQ(accidentBefore, row("SKWWYPADKI", id)) << "one transaction: the accident row unchanged";
    EXPECT_EQ("Gdańsk", field(card, "ewPolozGeogr")->text());
    EXPECT_EQ("4", field(card, "epStaz")->text());
    EXPECT_EQ(id, dm->qrySKWWypadki->value("ID").toInt());
    // "Zamknij" tries again and stays open.
    ui.clear();
    card->ZamknijClick();
    EXPECT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(id, dm->qrySKWWypadki->value("ID").toInt());
    EXPECT_EQ(accidentBefore, row("SKWWYPADKI", id));
    EXPECT_EQ(secondBefore, row("SKWPOSZKODOWANI", second)) << "the card is not written into another person";
    // The close box leaves.
    static_cast<QDialog*>(card)->reject();  // the close box
    EXPECT_FALSE(card->isVisible());
}

// --- A user's sequence through the main window -----------------------------------

TEST_F(CardWindowTest, TheUserFillsTheCardFromTheMainWindow) {
    realCardWindows();
    w->showSubPage(Register::AtWork, 0);
    ASSERT_FALSE(accidentValue("CZASZAK").isNull());
    bool answered = false;
    {
        ModalAnswer answer([&]() {
            auto* card = qobject_cast<TSKWCardForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(card);
            EXPECT_EQ("zort::TSKWForm_5", std::string(card->metaObject()->className()));
            EXPECT_EQ("STACJA-A", value("SELECT TRIM(COMPNAME) FROM SKWWYPADKI WHERE ID = :id", {{"id", id}}).toString());
            EXPECT_TRUE(accidentValue("CZASZAK").isNull()) << "taken while the card is open";
            EXPECT_EQ("/ 2024", card->findChild<QLabel*>(QStringLiteral("lRok"))->text());
            EXPECT_TRUE(type(card, "epStaz", QStringLiteral("11")));
            EXPECT_TRUE(type(card, "epPrzedsieb", QStringLiteral("Huta \"Łabędy\" S.A.")));
            EXPECT_EQ("Huta \"Łabędy\" S.A.", field(card, "e9Przedsieb")->text());
            card->markClicked(QStringLiteral("mkPlec"), 1);
            card->markClicked(QStringLiteral("mkSkutkiR"), 1);
            card->findChild<QPushButton*>(QStringLiteral("ZapiszBtn"))->click();
            EXPECT_EQ(11, personValue("STAZ").toInt());
            EXPECT_EQ(2, personValue("PLEC").toInt());
            EXPECT_EQ(2, personValue("SKUTKIR").toInt());
            EXPECT_EQ("Huta \"Łabędy\" S.A.", personValue("PRZEDSIEB").toString());
            EXPECT_TRUE(card->isVisible());
            field(card, "epGodzPracy")->setText(QStringLiteral("6"));
            card->findChild<QPushButton*>(QStringLiteral("ZamknijBtn"))->click();
            answered = true;
        });
        w->SKWBtnClick();
    }
    EXPECT_TRUE(answered);
    EXPECT_EQ(6, personValue("GODZPRACY").toInt()) << "Zamknij saved first";
    EXPECT_FALSE(accidentValue("CZASZAK").isNull()) << "released";
    EXPECT_EQ("", messages());
    // The pages of the main window show what the card saved.
    w->showSubPage(Register::AtWork, 2);
    EXPECT_EQ("11", edit("epStaz")->text());
    EXPECT_EQ("6", edit("epGodzPracy")->text());
}
