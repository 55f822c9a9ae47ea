#include "printing/ProtocolPrintLayout.h"

#include "printing/engine/DisplayFormat.h"
#include "printing/engine/TextLayout.h"

#include <QRegularExpression>
#include <cmath>

namespace zort::print {

ProtPiece T(const QString& text, double x) {
    ProtPiece p;
    p.text = text;
    p.x = x;
    return p;
}

ProtPiece F(const QString& column, double width, const QString& caption, double x) {
    ProtPiece p;
    p.kind = ProtPiece::Kind::Field;
    p.text = column;
    p.width = width;
    p.caption = caption;
    p.x = x;
    return p;
}

ProtPiece D(const QString& column, double width, const QString& caption, double x) {
    ProtPiece p = F(column, width, caption, x);
    p.format = kDateFormat;
    return p;
}

ProtPiece C(const QString& text, const QString& name) {
    ProtPiece p;
    p.kind = ProtPiece::Kind::Choice;
    p.text = text;
    p.name = name;
    return p;
}

ProtPiece N(const QString& mark) {
    ProtPiece p;
    p.kind = ProtPiece::Kind::Note;
    p.text = mark;
    return p;
}

ProtPiece M(const QString& column, int box, double x) {
    ProtPiece p;
    p.kind = ProtPiece::Kind::Mark;
    p.text = column;
    p.box = box;
    p.x = x;
    return p;
}

ProtPiece V(const QString& column, const QString& before, const QString& onBlank, double width) {
    ProtPiece p;
    p.kind = ProtPiece::Kind::Value;
    p.text = column;
    p.before = before;
    p.beforeOnBlank = onBlank;
    p.width = width;
    return p;
}

ProtPiece B(double x, double width, double height, const QString& caption, const QStringList& columns,
            const QString& separator) {
    ProtPiece p;
    p.kind = ProtPiece::Kind::Frame;
    p.x = x;
    p.width = width;
    p.height = height;
    p.caption = caption;
    p.columns = columns;
    p.separator = separator;
    return p;
}

namespace {

// Data is printed at most this large (the font size setting goes up to 10).
constexpr double kLargestData = 10;
constexpr double kRulePen = 0.5;
constexpr double kTextIndent = 10;  // free texts under their headings

QStringList captionLines(const ProtPiece& p) { return p.caption.isEmpty() ? QStringList() : p.caption.split(u'\n'); }

} // namespace

ProtocolReport::ProtocolReport(const QString& className, const ProtocolPrintLayout& layout, int page)
    : DocumentReport(className, layout.kindCode.isEmpty() ? QStringLiteral("WypProt") : layout.kindCode),
      m_layout(layout), m_page(page) {
    if (m_page == 0)
        buildWhole();
    else
        buildPage();
    addMarkTables();
}

QStringList ProtocolReport::datasets() const {
    if (m_page == 0) return m_layout.wholeDatasets;
    QStringList names{m_layout.pageDatasets.value(m_page - 1)};
    for (const QString& d : m_otherDatasets)
        if (!names.contains(d)) names << d;
    return names;
}

FontSpec ProtocolReport::textFont(const ProtLine& line) const {
    FontSpec f(QStringLiteral("Arial"), line.size > 0 ? line.size : m_layout.textSize);
    f.bold = line.bold;
    return f;
}

FontSpec ProtocolReport::dataFont() const { return FontSpec(QStringLiteral("Arial"), m_layout.dataSize); }

FontSpec ProtocolReport::captionFont() const { return FontSpec(QStringLiteral("Arial"), m_layout.captionSize); }

void ProtocolReport::addMarkTables() {
    for (const ProtMarks& m : m_layout.marks) {
        std::function<bool(const DocumentReport&)> applies;
        if (m.item13) applies = [](const DocumentReport& r) { return r.settings().zaznPkt13prot; };
        if (!m.struck.empty() || !m.otherwise.isEmpty()) addMarks(m.column, m.struck, applies, m.otherwise);
        if (!m.boxes.empty()) addBoxMarks(m.column, m.boxes);
        if (!m.byText.empty()) addTextMarks(m.column, m.byText);
        if (!m.empty.isEmpty()) addEmptyMarks(m.column, m.empty);
        if (!m.hidden.empty() || !m.hiddenOtherwise.isEmpty()) addHidden(m.column, m.hidden, m.hiddenOtherwise);
    }
}

double ProtocolReport::addLines(Band& band, double y, const std::vector<ProtLine>& lines) {
    double h = 0;
    for (const ProtLine& l : lines) h += addLine(band, y + h, l);
    return h;
}

double ProtocolReport::addLine(Band& band, double top, const ProtLine& line) {
    const double y = top + line.space;
    const FontSpec text = textFont(line);
    const FontSpec choiceFont = m_layout.boldChoices ? text.withBold(true) : text;
    const FontSpec cap = captionFont();
    const FontSpec note = cap.withBold(false);
    const double textH = ReferenceDevice::lineHeight(text);
    const double capH = ReferenceDevice::lineHeight(cap);
    const double contentW = page.contentWidth();
    bool hasField = false;
    int captionRows = 0;
    double frameH = 0;
    for (const ProtPiece& p : line.pieces) {
        if (p.kind == ProtPiece::Kind::Field || !p.gapColumn.isEmpty()) hasField = true;
        if (p.kind == ProtPiece::Kind::Field) captionRows = std::max<int>(captionRows, int(captionLines(p).size()));
        if (p.kind == ProtPiece::Kind::Frame) frameH = std::max(frameH, frameHeight(p));
    }
    // The row of values and words, then the captions under the rules.
    const double rowH = std::max(frameH, hasField ? std::max(textH, ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), kLargestData))) + 1
                                                  : textH + 1);
    const double textY = y + rowH - textH - 0.5;

    auto widthOf = [&](const ProtPiece& p, double x) {
        switch (p.kind) {
        case ProtPiece::Kind::Text: return ReferenceDevice::textWidth(text, p.text);
        case ProtPiece::Kind::Choice: return ReferenceDevice::textWidth(choiceFont, p.text);
        case ProtPiece::Kind::Note: return ReferenceDevice::textWidth(note, p.text);
        case ProtPiece::Kind::Mark: return kMarkBox;
        case ProtPiece::Kind::Value: return p.width > 0 ? p.width : contentW - x;
        case ProtPiece::Kind::Frame: return p.width > 0 ? p.width : contentW - x;
        case ProtPiece::Kind::Field: {
            double w = p.width > 0 ? p.width : contentW - x;
            for (const QString& c : captionLines(p)) w = std::max(w, ReferenceDevice::textWidth(cap, c) + 4);
            return w;
        }
        }
        return 0.0;
    };
    // Where each piece starts.
    std::vector<double> xs;
    double x = line.indent;
    for (size_t i = 0; i < line.pieces.size(); ++i) {
        const ProtPiece& p = line.pieces[i];
        if (p.x > 0)
            x = line.indent + p.x;
        else if (i > 0)
            x += p.kind == ProtPiece::Kind::Note ? 1 : kPieceGap;
        xs.push_back(x);
        x += widthOf(p, x);
    }
    if (line.center && !xs.empty()) {
        const double shiftBy = line.width > 0 ? (line.width - (x - line.indent)) / 2
                                              : (contentW - (x - line.indent)) / 2 - line.indent;
        for (double& v : xs) v += shiftBy;
    }

    for (size_t i = 0; i < line.pieces.size(); ++i) {
        const ProtPiece& p = line.pieces[i];
        const double px = xs[i];
        switch (p.kind) {
        case ProtPiece::Kind::Text: {
            if (!line.point.isEmpty() && p.gapColumn.isEmpty()) {
                choice(band, px, textY, p.text, text, line.point);
                break;
            }
            Element& l = band.label(px, textY, p.text, text);
            if (p.gapColumn.isEmpty()) break;
            // The column over the run of dots of the text.
            static const QRegularExpression dots(QStringLiteral("\\.{6,}"));
            const QRegularExpressionMatch m = dots.match(p.text);
            if (!m.hasMatch()) break;
            const double gx = px + ReferenceDevice::textWidth(text, p.text.left(m.capturedStart()));
            const double gw = ReferenceDevice::textWidth(text, m.captured());
            band.data(QRectF(gx, y, gw, rowH - textH * 0.35), p.gapColumn, QString(), dataFont())
                .setAlign(Qt::AlignHCenter | Qt::AlignBottom)
                .setName(p.gapColumn);
            (void)l;
            break;
        }
        case ProtPiece::Kind::Choice:
            choice(band, px, textY, p.text, choiceFont, p.name,
                   line.point.isEmpty() ? QStringList() : QStringList{line.point});
            break;
        case ProtPiece::Kind::Note:
            band.label(px, textY - 2, p.text, note).setName(QStringLiteral("note:") + p.text);
            break;
        case ProtPiece::Kind::Mark:
            boxMark(band, QRectF(px, textY + (textH - kMarkBox) / 2, kMarkBox, kMarkBox), p.text, p.box);
            break;
        case ProtPiece::Kind::Value: {
            // Alone on a centred line it takes the line's width and centres itself.
            const bool centred = line.center && line.pieces.size() == 1;
            const QRectF box = centred ? QRectF(0, textY, contentW, textH) : QRectF(px, textY, widthOf(p, px), textH);
            Element& v = band.label(box, QString(), text);
            v.setAlign((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop).setName(p.text);
            v.expr = [this, p](const PrintContext& c) {
                if (blank()) {
                    const QString kept = p.keepOnBlank ? formatValue(c.field(p.text), p.format) : QString();
                    return kept.isEmpty() ? p.beforeOnBlank : p.before + kept;
                }
                if (p.columns.isEmpty()) return p.before + formatValue(c.field(p.text), p.format);
                QStringList values;
                for (const QString& col : p.columns) values << formatValue(c.field(col), p.format);
                return p.before + values.join(p.separator);
            };
            break;
        }
        case ProtPiece::Kind::Frame:
            addFrame(band, px, y, widthOf(p, px), p);
            break;
        case ProtPiece::Kind::Field: {
            const double w = widthOf(p, px);
            if (!p.text.isEmpty()) {
                const QRectF box(px + 2, y, w - 2, rowH - 1);
                const bool own = p.dataset.isEmpty() || p.dataset == datasets().value(0);
                if (own) {
                    Element& d = band.data(box, p.text, p.format, dataFont());
                    d.setAlign(Qt::AlignLeft | Qt::AlignBottom).setName(p.text);
                    QStringList names;
                    if (!p.name.isEmpty()) names << p.name;
                    if (!line.point.isEmpty()) names << line.point;
                    if (!names.isEmpty()) strikeValue(band, d, names);
                } else {
                    noteDataset(p.dataset);
                    const QString ds = p.dataset, col = p.text, fmt = p.format;
                    band.text(box, [this, ds, col, fmt](const PrintContext&) { return formatValue(otherField(ds, col), fmt); },
                              dataFont())
                        .setAlign(Qt::AlignLeft | Qt::AlignBottom)
                        .setName(p.text);
                }
            }
            if (p.dashed) {
                for (double d = 0; d < w; d += 6) band.hline(px + d, y + rowH, std::min(3.0, w - d), kRulePen);
            } else {
                band.hline(px, y + rowH, w, kRulePen);
            }
            const QStringList caps = captionLines(p);
            for (int c = 0; c < caps.size(); ++c)
                band.label(QRectF(px, y + rowH + 0.5 + c * capH, w, capH), caps[c], cap).setAlign(Qt::AlignHCenter | Qt::AlignTop);
            break;
        }
        }
    }
    return line.space + rowH + (captionRows > 0 ? captionRows * capH + 1.5 : 0) + 1;
}

