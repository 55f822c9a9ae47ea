#include "domain/CodeListFile.h"

#include "core/Error.h"
#include "core/WholeFile.h"
#include "core/Win1250.h"
#include "db/Connection.h"

#include <QFile>
#include <QHash>
#include <QSqlQuery>
#include <QStringDecoder>

#include <functional>
#include <queue>

namespace zort {
namespace {

const QString kGroupPrefix = QStringLiteral("grp:");
const QByteArray kHeader = "code\tparent_code\tlevel\tname\n";
// The level is a SMALLINT column.
constexpr int kMaxLevel = 32767;

QString withoutGroupPrefix(const QString& code) {
    return code.startsWith(kGroupPrefix) ? code.mid(kGroupPrefix.size()) : code;
}

[[noreturn]] void failAt(int line, const QString& what) {
    throw Error(QStringLiteral("Wiersz %1: %2").arg(line).arg(what));
}

// The level field: a whole number from 0 up, digits only; -1 when it is not one.
int levelOf(const QString& text) {
    if (text.isEmpty() || text.size() > 5) return -1;
    for (QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return -1;
    const int level = text.toInt();
    return level <= kMaxLevel ? level : -1;
}

// A text of the line that the table's column must hold.
void checkText(int line, const QString& what, const QString& text, int width, const CodeTable& table) {
    if (text.size() > width)
        failAt(line, QStringLiteral("%1 ma długość %2, a w tabeli %3 mieści się najwyżej %4 znaków.")
                         .arg(what).arg(text.size()).arg(table.name).arg(width));
    const QString bad = win1250::unsupported(text);
    if (!bad.isEmpty())
        failAt(line, QStringLiteral("%1 zawiera znaki, których nie można zapisać w bazie danych "
                                    "(strona kodowa Windows-1250): %2.")
                         .arg(what, bad));
}

QString quoted(const QString& text) {
    return QStringLiteral("„%1”").arg(text);
}

// A text of the database as one field of a line.
QString asField(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

} // namespace

std::vector<CodeListFile::Row> CodeListFile::read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Nie można otworzyć pliku %1: %2").arg(path, f.errorString()));
    return parse(f.readAll());
}

std::vector<CodeListFile::Row> CodeListFile::parse(const QByteArray& contents) {
    std::vector<Row> rows;
    const QList<QByteArray> lines = contents.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        QStringDecoder decoder(QStringDecoder::Utf8);  // skips a byte order mark
        QString text = decoder(lines[i]);
        if (decoder.hasError()) failAt(line, QStringLiteral("tekst nie jest zapisany w UTF-8."));
        if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
        const QStringList f = text.split(QLatin1Char('\t'));
        if (line == 1) {
            // A file without its header would lose its first code unnoticed.
            if (f.size() >= 4 && levelOf(f[2].trimmed()) >= 0)
                failAt(line, QStringLiteral("brak nagłówka (code, parent_code, level, name); "
                                            "pierwszy wiersz pliku jest pomijany."));
            continue;
        }
        if (text.trimmed().isEmpty()) continue;
        if (f.size() < 4)
            failAt(line, QStringLiteral("za mało pól (%1 z 4: kod, kod nadrzędny, poziom, nazwa).").arg(f.size()));
        Row r;
        r.line = line;
        r.code = withoutGroupPrefix(f[0].trimmed());
        r.parentCode = withoutGroupPrefix(f[1].trimmed());
        r.name = f[3].trimmed();
        if (r.code.isEmpty()) failAt(line, QStringLiteral("brak kodu."));
        r.level = levelOf(f[2].trimmed());
        if (r.level < 0)
            failAt(line, QStringLiteral("poziom %1 nie jest liczbą całkowitą od 0 do %2.")
                             .arg(quoted(f[2].trimmed())).arg(kMaxLevel));
        rows.push_back(r);
    }
    return rows;
}

void CodeListFile::check(const std::vector<Row>& rows, const CodeTable& table) {
    if (rows.empty()) throw Error(QStringLiteral("Plik nie zawiera żadnego kodu."));
    const bool flat = table.kind == CodeTableKind::List;
    // Every code with its first line, to tell a parent given too late from an unknown one.
    QHash<QString, int> lineOf;
    for (size_t i = 0; i < rows.size(); ++i)
        if (!lineOf.contains(rows[i].code)) lineOf.insert(rows[i].code, rows[i].line ? rows[i].line : int(i) + 2);
    // The codes of the lines checked so far, with their levels.
    QHash<QString, int> levelOfCode;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const int line = r.line ? r.line : int(i) + 2;
        if (r.code.isEmpty()) failAt(line, QStringLiteral("brak kodu."));
        checkText(line, QStringLiteral("Kod %1").arg(quoted(r.code)), r.code, table.codeLength, table);
        if (levelOfCode.contains(r.code))
            failAt(line, QStringLiteral("kod %1 występuje już w wierszu %2.").arg(quoted(r.code)).arg(lineOf.value(r.code)));
        if (flat) {
            if (!r.parentCode.isEmpty())
                failAt(line, QStringLiteral("lista %1 nie ma kodów nadrzędnych, a podano %2.")
                                 .arg(table.name, quoted(r.parentCode)));
            if (r.level != 0)
                failAt(line, QStringLiteral("poziom %1, a lista %2 ma tylko poziom 0.").arg(r.level).arg(table.name));
        } else if (!r.parentCode.isEmpty()) {
            if (r.parentCode == r.code)
                failAt(line, QStringLiteral("kod %1 nie może być swoim kodem nadrzędnym.").arg(quoted(r.code)));
            if (!levelOfCode.contains(r.parentCode)) {
                if (lineOf.contains(r.parentCode))
                    failAt(line, QStringLiteral("kod nadrzędny %1 występuje dopiero w wierszu %2; "
                                                "musi poprzedzać kody, które obejmuje.")
                                     .arg(quoted(r.parentCode)).arg(lineOf.value(r.parentCode)));
                failAt(line, QStringLiteral("nieznany kod nadrzędny %1.").arg(quoted(r.parentCode)));
            }
            if (r.level == 0)
                failAt(line, QStringLiteral("kod poziomu 0 nie może mieć kodu nadrzędnego (podano %1).")
                                 .arg(quoted(r.parentCode)));
            const int parentLevel = levelOfCode.value(r.parentCode);
            if (r.level != parentLevel + 1)
                failAt(line, QStringLiteral("poziom %1 nie pasuje do kodu nadrzędnego %2 z poziomu %3; powinien być %4.")
                                 .arg(r.level).arg(quoted(r.parentCode)).arg(parentLevel).arg(parentLevel + 1));
        }
        if (r.name.isEmpty()) failAt(line, QStringLiteral("brak nazwy."));
        checkText(line, QStringLiteral("Nazwa"), r.name, table.nameLength, table);
        levelOfCode.insert(r.code, r.level);
    }
}

