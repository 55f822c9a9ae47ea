#include "ui/WindowLayout.h"

#include "core/AppContext.h"
#include "core/IniDocument.h"
#include "core/UserInterface.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace zort {
namespace {

QString g_file;

// The parts of a window whose layout is kept: the window itself and its named
// grids and trees.
QList<QWidget*> keptParts(QWidget* window) {
    QList<QWidget*> out{window};
    for (QAbstractItemView* v : window->findChildren<QAbstractItemView*>()) {
        if (!v->objectName().isEmpty() && !v->objectName().startsWith(QLatin1String("qt_"))) out << v;
    }
    return out;
}

QString className(QWidget* w) {
    const QString n = QString::fromLatin1(w->metaObject()->className());
    const qsizetype colon = n.lastIndexOf(':');
    return colon >= 0 ? n.mid(colon + 1) : n;
}

class LayoutSaver : public QObject {
public:
    explicit LayoutSaver(QWidget* window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this]() { saveNow(); });
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == m_window && e->type() == QEvent::Hide) saveNow();
        return false;
    }
    void saveNow() {
        if (m_window) WindowLayout::save(m_window, WindowLayout::file());
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

QString WindowLayout::file() { return g_file.isEmpty() ? appContext().layoutFilePath() : g_file; }

void WindowLayout::setFile(const QString& path) { g_file = path; }

void WindowLayout::restore(QWidget* window, const QString& file) {
    IniDocument ini(file);
    const QString section = window->objectName();
    if (section.isEmpty() || !ini.hasSection(section)) return;
    for (QWidget* w : keptParts(window)) {
        const QString name = w->objectName();
        auto read = [&](const char* prop) {
            bool ok = false;
            const int v = ini.value(section, name + QLatin1Char('.') + QLatin1String(prop), QStringLiteral("-9999")).toInt(&ok);
            return ok ? v : -9999;
        };
        // Positions are those of the frame, as saved; only the window itself moves.
        QRect g(w->pos(), w->size());
        const int top = read("Top"), left = read("Left"), width = read("Width"), height = read("Height");
        if (left != -9999) g.moveLeft(left);
        if (top != -9999) g.moveTop(top);
        if (width > 0) g.setWidth(width);
        if (height > 0) g.setHeight(height);
        if (w == window) w->move(g.topLeft());
        w->resize(g.size());
    }
}

void WindowLayout::save(QWidget* window, const QString& file) {
    const QString section = window->objectName();
    if (section.isEmpty()) return;
    IniDocument ini(file);
    for (QWidget* w : keptParts(window)) {
        const QString name = w->objectName();
        const QRect g = w == window ? QRect(w->pos(), w->size()) : w->geometry();
        ini.setValue(section, name + QStringLiteral(".Top"), QString::number(g.top()));
        ini.setValue(section, name + QStringLiteral(".Left"), QString::number(g.left()));
        ini.setValue(section, name + QStringLiteral(".Width"), QString::number(g.width()));
        ini.setValue(section, name + QStringLiteral(".Height"), QString::number(g.height()));
        ini.setValue(section, name + QStringLiteral(".ClassName"), className(w));
    }
    // The layout is saved while windows close, also when the program ends on a
    // signal: a failure is written to the log, never asked about in a window.
    if (!ini.save()) logMessage(QStringLiteral("układ okien"), ini.saveError());
}

void WindowLayout::track(QWidget* window) {
    restore(window, file());
    new LayoutSaver(window);
}

} // namespace zort
