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

int serviceAttachmentCount(Connection& c, int accidentId, int personId) {
    const Params owner{{"IdWypadku", accidentId}, {"IdProtokolu", personId}};
    int highest = 0;
    for (const char* sql : {" select max(id) from WypOper_ZALACZNIKI   where idwypadku = :IdWypadku"
                            " and idprotokolu = :IdProtokolu",
                            " select max(numer) from WypOper_PRZESLUCHANIE  where idwypadku = :IdWypadku"
                            " and idprotokolu = :IdProtokolu",
                            " select max(numer) from WypOper_OGLEDZINY  where idwypadku = :IdWypadku"
                            " and idprotokolu = :IdProtokolu"})
        highest = qMax(highest, c.scalar(QString::fromLatin1(sql), owner).toInt());
    return highest;
}

QString serviceAttachmentList(Connection& c, int accidentId, int personId) {
    const int count = serviceAttachmentCount(c, accidentId, personId);
    if (count <= 0) return {};
    QString list = QStringLiteral("Załącznik 1");
    for (int i = 2; i <= count; ++i) list += QStringLiteral(", Załącznik ") + QString::number(i);
    return list;
}

} // namespace zort