int CodeListFile::import(Connection& c, const CodeTable& table, const std::vector<Row>& rows, bool replace) {
    check(rows, table);
    // The table's name is the program's own (codeTables()), never the caller's text.
    Transaction t(c);
    const int present = c.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table.name)).toInt();
    if (present > 0) {
        if (!replace)
            throw Error(QStringLiteral("Tabela %1 zawiera już %2; użyj --replace, aby je zastąpić.")
                            .arg(table.name, rowCountText(present)));
        c.execute(QStringLiteral("DELETE FROM %1").arg(table.name));
    }
    int id = 0;
    if (table.kind == CodeTableKind::List) {
        PreparedStatement insert(c, QStringLiteral("INSERT INTO %1 (ID, KOD, NAZWA, SKROT) "
                                                   "VALUES (:id, :kod, :nazwa, :skrot)").arg(table.name));
        for (const Row& r : rows)
            insert.execute(Params{{"id", ++id}, {"kod", r.code}, {"nazwa", r.name},
                                  {"skrot", r.name.left(table.shortLength)}});
    } else {
        const bool withShort = table.shortLength > 0;
        PreparedStatement insert(
            c, withShort ? QStringLiteral("INSERT INTO %1 (ID, IDRODZ, NRPOZ, KOD, NAZWA, SKROT) "
                                          "VALUES (:id, :rodz, :poz, :kod, :nazwa, :skrot)").arg(table.name)
                         : QStringLiteral("INSERT INTO %1 (ID, IDRODZ, NRPOZ, KOD, NAZWA) "
                                          "VALUES (:id, :rodz, :poz, :kod, :nazwa)").arg(table.name));
        QHash<QString, int> idOf;
        for (const Row& r : rows) {
            idOf.insert(r.code, ++id);
            Params p{{"id", id}, {"rodz", r.parentCode.isEmpty() ? 0 : idOf.value(r.parentCode)},
                     {"poz", r.level}, {"kod", r.code}, {"nazwa", r.name}};
            if (withShort) p.set(QStringLiteral("skrot"), r.name.left(table.shortLength));
            insert.execute(p);
        }
    }
    t.commit();
    return id;
}

