#include "printing/engine/Report.h"

#include "printing/engine/DisplayFormat.h"
#include "printing/engine/TextLayout.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <QtCharts/QChart>

namespace zort::print {
namespace {

constexpr double kEps = 0.01;

// A piece of a laid-out band that a page break may not cut, except the resizable
// ones (rules and frames), which are cut and drawn on both sides of the break.
struct Atom {
    double top = 0;
    double bottom = 0;
    std::vector<DrawItem> items;
    bool resizable = false;
};

struct BandLayout {
    double height = 0;
    bool canSplit = false;
    std::vector<Atom> atoms;
};

void shift(DrawItem& i, double dy, double dx = 0) {
    i.rect.translate(dx, dy);
    i.origin += QPointF(dx, dy);
    if (i.clip.isValid()) i.clip.translate(dx, dy);
}

// Cuts a rule or frame to the band rows [from, to); false when nothing is left.
bool clipRows(DrawItem& i, double from, double to) {
    QRectF r = i.rect.normalized();
    if (i.kind == DrawItem::Kind::Line && r.height() < kEps) return r.top() >= from - kEps && r.top() <= to + kEps;
    const double top = std::max(r.top(), from);
    const double bottom = std::min(r.bottom(), to);
    if (bottom - top < kEps) return false;
    i.rect = QRectF(r.left(), top, r.width(), bottom - top);
    return true;
}

DrawItem lineItem(double x1, double y1, double x2, double y2, double pen, const QColor& c) {
    DrawItem i;
    i.kind = DrawItem::Kind::Line;
    i.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    i.penWidth = pen;
    i.color = c;
    return i;
}

DrawItem rectItem(const QRectF& box, double pen, const QColor& c, const QColor& fill = Qt::transparent) {
    DrawItem i;
    i.kind = DrawItem::Kind::Rect;
    i.rect = box;
    i.penWidth = pen;
    i.color = c;
    i.fill = fill;
    return i;
}

void frameItems(const Element& e, const QRectF& box, std::vector<DrawItem>& out) {
    if (e.frame == FrameAll) {
        out.push_back(rectItem(box, e.penWidth, e.penColor));
        return;
    }
    if (e.frame & FrameTop) out.push_back(lineItem(box.left(), box.top(), box.right(), box.top(), e.penWidth, e.penColor));
    if (e.frame & FrameBottom) out.push_back(lineItem(box.left(), box.bottom(), box.right(), box.bottom(), e.penWidth, e.penColor));
    if (e.frame & FrameLeft) out.push_back(lineItem(box.left(), box.top(), box.left(), box.bottom(), e.penWidth, e.penColor));
    if (e.frame & FrameRight) out.push_back(lineItem(box.right(), box.top(), box.right(), box.bottom(), e.penWidth, e.penColor));
}

// The layouts of a report's plain texts while it is prepared, by element and text: the
// passes of a report that asks for its page count lay the same texts out again, and a
// band that sizes its rules by the lines of its texts (Element::lineCount) lays them
// out before they print. Each preparation starts empty and drops them at its end.
struct LaidEntry {
    double width = 0;
    FontSpec font;
    Qt::Alignment align;
    bool wrap = false;
    LaidText laid;
};
using LaidCache = QHash<QPair<const Element*, QString>, LaidEntry>;

QHash<const Report*, LaidCache*>& preparing() {
    static QHash<const Report*, LaidCache*> caches;
    return caches;
}

LaidText laidPlain(const Element& e, const QString& text, bool wrap) {
    LaidCache* cache = preparing().value(&e.band().report());
    if (!cache) return layoutPlain(text, e.font, e.box.width(), e.alignment, wrap);
    const QPair<const Element*, QString> key(&e, text);
    const auto it = cache->constFind(key);
    if (it != cache->constEnd() && it->width == e.box.width() && it->font == e.font && it->align == e.alignment &&
        it->wrap == wrap)
        return it->laid;
    LaidEntry entry{e.box.width(), e.font, e.alignment, wrap, layoutPlain(text, e.font, e.box.width(), e.alignment, wrap)};
    cache->insert(key, entry);
    return entry.laid;
}

std::shared_ptr<const QImage> renderChart(const Element& e, const PrintContext& ctx) {
    constexpr double kScale = 3;
    auto* chart = new QChart();
    e.chart(*chart, ctx);
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), e.box.size()));
    auto img = std::make_shared<QImage>((e.box.size() * kScale).toSize(), QImage::Format_RGB32);
    img->fill(Qt::white);
    QPainter p(img.get());
    p.setRenderHint(QPainter::Antialiasing);
    scene.render(&p, QRectF(QPointF(0, 0), QSizeF(img->size())), QRectF(QPointF(0, 0), e.box.size()));
    p.end();
    return img;
}

} // namespace

