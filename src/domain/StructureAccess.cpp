#include "domain/StructureAccess.h"

#include "core/Session.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "domain/Dictionaries.h"
#include "domain/OrgStructure.h"

#include <QSet>
#include <QSqlQuery>
#include <algorithm>

namespace zort {

// --- Denied elements ---------------------------------------------------------------------

QString deniedEntry(int elementId) { return QString::number(elementId) + QLatin1Char(','); }

QStringList ReadDeniedStructure(Connection& c, int userId) {
    Dataset ds(&c, QStringLiteral(" SELECT IdStrukt FROM ADostepStrukt WHERE IdUzytk =:IdUzytk"));
    ds.setParam(QStringLiteral("IdUzytk"), userId);
    ds.open();
    QStringList entries;
    for (ds.first(); !ds.eof(); ds.next()) entries << deniedEntry(int(ds.field(0).asInt()));
    return entries;
}

// --- Visible elements ----------------------------------------------------------------------

QList<int> ReadVisibleStructure(Connection& c, const QDateTime& date, const std::function<bool(int)>& denied) {
    // One statement per level, prepared once; only the two columns the walk needs
    // are read (the names of the tree's statement cost more to convert than the
    // whole walk).
    PreparedStatement level(c, QStringLiteral(
        " SELECT ID AS IdStrukt, IDRodzStrukt FROM OStrukt "
        " WHERE DataUtw <= :DataUtw AND (Usuniety = 0 OR (Usuniety = 1 AND DataUsun > :DataUtw))"
        " AND NrPoz = :NrPoz"));
    QList<int> visible;
    QSet<int> accepted;
    Params p;
    p.setDateTime(QStringLiteral("DataUtw"), date);
    for (int n = 0;; ++n) {
        p.setInt(QStringLiteral("NrPoz"), n);
        bool any = false;
        level.read(p, [&](QSqlQuery& q) {
            while (q.next()) {
                any = true;
                const int id = q.value(0).toInt();
                if ((n != 0 && !accepted.contains(q.value(1).toInt())) || denied(id)) continue;
                accepted.insert(id);
                visible << id;
            }
        });
        if (!any) break;
    }
    return visible;
}

namespace structuretable {

QString Name(const QTime& timeOfDay, qint64 connectionNumber) {
    const double fraction = timeOfDay.msecsSinceStartOfDay() / 86400000.0;
    return QStringLiteral("Temp") + QString::number(std::llround(fraction * 10000000.0)) + QLatin1Char('_') +
           QString::number(connectionNumber);
}

qint64 ConnectionNumber(Connection& c) {
    return c.scalar(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE")).toLongLong();
}

void Create(Connection& c, const QString& name, const QList<int>& ids, const QString& column) {
    c.execute(QStringLiteral(" CREATE TABLE ") + name + QStringLiteral(" ( ") + column + QStringLiteral(" Integer)"));
    // The ids go in blocks of statements, one call of the database per block rather
    // than per id. They are the table's own integers, never typed text.
    constexpr int kBlock = 256;
    const QString insert = QStringLiteral("INSERT INTO ") + name + QStringLiteral(" (") + column + QStringLiteral(") VALUES (");
    Transaction t(c);
    for (qsizetype from = 0; from < ids.size(); from += kBlock) {
        QString block = QStringLiteral("EXECUTE BLOCK AS BEGIN ");
        for (qsizetype i = from; i < std::min(ids.size(), from + kBlock); ++i)
            block += insert + QString::number(ids.at(i)) + QStringLiteral("); ");
        block += QStringLiteral("END");
        c.execute(block);
    }
    t.commit();
}

void Drop(Connection& c, const QString& name) noexcept {
    if (name.isEmpty()) return;
    try {
        c.execute(QStringLiteral(" DROP TABLE ") + name);
    } catch (...) {
    }
}

} // namespace structuretable

QString PersonListSql(const QString& personTable, const QString& order, const QString& structureTable) {
    if (structureTable.isEmpty())
        return QStringLiteral("SELECT Distinct ODanOs.* FROM ") + personTable + QStringLiteral(" ORDER BY ") + order;
    return QStringLiteral("SELECT Distinct ODanOs.* FROM ") + personTable + QStringLiteral(",OPracow,") + structureTable +
           QStringLiteral(" WHERE ") + employedOnDate(structureTable) + QStringLiteral(" ORDER BY ") + order;
}

// --- Registers -------------------------------------------------------------------------------

namespace {
const QString kContact = QStringLiteral("Proszę skontaktować się z administratorem systemu ZORT.");
const QString kCrLf = QStringLiteral("\r\n");
} // namespace

QString noRegisterMessage(const QString& userName) {
    return QStringLiteral("Dla użytkownika: ") + userName +
           QStringLiteral(" nie został zdefiniowany dostęp do żadnego rejestru wypadków.") + kCrLf + kContact;
}

QString noDefaultRegisterMessage(const QString& userName) {
    return QStringLiteral("Dla użytkownika: ") + userName + QStringLiteral(" nie został zdefiniowany domyślny rejestr.") +
           kCrLf + kContact;
}

QString deniedDefaultRegisterMessage(const QString& userName) {
    return QStringLiteral("Dla użytkownika: ") + userName + QStringLiteral(" domyślny zdefiniowany rejestr wypadków ") +
           kCrLf +
           QStringLiteral("oparty jest o element struktury organizacyjnej, do którego użytkownik nie ma dostępu.") + kCrLf +
           kContact;
}

QString unassignedRegisterText() { return QStringLiteral("Rejestr wypadków nieprzypisanych do żadnego rejestru"); }

bool isAdminUser(const QString& userName) {
    QString name = userName;
    while (name.endsWith(QLatin1Char(' '))) name.chop(1);
    return name == QLatin1String("admin");
}

QString RegisterChoice::panelText() const { return QStringLiteral("Bieżący rejestr: ") + currentText(); }

RegisterChoice ChooseCurrentRegister(Connection& c, const CurrentUser& user, const std::function<bool(int)>& denied) {
    Dataset rows(&c, QStringLiteral(" SELECT ADostepSKWRejestr.IdRejestr, SKWRejestr.* FROM ADostepSKWRejestr, SKWRejestr "
                                    "WHERE IdUzytk =:IdUzytk AND ((IDRejestr=ID) OR (-1*IDRejestr=ID)) ORDER BY IdRejestr"));
    rows.setParam(QStringLiteral("IdUzytk"), user.id);
    rows.open();
    RegisterChoice choice;
    if (rows.isEmpty()) {
        choice.failure = noRegisterMessage(user.name);
        return choice;
    }
    if (rows.field(QStringLiteral("IDREJESTR")).asInt() > 0) {
        choice.failure = noDefaultRegisterMessage(user.name);
        return choice;
    }
    for (rows.first(); !rows.eof(); rows.next()) {
        const int granted = int(rows.field(QStringLiteral("IDREJESTR")).asInt());
        const RegisterItem item{std::abs(granted), rows.field(QStringLiteral("SYMBOL")).asString() + QLatin1Char(' ') +
                                                       rows.field(QStringLiteral("NAZWA")).asString()};
        if (granted < 0) {
            if (denied(int(rows.field(QStringLiteral("IDSTRUKT")).asInt()))) {
                choice.failure = deniedDefaultRegisterMessage(user.name);
                choice.current = -1;
                return choice;
            }
            choice.current = int(choice.items.size());
        }
        choice.items << item;
    }
    if (isAdminUser(user.name)) choice.items << RegisterItem{0, unassignedRegisterText()};
    return choice;
}

} // namespace zort