void ProtocolReport::buildWhole() {
    const double contentW = page.contentWidth();
    const FontSpec headFont(QStringLiteral("Arial"), m_layout.textSize);
    const double headH = ReferenceDevice::lineHeight(headFont);
    if (m_layout.attachmentLine) {
        Band& head = addBand(BandType::PageHeader, kAttachmentHeaderHeight);
        fillAttachmentHeader(head, *this, m_layout.attachmentLine);
        hideOnBlank(head);
    } else if (m_layout.titleHeader) {
        addTitleHeader();
    } else {
        Band& head = addBand(BandType::PageHeader, headH + 10);
        Element& strona = head.label(0, 0, QStringLiteral("Strona:"), headFont);
        head.pageNumber(QRectF(strona.box.right() + 3, 0, 50, headH), QString(), m_layout.pageTotal, headFont)
            .setName(QStringLiteral("page"));
        head.label(QRectF(90, 0, contentW - 260, headH), m_layout.pageTitle, headFont).setAlign(Qt::AlignHCenter | Qt::AlignTop);
        const QString number = m_layout.headerColumn.isEmpty() ? QStringLiteral("Nr") : m_layout.headerColumn;
        head.data(QRectF(contentW - 160, 0, 160, headH), number, QString(), headFont)
            .setAlign(Qt::AlignRight | Qt::AlignTop)
            .setName(number);
        head.hline(0, headH + 3, contentW, kRulePen);
        hideOnBlank(head);
    }

    Band& title = addBand(BandType::Title, 0);
    double y = 0;
    for (const ProtItem& it : m_layout.items)
        if (it.part == ProtItem::Part::Top) y += addLines(title, y, it.lines) + 2;
    title.height = std::max(y, m_layout.topHeight);
    if (m_layout.topBlankHeight > 0) setBlankHeight(title, m_layout.topBlankHeight);

    Band* last = &title;
    for (const ProtItem& it : m_layout.items) {
        if (it.part != ProtItem::Part::Chain) continue;
        Band& h = last->child(0);
        h.height = std::max(kHeadingHeight, addLines(h, 2, it.lines) + 2);
        last = &h;
        if (it.column.isEmpty()) continue;
        h.keepWithNext = true;
        const double start = it.textHeight > 0       ? it.textHeight
                             : m_layout.textHeight > 0 ? m_layout.textHeight
                                                       : kTextHeight;
        Band& t = h.child(start);
        t.memo(QRectF(kTextIndent, 0, contentW - kTextIndent, start), it.column, dataFont()).setName(it.column);
        if (it.blankHeight > 0) setBlankHeight(t, it.blankHeight);
        last = &t;
    }

    Band& sum = addBand(BandType::Summary, 0);
    y = 4;
    for (const ProtItem& it : m_layout.items)
        if (it.part == ProtItem::Part::Summary) y += addLines(sum, y, it.lines);
    sum.height = y;
    if (m_layout.pageFooter) addPageFooter();
    useFontSetting(m_layout.fontSetting);
}

