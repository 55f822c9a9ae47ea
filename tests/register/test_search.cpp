// The search window on the main window and a real database: each criterion, their
// combinations, the messages, and "Kolejny" through several injured persons.
#include "MainWindowFixture.h"

#include "domain/AccidentSearch.h"
#include "register/ZnajdzForm.h"
#include "ui/CommandGuard.h"

#include <QLineEdit>
#include <QPushButton>

using namespace zort;
using namespace zort::test;

namespace {

class Search : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // Accidents 1 to 3 of the open year, 4 of the year before.
        accident(1, 2024, {{"Kowalski", "Jan", 1, 11, 0}, {"Nowak", "Anna", 2, 12, 0}});
        accident(2, 2024, {{"KOWALSKI", "Piotr", 3, 13, 0}});
        accident(3, 2024, {{"O'Brien", "Seán", 4, 0, 7}, {"ŻÓŁĆ", "Łucja", 5, 0, 8}, {"Kowalska", "Jan", 6, 14, 0}});
        accident(4, 2023, {{"kowalski", "Jan", 7, 15, 0}});
        dm->OpenRegister(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        w->bZnajdzClick();
        form = Forms::get<TZnajdzForm>(QStringLiteral("TZnajdzForm"));
        ASSERT_TRUE(form);
    }

    struct Injured {
        const char* surname;
        const char* firstName;
        int card;
        int protocol;
        int accidentCard;
    };
    void accident(int id, int year, std::initializer_list<Injured> persons) {
        const QDateTime date(QDate(year, 3, id), QTime(8, 0));
        c().execute("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ, BLOK, "
                    "COMPNAME, CZASROZP, CZASZAK) VALUES (:id, :id, :d, :d, '', 1, 0, 0, 'STACJA-B', :d, :d)",
                    {{"id", id}, {"d", date}});
        int n = 0;
        for (const Injured& p : persons)
            c().execute("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NAZWISKO, IMIE, NUMERKARTY, NUMERPROT, "
                        "NUMERKARTYWYP, RODZUMOWY) VALUES (:id, :a, :n, :i, :k, :p, :kw, 1)",
                        {{"id", id * 10 + ++n}, {"a", id}, {"n", QString::fromUtf8(p.surname)},
                         {"i", QString::fromUtf8(p.firstName)}, {"k", p.card}, {"p", p.protocol}, {"kw", p.accidentCard}});
    }

    // Fills the fields (in the order of the window) and presses "Znajdź"; the
    // accidents shown, "Kolejny" pressed while it is enabled.
    QList<int> find(const QStringList& fields) {
        const char* names[] = {"eNazwisko", "eImie", "eSKW", "eProt", "eKarta"};
        for (int i = 0; i < 5; ++i) form->findChild<QLineEdit*>(names[i])->setText(fields.value(i));
        ui.clear();
        dm->qrySKWWypadki->locate("ID", 2);  // away from the accidents found first
        const int before = current();
        form->findChild<QPushButton*>("sbZnajdz")->click();
        QList<int> shown;
        if (current() != before || ui.shown.empty()) shown << current();
        while (form->nextEnabled()) {
            form->findChild<QPushButton*>("sbKolejny")->click();
            shown << current();
        }
        return shown;
    }
    int current() { return int(dm->qrySKWWypadki->field("ID").asInt()); }

    TZnajdzForm* form = nullptr;
};

} // namespace

TEST_F(Search, EachCriterionAloneAndTogether) {
    EXPECT_EQ("Znajdź ", form->windowTitle());
    EXPECT_FALSE(form->isModal());
    EXPECT_TRUE(form->isVisible());
    // Surnames whole and in any case; the feminine form and another year are not found.
    EXPECT_EQ(find({"kowalski"}), (QList<int>{1, 2, 2}));
    EXPECT_EQ(2, current()) << "the accident of another year is not in the list: the list stays";
    EXPECT_EQ(find({"", "jan"}), (QList<int>{1, 3, 3}));
    EXPECT_EQ(find({"", "", "3"}), QList<int>{2});
    EXPECT_EQ(find({"", "", "", "14"}), QList<int>{3});
    EXPECT_EQ(find({"", "", "", "", "8"}), QList<int>{3});
    EXPECT_EQ(find({"Kowalski", "Jan"}), (QList<int>{1, 1}));
    EXPECT_EQ(find({"Kowalski", "Jan", "1", "11"}), QList<int>{1});
    EXPECT_EQ(find({"o'brien"}), QList<int>{3});
    EXPECT_EQ(find({"żółć", "ŁUCJA"}), QList<int>{3}) << "Polish letters upper-cased alike on both sides";
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Search, TwoPersonsOfOneAccidentShowItTwice) {
    c().execute("UPDATE SKWPOSZKODOWANI SET NAZWISKO = 'Nowak' WHERE ID = 33");
    EXPECT_EQ(find({"Nowak"}), (QList<int>{1, 3}));
    c().execute("UPDATE SKWPOSZKODOWANI SET NAZWISKO = 'Nowak' WHERE ID = 32");
    EXPECT_EQ(find({"Nowak"}), (QList<int>{1, 3, 3}));
    EXPECT_FALSE(form->nextEnabled()) << "after the last row";
}

