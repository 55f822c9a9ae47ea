#include "db/ReferenceData.h"

#include "db/Connection.h"
#include "db/Resources.h"
#include "db/SqlScript.h"

#include <QHash>

namespace zort {
namespace {

const QString kRoot = QStringLiteral(":/zort/reference/");

struct TreeList {
    const char* file;
    const char* table;
};

// The hierarchical code lists of the card of 2009/2010.
const TreeList kTrees[] = {
    {"skw-2009/01a_miejsce_powstania_wypadku.tsv", "SKWMIEJSCEWYP"},
    {"skw-2009/02_proces_pracy.tsv", "SKWPROCESPRACY"},
    {"skw-2009/03_czynnosc_wykonywana.tsv", "SKWCZYNNWYKPOSZK"},
    {"skw-2009/04_odchylenie.tsv", "SKWWYDARZODCHYL"},
    {"skw-2009/05_wydarzenie_powodujace_uraz.tsv", "SKWWYDARZURAZ"},
    {"skw-2009/06_czynnik_materialny.tsv", "SKWCZYNNIKMATER"},
    {"skw-2009/08_umiejscowienie_urazu.tsv", "SKWUMIEJSCURAZ"},
    {"skw-2009/09_przyczyny_wypadku.tsv", "SKWPRZYCZYNYWYP"},
    {"skw-2009/10d_forma_wlasnosci.tsv", "SKWFWJEDN"},
};

// The flat code lists (ID, KOD, NAZWA, SKROT).
const TreeList kLists[] = {
    {"skw-2009/01b_rodzaj_miejsca_wypadku.tsv", "SKWRODZAJMIEJSCWYP"},
    {"skw-2009/07_rodzaj_urazu.tsv", "SKWRODZAJURAZ"},
    {"skw-2009/10a_status_zatrudnienia.tsv", "SKWSTATUSZATR"},
    {"skw-2009/10b_liczba_pracujacych.tsv", "SKWLICZBAPRAC"},
    {"skw-2009/10c_obywatelstwo.tsv", "SKWOBYWATELSTWO"},
};

// The tab-separated fields of each line after the header, blank lines left out.
std::vector<QStringList> readRows(const QString& resource) {
    QStringList lines = SqlScript::readResource(resource).split('\n');
    if (!lines.isEmpty()) lines.removeFirst();  // header
    std::vector<QStringList> rows;
    for (QString line : lines) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.trimmed().isEmpty()) rows.push_back(line.split('\t'));
    }
    return rows;
}

QString shownCode(const QString& code) {
    return code.startsWith(QStringLiteral("grp:")) ? code.mid(4) : code;
}

} // namespace

std::vector<ReferenceData::Row> ReferenceData::readList(const QString& resource) {
    std::vector<Row> rows;
    for (const QStringList& f : readRows(resource)) {
        if (f.size() < 4) continue;
        rows.push_back(Row{shownCode(f[0]), shownCode(f[1]), f[2].toInt(), f[3].trimmed()});
    }
    return rows;
}

std::vector<ReferenceData::Row> ReferenceData::readOccupations() {
    std::vector<Row> rows;
    for (const QStringList& f : readRows(kRoot + QStringLiteral("kzis-2022-hierarchy.tsv"))) {
        if (f.size() < 2) continue;
        const QString code = f[0].trimmed();
        // 1, 2, 3 and 4 digits are the groups, 6 digits the occupations.
        static const QHash<int, int> levelOf{{1, 0}, {2, 1}, {3, 2}, {4, 3}, {6, 4}};
        static const QHash<int, int> parentLen{{2, 1}, {3, 2}, {4, 3}, {6, 4}};
        if (!levelOf.contains(int(code.size()))) continue;
        Row r;
        r.code = code;
        r.level = levelOf.value(int(code.size()));
        r.parentCode = parentLen.contains(int(code.size())) ? code.left(parentLen.value(int(code.size()))) : QString();
        r.name = f[1].trimmed();
        // The classification marks occupations taught in vocational schools with an
        // "S" glued to the name ("Technik geodetaS"); the name itself is without it.
        if (r.name.size() > 1 && r.name.endsWith(QLatin1Char('S')) && r.name.at(r.name.size() - 2).isLower())
            r.name.chop(1);
        rows.push_back(r);
    }
    return rows;
}

void ReferenceData::fillTree(Connection& c, const QString& table, const std::vector<Row>& rows, bool withShort) {
    QHash<QString, int> idOf;
    int id = 0;
    const QString sql = withShort
        ? QStringLiteral("INSERT INTO %1 (ID, IDRODZ, NRPOZ, KOD, NAZWA, SKROT) VALUES (:id, :rodz, :poz, :kod, :nazwa, :skrot)").arg(table)
        : QStringLiteral("INSERT INTO %1 (ID, IDRODZ, NRPOZ, KOD, NAZWA) VALUES (:id, :rodz, :poz, :kod, :nazwa)").arg(table);
    PreparedStatement insert(c, sql);
    for (const Row& r : rows) {
        ++id;
        idOf.insert(r.code, id);
        Params p{{"id", id}, {"rodz", idOf.value(r.parentCode, 0)}, {"poz", r.level},
                 {"kod", r.code}, {"nazwa", r.name}};
        if (withShort) p.set(QStringLiteral("skrot"), r.name.left(100));
        insert.execute(p);
    }
}

void ReferenceData::fillList(Connection& c, const QString& table, const std::vector<Row>& rows) {
    int id = 0;
    PreparedStatement insert(c, QStringLiteral("INSERT INTO %1 (ID, KOD, NAZWA, SKROT) VALUES (:id, :kod, :nazwa, :skrot)").arg(table));
    for (const Row& r : rows)
        insert.execute(Params{{"id", ++id}, {"kod", r.code}, {"nazwa", r.name}, {"skrot", r.name.left(50)}});
}

void ReferenceData::loadAll(Connection& c) {
    for (const auto& t : kTrees)
        fillTree(c, QString::fromLatin1(t.table), readList(kRoot + QString::fromLatin1(t.file)), true);
    for (const auto& l : kLists)
        fillList(c, QString::fromLatin1(l.table), readList(kRoot + QString::fromLatin1(l.file)));
    fillTree(c, QStringLiteral("DNEWZAWODY2021"), readOccupations(), false);
}

QStringList ReferenceData::tables() {
    QStringList out;
    for (const auto& t : kTrees) out << QString::fromLatin1(t.table);
    for (const auto& l : kLists) out << QString::fromLatin1(l.table);
    out << QStringLiteral("DNEWZAWODY2021");
    return out;
}

} // namespace zort
