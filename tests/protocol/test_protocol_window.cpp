// The post-accident protocol windows on a real database, offscreen: opened from the
// main window on the accident the user added, filled in and saved in each form,
// checked against the database after each step.
#include "core/Formats.h"
#include "protocol/ProtPowForm.h"
#include "register/MainWindowFixture.h"
#include "support/AccessibleWalk.h"
#include "support/ModalDriver.h"
#include "support/FieldWidths.h"
#include "ui/FieldBinding.h"
#include "ui/StrikeMark.h"

#include <QPlainTextEdit>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

const char* const kWindows[] = {"TProtPowForm", "TProtPowForm_1", "TProtPowForm_2", "TProtPowForm_3"};

class ProtocolWindowTest : public OpenAccidentTest {
protected:
    void SetUp() override {
        OpenAccidentTest::SetUp();
        // The accident happened on 3 May 2024 at 14:35:20.250.
        c().execute("UPDATE SKWWYPADKI SET DATA = :d WHERE ID = :id",
                    {{"d", QDateTime(QDate(2024, 5, 3), QTime(14, 35, 20, 250))}, {"id", id}});
        reread();
    }
    void TearDown() override {
        for (const char* name : {"TProtPowForm_1", "TProtPowForm_2", "TProtPowForm_3"})
            DocumentWindows::remove(QString::fromLatin1(name));
        OpenAccidentTest::TearDown();
    }
    void reread() { dm->reopenLists(Register::AtWork, id, person); }
    TProtocolWindow* open(const char* className, bool editable = true) {
        TProtocolWindow* p = protocolWindow(QString::fromLatin1(className));
        EXPECT_TRUE(p) << className;
        p->prepare(request(className, editable));
        return p;
    }
    QLineEdit* field(TProtocolWindow* p, const char* name) { return p->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPlainTextEdit* memoOf(TProtocolWindow* p, const char* name) {
        return p->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }
    // Types into a field and leaves it, as the user does.
    bool type(TProtocolWindow* p, const char* name, const QString& text) {
        QLineEdit* e = field(p, name);
        EXPECT_TRUE(e) << name;
        if (!e) return false;
        e->setText(text);
        return p->leaveField(e);
    }
    std::map<QString, QString> rowMap(const char* table, int rowId) {
        QSqlQuery q = c().run(QStringLiteral("SELECT * FROM %1 WHERE ID = :id").arg(QLatin1String(table)), {{"id", rowId}});
        std::map<QString, QString> values;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                values[q.record().fieldName(i).toUpper()] =
                    q.value(i).isNull() ? QStringLiteral("null") : q.value(i).toString();
        return values;
    }
    // The columns whose values differ between two states of a row.
    static QSet<QString> changed(const std::map<QString, QString>& before, const std::map<QString, QString>& after) {
        QSet<QString> out;
        for (const auto& [column, value] : after)
            if (before.at(column) != value) out.insert(column);
        return out;
    }
    std::string messages() const { return ui.texts().join(QLatin1Char('|')).toStdString(); }
    // A value for every protocol column of the person, so that a save shows what it touches.
    void fillPerson() {
        c().execute("UPDATE SKWPOSZKODOWANI SET IMIE = 'Anna', NAZWISKO = 'Kowalska', SYNCORKA = 'córka Jana', "
                    "WOJEW = 'mazowieckie', IMOJCA = 'Jan', MIEJSCEUR = 'Radom', NIPPRAC = '111', REGON = '222', "
                    "ULICA = 'Polna', NRUL = '3', NRMIESZ = '4', OKOLICZNOSCI = 'stare okoliczności', "
                    "NR_PRZESYLKI = 'R1', TYPWYP = 1, SKUTKI = 2, ZAPOZNANY = 2, DORECZENIE = 2, FORMWYP = 2, "
                    "DATAZG = :zg WHERE ID = :id",
                    {{"zg", QDateTime(QDate(2024, 5, 4), QTime(0, 0))}, {"id", person}});
        c().execute("UPDATE SKWWYPADKI SET WYPIZ = 1, DATAZGMIN = :zg WHERE ID = :id",
                    {{"zg", QDateTime(QDate(2024, 5, 4), QTime(0, 0))}, {"id", id}});
        reread();
    }
};

// Opens the protocol from the main window ("Protokół") and hands the window to `act`.
template <class Act>
QString openFromMainWindow(TRejestrWypForm* w, Act act) {
    QString shown;
    ModalAnswer answer([&]() {
        auto* p = qobject_cast<TProtocolWindow*>(QApplication::activeModalWidget());
        ASSERT_TRUE(p);
        shown = QString::fromLatin1(p->metaObject()->className());
        act(p);
        if (p->isVisible()) static_cast<QDialog*>(p)->reject();
    });
    w->ProtokolBtnClick();
    return shown;
}

} // namespace