// One preparation of a report: the page flow.
class ReportRun {
public:
    ReportRun(Report& r, int knownPages, bool counting) : m_r(r), m_ctx(r.m_ctx) {
        m_ctx = PrintContext();
        m_ctx.m_report = &r;
        m_ctx.m_source = r.m_source;
        m_ctx.m_pages = knownPages;
        m_ctx.m_counting = counting;
        m_out = std::make_shared<ReportPages>();
    }

    PagesPtr execute() {
        // The report's event sees the first row (documents print one row).
        DataSource* src = m_r.m_source;
        if (src) src->first();
        if (m_r.beforePrint) {
            bool go = true;
            m_r.beforePrint(m_r, go);
            if (!go) return m_out;
        }
        if (src && src->eof() && !m_r.printIfEmpty) return m_out;
        openPage();
        if (Band* detail = m_r.band(BandType::Detail)) {
            if (!src) {
                m_ctx.m_record = 1;
                printChain(detail, true);
            } else {
                for (; !src->eof(); src->next()) {
                    ++m_ctx.m_record;
                    printChain(detail, true);
                }
            }
        }
        if (Band* summary = m_r.band(BandType::Summary)) printChain(summary, true);
        closePage();
        const int n = m_out->pageCount();
        for (int i = 1; i <= n; ++i) m_out->page(i).count = n;
        if (m_r.afterPrint) m_r.afterPrint(m_r);
        return m_out;
    }

private:
    double pageBottom() const { return m_r.page.size().height() - m_r.page.bottomMargin; }

    void openPage() {
        ++m_ctx.m_page;
        m_page = Page();
        m_page.setup = m_r.page;
        m_page.number = m_ctx.m_page;
        m_y = m_r.page.topMargin;
        const Band* footer = m_r.band(BandType::PageFooter);
        m_limit = pageBottom() - (footer && footer->enabled ? footer->height : 0);
        m_body = false;
        if (Band* h = m_r.band(BandType::PageHeader)) printChain(h, false);
        if (m_ctx.m_page == 1)
            if (Band* t = m_r.band(BandType::Title)) printChain(t, true);
        if (Band* c = m_r.band(BandType::ColumnHeader)) printChain(c, false);
    }

    void closePage() {
        Band* footer = m_r.band(BandType::PageFooter);
        if (footer && footer->enabled) {
            BandLayout l;
            if (layoutBand(*footer, l)) emitPart(l.atoms, pageBottom() - footer->height, 0, l.height, true);
        }
        m_out->append(std::move(m_page));
    }

    void newPage() {
        closePage();
        openPage();
    }

    void printChain(Band* b, bool paging) {
        for (; b; b = b->m_child.get()) {
            BandLayout l;
            if (!layoutBand(*b, l)) continue;
            if (!paging) {
                emitPart(l.atoms, m_y, 0, l.height, true);
                m_y += l.height;
                continue;
            }
            if (b->forceNewPage && m_body) {
                newPage();
            } else if (b->keepWithNext && m_body && b->m_child && b->m_child->enabled &&
                       l.height + b->m_child->height > m_limit - m_y + kEps) {
                // A heading is not left at the foot of a page without its text.
                newPage();
            }
            place(std::move(l));
            m_body = true;
        }
    }

    bool layoutBand(Band& b, BandLayout& l) {
        if (!b.enabled) return false;
        bool print = true;
        if (b.beforePrint) b.beforePrint(b, print);
        if (!print || !b.enabled) return false;
        l.height = b.height;
        for (const auto& e : b.m_elements)
            if (e->beforePrint) e->beforePrint(*e, m_ctx);
        for (const auto& e : b.m_elements)
            if (e->enabled && !e->fitBand) layoutElement(*e, l);
        for (const auto& e : b.m_elements)
            if (e->enabled && e->fitBand) layoutElement(*e, l);
        return true;
    }

    QString resolveText(const Element& e) const {
        if (e.expr) return e.expr(m_ctx);
        if (e.kind == ElementKind::DataText) return formatValue(m_ctx.field(e.field), e.format);
        return e.text;
    }

