// The attachment printouts from the report datasets of a real database: the
// attachment line of every document, the hearing's titles, sentences, joined name
// and address, the order's headings, the blank forms' room, long texts over pages.
#include "domain/AttachmentReportDatasets.h"
#include "printing/AttachmentReport.h"
#include "printing/ReportForms.h"
#include "DocumentPageChecks.h"
#include "support/RegisterFixture.h"

using namespace zort;
using namespace zort::print;
using namespace zort::test;

namespace {

const QString kOwn = QStringLiteral("TZalRepForm1");
const QString kHearing = QStringLiteral("TZal_PrzesRepForm1");
const QString kOrder = QStringLiteral("TZal_RepPolForm1");
const reportds::AttachmentOwnerIds kProtocol{5, 51};
const reportds::AttachmentOwnerIds kCommuting{2, 0};

QString sentences(int n, const QString& what) {
    QString s;
    for (int i = 1; i <= n; ++i)
        s += QStringLiteral("Zdanie %1 %2 przy rozładunku palet z naczepy.\r\n").arg(i, 4, 10, QLatin1Char('0')).arg(what);
    return s;
}

class AttachmentPrint : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        // A protocol (person 51) and an accident card (person 21) of two work
        // accidents, and a commuting card whose ID is that of the second accident.
        exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ) "
                            "VALUES (5, 1, :d, :d, 'S', 1, 0)"),
             Params{{"d", at(2023, 3, 9, 7, 40)}});
        exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NUMERKARTYWYP, RODZUMOWY, "
                            "IMIE, NAZWISKO, DATAPROT) VALUES (51, 5, 1, 7, 0, 1, 'Józef', 'Żółkiewski', :p)"),
             Params{{"p", at(2023, 3, 17)}});
        exec(QStringLiteral("INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ) "
                            "VALUES (2, 2, :d, :d, 'K', 1, 0)"),
             Params{{"d", at(2023, 4, 2, 12, 5)}});
        exec(QStringLiteral("INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, NUMERKARTYWYP, RODZUMOWY, "
                            "IMIE, NAZWISKO, DATAPROT) VALUES (21, 2, 2, 0, 9, 2, 'Ewa', 'Lis', NULL)"));
        exec(QStringLiteral("INSERT INTO SKWWYPADKIWDRODZE (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, DATASP, IMIE, NAZWISKO) "
                            "VALUES (2, 3, 'D', :d, :d, :sp, 'Marta', 'Wrona')"),
             Params{{"d", at(2023, 5, 2, 6, 30)}, {"sp", at(2023, 5, 10)}});
        own(1, 2, 21, "Notatka karty wypadku", "Treść przy pracy.");
        own(1, 2, 0, "Notatka wypadku w drodze", "Treść w drodze.");
        own(4, 5, 51, "Szkic miejsca wypadku", "Aleja regałowa nr 4.");
        // A witness heard on the protocol: its own name and date differ from the person's.
        exec(QStringLiteral("INSERT INTO SKWPRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, NAZWISKO, IMIE, DATAUR, "
                            "MIEJSCEUR, ULICA, NRUL, NRMIESZ, KODPOCZ, MIEJSCOW, STRUKTSKROT, STANOWSKROT, KODZAWODU, "
                            "ZAWOD, STAZ, IMNAZW1, FUNKCJA1, DATASP, MIEJSCESP, DATA, ZEZNANIE) VALUES (10, 5, 51, 2, 1, "
                            "'Kubiak', 'Anna', :ur, 'Kalisz', 'Polna', '3', '4', '62-800', 'Kalisz', 'Magazyn', "
                            "'magazynier', '432101', 'magazynier', '6', 'Jan Kos', 'specjalista BHP', :sp, 'Modrzewo', "
                            ":own, 'Widziałam upadek palety.')"),
             Params{{"ur", at(1985, 4, 2)}, {"sp", at(2023, 3, 18)}, {"own", at(2020, 1, 1, 9, 0)}});
        exec(QStringLiteral("INSERT INTO SKWPRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, NAZWISKO, IMIE, ULICA, "
                            "NRUL, NRMIESZ, KODPOCZ, MIEJSCOW) VALUES (11, 2, 0, 2, 0, 'Wrona', 'Marta', 'Leśna', '7', '', "
                            "'00-950', 'Gdańsk')"));
        exec(QStringLiteral("INSERT INTO SKWPRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP) VALUES (12, 2, 21, 3, 0)"));
        order(20, 5, 51, 5, 0);
        order(21, 2, 0, 3, 1);
        order(22, 2, 21, 4, 0);
        order(23, 2, 21, 5, 1);
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }

    void own(int id, int accident, int person, const char* title, const char* text) {
        Params p{{"id", id}, {"a", accident}, {"p", person}, {"t", QString::fromUtf8(title)}};
        p.setBlob(QStringLiteral("o"), QString::fromUtf8(text));
        exec(QStringLiteral("INSERT INTO SKWZALACZNIKI VALUES (:id, :a, :p, :t, :o)"), p);
    }
    void order(int id, int accident, int person, int number, int typ) {
        exec(QStringLiteral("INSERT INTO SKWPOLECENIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, SYMBOL, DATASP, MIEJSCESP, "
                            "IMNAZW, FUNKCJA) VALUES (:id, :a, :p, :n, :t, 'PP/1', :sp, 'Modrzewo', 'Andrzej Wróblewski', "
                            "'Prezes Zarządu')"),
             Params{{"id", id}, {"a", accident}, {"p", person}, {"n", number}, {"t", typ}, {"sp", at(2023, 3, 20)}});
    }
    void setBlob(const char* table, const char* column, int id, const QString& text) {
        Params p{{"id", id}};
        p.setBlob(QStringLiteral("v"), text);
        exec(QStringLiteral("UPDATE %1 SET %2 = :v WHERE ID = :id").arg(QLatin1String(table), QLatin1String(column)), p);
    }

    PagesPtr print(const QString& name, const reportds::AttachmentOwnerIds& owner, int id, bool blank = false) {
        DocumentReport* f = ReportForms::form(name);
        EXPECT_TRUE(f);
        if (!f) return std::make_shared<ReportPages>();
        reportds::openAttachment(*dm, f->datasets().value(0), owner, id);
        f->setRun(DocumentRun{dm.get(), admSettings(), blank});
        PagesPtr pages = f->prepare();
        f->setRun(DocumentRun());
        return pages;
    }
    // The attachment line of the first page ("" when there is none).
    QString line(const QString& name, const reportds::AttachmentOwnerIds& owner, int id) {
        const PagesPtr p = print(name, owner, id);
        if (p->pageCount() == 0) return QStringLiteral("(brak stron)");
        for (const QString& t : p->page(1).texts())
            if (t.startsWith(QStringLiteral("Załącznik nr "))) return t;
        return QString();
    }
    static double y(const Page& p, const QString& text) {
        const DrawItem* i = p.findText(text);
        EXPECT_TRUE(i) << text.toStdString();
        return i ? i->origin.y() : -1;
    }
};

