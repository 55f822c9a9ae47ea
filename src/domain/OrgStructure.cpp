#include "domain/OrgStructure.h"

#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "db/Connection.h"
#include "domain/DataModForm.h"
#include "db/Dataset.h"

#include <QHash>

namespace zort {
namespace {

const QString kLevelSql = QStringLiteral(
    " SELECT ID AS IdStrukt, IDRodzStrukt, NrPoz, TypStrukt, "
    " SkrotNazwa, Kod, Nazwa, Gmina, Miejscow, Adres, KodPocz, Telefon, Fax, "
    " Nip, NrRegon, KodEKD, NrPIS, BranzaKGN, "
    " Usuniety, DataUtw, DataUsun, Email, PlikLogo FROM OStrukt "
    " WHERE DataUtw <= :DataUtw AND (Usuniety = 0 OR (Usuniety = 1 AND DataUsun > :DataUtw))"
    " AND NrPoz = :NrPoz");

TStrukt elementOf(const Dataset& ds) {
    auto s = [&ds](const char* column) { return ds.field(QString::fromLatin1(column)).asString(); };
    auto i = [&ds](const char* column) { return int(ds.field(QString::fromLatin1(column)).asInt()); };
    TStrukt e;
    e.ID = i("IDSTRUKT");
    e.IDRODZSTRUKT = i("IDRODZSTRUKT");
    e.NRPOZ = i("NRPOZ");
    e.TYPSTRUKT = i("TYPSTRUKT");
    e.NAZWA = s("NAZWA");
    e.SKROTNAZWA = s("SKROTNAZWA");
    e.KOD = s("KOD");
    e.GMINA = s("GMINA");
    e.MIEJSCOW = s("MIEJSCOW");
    e.ADRES = s("ADRES");
    e.KODPOCZ = s("KODPOCZ");
    e.TELEFON = s("TELEFON");
    e.FAX = s("FAX");
    e.NIP = s("NIP");
    e.NRPIS = s("NRPIS");
    e.NRREGON = s("NRREGON");
    e.KODEKD = s("KODEKD");
    e.BRANZAKGN = s("BRANZAKGN");
    e.USUNIETY = i("USUNIETY");
    e.DATAUTW = ds.field(QStringLiteral("DATAUTW")).asDateTime();
    e.DATAUSUN = ds.field(QStringLiteral("DATAUSUN")).asDateTime();
    e.EMAIL = s("EMAIL");
    e.PLIKLOGO = s("PLIKLOGO");
    return e;
}

// One element's parent and short name.
struct Link {
    bool found = false;
    int parent = 0;
    QString shortName;
};

Link linkOf(Connection& c, int id) {
    Dataset ds(&c, QStringLiteral(" SELECT Id,IdRodzStrukt,SkrotNazwa FROM OStrukt WHERE Id = :Id"));
    ds.setParam(QStringLiteral("Id"), id);
    ds.open();
    if (ds.isEmpty()) return {};
    return {true, int(ds.field(QStringLiteral("IDRODZSTRUKT")).asInt()), ds.field(QStringLiteral("SKROTNAZWA")).asString()};
}

} // namespace

QString TStrukt::nodeText() const { return QLatin1Char('[') + KOD + QStringLiteral("] ") + SKROTNAZWA; }

OrgStructure::OrgStructure(Connection& c, DeniedFn denied) : m_c(c), m_denied(std::move(denied)) {
    if (!m_denied) m_denied = [](int) { return false; };
}

int OrgStructure::elementCount() const { return m_c.scalar(QStringLiteral(" SELECT COUNT(*) FROM OStrukt")).toInt(); }

std::vector<TStrukt> OrgStructure::visibleElements(const QDateTime& date, bool byCode,
                                                   const std::function<void()>& progress) const {
    std::vector<TStrukt> out;
    QSet<int> taken;
    Dataset level(&m_c, kLevelSql + (byCode ? QStringLiteral(" ORDER BY Kod ") : QStringLiteral(" ORDER BY SkrotNazwa ")));
    level.setParam(QStringLiteral("DataUtw"), date);
    for (int n = 0;; ++n) {
        level.setParam(QStringLiteral("NrPoz"), n);
        level.open();
        if (level.isEmpty()) break;
        for (level.first(); !level.eof(); level.next()) {
            if (progress) progress();
            TStrukt e = elementOf(level);
            if ((n != 0 && !taken.contains(e.IDRODZSTRUKT)) || m_denied(e.ID)) continue;
            taken.insert(e.ID);
            out.push_back(std::move(e));
        }
    }
    return out;
}

QString OrgStructure::StructurePath(int id, const QString& separator) const {
    QStringList names;  // from the element up
    QSet<int> seen;
    int current = id;
    while (!seen.contains(current)) {
        seen.insert(current);
        const Link l = linkOf(m_c, current);
        if (!l.found) {
            names << QString();  // an element that does not exist has an empty name
            break;
        }
        names << l.shortName;
        if (l.parent == 0) break;
        current = l.parent;
    }
    QString path;
    for (auto it = names.crbegin(); it != names.crend(); ++it) path += *it + separator;
    return path;
}

QString OrgStructure::ElementAtLevel(int id, int level) const {
    QStringList parts = StructurePath(id, QStringLiteral("\r")).split(QLatin1Char('\r'));
    parts.removeLast();  // the path ends with its separator
    return parts.value(qBound(0, level, int(parts.size()) - 1));
}

int OrgStructure::TopElementId(int id) const {
    QSet<int> seen;
    int current = id;
    while (!seen.contains(current)) {
        seen.insert(current);
        Dataset ds(&m_c, QStringLiteral("SELECT Id,IdRodzStrukt FROM OStrukt WHERE Id = :Id"));
        ds.setParam(QStringLiteral("Id"), current);
        ds.open();
        if (ds.isEmpty()) return 0;
        const int parent = int(ds.field(QStringLiteral("IDRODZSTRUKT")).asInt());
        if (parent == 0) return current;
        current = parent;
    }
    return current;
}

QString OrgStructure::PositionsOf(int id) const {
    const QVariant type = m_c.scalar(QStringLiteral("SELECT TypStrukt FROM OStrukt WHERE Id = :Id"), Params{{"Id", id}});
    if (type.toInt() != 0) return QString::number(id);
    if (m_denied(id)) return QStringLiteral("-1");
    QSet<int> seen{id};
    const QStringList ids = positionsBelow(id, seen);
    return ids.isEmpty() ? QStringLiteral("-1") : ids.join(QLatin1Char(','));
}

QStringList OrgStructure::positionsBelow(int unit, QSet<int>& seen) const {
    Dataset children(&m_c, QStringLiteral("SELECT Id,IdRodzStrukt,TypStrukt FROM OStrukt WHERE IdRodzStrukt = :Id"));
    children.setParam(QStringLiteral("Id"), unit);
    children.open();
    QStringList out;
    for (children.first(); !children.eof(); children.next()) {
        const int child = int(children.field(QStringLiteral("ID")).asInt());
        if (m_denied(child) || seen.contains(child)) continue;
        seen.insert(child);
        if (children.field(QStringLiteral("TYPSTRUKT")).asInt() == 1) {
            out << QString::number(child);
            continue;
        }
        const QStringList below = positionsBelow(child, seen);
        out << (below.isEmpty() ? QStringList{QStringLiteral("-1")} : below);
    }
    return out;
}

QString employerAddress(const TStrukt& top) {
    if (top.KODPOCZ.isEmpty() && top.MIEJSCOW.isEmpty() && top.ADRES.isEmpty()) return {};
    return (top.KODPOCZ + QLatin1Char(' ') + top.MIEJSCOW + QLatin1Char(' ') + top.ADRES).left(130);
}

QList<std::pair<QString, QString>> positionFieldValues(const TStrukt& position, const QString& elementAtLevel,
                                                       const TStrukt& top) {
    const QString address = employerAddress(top);
    return {{QStringLiteral("epStanowKod"), position.KOD},
            {QStringLiteral("epIdStanow"), QString::number(position.ID)},
            {QStringLiteral("epStanowSkrot"), position.SKROTNAZWA.left(40)},
            {QStringLiteral("epStruktSkrot"), elementAtLevel.left(40)},
            {QStringLiteral("epPrzedsieb"), top.SKROTNAZWA.left(130)},
            {QStringLiteral("epKodEKD"), top.KODEKD},
            {QStringLiteral("epRegon"), top.NRREGON},
            {QStringLiteral("epAdresFirma"), address},
            {QStringLiteral("epNipFirma"), top.NIP}};
}

OrgStructure runStructure() {
    return OrgStructure(SharedConnection::get(), [](int id) {
        const TDataModForm* d = dataMod();
        return d && d->IsElementDenied(id);
    });
}

} // namespace zort
