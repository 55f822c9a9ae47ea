#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zort {

// Which accidents a register holds. Outside registers mode: all of them. In
// registers mode: those linked to the current register in SKWRejestrWyp; the
// register 0 (offered to the user "admin") stands for the accidents linked to none.
struct RegisterScope {
    bool registersMode = false;
    int registerId = 0;

    bool linked() const { return registersMode && registerId != 0; }
    bool unassigned() const { return registersMode && registerId == 0; }
};

// The register year of a reference date: 1 January of its year (inclusive) and of
// the next year (exclusive), naive midnights.
struct YearBounds {
    int year = 0;
    QDateTime from;
    QDateTime to;
    static YearBounds of(const QDateTime& reference);
};

// Which table SKWRejestrWyp.TabWyp names.
enum class RegisterTable { Accidents = 1, Commuting = 2 };

enum class DocumentKind { Protocol, AccidentCard };

// The statements of the registers: numbering, lists, insertions and deletions.
// Every value is a parameter: the year bounds :od and :do (:DataOd and :DataDo in
// the lists), the register :IdRejestr, keys and dates by name.
namespace registersql {

// "select Max(ID) from " + table.
QString maxKey(const QString& table);

QString accidentNumber(const RegisterScope& scope);
QString commutingNumber(const RegisterScope& scope);
QString otherNumber();
// MAX(NumerKarty), MAX(NumerProt) of the injured persons of the accidents dated in the year.
QString cardNumbers(const RegisterScope& scope);
QString documentNumber(DocumentKind kind);
QString otherCardNumbers();
QString otherPersonNumber();  // per accident, :idwyp

QString accidentList(const RegisterScope& scope);
QString personList();
QString commutingList(const RegisterScope& scope);
QString otherList();
QString otherPersonList();

QString countInjuredPersons();
QString countOtherInjuredPersons();
// The accidents at work of every year with an injured person whose TYPWYP is above 1.
QString notRecognised();

QString insertAccident();
QString insertInjuredPerson();
QString insertCommutingAccident();
QString insertOtherAccident();
QString insertOtherInjuredPerson();
// :IdRejestr, :IdWyp and the table's TabWyp.
QString insertMembership(RegisterTable table);

// The saves of the entry pages: " Update " + table + " set " + list, the row named by
// :RecordId (and its accident by :AccidentId); the accident also gets DATAZGMIN from
// :data_1. An empty list leaves the accident with DATAZGMIN alone.
QString updateAccident(const QString& table, const QString& setList);
QString updatePerson(const QString& table, const QString& setList);
QString updateCommuting(const QString& setList);
// The earliest report date (DATAZG) of the persons of the accident :IdWypadku, null
// dates and the zero date (the day from :ZeroDay to :DayAfterZero) left out.
QString earliestReportDate(const QString& personTable);
// The number of injured persons :Poszkodowani and DATAZGMIN :DataZgMin of the
// accident :Id, with its kind :WypIZ when `withKind`.
QString updatePersonCount(const QString& accidentTable, bool withKind);

// The deletions of a record with everything that depends on it, in their order:
// attachments, hearings and orders, links to external documents, the rows, every
// register membership. Parameters :Id (accident) and :IdPoszk (injured person).
QStringList deleteAccident();
QStringList deleteInjuredPerson();
QStringList deleteCommutingAccident();
QStringList deleteOtherAccident();
QStringList deleteOtherInjuredPerson();

} // namespace registersql
} // namespace zort
