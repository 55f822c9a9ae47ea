#include "ui/CommandGuard.h"

#include "core/UserInterface.h"
#include "db/Connection.h"
#include "db/DbError.h"

namespace zort {
namespace {

bool g_lost = false;

} // namespace

QString CommandGuard::lostMessage() {
    return QStringLiteral("Utracono połączenie z bazą danych. Program połączy się z nią ponownie przy następnym "
                          "poleceniu.");
}

QString CommandGuard::noConnectionMessage() {
    return QStringLiteral("Brak połączenia z bazą danych. Polecenie nie zostało wykonane; spróbuj ponownie "
                          "za chwilę.");
}

bool CommandGuard::connectionLost() { return g_lost; }

void CommandGuard::reset() { g_lost = false; }

bool CommandGuard::ensureConnected(QWidget* parent) {
    if (!g_lost) return true;
    try {
        Connection::reconnectAll();
    } catch (const DbError& e) {
        logMessage(QStringLiteral("błąd"), e.message());
        showError(noConnectionMessage(), parent);
        return false;
    }
    g_lost = false;
    return true;
}

void CommandGuard::report(const DbError& e, QWidget* parent, const QString& context) {
    logMessage(QStringLiteral("błąd bazy danych"), e.message());
    if (e.connectionLost()) {
        // Said once; the next command connects again.
        if (!g_lost) showError(context.isEmpty() ? lostMessage() : context + QStringLiteral("\r\n") + lostMessage(), parent);
        g_lost = true;
        return;
    }
    const QString reason = e.reason();
    showError(context.isEmpty() ? reason : context + QStringLiteral("\r\n") + reason, parent);
}

void CommandGuard::reportFailure(const Error& e, QWidget* parent) {
    if (const auto* db = dynamic_cast<const DbError*>(&e)) report(*db, parent);
    else showError(e.message(), parent);
}

bool CommandGuard::run(const std::function<void()>& command, QWidget* parent) {
    if (!ensureConnected(parent)) return false;
    try {
        command();
        return true;
    } catch (const Error& e) {
        reportFailure(e, parent);
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()), parent);
    }
    return false;
}

} // namespace zort
