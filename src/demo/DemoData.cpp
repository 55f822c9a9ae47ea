#include "demo/DemoData.h"

#include "core/Clock.h"
#include "db/Connection.h"
#include "db/DatabaseBuilder.h"
#include "db/Dataset.h"

namespace zort {

void loadDemoData(Connection& c) {
    demo::DemoWriter w(c, Clock::now());
    demo::loadDictionaries(w);
    demo::loadOrganisation(w);
    demo::loadUsers(w);
    demo::loadAccidents(w);
    demo::loadServiceAccidents(w);
    w.finish();
}

namespace demo {
namespace {

// RDB$FIELD_TYPE values of the column types the demo binds.
constexpr int kSmallint = 7;
constexpr int kInteger = 8;
constexpr int kBigint = 16;
constexpr int kChar = 14;
constexpr int kVarchar = 37;

} // namespace

DemoWriter::DemoWriter(Connection& c, const QDateTime& now) : m_c(c), m_now(now) {}

QDateTime DemoWriter::notAfterNow(const QDateTime& moment) const {
    return moment > m_now ? m_now : moment;
}

QDate DemoWriter::dayOfYear(int offset) const {
    const QDate d = QDate(year(), 1, 1).addDays(offset);
    return d > today() ? today() : d;
}

const QHash<QString, DemoWriter::Column>& DemoWriter::columnsOf(const QString& table) {
    auto it = m_columns.find(table);
    if (it != m_columns.end()) return *it;
    Dataset ds(&m_c, QStringLiteral(
        "SELECT TRIM(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, COALESCE(f.RDB$CHARACTER_LENGTH, 0) "
        "FROM RDB$RELATION_FIELDS rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
        "WHERE rf.RDB$RELATION_NAME = :t"));
    ds.setParam(QStringLiteral("t"), table);
    ds.open();
    QHash<QString, Column> cols;
    for (ds.first(); !ds.eof(); ds.next())
        cols.insert(ds.field(0).asTrimmed(), Column{int(ds.field(1).asInt()), int(ds.field(2).asInt())});
    if (cols.isEmpty()) throw DbError(QStringLiteral("Brak tabeli %1.").arg(table));
    return *m_columns.insert(table, cols);
}

void DemoWriter::insert(const QString& table, const Params& row) {
    const QString t = table.toUpper();
    const auto& cols = columnsOf(t);
    Params p;
    QStringList names;
    QStringList marks;
    for (const auto& [name, value] : row.items()) {
        const QString col = name.toUpper();
        const auto it = cols.find(col);
        if (it == cols.end()) throw DbError(QStringLiteral("Brak kolumny %1.%2.").arg(t, col));
        QVariant v = value;
        if (v.metaType().id() == QMetaType::QString) {
            const QString s = v.toString();
            if (it->type == kSmallint || it->type == kInteger || it->type == kBigint) {
                bool ok = false;
                v = s.toLongLong(&ok);
                if (!ok) throw DbError(QStringLiteral("%1.%2: \"%3\" nie jest liczbą.").arg(t, col, s));
            } else if ((it->type == kChar || it->type == kVarchar) && it->length > 0) {
                v = s.left(it->length);
            }
        }
        names << col;
        marks << QLatin1Char(':') + col;
        p.set(col, v);
    }
    m_c.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(t, names.join(", "), marks.join(", ")), p);
    wrote(t);
}

void DemoWriter::wrote(const QString& table) {
    const QString t = table.toUpper();
    if (!m_tables.contains(t)) m_tables << t;
}

void DemoWriter::insertRows(const QString& table, const QStringList& columns, const QString& lines) {
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty()) continue;
        const QStringList values = line.trimmed().split(QLatin1Char('|'));
        if (values.size() != columns.size())
            throw DbError(QStringLiteral("%1: zła liczba wartości w wierszu \"%2\".").arg(table, line));
        Params p;
        for (int i = 0; i < columns.size(); ++i) p.set(columns.at(i), values.at(i));
        insert(table, p);
    }
}

void DemoWriter::describe(const QString& table, const QString& text) {
    m_descriptions.insert(table.toUpper(), text);
}

void DemoWriter::finish() {
    for (const QString& t : m_tables) {
        const QString text = m_descriptions.value(t, QStringLiteral("Dane pokazowe"));
        m_c.execute(QStringLiteral("INSERT INTO ZORTDEMO (TABELA, OPIS) VALUES (:t, :o)"),
                    Params{{"t", t}, {"o", text}});
    }
}

QString DemoWriter::nameOf(const QString& table, const QString& code) {
    const QVariant v = m_c.scalar(QStringLiteral("SELECT NAZWA FROM %1 WHERE KOD = :k").arg(table),
                                  Params{{"k", code}});
    if (!v.isValid() || v.isNull()) throw DbError(QStringLiteral("Brak kodu %1 w tabeli %2.").arg(code, table));
    return v.toString();
}

namespace {

int weightedSum(const QString& digits, std::initializer_list<int> weights) {
    int sum = 0;
    int i = 0;
    for (int w : weights) sum += digits.at(i++).digitValue() * w;
    return sum;
}

} // namespace

QString pesel(const QDate& born, int sex, int serial) {
    // Births of 2000 to 2099 add 20 to the month.
    const int month = born.month() + (born.year() >= 2000 ? 20 : 0);
    // The tenth digit is odd for men and even for women.
    int sexDigit = serial % 10;
    if ((sexDigit % 2 == 1) != (sex == 1)) sexDigit = (sexDigit + 1) % 10;
    QString s = QStringLiteral("%1%2%3%4%5")
                    .arg(born.year() % 100, 2, 10, QLatin1Char('0'))
                    .arg(month, 2, 10, QLatin1Char('0'))
                    .arg(born.day(), 2, 10, QLatin1Char('0'))
                    .arg((serial / 10) % 1000, 3, 10, QLatin1Char('0'))
                    .arg(sexDigit);
    const int sum = weightedSum(s, {1, 3, 7, 9, 1, 3, 7, 9, 1, 3});
    return s + QString::number((10 - sum % 10) % 10);
}

QString idCardNumber(const QString& series, int number) {
    // Letters count from 10 (A); weights 7, 3, 1 over the series and 7, 3, 1, 7, 3
    // over the digits; the check digit stands first among the digits.
    const QString digits = QStringLiteral("%1").arg(number, 5, 10, QLatin1Char('0'));
    const int letterWeights[] = {7, 3, 1};
    const int digitWeights[] = {7, 3, 1, 7, 3};
    int sum = 0;
    for (int i = 0; i < 3; ++i) sum += (series.at(i).unicode() - 'A' + 10) * letterWeights[i];
    for (int i = 0; i < 5; ++i) sum += digits.at(i).digitValue() * digitWeights[i];
    return series + QString::number(sum % 10) + digits;
}

QString withNipCheck(const QString& nineDigits) {
    const int check = weightedSum(nineDigits, {6, 5, 7, 2, 3, 4, 5, 6, 7}) % 11;
    if (check == 10) throw DbError(QStringLiteral("NIP %1: brak cyfry kontrolnej.").arg(nineDigits));
    return nineDigits + QString::number(check);
}

QString withRegonCheck(const QString& eightDigits) {
    const int check = weightedSum(eightDigits, {8, 9, 2, 3, 4, 5, 6, 7}) % 11;
    return eightDigits + QString::number(check % 10);
}

} // namespace demo
} // namespace zort
