#include "db/Params.h"

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

} // namespace zort
