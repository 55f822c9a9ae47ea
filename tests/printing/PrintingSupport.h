#pragma once
// Report forms and helpers shared by the printing tests.
#include "printing/engine/Report.h"
#include "support/TestValues.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

#include <ostream>

namespace zort::test {

// A report whose detail band prints one row per line number with a page footer
// "Strona n/ N": `rows` rows of about 6 mm give predictable page counts.
std::unique_ptr<print::Report> numberedReport(int rows, print::Orientation o = print::Orientation::Portrait,
                                              print::Paper paper = print::Paper::A4);

// A report of exactly n pages (one detail row per page, each forcing a new page).
std::unique_ptr<print::Report> pagesReport(int n, print::Orientation o = print::Orientation::Portrait,
                                           print::Paper paper = print::Paper::A4);

QByteArray readAll(const QString& path);
// Runs a program; returns its exit code and puts its output into `output`.
int runTool(const QString& program, const QStringList& args, QString* output = nullptr);

} // namespace zort::test