// --- The forms -------------------------------------------------------------------

TEST_F(ProtocolWindowTest, ProtocolOpensTheFormChosenForTheWorkstation) {
    DocumentWindows::remove(QStringLiteral("TProtPowForm"));
    registerProtocolWindows();
    for (int form = 0; form <= 3; ++form) {
        admSettings().nowyProtPowypadkowy = form;
        bool editable = false;
        const QString shown = openFromMainWindow(w, [&](TProtocolWindow* p) {
            editable = p->editable();
            EXPECT_EQ("Protokół powypadkowy", p->windowTitle());
            EXPECT_EQ(0, p->pages()->currentIndex());
            EXPECT_EQ(form >= 2 ? 4 : 2, p->pages()->count());
            EXPECT_EQ("Strona 1", p->pages()->tabText(0));
            // Esc in a field closes the window as "Zamknij" does.
            QWidget* focus = p->pages()->currentWidget()->findChild<QLineEdit*>();
            ASSERT_TRUE(focus);
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
            EXPECT_FALSE(p->isVisible()) << "Esc";
        });
        EXPECT_EQ(QStringLiteral("zort::") + QString::fromLatin1(kWindows[form]), shown);
        EXPECT_TRUE(editable);
        EXPECT_FALSE(accidentValue("CZASZAK").isNull()) << "released after the protocol closed";
    }
}

TEST_F(ProtocolWindowTest, EveryFieldOfEveryFormShowsItsWholeValue) {
    // The dates carry times of day (the report's date as a date and a time).
    c().execute("UPDATE SKWPOSZKODOWANI SET DATAZG = :d, DATAPROT = :d WHERE ID = :id",
                {{"d", QDateTime(QDate(2024, 12, 28), QTime(23, 58, 58))}, {"id", person}});
    reread();
    for (const char* name : kWindows) {
        TProtocolWindow* p = open(name);
        EXPECT_EQ("", pageFaults(p, QString::fromLatin1(name)));
        EXPECT_TRUE(showsWhole(field(p, "epDataProt"), field(p, "epDataProt")->text())) << name;
        p->hide();
    }
}

TEST_F(ProtocolWindowTest, LoadAndSaveLeaveTheRowsAsTheyWereInEveryForm) {
    fillPerson();
    for (const char* className : kWindows) {
        const auto personBefore = rowMap("SKWPOSZKODOWANI", person);
        const auto accidentBefore = rowMap("SKWWYPADKI", id);
        TProtocolWindow* p = open(className);
        ASSERT_TRUE(p->ZapiszClick()) << className << messages();
        EXPECT_EQ(QSet<QString>(), changed(personBefore, rowMap("SKWPOSZKODOWANI", person))) << className;
        EXPECT_EQ(QSet<QString>(), changed(accidentBefore, rowMap("SKWWYPADKI", id))) << className;
    }
    EXPECT_EQ("", messages());
}