TEST_F(AttachmentPrint, TheAttachmentLineNamesTheDocumentItsNumberAndDate) {
    EXPECT_EQ(line(kOwn, kProtocol, 4), "Załącznik nr 4 do protokołu powypadkowego nr 7 z dnia 2023-03-17");
    EXPECT_EQ(line(kHearing, kProtocol, 10), "Załącznik nr 2 do protokołu powypadkowego nr 7 z dnia 2023-03-17");
    EXPECT_EQ(line(kOrder, kProtocol, 20), "Załącznik nr 5 do protokołu powypadkowego nr 7 z dnia 2023-03-17");
    // The accident card has no date: no " z dnia ".
    EXPECT_EQ(line(kOwn, {2, 21}, 1), "Załącznik nr 1 do karty wypadku nr 9");
    EXPECT_EQ(line(kHearing, {2, 21}, 12), "Załącznik nr 3 do karty wypadku nr 9");
    // The commuting card: its own wordings, the hearing's another.
    EXPECT_EQ(line(kOwn, kCommuting, 1),
              "Załącznik nr 1 do karty wypadku w drodze do pracy lub z pracy nr 3 z dnia 2023-05-10");
    EXPECT_EQ(line(kOrder, kCommuting, 21),
              "Załącznik nr 3 do karty wypadku w drodze do pracy lub z pracy nr 3 z dnia 2023-05-10");
    EXPECT_EQ(line(kHearing, kCommuting, 11), "Załącznik nr 2 do wypadku w drodze do pracy lub z pracy nr 3 z dnia 2023-05-10");
    // The setting off: no date; the symbol joined by its setting.
    admSettings().dataNaglZal = false;
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("-");
    EXPECT_EQ(line(kOwn, kProtocol, 4), "Załącznik nr 4 do protokołu powypadkowego nr 7-S");
    EXPECT_EQ(line(kOwn, kCommuting, 1), "Załącznik nr 1 do karty wypadku w drodze do pracy lub z pracy nr 3-D");
    // Every page carries it with "Strona n/ m".
    const PagesPtr p = print(kOwn, kProtocol, 4);
    ASSERT_EQ(p->pageCount(), 1);
    EXPECT_TRUE(p->page(1).findText("Strona 1/ 1"));
    EXPECT_TRUE(p->page(1).findText("Szkic miejsca wypadku"));
}

