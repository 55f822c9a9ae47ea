#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace zort {

// Printing and previewing one attachment. The attachments windows hand over the
// attachment's printout kind ("WypZalWlasne", "WypZalPrzesl", "WypZalPolec"), its row
// key, whether the blank form is wanted and whether to preview instead of printing;
// the printing part of the program installs the routine that prepares the printout.
// Without it the printout is reported as missing.
struct AttachmentPrintRequest {
    QString kind;
    int id = 0;
    bool blank = false;
    bool preview = true;
    QWidget* parent = nullptr;
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