TEST_F(ProtocolWindowTest, EachFormWritesItsOwnColumnsOnly) {
    for (int form = 0; form < 4; ++form) {
        const char* className = kWindows[form];
        fillPerson();
        const auto personBefore = rowMap("SKWPOSZKODOWANI", person);
        const auto accidentBefore = rowMap("SKWWYPADKI", id);
        TProtocolWindow* p = open(className);
        QSet<QString> personColumns, accidentColumns;
        for (const ProtocolItem& item : p->description().items) {
            if (item.kind == ProtocolItemKind::Edit) {
                QLineEdit* e = field(p, item.name.toLatin1().constData());
                // A value of its own for each form, so that every form changes it.
                QString text = QString::number(7 + form);
                if (item.date) text = Formats::date(QDate(2024, 5, 20 + form));
                else if (item.column() != QLatin1String("NUMERPROT") && item.column() != QLatin1String("KODZAWODU"))
                    text = QStringLiteral("x%1").arg(form).left(item.maxLength > 0 ? item.maxLength : 2);
                e->setText(text);
                (item.ofAccident() ? accidentColumns : personColumns).insert(item.column());
            } else if (item.kind == ProtocolItemKind::Memo) {
                memoOf(p, item.name.toLatin1().constData())->setPlainText(QStringLiteral("nowy tekst"));
                personColumns.insert(item.column());
            }
        }
        ASSERT_TRUE(p->ZapiszClick()) << className << messages();
        const QSet<QString> personChanged = changed(personBefore, rowMap("SKWPOSZKODOWANI", person));
        const QSet<QString> accidentChanged = changed(accidentBefore, rowMap("SKWWYPADKI", id));
        for (const QString& column : personChanged)
            EXPECT_TRUE(personColumns.contains(column)) << className << " wrote " << column.toStdString();
        for (const QString& column : accidentChanged)
            EXPECT_TRUE(accidentColumns.contains(column) || column == QLatin1String("DATAZGMIN"))
                << className << " wrote " << column.toStdString();
        EXPECT_TRUE(personChanged.contains(QStringLiteral("IMNAZWA"))) << className;
        EXPECT_TRUE(accidentChanged.contains(QStringLiteral("DATA"))) << className;
        // Columns of other forms keep what those forms stored.
        const bool of1998 = QByteArray(className) == "TProtPowForm";
        EXPECT_EQ(of1998, personChanged.contains(QStringLiteral("SYNCORKA"))) << className;
        EXPECT_EQ(!of1998, personChanged.contains(QStringLiteral("OKOLICZNOSCI"))) << className;
        EXPECT_EQ(of1998, personChanged.contains(QStringLiteral("WOJEW"))) << className;
        EXPECT_EQ(QByteArray(className) == "TProtPowForm_1" || QByteArray(className) == "TProtPowForm_2",
                  personChanged.contains(QStringLiteral("IMOJCA")))
            << className;
    }
    EXPECT_EQ("", messages());
}

TEST_F(ProtocolWindowTest, EveryFieldAndMarkIsFoundByItsCaption) {
    for (const char* className : kWindows) {
        TProtocolWindow* p = open(className);
        p->show();
        int marks = 0;
        for (int page = 0; page < p->pages()->count(); ++page) {
            p->pages()->setCurrentIndex(page);
            EXPECT_EQ(QStringList(), accessibilityFaults(p)) << className << " page " << page + 1;
            for (const AccessibleControl& c : entryControls(p))
                if (qobject_cast<StrikeMark*>(c.iface->object())) ++marks;
        }
        EXPECT_EQ(QByteArray(className) == "TProtPowForm" ? 10 : QByteArray(className) == "TProtPowForm_3" ? 15 : 13, marks)
            << className;
        p->hide();
    }
}

// --- Marks -----------------------------------------------------------------------

TEST_F(ProtocolWindowTest, MarksChangeTheValuesHeldUntilTheSave) {
    c().execute("UPDATE SKWPOSZKODOWANI SET TYPWYP = 2, SKUTKI = 0, ZAPOZNANY = NULL, DORECZENIE = NULL, "
                "FORMWYP = NULL WHERE ID = :id",
                {{"id", person}});
    reread();
    TProtocolWindow* p = open("TProtPowForm_3");
    StrikeMark* fatal = p->markControl(ProtocolMark::Fatal);
    ASSERT_TRUE(fatal);
    // SKUTKI 0: the three alternatives stand on the form of 2019.
    EXPECT_FALSE(fatal->struck());
    EXPECT_FALSE(p->markControl(ProtocolMark::Temporary)->struck());
    fatal->click();
    EXPECT_FALSE(fatal->struck());
    EXPECT_TRUE(p->markControl(ProtocolMark::Serious)->struck());
    fatal->click();
    EXPECT_TRUE(fatal->struck());
    EXPECT_EQ(4, p->marks().values().skutki);
    EXPECT_EQ(0, personValue("SKUTKI").toInt()) << "held by the window until the save";
    // "NIE JEST" stands; "- wypadkiem przy pracy" gives 2, then "JEST" 0.
    p->markControl(ProtocolMark::AtWork)->click();
    EXPECT_EQ(2, p->marks().values().typwyp);
    p->markControl(ProtocolMark::Is)->click();
    EXPECT_EQ(0, p->marks().values().typwyp);
    EXPECT_FALSE(p->markControl(ProtocolMark::Is)->struck());
    EXPECT_TRUE(p->markControl(ProtocolMark::IsNot)->struck());
    p->markControl(ProtocolMark::Collective)->click();
    p->markControl(ProtocolMark::Family)->click();
    p->markControl(ProtocolMark::Posted)->click();
    p->markControl(ProtocolMark::RemarksYes)->click();
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ(4, personValue("SKUTKI").toInt());
    EXPECT_EQ(0, personValue("TYPWYP").toInt());
    EXPECT_EQ(2, personValue("ZAPOZNANY").toInt());
    EXPECT_EQ(2, personValue("DORECZENIE").toInt());
    EXPECT_EQ(2, personValue("FORMWYP").toInt());
    EXPECT_EQ(1, accidentValue("WYPIZ").toInt()) << "the protocol chooses the kind";
    // Read again after the save: the marks show the stored values.
    EXPECT_FALSE(p->markControl(ProtocolMark::RemarksYes)->struck());
    EXPECT_TRUE(p->markControl(ProtocolMark::RemarksNo)->struck());
    EXPECT_TRUE(p->markControl(ProtocolMark::Individual)->struck());
}

