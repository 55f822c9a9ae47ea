#include "printing/RegisterFilter.h"

#include <QStringList>

namespace zort::print {

RegisterFilter RegisterFilter::atWork(bool registersMode, int currentRegister, bool allRegisters,
                                      const QList<int>& registerIds, bool includeUnassigned) {
    RegisterFilter f;
    if (!registersMode) return f;
    f.from = QStringLiteral(", SKWRejestrWyp ");
    const QString tail = QStringLiteral(" AND SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND ");
    if (!allRegisters) {
        f.where = QStringLiteral(" IDRejestr=") + QString::number(currentRegister) + tail;
        return f;
    }
    QStringList ids;
    for (int id : registerIds)
        if (id != 0 || includeUnassigned) ids << QString::number(id);
    // No register at all leaves an empty list, which the database refuses: -1 names none.
    if (ids.isEmpty()) ids << QStringLiteral("-1");
    f.where = QStringLiteral(" IDRejestr IN (") + ids.join(QLatin1Char(',')) + QStringLiteral(")") + tail;
    return f;
}

RegisterFilter RegisterFilter::commuting(bool registersMode, int currentRegister) {
    RegisterFilter f;
    if (!registersMode) return f;
    f.from = QStringLiteral(", SKWRejestrWyp ");
    f.where = QStringLiteral(" IDRejestr=") + QString::number(currentRegister) +
              QStringLiteral(" AND SKWRejestrWyp.TabWyp = 2 AND SKWRejestrWyp.IdWyp=SKWWYPADKIWDRODZE.Id AND ");
    return f;
}

QString RegisterFilter::workAccidentsSql() const {
    return QStringLiteral("select SKWWYPADKI.* from SKWWYPADKI ") + from + QStringLiteral("where ") + where +
           QStringLiteral(" DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo ") + QStringLiteral("order by numer, id");
}

QString RegisterFilter::commutingAccidentsSql() const {
    return QStringLiteral("select SKWWYPADKIWDRODZE.* from SKWWYPADKIWDRODZE ") + from + QStringLiteral(" WHERE ") + where +
           QStringLiteral(" DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo ") + QStringLiteral(" order by numer, id");
}

} // namespace zort::print
