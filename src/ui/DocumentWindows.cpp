#include "ui/DocumentWindows.h"

#include "core/AccessRights.h"
#include "core/UserInterface.h"

#include <QHash>
#include <vector>

namespace zort {
namespace {

// The windows this build has. The parts of the program that build a window add its
// opener here.
QHash<QString, DocumentWindows::Opener>& openers() {
    static QHash<QString, DocumentWindows::Opener> o;
    return o;
}

std::vector<std::function<void()>>& closers() {
    static std::vector<std::function<void()>> c;
    return c;
}

} // namespace

void DocumentWindows::addModelessCloser(std::function<void()> closer) { closers().push_back(std::move(closer)); }

void DocumentWindows::closeModeless() {
    for (const auto& c : closers()) c();
}

QString DocumentWindows::missingMessage(const QString& className) {
    return QStringLiteral("Okno \"%1\" nie jest dostępne w tej wersji programu.").arg(className);
}

bool DocumentWindows::exists(const QString& className) { return openers().contains(className); }

void DocumentWindows::add(const QString& className, Opener opener) { openers().insert(className, std::move(opener)); }

void DocumentWindows::remove(const QString& className) { openers().remove(className); }

bool DocumentWindows::open(const Request& request) {
    const auto it = openers().constFind(request.className);
    if (it == openers().constEnd()) {
        showError(missingMessage(request.className), request.parent);
        return false;
    }
    // What a user without the full right opens is read-only, whatever the flag.
    Request granted = request;
    granted.editable = AccessRights::ofSession().documentEditable(request.editable);
    (*it)(granted);
    return true;
}

} // namespace zort
