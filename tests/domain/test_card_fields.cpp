// The card forms and the classification answers of the injured-person pages: which
// form changes ask, what a confirmed change clears, and which dictionary each form
// takes each answer from.
#include "domain/CardFields.h"
#include "domain/CardVersion.h"
#include "domain/CodeTables.h"

#include <gtest/gtest.h>

#include <QMap>
#include <algorithm>

using namespace zort;

namespace {

const QDateTime k2024(QDate(2024, 5, 10), QTime(10, 0));
const QDateTime k2000(QDate(2000, 6, 1), QTime(10, 0));

CardDictionary dictionaryOf(const char* code, int version, const QDateTime& at = k2024) {
    const CardField* f = cardFieldOfCode(QString::fromLatin1(code));
    EXPECT_TRUE(f) << code;
    return f ? cardFieldDictionary(*f, version, at) : CardDictionary{};
}

} // namespace

TEST(CardVersion, OnlyTheChangesBetween2010AndTheLaterFormsAreSilent) {
    EXPECT_FALSE(versionChangeAsks(3, 4));
    EXPECT_FALSE(versionChangeAsks(4, 3));
    EXPECT_FALSE(versionChangeAsks(3, 5));
    EXPECT_FALSE(versionChangeAsks(5, 3));
    EXPECT_FALSE(versionChangeAsks(4, 4)) << "no change";
    EXPECT_TRUE(versionChangeAsks(4, 5));
    EXPECT_TRUE(versionChangeAsks(5, 4));
    EXPECT_TRUE(versionChangeAsks(0, 2)) << "one window, other dictionaries of other forms";
    EXPECT_TRUE(versionChangeAsks(2, 3));
    for (int from : {0, 2, 3, 4, 5}) EXPECT_TRUE(versionChangeAsks(from, 1)) << from;
    EXPECT_TRUE(versionChangeAsks(1, 3));
    EXPECT_EQ("Ta zmiana spowoduje wyzerowanie pól SKW. Kontynuować ?", versionChangeQuestion());
    EXPECT_EQ("Zmiana danych !!!", versionChangeCaption());
}

TEST(CardVersion, TheTableOfForms) {
    ASSERT_EQ(6u, cardVersions().size());
    const char* labels[] = {"SKW 2004", "SKW 2000", "SKW 2009", "SKW 2010", "SKW 2019", "SKW 2022"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(i, cardVersions()[size_t(i)].index);
        EXPECT_EQ(QString::fromLatin1(labels[i]), cardVersions()[size_t(i)].label);
    }
    EXPECT_EQ("(Dz. U. 2019 r. Poz. 1972) ", cardVersion(4)->legalBasis);
    EXPECT_EQ(CardFamily::Trees2022, cardVersion(5)->family);
    EXPECT_EQ(CardFamily::Lists2000, cardVersion(1)->family);
    EXPECT_EQ(nullptr, cardVersion(6));
    EXPECT_EQ(nullptr, cardVersion(-1));
    EXPECT_EQ("TSKWForm_2", cardWindowClass(0, k2024));
    EXPECT_EQ("TSKWForm_2", cardWindowClass(2, k2024));
    EXPECT_EQ("TSKWForm_1", cardWindowClass(1, k2024));
    EXPECT_EQ("TSKWForm", cardWindowClass(1, k2000));
    EXPECT_EQ("TSKWForm", cardWindowClass(1, QDateTime(QDate(2000, 12, 31), QTime(0, 0))));
    EXPECT_EQ("TSKWForm_1", cardWindowClass(1, QDateTime(QDate(2000, 12, 31), QTime(8, 0))));
    EXPECT_EQ("TSKWForm_5", cardWindowClass(5, k2024));
}

TEST(CardVersion, AConfirmedChangeClearsTheClassificationAnswersOnly) {
    const QStringList& cleared = versionChangeClearedColumns();
    EXPECT_EQ(49, cleared.size());
    for (const char* c : {"IDURAZU1", "URAZ3", "IDPRZYCZYNY7", "PRZYCZYNA1", "POLOZGEOGR", "IDLICZBAPRAC", "KODCHOROBY",
                          "IDMIEJSCA", "MIEJSCEWYP", "KODZAWODU", "ZAWOD", "IDUMOWY", "UMOWA", "IDRODZAJMIEJSCAWYP"})
        EXPECT_TRUE(versionChangeClears(QString::fromLatin1(c))) << c;
    EXPECT_TRUE(versionChangeClears(QStringLiteral("idUrazu1"))) << "columns compare without case";
    for (const char* c : {"IDPOLOZGEOGR", "LICZBAPRAC", "DNINIEZD", "STAZ", "DATA", "NUMERKARTY", "SKUTKI", "IDFWJEDN",
                          "IDCZYNNIKA1", "IDZRODLA1"})
        EXPECT_FALSE(versionChangeClears(QString::fromLatin1(c))) << c;
}