void ProtocolReport::buildPage() {
    if (m_layout.chainedPages) {
        buildChainedPage();
        return;
    }
    const double contentW = page.contentWidth();
    Band& b = addBand(BandType::Title, 0);
    double y = 0;
    for (const ProtItem& it : m_layout.items) {
        if (it.page != m_page) continue;
        y += addLines(b, y, it.lines) + 2;
        if (it.column.isEmpty()) continue;
        // The box holds whole lines: a text longer than the box ends at its last line.
        const double lh = ReferenceDevice::lineHeight(dataFont());
        const double box = std::max(1.0, std::floor(it.boxHeight / lh)) * lh + 0.5;
        b.data(QRectF(kTextIndent, y, contentW - kTextIndent, box), it.column, QString(), dataFont())
            .setWrap()
            .setName(it.column);
        y += it.boxHeight + 4;
    }
    if (m_layout.pageFooter) addPageFooter();
    const double footer = m_layout.pageFooter ? kFooterHeight : 0;
    b.height = std::min(y, page.size().height() - page.topMargin - page.bottomMargin - footer);
    if (m_layout.pageFontSetting) useFontSetting();
}

void ProtocolReport::addTitleHeader() {
    const FontSpec font(QStringLiteral("Arial"), m_layout.textSize);
    const double h = ReferenceDevice::lineHeight(font);
    Band& head = addBand(BandType::PageHeader, h + 8);
    Element& t = head.label(QRectF(0, 0, page.contentWidth(), h), QString(), font);
    t.setAlign(Qt::AlignRight | Qt::AlignTop).setName(QStringLiteral("header"));
    const QString title = m_layout.pageTitle, column = m_layout.headerColumn;
    t.expr = [this, title, column](const PrintContext& c) {
        return blank() || column.isEmpty() ? title : title + c.text(column);
    };
}

