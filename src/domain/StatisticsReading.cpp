#include "domain/StatisticsReading.h"

#include "db/Connection.h"
#include "domain/StructureAccess.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>
#include <QSet>
#include <limits>
#include <optional>

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
    // A column of the injured person, or else of the accident.
    QSet<QString> personColumns;
    c.read(QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS "
                          "WHERE RDB$RELATION_NAME = 'SKWPOSZKODOWANI'"),
           {}, [&](QSqlQuery& q) {
               while (q.next())
                   personColumns.insert(q.value(0).toString());
           });
    QStringList qualified;
    for (const QString& column : columns) {
        if (column.contains(QLatin1Char('.')))
            qualified << column;
        else
            qualified << (personColumns.contains(column.toUpper()) ? QStringLiteral("SKWPOSZKODOWANI.")
                                                                   : QStringLiteral("SKWWYPADKI.")) +
                             column;
    }
    std::vector<CountedPerson> persons;
    Params p;
    p.setDateTime(QStringLiteral("DataOd"), period.start());
    p.setDateTime(QStringLiteral("DataDo"), period.end());
    c.read(countedPersonsSql(r, positions, qualified), p, [&](QSqlQuery& q) {
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

namespace {

struct CodeKind {
    int kind;
    const char* title;
    const char* heading;
    QStringList columns;
    const char* table;      // the categories
    const char* text;       // their text column
    const char* members;    // kinds 4, 5: the table giving each member's group
};

const std::vector<CodeKind>& codeKinds()
{
    auto cols = [](const char* stem, int n) {
        QStringList l;
        for (int i = 1; i <= n; ++i)
            l << QString::fromLatin1(stem) + QString::number(i);
        return l;
    };
    static const std::vector<CodeKind> kinds = {
        {1, "Wydarzenia bezpośrednio powodujące obrażenia fizyczne w  ", "Wydarzenia",
         {QStringLiteral("IDWYDARZENIA")}, "SKWWYDARZENIA", "SKROT", nullptr},
        {2, " Umiejscowienie urazów powypadkowych porównawczo w ", "Umiejscowienie",
         cols("IDURAZU", 3), "SKWURAZY", "NAZWA", nullptr},
        {3, "Czynniki, które spowodowały wypadek w ", "Czynnik materialny",
         cols("IDCZYNNIKA", 4), "SKWCZYNNIKI", "NAZWA", nullptr},
        {4, "Grupy źródeł czynników w ", "Grupy źródeł", cols("IDZRODLA", 4), "SKWZRODLAG",
         "NAZWA", "SKWZRODLA_1"},
        {5, "Grupy przyczyn czynników w ", "Grupy przyczyn", cols("IDPRZYCZYNY", 7),
         "SKWPRZYCZYNYG", "NAZWA", "SKWPRZYCZYNY"},
        {6, "Miejsce powstania wypadku w ", "Miejsce powstania ", {QStringLiteral("IDMIEJSCA")},
         "SKWMIEJSCA", "SKROT", nullptr},
        {7, "Czynności wykonywane przez poszkodowanego w chwili wypadku w ",
         "Czynność wykonywana", {QStringLiteral("IDCZYNNOSCI")}, "SKWCZYNNOSCI", "SKROT",
         nullptr},
    };
    return kinds;
}

}  // namespace

std::optional<Distribution> codeDistribution(Connection& c, int kind)
{
    for (const CodeKind& k : codeKinds()) {
        if (k.kind != kind)
            continue;
        Distribution d;
        d.kind = kind;
        d.title = QString::fromUtf8(k.title);
        d.heading = QString::fromUtf8(k.heading);
        d.columns = k.columns;
        d.match = Distribution::Match::Code;
        c.read(QStringLiteral("SELECT ID, ") + QLatin1String(k.text) + QStringLiteral(" FROM ") +
                   QLatin1String(k.table) + QStringLiteral(" ORDER BY ID"),
               {}, [&](QSqlQuery& q) {
                   while (q.next()) {
                       const int id = q.value(0).toInt();
                       d.categories.push_back({QString::number(id), q.value(1).toString(), id, id});
                   }
               });
        if (k.members) {
            d.grouped = true;
            c.read(QStringLiteral("SELECT ID, IDGRUPY FROM ") + QLatin1String(k.members) +
                       QStringLiteral(" WHERE IDGRUPY IS NOT NULL"),
                   {}, [&](QSqlQuery& q) {
                       while (q.next())
                           d.groupOf.insert(q.value(0).toInt(), q.value(1).toInt());
                   });
        }
        return d;
    }
    return std::nullopt;
}

std::optional<Distribution> distribution(Connection& c, int kind)
{
    if (kind >= 1 && kind <= 7)
        return codeDistribution(c, kind);
    return fixedDistribution(kind);
}

QList<int> positionIds(const QString& list)
{
    QList<int> ids;
    for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok && !ids.contains(id))
            ids << id;
    }
    if (ids.isEmpty())
        ids << -1;
    return ids;
}