TEST(CardFields, EachFormTakesItsOwnDictionary) {
    CardDictionary d = dictionaryOf("epIdUrazu1", 5);
    EXPECT_EQ(CardDictKind::Tree, d.kind);
    EXPECT_EQ("SKWUMIEJSCURAZ_1", d.table);
    EXPECT_EQ("Umiejscowienie urazu", d.title);
    for (int v : {0, 2, 3, 4}) EXPECT_EQ("SKWUMIEJSCURAZ", dictionaryOf("epIdUrazu1", v).table) << v;
    d = dictionaryOf("epIdUrazu1", 1);
    EXPECT_EQ(CardDictKind::List2000, d.kind);
    EXPECT_EQ("SKWURAZY_1", d.table);
    EXPECT_EQ("qryUrazy", d.dataset);
    EXPECT_EQ(3, d.listKind) << "injuries are ID - NAZWA";
    EXPECT_EQ("SKWURAZY", dictionaryOf("epIdUrazu1", 1, k2000).table);
    EXPECT_EQ("SKWCZYNNIKI", dictionaryOf("epIdCzynnika2", 1, k2000).table);
    EXPECT_EQ("SKWZRODLA_1", dictionaryOf("epIdZrodla4", 1).table);
    EXPECT_EQ("SKWPRZYCZYNY", dictionaryOf("epIdPrzyczyny3", 1).table);
    EXPECT_EQ(1, dictionaryOf("epIdPrzyczyny3", 1).listKind);
    EXPECT_EQ("SKWPRZYCZYNYWYP_1", dictionaryOf("epIdPrzyczyny3", 5).table);
    EXPECT_EQ("Przyczyny wypadku", dictionaryOf("epIdPrzyczyny3", 5).title);
    EXPECT_EQ("Wydarzenie powodujące wypadek", dictionaryOf("epIdWydarzenia", 1).title);
    EXPECT_EQ("Czynnik materialny związany z czynnością wykonywaną przez poszkodowanego w chwili wypadku",
              dictionaryOf("epIdCzynnikCzynnosc", 2).title);

    // The type of injury: a tree of 2022, a list of codes before.
    d = dictionaryOf("epIdRodzajUraz", 4);
    EXPECT_EQ(CardDictKind::CodeList, d.kind);
    EXPECT_EQ("SKWRODZAJURAZ", d.table);
    EXPECT_EQ(5, d.listKind);
    EXPECT_EQ(CardDictKind::Tree, dictionaryOf("epIdRodzajUraz", 5).kind);

    // Questions a form does not ask.
    EXPECT_EQ(CardDictKind::None, dictionaryOf("epIdRodzajUraz", 1).kind);
    EXPECT_EQ(CardDictKind::None, dictionaryOf("epIdUrazu2", 5).kind);
    EXPECT_EQ(CardDictKind::None, dictionaryOf("epIDFWJedn", 2).kind);
    EXPECT_EQ(CardDictKind::None, dictionaryOf("epIDFWJedn", 0).kind);
    EXPECT_EQ("SKWFWJEDN", dictionaryOf("epIDFWJedn", 3).table);
    EXPECT_EQ(CardDictKind::None, dictionaryOf("epIdProcesPracy", 1).kind);
    EXPECT_EQ(CardDictKind::None, dictionaryOf("epIdUrazu1", 7).kind);
}