void ProtocolReport::addPageFooter() {
    const FontSpec font(QStringLiteral("Arial"), m_layout.textSize);
    const double h = ReferenceDevice::lineHeight(font);
    Band& foot = addBand(BandType::PageFooter, kFooterHeight);
    const QRectF box(0, kFooterHeight - h, page.contentWidth(), h);
    if (m_page == 0)
        foot.pageNumber(box, QStringLiteral("Strona "), false, font).setAlign(Qt::AlignHCenter | Qt::AlignTop).setName(QStringLiteral("page"));
    else
        foot.label(box, QStringLiteral("Strona %1").arg(m_page), font).setAlign(Qt::AlignHCenter | Qt::AlignTop).setName(QStringLiteral("page"));
}

// --- Frames and tables -------------------------------------------------------------

void ProtocolReport::noteDataset(const QString& dataset) {
    if (dataset.isEmpty() || m_page == 0 || dataset == m_layout.pageDatasets.value(m_page - 1)) return;
    if (!m_otherDatasets.contains(dataset)) m_otherDatasets << dataset;
}

Element& ProtocolReport::dataText(Band& band, const QRectF& box, const QString& dataset, const QString& column,
                                  const QString& format, const FontSpec& font) {
    noteDataset(dataset);
    const bool own = dataset.isEmpty() || dataset == datasets().value(0);
    if (own) return band.data(box, column, format, font).setName(column);
    return band.text(box, [this, dataset, column, format](const PrintContext&) {
                   return formatValue(otherField(dataset, column), format);
               }, font)
        .setName(column);
}