TEST_F(Search, Messages) {
    EXPECT_TRUE(find({"", " ", "", "", ""}).isEmpty());
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Brak kryteriów wyszukiwawczych", ui.shown[0].text);
    EXPECT_EQ(MsgIcon::Information, ui.shown[0].icon);

    EXPECT_TRUE(find({"Kowalski", "", "12a"}).isEmpty());
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Niepoprwny format danych", ui.shown[0].text);
    EXPECT_EQ(MsgIcon::Error, ui.shown[0].icon);

    EXPECT_TRUE(find({"Kowalsky"}).isEmpty());
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ("Brak danych dla podanych wartości", ui.shown[0].text);
    EXPECT_EQ(MsgIcon::Information, ui.shown[0].icon);
    EXPECT_FALSE(form->nextEnabled());
}

// A text the database cannot hold is a bad search text; a connection the server
// dropped is said as lost, and the next search connects again.
TEST_F(Search, ALostConnectionIsNoBadSearchText) {
    EXPECT_TRUE(find({QString::fromUtf8("Kowalskiж")}).isEmpty());
    EXPECT_EQ(ui.texts(), QStringList{"Niepoprwny format danych"});
    auto admin = db.connect(QStringLiteral("admin"));
    admin->execute(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION"));
    EXPECT_TRUE(find({"Kowalski"}).isEmpty());
    EXPECT_EQ(ui.texts(), QStringList{CommandGuard::lostMessage()});
    EXPECT_EQ(find({"Kowalski"}), (QList<int>{1, 2, 2}));
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    CommandGuard::reset();
}

TEST_F(Search, FindingWhileAnAccidentIsEditedGivesItBackFirst) {
    dm->qrySKWWypadki->locate("ID", 2);
    w->showSubPage(Register::AtWork, 1);
    ASSERT_TRUE(editing());
    EXPECT_EQ(1, value("SELECT COUNT(*) FROM SKWWYPADKI WHERE ID = 2 AND CZASZAK IS NULL").toInt()) << "taken";
    edit("ewSymbolWyp")->setText("S-2");
    form->findChild<QLineEdit*>("eNazwisko")->setText("O'Brien");
    form->findChild<QPushButton*>("sbZnajdz")->click();
    EXPECT_TRUE(w->onListPage(Register::AtWork));
    EXPECT_EQ(3, current());
    EXPECT_EQ("S-2", value("SELECT SYMBOLWYP FROM SKWWYPADKI WHERE ID = 2").toString()) << "saved before leaving";
    EXPECT_EQ(0, value("SELECT COUNT(*) FROM SKWWYPADKI WHERE CZASZAK IS NULL").toInt()) << "given back";
}

TEST(AccidentSearchStatement, CriteriaAreBoundAndJoinedWithoutALeadingAnd) {
    Params p;
    AccidentSearch protocolOnly;
    protocolOnly.protocol = "12";
    EXPECT_EQ("SELECT IdWypadku FROM SKWPoszkodowani WHERE  NumerProt = :NumerProt ORDER BY Id", protocolOnly.statement(p));
    EXPECT_EQ(12, p.value("NumerProt").toInt());

    Params q;
    const AccidentSearch names{"o'brien", "seán", "", "", " 7 "};
    EXPECT_EQ("SELECT IdWypadku FROM SKWPoszkodowani WHERE  UPPER(Nazwisko) = :Nazwisko AND UPPER(Imie) = :Imie AND"
              " NumerKartyWyp = :NumerKartyWyp ORDER BY Id",
              names.statement(q));
    EXPECT_EQ("O'BRIEN", q.value("Nazwisko").toString());
    EXPECT_EQ("SEÁN", q.value("Imie").toString());
    EXPECT_EQ(7, q.value("NumerKartyWyp").toInt());
}
