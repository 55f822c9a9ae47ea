// `zortdb pdf` as a safety officer runs it: every form it lists is written for a
// record of the demo database of the kind it names (an injured person, a commuting
// accident, an element of the structure) and blank, as a valid PDF whose text holds the
// form's heading; what it refuses ends in one line on standard error.
#include "printing/DocumentReport.h"
#include "printing/ReportForms.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QMap>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

struct ToolRun {
    int code = -1;
    QStringList out;
    QStringList err;
};

ToolRun zortdb(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the tool chooses for itself
    // As in a desktop session (without it the toolkit warns on standard error).
    const QString runtime = testTempRoot() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("ZORT_BIN_DIR") + QStringLiteral("/zortdb"), args);
    ToolRun r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished(5000);
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return r;
}

int program(const QString& name, const QStringList& args, QString* output) {
    QProcess p;
    p.start(name, args);
    if (!p.waitForFinished(60000)) return -1;
    *output = QString::fromUtf8(p.readAllStandardOutput()) + QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// The forms by name, each with the kind of record its id names.
QStringList listedForms(QMap<QString, QString>* kinds = nullptr) {
    const ToolRun r = zortdb({QStringLiteral("pdf"), QStringLiteral("--list")});
    EXPECT_EQ(r.code, 0) << r.err.join('\n').toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.join('\n').toStdString();
    QStringList names;
    for (const QString& line : r.out) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        EXPECT_EQ(parts.size(), 2) << line.toStdString();
        names << parts.first();
        if (kinds) kinds->insert(parts.first(), parts.value(1));
    }
    return names;
}

// The form's heading: the text of the largest font on its first blank page.
QString headingOf(const QString& form) {
    print::registerReportForms();
    print::DocumentReport* f = print::ReportForms::form(form);
    if (!f) return QString();
    print::DocumentRun run;
    run.blank = true;
    f->setRun(run);
    const print::PagesPtr pages = f->prepare();
    f->setRun(print::DocumentRun());
    if (!pages || pages->isEmpty()) return QString();
    const print::DrawItem* best = nullptr;
    for (const print::DrawItem& i : pages->page(1).items)
        if (i.kind == print::DrawItem::Kind::Text && !i.text.trimmed().isEmpty() && (!best || i.font.size > best->font.size))
            best = &i;
    return best ? best->text.simplified() : QString();
}

void expectRefused(const ToolRun& r, const QString& message) {
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringList{QStringLiteral("zortdb: ") + message});
    EXPECT_TRUE(r.out.isEmpty());
}