TEST_F(AttachmentPrint, OwnAttachmentsSharingAnIdAreTheirOwnersAndAMissingOnePrintsNothing) {
    const PagesPtr work = print(kOwn, {2, 21}, 1);
    const PagesPtr commuting = print(kOwn, kCommuting, 1);
    ASSERT_EQ(work->pageCount(), 1);
    ASSERT_EQ(commuting->pageCount(), 1);
    EXPECT_TRUE(work->page(1).findText("Notatka karty wypadku"));
    EXPECT_FALSE(work->page(1).findText("Notatka wypadku w drodze"));
    EXPECT_TRUE(commuting->page(1).findText("Notatka wypadku w drodze"));
    EXPECT_TRUE(commuting->page(1).findText("Treść w drodze."));
    // No such entry: no page at all; the own attachment has no blank form.
    EXPECT_EQ(print(kOwn, kProtocol, 9)->pageCount(), 0);
    EXPECT_EQ(print(kHearing, kProtocol, 99)->pageCount(), 0);
    const PagesPtr blank = print(kOwn, kProtocol, 4, true);
    ASSERT_EQ(blank->pageCount(), 1);
    EXPECT_TRUE(blank->page(1).findText("Szkic miejsca wypadku"));
    EXPECT_TRUE(blank->page(1).findText("Strona 1/ 1"));
}