TEST_F(ProtocolWindowTest, OlderFormsPaintAndSaveTheirOwnMarks) {
    c().execute("UPDATE SKWPOSZKODOWANI SET TYPWYP = 5, SKUTKI = 0, ZAPOZNANY = 2, DORECZENIE = 1, FORMWYP = 2 "
                "WHERE ID = :id",
                {{"id", person}});
    reread();
    TProtocolWindow* p = open("TProtPowForm");
    // SKUTKI 0 strikes the three effects on the forms of 1998 and 2003.
    for (ProtocolMark m : {ProtocolMark::Fatal, ProtocolMark::Serious, ProtocolMark::Temporary})
        EXPECT_TRUE(p->markControl(m)->struck());
    // TYPWYP 5: "NIE JEST" an accident at an agency contract.
    ASSERT_TRUE(p->markControl(ProtocolMark::Agency));
    EXPECT_FALSE(p->markControl(ProtocolMark::Agency)->struck());
    EXPECT_FALSE(p->markControl(ProtocolMark::IsNot)->struck());
    EXPECT_TRUE(p->markControl(ProtocolMark::Is)->struck());
    EXPECT_FALSE(p->markControl(ProtocolMark::Injured)) << "no acquaintance marks on the form of 1998";
    EXPECT_FALSE(p->markControl(ProtocolMark::RemarksYes));
    // "JEST" strikes the kinds again; the kind is then clicked.
    p->markControl(ProtocolMark::Is)->click();
    EXPECT_TRUE(p->markControl(ProtocolMark::Agency)->struck());
    EXPECT_TRUE(p->markControl(ProtocolMark::AtWork)->struck());
    p->markControl(ProtocolMark::Agency)->click();
    EXPECT_EQ(4, p->marks().values().typwyp);
    p->markControl(ProtocolMark::Temporary)->click();
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ(4, personValue("TYPWYP").toInt());
    EXPECT_EQ(3, personValue("SKUTKI").toInt());
    // The form of 1998 writes no acquaintance, delivery or remarks.
    EXPECT_EQ(2, personValue("ZAPOZNANY").toInt());
    EXPECT_EQ(1, personValue("DORECZENIE").toInt());
    EXPECT_EQ(2, personValue("FORMWYP").toInt());

    // 2004: no remarks mark, FORMWYP kept; acquaintance and delivery written.
    p = open("TProtPowForm_2");
    EXPECT_FALSE(p->markControl(ProtocolMark::RemarksNo));
    EXPECT_FALSE(p->markControl(ProtocolMark::Injured)->struck() && p->markControl(ProtocolMark::Family)->struck());
    p->markControl(ProtocolMark::Injured)->click();
    p->markControl(ProtocolMark::Posted)->click();
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ(1, personValue("ZAPOZNANY").toInt());
    EXPECT_EQ(2, personValue("DORECZENIE").toInt());
    EXPECT_EQ(2, personValue("FORMWYP").toInt());
}

// --- Saving ----------------------------------------------------------------------

