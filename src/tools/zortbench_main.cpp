// zortbench: the benchmark program. Each benchmark is a subcommand registered by a
// bench_*.cpp file of this folder.
#include "core/Clock.h"
#include "tools/Bench.h"
#include "tools/ToolMain.h"
#include "db/DatabaseBuilder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
#include <map>
#include <sys/resource.h>

namespace zort::bench {
namespace {
struct Entry {
    QString help;
    BenchFn fn;
};
std::map<QString, Entry>& registry() {
    static std::map<QString, Entry> r;
    return r;
}
} // namespace

Registrar::Registrar(const char* name, const char* help, BenchFn fn) {
    registry()[QString::fromUtf8(name)] = Entry{QString::fromUtf8(help), std::move(fn)};
}

double bestMs(int runs, const std::function<void()>& fn) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

int readAll(Connection& c, const QString& sql, const Params& p) {
    QSqlQuery q = c.run(sql, p);
    const int columns = q.record().count();
    int rows = 0;
    while (q.next()) {
        for (int i = 0; i < columns; ++i) q.value(i);
        ++rows;
    }
    Connection::checkFetched(q, sql);
    return rows;
}

QString benchDatabase(const QStringList& args, const QString& folder, const std::function<void(Connection&)>& generate) {
    const int keepAt = int(args.indexOf(QStringLiteral("--db")));
    const QString path = keepAt >= 0 && keepAt + 1 < args.size() ? args.at(keepAt + 1) : folder + "/bench.fdb";
    if (QFileInfo::exists(path)) return path;
    std::printf("Generowanie bazy %s ...\n", path.toUtf8().constData());
    QElapsedTimer t;
    t.start();
    DatabaseBuilder::create(path, DatabaseBuilder::Options{});
    {
        Connection gen(QStringLiteral("bench-gen"));
        gen.open(path, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
        generate(gen);
    }
    std::printf("  gotowa w %.1f s\n", t.nsecsElapsed() / 1e9);
    return path;
}

long peakRssKiB() {
    struct rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace zort::bench

int main(int argc, char** argv) {
    zort::initProcessTime();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    auto& reg = zort::bench::registry();
    if (args.isEmpty() || !reg.count(args.first())) {
        std::fprintf(stderr, "Użycie: zortbench <pomiar> [opcje]\nPomiary:\n");
        for (const auto& [name, e] : reg)
            std::fprintf(stderr, "  %-18s %s\n", name.toUtf8().constData(), e.help.toUtf8().constData());
        return args.isEmpty() ? 0 : 2;
    }
    const QString name = args.takeFirst();
    return zort::tools::runTool("zortbench", [&] { return reg[name].fn(args); });
}
