// The record a user edits on the main window's entry pages: its edit session, and
// what happens to the typed values around the document windows, on a real database.
#include "MainWindowFixture.h"

#include "attachments/ZalacznikiForm.h"
#include "card/SKWForm.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <map>

using namespace zort;
using namespace zort::test;

namespace {

using Row = std::map<QString, QString>;

class EditSessionTest : public OpenAccidentTest {
protected:
    void SetUp() override {
        OpenAccidentTest::SetUp();
        // The real attachments and card windows instead of the fixture's stand-ins.
        for (const char* name : {"TZalacznikiForm", "TSKWForm_5"}) DocumentWindows::remove(QString::fromLatin1(name));
        registerAttachmentWindows();
        registerCardWindows();
        c().execute("UPDATE SKWWYPADKI SET SYMBOLWYP = 'ZP' WHERE ID = :id", {{"id", id}});
        c().execute("UPDATE SKWPOSZKODOWANI SET IMIE = 'Kamil', NAZWISKO = 'Mazur', RODZUMOWY = 1 WHERE ID = :id",
                    {{"id", person}});
        dm->reopenLists(Register::AtWork, id, person);
        w->loadRecord(Register::AtWork);
        ui.clear();
    }
    void TearDown() override {
        if (auto* z = Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm"))) z->reject();
        for (const char* name : {"TZalacznikiForm", "TSKWForm_5"}) DocumentWindows::remove(QString::fromLatin1(name));
        OpenAccidentTest::TearDown();
    }
    const EditSession& session() const { return w->session(Register::AtWork); }
    TZalacznikiForm* attachments() { return Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm")); }
    // A row without the columns of the take, which every opening changes.
    Row row(const char* table, int rowId) {
        QSqlQuery q = c().run(QStringLiteral("SELECT * FROM %1 WHERE ID = :id").arg(QLatin1String(table)), {{"id", rowId}});
        Row values;
        if (q.next())
            for (int i = 0; i < q.record().count(); ++i) {
                const QString name = q.record().fieldName(i).toUpper();
                if (name == QLatin1String("CZASROZP") || name == QLatin1String("CZASZAK") ||
                    name == QLatin1String("COMPNAME"))
                    continue;
                values[name] = q.value(i).isNull() ? QStringLiteral("null") : q.value(i).toString();
            }
        return values;
    }
    // The columns whose values differ.
    static QStringList changed(const Row& before, const Row& after) {
        QStringList out;
        for (const auto& [column, value] : after)
            if (!before.count(column) || before.at(column) != value) out << column;
        return out;
    }
};

// Fault: the attachments window opened from an entry page reloaded the record behind
// the user's back, and the next "Zapisz" wrote nothing.
TEST_F(EditSessionTest, WhatIsTypedAfterTheAttachmentsOfAnEntryPageIsSaved) {
    struct Page {
        int page;
        const char* field;
        const char* table;
        const char* column;
        const char* text;
    };
    for (const Page& p : {Page{1, "ewSymbolWyp", "SKWWYPADKI", "SYMBOLWYP", "ZP-7"},
                          Page{2, "epImie", "SKWPOSZKODOWANI", "IMIE", "Kamila"}}) {
        SCOPED_TRACE(p.field);
        const Row accidentBefore = row("SKWWYPADKI", id), personBefore = row("SKWPOSZKODOWANI", person);
        w->showSubPage(Register::AtWork, p.page);
        ASSERT_TRUE(session().editing());
        w->button("DokumBtn")->trigger();  // "Załączn."
        ASSERT_TRUE(attachments() && attachments()->isVisible() && !attachments()->isModal());
        attachments()->ZamknijBtnClick();
        EXPECT_TRUE(session().editing()) << "editing goes on where the user was";
        edit(p.field)->setText(QString::fromUtf8(p.text));
        EXPECT_TRUE(session().changed());
        w->button("sbZapiszBtn")->trigger();
        EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
        EXPECT_FALSE(session().changed());
        const Row accidentAfter = row("SKWWYPADKI", id), personAfter = row("SKWPOSZKODOWANI", person);
        const bool onAccident = QLatin1String(p.table) == QLatin1String("SKWWYPADKI");
        EXPECT_EQ(changed(accidentBefore, accidentAfter), onAccident ? QStringList{p.column} : QStringList{});
        EXPECT_EQ(changed(personBefore, personAfter), onAccident ? QStringList{} : QStringList{p.column});
        EXPECT_EQ(QString::fromUtf8(p.text), (onAccident ? accidentAfter : personAfter).at(p.column));
        w->showSubPage(Register::AtWork, 0);
    }
    // Typed while the window is open, saved as well.
    w->showSubPage(Register::AtWork, 1);
    w->button("DokumBtn")->trigger();
    edit("ewSymbolWyp")->setText("ZP-8");
    w->button("sbZapiszBtn")->trigger();
    EXPECT_EQ("ZP-8", accidentValue("SYMBOLWYP").toString());
    EXPECT_TRUE(attachments()->isVisible()) << "the attachments of the same record stay open";
}

// Fault: a refused save before a document command threw the typed values away and
// the window opened anyway.
TEST_F(EditSessionTest, ARefusedSaveOpensNoDocumentWindowAndKeepsWhatWasTyped) {
    w->showSubPage(Register::AtWork, 1);
    edit("ewNumer")->setText("99999999999");
    edit("ewSymbolWyp")->setText("QQ");
    w->button("DokumBtn")->trigger();
    // The field's own check refuses it, before anything is collected.
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Zły format liczby całkowitej. Max. 2147483647.")});
    EXPECT_FALSE(attachments() && attachments()->isVisible());
    EXPECT_EQ("99999999999", edit("ewNumer")->text());
    EXPECT_EQ("QQ", edit("ewSymbolWyp")->text());
    EXPECT_EQ(QApplication::focusWidget(), edit("ewNumer"));
    EXPECT_EQ(1, accidentValue("NUMER").toInt());
    EXPECT_EQ("ZP", accidentValue("SYMBOLWYP").toString());
    EXPECT_TRUE(session().editing());
    EXPECT_TRUE(session().changed());

    // Corrected, the same command saves first and then opens.
    ui.clear();
    edit("ewNumer")->setText("1");
    w->button("DokumBtn")->trigger();
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_TRUE(attachments()->isVisible());
    EXPECT_EQ("QQ", accidentValue("SYMBOLWYP").toString());
}

// The card opened from the list works on its record and writes it through the
// frame's one save; the main window then shows what it wrote.
TEST_F(EditSessionTest, TheCardWritesItsRecordAndTheMainWindowShowsIt) {
    c().execute("UPDATE SKWWYPADKI SET WERSJASKW = 5 WHERE ID = :id", {{"id", id}});
    dm->reopenLists(Register::AtWork, id, person);
    w->loadRecord(Register::AtWork);
    const Row accidentBefore = row("SKWWYPADKI", id);
    {
        ModalAnswer answer([&]() {
            auto* card = qobject_cast<TSKWCardForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(card);
            card->findChild<QLineEdit*>("ewPolozGeogr")->setText(QStringLiteral("Hala B"));
            card->ZamknijClick();
        });
        w->button("SKWBtn")->trigger();
    }
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_EQ(changed(accidentBefore, row("SKWWYPADKI", id)), QStringList{"POLOZGEOGR"});
    EXPECT_FALSE(accidentValue("CZASZAK").isNull()) << "given back after the window";
    EXPECT_FALSE(session().changed()) << "the pages show what the card wrote";

    // A record deleted behind the card's back is never written elsewhere.
    {
        ModalAnswer answer([&]() {
            auto* card = qobject_cast<TSKWCardForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(card);
            c().execute("UPDATE SKWPOSZKODOWANI SET IDWYPADKU = 0 WHERE ID = :id", {{"id", person}});
            card->findChild<QLineEdit*>("ewPolozGeogr")->setText(QStringLiteral("Hala C"));
            card->ZapiszClick();
            EXPECT_EQ(ui.lastText(), QStringLiteral("Błąd przy zapisie danych !!!\r\nZapisywany rekord nie istnieje już w "
                                                    "bazie danych."));
            card->close();  // the title bar's close box: nothing saved
        });
        w->button("SKWBtn")->trigger();
    }
    EXPECT_EQ("Hala B", accidentValue("POLOZGEOGR").toString());
}

// --- The session's rules ----------------------------------------------------------------

struct Expected {
    bool editing;
    bool changed;
    bool mayBeEdited;
    EditSession::Save save;
};

class EditSessionRules;

struct Case {
    const char* name;
    std::function<void(EditSessionRules&)> steps;
    Expected expected;
    const char* symbol;  // SYMBOLWYP in the database afterwards
};

class EditSessionRules : public EditSessionTest, public ::testing::WithParamInterface<Case> {
public:
    using EditSessionTest::attachments;
    using EditSessionTest::dm;
    using EditSessionTest::edit;
    using EditSessionTest::radio;
    using EditSessionTest::w;
    void page(int p) { w->showSubPage(Register::AtWork, p); }
    void type(const char* text) { edit("ewSymbolWyp")->setText(QString::fromUtf8(text)); }
    void save() { w->button("sbZapiszBtn")->trigger(); }
    void sql(const char* statement) {
        c().execute(QString::fromUtf8(statement), {{"id", id}});
        dm->reopenLists(Register::AtWork, id, person);
        w->loadRecord(Register::AtWork);
    }
    void restartAs(int right) {
        EditSessionTest::TearDown();
        start(right);
        installCodePickers();
        dm->reopenLists(Register::AtWork);
        w->loadRecord(Register::AtWork);
    }
};

TEST_P(EditSessionRules, OneEffectEach) {
    const Case& c = GetParam();
    c.steps(*this);
    const EditSession& s = session();
    EXPECT_EQ(c.expected.editing, s.editing());
    EXPECT_EQ(c.expected.changed, s.changed());
    EXPECT_EQ(c.expected.mayBeEdited, s.mayBeEdited());
    EXPECT_EQ(int(c.expected.save), int(s.save()));
    EXPECT_EQ(QString::fromUtf8(c.symbol), value("SELECT SYMBOLWYP FROM SKWWYPADKI").toString());
}

using S = EditSession::Save;
const Case kCases[] = {
    {"LoadedOnTheList", [](EditSessionRules&) {}, {false, false, true, S::NotAllowed}, "ZP"},
    {"EntryPageUnchanged", [](EditSessionRules& t) { t.page(1); }, {true, false, true, S::NotNeeded}, "ZP"},
    {"Changed", [](EditSessionRules& t) { t.page(1); t.type("A1"); }, {true, true, true, S::Writes}, "ZP"},
    {"Saved",
     [](EditSessionRules& t) {
         t.page(1);
         t.type("A1");
         t.save();
     },
     {true, false, true, S::NotNeeded}, "A1"},
    {"ChangedBackIsUnchanged",
     [](EditSessionRules& t) {
         t.page(1);
         t.type("A1");
         t.type("ZP");
     },
     {true, false, true, S::NotNeeded}, "ZP"},
    {"Refused",
     [](EditSessionRules& t) {
         t.page(1);
         t.type("A1");
         t.edit("ewNumer")->setText("99999999999");
         t.save();
     },
     {true, true, true, S::Writes}, "ZP"},
    {"BackToTheListSaves",
     [](EditSessionRules& t) {
         t.page(1);
         t.type("A2");
         t.page(0);
     },
     {false, false, true, S::NotAllowed}, "A2"},
    {"DocumentWindowFromTheList",
     [](EditSessionRules& t) {
         ModalAnswer close([&]() { t.attachments()->ZamknijBtnClick(); });
         t.w->button("DokumBtn")->trigger();
     },
     {false, false, true, S::NotAllowed}, "ZP"},
    {"ClosedAccident", [](EditSessionRules& t) { t.sql("UPDATE SKWWYPADKI SET BLOK = 1 WHERE ID = :id"); t.page(1); },
     {true, false, false, S::NotAllowed}, "ZP"},
    {"ClosedAccidentReopened",
     [](EditSessionRules& t) {
         t.sql("UPDATE SKWWYPADKI SET BLOK = 1 WHERE ID = :id");
         t.page(1);
         t.radio("rgwBlok")->setItemIndex(0);
     },
     {true, true, true, S::Writes}, "ZP"},
    {"ViewOnlyUser",
     [](EditSessionRules& t) {
         t.restartAs(1);
         t.page(1);
         t.type("A3");
         t.save();
     },
     {true, true, false, S::NotAllowed}, "ZP"},
    {"Deleted",
     [](EditSessionRules& t) { t.w->button("sbKasWypBtn")->trigger(); },
     {false, false, false, S::NotAllowed}, ""},
    {"AnotherYear",
     [](EditSessionRules& t) {
         t.page(1);
         t.type("A4");
         t.page(0);
         t.dm->OpenRegister(QDateTime(QDate(2023, 6, 1), QTime(12, 0)));
     },
     {false, false, false, S::NotAllowed}, "A4"},
};

INSTANTIATE_TEST_SUITE_P(Cases, EditSessionRules, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