std::vector<CodeListFile::Row> CodeListFile::rowsOf(Connection& c, const CodeTable& table) {
    std::vector<Row> out;
    if (table.kind == CodeTableKind::List) {
        const QString sql = QStringLiteral("SELECT KOD, NAZWA FROM %1 ORDER BY ID").arg(table.name);
        QSqlQuery q = c.run(sql);
        while (q.next()) out.push_back(Row{0, q.value(0).toString(), QString(), 0, q.value(1).toString()});
        Connection::checkFetched(q, sql);
        return out;
    }

    struct Stored {
        int id, parent, level;
        QString code, name;
    };
    std::vector<Stored> stored;
    const QString sql = QStringLiteral("SELECT ID, IDRODZ, NRPOZ, KOD, NAZWA FROM %1 ORDER BY ID").arg(table.name);
    QSqlQuery q = c.run(sql);
    while (q.next())
        stored.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toString(),
                          q.value(4).toString()});
    Connection::checkFetched(q, sql);

    // Rows by id, each after its parent: a row is written once its parent is, the
    // lowest id of those ready first. Ids given in file order (as import gives them)
    // come back in the same order. A row whose parent is missing starts a tree of its
    // own; so does the lowest row of a parent loop, so that every row is written once.
    QHash<int, size_t> indexOf;
    for (size_t i = 0; i < stored.size(); ++i) indexOf.insert(stored[i].id, i);
    QHash<int, std::vector<size_t>> children;
    std::priority_queue<size_t, std::vector<size_t>, std::greater<>> ready;
    for (size_t i = 0; i < stored.size(); ++i) {
        const Stored& s = stored[i];
        if (s.parent != s.id && indexOf.contains(s.parent)) children[s.parent].push_back(i);
        else ready.push(i);
    }
    std::vector<bool> written(stored.size(), false);
    QHash<size_t, QString> parentCodeOf;
    size_t next = 0;  // the lowest row that may not have been written
    while (out.size() < stored.size()) {
        if (ready.empty()) {
            while (written[next]) ++next;
            ready.push(next);
        }
        const size_t i = ready.top();
        ready.pop();
        if (written[i]) continue;
        written[i] = true;
        const Stored& s = stored[i];
        out.push_back(Row{0, s.code, parentCodeOf.value(i), s.level, s.name});
        for (size_t k : children.value(s.id)) {
            parentCodeOf.insert(k, s.code);
            ready.push(k);
        }
    }
    return out;
}

QByteArray CodeListFile::format(const std::vector<Row>& rows) {
    QByteArray out = kHeader;
    for (const Row& r : rows) {
        out += asField(r.code).toUtf8() + '\t' + asField(r.parentCode).toUtf8() + '\t' + QByteArray::number(r.level) +
               '\t' + asField(r.name).toUtf8() + '\n';
    }
    return out;
}

int CodeListFile::exportTo(Connection& c, const CodeTable& table, const QString& path) {
    const std::vector<Row> rows = rowsOf(c, table);
    writeWholeFile(path, format(rows));
    return int(rows.size());
}

QString CodeListFile::rowCountText(int n) {
    const int tens = n % 100;
    const int units = n % 10;
    if (n == 1) return QStringLiteral("1 wiersz");
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) return QStringLiteral("%1 wiersze").arg(n);
    return QStringLiteral("%1 wierszy").arg(n);
}

} // namespace zort
