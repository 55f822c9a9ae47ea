#pragma once
#include "domain/RecordRef.h"

#include <QString>
#include <functional>

class QWidget;

namespace zort {

// The document windows that the main window opens for the current record (the
// statistical card of each form, the protocol of each form, the attachments, the
// data test, the print selections, the administration window, the search). They are
// reached by their class name; a window that this build does not have is reported
// as missing instead of opening.
class DocumentWindows {
public:
    struct Request {
        QString className;
        bool editable = true;  // false: the window opens read-only (so it does for a user without the full right)
        QWidget* parent = nullptr;
        // Whether the main window stands on its list page (not editing a record
        // itself): a window opened from an entry page may not be modal.
        bool onListPage = true;
        // The record the window is opened for: it loads and saves these rows,
        // wherever the main window's lists stand meanwhile.
        RecordRef record{};
        // Called each time the window wrote the record's rows, so that the opener
        // shows what was written once the window is closed.
        std::function<void()> written{};
    };
    // Shows the window (modally unless it says otherwise). Returns false, after a
    // message, when there is no such window.
    using Opener = std::function<void(const Request&)>;

    static bool open(const Request& request);
    static bool exists(const QString& className);
    // Registers a window (tests register stand-ins).
    static void add(const QString& className, Opener opener);
    static void remove(const QString& className);
    static QString missingMessage(const QString& className);
    // The windows shown without being modal (opened from an entry page) close when
    // the main window returns to its list; each such window adds its closer.
    static void addModelessCloser(std::function<void()> closer);
    static void closeModeless();
};

} // namespace zort
