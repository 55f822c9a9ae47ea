#pragma once
#include "db/Connection.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <climits>
#include <functional>
#include <utility>
#include <vector>

namespace zort::bench {

// An option a benchmark takes, always with a value: a text (a file, a folder) or a
// whole number within bounds.
struct OptionRule {
    enum class Kind { Text, Number };
    QString name;  // "--db"
    Kind kind = Kind::Text;
    int minimum = 1;
    int maximum = INT_MAX;
};

// The options of one run, checked before anything runs.
class BenchArgs {
public:
    // Throws UsageError (one line) for an argument the benchmark does not take, an
    // option given twice, and a missing or wrong value.
    static BenchArgs parse(const QStringList& args, const std::vector<OptionRule>& specs);
    bool has(const QString& name) const { return m_values.contains(name); }
    QString text(const QString& name, const QString& fallback = QString()) const {
        return m_values.value(name, fallback);
    }
    int number(const QString& name, int fallback) const {
        return has(name) ? m_values.value(name).toInt() : fallback;
    }

private:
    QHash<QString, QString> m_values;
};

// A command line zortbench refuses (status 2).
struct UsageError {
    QString message;
};

// One benchmark of zortbench: a subcommand that prints its figures and the
// figure it compares against, and returns the exit status (non-zero when a target
// was missed).
using BenchFn = std::function<int(const BenchArgs& args)>;

struct Registrar {
    Registrar(const char* name, const char* help, std::vector<OptionRule> options, BenchFn fn);
};

// --- The final table of "zortbench all" ----------------------------------------------
// A benchmark records each figure that a target of the table reads (a ratio to the
// bare work, or milliseconds) under a key of its own, e.g. "register.open".
void recordFigure(const QString& key, double value);
// The figure recorded last under the key; NaN when none was.
double recordedFigure(const QString& key);
// Runs a registered benchmark as its subcommand would, its options checked first
// (UsageError); returns its exit status.
int runBenchmark(const QString& name, const QStringList& args);

// Milliseconds of a callable, best of n runs.
double bestMs(int runs, const std::function<void()>& fn);
// The best milliseconds of two callables run in turn, n times each: a work and its
// floor measured alike as the machine's state drifts (caches, the database's own).
std::pair<double, double> bestMsAlternating(int runs, const std::function<void()>& a, const std::function<void()>& b);
// Peak resident memory of the process in KiB.
long peakRssKiB();
// Reads every value of every row of a statement, the bare work a figure is compared
// with; returns the rows.
int readAll(Connection& c, const QString& sql, const Params& p = {});
// The option of a benchmark's database.
OptionRule databaseOption();
// The database of a benchmark: the file of "--db", or bench.fdb in the folder.
// A file that does not exist yet is created and filled by generate, and the time
// that took is printed.
QString benchDatabase(const BenchArgs& args, const QString& folder, const std::function<void(Connection&)>& generate);

// The generated database of the register benchmarks: 10 years of 2,000 accidents at
// work from 2015, the structure of one firm (kBenchFirm) with 30 units and 600
// positions (200 of them in the first unit), every injured person on a position, with
// memos of several lines (injury, prevention, circumstances).
constexpr int kBenchFirm = 1;
constexpr int kBenchUnits = 30;
constexpr int kBenchPositions = 600;
constexpr int kBenchLargeUnitPositions = 200;
constexpr int kBenchFirstPosition = 1000;
void generateRegister(Connection& c);

} // namespace zort::bench