TEST_F(ProtocolWindowTest, TextsAreStoredExactlyAsTyped) {
    TProtocolWindow* p = open("TProtPowForm_3");
    EXPECT_TRUE(type(p, "epNazwisko", QStringLiteral("O'Brien \"Junior")));
    EXPECT_TRUE(type(p, "epImNazwA", QStringLiteral("Jan \"Kowal\" O'Neil")));
    memoOf(p, "epOkolicznosci01")->setPlainText(QStringLiteral("Linia pierwsza\nlinia 'druga'\n\"trzecia"));
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ("O'Brien \"Junior", personValue("NAZWISKO").toString());
    EXPECT_EQ("Jan \"Kowal\" O'Neil", personValue("IMNAZWA").toString());
    EXPECT_EQ("Linia pierwsza\r\nlinia 'druga'\r\n\"trzecia", personValue("OKOLICZNOSCI").toString());
    // Characters the database's code page lacks are refused as typed.
    EXPECT_TRUE(type(p, "epFunkcjaA", QStringLiteral("kierownik ☃")));
    ui.clear();
    EXPECT_FALSE(p->ZapiszClick());
    EXPECT_NE(std::string::npos, messages().find("Windows-1250")) << messages();
    EXPECT_TRUE(personValue("FUNKCJAA").isNull());
    EXPECT_EQ("kierownik ☃", field(p, "epFunkcjaA")->text());

    // The form of 1998 numbers its memos differently: its memo 01 is the causes.
    p = open("TProtPowForm");
    memoOf(p, "epPrzyczyny01")->setPlainText(QStringLiteral("Przyczyny z 1998"));
    memoOf(p, "epZalaczniki09")->clear();
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ("Przyczyny z 1998", personValue("PRZYCZYNY").toString());
    EXPECT_TRUE(personValue("ZALACZNIKI").isNull());
    EXPECT_EQ("Linia pierwsza\r\nlinia 'druga'\r\n\"trzecia", personValue("OKOLICZNOSCI").toString());
}

TEST_F(ProtocolWindowTest, TheAccidentDateKeepsItsMomentAndShowsItsHour) {
    TProtocolWindow* p = open("TProtPowForm_3");
    EXPECT_EQ(Formats::date(QDate(2024, 5, 3)) + QStringLiteral(" 14:35:20"), field(p, "ewData")->text());
    ASSERT_TRUE(p->ZapiszClick());
    EXPECT_EQ(QDateTime(QDate(2024, 5, 3), QTime(14, 35, 20, 250)), accidentValue("DATA").toDateTime());
    // A changed date with a time is read back with it.
    field(p, "ewData")->setText(Formats::date(QDate(2024, 5, 2)) + QStringLiteral(" 8:15"));
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ(QDateTime(QDate(2024, 5, 2), QTime(8, 15)), accidentValue("DATA").toDateTime());
    // An emptied field is stored as null.
    field(p, "epDataUst")->setText(Formats::date(QDate(2024, 5, 6)));
    ASSERT_TRUE(p->ZapiszClick());
    EXPECT_EQ(QDate(2024, 5, 6), personValue("DATAUST").toDate());
    field(p, "epDataUst")->clear();
    ASSERT_TRUE(p->ZapiszClick());
    EXPECT_TRUE(personValue("DATAUST").isNull());
}

