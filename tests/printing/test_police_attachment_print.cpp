// The attachments of an officer's protocol printed from a real database: the hearing
// record, the inspection record and the own attachment, their headers, the wordings
// chosen by the hearing's type and the strikes of the inspection's kind, the blank
// forms' room, and a form reused for one entry after another.
#include "DocumentPageChecks.h"
#include "domain/PoliceReportDatasets.h"
#include "printing/AttachmentPrint.h"
#include "printing/AttachmentReport.h"
#include "printing/PrintForms.h"
#include "printing/ReportForms.h"
#include "support/RegisterFixture.h"

namespace zort::test {
namespace {

using namespace zort::print;

const QString kHearing = QStringLiteral("TfrmRepProtPrz_Policja");
const QString kInspection = QStringLiteral("TfrmRepProtOgl_Policja");
const QString kOwn = QStringLiteral("TfrmRepZalW_Policja");
const QStringList kPlace{"miejsca wypadku/", "miejsca/"};
const QStringList kDevices{"stanu technicznego urządzeń * :", "urządzenia *"};

class PoliceAttachmentPrint : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        registerReportForms();
        ReportForms::reset();
        exec(QStringLiteral("INSERT INTO WYPOPER_WYPADKI (ID, NUMER, SYMBOLWYP, DATA, DATAREJWYP, POSZKODOWANI, WYPIZ) "
                            "VALUES (5, 7, 'KP', '2024-03-04 06:05', '2024-03-04', 2, 1)"));
        exec(QStringLiteral("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NUMERPROT, NAZWISKO, IMIE, DATAPROT) "
                            "VALUES (51, 5, 1, 9, 'Kosiński', 'Jan', '2024-05-16')"));
        exec(QStringLiteral("INSERT INTO WYPOPER_POSZKODOWANI (ID, IDWYPADKU, NRPOSZK, NUMERPROT, NAZWISKO, IMIE) "
                            "VALUES (52, 5, 2, 10, 'Żak', 'Ewa')"));
        // The injured officer heard, a witness, one of neither kind; the second officer's hearing.
        hearing(1, 51, 2, 0, "Kosiński", "Jan", "5");
        hearing(2, 51, 4, 1, "Wiśniewska", "Anna", "");
        hearing(3, 51, 5, 7, "Nowak", "Piotr", "");
        hearing(4, 52, 2, 0, "Żak", "Ewa", "");
        inspection(1, 51, 3, 0);
        inspection(2, 51, 6, 1);
        inspection(3, 52, 3, QVariant());
        Params own{{"t", QStringLiteral("Notatka służbowa dyżurnego")}};
        own.setBlob(QStringLiteral("o"), QStringLiteral("Notatka z przebiegu interwencji.\r\nKopia w aktach."));
        exec(QStringLiteral("INSERT INTO WYPOPER_ZALACZNIKI (ID, IDWYPADKU, IDPROTOKOLU, TYTUL, OPIS) VALUES (1, 5, 51, :t, :o)"), own);
    }
    void TearDown() override {
        ReportForms::reset();
        RegisterTest::TearDown();
    }
    void hearing(int id, int officer, int number, int typ, const char* surname, const char* name, const char* flat) {
        Params p{{"id", id}, {"o", officer}, {"n", number}, {"t", typ}, {"s", QString::fromUtf8(surname)},
                 {"i", QString::fromUtf8(name)}, {"m", QString::fromUtf8(flat)}};
        p.setBlob(QStringLiteral("z"), QStringLiteral("Zeznanie %1: mężczyzna uderzył butelką.").arg(id));
        exec(QStringLiteral("INSERT INTO WYPOPER_PRZESLUCHANIE (ID, IDWYPADKU, IDPROTOKOLU, NUMER, TYP, MIEJSCESP, DATASP, "
                            "IMNAZW1, FUNKCJA1, IMNAZW4, FUNKCJA4, DATAP, STOPIENSL, NAZWISKO, IMIE, IMOJCA, DATAUR, "
                            "MIEJSCEUR, KODPOCZ, MIEJSCOW, ULICA, NRUL, NRMIESZ, STOSDOSTR, NRSERIADO, WYDANYDO, PESEL, "
                            "ZEZNANIE) VALUES (:id, 5, :o, :n, :t, 'Łask', '2024-03-06', 'Robert Zawadzki', 'naczelnik', "
                            "'Agnieszka Wróblewska', 'inspektor bhs', '2024-03-05', 'sierżant', :s, :i, 'Józef', "
                            "'1985-03-04', 'Radom', '26-600', 'Modrzewo', 'Polna', '3', :m, 'brak', 'ABK 1', "
                            "'Prezydent', '85030412345', :z)"),
             p);
    }
    void inspection(int id, int officer, int number, const QVariant& kind) {
        Params p{{"id", id}, {"o", officer}, {"n", number}, {"k", kind}};
        p.setBlob(QStringLiteral("t"), QStringLiteral("Chodnik przed sklepem %1.").arg(id));
        exec(QStringLiteral("INSERT INTO WYPOPER_OGLEDZINY (ID, IDWYPADKU, IDPROTOKOLU, NUMER, RODZOGL, MIEJSCESP, DATASP, "
                            "IMNAZW1, FUNKCJA1, IMNAZW4, FUNKCJA4, CZASOD, CZASDO, RODZOGL_OPIS, STWIERDZONO, UCZESTNICY, "
                            "PRZEBIEG, UTRWALENIE, ZABEZPIECZONO) VALUES (:id, 5, :o, :n, :k, 'Łask', '2024-03-07', "
                            "'Robert Zawadzki', 'naczelnik', 'Agnieszka Wróblewska', 'inspektor bhs', '10:00', '11:30', :t, "
                            "'śladów', 'komisja', 'obejrzano', 'na szkicu', 'odłamki')"),
             p);
    }
    DocumentReport& form(const QString& name) {
        DocumentReport* f = ReportForms::form(name);
        EXPECT_TRUE(f) << name.toStdString();
        return *f;
    }
    // The entry's form as the attachments window runs it.
    PagesPtr print(const QString& name, int id, bool blank = false, int officer = 51) {
        DocumentReport& f = form(name);
        if (name == kHearing) reportds::openPoliceHearing(*dm, id);
        else if (name == kInspection) reportds::openPoliceInspection(*dm, id);
        else reportds::openPoliceOwnAttachment(*dm, 5, officer, id);
        f.setRun(DocumentRun{dm.get(), admSettings(), blank});
        PagesPtr pages = f.prepare();
        f.setRun(DocumentRun());
        return pages;
    }
    QString header(const QString& name, int id) {
        const PagesPtr p = print(name, id);
        if (p->pageCount() == 0) return QStringLiteral("(brak stron)");
        for (const QString& t : p->page(1).texts())
            if (t.startsWith(QStringLiteral("Załącznik nr "))) return t;
        return QString();
    }
    double bandHeight(const QString& name, const QString& element) {
        Element* e = form(name).find(element);
        EXPECT_TRUE(e) << element.toStdString();
        return e ? e->band().height : -1;
    }
    // The kinds struck on the pages (the alternatives end in blanks the strike leaves out).
    static QSet<QString> inspectionStrikes(const ReportPages& pages) {
        QStringList all = kPlace;
        all << kDevices;
        QSet<QString> s;
        for (const Page& p : pages.pages())
            for (const DrawItem& i : p.items)
                if (i.kind == DrawItem::Kind::Text && all.contains(i.text.trimmed()) && lineOver(p, i.text))
                    s.insert(i.text.trimmed());
        return s;
    }
};