double ProtocolReport::frameHeight(const ProtPiece& p) const {
    if (p.height > 0) return p.height;
    const double capH = ReferenceDevice::lineHeight(FontSpec(QStringLiteral("Arial"), p.size > 0 ? p.size : m_layout.captionSize));
    double h = 2 * kCellPad + captionLines(p).size() * capH;
    for (const ProtLine& l : p.inner) h += l.space + ReferenceDevice::lineHeight(textFont(l)) + 2;
    if (!p.columns.isEmpty()) h += ReferenceDevice::lineHeight(dataFont().withBold(p.boldData));
    return h;
}

void ProtocolReport::addFrame(Band& band, double x, double y, double width, const ProtPiece& p) {
    const double h = frameHeight(p);
    const QString name = p.columns.isEmpty() ? captionLines(p).value(0) : p.columns.join(QLatin1Char('+'));
    if (p.border) band.rect(QRectF(x, y, width, h), kRulePen).setName(QStringLiteral("frame:") + name);
    const FontSpec cap(QStringLiteral("Arial"), p.size > 0 ? p.size : m_layout.captionSize);
    const double capH = ReferenceDevice::lineHeight(cap);
    double cy = y + kCellPad / 2;
    for (const QString& c : captionLines(p)) {
        band.label(QRectF(x + kCellPad, cy, width - 2 * kCellPad, capH), c, cap)
            .setAlign((p.centerData ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        cy += capH;
    }
    for (ProtLine l : p.inner) {
        l.indent += x + kCellPad;
        if (l.center && l.width <= 0) l.width = width - 2 * kCellPad;
        cy += addLine(band, cy, l);
    }
    if (p.columns.isEmpty()) return;
    noteDataset(p.dataset);
    const QString ds = p.dataset;
    const QStringList columns = p.columns;
    const QString separator = p.separator;
    const bool own = ds.isEmpty() || ds == datasets().value(0);
    const FontSpec font = dataFont().withBold(p.boldData);
    const QRectF box(x + kCellPad, cy, width - 2 * kCellPad,
                     std::max(ReferenceDevice::lineHeight(font), y + h - cy - kCellPad / 2));
    band.text(box, [this, ds, own, columns, separator](const PrintContext& c) {
            QStringList parts;
            for (const QString& col : columns) {
                const QString v = formatValue(own ? c.field(col) : otherField(ds, col), QString()).trimmed();
                if (!v.isEmpty()) parts << v;
            }
            return parts.join(separator);
        }, font)
        .setWrap()
        .setAlign((p.centerData ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop)
        .setName(name);
}

double ProtocolReport::addRow(Band& band, double y, const ProtRow& row, bool stretch) {
    const ProtTable& t = m_layout.table;
    const double contentW = page.contentWidth();
    const double xCap = t.number, xCode = t.number + t.caption, xText = xCode + t.code;
    const FontSpec text(QStringLiteral("Arial"), m_layout.textSize);
    const FontSpec bold = text.withBold(true);
    const FontSpec code = dataFont().withBold(true);
    const double textH = ReferenceDevice::lineHeight(text);
    const double dataH = ReferenceDevice::lineHeight(dataFont());
    auto wrapped = [](const QString& s, const FontSpec& f, double w) {
        return std::max<double>(1, double(layoutPlain(s, f, w, Qt::AlignLeft, true).lines.size()));
    };
    double h = textH;
    auto cell = [&](double x, double w, const QString& s, const FontSpec& f, Qt::Alignment align) {
        const double lines = wrapped(s, f, w - 2 * kCellPad);
        h = std::max(h, lines * ReferenceDevice::lineHeight(f));
        return &band.label(QRectF(x + kCellPad, y + kCellPad, w - 2 * kCellPad, lines * ReferenceDevice::lineHeight(f)), s, f)
                    .setWrap()
                    .setAlign(align | Qt::AlignTop);
    };
    bool textRule = true;
    switch (row.kind) {
    case ProtRow::Kind::Header:
        cell(0, t.number, row.number, bold, Qt::AlignHCenter);
        cell(xCap, t.caption, row.caption, bold, Qt::AlignHCenter);
        cell(xCode, t.code, row.code, bold, Qt::AlignHCenter);
        cell(xText, contentW - xText, row.text, bold, Qt::AlignHCenter);
        break;
    case ProtRow::Kind::Section:
        cell(0, contentW, row.caption, bold, Qt::AlignLeft)->setName(QStringLiteral("section:") + row.caption);
        break;
    case ProtRow::Kind::Item: {
        cell(0, t.number, row.number, text, Qt::AlignHCenter)->setName(QStringLiteral("poz:") + row.number);
        if (!row.caption.isEmpty()) cell(xCap, t.caption, row.caption, text, Qt::AlignLeft);
        if (!row.lines.empty()) {
            textRule = false;
            double ly = kCellPad;
            for (ProtLine l : row.lines) {
                l.indent += xCode + kCellPad;
                ly += addLine(band, y + ly, l);
            }
            h = std::max(h, ly - kCellPad);
            break;
        }
        if (!row.code.isEmpty()) {
            dataText(band, QRectF(xCode + kCellPad, y + kCellPad, t.code - 2 * kCellPad, ReferenceDevice::lineHeight(code)),
                     row.dataset, row.code, row.codeFormat, code)
                .setAlign(Qt::AlignRight | Qt::AlignTop);
            h = std::max(h, ReferenceDevice::lineHeight(code));
        }
        if (!row.text.isEmpty()) {
            Element& e = dataText(band, QRectF(xText + kCellPad, y + kCellPad, contentW - xText - 2 * kCellPad, dataH),
                                  row.dataset, row.text, QString(), dataFont());
            if (stretch) e.setStretch(true);
            else e.setWrap();
            h = std::max(h, dataH);
        }
        break;
    }
    }
    h += 2 * kCellPad;
    // The cells' rules: as high as the band where the row has one of its own.
    auto rule = [&](Element& e) {
        if (stretch) e.fitBand = true;
    };
    rule(band.rect(QRectF(0, y, contentW, h), kRulePen));
    if (row.kind != ProtRow::Kind::Section) {
        rule(band.vline(xCap, y, h, kRulePen));
        rule(band.vline(xCode, y, h, kRulePen));
        if (textRule) rule(band.vline(xText, y, h, kRulePen));
    }
    return h;
}

void ProtocolReport::buildChainedPage() {
    const double contentW = page.contentWidth();
    Band& title = addBand(BandType::Title, 0);
    Band* last = nullptr;
    auto next = [&]() -> Band& {
        Band& b = last ? last->child(0) : title;
        last = &b;
        return b;
    };
    for (const ProtItem& it : m_layout.items) {
        if (it.page != m_page) continue;
        if (!it.lines.empty() || !it.column.isEmpty()) {
            Band& b = next();
            double y = addLines(b, 0, it.lines) + 2;
            if (!it.column.isEmpty()) {
                const double lh = ReferenceDevice::lineHeight(dataFont());
                const double box = std::max(1.0, std::floor(it.boxHeight / lh)) * lh + 0.5;
                b.data(QRectF(kTextIndent, y, contentW - kTextIndent, box), it.column, QString(), dataFont())
                    .setWrap()
                    .setName(it.column);
                y += it.boxHeight + 4;
            }
            b.height = y;
        }
        for (const ProtRow& r : it.rows) {
            Band& b = next();
            b.height = addRow(b, 0, r, true);
        }
    }
    if (m_layout.pageFontSetting) useFontSetting();
}

namespace protdef {

ProtItem item(int number, ProtItem::Part part, int page, std::vector<ProtLine> lines, const QString& column, double box,
              double textHeight, double blank) {
    ProtItem i;
    i.number = number;
    i.part = part;
    i.page = page;
    i.lines = std::move(lines);
    i.column = column;
    i.boxHeight = box;
    i.textHeight = textHeight;
    i.blankHeight = blank;
    return i;
}

ProtLine line(std::vector<ProtPiece> pieces, double indent) {
    ProtLine l;
    l.pieces = std::move(pieces);
    l.indent = indent;
    return l;
}

ProtLine heading(std::vector<ProtPiece> pieces) {
    ProtLine l = line(std::move(pieces), 0);
    l.bold = true;
    return l;
}

ProtLine heading(const QString& text) { return heading(std::vector<ProtPiece>{T(text)}); }

ProtLine plain(const QString& text, double indent) { return line(std::vector<ProtPiece>{T(text)}, indent); }

ProtPiece overGap(ProtPiece piece, const QString& column) {
    piece.gapColumn = column;
    return piece;
}

ProtItem instructionItem(const ProtocolFixedTexts& fixed, int page, double textSize, double noteSize) {
    std::vector<ProtLine> lines;
    ProtLine head = plain(fixed.instructionHeading, 0);
    head.bold = true;
    head.center = true;
    head.size = 8;
    lines.push_back(head);
    for (const QString& text : fixed.instructionLines) {
        ProtPiece p = T(text);
        if (text.contains(QStringLiteral("......"))) p = overGap(p, QStringLiteral("SADPRACY"));
        ProtLine l = line({p}, 0);
        l.size = textSize;
        lines.push_back(l);
    }
    for (const QStringList& note : fixed.footnoteLines) {
        for (int i = 1; i < note.size(); ++i) {
            ProtLine l = line(i == 1 ? std::vector<ProtPiece>{T(note.first()), T(note.at(i), 14)}
                                     : std::vector<ProtPiece>{T(note.at(i), 14)},
                              0);
            l.size = noteSize;
            lines.push_back(l);
        }
    }
    ProtItem item;
    item.number = 99;
    item.part = ProtItem::Part::Summary;
    item.page = page;
    item.lines = std::move(lines);
    return item;
}

} // namespace protdef

} // namespace zort::print