    void layoutElement(Element& e, BandLayout& l) {
        switch (e.kind) {
        case ElementKind::Label:
        case ElementKind::DataText:
        case ElementKind::RichText: layoutText(e, l); break;
        case ElementKind::HorzLine: {
            if (e.box.width() <= kEps || e.penWidth <= 0) break;
            Atom a{e.box.top(), e.box.top(), {}, false};
            a.items.push_back(lineItem(e.box.left(), e.box.top(), e.box.right(), e.box.top(), e.penWidth, e.penColor));
            l.atoms.push_back(std::move(a));
            break;
        }
        case ElementKind::VertLine:
        case ElementKind::Rectangle: {
            QRectF box = e.box;
            if (e.fitBand) box.setBottom(l.height);
            if (box.height() <= kEps && e.kind == ElementKind::VertLine) break;
            Atom a{box.top(), box.bottom(), {}, e.fitBand};
            if (e.kind == ElementKind::VertLine) {
                a.items.push_back(lineItem(box.left(), box.top(), box.left(), box.bottom(), e.penWidth, e.penColor));
            } else if (e.frame != NoFrame && e.frame != FrameAll) {
                // Some sides only (a rule under a table row as high as the row).
                frameItems(e, box, a.items);
            } else {
                a.items.push_back(rectItem(box, e.penWidth, e.penColor, e.fill));
            }
            l.atoms.push_back(std::move(a));
            break;
        }
        case ElementKind::Image:
        case ElementKind::Chart: {
            DrawItem i;
            i.kind = DrawItem::Kind::Image;
            i.image = e.kind == ElementKind::Chart ? (e.chart ? renderChart(e, m_ctx) : nullptr) : e.image;
            if (!i.image || i.image->isNull()) break;
            i.rect = e.box;
            if (e.keepAspect && e.kind == ElementKind::Image) {
                QSizeF s = QSizeF(i.image->size()).scaled(e.box.size(), Qt::KeepAspectRatio);
                i.rect = QRectF(e.box.topLeft() + QPointF((e.box.width() - s.width()) / 2, (e.box.height() - s.height()) / 2), s);
            }
            l.atoms.push_back(Atom{e.box.top(), e.box.bottom(), {i}, false});
            break;
        }
        }
    }

    void layoutText(Element& e, BandLayout& l) {
        const QString s = resolveText(e);
        if (e.autoSize && e.kind != ElementKind::RichText) {
            double w = 0;
            for (const QString& line : normalizeLineBreaks(s).split(u'\n')) w = std::max(w, e.textWidth(line));
            e.box.setWidth(w);
        }
        const LaidText t = e.kind == ElementKind::RichText
                               ? layoutRich(s, e.font, e.box.width())
                               : laidPlain(e, s, e.wordWrap || e.stretch);
        // A run of text, with its underline and strike-out as lines.
        auto textItems = [&](const LaidRun& r, double baselineY, std::vector<DrawItem>& out, const QRectF& clip) {
            DrawItem i;
            i.kind = DrawItem::Kind::Text;
            i.text = r.text;
            i.font = r.font;
            i.color = r.font.color;
            i.origin = QPointF(e.box.left() + r.x, baselineY);
            i.rect = QRectF(e.box.left() + r.x, baselineY, 0, 0);
            i.clip = clip;
            out.push_back(i);
            if (!r.font.underline && !r.font.strikeOut) return;
            const QFontMetricsF fm(ReferenceDevice::font(r.font), ReferenceDevice::device());
            const double w = fm.horizontalAdvance(r.text) / ReferenceDevice::kPixelsPerUnit;
            const double pen = std::max(0.5, fm.lineWidth() / ReferenceDevice::kPixelsPerUnit);
            const double x = i.origin.x();
            if (r.font.underline) {
                const double y = baselineY + 0.45 * fm.descent() / ReferenceDevice::kPixelsPerUnit;
                out.push_back(lineItem(x, y, x + w, y, pen, r.font.color));
            }
            if (r.font.strikeOut) {
                const double y = baselineY - 0.3 * fm.ascent() / ReferenceDevice::kPixelsPerUnit;
                out.push_back(lineItem(x, y, x + w, y, pen, r.font.color));
            }
        };
        if (e.stretch) {
            const double h = std::max(e.box.height(), t.height());
            l.height = std::max(l.height, e.box.top() + h);
            l.canSplit = l.canSplit || t.lines.size() > 1;
            for (const LaidLine& line : t.lines) {
                Atom a{e.box.top() + line.top, e.box.top() + line.top + line.height, {}, false};
                for (const LaidRun& r : line.runs) textItems(r, a.top + line.baseline, a.items, QRectF());
                if (!a.items.empty()) l.atoms.push_back(std::move(a));
            }
            if (e.frame) {
                Atom f{e.box.top(), e.box.top() + h, {}, true};
                frameItems(e, QRectF(e.box.left(), e.box.top(), e.box.width(), h), f.items);
                l.atoms.push_back(std::move(f));
            }
            return;
        }
        // Fixed box: the text is cut at its end.
        double offset = 0;
        if (t.height() < e.box.height()) {
            if (e.alignment & Qt::AlignBottom) offset = e.box.height() - t.height();
            else if (e.alignment & Qt::AlignVCenter) offset = (e.box.height() - t.height()) / 2;
        }
        Atom a{e.box.top(), std::max(e.box.bottom(), e.box.top()), {}, false};
        const bool mayOverflow = !e.autoSize || t.lines.size() > 1;
        for (const LaidLine& line : t.lines) {
            if (line.top + offset >= e.box.height() - kEps && !e.autoSize) break;
            for (const LaidRun& r : line.runs)
                textItems(r, e.box.top() + offset + line.top + line.baseline, a.items, mayOverflow ? e.box : QRectF());
        }
        frameItems(e, e.box, a.items);
        if (!a.items.empty()) l.atoms.push_back(std::move(a));
    }

