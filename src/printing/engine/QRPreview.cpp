#include "printing/engine/QRPreview.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace zort::print {

namespace {
constexpr int kGap = 10;
}

class TQRPreview::PageView : public QWidget {
public:
    explicit PageView(TQRPreview* owner) : QWidget(owner), m_owner(owner) {
        setObjectName(QStringLiteral("qrPodgladStrona"));
        setAutoFillBackground(false);
    }
    QRectF pageRect() const {
        if (!m_owner->m_pages || m_owner->m_page < 1) return QRectF();
        const QSizeF s = m_owner->m_pages->page(m_owner->m_page).size() * (m_owner->m_zoom / 100.0);
        return QRectF(QPointF(std::max<double>(kGap, (width() - s.width()) / 2), kGap), s);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Dark));
        const QRectF r = pageRect();
        if (r.isEmpty()) return;
        p.fillRect(r.translated(3, 3), Qt::darkGray);
        p.fillRect(r, Qt::white);
        m_owner->m_pages->page(m_owner->m_page).paint(p, r);
    }

private:
    TQRPreview* m_owner;
};

TQRPreview::TQRPreview(QWidget* parent) : QScrollArea(parent), m_view(new PageView(this)) {
    setObjectName(QStringLiteral("qrPodglad"));
    setAccessibleName(QStringLiteral("Podgląd strony"));
    setWidget(m_view);
    setWidgetResizable(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    relayout();
}

void TQRPreview::setPages(PagesPtr pages) {
    m_pages = std::move(pages);
    m_page = 0;
    if (m_pages && m_pages->pageCount() > 0) setPageNumber(1);
    else relayout();
}

void TQRPreview::setPageNumber(int page) {
    if (!m_pages || m_pages->pageCount() == 0) return;
    page = std::clamp(page, 1, m_pages->pageCount());
    const bool changed = page != m_page;
    m_page = page;
    relayout();
    verticalScrollBar()->setValue(0);
    if (changed) emit pageChanged(m_page);
}

void TQRPreview::setZoom(int percent) {
    m_zoom = std::clamp(percent, 5, 1000);
    relayout();
}

void TQRPreview::zoomToFit() {
    if (!m_pages || m_page < 1) return;
    const QSizeF s = m_pages->page(m_page).size();
    const QSize avail = viewport()->size() - QSize(2 * kGap, 2 * kGap);
    setZoom(int(std::floor(std::min(avail.width() / s.width(), avail.height() / s.height()) * 100)));
}

void TQRPreview::zoomToWidth() {
    if (!m_pages || m_page < 1) return;
    const QSizeF s = m_pages->page(m_page).size();
    const int avail = viewport()->width() - 2 * kGap - verticalScrollBar()->sizeHint().width();
    setZoom(int(std::floor(avail / s.width() * 100)));
}

void TQRPreview::relayout() {
    QSize s(100, 100);
    if (m_pages && m_page >= 1) {
        const QSizeF p = m_pages->page(m_page).size() * (m_zoom / 100.0);
        s = QSize(int(std::ceil(p.width())) + 2 * kGap, int(std::ceil(p.height())) + 2 * kGap);
    }
    m_view->resize(s.expandedTo(QSize(viewport()->width(), 0)));
    m_view->update();
}

void TQRPreview::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    relayout();
}

void TQRPreview::wheelEvent(QWheelEvent* e) {
    verticalScrollBar()->setValue(verticalScrollBar()->value() - e->angleDelta().y());
    e->accept();
}

} // namespace zort::print
