#include "printing/engine/TextLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace zort::print {
double alignedX(Qt::Alignment align, double width, double natural) {
    if (align & Qt::AlignRight) return width - natural;
    if (align & Qt::AlignHCenter) return (width - natural) / 2;
    return 0;
}

QString firstLine(const QString& text) { return normalizeLineBreaks(text).section(u'\n', 0, 0); }

namespace {

constexpr double kPx = ReferenceDevice::kPixelsPerUnit;

FontSpec specOf(const QTextCharFormat& f, const FontSpec& base) {
    FontSpec s = base;
    const QFont q = f.font();
    if (!f.fontFamilies().toStringList().isEmpty()) s.family = f.fontFamilies().toStringList().first();
    if (f.hasProperty(QTextFormat::FontPointSize)) s.size = f.fontPointSize();
    s.bold = q.bold();
    s.italic = q.italic();
    s.underline = q.underline();
    s.strikeOut = q.strikeOut();
    if (f.hasProperty(QTextFormat::ForegroundBrush)) s.color = f.foreground().color();
    return s;
}

// The width of a one-line text in a font, reference pixels. A report measures the
// same texts in each of its passes: the widths are kept (a bounded store, emptied
// when full).
double measured(const QFontMetricsF& fm, const FontSpec& font, const QString& text) {
    static QHash<QString, double> widths;
    QString key = font.family;
    key += QLatin1Char('|') + QString::number(font.size) + QLatin1Char(font.bold ? 'b' : '-') +
           QLatin1Char(font.italic ? 'i' : '-') + QLatin1Char('|') + text;
    if (const auto it = widths.constFind(key); it != widths.constEnd()) return *it;
    if (widths.size() > 50000) widths.clear();
    const double w = fm.horizontalAdvance(text);
    widths.insert(key, w);
    return w;
}

} // namespace

QStringList LaidText::lineTexts() const {
    QStringList out;
    for (const LaidLine& l : lines) {
        QString t;
        for (const LaidRun& r : l.runs) t += r.text;
        out << t;
    }
    return out;
}

QString normalizeLineBreaks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            const QChar other = c == u'\r' ? u'\n' : u'\r';
            if (i + 1 < text.size() && text.at(i + 1) == other) ++i;
            out += u'\n';
        } else {
            out += c;
        }
    }
    return out;
}

LaidText layoutPlain(const QString& text, const FontSpec& font, double width, Qt::Alignment align,
                     bool wordWrap) {
    LaidText out;
    const QFont f = ReferenceDevice::font(font);
    const QFontMetricsF fm(f, ReferenceDevice::device());
    const double lh = fm.lineSpacing() / kPx;
    const double asc = fm.ascent() / kPx;
    double y = 0;
    auto addLine = [&](const QString& s, double natural) {
        LaidLine l;
        l.top = y;
        l.height = lh;
        l.baseline = asc;
        if (!s.isEmpty()) l.runs.push_back({s, font, alignedX(align, width, natural)});
        out.lines.push_back(std::move(l));
        y += lh;
    };
    const QStringList paragraphs = normalizeLineBreaks(text).split(u'\n');
    for (const QString& para : paragraphs) {
        if (!wordWrap || para.isEmpty()) {
            // Trailing blanks (fixed-width columns come padded) take no room.
            QString s = para;
            while (s.endsWith(u' ')) s.chop(1);
            addLine(s, fm.horizontalAdvance(s) / kPx);
            continue;
        }
        // A paragraph narrower than the width is one line: measured, not broken
        // (most lines of the tables; breaking costs several times the measuring).
        if (const double natural = measured(fm, font, para); natural < width * kPx) {
            QString s = para;
            while (s.endsWith(u' ')) s.chop(1);
            addLine(s, s.size() == para.size() ? natural / kPx : measured(fm, font, s) / kPx);
            continue;
        }
        QTextLayout layout(para, f, ReferenceDevice::device());
        QTextOption opt;
        opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(opt);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width * kPx);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            QString s = para.mid(line.textStart(), line.textLength());
            while (s.endsWith(u' ')) s.chop(1);
            addLine(s, line.naturalTextWidth() / kPx);
        }
    }
    return out;
}

LaidText layoutRich(const QString& html, const FontSpec& base, double width) {
    LaidText out;
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(ReferenceDevice::device());
    doc.setDefaultFont(ReferenceDevice::font(base));
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    doc.setTextWidth(width * kPx);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextLayout* layout = block.layout();
        const QPointF origin = doc.documentLayout()->blockBoundingRect(block).topLeft();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            LaidLine l;
            l.top = (origin.y() + line.y()) / kPx;
            l.height = line.height() / kPx;
            l.baseline = line.ascent() / kPx;
            const int lineStart = block.position() + line.textStart();
            const int lineEnd = lineStart + line.textLength();
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment frag = it.fragment();
                const int a = std::max(lineStart, frag.position());
                const int b = std::min(lineEnd, frag.position() + frag.length());
                if (a >= b) continue;
                QString s = frag.text().mid(a - frag.position(), b - a);
                s.replace(QChar::LineSeparator, QString());
                if (b == lineEnd)
                    while (s.endsWith(u' ')) s.chop(1);
                if (s.isEmpty()) continue;
                const double x = (origin.x() + line.cursorToX(a - block.position())) / kPx;
                l.runs.push_back({s, specOf(frag.charFormat(), base), x});
            }
            out.lines.push_back(std::move(l));
        }
    }
    return out;
}

} // namespace zort::print
