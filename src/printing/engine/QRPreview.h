#pragma once
#include "printing/engine/DisplayList.h"

#include <QScrollArea>

namespace zort::print {

// The engine's preview control: shows one prepared page at a time at a zoom in
// percent (100: the page at 96 dpi), scrolls with the mouse wheel, fits the whole
// page or its width.
class TQRPreview : public QScrollArea {
    Q_OBJECT
public:
    explicit TQRPreview(QWidget* parent = nullptr);

    void setPages(PagesPtr pages);
    PagesPtr pages() const { return m_pages; }
    int pageCount() const { return m_pages ? m_pages->pageCount() : 0; }
    int pageNumber() const { return m_page; }
    void setPageNumber(int page);
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    void zoomToFit();
    void zoomToWidth();

signals:
    void pageChanged(int page);

protected:
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    class PageView;
    void relayout();
    PagesPtr m_pages;
    PageView* m_view;
    int m_page = 0;
    int m_zoom = 100;
};

} // namespace zort::print