class ZortdbPdf : public ::testing::Test {
protected:
    void SetUp() override {
        auto c = db.connect();
        person = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM SKWPOSZKODOWANI WHERE NUMERPROT <> 0 ORDER BY ID")).toInt();
        ASSERT_NE(person, 0) << "the demo has no person with a protocol";
        firm = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM OSTRUKT WHERE IDRODZSTRUKT = 0 ORDER BY ID")).toInt();
        commuting = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM SKWWYPADKIWDRODZE ORDER BY ID")).toInt();
        ASSERT_NE(commuting, 0) << "the demo has no commuting accident";
        officer = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM WYPOPER_POSZKODOWANI ORDER BY ID")).toInt();
        serviceYear = c->scalar(QStringLiteral("SELECT FIRST 1 EXTRACT(YEAR FROM DATAREJWYP) FROM WYPOPER_WYPADKI ORDER BY ID")).toInt();
        ASSERT_NE(officer, 0) << "the demo has no accident in service";
        hearing = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM SKWPRZESLUCHANIE ORDER BY ID")).toInt();
        order = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM SKWPOLECENIE ORDER BY ID")).toInt();
        c->read(QStringLiteral("SELECT FIRST 1 ID, IDWYPADKU, IDPROTOKOLU FROM SKWZALACZNIKI WHERE IDPROTOKOLU > 0"), {},
                [&](QSqlQuery& q) {
                    if (!q.next()) return;
                    own = q.value(0).toInt();
                    owner = q.value(1).toString() + QLatin1Char(':') + q.value(2).toString();
                });
        commutingOwner = c->scalar(QStringLiteral("SELECT FIRST 1 IDWYPADKU FROM SKWZALACZNIKI WHERE IDPROTOKOLU = 0")).toInt();
        ASSERT_TRUE(hearing && order && own && commutingOwner) << "the demo has no attachments";
        // The attachments of the first officer's protocol.
        policeHearing = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM WYPOPER_PRZESLUCHANIE WHERE IDPROTOKOLU = :o ORDER BY ID"),
                                  {{"o", officer}})
                            .toInt();
        policeInspection = c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM WYPOPER_OGLEDZINY WHERE IDPROTOKOLU = :o ORDER BY ID"),
                                     {{"o", officer}})
                               .toInt();
        c->read(QStringLiteral("SELECT FIRST 1 ID, IDWYPADKU, IDPROTOKOLU FROM WYPOPER_ZALACZNIKI WHERE IDPROTOKOLU = :o"),
                {{"o", officer}}, [&](QSqlQuery& q) {
                    if (!q.next()) return;
                    policeOwn = q.value(0).toInt();
                    policeOwner = q.value(1).toString() + QLatin1Char(':') + q.value(2).toString();
                });
        ASSERT_TRUE(policeHearing && policeInspection && policeOwn) << "the demo's first officer has no attachments";
    }
    QStringList pdfArgs(const QString& form, int id, const QString& file, const QStringList& more = {}) const {
        return QStringList{QStringLiteral("pdf"), db.path(), form, QString::number(id), file} + more;
    }

    TestDatabase db{TestDatabase::Content::Demo};
    int person = 0;
    int firm = 0;
    int commuting = 0;
    int officer = 0;
    int serviceYear = 0;
    int hearing = 0, order = 0, own = 0, commutingOwner = 0;
    QString owner;  // of the own attachment, "ACCIDENT:PERSON"
    int policeHearing = 0, policeInspection = 0, policeOwn = 0;
    QString policeOwner;
    // The card number the statistical card prints for the person with the settings of
    // the filled forms (symbol after "-", the year of the card's date).
    QString statCardNumber() const {
        auto c = db.connect();
        const QString number = c->scalar(QStringLiteral("SELECT NUMERKARTY FROM SKWPOSZKODOWANI WHERE ID = :id"), {{"id", person}}).toString();
        const QString symbol = c->scalar(QStringLiteral("SELECT w.SYMBOLWYP FROM SKWWYPADKI w JOIN SKWPOSZKODOWANI p ON "
                                                        "p.IDWYPADKU = w.ID WHERE p.ID = :id"),
                                         {{"id", person}})
                                   .toString()
                                   .trimmed();
        const QDateTime date = c->scalar(QStringLiteral("SELECT DATAWYPSKW FROM SKWPOSZKODOWANI WHERE ID = :id"), {{"id", person}}).toDateTime();
        return number + (symbol.isEmpty() ? QString() : QLatin1Char('-') + symbol) + QStringLiteral(" / ") +
               QString::number(date.isValid() ? date.date().year() : 0);
    }
    // A record of the kind --list names for the form.
    int idFor(const QString& form, const QString& kind) const {
        // The commuting register's summaries have no structure element: their id is 0.
        if (kind == QLatin1String("element struktury")) return form.contains(QLatin1String("Droga")) ? 0 : firm;
        if (kind == QLatin1String("wpis") && form.startsWith(QLatin1String("TProtWDrodze"))) return commuting;
        if (kind == QLatin1String("funkcjonariusz")) return officer;
        if (kind == QLatin1String("rok rejestru")) return serviceYear;
        if (form == QLatin1String("TZal_PrzesRepForm1")) return hearing;
        if (form == QLatin1String("TZal_RepPolForm1")) return order;
        if (form == QLatin1String("TZalRepForm1")) return own;
        if (form == QLatin1String("TfrmRepProtPrz_Policja")) return policeHearing;
        if (form == QLatin1String("TfrmRepProtOgl_Policja")) return policeInspection;
        if (form == QLatin1String("TfrmRepZalW_Policja")) return policeOwn;
        return person;
    }
    // Own attachments are named by their owner too; they have no blank form.
    QStringList ownerArgs(const QString& form) const {
        if (form == QLatin1String("TZalRepForm1")) return {QStringLiteral("--owner"), owner};
        if (form == QLatin1String("TfrmRepZalW_Policja")) return {QStringLiteral("--owner"), policeOwner};
        return {};
    }
};

} // namespace