    // The last row boundary at or above the limit that cuts no atom.
    static double findCut(const BandLayout& l, double limit) {
        double c = limit;
        for (bool changed = true; changed;) {
            changed = false;
            for (const Atom& a : l.atoms) {
                if (a.resizable) continue;
                if (a.top < c - kEps && a.bottom > c + kEps) {
                    c = a.top;
                    changed = true;
                }
            }
        }
        return c > kEps ? c : 0;
    }

    void emitPart(const std::vector<Atom>& atoms, double pageY, double from, double to, bool all) {
        for (const Atom& a : atoms) {
            if (a.resizable) {
                for (DrawItem i : a.items) {
                    if (!clipRows(i, from, to)) continue;
                    shift(i, pageY - from, m_r.page.leftMargin);
                    m_page.items.push_back(std::move(i));
                }
                continue;
            }
            if (!all && (a.top < from - kEps || a.bottom > to + kEps)) continue;
            for (DrawItem i : a.items) {
                shift(i, pageY - from, m_r.page.leftMargin);
                m_page.items.push_back(std::move(i));
            }
        }
    }

    static BandLayout rest(const BandLayout& l, double cut) {
        BandLayout r;
        r.height = l.height - cut;
        r.canSplit = l.canSplit;
        for (const Atom& a : l.atoms) {
            if (a.resizable) {
                if (a.bottom <= cut + kEps) continue;
                Atom b = a;
                b.items.clear();
                for (DrawItem i : a.items)
                    if (clipRows(i, cut, a.bottom)) {
                        shift(i, -cut);
                        b.items.push_back(std::move(i));
                    }
                b.top = std::max(a.top, cut) - cut;
                b.bottom = a.bottom - cut;
                r.atoms.push_back(std::move(b));
            } else if (a.top >= cut - kEps) {
                Atom b = a;
                b.top -= cut;
                b.bottom -= cut;
                for (DrawItem& i : b.items) shift(i, -cut);
                r.atoms.push_back(std::move(b));
            }
        }
        return r;
    }

    void place(BandLayout l) {
        for (;;) {
            const double avail = m_limit - m_y;
            if (l.height <= avail + kEps) {
                emitPart(l.atoms, m_y, 0, l.height, true);
                m_y += l.height;
                return;
            }
            const double cut = l.canSplit ? findCut(l, avail) : 0;
            if (cut > kEps) {
                emitPart(l.atoms, m_y, 0, cut, false);
                l = rest(l, cut);
                newPage();
                continue;
            }
            if (m_body) {
                newPage();
                continue;
            }
            // A fresh page cannot hold even the first piece: print it cut at the
            // page's end rather than loop.
            emitPart(l.atoms, m_y, 0, l.height, true);
            m_y = m_limit;
            return;
        }
    }

