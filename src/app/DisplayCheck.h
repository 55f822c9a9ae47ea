#pragma once
#include <QString>

namespace zort {

// The program's windows need a display. Without one the toolkit would end the
// process with an abort (and a core file) inside the application's constructor.

// The message for a run that has no display, or an empty text when the windowing
// platform the toolkit will use (QT_QPA_PLATFORM or "-platform NAME" on the command
// line) needs none or has one named (DISPLAY, WAYLAND_DISPLAY).
QString missingDisplayMessage(int argc, char** argv);

// Watches the creation of the application object: when the platform fails there
// after all (a display that is named but cannot be reached), the process ends with
// one line on standard error and status 1 instead of an abort. The toolkit's own
// messages of the creation are held back and passed on when it succeeds.
class PlatformStartWatch {
public:
    PlatformStartWatch();
    ~PlatformStartWatch();  // passes on the held messages
    PlatformStartWatch(const PlatformStartWatch&) = delete;
    PlatformStartWatch& operator=(const PlatformStartWatch&) = delete;
};

} // namespace zort
