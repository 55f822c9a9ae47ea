#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace zort {

// Printing and previewing one attachment. The attachments windows hand over the
// attachment's printout kind ("WypZalWlasne", "WypZalPrzesl", "WypZalPolec"), its row
// key, whether the blank form is wanted, whether to preview instead of printing and
// the attachments' owner (the accident and the injured person; person 0 for a
// commuting accident); the printing part of the program installs the routine that
// prepares the printout.
// Without it the printout is reported as missing.
struct AttachmentPrintRequest {
    QString kind;
    int id = 0;
    bool blank = false;
    bool preview = true;
    QWidget* parent = nullptr;
    int ownerAccident = 0;
    int ownerProtocol = 0;
};

class AttachmentPrinting {
public:
    using Printer = std::function<void(const AttachmentPrintRequest&)>;
    // Prints or previews; false (after the message) when the printout is missing.
    static bool print(const AttachmentPrintRequest& request);
    static void install(Printer printer);
    static void uninstall();
    static bool installed();
    static QString missingMessage(const QString& kind);
};

} // namespace zort
