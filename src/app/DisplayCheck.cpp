#include "app/DisplayCheck.h"

#include <QByteArrayList>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <cstdio>
#include <tuple>
#include <utility>
#include <unistd.h>

namespace zort {
namespace {

// The platform named on the command line ("-platform NAME", also with two dashes),
// else by QT_QPA_PLATFORM; empty for the toolkit's default.
QByteArray platformName(int argc, char** argv) {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "-platform" || a == "--platform") platform = argv[i + 1];
    }
    return platform.trimmed();
}

bool hasX11() { return !qEnvironmentVariableIsEmpty("DISPLAY"); }

bool hasWayland() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
    // A client without WAYLAND_DISPLAY takes the compositor's default socket.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("wayland-0")));
}

// Whether one platform ("name:options") can start here.
bool usable(const QByteArray& entry) {
    const QByteArray name = entry.left(entry.indexOf(':') < 0 ? entry.size() : entry.indexOf(':')).trimmed();
    if (name == "xcb") return hasX11();
    if (name.startsWith("wayland")) return hasWayland();
    // The platforms without a display server (offscreen, minimal, vnc, eglfs,
    // linuxfb, ...) and any other name: the toolkit decides.
    return true;
}

QByteArray g_platform;
QList<std::tuple<QtMsgType, QByteArray, QByteArray, QByteArray, int, QString>> g_held;
QtMessageHandler g_previous = nullptr;

void watchMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        QString display = qEnvironmentVariable("DISPLAY");
        if (display.isEmpty()) display = qEnvironmentVariable("WAYLAND_DISPLAY");
        const QString text = QStringLiteral("zortwyp: Nie można otworzyć ekranu „%1” (platforma „%2”).\n")
                                 .arg(display, QString::fromLocal8Bit(g_platform.isEmpty() ? QByteArray("xcb") : g_platform));
        const QByteArray bytes = text.toUtf8();
        [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, bytes.constData(), size_t(bytes.size()));
        ::_exit(1);
    }
    g_held.append({type, QByteArray(context.category), QByteArray(context.file), QByteArray(context.function),
                   context.line, message});
}

} // namespace

QString missingDisplayMessage(int argc, char** argv) {
    const QByteArray platform = platformName(argc, argv);
    g_platform = platform;
    if (platform.isEmpty()) {
        if (hasX11() || hasWayland()) return QString();
    } else {
        // Several platforms may be named, tried in order ("wayland;xcb").
        for (const QByteArray& entry : platform.split(';'))
            if (!entry.trimmed().isEmpty() && usable(entry.trimmed())) return QString();
    }
    return QStringLiteral("Brak ekranu: program potrzebuje środowiska graficznego (zmienne DISPLAY i "
                          "WAYLAND_DISPLAY nie są ustawione).");
}

PlatformStartWatch::PlatformStartWatch() { g_previous = qInstallMessageHandler(watchMessages); }

PlatformStartWatch::~PlatformStartWatch() {
    qInstallMessageHandler(g_previous);
    const auto held = std::exchange(g_held, {});
    for (const auto& [type, category, file, function, line, message] : held) {
        const QMessageLogContext context(file.isEmpty() ? nullptr : file.constData(), line,
                                         function.isEmpty() ? nullptr : function.constData(),
                                         category.isEmpty() ? nullptr : category.constData());
        g_previous(type, context, message);
    }
}

} // namespace zort
