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
#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <sys/resource.h>

namespace zort::bench {
namespace {
struct Entry {
    QString help;
    std::vector<OptionRule> options;
    BenchFn fn;
};
std::map<QString, Entry>& registry() {
    static std::map<QString, Entry> r;
    return r;
}
} // namespace

Registrar::Registrar(const char* name, const char* help, std::vector<OptionRule> options, BenchFn fn) {
    registry()[QString::fromUtf8(name)] = Entry{QString::fromUtf8(help), std::move(options), std::move(fn)};
}

namespace {
QHash<QString, double>& figures() {
    static QHash<QString, double> f;
    return f;
}
} // namespace

void recordFigure(const QString& key, double value) { figures().insert(key, value); }

double recordedFigure(const QString& key) { return figures().value(key, std::numeric_limits<double>::quiet_NaN()); }

int runBenchmark(const QString& name, const QStringList& args) {
    const auto entry = registry().find(name);
    if (entry == registry().end())
        throw UsageError{QStringLiteral("Nieznany pomiar „%1” (listę wypisuje zortbench bez argumentów).").arg(name)};
    const BenchArgs options = BenchArgs::parse(args, entry->second.options);
    return entry->second.fn(options);
}

BenchArgs BenchArgs::parse(const QStringList& args, const std::vector<OptionRule>& options) {
    BenchArgs out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const auto option = std::find_if(options.begin(), options.end(), [&](const OptionRule& s) { return s.name == a; });
        if (option == options.end()) {
            throw UsageError{a.startsWith(QLatin1Char('-')) ? QStringLiteral("Nieznana opcja „%1”.").arg(a)
                                                            : QStringLiteral("Nieoczekiwany argument „%1”.").arg(a)};
        }
        if (out.has(a)) throw UsageError{QStringLiteral("Opcja %1 podana dwa razy.").arg(a)};
        if (i + 1 >= args.size() || args.at(i + 1).isEmpty() || args.at(i + 1).startsWith(QStringLiteral("--")))
            throw UsageError{QStringLiteral("Brak wartości opcji %1.").arg(a)};
        const QString value = args.at(++i);
        if (option->kind == OptionRule::Kind::Number) {
            bool ok = false;
            const int n = value.toInt(&ok);
            if (!ok || n < option->minimum || n > option->maximum)
                throw UsageError{QStringLiteral("Opcja %1 wymaga liczby całkowitej od %2 do %3, podano „%4”.")
                                     .arg(a)
                                     .arg(option->minimum)
                                     .arg(option->maximum)
                                     .arg(value)};
        }
        out.m_values.insert(a, value);
    }
    return out;
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

std::pair<double, double> bestMsAlternating(int runs, const std::function<void()>& a, const std::function<void()>& b) {
    std::pair<double, double> best{1e300, 1e300};
    for (int i = 0; i < runs; ++i) {
        best.first = std::min(best.first, bestMs(1, a));
        best.second = std::min(best.second, bestMs(1, b));
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

OptionRule databaseOption() { return OptionRule{QStringLiteral("--db")}; }

QString benchDatabase(const BenchArgs& args, const QString& folder, const std::function<void(Connection&)>& generate) {
    const QString path = args.text(QStringLiteral("--db"), folder + QStringLiteral("/bench.fdb"));
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
    using namespace zort::bench;
    // The command line is checked before anything runs.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    auto& reg = registry();
    if (args.isEmpty()) {
        std::fprintf(stderr, "Użycie: zortbench <pomiar> [opcje]\nPomiary:\n");
        for (const auto& [name, e] : reg)
            std::fprintf(stderr, "  %-18s %s\n", name.toUtf8().constData(), e.help.toUtf8().constData());
        return 0;
    }
    const QString name = args.takeFirst();
    BenchArgs options;
    try {
        const auto entry = reg.find(name);
        if (entry == reg.end())
            throw UsageError{QStringLiteral("Nieznany pomiar „%1” (listę wypisuje zortbench bez argumentów).").arg(name)};
        options = BenchArgs::parse(args, entry->second.options);
    } catch (const UsageError& e) {
        zort::tools::printFailure("zortbench", e.message);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return zort::tools::runTool("zortbench", [&] { return reg[name].fn(options); });
}