TEST_F(ProtocolWindowTest, ABadDateOrARejectedStatementWritesNothingAndKeepsTheWindow) {
    fillPerson();
    const auto personBefore = rowMap("SKWPOSZKODOWANI", person);
    const auto accidentBefore = rowMap("SKWWYPADKI", id);
    TProtocolWindow* p = open("TProtPowForm_3");
    p->show();
    field(p, "epNazwisko")->setText(QStringLiteral("Nowak"));
    field(p, "epDataZg")->setText(QStringLiteral("2024-13-45"));
    ui.clear();
    p->ZamknijClick();
    EXPECT_EQ("Zły format daty.", messages());
    EXPECT_TRUE(p->isVisible()) << "Zamknij closes only after a save that succeeded";
    EXPECT_EQ(1, p->pages()->currentIndex() + 1);
    EXPECT_EQ(QSet<QString>(), changed(personBefore, rowMap("SKWPOSZKODOWANI", person)));

    // The database refuses the person's row: neither row changes.
    c().execute("CREATE EXCEPTION E_PROT_TEST 'odrzucone'");
    c().execute("CREATE TRIGGER T_PROT_TEST FOR SKWPOSZKODOWANI BEFORE UPDATE AS BEGIN "
                "IF (NEW.NAZWISKO = 'Odrzuc') THEN EXCEPTION E_PROT_TEST; END");
    field(p, "epDataZg")->setText(Formats::date(QDate(2024, 5, 1)));
    field(p, "epNazwisko")->setText(QStringLiteral("Odrzuc"));
    p->markControl(ProtocolMark::Individual)->click();
    ui.clear();
    p->ZamknijClick();
    ASSERT_EQ(1u, ui.shown.size()) << messages();
    EXPECT_TRUE(ui.shown[0].text.startsWith(QStringLiteral("Błąd przy zapisie danych !!!"))) << messages();
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ("Odrzuc", field(p, "epNazwisko")->text());
    EXPECT_EQ(0, p->marks().values().wypiz);
    EXPECT_EQ(QSet<QString>(), changed(personBefore, rowMap("SKWPOSZKODOWANI", person)));
    EXPECT_EQ(QSet<QString>(), changed(accidentBefore, rowMap("SKWWYPADKI", id)));
    // "Testuj" and "Wydruki" do not go on after a refused save.
    opened.clear();
    p->TestujClick();
    p->WydrukiClick();
    EXPECT_TRUE(opened.isEmpty()) << opened.join(QLatin1Char(',')).toStdString();
    // Corrected, the save goes through and the main window stands where it stood.
    field(p, "epNazwisko")->setText(QStringLiteral("Nowak"));
    p->TestujClick();
    EXPECT_EQ(QStringList{QStringLiteral("TTestWForm")}, opened);
    EXPECT_EQ("Nowak", personValue("NAZWISKO").toString());
    EXPECT_EQ(0, accidentValue("WYPIZ").toInt());
    EXPECT_EQ(id, dm->qrySKWWypadki->value(QStringLiteral("ID")).toInt());
    EXPECT_EQ(person, dm->qrySKWPoszkodowani->value(QStringLiteral("ID")).toInt());
    p->ZamknijClick();
    EXPECT_FALSE(p->isVisible());
}

TEST_F(ProtocolWindowTest, TheEarliestReportDateFollowsTheSave) {
    // A second person of the accident reported on 5 May.
    const int second = value("SELECT MAX(ID) FROM SKWPOSZKODOWANI").toInt() + 1;
    c().execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, DATAZG) VALUES (:id, :a, 99, :zg)",
                {{"id", second}, {"a", id}, {"zg", QDateTime(QDate(2024, 5, 5), QTime(0, 0))}});
    reread();
    TProtocolWindow* p = open("TProtPowForm_3");
    field(p, "epDataZg")->setText(Formats::date(QDate(2024, 5, 4)));
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ(QDate(2024, 5, 4), accidentValue("DATAZGMIN").toDate()) << "earlier";
    field(p, "epDataZg")->setText(Formats::date(QDate(2024, 5, 9)));
    ASSERT_TRUE(p->ZapiszClick());
    EXPECT_EQ(QDate(2024, 5, 5), accidentValue("DATAZGMIN").toDate()) << "later: the other person's";
    field(p, "epDataZg")->setText(QStringLiteral("1899-12-30"));
    ASSERT_TRUE(p->ZapiszClick());
    EXPECT_EQ(QDate(2024, 5, 5), accidentValue("DATAZGMIN").toDate()) << "the zero date is no date";
    EXPECT_EQ(person, dm->qrySKWPoszkodowani->value(QStringLiteral("ID")).toInt());
}

// --- Checks ----------------------------------------------------------------------