TEST_F(AttachmentPrint, HearingTitlesAndSentencesFollowTheTypeAndTheSettings) {
    const QString t233 = QStringLiteral(
        "          Uprzedzony(a) o odpowiedzialności karnej (wynikającej z art. 233 K. K. ) za składanie fałszywych "
        "zeznań, dotyczących okoliczności wypadku podaję co następuje:");
    const QString own = QStringLiteral(
        "          Uprzedzony(a) o odpowiedzialności karnej za składanie fałszywych zeznań, dotyczących okoliczności "
        "wypadku (wynikającej z art. 233 K. K. ) podaję co następuje:");
    struct Case {
        int typ;
        const char* explained;
        const char* heard;
        const char* heading;
    } cases[] = {{0, "WYJAŚNIENIA POSZKODOWANEGO", "PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO", "DANE OSOBOWE POSZKODOWANEGO"},
                 {1, "INFORMACJE UZYSKANE OD ŚWIADKA WYPADKU", "PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA", "DANE OSOBOWE ŚWIADKA"},
                 {2, "WYJAŚNIENIA POSZKODOWANEGO/ŚWIADKA WYPADKU", "PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO/ŚWIADKA",
                  "DANE OSOBOWE ..."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typ);
        exec(QStringLiteral("UPDATE SKWPRZESLUCHANIE SET TYP = :t WHERE ID = 10"), Params{{"t", c.typ}});
        for (bool explained : {true, false})
            for (bool wydr233 : {true, false}) {
                admSettings().wyjasnieniePoszk = explained;
                admSettings().wydr233 = wydr233;
                const PagesPtr p = print(kHearing, kProtocol, 10);
                ASSERT_EQ(p->pageCount(), 1);
                const QStringList texts = p->page(1).texts();
                EXPECT_TRUE(texts.contains(QString::fromUtf8(explained ? c.explained : c.heard))) << explained;
                EXPECT_TRUE(texts.contains(QString::fromUtf8(c.heading)));
                // The sentence wraps: its first words and last words are printed.
                const QString expected = c.typ == 2 ? own : wydr233 ? t233 : QStringLiteral("          Podaję co następuje:");
                EXPECT_TRUE(texts.join(QLatin1Char(' ')).contains(expected.simplified().section(' ', 0, 2)));
                EXPECT_EQ(texts.join(QLatin1Char(' ')).contains(QStringLiteral("(wynikającej z art. 233")), c.typ == 2 || wydr233);
            }
    }
    EXPECT_EQ(TZal_PrzesRepForm1::sentence(1, true), t233);
    EXPECT_EQ(TZal_PrzesRepForm1::sentence(0, false), "          Podaję co następuje:");
    EXPECT_EQ(TZal_PrzesRepForm1::sentence(2, false), own);
}

TEST_F(AttachmentPrint, HearingPrintsThePersonOfTheDocumentAndTheHeardPersonsData) {
    PagesPtr p = print(kHearing, kProtocol, 10);
    ASSERT_EQ(p->pageCount(), 1);
    const Page& page = p->page(1);
    // The injured person and the accident's date from the joined rows, not the
    // hearing's own name and date.
    EXPECT_TRUE(page.findText("na okoliczność wypadku przy pracy jakiemu uległ(a) dnia 2023-03-09 o godz. 07:40"));
    EXPECT_TRUE(page.findText("Józef Żółkiewski"));
    EXPECT_TRUE(page.findText("Anna Kubiak"));
    EXPECT_TRUE(page.findText("02.04.1985 Kalisz"));
    EXPECT_TRUE(page.findText("Polna 3 m. 4"));
    EXPECT_TRUE(page.findText(" 62-800 Kalisz"));
    EXPECT_TRUE(page.findText("432101 magazynier"));
    EXPECT_TRUE(page.findText("Widziałam upadek palety."));
    EXPECT_TRUE(page.findText("OSOBY SPORZĄDZAJĄCE PROTOKÓŁ:"));
    EXPECT_TRUE(page.findText("Jan Kos"));
    EXPECT_TRUE(page.findText("Modrzewo, dnia 2023-03-18"));
    // The name sits after "Pan/Pani" on its line, the statement below the sentence.
    EXPECT_DOUBLE_EQ(y(page, "Pan/Pani"), y(page, "Józef Żółkiewski"));
    EXPECT_GT(y(page, "Widziałam upadek palety."), y(page, "DANE OSOBOWE ŚWIADKA"));
    expectInsideMargins(*p);

    // The commuting card: its wording, an address without a flat.
    p = print(kHearing, kCommuting, 11);
    ASSERT_EQ(p->pageCount(), 1);
    EXPECT_TRUE(p->page(1).findText(
        "na okoliczność wypadku w drodze do pracy lub z pracy jakiemu uległ(a) dnia 2023-05-02 o godz. 06:30"));
    EXPECT_TRUE(p->page(1).findText("Marta Wrona"));
    EXPECT_TRUE(p->page(1).findText("Leśna 7"));
    // The accident card's wording; an accident without a date: no date, no time.
    exec(QStringLiteral("UPDATE SKWWYPADKI SET DATA = NULL WHERE ID = 2"));
    p = print(kHearing, {2, 21}, 12);
    ASSERT_EQ(p->pageCount(), 1);
    EXPECT_TRUE(p->page(1).findText("na okoliczność wypadku przy pracy, jakiemu uległ(a) dnia  o godz."));
}

