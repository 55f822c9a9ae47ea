// The post-accident team and commission on a real database: members added in the
// administration window through their entry windows, listed and copied by the
// pickers of the main window and of the hearings, deleted without touching the
// documents that named them.
#include "admin/AdmDictionaryPages.h"
#include "admin/AdmForm.h"
#include "attachments/ZalacznikiForm.h"
#include "core/MyIniFile.h"
#include "protocol/MemberEntryForms.h"
#include "protocol/ProtPowForm.h"
#include "register/MainWindowFixture.h"
#include "support/AccessibleWalk.h"
#include "support/DatabaseDump.h"
#include "support/ModalDriver.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zort;
using namespace zort::test;

namespace {

class MemberTest : public OpenAccidentTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(iniDir.isValid());
        ini = std::make_unique<TMyIniFile>(iniDir.path() + QStringLiteral("/kwel.ini"));
        setAppIni(ini.get());
        OpenAccidentTest::SetUp();
        registerProtocolWindows();
        DocumentWindows::remove(QStringLiteral("TZalacznikiForm"));
        registerAttachmentWindows();
        c().execute("UPDATE OPARAM SET PATHDOKWYP = :p", {{"p", testTempRoot()}});
        // An employee: the pages of the protocol are his; shown, the record is taken
        // for editing.
        c().execute("UPDATE SKWPOSZKODOWANI SET RODZUMOWY = 1 WHERE ID = :id", {{"id", person}});
        // As a save leaves it (an empty field is null).
        c().execute("UPDATE SKWWYPADKI SET SYMBOLWYP = NULL WHERE ID = :id", {{"id", id}});
        dm->reopenLists(Register::AtWork, id, person);
        w->loadRecord(Register::AtWork);
        w->showSubPage(Register::AtWork, 1);
        ASSERT_TRUE(editing());
        ui.clear();
    }
    void TearDown() override {
        if (auto* z = Forms::get<TZalacznikiForm>(QStringLiteral("TZalacznikiForm"))) z->reject();
        adm.reset();
        for (const char* n : {"TAZespForm", "TfrmKomisjaPow_Policja"}) DocumentWindows::remove(QString::fromLatin1(n));
        OpenAccidentTest::TearDown();
        setAppIni(nullptr);
    }
    // The administration window on the page of the team (or of the commission).
    TAdmForm_W& admin(bool commission = false) {
        if (!adm) {
            appContext().uniformedServices = true;
            adm = std::make_unique<TAdmForm_W>();
        }
        adm->FormShow(true);
        adm->tabs()->setCurrentWidget(adm->findChild<QWidget*>(commission ? "tsKomisja" : "tsZespol"));
        return *adm;
    }
    // "Dodaj" with the entry window answered by `answer` (which gets the window up).
    void add(const std::function<void(TMemberEntryWindow&)>& answer, bool commission = false) {
        TAdmForm_W& a = admin(commission);
        ModalAnswer up([&]() {
            auto* f = qobject_cast<TMemberEntryWindow*>(QApplication::activeModalWidget());
            ASSERT_TRUE(f);
            answer(*f);
            if (f->isVisible()) f->reject();
        });
        a.DodajBtnClick();
    }
    static std::function<void(TMemberEntryWindow&)> typing(const QStringList& texts) {
        return [texts](TMemberEntryWindow& f) {
            const char* names[] = {"eImNazw", "eFunkcja", "eStanow"};
            for (int i = 0; i < texts.size(); ++i) f.field(QString::fromLatin1(names[i]))->setText(texts.at(i));
            f.okButton()->click();
        };
    }
    void member(int id, const QString& name, const QString& function) {
        c().execute("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (:i, :n, :f)",
                    {{"i", id}, {"n", name}, {"f", function}});
    }
    QComboBox* combo(QWidget* in, const char* name) { return in->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QStringList items(QComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    }
    // The user's choice of the entry with the text.
    void choose(QComboBox* c, const QString& text) {
        const int i = items(c).indexOf(text);
        ASSERT_GE(i, 0) << text.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    TZalacznikiForm& hearing() {
        TZalacznikiForm& z = attachmentsWindow();
        z.FormShow(request("TZalacznikiForm"));
        z.tabs()->setCurrentIndex(TZalacznikiForm::HearingTab);
        return z;
    }
    QLineEdit* field(QWidget* in, const char* name) { return in->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    Dataset& team() { return *dm->dataset(QStringLiteral("AZespolQry")); }
    QStringList teamRows() {
        QStringList all = databaseDump(c());
        return all.filter(QRegularExpression(QStringLiteral("^SKWZESPPOWYPADKOWY\\|")));
    }

    QTemporaryDir iniDir;
    std::unique_ptr<TMyIniFile> ini;
    std::unique_ptr<TAdmForm_W> adm;
};

const QString kName = QStringLiteral("Zofia Żak-O'Neil \"Zosia\"");
const QString kFunction = QStringLiteral("społeczny inspektor pracy");

} // namespace

TEST_F(MemberTest, AddedPickedSavedAndDeletedWithNothingElseWritten) {
    QStringList before = databaseDump(c());
    add(typing({kName, kFunction}));
    QStringList after = databaseDump(c());
    ASSERT_TRUE(rowsAdded(after, before).isEmpty());
    const QStringList added = rowsAdded(before, after);
    ASSERT_EQ(1, added.size()) << added.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(added[0].endsWith("|IMNAZW=" + kName + "|FUNKCJA=" + kFunction)) << added[0].toStdString();
    EXPECT_EQ(kName, team().value("IMNAZW").toString()) << "the list stands on the new member";
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('|').toStdString();

    // "Prot. powyp. cz. 1": the member is listed and chosen, the protocol saved.
    const QString entry = kName + " - " + kFunction;
    ASSERT_TRUE(items(combo(w, "cbZespol1")).contains(entry));
    choose(combo(w, "cbZespol1"), entry);
    EXPECT_EQ(kName, edit("erImNazwA")->text());
    before = after;
    w->sbZapiszBtnClick();
    after = databaseDump(c());
    const QStringList gone = rowsAdded(after, before);
    const QStringList now = rowsAdded(before, after);
    ASSERT_EQ(1, gone.size()) << (gone + now).join('\n').left(2000).toStdString();
    ASSERT_EQ(1, now.size());
    EXPECT_EQ(QStringList({"IMNAZWA=" + kName, "FUNKCJAA=" + kFunction}), changedValues(gone[0], now[0]));

    // The hearing's picker lists the member too.
    TZalacznikiForm& z = hearing();
    EXPECT_TRUE(items(combo(&z, "cbZesp1")).contains(entry));
    z.reject();

    // Deleted: only its row goes; the protocol keeps the names; no picker lists it.
    before = databaseDump(c());
    ui.answers = {MsgAnswer::Yes};
    admin().UsunBtnClick();
    after = databaseDump(c());
    EXPECT_TRUE(rowsAdded(before, after).isEmpty());
    EXPECT_EQ(added, rowsAdded(after, before));
    EXPECT_EQ(kName, personValue("IMNAZWA").toString());
    EXPECT_FALSE(items(combo(w, "cbZespol1")).contains(entry));
    EXPECT_FALSE(items(combo(&z, "cbZesp1")).contains(entry));
    EXPECT_EQ(-1, combo(w, "cbZespol1")->currentIndex());
    EXPECT_EQ(kName, edit("erImNazwA")->text()) << "the field keeps its text";
}

TEST_F(MemberTest, CancelledRefusedAndOddEntriesLoseNothing) {
    member(1, "Jan Kowalski", "Inspektor BHP");
    const QStringList rows = teamRows();
    add([](TMemberEntryWindow& f) {
        f.field("eImNazw")->setText("Anulowany");
        f.cancelButton()->click();
    });
    add([](TMemberEntryWindow& f) {
        f.field("eImNazw")->setText("Esc");
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    add([](TMemberEntryWindow& f) {
        f.field("eImNazw")->setText("Zamknięty");
        f.close();
    });
    EXPECT_EQ(rows, teamRows());
    EXPECT_EQ(Dataset::State::Browse, team().state());

    // The database refuses the row: its message, the window open with the texts.
    c().execute("CREATE EXCEPTION E_MEMBER_TEST 'odrzucony członek'");
    c().execute("CREATE TRIGGER T_MEMBER_TEST FOR SKWZESPPOWYPADKOWY BEFORE INSERT AS BEGIN "
                "IF (NEW.IMNAZW = 'ODRZUC') THEN EXCEPTION E_MEMBER_TEST; END");
    add([&](TMemberEntryWindow& f) {
        typing({"ODRZUC", "funkcja"})(f);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ("ODRZUC", f.field("eImNazw")->text());
        EXPECT_EQ(Dataset::State::Insert, team().state());
        ASSERT_EQ(1u, ui.shown.size());
        EXPECT_TRUE(ui.shown[0].text.contains("odrzucony członek")) << ui.texts().join('|').toStdString();
        // A character that Windows-1250 lacks: refused, naming the field.
        ui.clear();
        typing({"Jan", "inspektor ✓"})(f);
        EXPECT_TRUE(f.isVisible());
        ASSERT_EQ(1u, ui.shown.size());
        EXPECT_TRUE(ui.shown[0].text.contains("Funkcja: ")) << ui.texts().join('|').toStdString();
        EXPECT_TRUE(ui.shown[0].text.contains("✓"));
    });
    EXPECT_EQ(rows, teamRows()) << "no half row";

    // An empty name is stored; the list stands on it.
    add(typing({"", ""}));
    EXPECT_EQ(2, teamRows().size());
    EXPECT_TRUE(team().value("IMNAZW").isNull());
    EXPECT_TRUE(team().value("FUNKCJA").isNull());
    EXPECT_GT(team().value("ID").toInt(), 0);
}

TEST_F(MemberTest, DuplicatesAreStoredAndEachMemberCopiesItsOwnTexts) {
    member(1, "Jan Kowalski", "Inspektor BHP");
    member(2, "Jan Nowak", "kierownik");
    member(3, "Jan Nowak", "inspektor");
    const QString longName(81, QChar(u'ą'));
    member(4, longName, "długi");
    add(typing({"Jan Kowalski", "Inspektor BHP"}));
    EXPECT_EQ(2, value("SELECT COUNT(*) FROM SKWZESPPOWYPADKOWY WHERE IMNAZW = 'Jan Kowalski'").toInt());
    int first = -1;
    for (int r = 0; r < team().recordCount() && first < 0; ++r)
        if (team().fieldAt(r, "IMNAZW").asString() == "Jan Kowalski") first = r;
    EXPECT_EQ(first, team().recNo()) << "the first of the equal rows";

    // The protocol takes the long name whole.
    choose(combo(w, "cbZespol2"), longName + " - długi");
    EXPECT_EQ(longName, edit("erImNazwB")->text());
    w->sbZapiszBtnClick();
    EXPECT_EQ(longName, personValue("IMNAZWB").toString());

    // Positioning on a loaded record copies nothing.
    c().execute("UPDATE SKWPOSZKODOWANI SET IMNAZWA = 'Jan Kowalski', FUNKCJAA = 'stara funkcja'");
    dm->reopenLists(Register::AtWork, id, person);
    w->loadRecord(Register::AtWork);
    EXPECT_EQ("Jan Kowalski - Inspektor BHP", combo(w, "cbZespol1")->currentText());
    EXPECT_EQ("stara funkcja", edit("erFunkcjaA")->text());

    // The hearing: each of two namesakes copies its own function; a long name is cut
    // to the hearing's column.
    TZalacznikiForm& z = hearing();
    z.DodZalBtnClick();
    choose(combo(&z, "cbZesp1"), "Jan Nowak - inspektor");
    choose(combo(&z, "cbZesp2"), "Jan Nowak - kierownik");
    choose(combo(&z, "cbZesp3"), longName + " - długi");
    EXPECT_EQ("inspektor", field(&z, "epFunkcja1")->text());
    EXPECT_EQ("kierownik", field(&z, "epFunkcja2")->text());
    EXPECT_EQ(longName.left(80), field(&z, "epImNazw3")->text());
    ASSERT_TRUE(z.ZapiszBtnClick());
    EXPECT_EQ("inspektor", value("SELECT FUNKCJA1 FROM SKWPRZESLUCHANIE").toString());
    EXPECT_EQ(longName.left(80), value("SELECT IMNAZW3 FROM SKWPRZESLUCHANIE").toString());
    z.reject();
}

TEST_F(MemberTest, TheCommissionWindowStoresThreeTextsAndStandsOnThem) {
    c().execute("INSERT INTO WYPOPER_KOMISJAPOWYPAD (ID, IMNAZW, FUNKCJA, STANOW) VALUES (1, 'Adam Bury', 'kom.', "
                "'kierownik')");
    add(
        [](TMemberEntryWindow& f) {
            EXPECT_EQ("Dane członka komisji powypadkowej", f.windowTitle());
            EXPECT_EQ(1000, f.helpContext());
            typing({"Adam Bury", "kom.", "zastępca"})(f);
        },
        true);
    Dataset& members = *dm->dataset(QStringLiteral("AKomisjaQry"));
    EXPECT_EQ(2, members.recordCount());
    EXPECT_EQ("zastępca", members.value("STANOW").toString()) << "found by all three texts";
    EXPECT_GT(members.value("ID").toInt(), 1);
}

TEST_F(MemberTest, EveryFieldAndButtonOfBothWindowsIsFoundByItsLabel) {
    TAZespForm team;
    TfrmKomisjaPow_Policja commission;
    EXPECT_EQ("Dane członka zespołu powypadkowego", team.windowTitle());
    EXPECT_EQ(72000, team.helpContext());
    for (TMemberEntryWindow* f : std::initializer_list<TMemberEntryWindow*>{&team, &commission}) {
        f->show();
        EXPECT_EQ(QStringList(), accessibilityFaults(f));
        EXPECT_EQ("Imię i nazwisko", f->field("eImNazw")->accessibleName());
        EXPECT_EQ(81, f->field("eImNazw")->maxLength());
        EXPECT_EQ(50, f->field("eFunkcja")->maxLength());
        EXPECT_EQ("OK", f->okButton()->text());
        EXPECT_TRUE(f->okButton()->isDefault());
        EXPECT_EQ("Zapamiętanie danych i zamknięcie formularza", f->okButton()->toolTip());
        EXPECT_EQ("Zamknięcie formularza bez zapamiętywania danych", f->cancelButton()->toolTip());
        f->hide();
    }
    EXPECT_EQ("Funkcja", team.field("eFunkcja")->accessibleName());
    EXPECT_EQ("Stopień służbowy", commission.field("eFunkcja")->accessibleName());
    EXPECT_EQ("Stanowisko", commission.field("eStanow")->accessibleName());
    EXPECT_EQ(30, commission.field("eStanow")->maxLength());
}
