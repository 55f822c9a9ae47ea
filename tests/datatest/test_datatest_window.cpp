// The data test window on a real database, offscreen: the rows it reads, the routine
// each button chooses, the report it keeps, and that it changes nothing.
#include "datatest/DataTestLoader.h"
#include "datatest/TestWForm.h"
#include "domain/RegisterMessages.h"
#include "register/MainWindowFixture.h"
#include "support/ModalDriver.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace zort;
using namespace zort::test;

namespace {

using Routine = TTestWForm::Routine;

class DataTestWindowTest : public OpenAccidentTest {
protected:
    void TearDown() override {
        DocumentWindows::remove(QStringLiteral("TTestWForm"));
        OpenAccidentTest::TearDown();
    }
    // The window of the run, prepared as opening it prepares it.
    TTestWForm& shown() {
        TTestWForm& t = testWForm();
        EXPECT_TRUE(t.FormShow());
        return t;
    }
    QString memoText(const TTestWForm& t) const { return t.TestMemo()->toPlainText(); }
    // What the routine reports for the rows as they are stored now: the memo must
    // show exactly this (the clock is fixed).
    QString expected(Routine routine) {
        const auto in = DataTestLoader::current(*dm);
        EXPECT_TRUE(in.has_value());
        return in ? runRoutine(routine, *in).lines.join(QLatin1Char('\n')) : QString();
    }
    void setAccident(const char* column, const QVariant& v) {
        c().execute(QStringLiteral("UPDATE SKWWYPADKI SET %1 = :v WHERE ID = :id").arg(QLatin1String(column)),
                    {{"v", v}, {"id", id}});
    }
    void setPerson(const char* column, const QVariant& v) {
        c().execute(QStringLiteral("UPDATE SKWPOSZKODOWANI SET %1 = :v WHERE ID = :id").arg(QLatin1String(column)),
                    {{"v", v}, {"id", person}});
    }
    // The whole row, column by column.
    QStringList row(const char* table, int rowId) {
        QSqlQuery q = c().run(QStringLiteral("SELECT * FROM %1 WHERE ID = :id").arg(QLatin1String(table)), {{"id", rowId}});
        QStringList values;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                values << q.record().fieldName(i) + QLatin1Char('=') +
                              (q.value(i).isNull() ? QStringLiteral("null") : q.value(i).toString());
        return values;
    }
};

} // namespace

// --- The window -------------------------------------------------------------------

TEST_F(DataTestWindowTest, WindowHasItsCaptionButtonsAndReportMemo) {
    TTestWForm& t = testWForm();
    EXPECT_EQ(QStringLiteral("Wyniki testu wprowadzonych danych"), t.windowTitle());
    EXPECT_TRUE(t.isModal());
    EXPECT_GE(t.minimumWidth(), 400);
    EXPECT_GE(t.minimumHeight(), 400);
    EXPECT_EQ(TTestWForm::kHelpContext, t.property("helpContext").toInt());
    EXPECT_EQ(33000, TTestWForm::kHelpContext);

    // The buttons in their order, left to right; "Wszystko" is the default.
    QStringList captions;
    QList<QPushButton*> buttons = t.findChildren<QPushButton*>();
    t.resize(700, 500);
    t.show();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    for (QPushButton* b : buttons) captions << b->text();
    EXPECT_EQ((QStringList{"SKW", "Protokół", "Wszystko", "Zamknij"}), captions);
    EXPECT_TRUE(t.everythingButton()->isDefault());
    for (QPushButton* b : buttons) {
        if (b != t.everythingButton()) {
            EXPECT_FALSE(b->isDefault()) << b->text().toStdString();
        }
    }

    QPlainTextEdit* memo = t.TestMemo();
    EXPECT_EQ(QStringLiteral("TestMemo"), memo->objectName());
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(memo->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(memo->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(QPlainTextEdit::NoWrap, memo->lineWrapMode());
    EXPECT_EQ(Qt::ScrollBarAlwaysOn, memo->horizontalScrollBarPolicy());
    EXPECT_EQ(Qt::ScrollBarAlwaysOn, memo->verticalScrollBarPolicy());
    // Fixed pitch: a narrow and a wide letter, and a Polish one, take the same width.
    const QFontMetrics metrics(memo->font());
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')))
        << QFontInfo(memo->font()).family().toStdString();
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QChar(0x0141)));  // "Ł"
    EXPECT_TRUE(QFontMetrics(memo->font()).inFont(QChar(0x0105)));  // "ą"
    EXPECT_TRUE(QFontMetrics(memo->font()).inFont(QChar(0x017C)));  // "ż"

    // A long line stays one line: it scrolls sideways.
    t.AddReportLine(QString(300, QLatin1Char('x')));
    QCoreApplication::processEvents();
    EXPECT_EQ(1, memo->document()->blockCount());
    EXPECT_GT(memo->horizontalScrollBar()->maximum(), 0);

    // "Zamknij" closes, and so does Esc.
    t.closeButton()->click();
    EXPECT_FALSE(t.isVisible());
    t.show();
    QTest::keyClick(&t, Qt::Key_Escape);
    EXPECT_FALSE(t.isVisible());
}