TEST_F(ProtocolWindowTest, FieldChecksWarnAndTheOccupationCodeStopsTheSave) {
    TProtocolWindow* p = open("TProtPowForm_3");
    p->show();
    struct Case {
        const char* field;
        QString text;
        const char* message;
    };
    const std::vector<Case> cases{
        {"epKodZawodu", QStringLiteral("1234567"), ""},
        {"epKodZawodu", QStringLiteral("12345678"), "Kod zawodu może mieć max. 7 znaków "},
        {"epKodZawodu", QStringLiteral("-1"), "Tylko liczby dodatnie."},
        {"epKodZawodu", QStringLiteral("12a"), "Zły format liczby całkowitej. Max. 2147483647."},
        {"epNumerProt", QStringLiteral("-1"), "Tylko liczby dodatnie."},
        {"epNumerProt", QStringLiteral("12a"), "Zły format liczby całkowitej. Max. 2147483647."},
        {"epNumerProt", QStringLiteral("0"), ""},
        {"epDataProt", Formats::date(QDate(2024, 5, 2)), "Ta data nie może być mniejsza od daty wypadku"},
        {"epDataProt", Formats::date(QDate(2024, 5, 3)), ""},
        {"epDataProt", QStringLiteral("3 maja"), "Zły format daty."},
        {"epDataUr", QStringLiteral("1990-02-30"), "Zły format daty."},
        {"epDataUr", Formats::date(QDate(1990, 2, 28)), ""},
    };
    for (const Case& k : cases) {
        ui.clear();
        EXPECT_EQ(QByteArray(k.message).isEmpty(), type(p, k.field, k.text)) << k.field << " " << k.text.toStdString();
        EXPECT_EQ(k.message, messages()) << k.field << " " << k.text.toStdString();
        if (!QByteArray(k.message).isEmpty())
            EXPECT_EQ(k.text, field(p, k.field)->text()) << "the value stays as typed";
    }
    // The too long code is a plain message, the others errors.
    type(p, "epKodZawodu", QStringLiteral("12345678"));
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(MsgIcon::None, ui.shown.back().icon);
    // The code stops the save; the other checks only warn.
    field(p, "epNumerProt")->setText(QStringLiteral("5"));
    EXPECT_FALSE(p->ZapiszClick());
    EXPECT_NE(5, personValue("NUMERPROT").toInt());
    field(p, "epKodZawodu")->setText(QStringLiteral("0712"));
    // A date that does not read stops the save too ("3 maja" is still there).
    ui.clear();
    EXPECT_FALSE(p->ZapiszClick());
    EXPECT_EQ("Zły format daty.", messages());
    EXPECT_EQ(field(p, "epDataProt"), p->focusWidget());
    field(p, "epDataProt")->setText(Formats::date(QDate(2024, 5, 7)));
    EXPECT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ("0712", personValue("KODZAWODU").toString()) << "stored as text, leading zeros kept";
    EXPECT_EQ(5, personValue("NUMERPROT").toInt());
    // Without an accident date the dates are not compared.
    field(p, "ewData")->clear();
    ui.clear();
    EXPECT_TRUE(type(p, "epDataZatw", Formats::date(QDate(2020, 1, 1))));
    EXPECT_EQ("", messages());
}

TEST_F(ProtocolWindowTest, DoubleClicksFillTheNameAndRespectTheReadOnlyState) {
    c().execute("UPDATE SKWPOSZKODOWANI SET IMIE = 'Anna', NAZWISKO = 'Kowalska' WHERE ID = :id", {{"id", person}});
    reread();
    TProtocolWindow* p = open("TProtPowForm_3");
    field(p, "epImie")->setText(QStringLiteral("Inna"));  // on screen only: the stored name fills
    p->fieldAction(QStringLiteral("epImNazwCz"));
    p->fieldAction(QStringLiteral("epImNazwCzZap"));
    EXPECT_EQ("Anna Kowalska", field(p, "epImNazwCz")->text());
    EXPECT_EQ("Anna Kowalska", field(p, "epImNazwCzZap")->text());
    p = open("TProtPowForm_3", false);
    p->fieldAction(QStringLiteral("epImNazwCz"));
    EXPECT_EQ("", field(p, "epImNazwCz")->text().toStdString());
}

// --- Rights ----------------------------------------------------------------------

TEST_F(ProtocolWindowTest, AViewOnlyUserSeesTheProtocolAndWritesNothing) {
    fillPerson();
    const auto personBefore = rowMap("SKWPOSZKODOWANI", person);
    const auto accidentBefore = rowMap("SKWWYPADKI", id);
    TPrawaDostepu viewOnly = Session::rights();
    viewOnly.AWYPADKI = 1;
    Session::logIn(Session::user(), viewOnly);
    for (const char* className : kWindows) {
        TProtocolWindow* p = open(className, true);
        EXPECT_FALSE(p->editable());
        const bool older = QByteArray(className) != "TProtPowForm_3";
        QLineEdit* name = field(p, "epNazwisko");
        if (older) EXPECT_FALSE(name->isEnabled()) << className;
        else EXPECT_TRUE(name->isReadOnly() && name->isEnabled()) << className;
        for (QPlainTextEdit* m : p->findChildren<QPlainTextEdit*>())
            EXPECT_TRUE(older ? !m->isEnabled() : m->isReadOnly()) << className << m->objectName().toStdString();
        EXPECT_FALSE(p->findChild<QPushButton*>(QStringLiteral("ZapiszBtn"))->isEnabled());
        for (const char* b : {"TestBtn", "DrukBtn", "CloseBtn"})
            EXPECT_TRUE(p->findChild<QPushButton*>(QString::fromLatin1(b))->isEnabled()) << b;
        // Marks do nothing; a value put in by the program is not saved.
        const ProtocolValues before = p->marks().values();
        p->markClicked(ProtocolMark::Fatal);
        p->markClicked(ProtocolMark::Individual);
        EXPECT_TRUE(before == p->marks().values()) << className;
        name->setText(QStringLiteral("Zmieniony"));
        p->show();
        p->ZamknijClick();
        EXPECT_FALSE(p->isVisible());
        EXPECT_EQ(QSet<QString>(), changed(personBefore, rowMap("SKWPOSZKODOWANI", person))) << className;
        EXPECT_EQ(QSet<QString>(), changed(accidentBefore, rowMap("SKWWYPADKI", id))) << className;
    }
    EXPECT_EQ("", messages());
}