    Report& m_r;
    PrintContext& m_ctx;
    PagesPtr m_out;
    Page m_page;
    double m_y = 0;
    double m_limit = 0;
    bool m_body = false;
};

// --- PrintContext ---------------------------------------------------------------

Field PrintContext::field(const QString& name) const {
    return m_source ? m_source->field(name) : Field();
}

QString PrintContext::text(const QString& name, const QString& format) const {
    return formatValue(field(name), format);
}

int PrintContext::pages() const {
    m_pagesAsked = true;
    return m_pages;
}

// --- Element and Band -------------------------------------------------------------

double Element::textWidth(const QString& t) const { return ReferenceDevice::textWidth(font, t); }

int Element::lineCount(const QString& t) const {
    if (!m_band) return std::max<int>(1, int(layoutPlain(t, font, box.width(), alignment, true).lines.size()));
    return std::max<int>(1, int(laidPlain(*this, t, true).lines.size()));
}

void Element::mark(bool on) {
    if (!strikeTarget) return;
    const Element& t = *strikeTarget;
    const double w = t.textWidth(firstLine(t.text));
    box.setLeft(t.box.left() + (t.autoSize ? 0 : alignedX(t.alignment, t.box.width(), w)));
    box.setWidth(on ? w : 0);
}

Element& Band::add(ElementKind kind, const QRectF& box, const FontSpec& font) {
    auto e = std::make_unique<Element>();
    e->kind = kind;
    e->box = box;
    e->font = font;
    e->m_band = this;
    m_elements.push_back(std::move(e));
    return *m_elements.back();
}

Element& Band::label(double x, double y, const QString& text, const FontSpec& font) {
    Element& e = add(ElementKind::Label, QRectF(x, y, 0, ReferenceDevice::lineHeight(font)), font);
    e.text = text;
    e.autoSize = true;
    e.box.setWidth(e.textWidth(firstLine(text)));
    return e;
}

Element& Band::label(const QRectF& box, const QString& text, const FontSpec& font) {
    Element& e = add(ElementKind::Label, box, font);
    e.text = text;
    return e;
}

Element& Band::data(const QRectF& box, const QString& field, const QString& format, const FontSpec& font) {
    Element& e = add(ElementKind::DataText, box, font);
    e.field = field;
    e.format = format;
    return e;
}

Element& Band::memo(const QRectF& box, const QString& field, const FontSpec& font) {
    Element& e = data(box, field, QString(), font);
    e.setStretch(true);
    return e;
}

Element& Band::text(const QRectF& box, TextFn fn, const FontSpec& font) {
    Element& e = add(ElementKind::DataText, box, font);
    e.expr = std::move(fn);
    return e;
}

Element& Band::rich(const QRectF& box, const QString& html, const FontSpec& font) {
    Element& e = add(ElementKind::RichText, box, font);
    e.text = html;
    e.wordWrap = true;
    return e;
}

Element& Band::rich(const QRectF& box, TextFn html, const FontSpec& font) {
    Element& e = rich(box, QString(), font);
    e.expr = std::move(html);
    return e;
}

Element& Band::pageNumber(const QRectF& box, const QString& prefix, bool withCount, const FontSpec& font) {
    Element& e = add(ElementKind::Label, box, font);
    e.expr = [prefix, withCount](const PrintContext& c) {
        QString s = prefix + QString::number(c.page());
        if (withCount) s += QStringLiteral("/ ") + QString::number(c.pages());
        return s;
    };
    return e;
}

Element& Band::hline(double x, double y, double width, double pen) {
    Element& e = add(ElementKind::HorzLine, QRectF(x, y, width, 0), FontSpec());
    e.penWidth = pen;
    return e;
}

Element& Band::vline(double x, double y, double height, double pen) {
    Element& e = add(ElementKind::VertLine, QRectF(x, y, 0, height), FontSpec());
    e.penWidth = pen;
    return e;
}

Element& Band::rect(const QRectF& box, double pen) {
    Element& e = add(ElementKind::Rectangle, box, FontSpec());
    e.penWidth = pen;
    return e;
}

Element& Band::strike(Element& label, double pen) {
    const double y = label.box.top() + ReferenceDevice::ascent(label.font) * 0.65;
    Element& e = hline(label.box.left(), y, 0, pen);
    e.strikeTarget = &label;
    return e;
}

