#include "ui/StrikeMark.h"

#include "ui/Widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace zort {

namespace {

constexpr int kMargin = 2;  // room for the focus rectangle around the text

} // namespace

StrikeMark::StrikeMark(const QString& name, const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(name);
    setText(caption);
    setCheckable(true);
    setChecked(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Named as its caption reads, without the form's colon and blanks.
    setAccessibleName(captionName(caption));
    updateAccessibility();
}

void StrikeMark::setStruck(bool struck) {
    if (m_struck == struck)
        return;
    m_struck = struck;
    setChecked(!struck);
    updateAccessibility();
    update();
}

void StrikeMark::updateAccessibility() {
    setAccessibleDescription(m_struck ? QStringLiteral("skreślone") : QStringLiteral("nieskreślone"));
}

QSize StrikeMark::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(text()) + 2 * kMargin, fm.height() + 2 * kMargin);
}

QSize StrikeMark::minimumSizeHint() const {
    return sizeHint();
}

QRect StrikeMark::textRect() const {
    const QFontMetrics fm(font());
    return QRect(kMargin, kMargin, fm.horizontalAdvance(text()), fm.height());
}

void StrikeMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor ink = isEnabled() ? palette().color(QPalette::WindowText)
                                   : palette().color(QPalette::Disabled, QPalette::WindowText);
    const QRect r = textRect();
    p.setPen(ink);
    p.setFont(font());
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    if (m_struck && r.width() > 0) {
        // One pixel high, across the text, through its middle.
        p.fillRect(QRect(r.left(), r.top() + r.height() / 2, r.width(), 1), ink);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = rect();
        opt.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

void StrikeMark::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void StrikeMark::nextCheckState() {
    // The owner sets the state through setStruck().
}

bool StrikeMark::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace zort
