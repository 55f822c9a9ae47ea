#pragma once
#include <QString>

namespace zort {

// The module's help: the help file "ZortWyp.chm" beside the program, opened at a
// context number. On this platform the help is looked for as a folder of HTML pages
// ("help/<context>.html" or "help/index.html") or as the help file itself, opened
// with the desktop's program for it. With a file "debug.debug" in the program's
// folder or a "/debug" or "-debug" argument every help call is also written to
// standard error.
class Help {
public:
    static void show(int context, const QString& file = QStringLiteral("ZortWyp.chm"));
    // The file or page show() would open, empty when there is none.
    static QString target(int context, const QString& file);
};

} // namespace zort
