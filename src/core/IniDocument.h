#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace zort {

// An INI file as the suite's modules share it: Windows-1250 text, sections and keys
// compared without regard to case. A file that begins with the UTF-8 byte-order
// mark (as some editors save it) is read as UTF-8 and written back the same way,
// mark included. Lines this module does not touch are kept as
// they were, comments and unknown keys included; a write changes only its own line.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const QString& path) { load(path); }

    // Reads the file; a missing file gives an empty document. Returns whether it existed.
    bool load(const QString& path);
    // Writes the file when something changed (or always with force), whole or not at
    // all: on failure the file keeps its old content. Returns success.
    bool save(bool force = false);
    // The message of the last failed save ("Nie można zapisać pliku ...").
    const QString& saveError() const { return m_saveError; }
    const QString& path() const { return m_path; }

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback = QString()) const;
    // Sets a value; returns false when it was already that value.
    bool setValue(const QString& section, const QString& key, const QString& value);
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    // Whether the file is UTF-8 with a byte-order mark (else Windows-1250).
    bool isUtf8() const { return m_utf8; }

    // The document as text (lines in the file's encoding, CR LF ends), and its parse.
    QByteArray toBytes() const;
    void fromBytes(const QByteArray& bytes);

private:
    struct Line {
        QString raw;   // the line as read, or as written by setValue
        QString key;   // empty for comments and blank lines
        QString value;
    };
    struct Section {
        QString name;  // empty for lines before the first section header
        QString header;
        std::vector<Line> lines;
    };
    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    QString m_path;
    std::vector<Section> m_sections;
    bool m_modified = false;
    bool m_utf8 = false;
    QString m_saveError;
};

} // namespace zort
