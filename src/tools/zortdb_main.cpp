// zortdb: creates the module's databases and manages what a stand-alone
// installation needs on its own.
#include "app/Clock.h"
#include "data/Connection.h"
#include "data/DatabaseBuilder.h"
#include "data/DbError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

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
                 "      zakłada na serwerze Firebird użytkownika połączeń \"kwel\" (przez\n"
                 "      dowolną bazę tego serwera, np. bazę rejestru)\n");
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
    o.demo = flag(args, QStringLiteral("--demo"));
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
                o.demo ? " z danymi pokazowymi" : "");
    return 0;
}

int createKwel(QStringList args) {
    const QString user = option(args, QStringLiteral("--user"), QStringLiteral("SYSDBA"));
    const QString password = option(args, QStringLiteral("--password"));
    if (args.size() != 1) {
        usage();
        return 2;
    }
    // Users are managed through any database of the server; its security
    // database is the one that counts.
    Connection c(QStringLiteral("zortdb-admin"));
    c.open(args.first(), user, password);
    try {
        c.execute(QStringLiteral("CREATE USER %1 PASSWORD '%2'").arg(QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword)));
    } catch (const DbError& e) {
        if (!e.message().contains(QStringLiteral("already exists"), Qt::CaseInsensitive)) throw;
        c.execute(QStringLiteral("ALTER USER %1 PASSWORD '%2'").arg(QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword)));
    }
    std::printf("Użytkownik %s jest gotowy na serwerze bazy %s\n", kDbUser, args.first().toUtf8().constData());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    initProcessTime();
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString cmd = args.takeFirst();
    try {
        if (cmd == QLatin1String("create")) return create(args);
        if (cmd == QLatin1String("create-kwel")) return createKwel(args);
        usage();
        return 2;
    } catch (const DbError& e) {
        std::fprintf(stderr, "zortdb: %s\n", e.message().toUtf8().constData());
        return 1;
    }
}
