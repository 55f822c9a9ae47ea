// zortdb: creates the module's databases and manages what a stand-alone
// installation needs on its own.
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "domain/CodeListFile.h"
#include "domain/DataModForm.h"
#include "domain/Users.h"
#include "db/Connection.h"
#include "db/DatabaseBuilder.h"
#include "db/DbError.h"
#include "demo/DemoData.h"
#include "printing/DocumentPdf.h"
#include "printing/StatisticsCharts.h"
#include "printing/ReportForms.h"
#include "ui/ProgresForm.h"
#include "tools/ToolMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <memory>

using namespace zort;

namespace {

void usage() {
    std::fprintf(stderr,
                 "Użycie:\n"
                 "  zortdb create PLIK|host[/port]:ŚCIEŻKA [--demo] [--user U --password H]\n"
                 "      tworzy nową bazę danych (nigdy nie nadpisuje istniejącego pliku);\n"
                 "      --demo dodaje dane pokazowe; na serwerze właścicielem jest podany\n"
                 "      użytkownik (domyślnie kwel)\n"
                 "  zortdb create-kwel host[/port]:ŚCIEŻKA --user SYSDBA --password H\n"
                 "                    [--name NAZWA --user-password HASŁO]\n"
                 "      zakłada na serwerze Firebird użytkownika połączeń \"kwel\" albo\n"
                 "      własnego użytkownika instalacji (User=/Password= w aliases.ini)\n"
                 "      i nadaje mu w podanej bazie uprawnienia potrzebne modułowi\n"
                 "  zortdb user-add BAZA NAZWA HASŁO [--imie I] [--nazwisko N]\n"
                 "                 [--rights ALL=2|AWYPADKI=2,ABLOKWYPADKI=2,...]\n"
                 "      dodaje użytkownika modułu z hasłem i uprawnieniami\n"
                 "  zortdb user-password BAZA NAZWA HASŁO\n"
                 "      ustawia hasło użytkownika jako administrator (przy włączonej\n"
                 "      polityce haseł użytkownik zmieni je przy najbliższym logowaniu)\n"
                 "  zortdb users BAZA\n"
                 "      wypisuje użytkowników\n"
                 "  zortdb import-list BAZA TABELA PLIK.tsv [--replace]\n"
                 "      wczytuje listę kodów do tabeli słownika (np. SKWMIEJSCEWYP_1); plik\n"
                 "      UTF-8 z nagłówkiem i polami kod, kod nadrzędny, poziom, nazwa\n"
                 "      rozdzielonymi tabulatorem; przy błędzie nic nie zapisuje; --replace\n"
                 "      zastępuje wiersze, które tabela już ma\n"
                 "  zortdb export-list BAZA TABELA PLIK.tsv\n"
                 "      zapisuje listę kodów tabeli w tej samej postaci (do przeniesienia\n"
                 "      do innej instalacji)\n"
                 "  zortdb pdf BAZA FORMULARZ ID PLIK [--blank] [--set KLUCZ=WARTOŚĆ]...\n"
                 "            [--choice NAZWA=WARTOŚĆ]... [--owner WYPADEK:POSZKODOWANY]\n"
                 "      zapisuje wydruk formularza (nazwa klasy, np. TRejWypRep1Form_1) dla\n"
                 "      rekordu o podanym ID (poszkodowany, wpis albo element struktury\n"
                 "      organizacyjnej zestawienia, jak podaje --list) do pliku PDF z tekstem\n"
                 "      (dokładnie pod podaną nazwą); --blank drukuje pusty formularz (ID\n"
                 "      może być 0, zestawienie drukuje nagłówki bez wierszy);\n"
                 "      --choice ustawia kontrolkę zakładki zestawienia jej nazwą: numer\n"
                 "      pozycji list (rgZest, cbSKW2004, rgZest_old, cbRok1, cbRok2,\n"
                 "      gbSposobPrezent), lata i liczby (eRok1, eRok2, eZatr1, eZatr2), T/N\n"
                 "      pól wyboru (cbKartyWypZS, cbProtPowypZS), Zmiana1..Zmiana4 jako od-do;\n"
                 "      w zestawieniach zbiorczych (ID 0: wszystkie) daty dataOd, dataDo jako\n"
                 "      rrrr-mm-dd, rgSortowanie, rgTypWyp, T/N cbKartyWyp, cbProtPowyp;\n"
                 "      --set ustawia opcję stanowiska kluczem pliku konfiguracyjnego, w jego\n"
                 "      zapisie (np. NowyProtPowypadkowy=3, DodSymbolWyp=T, ZnakRozdzielajacy=-,\n"
                 "      RokSKWProtPow=1, DokWypFont=2); pozostałe opcje mają wartości domyślne;\n"
                 "      załączniki: przesłuchanie (TZal_PrzesRepForm1) i polecenie\n"
                 "      (TZal_RepPolForm1) po swoim ID, załącznik własny (TZalRepForm1) po ID\n"
                 "      w obrębie dokumentu z --owner WYPADEK:POSZKODOWANY (0: wypadek w drodze)\n"
                 "  zortdb pdf --list\n"
                 "      wypisuje nazwy formularzy, które można zapisać, i rodzaj ich ID\n"
                 "  zortdb word BAZA FORMULARZ ID PLIK [--choice NAZWA=WARTOŚĆ]... [--set K=W]...\n"
                 "      zapisuje wykres zestawienia (TqrZestStatGrafFrm, TqrZestStat01GrafFrm)\n"
                 "      jako dokument edytora tekstu (.docx, dokładnie pod podaną nazwą): tytuł,\n"
                 "      strukturę, obraz wykresu i wartości, jak przycisk \"Word\" podglądu\n"
                 "  HASŁO \"-\" czyta hasło z pierwszego wiersza wejścia; BAZA to plik lub\n"
                 "  host[/port]:ŚCIEŻKA; --user/--password podają użytkownika bazy (domyślnie kwel)\n");
}

QString option(QStringList& args, const QString& name, const QString& fallback = QString()) {
    const qsizetype i = args.indexOf(name);
    if (i < 0) return fallback;
    if (i + 1 >= args.size()) throw DbError(QStringLiteral("Brak wartości opcji %1.").arg(name));
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

bool flag(QStringList& args, const QString& name) {
    const qsizetype i = args.indexOf(name);
    if (i < 0) return false;
    args.removeAt(i);
    return true;
}

int create(QStringList args) {
    DatabaseBuilder::Options o;
    const bool demo = flag(args, QStringLiteral("--demo"));
    if (demo) o.extraRows = &loadDemoData;
    o.user = option(args, QStringLiteral("--user"), o.user);
    o.password = option(args, QStringLiteral("--password"), o.password);
    if (args.size() != 1) {
        usage();
        return 2;
    }
    QString target = args.first();
    if (!target.contains(':') || target.startsWith('/')) target = QFileInfo(target).absoluteFilePath();
    DatabaseBuilder::create(target, o);
    std::printf("Utworzono bazę danych %s%s\n", target.toUtf8().constData(),
                demo ? " z danymi pokazowymi" : "");
    return 0;
}

QString passwordArgument(const QString& arg);

int createKwel(QStringList args) {
    const QString user = option(args, QStringLiteral("--user"), QStringLiteral("SYSDBA"));
    const QString password = option(args, QStringLiteral("--password"));
    // An installation's own connection user (named in aliases.ini) instead of kwel.
    const QString name = option(args, QStringLiteral("--name"), QString::fromLatin1(kDbUser));
    QString userPassword = option(args, QStringLiteral("--user-password"));
    const bool builtIn = name.compare(QLatin1String(kDbUser), Qt::CaseInsensitive) == 0;
    if (args.size() != 1 || (!builtIn && userPassword.isEmpty())) {
        usage();
        return 2;
    }
    userPassword = userPassword.isEmpty() ? QString::fromLatin1(kDbPassword) : passwordArgument(userPassword);
    // Users are managed through any database of the server; its security
    // database is the one that counts. The rights are given in this database.
    Connection c(QStringLiteral("zortdb-admin"));
    c.open(args.first(), user, password);
    DatabaseBuilder::createConnectionUser(c, name, userPassword);
    DatabaseBuilder::grantToUser(c, name);
    std::printf("Użytkownik %s jest gotowy na serwerze bazy %s\n", name.toUpper().toUtf8().constData(),
                args.first().toUtf8().constData());
    return 0;
}

// A database file or host[/port]:path, opened as the given user.
void openTarget(Connection& c, QString target, const QString& user, const QString& password) {
    if (!target.contains(':') || target.startsWith('/')) target = QFileInfo(target).absoluteFilePath();
    c.open(target, user, password);
}

// The database of a user command, opened as the module's connection user (or the
// one given).
void openDatabase(Connection& c, QStringList& args) {
    const QString user = option(args, QStringLiteral("--user"), QString::fromLatin1(kDbUser));
    const QString password = option(args, QStringLiteral("--password"), QString::fromLatin1(kDbPassword));
    if (args.isEmpty()) throw DbError(QStringLiteral("Brak bazy danych."));
    openTarget(c, args.takeFirst(), user, password);
}

QString passwordArgument(const QString& arg) {
    if (arg != QLatin1String("-")) return arg;
    QTextStream in(stdin);
    return in.readLine();
}

int userAdd(QStringList args) {
    const QString first = option(args, QStringLiteral("--imie"));
    const QString last = option(args, QStringLiteral("--nazwisko"));
    const TPrawaDostepu rights = parseRights(option(args, QStringLiteral("--rights")));
    Connection c(QStringLiteral("zortdb-users"));
    openDatabase(c, args);
    if (args.size() != 2) {
        usage();
        return 2;
    }
    const int id = addUser(c, args.at(0), passwordArgument(args.at(1)), first, last, rights);
    std::printf("Dodano użytkownika %s (Id %d)\n", args.at(0).toLower().toUtf8().constData(), id);
    return 0;
}

int userPassword(QStringList args) {
    Connection c(QStringLiteral("zortdb-users"));
    openDatabase(c, args);
    if (args.size() != 2) {
        usage();
        return 2;
    }
    setPasswordByAdministrator(c, args.at(0), passwordArgument(args.at(1)));
    std::printf("Ustawiono hasło użytkownika %s\n", args.at(0).toLower().toUtf8().constData());
    return 0;
}

int users(QStringList args) {
    Connection c(QStringLiteral("zortdb-users"));
    openDatabase(c, args);
    if (!args.isEmpty()) {
        usage();
        return 2;
    }
    std::printf("%5s  %-16s  %-30s  %-8s  %s\n", "Id", "Nazwa", "Imię i nazwisko", "AWYPADKI", "Zmiana hasła");
    for (const UserRow& u : listUsers(c)) {
        const QString changed = u.passwordChanged.isValid() ? u.passwordChanged.toString(QStringLiteral("yyyy-MM-dd"))
                                                            : QStringLiteral("(administrator)");
        std::printf("%5d  %-16s  %-30s  %8d  %s\n", u.id, u.name.toUtf8().constData(),
                    (u.firstName + QLatin1Char(' ') + u.lastName).toUtf8().constData(), u.rights.AWYPADKI,
                    changed.toUtf8().constData());
    }
    return 0;
}

// A classification table of the program named on the command line.
const CodeTable& codeTableArgument(const QString& name) {
    const CodeTable* table = findCodeTable(name);
    if (!table) throw Error(QStringLiteral("Tabela %1 nie jest słownikiem klasyfikacyjnym programu.").arg(name));
    return *table;
}

int importList(QStringList args) {
    const bool replace = flag(args, QStringLiteral("--replace"));
    Connection c(QStringLiteral("zortdb-lists"));
    openDatabase(c, args);
    if (args.size() != 2) {
        usage();
        return 2;
    }
    const CodeTable& table = codeTableArgument(args.at(0));
    const int n = CodeListFile::import(c, table, CodeListFile::read(args.at(1)), replace);
    std::printf("Wczytano %s do tabeli %s\n", CodeListFile::rowCountText(n).toUtf8().constData(),
                table.name.toUtf8().constData());
    return 0;
}

int exportList(QStringList args) {
    Connection c(QStringLiteral("zortdb-lists"));
    openDatabase(c, args);
    if (args.size() != 2) {
        usage();
        return 2;
    }
    const CodeTable& table = codeTableArgument(args.at(0));
    const int n = CodeListFile::exportTo(c, table, args.at(1));
    std::printf("Zapisano %s tabeli %s do pliku %s\n", CodeListFile::rowCountText(n).toUtf8().constData(),
                table.name.toUtf8().constData(), args.at(1).toUtf8().constData());
    return 0;
}

// One document form of a record as a PDF file (or the list of the forms); with
// `word`, the chart of a summary as a word-processor document.
int pdf(QStringList args, bool word = false) {
    print::registerReportForms();
    setProgressWindowShown(false);
    if (args == QStringList{QStringLiteral("--list")}) {
        for (const QString& name : print::ReportForms::names())
            std::printf("%s\t%s\n", name.toUtf8().constData(),
                        print::ReportForms::recordName(print::ReportForms::record(name)).toUtf8().constData());
        return 0;
    }
    print::DocumentPdfRequest r;
    r.blank = !word && flag(args, QStringLiteral("--blank"));
    QStringList assignments;
    while (args.contains(QStringLiteral("--set"))) assignments << option(args, QStringLiteral("--set"));
    while (args.contains(QStringLiteral("--choice"))) r.choices << option(args, QStringLiteral("--choice"));
    r.owner = option(args, QStringLiteral("--owner"));
    const QString user = option(args, QStringLiteral("--user"), QString::fromLatin1(kDbUser));
    const QString password = option(args, QStringLiteral("--password"), QString::fromLatin1(kDbPassword));
    if (args.size() != 4) {
        usage();
        return 2;
    }
    // Everything that needs no database is checked first.
    r.settings = print::settingsFromKeys(assignments);
    r.form = args.at(1);
    bool numeric = false;
    r.id = args.at(2).toInt(&numeric);
    if (!numeric) throw Error(QStringLiteral("Nieprawidłowy identyfikator rekordu „%1”.").arg(args.at(2)));
    print::checkDocumentRequest(r);
    const QString file = args.at(3);

    // The data module caches some settings when it is created.
    admSettings() = r.settings;
    auto connection = std::make_unique<Connection>(QStringLiteral("zortdb-pdf"));
    openTarget(*connection, args.at(0), user, password);
    TDataModForm dm(std::move(connection));
    if (word) {
        print::saveChartWord(dm, r, file);
        std::printf("Zapisano wykres %s do pliku %s\n", r.form.toUtf8().constData(), file.toUtf8().constData());
        return 0;
    }
    const print::PagesPtr pages = print::prepareDocument(dm, r);
    print::saveTextPdf(pages, file);
    std::printf("Zapisano wydruk %s do pliku %s (stron: %d)\n", r.form.toUtf8().constData(),
                file.toUtf8().constData(), pages ? pages->pageCount() : 0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    initProcessTime();
    // Printing measures and draws text: the pdf command needs the fonts of a GUI
    // application, and no display (offscreen unless one is asked for).
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && (qstrcmp(argv[1], "pdf") == 0 || qstrcmp(argv[1], "word") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString cmd = args.takeFirst();
    return tools::runTool("zortdb", [&] {
        if (cmd == QLatin1String("create")) return create(args);
        if (cmd == QLatin1String("create-kwel")) return createKwel(args);
        if (cmd == QLatin1String("user-add")) return userAdd(args);
        if (cmd == QLatin1String("user-password")) return userPassword(args);
        if (cmd == QLatin1String("users")) return users(args);
        if (cmd == QLatin1String("import-list")) return importList(args);
        if (cmd == QLatin1String("export-list")) return exportList(args);
        if (cmd == QLatin1String("pdf")) return pdf(args);
        if (cmd == QLatin1String("word")) return pdf(args, true);
        usage();
        return 2;
    });
}
