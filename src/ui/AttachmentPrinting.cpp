#include "ui/AttachmentPrinting.h"

#include "core/UserInterface.h"

namespace zort {
namespace {

AttachmentPrinting::Printer& printer() {
    static AttachmentPrinting::Printer p;
    return p;
}

} // namespace

QString AttachmentPrinting::missingMessage(const QString& kind) {
    return QStringLiteral("Wydruk \"%1\" nie jest dostępny w tej wersji programu.").arg(kind);
}

bool AttachmentPrinting::print(const AttachmentPrintRequest& request) {
    if (!printer()) {
        showError(missingMessage(request.kind), request.parent);
        return false;
    }
    printer()(request);
    return true;
}

void AttachmentPrinting::install(Printer p) { printer() = std::move(p); }

void AttachmentPrinting::uninstall() { printer() = nullptr; }

bool AttachmentPrinting::installed() { return bool(printer()); }

} // namespace zort
