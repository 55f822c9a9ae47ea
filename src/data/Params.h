#pragma once
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace zort {

// Marks a text that is bound to a text blob rather than to a character column.
struct BlobText {
    QString text;
};

// Named statement parameters (":Name" in the SQL text, the name without the colon
// here). Names compare case-insensitively, as the database does.
class Params {
public:
    Params() = default;
    Params(std::initializer_list<std::pair<QString, QVariant>> init) {
        for (const auto& p : init) set(p.first, p.second);
    }

    Params& set(const QString& name, const QVariant& value);
    Params& setInt(const QString& name, qint64 value) { return set(name, QVariant(value)); }
    Params& setText(const QString& name, const QString& value) { return set(name, QVariant(value)); }
    Params& setDateTime(const QString& name, const QDateTime& value);
    Params& setBlob(const QString& name, const QString& text);
    Params& setNull(const QString& name) { return set(name, QVariant()); }

    bool contains(const QString& name) const;
    QVariant value(const QString& name) const;
    bool isBlob(const QString& name) const;
    bool empty() const { return m_items.empty(); }
    const std::vector<std::pair<QString, QVariant>>& items() const { return m_items; }

private:
    std::vector<std::pair<QString, QVariant>> m_items;
    std::vector<QString> m_blobs;
};

} // namespace zort