TEST_F(ZortdbPdf, EveryListedFormIsWrittenFilledAndBlank) {
    QMap<QString, QString> kinds;
    const QStringList forms = listedForms(&kinds);
    QStringList sorted = forms;
    sorted.sort();
    EXPECT_EQ(forms, sorted);
    if (forms.isEmpty()) GTEST_SKIP() << "this build has no document forms yet";
    if (QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "qpdf or pdftotext not installed (scripts/install-deps.sh)";
    const QStringList settings{QStringLiteral("--set"), QStringLiteral("NowyProtPowypadkowy=3"), QStringLiteral("--set"),
                               QStringLiteral("DodSymbolWyp=T"), QStringLiteral("--set"), QStringLiteral("ZnakRozdzielajacy=-"),
                               QStringLiteral("--set"), QStringLiteral("RokSKWProtPow=1"), QStringLiteral("--set"),
                               QStringLiteral("DokWypFont=2")};
    for (const QString& form : forms) {
        SCOPED_TRACE(form.toStdString());
        // The title of an officer's hearing follows the hearing's type: its common words.
        const QString heading =
            form == QLatin1String("TfrmRepProtPrz_Policja") ? QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA") : headingOf(form);
        for (const bool blank : {false, true}) {
            const QString file = db.folder() + QLatin1Char('/') + form + (blank ? QStringLiteral("-pusty.pdf") : QStringLiteral(".pdf"));
            const int id = idFor(form, kinds.value(form));
            const bool owned = !ownerArgs(form).isEmpty();
            const ToolRun r = zortdb(pdfArgs(form, blank && !owned ? 0 : id, file,
                                             (blank ? QStringList{QStringLiteral("--blank")} : settings) + ownerArgs(form)));
            ASSERT_EQ(r.code, 0) << r.err.join('\n').toStdString();
            EXPECT_TRUE(r.err.isEmpty()) << r.err.join('\n').toStdString();
            ASSERT_EQ(r.out.size(), 1);
            EXPECT_TRUE(r.out[0].startsWith(QStringLiteral("Zapisano wydruk %1 do pliku %2 (stron: ").arg(form, file)))
                << r.out[0].toStdString();
            QString check;
            EXPECT_EQ(program(QStringLiteral("qpdf"), {QStringLiteral("--check"), file}, &check), 0) << check.toStdString();
            QString pages;
            program(QStringLiteral("qpdf"), {QStringLiteral("--show-npages"), file}, &pages);
            EXPECT_TRUE(r.out[0].endsWith(QStringLiteral("(stron: %1)").arg(pages.trimmed()))) << r.out[0].toStdString();
            QString text;
            EXPECT_EQ(program(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &text), 0);
            EXPECT_FALSE(text.trimmed().isEmpty());
            if (!heading.isEmpty()) {
                EXPECT_TRUE(text.simplified().contains(heading)) << heading.toStdString();
            }
            // The statistical card's number with its symbol and the year of the card's date.
            if (form.startsWith(QLatin1String("TKartWypRep1Form")) || form.startsWith(QLatin1String("TKartWypRep3Form")))
                EXPECT_EQ(text.simplified().contains(statCardNumber()), !blank) << statCardNumber().toStdString();
        }
    }
}

TEST_F(ZortdbPdf, RefusalsAreOneLineWithTheReason) {
    const QString file = db.folder() + QStringLiteral("/wydruk.pdf");
    expectRefused(zortdb(pdfArgs(QStringLiteral("TNieMaTakiegoForm"), person, file)),
                  QStringLiteral("Nieznany formularz „TNieMaTakiegoForm” (listę formularzy wypisuje: zortdb pdf --list)."));
    // The settings are checked before the form and the database.
    expectRefused(zortdb(pdfArgs(QStringLiteral("TNieMaTakiegoForm"), person, file,
                                 {QStringLiteral("--set"), QStringLiteral("DokWypFont=5")})),
                  QStringLiteral("Nieprawidłowa wartość „5” ustawienia DokWypFont."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TNieMaTakiegoForm"), person, file,
                                 {QStringLiteral("--set"), QStringLiteral("DodSymbolWyp=TAK")})),
                  QStringLiteral("Nieprawidłowa wartość „TAK” ustawienia DodSymbolWyp."));
    const ToolRun key = zortdb(pdfArgs(QStringLiteral("TNieMaTakiegoForm"), person, file,
                                   {QStringLiteral("--set"), QStringLiteral("Czcionka=2")}));
    EXPECT_EQ(key.code, 1);
    ASSERT_EQ(key.err.size(), 1);
    EXPECT_TRUE(key.err[0].startsWith(QStringLiteral("zortdb: Nieznany klucz ustawienia „Czcionka”. Znane klucze: ")))
        << key.err[0].toStdString();
    expectRefused(zortdb(pdfArgs(QStringLiteral("TNieMaTakiegoForm"), person, file, {QStringLiteral("--set"), QStringLiteral("DokWypFont")})),
                  QStringLiteral("Ustawienie „DokWypFont” nie ma postaci KLUCZ=WARTOŚĆ."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TNieMaTakiegoForm"), person, file, {QStringLiteral("--set")})),
                  QStringLiteral("Brak wartości opcji --set."));
    expectRefused(zortdb({QStringLiteral("pdf"), db.path(), QStringLiteral("TNieMaTakiegoForm"), QStringLiteral("x1"), file}),
                  QStringLiteral("Nieprawidłowy identyfikator rekordu „x1”."));
    // Missing arguments: the usage text and status 2.
    const ToolRun usage = zortdb({QStringLiteral("pdf"), db.path(), QStringLiteral("TNieMaTakiegoForm")});
    EXPECT_EQ(usage.code, 2);
    EXPECT_TRUE(usage.err.join('\n').contains(QStringLiteral("zortdb pdf BAZA FORMULARZ ID PLIK")));
    EXPECT_FALSE(QFileInfo::exists(file));

    const QStringList forms = listedForms();
    if (forms.isEmpty()) GTEST_SKIP() << "this build has no document forms yet";
    const QString form = forms.first();
    expectRefused(zortdb(pdfArgs(form, 987654, file)), QStringLiteral("Brak poszkodowanego o identyfikatorze 987654."));
    expectRefused(zortdb(pdfArgs(form, 0, file)), QStringLiteral("Brak poszkodowanego o identyfikatorze 0."));
    // A form of a commuting accident names its own record.
    expectRefused(zortdb(pdfArgs(QStringLiteral("TProtWDrodzeNowy2012Form"), 987654, file)),
                  QStringLiteral("Brak rekordu o identyfikatorze 987654 dla formularza TProtWDrodzeNowy2012Form."));
    const ToolRun noDb = zortdb({QStringLiteral("pdf"), db.folder() + QStringLiteral("/brak.fdb"), form, QString::number(person), file});
    EXPECT_EQ(noDb.code, 1);
    ASSERT_EQ(noDb.err.size(), 1) << noDb.err.join('\n').toStdString();
    EXPECT_TRUE(noDb.err[0].startsWith(QStringLiteral("zortdb: "))) << noDb.err[0].toStdString();
    const QString unwritable = db.folder() + QStringLiteral("/brak/folderu/wydruk.pdf");
    const ToolRun w = zortdb(pdfArgs(form, person, unwritable));
    EXPECT_EQ(w.code, 1);
    ASSERT_EQ(w.err.size(), 1) << w.err.join('\n').toStdString();
    EXPECT_TRUE(w.err[0].startsWith(QStringLiteral("zortdb: Nie można zapisać pliku ") + unwritable)) << w.err[0].toStdString();
    EXPECT_TRUE(w.out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_FALSE(QFileInfo::exists(unwritable));
    // A device that takes nothing: written directly, the failure reported, no success line.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        const ToolRun full = zortdb(pdfArgs(form, person, QStringLiteral("/dev/full")));
        EXPECT_EQ(full.code, 1);
        ASSERT_EQ(full.err.size(), 1) << full.err.join('\n').toStdString();
        EXPECT_TRUE(full.err[0].startsWith(QStringLiteral("zortdb: Nie można zapisać pliku /dev/full: "))) << full.err[0].toStdString();
        EXPECT_TRUE(full.out.isEmpty()) << full.out.join('\n').toStdString();
        EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
    }
}

TEST_F(ZortdbPdf, SummariesTakeTheirElementAndTheChoicesOfTheirTab) {
    const QString file = db.folder() + QStringLiteral("/zestawienie.pdf");
    const auto choices = [](const QStringList& given) {
        QStringList out;
        for (const QString& c : given) out << QStringLiteral("--choice") << c;
        return out;
    };
    const ToolRun ok = zortdb(pdfArgs(QStringLiteral("TqrZestStatFrm"), firm, file,
                                      choices({"rgZest=4", "eRok1=2025", "eRok2=2026", "cbRok2=1", "eZatr2=100"})));
    ASSERT_EQ(ok.code, 0) << ok.err.join('\n').toStdString();
    EXPECT_TRUE(ok.err.isEmpty()) << ok.err.join('\n').toStdString();
    QString text;
    EXPECT_EQ(program(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &text), 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Wypadki w/g dnia tygodnia w jakich zaistniały w 2025, 2026 I półrocze")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Niedziela")));
    QFile::remove(file);
    expectRefused(zortdb(pdfArgs(QStringLiteral("TqrZmianyFrm"), firm, file, choices({"rgZest=1"}))),
                  QStringLiteral("Wybrane zestawienie drukuje formularz TqrZestStatFrm, nie TqrZmianyFrm."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TqrZmianyFrm"), firm, file, choices({"eRok1=0"}))),
                  QStringLiteral("Wybór eRok1=0 odrzucony: Rok 1: rok musi być liczbą od 1 do 9998."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TqrZestStat01Frm"), firm, file, choices({"eRok1=2004"}))),
                  QStringLiteral("Dla wybranych okresów porównawczych nie można sporządzić zestawienia."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TqrWypWydzFrm"), 987654, file)),
                  QStringLiteral("Brak elementu struktury organizacyjnej o identyfikatorze 987654."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TRejWypRep1Form"), person, file,
                                 choices({"rgZest=1"}))),
                  QStringLiteral("Formularz TRejWypRep1Form nie ma zakładki z wyborami (--choice)."));
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(ZortdbPdf, AccidentCardsShowTheNumberAndTheSurnameOnlyWhenFilled) {
    if (QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "qpdf or pdftotext not installed (scripts/install-deps.sh)";
    // A person of the demo who is not an employee: the card number instead of a protocol.
    auto c = db.connect();
    const int cardPerson =
        c->scalar(QStringLiteral("SELECT FIRST 1 ID FROM SKWPOSZKODOWANI WHERE NUMERKARTYWYP > 0 ORDER BY ID")).toInt();
    ASSERT_NE(cardPerson, 0) << "the demo has no accident card";
    const Params id{{"id", cardPerson}};
    const QString surname = c->scalar(QStringLiteral("SELECT NAZWISKO FROM SKWPOSZKODOWANI WHERE ID = :id"), id).toString();
    const QString number =
        QStringLiteral("%1 / %2 r.")
            .arg(c->scalar(QStringLiteral("SELECT NUMERKARTYWYP FROM SKWPOSZKODOWANI WHERE ID = :id"), id).toInt())
            .arg(c->scalar(QStringLiteral("SELECT w.DATA FROM SKWWYPADKI w JOIN SKWPOSZKODOWANI p ON p.IDWYPADKU = w.ID "
                                          "WHERE p.ID = :id"),
                           id)
                     .toDateTime()
                     .date()
                     .year());
    c.reset();  // the tool opens the database itself
    const QStringList forms{"TKartaWypadkuRep_all_Form", "TKartaWypadkuRep1Form", "TKartaWypadkuRep2012_all_Form",
                            "TKartaWypadkuRep2012_1Form", "TKartaWypadkuRep2022_all_Form", "TKartaWypadkuRep2022_1Form"};
    for (const QString& form : forms) {
        SCOPED_TRACE(form.toStdString());
        for (const bool blank : {false, true}) {
            const QString file = db.folder() + QStringLiteral("/karta.pdf");
            const ToolRun r = zortdb(pdfArgs(form, cardPerson, file, blank ? QStringList{QStringLiteral("--blank")} : QStringList()));
            ASSERT_EQ(r.code, 0) << r.err.join('\n').toStdString();
            QString check;
            EXPECT_EQ(program(QStringLiteral("qpdf"), {QStringLiteral("--check"), file}, &check), 0) << check.toStdString();
            QString text;
            EXPECT_EQ(program(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &text), 0);
            const QString simple = text.simplified();
            EXPECT_TRUE(simple.contains(QStringLiteral("KARTA WYPADKU"))) << simple.toStdString();
            EXPECT_EQ(simple.contains(QStringLiteral("KARTA WYPADKU nr ") + number), !blank) << simple.toStdString();
            EXPECT_EQ(simple.contains(surname), !blank) << simple.toStdString();
            QFile::remove(file);
        }
    }
}

TEST_F(ZortdbPdf, AccidentsInServicePrintTheOfficerAndTheRegisterOfTheYear) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QString surname;
    int atWork = 0, officers = 0;
    {
        // The embedded database takes one process at a time: closed before the tool runs.
        auto c = db.connect();
        surname = c->scalar(QStringLiteral("SELECT NAZWISKO FROM WYPOPER_POSZKODOWANI WHERE ID = :id"), {{"id", officer}}).toString();
        atWork = c->scalar(QStringLiteral("SELECT MAX(ID) FROM SKWPOSZKODOWANI")).toInt();
        officers = c->scalar(QStringLiteral("SELECT MAX(ID) FROM WYPOPER_POSZKODOWANI")).toInt();
    }
    const QMap<QString, QString> titles{{QStringLiteral("TRepProt_Policja"), QStringLiteral("PROTOKÓŁ POWYPADKOWY NR")},
                                        {QStringLiteral("TRepEKW1_Policja"), QStringLiteral("EWIDENCYJNA KARTA WYPADKU NR:")},
                                        {QStringLiteral("TfrmZestWyp_Policja"), QStringLiteral("Krótki opis wypadku")}};
    for (auto it = titles.begin(); it != titles.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const int id = it.key() == QLatin1String("TfrmZestWyp_Policja") ? serviceYear : officer;
        for (const bool blank : {false, true}) {
            const QString file = db.folder() + QLatin1Char('/') + it.key() + (blank ? QStringLiteral("-p.pdf") : QStringLiteral(".pdf"));
            const ToolRun r = zortdb(pdfArgs(it.key(), blank ? 0 : id, file, blank ? QStringList{QStringLiteral("--blank")} : QStringList()));
            ASSERT_EQ(r.code, 0) << r.err.join('\n').toStdString();
            QString text;
            EXPECT_EQ(program(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &text), 0);
            EXPECT_TRUE(text.simplified().contains(it.value())) << text.toStdString();
            EXPECT_EQ(text.contains(surname), !blank) << text.toStdString();
        }
    }
    // An unknown officer, a person of the register of accidents at work, a year out of range.
    const QString file = db.folder() + QStringLiteral("/odmowa.pdf");
    expectRefused(zortdb(pdfArgs(QStringLiteral("TRepProt_Policja"), 987654, file)),
                  QStringLiteral("Brak rekordu o identyfikatorze 987654 dla formularza TRepProt_Policja."));
    if (atWork > officers)
        expectRefused(zortdb(pdfArgs(QStringLiteral("TRepEKW1_Policja"), atWork, file)),
                      QStringLiteral("Brak rekordu o identyfikatorze %1 dla formularza TRepEKW1_Policja.").arg(atWork));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TfrmZestWyp_Policja"), 12, file)),
                  QStringLiteral("Brak rekordu o identyfikatorze 12 dla formularza TfrmZestWyp_Policja."));
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(ZortdbPdf, AttachmentsPrintTheirLineAndTitleAndOwnOnesNeedTheirOwner) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    const QString file = db.folder() + QStringLiteral("/zalacznik.pdf");
    auto text = [&](const QStringList& args) {
        const ToolRun r = zortdb(args);
        EXPECT_EQ(r.code, 0) << r.err.join('\n').toStdString();
        QString t;
        program(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &t);
        return t.simplified();
    };
    QString t = text(pdfArgs(QStringLiteral("TZal_PrzesRepForm1"), hearing, file));
    EXPECT_TRUE(t.contains(QStringLiteral("Załącznik nr 1 do protokołu powypadkowego nr "))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("WYJAŚNIENIA POSZKODOWANEGO")));
    t = text(pdfArgs(QStringLiteral("TZal_RepPolForm1"), order, file));
    EXPECT_TRUE(t.contains(QStringLiteral("POLECENIE POWYPADKOWE NR "))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Załącznik nr 1 do protokołu powypadkowego nr ")));
    t = text(pdfArgs(QStringLiteral("TZalRepForm1"), own, file, {QStringLiteral("--owner"), owner}));
    EXPECT_TRUE(t.contains(QStringLiteral("Szkic miejsca wypadku"))) << t.toStdString();
    // The commuting card's own attachment: person 0.
    t = text(pdfArgs(QStringLiteral("TZalRepForm1"), 1, file,
                     {QStringLiteral("--owner"), QStringLiteral("%1:0").arg(commutingOwner)}));
    EXPECT_TRUE(t.contains(QStringLiteral("Załącznik nr 1 do karty wypadku w drodze do pracy lub z pracy nr "))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Notatka urzędowa policji")));
    // Blank: no header, the fixed texts.
    t = text(pdfArgs(QStringLiteral("TZal_PrzesRepForm1"), 0, file, {QStringLiteral("--blank")}));
    EXPECT_FALSE(t.contains(QStringLiteral("Załącznik nr")));
    EXPECT_TRUE(t.contains(QStringLiteral("OSOBY SPORZĄDZAJĄCE PROTOKÓŁ:")));
    t = text(pdfArgs(QStringLiteral("TZal_RepPolForm1"), order, file, {QStringLiteral("--blank")}));
    EXPECT_FALSE(t.contains(QStringLiteral("POLECENIE POWYPADKOWE NR")));
    EXPECT_TRUE(t.contains(QStringLiteral("Dokument otrzymują :")));

    expectRefused(zortdb(pdfArgs(QStringLiteral("TZalRepForm1"), own, file)),
                  QStringLiteral("Załącznik własny TZalRepForm1 jest numerowany w obrębie swojego dokumentu: podaj jego "
                                 "właściciela (--owner WYPADEK:POSZKODOWANY, POSZKODOWANY 0 dla wypadku w drodze do pracy "
                                 "lub z pracy)."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TZalRepForm1"), own, file, {QStringLiteral("--owner"), QStringLiteral("x")})),
                  QStringLiteral("Nieprawidłowy właściciel załącznika „x” (--owner WYPADEK:POSZKODOWANY, POSZKODOWANY 0 "
                                 "dla wypadku w drodze do pracy lub z pracy)."));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TZal_PrzesRepForm1"), 987654, file)),
                  QStringLiteral("Brak rekordu o identyfikatorze 987654 dla formularza TZal_PrzesRepForm1."));
}

TEST_F(ZortdbPdf, AttachmentsOfAnOfficersProtocolPrintFilledAndBlank) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    const bool qpdf = !QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty();
    QString surname;
    {
        auto c = db.connect();
        surname = c->scalar(QStringLiteral("SELECT NAZWISKO FROM WYPOPER_PRZESLUCHANIE WHERE ID = :id"), {{"id", policeHearing}})
                      .toString();
    }
    const QString file = db.folder() + QStringLiteral("/zalacznik-policja.pdf");
    auto text = [&](const QStringList& args) {
        const ToolRun r = zortdb(args);
        EXPECT_EQ(r.code, 0) << r.err.join('\n').toStdString();
        QString check;
        if (qpdf) EXPECT_EQ(program(QStringLiteral("qpdf"), {QStringLiteral("--check"), file}, &check), 0) << check.toStdString();
        QString t;
        program(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &t);
        return t.simplified();
    };
    const QString hearingForm = QStringLiteral("TfrmRepProtPrz_Policja");
    QString t = text(pdfArgs(hearingForm, policeHearing, file));
    EXPECT_TRUE(t.contains(QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Załącznik nr 2 do protokołu nr ")));
    EXPECT_TRUE(t.contains(surname));
    t = text(pdfArgs(hearingForm, policeHearing, file, {QStringLiteral("--blank")}));
    EXPECT_TRUE(t.contains(QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO"))) << t.toStdString();
    EXPECT_FALSE(t.contains(QStringLiteral("Załącznik nr")));
    EXPECT_FALSE(t.contains(surname));
    t = text(pdfArgs(QStringLiteral("TfrmRepProtOgl_Policja"), policeInspection, file));
    EXPECT_TRUE(t.contains(QStringLiteral("PROTOKÓŁ OGLĘDZIN"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Załącznik nr 3 do wypadku: ")));
    EXPECT_TRUE(t.contains(QStringLiteral("Chodnik przed sklepem przy ul. Lipowej 5.")));
    t = text(pdfArgs(QStringLiteral("TfrmRepProtOgl_Policja"), policeInspection, file, {QStringLiteral("--blank")}));
    EXPECT_TRUE(t.contains(QStringLiteral("PROTOKÓŁ OGLĘDZIN"))) << t.toStdString();
    EXPECT_FALSE(t.contains(QStringLiteral("Chodnik przed sklepem")));
    t = text(pdfArgs(QStringLiteral("TfrmRepZalW_Policja"), policeOwn, file, {QStringLiteral("--owner"), policeOwner}));
    EXPECT_TRUE(t.contains(QStringLiteral("Notatka służbowa dyżurnego"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Załącznik nr 1 do protokołu nr ")));

    expectRefused(zortdb(pdfArgs(QStringLiteral("TfrmRepZalW_Policja"), policeOwn, file)),
                  QStringLiteral("Załącznik własny TfrmRepZalW_Policja jest numerowany w obrębie swojego dokumentu: podaj "
                                 "jego właściciela (--owner WYPADEK:POSZKODOWANY, POSZKODOWANY 0 dla wypadku w drodze do "
                                 "pracy lub z pracy)."));
    for (const char* form : {"TfrmRepProtPrz_Policja", "TfrmRepProtOgl_Policja"})
        expectRefused(zortdb(pdfArgs(QLatin1String(form), 987654, file)),
                      QStringLiteral("Brak rekordu o identyfikatorze 987654 dla formularza %1.").arg(QLatin1String(form)));
    expectRefused(zortdb(pdfArgs(QStringLiteral("TfrmRepZalW_Policja"), policeOwn, file,
                                 {QStringLiteral("--owner"), policeOwner.section(QLatin1Char(':'), 0, 0) + QStringLiteral(":987654")})),
                  QStringLiteral("Brak rekordu o identyfikatorze %1 dla formularza TfrmRepZalW_Policja.").arg(policeOwn));
}

TEST_F(ZortdbPdf, ChartsAsPdfAndAsWordDocuments) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "pdftotext or unzip not installed (scripts/install-deps.sh)";
    const QString pdf = db.folder() + QStringLiteral("/wykres.pdf");
    const QStringList months{QStringLiteral("--choice"), QStringLiteral("rgZest=5"), QStringLiteral("--choice"),
                             QStringLiteral("cbWykres=T")};
    const ToolRun r = zortdb(pdfArgs(QStringLiteral("TqrZestStatGrafFrm"), firm, pdf, months));
    ASSERT_EQ(r.code, 0) << r.err.join('\n').toStdString();
    QString text;
    EXPECT_EQ(program(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}, &text), 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Wypadki w/g miesięcy, kwartałów w jakich zaistniały w roku :"))) << text.toStdString();
    for (const char* row : {"Marzec", "Pażdziernik", "Kwartał IV", "Razem:"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(row))) << row;
    // The table of the same summary is no chart.
    expectRefused(zortdb(pdfArgs(QStringLiteral("TqrZestStatGrafFrm"), firm, pdf, {QStringLiteral("--choice"), QStringLiteral("rgZest=6")})),
                  QStringLiteral("Wybrane zestawienie drukuje formularz TqrZmianyFrm, nie TqrZestStatGrafFrm."));

    // The document of each chart, as "Word" writes it.
    for (const QString& form : {QStringLiteral("TqrZestStatGrafFrm"), QStringLiteral("TqrZestStat01GrafFrm")}) {
        const QString doc = db.folder() + QLatin1Char('/') + form + QStringLiteral(".docx");
        const ToolRun w = zortdb({QStringLiteral("word"), db.path(), form, QString::number(firm), doc});
        ASSERT_EQ(w.code, 0) << w.err.join('\n').toStdString();
        EXPECT_EQ(w.out, QStringList{QStringLiteral("Zapisano wykres %1 do pliku %2").arg(form, doc)});
        QString test;
        EXPECT_EQ(program(QStringLiteral("unzip"), {QStringLiteral("-t"), doc}, &test), 0) << test.toStdString();
        EXPECT_TRUE(test.contains(QStringLiteral("word/media/image1.png"))) << test.toStdString();
    }
    const QString notChart = db.folder() + QStringLiteral("/tabela.docx");
    expectRefused(zortdb({QStringLiteral("word"), db.path(), QStringLiteral("TqrZestStatFrm"), QString::number(firm), notChart}),
                  QStringLiteral("Formularz TqrZestStatFrm nie jest wykresem (dokument zapisują TqrZestStatGrafFrm i "
                                 "TqrZestStat01GrafFrm)."));
    EXPECT_FALSE(QFileInfo::exists(notChart));
}