TEST(CardFields, EveryTreeIsAClassificationTableAndEveryFieldHasItsButton) {
    QStringList buttons;
    for (const CardField& f : cardFields()) {
        EXPECT_TRUE(f.button.startsWith(QLatin1Char('w'))) << f.button.toStdString();
        EXPECT_FALSE(buttons.contains(f.button)) << f.button.toStdString();
        buttons << f.button;
        EXPECT_EQ(f.codeColumn, f.codeControl.mid(2).toUpper());
        EXPECT_EQ(f.textColumn, f.textControl.mid(2).toUpper());
        for (int v = 0; v < kCardVersionCount; ++v) {
            const CardDictionary d = cardFieldDictionary(f, v, k2024);
            EXPECT_EQ(cardHasField(f, v), d.kind != CardDictKind::None) << f.codeControl.toStdString() << v;
            if (d.kind == CardDictKind::Tree) {
                const CodeTable* t = findCodeTable(d.table);
                ASSERT_TRUE(t) << d.table.toStdString();
                EXPECT_EQ(CodeTableKind::Tree, t->kind) << d.table.toStdString();
            } else if (d.kind != CardDictKind::None) {
                EXPECT_FALSE(d.dataset.isEmpty()) << d.table.toStdString();
            }
        }
    }
    // 27 answers of the register pages and 6 that only the card windows pick.
    EXPECT_EQ(33u, cardFields().size());
    EXPECT_EQ(6, std::count_if(cardFields().begin(), cardFields().end(), [](const CardField& f) { return f.cardOnly; }));
}

TEST(CardFields, CausesAreTheSameWhenTheirNumbersAre) {
    EXPECT_TRUE(sameCauseCode(QStringLiteral("1"), QStringLiteral("01")));
    EXPECT_TRUE(sameCauseCode(QStringLiteral("012"), QStringLiteral(" 12")));
    EXPECT_FALSE(sameCauseCode(QStringLiteral("012"), QStringLiteral("013")));
    EXPECT_FALSE(sameCauseCode(QString(), QStringLiteral("0")));
    // A code that is no number is compared as text without outer blanks.
    EXPECT_TRUE(sameCauseCode(QStringLiteral("A1"), QStringLiteral(" A1 ")));
    EXPECT_FALSE(sameCauseCode(QStringLiteral("A1"), QStringLiteral("A2")));
    EXPECT_FALSE(sameCauseCode(QStringLiteral("1"), QStringLiteral("A1")));
    EXPECT_EQ("Ten numer przyczyny został już wybrany", duplicateCauseMessage());
}

TEST(CardFields, InjuriesAndFactorSourcePairsOfThe2000CardAreChosenOnce) {
    QMap<QString, QString> codes;
    const auto codeOf = [&codes](const QString& control) { return codes.value(control); };
    const auto repeated = [&](const char* control) {
        return repeatedCardCode(*cardFieldOfCode(QString::fromLatin1(control)), codeOf).toStdString();
    };
    codes = {{"epIdUrazu1", "01"}, {"epIdUrazu3", "1"}};
    EXPECT_EQ("Ten numer urazu został już wybrany", repeated("epIdUrazu3"));
    codes = {{"epIdUrazu1", "A1"}, {"epIdUrazu3", "A1"}};
    EXPECT_EQ("", repeated("epIdUrazu3")) << "an old code that is no number";
    // Pairs: both codes of the slot picked must be numbers other than 0.
    codes = {{"epIdCzynnika4", "3"}, {"epIdZrodla4", "07"}, {"epIdCzynnika2", "03"}, {"epIdZrodla2", "7"}};
    EXPECT_EQ("Ten numer czynnika/źródła został już wybrany", repeated("epIdCzynnika2"));
    EXPECT_EQ("Ten numer źródła/czynnika został już wybrany", repeated("epIdZrodla2"));
    codes[QStringLiteral("epIdZrodla2")] = QStringLiteral("8");
    EXPECT_EQ("", repeated("epIdCzynnika2")) << "the same factor with another source";
    codes = {{"epIdCzynnika4", "3"}, {"epIdZrodla4", "0"}, {"epIdCzynnika2", "3"}, {"epIdZrodla2", "0"}};
    EXPECT_EQ("", repeated("epIdCzynnika2"));
    codes = {{"epIdCzynnika4", "3"}, {"epIdCzynnika2", "3"}};
    EXPECT_EQ("", repeated("epIdCzynnika2"));
    // Causes as before.
    codes = {{"epIdPrzyczyny3", "1"}, {"epIdPrzyczyny6", "001"}};
    EXPECT_EQ("Ten numer przyczyny został już wybrany", repeated("epIdPrzyczyny3"));
}