TEST_F(DataTestWindowTest, AddReportLineAppendsOneLineEach) {
    TTestWForm& t = testWForm();
    t.AddReportLine(QString());
    t.AddReportLine(QStringLiteral("Nazwisko                               : Kowalski"));
    t.AddReportLine(QString());
    t.AddReportLine(QStringLiteral("Okoliczności wypadku                   : pierwszy\r\ndrugi"));
    EXPECT_EQ(QStringLiteral("\nNazwisko                               : Kowalski\n\nOkoliczności wypadku                   : "
                             "pierwszy\ndrugi"),
              t.TestMemo()->toPlainText());
}

// --- The runs -----------------------------------------------------------------------

TEST_F(DataTestWindowTest, ShowingRunsTheCardTestAndEachButtonReplacesTheReport) {
    admSettings().nowyProtPowypadkowy = 0;
    TTestWForm& t = shown();
    EXPECT_FALSE(t.protocolButton()->isHidden());
    EXPECT_EQ(Routine::TestCard, t.lastRoutine());
    EXPECT_EQ(expected(Routine::TestCard), memoText(t));

    // Lines left in the memo do not survive a run.
    t.AddReportLine(QStringLiteral("pozostałość"));
    t.skwButton()->click();
    EXPECT_EQ(Routine::TestCard, t.lastRoutine());
    EXPECT_EQ(expected(Routine::TestCard), memoText(t));

    t.AddReportLine(QStringLiteral("pozostałość"));
    t.protocolButton()->click();
    EXPECT_EQ(Routine::TestProtocol1998, t.lastRoutine());
    EXPECT_EQ(expected(Routine::TestProtocol1998), memoText(t));
    EXPECT_FALSE(memoText(t).contains(QStringLiteral("pozostałość")));

    t.everythingButton()->click();
    EXPECT_EQ(Routine::TestEverything, t.lastRoutine());
    EXPECT_EQ(expected(Routine::TestEverything), memoText(t));

    // The counters are those of the last run alone.
    const auto in = DataTestLoader::current(*dm);
    ASSERT_TRUE(in);
    const DataTestReport everything = runRoutine(Routine::TestEverything, *in);
    EXPECT_EQ(everything.ErrorCount, t.lastReport().ErrorCount);
    EXPECT_EQ(everything.WarningCount, t.lastReport().WarningCount);
    EXPECT_EQ(everything.NoteCount, t.lastReport().NoteCount);
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(DataTestWindowTest, ProtocolButtonFollowsTheSettingsProtocolForm) {
    TTestWForm& t = shown();
    const std::pair<int, Routine> cases[] = {{0, Routine::TestProtocol1998},
                                             {1, Routine::TestProtocol},
                                             {2, Routine::TestProtocol},
                                             {3, Routine::TestProtocol}};
    for (const auto& [form, routine] : cases) {
        admSettings().nowyProtPowypadkowy = form;
        t.protocolButton()->click();
        EXPECT_EQ(routine, t.lastRoutine()) << form;
        EXPECT_EQ(expected(routine), memoText(t)) << form;
    }
}

TEST_F(DataTestWindowTest, CardButtonFollowsTheStoredCardVersion) {
    TTestWForm& t = shown();
    // The version stored now counts, not the one the lists read before.
    for (int version : {0, 1, 2, 3, 4, 5}) {
        setAccident("WERSJASKW", version);
        t.skwButton()->click();
        const Routine routine = version == 1 ? Routine::TestCard2000 : Routine::TestCard;
        EXPECT_EQ(routine, t.lastRoutine()) << version;
        EXPECT_EQ(expected(routine), memoText(t)) << version;
    }
    // Opening the window on a card of 2000 shows its test.
    setAccident("WERSJASKW", 1);
    t.FormShow();
    EXPECT_EQ(Routine::TestCard2000, t.lastRoutine());
    setAccident("WERSJASKW", QVariant());
    t.FormShow();
    EXPECT_EQ(Routine::TestCard, t.lastRoutine());
}

TEST_F(DataTestWindowTest, PersonWithTheAccidentCardHasNoProtocolButton) {
    setPerson("RODZUMOWY", 2);
    TTestWForm& t = shown();
    EXPECT_TRUE(t.protocolButton()->isHidden());
    EXPECT_EQ(Routine::TestCard, t.lastRoutine());
    EXPECT_EQ(expected(Routine::TestCard), memoText(t));
    // Its handler does nothing while the button is hidden.
    t.ProtokolBtnClick();
    EXPECT_EQ(Routine::TestCard, t.lastRoutine());
    t.everythingButton()->click();
    EXPECT_EQ(Routine::TestEverything, t.lastRoutine());

    // The same window for a person with the protocol shows the button again.
    for (int kind : {1, 3}) {
        setPerson("RODZUMOWY", kind);
        t.FormShow();
        EXPECT_FALSE(t.protocolButton()->isHidden()) << kind;
    }
    setPerson("RODZUMOWY", QVariant());
    t.FormShow();
    EXPECT_FALSE(t.protocolButton()->isHidden());
}

TEST_F(DataTestWindowTest, RunsLeaveBothRowsAsTheyWere) {
    setPerson("NAZWISKO", QStringLiteral("Żółkiewski"));
    setPerson("REGON", QStringLiteral("123"));
    setPerson("OKOLICZNOSCI", QStringLiteral("Upadek\r\nze schodów"));
    setAccident("WERSJASKW", 1);
    const QStringList accidentBefore = row("SKWWYPADKI", id);
    const QStringList personBefore = row("SKWPOSZKODOWANI", person);
    ASSERT_FALSE(accidentBefore.isEmpty());
    ASSERT_FALSE(personBefore.isEmpty());
    for (int form : {0, 3}) {
        admSettings().nowyProtPowypadkowy = form;
        TTestWForm& t = shown();
        t.skwButton()->click();
        t.protocolButton()->click();
        t.everythingButton()->click();
    }
    EXPECT_EQ(accidentBefore, row("SKWWYPADKI", id));
    EXPECT_EQ(personBefore, row("SKWPOSZKODOWANI", person));
}

TEST_F(DataTestWindowTest, DeletedPersonGivesTheMessageAndNoReport) {
    TTestWForm& t = shown();
    ASSERT_EQ(Routine::TestCard, t.lastRoutine());
    // Another workstation deletes the person; the lists still show it.
    c().execute(QStringLiteral("DELETE FROM SKWPOSZKODOWANI WHERE ID = :id"), {{"id", person}});
    for (QPushButton* b : {t.skwButton(), t.protocolButton(), t.everythingButton()}) {
        t.AddReportLine(QStringLiteral("stary raport"));
        ui.clear();
        b->click();
        ASSERT_EQ(1u, ui.shown.size()) << b->text().toStdString();
        EXPECT_EQ(noDataToTestMessage(), ui.lastText());
        EXPECT_EQ(MsgIcon::Error, ui.shown.back().icon);
        EXPECT_EQ(Routine::None, t.lastRoutine());
        EXPECT_TRUE(memoText(t).isEmpty());
    }
    // Opening it again: the message, and the window stays closed.
    ui.clear();
    EXPECT_FALSE(t.FormShow());
    EXPECT_EQ(QStringList{noDataToTestMessage()}, ui.texts());
    EXPECT_TRUE(memoText(t).isEmpty());
}

// --- Opening it ------------------------------------------------------------------------

TEST_F(DataTestWindowTest, MainWindowTestujOpensTheWindowWithTheCardReport) {
    DocumentWindows::remove(QStringLiteral("TTestWForm"));
    registerDataTestWindow();
    TTestWForm& t = testWForm();
    bool seen = false;
    {
        ModalAnswer answer([&]() {
            seen = true;
            EXPECT_EQ(&t, QApplication::activeModalWidget());
            EXPECT_EQ(Routine::TestCard, t.lastRoutine());
            EXPECT_EQ(expected(Routine::TestCard), memoText(t));
            t.closeButton()->click();
        });
        w->TestBtnClick();
    }
    EXPECT_TRUE(seen);
    EXPECT_FALSE(t.isVisible());
    EXPECT_FALSE(opened.contains(QStringLiteral("TTestWForm")));
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();

    // With the person gone from the database the window does not open.
    c().execute(QStringLiteral("DELETE FROM SKWPOSZKODOWANI WHERE ID = :id"), {{"id", person}});
    ui.clear();
    EXPECT_TRUE(DocumentWindows::open({QStringLiteral("TTestWForm"), true, w}));
    EXPECT_EQ(QStringList{noDataToTestMessage()}, ui.texts());
    EXPECT_FALSE(t.isVisible());
}

TEST_F(DataTestWindowTest, StartupCreatesTheWindow) {
    const auto& forms = startupForms();
    const auto it = std::find_if(forms.begin(), forms.end(),
                                 [](const StartupForm& f) { return QLatin1String(f.name) == QLatin1String("TTestWForm"); });
    ASSERT_NE(forms.end(), it);
    ASSERT_TRUE(it->create);
    std::unique_ptr<QObject> made(it->create());
    EXPECT_TRUE(qobject_cast<TTestWForm*>(made.get()));
}

// --- The rows read ----------------------------------------------------------------------

TEST_F(DataTestWindowTest, LoaderReadsBothRowsAsStored) {
    const QDateTime accidentAt(QDate(2024, 3, 4), QTime(10, 15, 20));
    setAccident("DATA", accidentAt);
    setAccident("WERSJASKW", 1);
    setPerson("REGON", QStringLiteral("123456789"));
    setPerson("OKOLICZNOSCI", QStringLiteral("Pośliznął się\r\nna mokrej posadzce"));
    setPerson("PRZYCZYNY", QVariant());
    setPerson("DATAUR", QDateTime(QDate(1980, 2, 3), QTime(0, 0)));
    setPerson("DATAZG", QVariant());
    setPerson("NAZWISKO", QStringLiteral("Źdźbło"));
    admSettings().nowyProtPowypadkowy = 2;
    Clock::setNow(QDateTime(QDate(2024, 9, 1), QTime(8, 0)));

    const auto in = DataTestLoader(c()).read(id, person);
    ASSERT_TRUE(in);
    // Every column, named in upper case.
    EXPECT_EQ(row("SKWWYPADKI", id).size(), in->accident.size());
    EXPECT_EQ(row("SKWPOSZKODOWANI", person).size(), in->person.size());
    for (const QString& key : in->accident.keys()) EXPECT_EQ(key.toUpper(), key);
    for (const QString& key : in->person.keys()) EXPECT_EQ(key.toUpper(), key);
    EXPECT_EQ(id, in->accident.value("ID").toInt());
    EXPECT_EQ(person, in->person.value("ID").toInt());
    EXPECT_EQ(id, in->person.value("IDWYPADKU").toInt());

    // A fixed-width column comes padded; a text blob as its text with its CR LF.
    EXPECT_EQ(QStringLiteral("123456789       "), in->person.value("REGON").toString());
    EXPECT_EQ(QMetaType::QString, in->person.value("OKOLICZNOSCI").metaType().id());
    EXPECT_EQ(QStringLiteral("Pośliznął się\r\nna mokrej posadzce"), in->person.value("OKOLICZNOSCI").toString());
    EXPECT_TRUE(in->person.contains("PRZYCZYNY"));
    EXPECT_TRUE(in->person.value("PRZYCZYNY").isNull());
    EXPECT_EQ(QStringLiteral("Źdźbło"), in->person.value("NAZWISKO").toString());
    // Dates with their time of day, an empty date null.
    EXPECT_EQ(accidentAt, in->accident.value("DATA").toDateTime());
    EXPECT_EQ(QDateTime(QDate(1980, 2, 3), QTime(0, 0)), in->person.value("DATAUR").toDateTime());
    EXPECT_TRUE(in->person.contains("DATAZG"));
    EXPECT_TRUE(in->person.value("DATAZG").isNull());
    EXPECT_EQ(1, in->accident.value("WERSJASKW").toInt());
    // The settings' protocol form and the program's clock.
    EXPECT_EQ(2, in->protocolForm);
    EXPECT_EQ(QDateTime(QDate(2024, 9, 1), QTime(8, 0)), in->now);

    // The current rows of the data module are the same rows.
    const auto current = DataTestLoader::current(*dm);
    ASSERT_TRUE(current);
    EXPECT_EQ(in->person, current->person);
    EXPECT_EQ(in->accident, current->accident);
}

TEST_F(DataTestWindowTest, LoaderFindsNothingForMissingRows) {
    DataTestLoader loader(c());
    EXPECT_FALSE(loader.read(id, 0));
    EXPECT_FALSE(loader.read(0, person));
    EXPECT_FALSE(loader.read(id, person + 1000));
    EXPECT_FALSE(loader.read(id + 1000, person));
    EXPECT_TRUE(loader.read(id, person));
    c().execute(QStringLiteral("DELETE FROM SKWPOSZKODOWANI WHERE ID = :id"), {{"id", person}});
    EXPECT_FALSE(loader.read(id, person));
    EXPECT_FALSE(DataTestLoader::current(*dm));
}