TEST_F(ProtocolWindowTest, NoPersonMeansNoProtocol) {
    DocumentWindows::remove(QStringLiteral("TProtPowForm"));
    registerProtocolWindows();
    c().execute("DELETE FROM SKWPOSZKODOWANI WHERE IDWYPADKU = :id", {{"id", id}});
    reread();
    ui.clear();
    w->ProtokolBtnClick();
    EXPECT_EQ("Najpierw należy dodać wypadek i poszkodowanego, a następnie można wprowadzać dane . ", messages());
    EXPECT_EQ(MsgIcon::Error, ui.shown.back().icon);
}

// --- Memo limits -----------------------------------------------------------------

TEST_F(ProtocolWindowTest, TheLengthSettingLimitsTypingNotStoredTexts) {
    TProtocolWindow* p = open("TProtPowForm_3");
    QPlainTextEdit* m = memoOf(p, "epOkolicznosci01");
    const QString long4000(4000, QLatin1Char('a'));
    // "TAK": no limit.
    admSettings().protPowWielostronicowy = true;
    admSettingChanged(QStringLiteral("ProtPowypadkowyWielostronicowy"));
    m->setPlainText(QString());
    m->insertPlainText(long4000);
    EXPECT_EQ(4000, m->toPlainText().size());
    // "NIE": typing stops at 3120, applied at once by the setting's change.
    admSettings().protPowWielostronicowy = false;
    admSettingChanged(QStringLiteral("ProtPowypadkowyWielostronicowy"));
    m->setPlainText(QString());
    m->insertPlainText(long4000);
    EXPECT_EQ(3120, m->toPlainText().size());
    // A stored text of 5,000 characters loads whole and is saved unchanged; so does a
    // first name longer than the form's field.
    const QString long5000(5000, QLatin1Char('b'));
    const QString firstName = QStringLiteral("Maksymiliana-Konstancja");
    c().execute("UPDATE SKWPOSZKODOWANI SET OKOLICZNOSCI = :t, IMIE = :n, STRUKTSKROT = :s WHERE ID = :id",
                {{"t", long5000}, {"n", firstName}, {"s", QString(40, QLatin1Char('s'))}, {"id", person}});
    reread();
    p = open("TProtPowForm_3");
    EXPECT_EQ(5000, memoOf(p, "epOkolicznosci01")->toPlainText().size());
    EXPECT_EQ(firstName, field(p, "epImie")->text());
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ(long5000, personValue("OKOLICZNOSCI").toString());
    EXPECT_EQ(firstName, personValue("IMIE").toString());
    // The form of 1998 has a shorter department field: a longer stored one stays whole.
    p = open("TProtPowForm");
    EXPECT_EQ(40, field(p, "epStruktSkrot")->text().size());
    ASSERT_TRUE(p->ZapiszClick()) << messages();
    EXPECT_EQ(QString(40, QLatin1Char('s')), personValue("STRUKTSKROT").toString());
    // With a shorter name stored, typing stops at the form's width again.
    c().execute("UPDATE SKWPOSZKODOWANI SET IMIE = 'Ala' WHERE ID = :id", {{"id", person}});
    reread();
    p = open("TProtPowForm_3");
    field(p, "epImie")->setText(QString());
    QTest::keyClicks(field(p, "epImie"), QString(20, QLatin1Char('k')));
    EXPECT_EQ(15, field(p, "epImie")->text().size());
}
