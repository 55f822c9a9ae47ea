// zortbench all: every benchmark of the list below, one after another in one process,
// then one table of their figures against their targets. A benchmark joins the table
// with one entry: its subcommand, its options, and the targets of the figures it
// records (recordFigure); an entry without targets is judged by its exit status.
#include "tools/Bench.h"

#include <QElapsedTimer>
#include <cmath>
#include <cstdio>
#include <vector>

namespace zort::bench {
namespace {

struct Target {
    const char* figure;  // the key the benchmark records
    const char* work;    // the row's text
    double limit;        // the figure must not exceed it
    const char* unit;    // "x" (a ratio) or "ms"
};

struct Suite {
    const char* command;
    std::vector<const char*> options;
    std::vector<Target> targets;
};

// The benchmarks of "zortbench all", in the order they run.
const std::vector<Suite>& suites() {
    static const std::vector<Suite> list = {
        {"export", {}, {{"export.ratio", "eksport 20 stron: PDF wysoka + niska + JPG wobec koderów", 0.6, "x"},
                        {"export.memory", "eksport: pamięć szczytowa wobec jednego wątku + strona na wątek", 1.0, "x"}}},
        {"register", {}, {{"register.open", "rejestr: otwarcie roku, 2000 wypadków", 1.2, "x"},
                          {"register.add", "rejestr: dodanie wypadku", 1.1, "x"},
                          {"register.delete", "rejestr: usunięcie wypadku", 1.1, "x"}}},
        {"register", {"--accidents", "20000"}, {{"register.open.ms", "rejestr: otwarcie roku, 20000 wypadków", 300, "ms"},
                                                {"register.firstScreen.ms", "rejestr: pierwszy ekran listy, 20000", 100, "ms"}}},
        {"structure-table", {}, {{"structure-table.build.ms", "tabela struktury: 5000 elementów", 100, "ms"}}},
        {"dictionaries", {}, {{"dictionaries.occupations", "lista zawodów 2905 wobec zapytania", 1.2, "x"},
                              {"dictionaries.occupations.ms", "lista zawodów 2905", 20, "ms"}}},
        {"trees", {}, {}},
        {"card", {}, {}},
        {"protocol", {}, {}},
        {"statistics", {}, {}},
        {"collective", {}, {}},
        {"charts", {}, {}},
        {"attachments", {}, {}},
        {"police-register", {}, {}},
    };
    return list;
}

struct Row {
    QString command;
    QString work;
    QString figure;
    QString target;
    bool ok;
};

int runAll(const BenchArgs&) {
    std::vector<Row> rows;
    for (const Suite& s : suites()) {
        QStringList options;
        for (const char* o : s.options) options << QString::fromUtf8(o);
        const QString command = (QString::fromUtf8(s.command) + QLatin1Char(' ') + options.join(QLatin1Char(' '))).trimmed();
        std::printf("=== zortbench %s\n", command.toUtf8().constData());
        std::fflush(stdout);
        int status = 1;
        QString failure;
        QElapsedTimer t;
        t.start();
        try {
            status = runBenchmark(QString::fromUtf8(s.command), options);
        } catch (const UsageError& e) {
            failure = e.message;
        } catch (const std::exception& e) {
            failure = QString::fromLocal8Bit(e.what());
        } catch (...) {
            failure = QStringLiteral("nieznany błąd");
        }
        if (!failure.isEmpty()) std::printf("  błąd: %s\n", failure.toUtf8().constData());
        std::fflush(stdout);
        if (s.targets.empty() || !failure.isEmpty()) {
            rows.push_back({command, QStringLiteral("cele pomiaru (kod wyjścia)"),
                            failure.isEmpty() ? QStringLiteral("kod %1").arg(status) : QStringLiteral("błąd"),
                            QStringLiteral("kod 0"), failure.isEmpty() && status == 0});
            if (!failure.isEmpty()) continue;
        }
        for (const Target& target : s.targets) {
            const double v = recordedFigure(QString::fromUtf8(target.figure));
            const bool ratio = QByteArray(target.unit) == "x";
            const QString shown = std::isnan(v) ? QStringLiteral("brak")
                                                : ratio ? QStringLiteral("x%1").arg(v, 0, 'f', 2)
                                                        : QStringLiteral("%1 ms").arg(v, 0, 'f', 1);
            const QString limit = ratio ? QStringLiteral("<= x%1").arg(target.limit, 0, 'f', 2)
                                        : QStringLiteral("< %1 ms").arg(target.limit, 0, 'f', 0);
            const bool ok = !std::isnan(v) && (ratio ? v <= target.limit : v < target.limit);
            rows.push_back({command, QString::fromUtf8(target.work), shown, limit, ok});
        }
    }
    std::printf("\n%-34s %-64s %12s %12s\n", "pomiar", "praca", "wynik", "cel");
    bool allOk = true;
    for (const Row& r : rows) {
        allOk &= r.ok;
        std::printf("%-34s %-64s %12s %12s %s\n", r.command.toUtf8().constData(), r.work.toUtf8().constData(),
                    r.figure.toUtf8().constData(), r.target.toUtf8().constData(), r.ok ? "OK" : "PRZEKROCZONY");
    }
    std::printf("%s\n", allOk ? "Wszystkie cele osiągnięte." : "Nie wszystkie cele osiągnięte.");
    return allOk ? 0 : 1;
}

Registrar reg("all", "wszystkie pomiary po kolei i tabela ich wyników wobec celów", {}, runAll);

} // namespace
} // namespace zort::bench
