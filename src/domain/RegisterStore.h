#pragma once
#include "domain/RegisterSql.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace zort {

class Connection;
class Params;

// What a new record is created with: the reference date (dataOdn), the moment of
// creation (dataNow), this computer and the register it is added to.
struct NewRecordStamp {
    QDateTime reference;
    QDateTime now;
    QString computer;
    RegisterScope scope;

    // dataOdnT: the reference date's day with the current time of day (to the second).
    QDateTime referenceWithTimeOfNow() const;
    YearBounds year() const { return YearBounds::of(reference); }
};

// The keys and numbers a new record got.
struct NewRecord {
    int id = 0;
    int number = 0;          // NUMER of an accident; NUMERKARTY of an injured person
    int protocolNumber = 0;  // NUMERPROT of an injured person
    int personNumber = 0;    // NRPOSZK of an injured officer
};

struct NewAccident {
    NewRecord accident;
    NewRecord person;  // its first injured person
};

// The records of the registers in the database: numbering, creation and deletion
// with everything that depends on a record. No window and no message: errors are
// thrown as DbError (a deletion has been rolled back by then).
class RegisterStore {
public:
    explicit RegisterStore(Connection& c) : m_c(c) {}

    // An accident at work with its first injured person, in one transaction.
    NewAccident addAccident(const NewRecordStamp& stamp, int cardVersion);
    NewRecord addInjuredPerson(const NewRecordStamp& stamp, int accidentId);
    // The keys are filled in before the insertion, so that a failure can name them.
    void addCommutingAccident(const NewRecordStamp& stamp, const QString& hour, NewRecord& out);
    NewRecord addOtherAccident(const NewRecordStamp& stamp);
    NewRecord addOtherInjuredPerson(const NewRecordStamp& stamp, int accidentId);

    // Deletions in one transaction each.
    void deleteAccident(int id);
    void deleteCommutingAccident(int id);
    void deleteOtherAccident(int id);
    // An accident always keeps one injured person: false (nothing deleted) when the
    // person is the accident's last one.
    bool deleteInjuredPerson(int accidentId, int personId);
    bool deleteOtherInjuredPerson(int accidentId, int personId);

    int countInjuredPersons(int accidentId);
    int countOtherInjuredPersons(int accidentId);
    // The next protocol or accident-card number of the year (of all registers).
    int nextDocumentNumber(DocumentKind kind, const YearBounds& year);
    // Accidents at work (of every year) that have an injured person with TYPWYP
    // above 1: their ids and dates.
    std::vector<std::pair<int, QDateTime>> notRecognised();

    // The next key of a table; the next numbers of the ranges (1 when the range is empty).
    int nextKey(const QString& table);
    int nextAccidentNumber(const RegisterScope& scope, const YearBounds& year);
    int nextCommutingNumber(const RegisterScope& scope, const YearBounds& year);
    int nextOtherNumber(const YearBounds& year);

private:
    // Largest value + 1 of the first column of a statement.
    int nextOf(const QString& sql, const Params& params);
    // The statistical-card and protocol numbers after MAX(NumerKarty), MAX(NumerProt).
    void nextCardNumbers(const QString& sql, const Params& params, NewRecord& r);
    NewRecord insertInjuredPerson(const NewRecordStamp& stamp, int accidentId);
    void runDeletion(const QStringList& statements, const Params& params);
    // Deletes a person unless it is the last of its accident; under the lock of the
    // persons' table, so that two workstations cannot delete the last two at once.
    bool deletePerson(const QString& table, const QString& countSql, const QStringList& statements,
                      int accidentId, int personId);

    Connection& m_c;
};

} // namespace zort
