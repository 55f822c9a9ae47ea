#pragma once
#include "printing/engine/PageGeometry.h"

#include <QString>
#include <vector>

namespace zort::print {

// Texts laid out on the reference device: lines of runs with positions in report
// units relative to the top left of the text's box.
struct LaidRun {
    QString text;
    FontSpec font;
    double x = 0;
};

struct LaidLine {
    double top = 0;
    double height = 0;
    double baseline = 0;   // from the line's top
    std::vector<LaidRun> runs;
};

struct LaidText {
    std::vector<LaidLine> lines;
    double height() const { return lines.empty() ? 0 : lines.back().top + lines.back().height; }
    // The plain text of the lines, one string per line.
    QStringList lineTexts() const;
};

// Line breaks of stored texts: CR LF, LF, CR and the reversed LF CR each count as
// one break.
QString normalizeLineBreaks(const QString& text);
// The first line of a text, whatever its line breaks.
QString firstLine(const QString& text);
// Where a line of the natural width starts in a box of the given width.
double alignedX(Qt::Alignment align, double width, double natural);

// A plain text in one font: paragraphs split at line breaks, each broken at word
// boundaries to the width when wordWrap is set (a word longer than the width is
// broken anywhere), aligned left, right or centred (Qt::AlignLeft/Right/HCenter).
LaidText layoutPlain(const QString& text, const FontSpec& font, double width,
                     Qt::Alignment align, bool wordWrap);

// Rich text (HTML as Qt's text documents read it) broken to the width; fonts not
// named by the HTML are the base font.
LaidText layoutRich(const QString& html, const FontSpec& base, double width);

} // namespace zort::print