TEST_F(AttachmentPrint, BlankHearingHasNoHeaderNoNameAndRoomForTheStatement) {
    const PagesPtr filled = print(kHearing, kProtocol, 10);
    const PagesPtr blank = print(kHearing, kProtocol, 10, true);
    ASSERT_EQ(blank->pageCount(), 1);
    const Page& b = blank->page(1);
    const QStringList texts = b.texts();
    EXPECT_FALSE(texts.join(' ').contains("Strona"));
    EXPECT_FALSE(texts.join(' ').contains("Załącznik nr"));
    for (const char* gone : {"Józef Żółkiewski", "Anna Kubiak", "Widziałam upadek palety.", "Modrzewo, dnia 2023-03-18", "Jan Kos"})
        EXPECT_FALSE(b.findText(QString::fromUtf8(gone))) << gone;
    EXPECT_TRUE(b.findText("na okoliczność wypadku przy pracy/w drodze do pracy lub z pracy jakiemu uległ(a) dnia  o godz."));
    EXPECT_TRUE(b.findText("Pan/Pani"));
    // The statement band is 500 units high; filled, it holds its one line (28).
    EXPECT_NEAR(y(b, "OSOBY SPORZĄDZAJĄCE PROTOKÓŁ:") - y(b, "Pan/Pani"), 282 - 58 + 500 + 60, 0.01);
    const Page& f = filled->page(1);
    EXPECT_NEAR(y(f, "OSOBY SPORZĄDZAJĄCE PROTOKÓŁ:") - y(f, "Pan/Pani"),
                282 - 58 + TZal_PrzesRepForm1::kStatementHeight + 60, 0.01);
    // The header returns on the next filled printout.
    EXPECT_TRUE(print(kHearing, kProtocol, 10)->page(1).findText("Strona 1/ 1"));
}