TEST_F(PoliceAttachmentPrint, TheFormsAreEntriesOfTheirKindsAndTheirHeadersNameTheProtocol) {
    for (const auto& [name, kind, dataset] :
         {std::tuple{kHearing, "WypZalPrzeslPol", "qryRepPrz_Policja"}, std::tuple{kInspection, "WypZalOgledzPol", "qryRepOgl_Policja"},
          std::tuple{kOwn, "WypZalWlasnePol", "qryRepZalW_Policja"}}) {
        EXPECT_EQ(ReportForms::record(name), ReportForms::Record::Entry);
        EXPECT_EQ(form(name).kindCode(), kind);
        EXPECT_EQ(form(name).datasets(), QStringList{dataset});
        EXPECT_EQ(attachmentFormOfKind(QString::fromLatin1(kind)), name);
    }
    EXPECT_EQ(header(kHearing, 2), "Załącznik nr 4 do protokołu nr 9 z dnia 2024-05-16");
    EXPECT_EQ(header(kInspection, 1), "Załącznik nr 3 do wypadku: KP");
    EXPECT_EQ(header(kOwn, 1), "Załącznik nr 1 do protokołu nr 9 z dnia 2024-05-16");
    // The header is the dataset's; the page number carries the total.
    const QString first = header(kHearing, 1);
    EXPECT_EQ(first, dm->dataset(reportds::kPoliceHearing)->field("Naglowek").asString());
    EXPECT_TRUE(print(kHearing, 1)->page(1).texts().contains("Strona 1/ 1"));
    // With the symbol and without the protocol's date: no " z dnia ".
    admSettings().symbolWyp = true;
    admSettings().separator = QStringLiteral("/");
    EXPECT_EQ(header(kHearing, 4), "Załącznik nr 2 do protokołu nr 10/KP");
    EXPECT_EQ(header(kOwn, 1), "Załącznik nr 1 do protokołu nr 9/KP z dnia 2024-05-16");
    // The own attachment: its title and its text under the header.
    const QStringList own = print(kOwn, 1)->texts();
    EXPECT_TRUE(own.contains("Notatka służbowa dyżurnego"));
    EXPECT_TRUE(own.contains("Kopia w aktach."));
}

