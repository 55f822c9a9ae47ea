#pragma once
// A word-processing document written directly in the Office Open XML format (.docx,
// what today's word processors save by default): paragraphs of one font each and
// pictures, on one page setup. The package is a zip archive (libzip) of the parts
// written with QXmlStreamWriter: the content types, the relationships, the document,
// the pictures as PNG in word/media and the core properties with the title.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

namespace zort::print {

struct WordParagraph {
    enum class Align { Left, Center, Right, Justify };
    QString text;              // empty: an empty paragraph (its mark keeps the font)
    double size = 10;          // points
    QString font = QStringLiteral("Arial");
    bool bold = false;
    Align align = Align::Left;
};

// A block of the body: a paragraph, or a picture alone in a paragraph of its own
// (aligned as the paragraph says), scaled to the text width keeping its proportions.
struct WordBlock {
    WordParagraph paragraph;
    std::shared_ptr<const QImage> picture;
};

struct WordDocument {
    QString title;                 // core properties
    bool landscape = true;         // A4
    double marginTop = 15;         // points
    double marginBottom = 15;
    double marginLeft = 2.5 * 72 / 2.54;   // 2.5 cm
    double marginRight = 2.5 * 72 / 2.54;
    std::vector<WordBlock> blocks;

    void paragraph(const QString& text, double size, bool bold, WordParagraph::Align align,
                   const QString& font = QStringLiteral("Arial"));
    void picture(std::shared_ptr<const QImage> image, WordParagraph::Align align = WordParagraph::Align::Center);
};

// The package's bytes; throws std::runtime_error when a part cannot be made.
QByteArray docxBytes(const WordDocument& doc);
// Writes the package whole or not at all (a temporary file renamed at the end);
// throws Error naming the file and the system's reason.
void saveDocx(const WordDocument& doc, const QString& path);

// The PNG of a picture as the document holds it.
QByteArray pngBytes(const QImage& image);

} // namespace zort::print
