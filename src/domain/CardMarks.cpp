#include "domain/CardMarks.h"

namespace zort {

const std::vector<CardMarkTable>& cardMarkTables() {
    static const std::vector<CardMarkTable> t = {
        {QStringLiteral("TYPWYP"), {{0, 1}, {1, 2}}},
        {QStringLiteral("SPKRYTJEDN"), {{2, 1}, {1, 2}}},
        {QStringLiteral("PLEC"), {{1, 1}, {2, 2}}},
        {QStringLiteral("SKUTKI"), {{1, 1}, {2, 2}, {3, 3}, {4, 3}}},
        {QStringLiteral("SKUTKIR"), {{1, 1}, {2, 2}, {3, 3}, {4, 3}}},
        {QStringLiteral("FORMAPRACY"), {{2, 1}, {1, 2}}},
    };
    return t;
}

const CardMarkTable* cardMarkTable(const QString& column) {
    for (const CardMarkTable& t : cardMarkTables())
        if (t.column.compare(column, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

int cardMarkBox(const QString& column, int value) {
    if (const CardMarkTable* t = cardMarkTable(column))
        for (const auto& [v, box] : t->boxes)
            if (v == value) return box;
    return 0;
}

QList<int> cardMarkValues(const QString& column) {
    QList<int> values;
    if (const CardMarkTable* t = cardMarkTable(column))
        for (const auto& [v, box] : t->boxes)
            if (box == values.size() + 1) values << v;
    return values;
}

} // namespace zort
