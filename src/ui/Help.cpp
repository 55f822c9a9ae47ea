#include "ui/Help.h"

#include "core/AppContext.h"
#include "core/Forms.h"
#include "core/UserInterface.h"
#include "ui/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
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

class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        const int context = Help::contextOf(static_cast<QWidget*>(watched));
        if (context <= 0) return false;
        Help::show(context);
        return true;
    }
};

} // namespace

int Help::contextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const int context = w->property("helpContext").toInt();
        if (context > 0) return context;
        if (w->isWindow()) break;
    }
    return 0;
}

void Help::installKeyHandler() {
    static HelpKeyFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new HelpKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

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
