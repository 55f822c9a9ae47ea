#pragma once
#include "db/Connection.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zort::bench {

// One benchmark of zortbench: a subcommand that prints its figures and the
// figure it compares against, and returns the exit status.
using BenchFn = std::function<int(const QStringList& args)>;

struct Registrar {
    Registrar(const char* name, const char* help, BenchFn fn);
};

// Milliseconds of a callable, best of n runs.
double bestMs(int runs, const std::function<void()>& fn);
// Peak resident memory of the process in KiB.
long peakRssKiB();
// Reads every value of every row of a statement, the bare work a figure is compared
// with; returns the rows.
int readAll(Connection& c, const QString& sql, const Params& p = {});
// The database of a benchmark: the file after "--db", or bench.fdb in the folder.
// A file that does not exist yet is created and filled by generate, and the time
// that took is printed.
QString benchDatabase(const QStringList& args, const QString& folder, const std::function<void(Connection&)>& generate);

} // namespace zort::bench
