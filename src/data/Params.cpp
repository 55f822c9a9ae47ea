#include "data/Params.h"

namespace zort {

Params& Params::set(const QString& name, const QVariant& value) {
    for (auto& item : m_items) {
        if (item.first.compare(name, Qt::CaseInsensitive) == 0) {
            item.second = value;
            return *this;
        }
    }
    m_items.emplace_back(name, value);
    return *this;
}

Params& Params::setDateTime(const QString& name, const QDateTime& value) {
    // An invalid date-time would reach the database as a day of 1858; bind null instead.
    return set(name, value.isValid() ? QVariant(value) : QVariant());
}

Params& Params::setBlob(const QString& name, const QString& text) {
    set(name, QVariant(text));
    for (const auto& b : m_blobs)
        if (b.compare(name, Qt::CaseInsensitive) == 0) return *this;
    m_blobs.push_back(name);
    return *this;
}

bool Params::contains(const QString& name) const {
    for (const auto& item : m_items)
        if (item.first.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QVariant Params::value(const QString& name) const {
    for (const auto& item : m_items)
        if (item.first.compare(name, Qt::CaseInsensitive) == 0) return item.second;
    return {};
}

bool Params::isBlob(const QString& name) const {
    for (const auto& b : m_blobs)
        if (b.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace zort