namespace {

std::vector<ElementRow> elementsExisting(Connection& c, const OrgStructure& s,
                                         const QString& where, const Params& params,
                                         const Period periods[2], bool byCode, bool positionsOnly)
{
    const QDateTime from = std::min(periods[0].start(), periods[1].start());
    const QDateTime to = std::max(periods[0].end(), periods[1].end());
    Params p = params;
    p.setDateTime(QStringLiteral("DoDnia"), to);
    p.setDateTime(QStringLiteral("OdDnia"), from);
    std::vector<ElementRow> rows;
    c.read(QStringLiteral("SELECT Id, Kod, SkrotNazwa, TypStrukt FROM OStrukt WHERE ") + where +
               QStringLiteral(" AND (DataUtw IS NULL OR DataUtw < :DoDnia)"
                              " AND (COALESCE(Usuniety, 0) = 0 OR DataUsun IS NULL OR DataUsun >= :OdDnia)"
                              " ORDER BY ") +
               (byCode ? QStringLiteral("Kod, SkrotNazwa, Id") : QStringLiteral("SkrotNazwa, Kod, Id")),
           p, [&](QSqlQuery& q) {
               while (q.next()) {
                   ElementRow row;
                   row.id = q.value(0).toInt();
                   row.code = q.value(1).toString();
                   row.name = q.value(2).toString();
                   const bool position = q.value(3).toInt() == 1;
                   if (positionsOnly && !position)
                       continue;
                   if (!positionsOnly && position)
                       row.name += QStringLiteral(" *");
                   if (position)
                       row.positions = {row.id};
                   rows.push_back(row);
               }
           });
    // The positions below each unit from one read of the whole structure.
    QHash<int, QList<int>> children;
    QSet<int> positionSet;
    c.read(QStringLiteral("SELECT Id, IdRodzStrukt, TypStrukt FROM OStrukt"), {}, [&](QSqlQuery& q) {
        while (q.next()) {
            const int id = q.value(0).toInt();
            children[q.value(1).toInt()] << id;
            if (q.value(2).toInt() == 1)
                positionSet.insert(id);
        }
    });
    auto positionsBelow = [&](int unit) {
        QList<int> out;
        QSet<int> seen{unit};
        QList<int> stack = children.value(unit);
        while (!stack.isEmpty()) {
            const int id = stack.takeLast();
            if (seen.contains(id) || s.denied(id))
                continue;
            seen.insert(id);
            if (positionSet.contains(id))
                out << id;
            else
                stack << children.value(id);
        }
        if (out.isEmpty())
            out << -1;
        return out;
    };
    std::vector<ElementRow> visible;
    for (ElementRow& row : rows) {
        if (s.denied(row.id))
            continue;
        if (row.positions.isEmpty())
            row.positions = positionsBelow(row.id);
        visible.push_back(std::move(row));
    }
    return visible;
}

}  // namespace

std::vector<ElementRow> childRows(Connection& c, const OrgStructure& s, int element,
                                  const Period periods[2], bool byCode)
{
    return elementsExisting(c, s, QStringLiteral("IdRodzStrukt = :Id"),
                            Params{{QStringLiteral("Id"), element}}, periods, byCode, false);
}

std::vector<ElementRow> positionRows(Connection& c, const OrgStructure& s, int element,
                                     const Period periods[2], bool byCode)
{
    const QList<int> ids = positionIds(s.PositionsOf(element));
    std::vector<ElementRow> all = elementsExisting(
        c, s, QStringLiteral("TypStrukt = 1"), {}, periods, byCode, true);
    std::vector<ElementRow> rows;
    const QSet<int> wanted(ids.begin(), ids.end());
    for (ElementRow& row : all)
        if (wanted.contains(row.id))
            rows.push_back(std::move(row));
    return rows;
}

bool periodsComparable(bool cards2004, bool cards2000, int year1, int year2)
{
    if (cards2004 && (year1 < 2005 || year2 < 2005))
        return false;
    if (cards2000 && (year1 > 2004 || year2 > 2004))
        return false;
    return true;
}

QString periodsNotComparableMessage()
{
    return QStringLiteral("Dla wybranych okresów porównawczych nie można sporządzić zestawienia.");
}

bool card2001Comparable(int kind, int year1, int year2)
{
    if (kind != 2 && kind != 3)
        return true;
    return (year1 <= 2000) == (year2 <= 2000);
}

QString card2001Message()
{
    return QStringLiteral(
        "Nie można wykonać zestawień: \"Umiejscowienie urazów powypadkowych\" oraz \"Czynniki "
        "powodujące wypadek\" dla okresu porównawczego rok 2000 i wcześniejsze z latami "
        "późniejszymi od 2000, ponieważ 1 stycznia 2001 roku zmieniona została SKW oraz "
        "załącznik do niej. ");
}

QString noTypeMessage()
{
    return QStringLiteral("Proszę zaznaczyć czego ma dotyczyć zestawienie!");
}

QString noElementMessage()
{
    return QStringLiteral("Nie wybrano elementu struktury organizacyjnej do wydruku.");
}

}  // namespace zort::statistics
