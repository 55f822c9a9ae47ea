#pragma once
#include <QString>

class QWidget;

namespace zort {

// The window layout file "zortwyp.ini" beside the executable: one section per window
// (its component name); for the window and for each named grid or tree inside it
// the keys name.Top, name.Left, name.Width, name.Height and name.ClassName.
class WindowLayout {
public:
    // Applies the saved values to the window and its named grids and trees (a
    // missing value, -9999 or "pusty", is skipped) and saves them again whenever the
    // window is hidden and at the end of the run.
    static void track(QWidget* window);
    static void restore(QWidget* window, const QString& file);
    static void save(QWidget* window, const QString& file);
    // The file in use (tests set their own).
    static QString file();
    static void setFile(const QString& path);
};

} // namespace zort
