#pragma once
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace zort {

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
    // A text for a text blob (a memo): bound like any text, the name says what it is.
    Params& setBlob(const QString& name, const QString& text) { return set(name, QVariant(text)); }

    bool contains(const QString& name) const;
    QVariant value(const QString& name) const;
    bool empty() const { return m_items.empty(); }
    const std::vector<std::pair<QString, QVariant>>& items() const { return m_items; }

private:
    std::vector<std::pair<QString, QVariant>> m_items;
};

} // namespace zort
