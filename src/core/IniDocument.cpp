#include "core/IniDocument.h"

#include "core/Win1250.h"
#include "core/WholeFile.h"

#include <QFile>

namespace zort {
namespace {
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
} // namespace

bool IniDocument::load(const QString& path) {
    m_path = path;
    m_sections.clear();
    m_modified = false;
    m_utf8 = false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    fromBytes(f.readAll());
    return true;
}

void IniDocument::fromBytes(const QByteArray& bytes) {
    m_sections.clear();
    m_sections.push_back(Section{});
    m_utf8 = bytes.startsWith(kUtf8Bom);
    const QString text = m_utf8 ? QString::fromUtf8(bytes.mid(kUtf8Bom.size())) : win1250::decode(bytes);
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString raw = lines.at(i);
        if (raw.endsWith('\r')) raw.chop(1);
        if (i == lines.size() - 1 && raw.isEmpty()) break;  // the final line end
        const QString t = raw.trimmed();
        if (t.startsWith('[') && t.contains(']')) {
            Section s;
            s.name = t.mid(1, t.indexOf(']') - 1).trimmed();
            s.header = raw;
            m_sections.push_back(s);
            continue;
        }
        Line line;
        line.raw = raw;
        const qsizetype eq = raw.indexOf('=');
        if (eq > 0 && !t.startsWith(';') && !t.startsWith('#')) {
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1).trimmed();
            if (line.value.size() >= 2 &&
                ((line.value.startsWith('"') && line.value.endsWith('"')) ||
                 (line.value.startsWith('\'') && line.value.endsWith('\''))))
                line.value = line.value.mid(1, line.value.size() - 2);
        }
        m_sections.back().lines.push_back(line);
    }
}

QByteArray IniDocument::toBytes() const {
    QString out;
    for (const Section& s : m_sections) {
        if (!s.header.isEmpty()) out += s.header + QStringLiteral("\r\n");
        for (const Line& l : s.lines) out += l.raw + QStringLiteral("\r\n");
    }
    if (m_utf8) return kUtf8Bom + out.toUtf8();
    return win1250::encode(out);
}

bool IniDocument::save(bool force) {
    if (!m_modified && !force) return true;
    m_saveError = tryWriteWholeFile(m_path, toBytes());
    if (!m_saveError.isEmpty()) return false;
    m_modified = false;
    return true;
}

IniDocument::Section* IniDocument::findSection(const QString& name) {
    for (Section& s : m_sections)
        if (!s.header.isEmpty() && s.name.compare(name, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const {
    for (const Section& s : m_sections)
        if (!s.header.isEmpty() && s.name.compare(name, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

bool IniDocument::hasSection(const QString& section) const { return findSection(section) != nullptr; }

bool IniDocument::hasKey(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s) return false;
    for (const Line& l : s->lines)
        if (!l.key.isEmpty() && l.key.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString IniDocument::value(const QString& section, const QString& key, const QString& fallback) const {
    const Section* s = findSection(section);
    if (!s) return fallback;
    for (const Line& l : s->lines)
        if (!l.key.isEmpty() && l.key.compare(key, Qt::CaseInsensitive) == 0) return l.value;
    return fallback;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    Section* s = findSection(section);
    if (!s) {
        if (m_sections.empty()) m_sections.push_back(Section{});
        Section ns;
        ns.name = section;
        ns.header = QLatin1Char('[') + section + QLatin1Char(']');
        m_sections.push_back(ns);
        s = &m_sections.back();
    }
    for (Line& l : s->lines) {
        if (!l.key.isEmpty() && l.key.compare(key, Qt::CaseInsensitive) == 0) {
            if (l.value == value) return false;
            l.value = value;
            l.raw = l.key + QLatin1Char('=') + value;
            m_modified = true;
            return true;
        }
    }
    // New keys go after the last key of the section, before trailing blank lines.
    Line nl;
    nl.key = key;
    nl.value = value;
    nl.raw = key + QLatin1Char('=') + value;
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && std::prev(pos)->raw.trimmed().isEmpty()) --pos;
    s->lines.insert(pos, nl);
    m_modified = true;
    return true;
}

QStringList IniDocument::sections() const {
    QStringList out;
    for (const Section& s : m_sections)
        if (!s.header.isEmpty()) out << s.name;
    return out;
}

QStringList IniDocument::keys(const QString& section) const {
    QStringList out;
    if (const Section* s = findSection(section))
        for (const Line& l : s->lines)
            if (!l.key.isEmpty()) out << l.key;
    return out;
}

} // namespace zort
