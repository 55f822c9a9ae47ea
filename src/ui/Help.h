#pragma once
#include <QString>

namespace zort {

// The module's help, opened at the help context number a window carries. The help
// is a folder of Polish HTML pages, one page per context ("<context>.html") and a
// table of contents ("index.html"), shown in the program's own help window
// (TfrmHTMLHelp). The folder is "help" beside the program (the build tree, a copied
// program folder) or the installed one ("../share/zort/help" from the program).
// With a file "debug.debug" in the program's folder or a "/debug" or "-debug"
// argument every help call is also written to standard error.
class Help {
public:
    // The file name is the help file the window names; it is traced, the pages are
    // found by the context.
    static void show(int context, const QString& file = QStringLiteral("ZortWyp.chm"));
    // The help folder in use, empty when there is none.
    static QString folder();
    // Sets the help folder (tests); an empty path looks it up again.
    static void setFolder(const QString& path);
    // The page of a context, empty when the folder has none.
    static QString page(int context);
    // The message shown for a context without a page.
    static QString missingPageMessage(int context);
    // F1 in any window whose widget chain carries the dynamic property "helpContext"
    // (a positive number) opens that context; windows that keep their context
    // elsewhere handle F1 themselves. Installed once on the application.
    static void installKeyHandler();
    // The context F1 opens for a widget: the nearest "helpContext" up its chain, 0 without one.
    static int contextOf(const QWidget* widget);
};

} // namespace zort
