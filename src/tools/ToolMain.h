#pragma once
#include "core/Error.h"
#include "core/UserInterface.h"

#include <QString>
#include <cstdio>
#include <exception>
#include <functional>

namespace zort::tools {

// One line of standard error for a failure: the tool's name and the message with its
// line breaks folded into blanks.
inline void printFailure(const char* tool, QString message) {
    message.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace('\n', ' ').replace('\r', ' ');
    std::fprintf(stderr, "%s: %s\n", tool, message.simplified().toUtf8().constData());
    std::fflush(stderr);
}

// The body of a tool's main. The tools never show a window: the dialog interface
// stays the log-only one (no installDialogs()), so a message never waits for a click.
// Every failure ends the tool with one line on standard error and status 1, after the
// stack has unwound (temporary folders and files are removed on the way).
inline int runTool(const char* tool, const std::function<int()>& body) {
    setDefaultUserInterface(nullptr);
    try {
        return body();
    } catch (const Error& e) {
        printFailure(tool, e.message());
    } catch (const std::exception& e) {
        printFailure(tool, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        printFailure(tool, QStringLiteral("nieznany błąd"));
    }
    return 1;
}

} // namespace zort::tools
