#pragma once
#include "db/Params.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

namespace zort {

class Connection;

// A user of the demo database; the README gives the same names and passwords.
struct DemoUser {
    const char* name;
    const char* password;
    const char* role;
};

// The users of a database made with "zortdb create FILE --demo".
inline constexpr std::array<DemoUser, 3> kDemoUsers = {{
    {"admin", "Admin1234", "administrator, every right"},
    {"inspektor", "Podglad123", "view-only register (AWYPADKI 1)"},
    {"specjalista", "Sekcja2Bhp", "full register (AWYPADKI 2), persons of its units only "
                                  "(AOsobWysw 0), Sekcja Transportu denied"},
}};

// Fills a new database with the demo firm, its people, users and accidents
// (DatabaseBuilder::Options::extraRows).
void loadDemoData(Connection& c);

namespace demo {

// Writes the demo rows. Every value is bound as a parameter; texts are cut to the
// width of their column (as the program's entry fields do) and digit texts bound to
// integer columns are converted; every table written is remembered, so that the
// ZORTDEMO register names them all.
class DemoWriter {
public:
    DemoWriter(Connection& c, const QDateTime& now);

    Connection& db() { return m_c; }
    // The creation moment of the database and its day: the demo is dated from it.
    const QDateTime& now() const { return m_now; }
    QDate today() const { return m_now.date(); }
    int year() const { return m_now.date().year(); }
    // The moment, or the creation moment when the moment lies after it.
    QDateTime notAfterNow(const QDateTime& moment) const;
    // Day `offset` of the current year (0 = 1 January), at most today.
    QDate dayOfYear(int offset) const;

    void insert(const QString& table, const Params& row);
    // One row per line of "a|b|c" text, the values in the order of the columns.
    void insertRows(const QString& table, const QStringList& columns, const QString& lines);
    // Notes a table filled by other means (the reference loaders).
    void wrote(const QString& table);
    // What a table's demo rows are, for ZORTDEMO.
    void describe(const QString& table, const QString& text);
    // Writes ZORTDEMO: one row per table written.
    void finish();

    // The NAZWA of the row with the code KOD; throws when the table lacks it.
    QString nameOf(const QString& table, const QString& code);

private:
    struct Column {
        int type = 0;    // RDB$FIELD_TYPE
        int length = 0;  // characters of a text column
    };
    const QHash<QString, Column>& columnsOf(const QString& table);

    Connection& m_c;
    QDateTime m_now;
    QHash<QString, QHash<QString, Column>> m_columns;
    QStringList m_tables;
    QHash<QString, QString> m_descriptions;
};

// A national identification number (PESEL) with a correct check digit for the
// birth date and sex (1 man, 2 woman); `serial` gives the three free digits.
QString pesel(const QDate& born, int sex, int serial);
// An identity card number: the series, its check digit and the five digits.
QString idCardNumber(const QString& series, int number);
// A tax number (NIP) or statistical number (REGON, 9 digits) completed with its
// check digit.
QString withNipCheck(const QString& nineDigits);
QString withRegonCheck(const QString& eightDigits);

void loadDictionaries(DemoWriter& w);
void loadOrganisation(DemoWriter& w);
void loadUsers(DemoWriter& w);
void loadAccidents(DemoWriter& w);
// The accidents in service of the variant for uniformed services, and the ranks of
// the officers among the persons.
void loadServiceAccidents(DemoWriter& w);
// The documents folder beside a local database file (its absolute path in OPARAM)
// with two outside files linked to the injured person; nothing for a database of a
// server.
void loadExternalDocuments(DemoWriter& w, int injured);

} // namespace demo
} // namespace zort
