#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zort {

class Connection;

// One node of a classification tree: a row of a code table, of an occupation
// classification or of the activity/event/cause classification.
struct TTrescInfor {
    int id = 0;
    int parentId = 0;   // IdRodz (0 at the top of the activity/event/cause tree)
    int level = 0;      // NrPoz
    QString code;       // Kod
    QString name;       // Nazwa
    QString shortName;  // Skrot (empty for occupations and activities)
    // "[" + code + "] " + name
    QString label() const;
};

// A classification tree in tree order (depth first, children in the order they were
// added). Each node knows its parent's index (-1 at the top) and its children.
struct CodeTree {
    std::vector<TTrescInfor> nodes;
    std::vector<int> parent;
    std::vector<int> childCount;

    int size() const { return int(nodes.size()); }
    bool empty() const { return nodes.empty(); }
    bool isLeaf(int i) const { return childCount[size_t(i)] == 0; }
    // The first node in tree order whose code equals the text exactly (case matters);
    // -1 when none does.
    int find(const QString& code) const;
    // The node under `parent` (-1: the top) whose code equals the text; -1 when none.
    int findChild(int parent, const QString& code) const;
    // The index of the node with that id (first in tree order); -1 when none.
    int indexOfId(int id) const;
    // The node under `parent` (-1: the top) with that id; -1 when none.
    int findChildId(int parent, int id) const;
};

// Reads the classification trees. The table must be one of the program's
// classification tables (CodeTables.h); the level of each statement is bound.
class CodeTreeLoader {
public:
    using Step = std::function<void()>;
    explicit CodeTreeLoader(Connection& connection) : m_c(connection) {}

    // The number of rows of the table (the progress window's maximum).
    int count(const QString& table);
    // A code table: one statement per level from 0 until a level is empty, rows in Id
    // order, each the last child of its parent; a row whose parent is not in the
    // tree goes to the top. `step` is called once per row read.
    CodeTree loadCodeTable(const QString& table, const Step& step = {});
    // An occupation classification (editions 1 to 4): the same levels; a row of a
    // level above 0 whose parent is not in the tree is left out.
    CodeTree loadOccupations(const QString& table, const Step& step = {});

    // The activity/event/cause classification of the services: the activities
    // (level 0, by name), for each its events (level 1, by id) and for each event
    // the distinct causes of the pair (level 2).
    int countActivities();
    CodeTree loadActivityEvents(const Step& step = {});

    // The statements as run (tests, the benchmark's floor).
    static QString countSql(const QString& table);
    static QString levelSql(const QString& table, bool withShortName);

private:
    CodeTree load(const QString& table, bool occupations, const Step& step);
    Connection& m_c;
};

// Narrows a classification tree to a search text. Tokens of digits match codes that
// begin with them; other tokens match names that contain them, ignoring case and
// Polish diacritics; a node matches when every token does. The matches are shown
// with their groups (expanded); a matching group with no match under it shows all
// it holds. The first occupation chosen is the first leaf that matches itself.
class CodeTreeSearch {
public:
    explicit CodeTreeSearch(const CodeTree& tree);

    struct Result {
        std::vector<char> visible;   // per node
        std::vector<char> expanded;  // per node: a shown group with shown children
        int found = 0;               // leaves shown
        int first = -1;              // the first leaf shown, in tree order (-1: none)
    };
    // An empty (or blank) text shows the whole tree, nothing expanded, first = -1.
    Result filter(const QString& text) const;

private:
    const CodeTree& m_tree;
    QStringList m_names;  // folded
};

// The text as searches compare it: lower case, Polish letters without diacritics.
QString foldForSearch(const QString& text);

// One activity/event/cause triple of an accident in service: level 0, 1, 2 codes,
// names and the ids of their rows (what the pages store; 0 when not known).
struct EventTriple {
    QString code[3];
    QString name[3];
    int id[3] = {0, 0, 0};
    bool sameCodes(const EventTriple& other) const;
    bool hasIds() const { return id[0] != 0 || id[1] != 0 || id[2] != 0; }
    // The same rows: by the ids when either triple has them, else by the codes.
    bool sameTriple(const EventTriple& other) const;
};

// Where a confirmed pick for row `row` of the four triples of an accident in
// service leads: nothing changes (the triple is the row's own), refused with the
// message (another row holds the same triple), or the row takes the pick. Triples
// compare as sameTriple.
enum class TripleOutcome { Unchanged, Duplicate, Taken };
TripleOutcome placeTriple(std::vector<EventTriple>& rows, int row, const EventTriple& picked);
QString duplicateTripleMessage();

} // namespace zort
