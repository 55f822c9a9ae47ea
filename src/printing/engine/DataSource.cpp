#include "printing/engine/DataSource.h"

#include "core/Error.h"

namespace zort::print {

Field RowSource::field(const QString& name) const {
    qsizetype c = -1;
    for (qsizetype i = 0; i < m_columns.size() && c < 0; ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0) c = i;
    if (c < 0) throw Error(QStringLiteral("Brak pola %1 w zbiorze danych.").arg(name));
    // Past the end the last row stays current, as a dataset's does.
    if (m_rows.empty()) return Field();
    return Field(m_rows[size_t(std::min<int>(m_pos, int(m_rows.size()) - 1))].value(c));
}

} // namespace zort::print
