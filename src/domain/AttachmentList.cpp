#include "domain/AttachmentList.h"

#include "db/Connection.h"

#include <QSqlQuery>

namespace zort {

QStringList attachmentListLines(Connection& c, int accidentId, int personId, bool explanations) {
    const Params owner{{"IdWypadku", accidentId}, {"IdProtokolu", personId}};
    QStringList lines;
    const QString prefix = QStringLiteral("zał. nr ");
    {
        const QString sql = QStringLiteral(
            "SELECT ID, TYTUL FROM SKWZALACZNIKI WHERE IDWYPADKU = :IdWypadku AND IDPROTOKOLU = :IdProtokolu");
        QSqlQuery q = c.run(sql, owner);
        while (q.next()) {
            const QString number = q.value(0).toString();
            lines << prefix + (number.size() == 1 ? QStringLiteral(" ") : QString()) + number + QLatin1Char(' ')
                         + q.value(1).toString();
        }
        Connection::checkFetched(q, sql);
    }
    {
        const QString sql = QStringLiteral(
            "SELECT NUMER, TYP FROM SKWPRZESLUCHANIE WHERE IDWYPADKU = :IdWypadku AND IDPROTOKOLU = :IdProtokolu");
        QSqlQuery q = c.run(sql, owner);
        while (q.next()) {
            const bool witness = q.value(1).toInt() == 1;
            const QString title = witness ? (explanations ? QStringLiteral("INFORMACJE UZYSKANE OD ŚWIADKA WYPADKU")
                                                          : QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA ŚWIADKA"))
                                          : (explanations ? QStringLiteral("WYJAŚNIENIA POSZKODOWANEGO")
                                                          : QStringLiteral("PROTOKÓŁ PRZESŁUCHANIA POSZKODOWANEGO"));
            lines << prefix + q.value(0).toString() + QLatin1Char(' ') + title;
        }
        Connection::checkFetched(q, sql);
    }
    {
        const QString sql = QStringLiteral(
            "SELECT NUMER, TYP, SYMBOL FROM SKWPOLECENIE WHERE IDWYPADKU = :IdWypadku AND IDPROTOKOLU = :IdProtokolu");
        QSqlQuery q = c.run(sql, owner);
        while (q.next()) {
            const QString kind = q.value(1).toInt() == 1 ? QStringLiteral("POLECENIE POWYPADKOWE NR ")
                                                          : QStringLiteral("POSTANOWIENIE POWYPADKOWE NR ");
            lines << prefix + q.value(0).toString() + QLatin1Char(' ') + kind + q.value(2).toString();
        }
        Connection::checkFetched(q, sql);
    }
    lines.sort();
    return lines;
}

} // namespace zort