TEST_F(AttachmentPrint, OrderHeadingsByTypeAndDocument) {
    auto heading = [&](const reportds::AttachmentOwnerIds& owner, int id) {
        const PagesPtr p = print(kOrder, owner, id);
        EXPECT_EQ(p->pageCount(), 1);
        return p->pageCount() ? p->page(1).texts().join(QLatin1Char('|')) : QString();
    };
    QString t = heading(kProtocol, 20);
    EXPECT_TRUE(t.contains("POSTANOWIENIE POWYPADKOWE NR PP/1 z dnia 2023-03-20")) << t.toStdString();
    EXPECT_TRUE(t.contains("w sprawie wypadku przy pracy, jakiemu w dniu 2023-03-09 uległ(a) p. Józef Żółkiewski."));
    EXPECT_TRUE(t.contains("|POSTANAWIA SIĘ:|"));
    t = heading({2, 21}, 22);  // a decision on an accident card: two blanks
    EXPECT_TRUE(t.contains("w sprawie wypadku przy pracy,  jakiemu w dniu 2023-04-02 uległ(a) p. Ewa Lis."));
    t = heading({2, 21}, 23);  // an order on an accident card
    EXPECT_TRUE(t.contains("POLECENIE POWYPADKOWE NR PP/1 z dnia 2023-03-20"));
    EXPECT_TRUE(t.contains("w sprawie wypadku przy pracy, jakiemu w dniu 2023-04-02 uległ(a) p. Ewa Lis."));
    EXPECT_TRUE(t.contains("|POLECA SIĘ:|"));
    t = heading(kCommuting, 21);
    EXPECT_TRUE(t.contains("w sprawie wypadku w drodze do pracy lub z pracy, jakiemu w dniu 2023-05-02 uległ(a) p. "
                           "Marta Wrona."));
    for (const char* s : {"Odpowiedzialni :", "Termin wykonania :", "Uwagi :", "Dokument otrzymują :", "Andrzej Wróblewski",
                          "Prezes Zarządu", "Modrzewo, dnia 2023-03-20"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
}

TEST_F(AttachmentPrint, BlankOrderHasFixedRoomWithoutHeaderAndHeading) {
    const PagesPtr p = print(kOrder, {2, 21}, 23, true);
    ASSERT_EQ(p->pageCount(), 1);
    const Page& b = p->page(1);
    const QString all = b.texts().join('|');
    for (const char* gone : {"Strona", "Załącznik", "POLECENIE POWYPADKOWE", "Andrzej Wróblewski", "Modrzewo, dnia"})
        EXPECT_FALSE(all.contains(QString::fromUtf8(gone))) << gone;
    const double top = b.setup.topMargin + 4 + ReferenceDevice::ascent(FontSpec(QStringLiteral("Arial"), 10, true));
    EXPECT_NEAR(y(b, "POLECA SIĘ:"), top + TZal_RepPolForm1::kBlankSubtitle, 0.01);
    EXPECT_NEAR(y(b, "Odpowiedzialni :") - y(b, "POLECA SIĘ:"), 300, 0.01);
    EXPECT_NEAR(y(b, "Termin wykonania :") - y(b, "Odpowiedzialni :"), 100, 0.01);
    EXPECT_NEAR(y(b, "Uwagi :") - y(b, "Termin wykonania :"), 100 + 100, 0.01);  // the causes between
    EXPECT_NEAR(y(b, "Dokument otrzymują :") - y(b, "Uwagi :"), 100 + 76, 0.01);   // the signatures between
    exportPdf(p, QStringLiteral("polecenie-puste"));
    exportPdf(print(kHearing, kProtocol, 10, true), QStringLiteral("przesluchanie-puste"));
}

TEST_F(AttachmentPrint, LongTextsFlowOverPagesEveryLineOnceInOrder) {
    setBlob("SKWZALACZNIKI", "OPIS", 4, sentences(160, "opisu"));
    setBlob("SKWPRZESLUCHANIE", "ZEZNANIE", 10, sentences(160, "zeznania"));
    setBlob("SKWPOLECENIE", "TRESC", 20, sentences(160, "treści"));
    struct Form {
        QString name;
        int id;
        const char* what;
    } forms[] = {{kOwn, 4, "opisu"}, {kHearing, 10, "zeznania"}, {kOrder, 20, "treści"}};
    for (const Form& f : forms) {
        SCOPED_TRACE(f.what);
        const PagesPtr p = print(f.name, kProtocol, f.id);
        ASSERT_GE(p->pageCount(), 3);
        QStringList lines;
        for (const QString& t : p->texts())
            if (t.startsWith(QStringLiteral("Zdanie "))) lines << t;
        ASSERT_EQ(lines.size(), 160);
        for (int i = 1; i <= 160; ++i)
            EXPECT_EQ(lines.at(i - 1), QStringLiteral("Zdanie %1 %2 przy rozładunku palet z naczepy.")
                                           .arg(i, 4, 10, QLatin1Char('0'))
                                           .arg(QString::fromUtf8(f.what)));
        for (const Page& page : p->pages()) {
            EXPECT_TRUE(page.findText(QStringLiteral("Strona %1/ %2").arg(page.number).arg(p->pageCount())));
            // The body starts below the header.
            for (const DrawItem& i : page.items) {
                if (i.kind == DrawItem::Kind::Text && i.text.startsWith(QStringLiteral("Zdanie "))) {
                    EXPECT_GT(i.origin.y(), page.setup.topMargin + kAttachmentHeaderHeight);
                }
            }
        }
        expectInsideMargins(*p);
        exportPdf(p, QStringLiteral("zalacznik-") + f.name);
    }
}

} // namespace
