#pragma once
// Walks every page of a window at its size, as a user would look at it, and checks
// that each field shows its whole value and each label stands clear of its field:
// - a visible single-line field with a maximum length up to 20 has room for that
//   many digits; a date field (as the page builder marks it) for a date, or a date
//   and a time, in the process's formats;
// - no label touches or overlaps an entry control beside it;
// - no page scrolls sideways.
// The room of a field is measured as the field lays out its text (frame, text
// margins and the cursor's margin taken off).
//
// With the environment variable ZORT_SHOT_DIR set, every page visited is also saved
// there as a picture ("<window>-<n>-<page>.png"), to look at.
#include "core/Formats.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>

namespace zort::test {

// The width a line edit leaves its text (as QLineEdit paints it).
inline int textRoom(const QLineEdit* e) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    opt.features = QStyleOptionFrame::None;
    QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    r = r.marginsRemoved(e->textMargins());
    return r.width() - 2 * 2;  // the line edit's own margin on either side
}

// Whether `text` shows whole in the field (the cursor after it included).
inline bool showsWhole(const QLineEdit* e, const QString& text) {
    return e->fontMetrics().horizontalAdvance(text) + 1 < textRoom(e);
}

// Makes the tab pages that hold `w` current, from the outside in.
inline void reveal(QWidget* w) {
    QList<QPair<QTabWidget*, QWidget*>> tabs;
    for (QWidget* p = w; p && p->parentWidget(); p = p->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget()))
            if (auto* t = qobject_cast<QTabWidget*>(stack->parentWidget())) tabs.prepend({t, p});
    for (const auto& [t, page] : tabs) t->setCurrentWidget(page);
}

inline QRect inWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

inline bool isEntry(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w);
}

// The faults of what the current pages of `window` show (see above).
inline QStringList shownFaults(QWidget* window) {
    QStringList faults;
    const QString sampleDate = Formats::date(QDate(2028, 12, 28));
    const QString sampleDateTime = Formats::dateTime(QDateTime(QDate(2028, 12, 28), QTime(20, 58, 58)));
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        if (!e->isVisible() || qobject_cast<QAbstractSpinBox*>(e->parentWidget()) ||
            qobject_cast<QComboBox*>(e->parentWidget()))
            continue;
        const FieldKind kind = fieldKind(e);
        QString needed;
        if (kind == FieldKind::Date) needed = sampleDate;
        else if (kind == FieldKind::DateTime) needed = sampleDateTime;
        else if (e->maxLength() <= 20) needed = QString(e->maxLength(), QLatin1Char('0'));
        if (!needed.isEmpty() && !showsWhole(e, needed))
            faults << e->objectName() + QStringLiteral(": no room for \"") + needed +
                          QStringLiteral("\" (%1 px of %2)").arg(textRoom(e)).arg(e->fontMetrics().horizontalAdvance(needed));
    }
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty()) continue;
        const QRect lr = inWindow(l).adjusted(-3, 0, 3, 0);
        for (QWidget* w : all) {
            if (!w->isVisible() || !isEntry(w) || w->parentWidget() != l->parentWidget()) continue;
            if (lr.intersects(inWindow(w)))
                faults << l->objectName() + QStringLiteral(" \"") + l->text() + QStringLiteral("\" touches ") +
                              w->objectName();
        }
        const bool cut = l->wordWrap() ? l->height() < l->heightForWidth(l->width())
                                       : l->width() < l->minimumSizeHint().width();
        if (cut) faults << QStringLiteral("label \"") + l->text() + QStringLiteral("\" cut");
    }
    for (QScrollArea* s : window->findChildren<QScrollArea*>())
        if (s->isVisible() && s->horizontalScrollBar()->isVisible())
            faults << s->objectName() + QStringLiteral(": scrolls sideways");
    return faults;
}

// Shows `window` at its size and visits every page of its tabs; the faults found on
// any page, each once on a line of its own, named after the window (`name`).
inline std::string pageFaults(QWidget* window, const QString& name) {
    window->show();
    QStringList faults;
    QSet<QWidget*> visited;
    int shot = 0;
    auto look = [&](const QString& page) {
        QApplication::processEvents();
        for (const QString& f : shownFaults(window))
            if (!faults.contains(name + QStringLiteral(": ") + f)) faults << name + QStringLiteral(": ") + f;
        const QString dir = qEnvironmentVariable("ZORT_SHOT_DIR");
        if (!dir.isEmpty()) window->grab().save(QDir(dir).filePath(QStringLiteral("%1-%2-%3.png").arg(name).arg(++shot).arg(page)));
    };
    look(QString());
    for (QTabWidget* t : window->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i) {
            QWidget* page = t->widget(i);
            if (visited.contains(page)) continue;
            visited.insert(page);
            reveal(page);
            if (!page->isVisible()) continue;  // under a panel that is not shown
            look(page->objectName());
        }
    return faults.join(QLatin1Char('\n')).toStdString();
}

} // namespace zort::test