TEST_F(PoliceAttachmentPrint, HearingWordingsFollowTheTypeAndTheDataFillTheirLines) {
    const std::vector<std::tuple<int, QString, QString, QString>> cases{
        {1, "PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO", "poszkodowanego", "(podpis poszkodowanego)"},
        {2, "PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA", "świadka", "(podpis świadka)"},
        {3, "PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO/ŚWIADKA", "poszkodowanego/świadka", "(podpis poszkodowanego/świadka)"}};
    const QStringList titles{"PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO", "PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA",
                             "PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO/ŚWIADKA"};
    for (const auto& [id, title, role, sign] : cases) {
        const QStringList t = print(kHearing, id)->texts();
        for (const QString& other : titles) EXPECT_EQ(t.contains(other), other == title) << id << other.toStdString();
        EXPECT_TRUE(t.contains(role)) << id;
        EXPECT_TRUE(t.contains(sign)) << id;
    }
    const PagesPtr p = print(kHearing, 1);
    const QStringList t = p->texts();
    for (const char* s : {"Łask, dnia 06.03.2024", "Komisja powypadkowa:", "Robert Zawadzki", "Agnieszka Wróblewska",
                          "inspektor bhs", "przesłuchała w charakterze", "05.03.2024", "sierżant, Jan Kosiński",
                          "04.03.1985, Radom", "26-600 Modrzewo, ul. Polna  3 nr.5", "ABK 1", "Prezydent", "85030412345",
                          "który zeznał, co następuje:", "Zeznanie 1: mężczyzna uderzył butelką."})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
    EXPECT_TRUE(print(kHearing, 2)->texts().contains("26-600 Modrzewo, ul. Polna  3"));
    expectInsideMargins(*p);
}

