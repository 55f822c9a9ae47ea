#include "domain/AdmDictionaries.h"

#include "db/Connection.h"
#include "domain/Dictionaries.h"

namespace zort::admdict {


QString causesSql(int sort) {
    return QStringLiteral("select * from skwprzyczyny where idgrupy=:id ") +
           (sort == 1 ? QStringLiteral("order by id") : QStringLiteral("order by skrot"));
}

bool sourcesByGroup(const QDateTime& referenceDate) { return cardAfter2000(referenceDate); }

QString sourcesSql(int sort, const QDateTime& referenceDate) {
    const QString order = sort == 1 ? QStringLiteral("order by id") : QStringLiteral("order by skrot");
    if (sourcesByGroup(referenceDate)) return QStringLiteral("select * from skwzrodla_1 where idgrupy=:id ") + order;
    return QStringLiteral("select * from skwzrodla ") + order;
}

QString diseasesSql(int sortL4) {
    return QStringLiteral("select * from skwchorl4 where idgrchor=:id ") +
           (sortL4 == 1 ? QStringLiteral("order by KODCHORL4") : QStringLiteral("order by nazwa"));
}

QString flatListSql(const QString& table, bool hasShortName, int sort) {
    const QString byName = hasShortName ? QStringLiteral("order by skrot") : QStringLiteral("order by nazwa");
    return QStringLiteral("select * from ") + table + QLatin1Char(' ') + (sort == 1 ? QStringLiteral("order by id") : byName);
}

QString noCodeOrNameMessage() { return QStringLiteral("Brak kodu lub nazwy choroby . "); }
QString codeTakenMessage() { return QStringLiteral("Choroba o takim kodzie jest już w bazie "); }
QString nameTakenMessage() { return QStringLiteral("Choroba o takiej nazwie jest już w bazie "); }

QString checkDisease(Connection& c, const QString& code, const QString& name, int ownId) {
    if (code.isEmpty() || name.isEmpty()) return noCodeOrNameMessage();
    // The row being edited keeps its own code and name.
    const Params byCode{{QStringLiteral("Kod"), code}, {QStringLiteral("Id"), ownId}};
    if (c.scalar(QStringLiteral("SELECT * FROM SKWCHORL4 WHERE KODCHORL4= :Kod AND ID <> :Id"), byCode).isValid())
        return codeTakenMessage();
    const Params byName{{QStringLiteral("Nazwa"), name}, {QStringLiteral("Id"), ownId}};
    if (c.scalar(QStringLiteral("SELECT * FROM SKWCHORL4 WHERE NAZWA = :Nazwa AND ID <> :Id"), byName).isValid())
        return nameTakenMessage();
    return QString();
}

void deleteDisease(Connection& c, int id) {
    c.execute(QStringLiteral("DELETE FROM SKWCHORL4 WHERE ID = :Id"), {{QStringLiteral("Id"), id}});
}

void deleteTeamMember(Connection& c, int id) {
    c.execute(QStringLiteral("DELETE FROM SKWZESPPOWYPADKOWY WHERE ID = :Id"), {{QStringLiteral("Id"), id}});
}

void deleteCommissionMember(Connection& c, int id) {
    c.execute(QStringLiteral("DELETE FROM WYPOPER_KOMISJAPOWYPAD WHERE ID = :Id"), {{QStringLiteral("Id"), id}});
}

} // namespace zort::admdict
