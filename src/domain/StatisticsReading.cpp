#include "domain/StatisticsReading.h"

#include "db/Connection.h"
#include "domain/StructureAccess.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>
#include <limits>

namespace zort::statistics {

int readEmployees(Connection& c, int year)
{
    int employees = 0;
    c.read(QStringLiteral("SELECT * FROM SKWZATRUDNIENIE WHERE ROK = :ROK"),
           Params{{QStringLiteral("ROK"), year}}, [&](QSqlQuery& q) {
               if (q.next() && q.record().count() > 1)
                   employees = q.value(1).toInt();
           });
    return employees;
}

void saveEmployees(Connection& c, int year, int employees)
{
    c.execute(QStringLiteral("UPDATE OR INSERT INTO SKWZATRUDNIENIE (ROK, ILZATR) "
                             "VALUES (:ROK, :ILZATR) MATCHING (ROK)"),
              Params{{QStringLiteral("ROK"), year}, {QStringLiteral("ILZATR"), employees}});
}

bool employeesAccepted(qint64 employees)
{
    return employees >= 0 && employees <= std::numeric_limits<qint32>::max();
}

QString dateColumn(int dateKind)
{
    switch (dateKind) {
    case 1: return QStringLiteral("SKWPOSZKODOWANI.DATAZG");
    case 2: return QStringLiteral("SKWWYPADKI.DATAREJWYP");
    default: return QStringLiteral("SKWWYPADKI.DATA");
    }
}

QString typeCondition(bool protocols, bool cards)
{
    QStringList parts;
    if (protocols)
        parts << QStringLiteral("(TypWyp IN (0,1,4) AND rodzumowy=1)");
    if (cards)
        parts << QStringLiteral(" (rodzumowy=2 AND rodzajWyp=1) ");
    if (parts.isEmpty())
        return QString();
    return QLatin1Char('(') + parts.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

PositionFilter::PositionFilter(Connection& c, const QList<int>& positions) : m_c(c)
{
    QStringList ids;
    for (int id : positions)
        ids << QString::number(id);
    if (ids.isEmpty())
        ids << QStringLiteral("-1");
    if (ids.size() <= maxPositionsInList) {
        m_list = ids.join(QLatin1Char(','));
        return;
    }
    const QString name = structuretable::Name(QTime::currentTime(),
                                              structuretable::ConnectionNumber(c));
    try {
        structuretable::Create(c, name, positions, QStringLiteral("IdPom"));
    } catch (...) {
        structuretable::Drop(c, name);
        throw;
    }
    m_table = name;
}

PositionFilter::~PositionFilter()
{
    structuretable::Drop(m_c, m_table);
}

QString PositionFilter::from() const
{
    return m_table.isEmpty() ? QString() : QStringLiteral(", ") + m_table;
}

QString PositionFilter::condition() const
{
    if (m_table.isEmpty())
        return QStringLiteral(" AND SKWPoszkodowani.IdStanow IN ( ") + m_list + QStringLiteral(" )");
    return QStringLiteral(" AND SKWPoszkodowani.IdStanow =") + m_table + QStringLiteral(".IdPom ");
}

QString countedPersonsSql(const CountRequest& r, const PositionFilter& positions,
                          const QStringList& columns)
{
    QStringList select;
    for (const QString& column : columns)
        select << (column.contains(QLatin1Char('.')) ? column
                                                     : QStringLiteral("SKWPOSZKODOWANI.") + column);
    const QString date = dateColumn(r.dateKind);
    select << date + QStringLiteral(" AS DATAWYBR");
    QString sql = QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) +
                  QStringLiteral(" FROM SKWWYPADKI, SKWPOSZKODOWANI") + r.registerFrom +
                  positions.from() + QStringLiteral(" WHERE ") + r.registerWhere +
                  QStringLiteral(" SKWPOSZKODOWANI.IDWYPADKU = SKWWYPADKI.ID"
                                 " AND SKWPOSZKODOWANI.IdStanow is not null AND ") +
                  date + QStringLiteral(" >= :DataOd AND ") + date + QStringLiteral(" < :DataDo");
    const QString type = typeCondition(r.protocols, r.cards);
    if (!type.isEmpty())
        sql += QStringLiteral(" AND ") + type;
    return sql + positions.condition();
}

std::vector<CountedPerson> readCountedPersons(Connection& c, const CountRequest& r,
                                              const PositionFilter& positions,
                                              const Period& period, const QStringList& columns)
{
    std::vector<CountedPerson> persons;
    Params p;
    p.setDateTime(QStringLiteral("DataOd"), period.start());
    p.setDateTime(QStringLiteral("DataDo"), period.end());
    c.read(countedPersonsSql(r, positions, columns), p, [&](QSqlQuery& q) {
        const QSqlRecord rec = q.record();
        while (q.next()) {
            CountedPerson person;
            for (int i = 0; i < rec.count(); ++i)
                person.values.insert(rec.fieldName(i).toUpper(), q.value(i));
            person.date = person.values.take(QStringLiteral("DATAWYBR")).toDateTime();
            persons.push_back(std::move(person));
        }
    });
    return persons;
}

namespace {

void addTop(CodeTree& t, const TTrescInfor& node)
{
    t.nodes.push_back(node);
    t.parent.push_back(-1);
    t.childCount.push_back(0);
}

}  // namespace

CodeTree readFlatClassification(Connection& c, const QString& table)
{
    CodeTree t;
    // The table is one of the program's own classification tables, never typed text.
    c.read(QStringLiteral(" SELECT Id, Kod, Nazwa, Skrot  FROM ") + table +
               QStringLiteral(" WHERE kod is not null ORDER BY Id"),
           {}, [&](QSqlQuery& q) {
               while (q.next()) {
                   TTrescInfor node;
                   node.id = q.value(0).toInt();
                   node.code = q.value(1).toString();
                   node.name = q.value(2).toString();
                   node.shortName = q.value(3).toString();
                   addTop(t, node);
               }
           });
    return t;
}

CodeTree levelOf(const CodeTree& tree, int level)
{
    CodeTree t;
    for (const TTrescInfor& node : tree.nodes)
        if (node.level == level)
            addTop(t, node);
    return t;
}

}  // namespace zort::statistics