TEST_F(PoliceAttachmentPrint, InspectionKindStrikesItsAlternatives) {
    EXPECT_EQ(inspectionStrikes(*print(kInspection, 1)), setOf(kDevices));
    EXPECT_EQ(inspectionStrikes(*print(kInspection, 2)), setOf(kPlace));
    EXPECT_EQ(inspectionStrikes(*print(kInspection, 3)), QSet<QString>());
    const QStringList t = print(kInspection, 1)->texts();
    for (const char* s : {"PROTOKÓŁ OGLĘDZIN", "Chodnik przed sklepem 1.", "10:00", "11:30", "Łask, dnia 07.03.2024",
                          "Protokół niniejszy odczytano.", "(podpisy osób uczestniczących w oględzinach)"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s;
}

TEST_F(PoliceAttachmentPrint, BlankFormsPrintTheirTextsAndRoomWithoutData) {
    const PagesPtr hearing = print(kHearing, 2, true);
    ASSERT_EQ(hearing->pageCount(), 1);
    const QStringList h = hearing->texts();
    EXPECT_TRUE(h.contains(".......................... dnia ................"));
    EXPECT_TRUE(h.contains("PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA"));
    for (const char* data : {"Załącznik nr 4 do protokołu nr 9 z dnia 2024-05-16", "Strona 1/ 1", "Wiśniewska",
                             "Robert Zawadzki", "Łask, dnia 06.03.2024", "Zeznanie 2: mężczyzna uderzył butelką."})
        EXPECT_FALSE(h.contains(QString::fromUtf8(data))) << data;
    EXPECT_EQ(bandHeight(kHearing, "ZEZNANIE"), 210);

    const PagesPtr inspection = print(kInspection, 1, true);
    const QStringList i = inspection->texts();
    EXPECT_TRUE(i.contains("......................... dnia ................"));
    EXPECT_FALSE(i.contains("Załącznik nr 3 do wypadku: KP"));
    EXPECT_FALSE(i.contains("Chodnik przed sklepem 1."));
    EXPECT_EQ(inspectionStrikes(*inspection), QSet<QString>());
    const QStringList texts{"RODZOGL_OPIS", "STWIERDZONO", "UCZESTNICY", "PRZEBIEG", "UTRWALENIE", "ZABEZPIECZONO"};
    const std::vector<double> blank{50, 36, 60, 100, 40, 50};
    for (size_t n = 0; n < blank.size(); ++n) EXPECT_EQ(bandHeight(kInspection, texts[int(n)]), blank[n]);

    // With data every text starts 28 high.
    print(kInspection, 1);
    for (const QString& t : texts) EXPECT_EQ(bandHeight(kInspection, t), 28) << t.toStdString();
    print(kHearing, 2);
    EXPECT_EQ(bandHeight(kHearing, "ZEZNANIE"), 28);
    // The own attachment has no blank form: it prints its data.
    EXPECT_TRUE(print(kOwn, 1, true)->texts().contains("Notatka służbowa dyżurnego"));
}

TEST_F(PoliceAttachmentPrint, AFormReusedShowsNothingOfTheEarlierRunAndAMissingEntryPrintsNothing) {
    print(kHearing, 2, true);
    print(kHearing, 2);
    const QStringList other = print(kHearing, 4)->texts();
    for (const char* earlier : {"Wiśniewska", "PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA", "świadka", "Załącznik nr 4 do protokołu nr 9 z dnia 2024-05-16",
                                ".......................... dnia ................"})
        EXPECT_FALSE(other.contains(QString::fromUtf8(earlier))) << earlier;
    EXPECT_TRUE(other.contains("Załącznik nr 2 do protokołu nr 10"));
    EXPECT_EQ(bandHeight(kHearing, "ZEZNANIE"), 28);

    print(kInspection, 2, true);
    EXPECT_EQ(inspectionStrikes(*print(kInspection, 2)), setOf(kPlace));
    const PagesPtr third = print(kInspection, 3);
    EXPECT_EQ(inspectionStrikes(*third), QSet<QString>());
    EXPECT_FALSE(third->texts().contains("Chodnik przed sklepem 2."));
    EXPECT_EQ(bandHeight(kInspection, "PRZEBIEG"), 28);

    // An entry that is not there, or an own attachment of another owner.
    EXPECT_EQ(print(kHearing, 99)->pageCount(), 0);
    EXPECT_EQ(print(kInspection, 99)->pageCount(), 0);
    EXPECT_EQ(print(kOwn, 1, false, 52)->pageCount(), 0);
}

TEST_F(PoliceAttachmentPrint, ALongStatementGoesOverPagesUnderTheHeader) {
    QStringList lines;
    for (int i = 1; i <= 90; ++i) lines << QStringLiteral("Wiersz %1 zeznania o przebiegu interwencji.").arg(i);
    Params p{{"id", 1}};
    p.setBlob(QStringLiteral("z"), lines.join(QStringLiteral("\r\n")));
    exec(QStringLiteral("UPDATE WYPOPER_PRZESLUCHANIE SET ZEZNANIE = :z WHERE ID = :id"), p);
    const PagesPtr pages = print(kHearing, 1);
    ASSERT_EQ(pages->pageCount(), 2);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_TRUE(pages->page(n).texts().contains(QStringLiteral("Strona %1/ 2").arg(n)));
        EXPECT_TRUE(pages->page(n).texts().contains("Załącznik nr 2 do protokołu nr 9 z dnia 2024-05-16"));
    }
    EXPECT_TRUE(pages->page(2).texts().contains("Wiersz 90 zeznania o przebiegu interwencji."));
    EXPECT_TRUE(pages->page(2).texts().contains("(podpis poszkodowanego)"));
    expectInsideMargins(*pages);
    exportPdf(pages, QStringLiteral("przesluchanie-policja-dlugie"));
    exportPdf(print(kHearing, 1, true), QStringLiteral("przesluchanie-policja-puste"));
    exportPdf(print(kInspection, 1), QStringLiteral("ogledziny-policja"));
    exportPdf(print(kInspection, 1, true), QStringLiteral("ogledziny-policja-puste"));
    exportPdf(print(kOwn, 1), QStringLiteral("zalacznik-policja"));
}

} // namespace
} // namespace zort::test
