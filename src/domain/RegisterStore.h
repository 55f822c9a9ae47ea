#pragma once
#include "db/ColumnTypes.h"
#include "db/DbError.h"
#include "db/RecordValues.h"
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

// A change refused because another computer holds the accident (its take, see
// Takes); the message is the take message naming that computer.
class AccidentHeld : public DbError {
public:
    AccidentHeld(const QString& holder, const QDateTime& since);
    QString holder;
    QDateTime since;
};

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

// The records of the registers in the database: numbering, creation, saving and
// deletion with everything that depends on a record. No window and no message:
// errors are thrown as DbError (the work has been rolled back by then), refused
// values as ValueRefused (nothing has been written).
class RegisterStore {
public:
    // Whether a save writes the accident's WYPIZ given with its values: the protocol
    // chooses the kind ("indywidualny" / "zbiorowy") itself.
    enum class KindWrite { Kept, Given };

    explicit RegisterStore(Connection& c);

    // The message of a save whose row another workstation deleted meanwhile.
    static QString recordGoneMessage() { return zort::recordGoneMessage(); }

    // An accident at work with its first injured person, in one transaction.
    NewAccident addAccident(const NewRecordStamp& stamp, int cardVersion);
    // An injured person of the accident; in the same transaction the accident's
    // POSZKODOWANI becomes the number of its persons, WYPIZ 1 ("zbiorowy") when there
    // are now exactly 2, and DATAZGMIN the earliest report date of its persons.
    NewRecord addInjuredPerson(const NewRecordStamp& stamp, int accidentId);
    // The keys are filled in before the insertion, so that a failure can name them.
    void addCommutingAccident(const NewRecordStamp& stamp, const QString& hour, NewRecord& out);
    NewRecord addOtherAccident(const NewRecordStamp& stamp);
    // As addInjuredPerson, for WYPOPER_WYPADKI.
    NewRecord addOtherInjuredPerson(const NewRecordStamp& stamp, int accidentId);

    // The saves of the entry pages, one transaction each. Every value of both rows is
    // converted for its column before any statement runs: a value that its column
    // cannot take throws ValueRefused and nothing is written. Each UPDATE names its
    // row by the ids given and must change exactly that row; when it is gone, the
    // whole save is rolled back and DbError(recordGoneMessage()) thrown. The person
    // is written first, then the accident with DATAZGMIN, the earliest report date
    // of all its persons (the saved person's new one included; null and zero dates
    // left out; null when there is none). The accident's POSZKODOWANI, WYPIZ and
    // DATAZGMIN are kept by the store itself: values given for them are left out.
    //
    // An accident at work with its injured person (the person is skipped when
    // personId is 0 or `person` is empty).
    void saveAccident(int accidentId, const RowValues& accident, int personId, const RowValues& person,
                      KindWrite kind = KindWrite::Kept);
    // The injured person alone, and the accident's DATAZGMIN.
    void savePerson(int accidentId, int personId, const RowValues& person);
    // A commuting accident (SKWWYPADKIWDRODZE); nothing to write without values.
    void saveCommuting(int id, const RowValues& values);
    // An other accident (WYPOPER_WYPADKI) with its injured officer (WYPOPER_POSZKODOWANI).
    void saveOther(int accidentId, const RowValues& accident, int personId, const RowValues& person);

    // The column types of the database, as the saves read them (the connection's).
    ColumnTypes& columnTypes() { return m_types; }

    // Deletions in one transaction each. An accident that another computer holds
    // (a take of another computer name than Workstation::computerName()) is not
    // touched: AccidentHeld is thrown. The accident's row is locked against takes
    // for the transaction, so that no take can begin while it is being deleted.
    void deleteAccident(int id);
    void deleteCommutingAccident(int id);
    void deleteOtherAccident(int id);
    // An accident always keeps one injured person: false (nothing deleted) when the
    // person is the accident's last one. In the same transaction the accident's
    // POSZKODOWANI becomes the number of its persons left, WYPIZ 0 ("indywidualny")
    // when exactly 1 is left, and DATAZGMIN the earliest report date of the rest.
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
    struct Tables;  // an accident table with its persons' table
    // Largest value + 1 of the first column of a statement.
    int nextOf(const QString& sql, const Params& params);
    // The statistical-card and protocol numbers after MAX(NumerKarty), MAX(NumerProt).
    void nextCardNumbers(const QString& sql, const Params& params, NewRecord& r);
    NewRecord insertInjuredPerson(const NewRecordStamp& stamp, int accidentId);
    void runDeletion(const QString& accidents, const QStringList& statements, const Params& params);
    // In a transaction: locks the accident's row (a take of another computer waits
    // for the end of the transaction) and throws AccidentHeld when another computer
    // holds it. A missing accident is no refusal.
    void refuseIfHeld(const QString& accidents, int accidentId);
    // Deletes a person unless it is the last of its accident; under the lock of the
    // persons' table, so that two workstations cannot delete the last two at once.
    bool deletePerson(const Tables& t, const QStringList& statements, int accidentId, int personId);
    // After a person was added or deleted, in its transaction: the accident's count,
    // its kind when `kindAt` persons are left (WYPIZ `kind`), and DATAZGMIN.
    void updatePersonCount(const Tables& t, int accidentId, int kindAt, int kind);
    QVariant earliestReportDate(const Tables& t, int accidentId);
    void saveTwoRows(const Tables& t, int accidentId, const RowValues& accident, int personId,
                     const RowValues& person, KindWrite kind = KindWrite::Kept);

    Connection& m_c;
    ColumnTypes& m_types;
};

} // namespace zort