Element& Band::image(const QRectF& box, const QImage& img, bool keepAspect) {
    Element& e = add(ElementKind::Image, box, FontSpec());
    e.image = std::make_shared<const QImage>(img);
    e.keepAspect = keepAspect;
    return e;
}

Element& Band::chart(const QRectF& box, ChartFn fill) {
    Element& e = add(ElementKind::Chart, box, FontSpec());
    e.chart = std::move(fill);
    return e;
}

Band& Band::child(double height) {
    if (!m_child) {
        m_child = std::make_unique<Band>();
        m_child->m_type = BandType::Child;
        m_child->m_report = m_report;
        m_child->height = height < 0 ? 0 : height;
    } else if (height >= 0) {
        m_child->height = height;
    }
    return *m_child;
}

Element* Band::find(const QString& n) const {
    for (const auto& e : m_elements)
        if (e->name == n) return e.get();
    return m_child ? m_child->find(n) : nullptr;
}

// --- Report -----------------------------------------------------------------------

Report::Report(const QString& n) : name(n) {}
Report::~Report() = default;

Band& Report::addBand(BandType type, double height) {
    if (Band* b = band(type)) {
        b->height = height;
        return *b;
    }
    auto b = std::make_unique<Band>();
    b->m_type = type;
    b->m_report = this;
    b->height = height;
    m_bands.push_back(std::move(b));
    return *m_bands.back();
}

Band* Report::band(BandType type) const {
    for (const auto& b : m_bands)
        if (b->m_type == type) return b.get();
    return nullptr;
}

void Report::forEachElement(const std::function<void(Element&)>& fn) {
    for (const auto& top : m_bands)
        for (Band* b = top.get(); b; b = b->m_child.get())
            for (const auto& e : b->m_elements) fn(*e);
}

void Report::setDataFieldsEnabled(bool enabled) {
    forEachElement([enabled](Element& e) {
        if (e.isDataBound()) e.enabled = enabled;
    });
}

void Report::setDataFontSize(double size, double above) {
    forEachElement([size, above](Element& e) {
        if (e.isDataBound() && e.font.size > above) e.font.size = size;
    });
}

Element* Report::find(const QString& n) const {
    for (const auto& b : m_bands)
        if (Element* e = b->find(n)) return e;
    return nullptr;
}

void Report::restoreDesign() {
    for (const auto& top : m_bands) {
        for (Band* b = top.get(); b; b = b->m_child.get()) {
            if (!b->m_captured) {
                b->m_design = *b;
                b->m_captured = true;
            } else {
                static_cast<BandProps&>(*b) = b->m_design;
            }
            for (const auto& e : b->m_elements) {
                if (!e->m_captured) {
                    e->m_design = *e;
                    e->m_captured = true;
                } else {
                    static_cast<ElementProps&>(*e) = e->m_design;
                }
            }
        }
    }
}

PagesPtr Report::run(int knownPages, bool counting) {
    restoreDesign();
    ReportRun r(*this, knownPages, counting);
    return r.execute();
}

PagesPtr Report::prepare() {
    LaidCache laid;
    preparing().insert(this, &laid);
    struct Done {
        const Report* r;
        ~Done() { preparing().remove(r); }
    } done{this};
    PagesPtr p = run(0, true);
    if (m_ctx.m_pagesAsked) {
        for (int i = 0; i < 3; ++i) {
            const int n = p->pageCount();
            p = run(n, false);
            if (p->pageCount() == n) break;
        }
    }
    m_pages = p;
    return p;
}

// --- CompositeReport --------------------------------------------------------------

PagesPtr CompositeReport::prepare() {
    if (onAddReports) {
        m_reports.clear();
        onAddReports(*this);
    }
    auto all = std::make_shared<ReportPages>();
    int index = 0;
    for (Report* r : m_reports) {
        const PagesPtr p = r->prepare();
        for (Page pg : p->pages()) {
            pg.reportIndex = index;
            all->append(std::move(pg));
        }
        ++index;
    }
    m_pages = all;
    return all;
}

// --- Printable --------------------------------------------------------------------

Printable::~Printable() = default;

QWidget* Printable::preview() {
    prepare();
    return previewInterface()->show(m_pages);
}

QWidget* Printable::previewModal() {
    prepare();
    return previewInterface()->showModal(m_pages);
}

bool Printable::print(QPrinter& printer) {
    prepare();
    return m_pages->print(printer);
}

QPrinter& Printable::printer() {
    if (!m_printer) m_printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

} // namespace zort::print
