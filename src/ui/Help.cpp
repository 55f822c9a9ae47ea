#include "ui/Help.h"

#include "core/AppContext.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "ui/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <cstdio>

namespace zort {
namespace {

QString g_folder;

bool tracing() {
    const QString dir = appContext().programDir;
    if (!dir.isEmpty() && QFileInfo::exists(QDir(dir).filePath(QStringLiteral("debug.debug")))) return true;
    const QStringList args = QCoreApplication::arguments();
    return args.contains(QStringLiteral("/debug")) || args.contains(QStringLiteral("-debug"));
}

// The help window, once per run. A modal window blocks every window but its own:
// the help window opened from one becomes its child window, so that it can be read
// and used while the modal window stays open.
TfrmHTMLHelp* helpWindow() {
    auto* w = Forms::getOrCreate<TfrmHTMLHelp>(QStringLiteral("TfrmHTMLHelp"));
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == w) modal = nullptr;
    if (w->parentWidget() != modal) w->setParent(modal, w->windowFlags() | Qt::Window);
    return w;
}

} // namespace

QString Help::folder() {
    if (!g_folder.isEmpty()) return g_folder;
    const QDir exe(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {exe.filePath(QStringLiteral("help")), exe.filePath(QStringLiteral("../share/zort/help"))})
        if (QFileInfo(candidate).isDir()) return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    return QString();
}

void Help::setFolder(const QString& path) { g_folder = path; }

QString Help::page(int context) {
    const QString dir = folder();
    if (dir.isEmpty()) return QString();
    const QString path = QDir(dir).filePath(QStringLiteral("%1.html").arg(context));
    return QFileInfo(path).isFile() ? path : QString();
}

QString Help::missingPageMessage(int context) {
    return QStringLiteral("Brak strony pomocy dla kontekstu %1 (plik help/%1.html).").arg(context);
}

void Help::show(int context, const QString& file) {
    if (tracing()) std::fprintf(stderr, "zort [pomoc] plik %s, kontekst %d\n", file.toUtf8().constData(), context);
    const QString dir = folder();
    if (dir.isEmpty()) {
        showInfo(QStringLiteral("Brak folderu stron pomocy (help) obok programu."));
        return;
    }
    const QString path = page(context);
    if (path.isEmpty()) {
        showInfo(missingPageMessage(context));
        // The table of contents leads on to the other pages.
        if (!QFileInfo(QDir(dir).filePath(TfrmHTMLHelp::indexPage())).isFile()) return;
    }
    TfrmHTMLHelp* w = helpWindow();
    w->setFolder(dir);
    w->showPage(path.isEmpty() ? TfrmHTMLHelp::indexPage() : QFileInfo(path).fileName());
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace zort
