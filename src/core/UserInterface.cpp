#include "core/UserInterface.h"

#include "core/TerminationSignals.h"

#include <cstdio>

namespace zort {
namespace {

// Without windows (before the program installed its dialogs): messages are only
// written to standard error, questions are answered as cancelled.
class LogOnlyUi : public UserInterface {
public:
    MsgAnswer message(const QString&, const QString&, MsgIcon, MsgButtons buttons, QWidget*) override {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
    int confirm(const QString&, QWidget*) override { return 2; }
    QString openFile(FileRequest&, QWidget*) override { return QString(); }
    QString saveFile(FileRequest&, QWidget*) override { return QString(); }
    QString chooseFolder(const QString&, const QString&, QWidget*) override { return QString(); }
};

LogOnlyUi g_logOnly;
UserInterface* g_default = nullptr;
UserInterface* g_ui = nullptr;

MsgAnswer shown(const QString& kind, const QString& text, const QString& caption, MsgIcon icon,
                MsgButtons buttons, QWidget* parent) {
    logMessage(kind, text);
    return ui().message(text, caption, icon, buttons, parent);
}

} // namespace

UserInterface& ui() {
    if (g_ui) return *g_ui;
    // A program asked to end by the system waits for nobody: no window opens any more.
    if (TerminationSignals::pendingSignal() != 0) return g_logOnly;
    return g_default ? *g_default : g_logOnly;
}

void setDefaultUserInterface(UserInterface* dialogs) { g_default = dialogs; }

void setUserInterface(UserInterface* replacement) { g_ui = replacement; }

void logMessage(const QString& kind, const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    std::fprintf(stderr, "zort [%s] %s\n", kind.toUtf8().constData(), t.toUtf8().constData());
    std::fflush(stderr);
}

void showError(const QString& text, QWidget* parent) {
    shown(QStringLiteral("błąd"), text, QStringLiteral("Błąd"), MsgIcon::Error, MsgButtons::Ok, parent);
}

void showWarning(const QString& text, QWidget* parent) {
    shown(QStringLiteral("ostrzeżenie"), text, QStringLiteral("Ostrzeżenie"), MsgIcon::Warning,
          MsgButtons::Ok, parent);
}

void showInfo(const QString& text, QWidget* parent) {
    shown(QStringLiteral("informacja"), text, QStringLiteral("Informacja"), MsgIcon::Information,
          MsgButtons::Ok, parent);
}

void showBox(const QString& text, const QString& caption, QWidget* parent) {
    shown(caption, text, caption, MsgIcon::None, MsgButtons::Ok, parent);
}

void showBox(const QString& text, const QString& caption, MsgIcon icon, QWidget* parent) {
    shown(caption, text, caption, icon, MsgButtons::Ok, parent);
}

int confirmInfo(const QString& text, QWidget* parent) {
    logMessage(QStringLiteral("pytanie"), text);
    return ui().confirm(text, parent);
}

bool askYesNo(const QString& text, const QString& caption, QWidget* parent) {
    return shown(QStringLiteral("pytanie"), text,
                 caption.isEmpty() ? QStringLiteral("Potwierdzenie") : caption, MsgIcon::Confirmation,
                 MsgButtons::YesNo, parent) == MsgAnswer::Yes;
}

} // namespace zort
