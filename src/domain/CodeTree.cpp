#include "domain/CodeTree.h"

#include "db/Connection.h"
#include "domain/CodeTables.h"

#include <QHash>
#include <QSqlQuery>

namespace zort {
namespace {

// Nodes as they are read (level by level) with the children of each, turned into
// tree order at the end.
struct Building {
    std::vector<TTrescInfor> nodes;
    std::vector<int> parent;
    std::vector<std::vector<int>> children;
    std::vector<int> tops;

    int add(const TTrescInfor& n, int parentIndex) {
        const int i = int(nodes.size());
        nodes.push_back(n);
        parent.push_back(parentIndex);
        children.emplace_back();
        if (parentIndex < 0) tops.push_back(i);
        else children[size_t(parentIndex)].push_back(i);
        return i;
    }

    CodeTree finish() {
        CodeTree t;
        const size_t n = nodes.size();
        t.nodes.reserve(n);
        t.parent.reserve(n);
        t.childCount.reserve(n);
        // Depth first without recursion: (raw index, parent's new index).
        std::vector<std::pair<int, int>> stack;
        for (auto it = tops.rbegin(); it != tops.rend(); ++it) stack.emplace_back(*it, -1);
        while (!stack.empty()) {
            const auto [raw, newParent] = stack.back();
            stack.pop_back();
            const int at = t.size();
            t.nodes.push_back(std::move(nodes[size_t(raw)]));
            t.parent.push_back(newParent);
            const auto& kids = children[size_t(raw)];
            t.childCount.push_back(int(kids.size()));
            for (auto it = kids.rbegin(); it != kids.rend(); ++it) stack.emplace_back(*it, at);
        }
        return t;
    }
};

QString text(const QSqlQuery& q, int column) { return q.value(column).toString(); }

} // namespace

QString TTrescInfor::label() const { return QLatin1Char('[') + code + QStringLiteral("] ") + name; }

int CodeTree::find(const QString& code) const {
    for (int i = 0; i < size(); ++i)
        if (nodes[size_t(i)].code == code) return i;
    return -1;
}

int CodeTree::findChild(int parentIndex, const QString& code) const {
    for (int i = parentIndex + 1; i < size(); ++i)
        if (parent[size_t(i)] == parentIndex && nodes[size_t(i)].code == code) return i;
    return -1;
}

int CodeTree::findChildId(int parentIndex, int id) const {
    for (int i = parentIndex + 1; i < size(); ++i)
        if (parent[size_t(i)] == parentIndex && nodes[size_t(i)].id == id) return i;
    return -1;
}

int CodeTree::indexOfId(int id) const {
    for (int i = 0; i < size(); ++i)
        if (nodes[size_t(i)].id == id) return i;
    return -1;
}

QString CodeTreeLoader::countSql(const QString& table) { return QStringLiteral(" SELECT COUNT(*) FROM ") + table; }

QString CodeTreeLoader::levelSql(const QString& table, bool withShortName) {
    return (withShortName ? QStringLiteral(" SELECT Id, IdRodz, NrPoz, Kod, Nazwa, Skrot ")
                          : QStringLiteral(" SELECT Id, IdRodz, NrPoz, Kod, Nazwa "))
        + QStringLiteral(" FROM ") + table + QStringLiteral(" WHERE NrPoz = :NrPoz ORDER BY Id");
}

int CodeTreeLoader::count(const QString& table) {
    const CodeTable* t = findCodeTable(table);
    if (!t || t->kind == CodeTableKind::List) requireCodeTable(table, CodeTableKind::Tree);
    return m_c.scalar(countSql(t->name)).toInt();
}

CodeTree CodeTreeLoader::loadCodeTable(const QString& table, const Step& step) {
    return load(requireCodeTable(table, CodeTableKind::Tree).name, false, step);
}

CodeTree CodeTreeLoader::loadOccupations(const QString& table, const Step& step) {
    return load(requireCodeTable(table, CodeTableKind::Occupation).name, true, step);
}

CodeTree CodeTreeLoader::load(const QString& table, bool occupations, const Step& step) {
    Building b;
    // Ids are the tables' keys: the parent of a row is found by its id.
    QHash<int, int> byId;
    const QString sql = levelSql(table, !occupations);
    for (int level = 0;; ++level) {
        QSqlQuery q = m_c.run(sql, Params{{"NrPoz", level}});
        int rows = 0;
        while (q.next()) {
            ++rows;
            if (step) step();
            TTrescInfor n;
            n.id = q.value(0).toInt();
            n.parentId = q.value(1).toInt();
            n.level = q.value(2).toInt();
            n.code = text(q, 3);
            n.name = text(q, 4);
            if (!occupations) n.shortName = text(q, 5);
            int parentIndex = -1;
            if (level > 0) {
                const auto it = byId.constFind(n.parentId);
                if (it != byId.constEnd()) parentIndex = it.value();
                else if (occupations) continue;  // an occupation without its group is left out
            }
            const int i = b.add(n, parentIndex);
            if (!byId.contains(n.id)) byId.insert(n.id, i);
        }
        Connection::checkFetched(q, sql);
        if (rows == 0) break;
    }
    return b.finish();
}

int CodeTreeLoader::countActivities() {
    return m_c.scalar(QStringLiteral(" SELECT COUNT(*) FROM DCzynn WHERE NazwaKlasy='TCzynnikOper'")).toInt();
}

CodeTree CodeTreeLoader::loadActivityEvents(const Step& step) {
    static const QString activitiesSql =
        QStringLiteral("SELECT Id, Kod, Nazwa FROM DCzynn WHERE NazwaKlasy='TCzynnikOper' ORDER BY Nazwa");
    static const QString eventsSql = QStringLiteral(
        "SELECT DISTINCT DPLUSZCZYNN.ID, DPLUSZCZYNN.OpisCzyn FROM DPLUSZCZYNN "
        "JOIN DPLPOWCZYNN ON DPLUSZCZYNN.Id=DPLPOWCZYNN.IdUszCzynn "
        "WHERE DPLPOWCZYNN.IdCzynn = :IdCzynn ORDER BY DPLUSZCZYNN.ID");
    static const QString causesSql = QStringLiteral(
        "SELECT DISTINCT KWOper.Id, KWOper.IDKRYTERIUM, KWOper.KRYTERIUM FROM KWOper "
        "JOIN DPLPOWCZYNN ON KWOper.NrTypKryt=DPLPOWCZYNN.NrTypKryt "
        "WHERE DPLPOWCZYNN.IdUszCzynn = :IdUszCzynn AND DPLPOWCZYNN.IdCzynn = :IdCzynn ORDER BY KWOper.Id");
    Building b;
    struct Row { int id; QString code, name; };
    auto read = [this](const QString& sql, const Params& p, bool idIsCode) {
        std::vector<Row> rows;
        QSqlQuery q = m_c.run(sql, p);
        while (q.next()) {
            if (idIsCode) rows.push_back({q.value(0).toInt(), text(q, 0), text(q, 1)});
            else rows.push_back({q.value(0).toInt(), text(q, 1), text(q, 2)});
        }
        Connection::checkFetched(q, sql);
        return rows;
    };
    for (const Row& a : read(activitiesSql, {}, false)) {
        if (step) step();
        const int ai = b.add(TTrescInfor{a.id, 0, 0, a.code, a.name, {}}, -1);
        for (const Row& e : read(eventsSql, Params{{"IdCzynn", a.id}}, true)) {
            const int ei = b.add(TTrescInfor{e.id, a.id, 1, e.code, e.name, {}}, ai);
            for (const Row& c : read(causesSql, Params{{"IdUszCzynn", e.id}, {"IdCzynn", a.id}}, false))
                b.add(TTrescInfor{c.id, e.id, 2, c.code, c.name, {}}, ei);
        }
    }
    return b.finish();
}

// ---------------------------------------------------------------------------------

QString foldForSearch(const QString& text) {
    QString out = text.toLower();
    for (QChar& ch : out) {
        switch (ch.unicode()) {
        case u'ą': ch = u'a'; break;
        case u'ć': ch = u'c'; break;
        case u'ę': ch = u'e'; break;
        case u'ł': ch = u'l'; break;
        case u'ń': ch = u'n'; break;
        case u'ó': ch = u'o'; break;
        case u'ś': ch = u's'; break;
        case u'ź':
        case u'ż': ch = u'z'; break;
        default: break;
        }
    }
    return out;
}

CodeTreeSearch::CodeTreeSearch(const CodeTree& tree) : m_tree(tree) {
    m_names.reserve(tree.size());
    for (const TTrescInfor& n : tree.nodes) m_names << foldForSearch(n.name);
}

CodeTreeSearch::Result CodeTreeSearch::filter(const QString& text) const {
    const int n = m_tree.size();
    Result r;
    r.visible.assign(size_t(n), 1);
    r.expanded.assign(size_t(n), 0);
    const QStringList tokens = foldForSearch(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.isEmpty()) {
        for (int i = 0; i < n; ++i)
            if (m_tree.isLeaf(i)) ++r.found;
        return r;
    }
    QStringList codes, words;
    for (const QString& t : tokens) {
        bool digits = true;
        for (QChar c : t) digits = digits && c.isDigit();
        (digits ? codes : words) << t;
    }
    // The nodes that match themselves.
    std::vector<char> self(size_t(n), 0);
    for (int i = 0; i < n; ++i) {
        bool ok = true;
        for (const QString& c : codes) ok = ok && m_tree.nodes[size_t(i)].code.startsWith(c);
        for (const QString& w : words) ok = ok && m_names[i].contains(w);
        self[size_t(i)] = ok;
    }
    // The groups above a match, from the bottom up (tree order puts parents first).
    std::vector<char> above(size_t(n), 0);
    for (int i = n - 1; i >= 0; --i) {
        const int p = m_tree.parent[size_t(i)];
        if (p >= 0 && (self[size_t(i)] || above[size_t(i)])) above[size_t(p)] = 1;
    }
    // A matching group with no match under it shows all it holds, so that something
    // in it can be chosen; one with matches under it shows those.
    std::vector<char> shown(size_t(n), 0);
    std::vector<char> inherited(size_t(n), 0);
    for (int i = 0; i < n; ++i) {
        const int p = m_tree.parent[size_t(i)];
        inherited[size_t(i)] = p >= 0 && (inherited[size_t(p)] || (self[size_t(p)] && !above[size_t(p)]));
        shown[size_t(i)] = self[size_t(i)] || above[size_t(i)] || inherited[size_t(i)];
    }
    int firstInherited = -1;
    for (int i = 0; i < n; ++i) {
        r.visible[size_t(i)] = shown[size_t(i)];
        r.expanded[size_t(i)] = shown[size_t(i)] && !m_tree.isLeaf(i);
        if (!shown[size_t(i)] || !m_tree.isLeaf(i)) continue;
        ++r.found;
        if (self[size_t(i)] && r.first < 0) r.first = i;
        if (firstInherited < 0) firstInherited = i;
    }
    if (r.first < 0) r.first = firstInherited;
    return r;
}

// ---------------------------------------------------------------------------------

bool EventTriple::sameCodes(const EventTriple& other) const {
    return code[0] == other.code[0] && code[1] == other.code[1] && code[2] == other.code[2];
}

bool EventTriple::sameTriple(const EventTriple& other) const {
    if (hasIds() || other.hasIds()) return id[0] == other.id[0] && id[1] == other.id[1] && id[2] == other.id[2];
    return sameCodes(other);
}

TripleOutcome placeTriple(std::vector<EventTriple>& rows, int row, const EventTriple& picked) {
    if (row < 0 || row >= int(rows.size())) return TripleOutcome::Unchanged;
    if (rows[size_t(row)].sameTriple(picked)) return TripleOutcome::Unchanged;
    for (const EventTriple& r : rows)
        if (r.sameTriple(picked)) return TripleOutcome::Duplicate;
    rows[size_t(row)] = picked;
    return TripleOutcome::Taken;
}

QString duplicateTripleMessage() { return QStringLiteral("Te Czynność/Wydarzenie/Przyczyna zostały już wybrane."); }

} // namespace zort
