#include "domain/RegisterStore.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/NumberLock.h"

#include <QTime>

namespace zort {
namespace {

const QString kAccidents = QStringLiteral("SKWWYPADKI");
const QString kPersons = QStringLiteral("SKWPOSZKODOWANI");
const QString kCommuting = QStringLiteral("SKWWYPADKIWDRODZE");
const QString kOther = QStringLiteral("WYPOPER_WYPADKI");
const QString kOtherPersons = QStringLiteral("WYPOPER_POSZKODOWANI");

Params yearParams(const RegisterScope& scope, const YearBounds& year) {
    Params p{{"od", year.from}, {"do", year.to}};
    if (scope.linked()) p.setInt(QStringLiteral("IdRejestr"), scope.registerId);
    return p;
}

// Inserts the membership of a new record when the register is a real one.
void insertMembership(Connection& c, const RegisterScope& scope, RegisterTable table, int id) {
    if (!scope.linked()) return;
    c.execute(registersql::insertMembership(table), Params{{"IdRejestr", scope.registerId}, {"IdWyp", id}});
}

} // namespace

QDateTime NewRecordStamp::referenceWithTimeOfNow() const {
    const QTime t = now.time();
    return QDateTime(reference.date(), QTime(t.hour(), t.minute(), t.second()));
}

int RegisterStore::nextOf(const QString& sql, const Params& params) {
    const QVariant v = m_c.scalar(sql, params);
    return v.isNull() || !v.isValid() ? 1 : v.toInt() + 1;
}

void RegisterStore::nextCardNumbers(const QString& sql, const Params& params, NewRecord& r) {
    QSqlQuery q = m_c.run(sql, params);
    const bool row = q.next();
    Connection::checkFetched(q, sql);
    r.number = row && !q.value(0).isNull() ? q.value(0).toInt() + 1 : 1;
    r.protocolNumber = row && !q.value(1).isNull() ? q.value(1).toInt() + 1 : 1;
}

int RegisterStore::nextKey(const QString& table) { return nextOf(registersql::maxKey(table), {}); }

int RegisterStore::nextAccidentNumber(const RegisterScope& scope, const YearBounds& year) {
    return nextOf(registersql::accidentNumber(scope), yearParams(scope, year));
}

int RegisterStore::nextCommutingNumber(const RegisterScope& scope, const YearBounds& year) {
    return nextOf(registersql::commutingNumber(scope), yearParams(scope, year));
}

int RegisterStore::nextOtherNumber(const YearBounds& year) {
    return nextOf(registersql::otherNumber(), yearParams({}, year));
}

NewRecord RegisterStore::insertInjuredPerson(const NewRecordStamp& stamp, int accidentId) {
    NewRecord r;
    r.id = nextKey(kPersons);
    nextCardNumbers(registersql::cardNumbers(stamp.scope), yearParams(stamp.scope, stamp.year()), r);
    m_c.execute(registersql::insertInjuredPerson(), Params{{"ID", r.id},
                                                           {"IDWYPADKU", accidentId},
                                                           {"NUMERKARTY", r.number},
                                                           {"NUMERPROT", r.protocolNumber},
                                                           {"DataOdn", stamp.reference}});
    return r;
}

NewAccident RegisterStore::addAccident(const NewRecordStamp& stamp, int cardVersion) {
    NewAccident out;
    NumberLock::run(m_c, {kAccidents, kPersons}, [&]() {
        NewRecord& a = out.accident;
        a.id = nextKey(kAccidents);
        a.number = nextAccidentNumber(stamp.scope, stamp.year());
        m_c.execute(registersql::insertAccident(), Params{{"ID", a.id},
                                                          {"NUMER", a.number},
                                                          {"dataOdnT", stamp.referenceWithTimeOfNow()},
                                                          {"dataOdn", stamp.reference},
                                                          {"CompName", stamp.computer.left(15)},
                                                          {"dataNow", stamp.now},
                                                          {"WersjaSKW", cardVersion}});
        insertMembership(m_c, stamp.scope, RegisterTable::Accidents, a.id);
        out.person = insertInjuredPerson(stamp, a.id);
    });
    return out;
}

NewRecord RegisterStore::addInjuredPerson(const NewRecordStamp& stamp, int accidentId) {
    NewRecord out;
    NumberLock::run(m_c, {kPersons}, [&]() { out = insertInjuredPerson(stamp, accidentId); });
    return out;
}

void RegisterStore::addCommutingAccident(const NewRecordStamp& stamp, const QString& hour, NewRecord& out) {
    NumberLock::run(m_c, {kCommuting}, [&]() {
        out.id = nextKey(kCommuting);
        out.number = nextCommutingNumber(stamp.scope, stamp.year());
        m_c.execute(registersql::insertCommutingAccident(), Params{{"ID", out.id},
                                                                   {"NUMER", out.number},
                                                                   {"dataOdnT", stamp.referenceWithTimeOfNow()},
                                                                   {"czas", hour},
                                                                   {"CompName", stamp.computer.left(15)},
                                                                   {"dataNow", stamp.now},
                                                                   {"dataOdn", stamp.reference}});
        insertMembership(m_c, stamp.scope, RegisterTable::Commuting, out.id);
    });
}

NewRecord RegisterStore::addOtherAccident(const NewRecordStamp& stamp) {
    NewRecord out;
    NumberLock::run(m_c, {kOther}, [&]() {
        out.id = nextKey(kOther);
        out.number = nextOtherNumber(stamp.year());
        m_c.execute(registersql::insertOtherAccident(), Params{{"ID", out.id},
                                                               {"Numer", out.number},
                                                               {"dataOdnT", stamp.referenceWithTimeOfNow()},
                                                               {"dataOdn", stamp.reference},
                                                               {"CompName", stamp.computer.left(15)},
                                                               {"dataNow", stamp.now}});
    });
    return out;
}

NewRecord RegisterStore::addOtherInjuredPerson(const NewRecordStamp& stamp, int accidentId) {
    NewRecord out;
    NumberLock::run(m_c, {kOtherPersons}, [&]() {
        out.id = nextKey(kOtherPersons);
        nextCardNumbers(registersql::otherCardNumbers(), yearParams({}, stamp.year()), out);
        out.personNumber = nextOf(registersql::otherPersonNumber(), Params{{"idwyp", accidentId}});
        m_c.execute(registersql::insertOtherInjuredPerson(), Params{{"ID", out.id},
                                                                    {"IDWYPADKU", accidentId},
                                                                    {"NumerKarty", out.number},
                                                                    {"NumerProt", out.protocolNumber},
                                                                    {"NrPoszk", out.personNumber},
                                                                    {"DataOdn", stamp.reference}});
    });
    return out;
}

void RegisterStore::runDeletion(const QStringList& statements, const Params& params) {
    Transaction t(m_c);
    for (const QString& sql : statements) m_c.execute(sql, params);
    t.commit();
}

void RegisterStore::deleteAccident(int id) { runDeletion(registersql::deleteAccident(), Params{{"Id", id}}); }

bool RegisterStore::deletePerson(const QString& table, const QString& countSql, const QStringList& statements,
                                 int accidentId, int personId) {
    bool deleted = false;
    NumberLock::run(m_c, {table}, [&]() {
        deleted = false;
        if (m_c.scalar(countSql, Params{{"IdWypadku", accidentId}}).toInt() <= 1) return;
        const Params p{{"Id", accidentId}, {"IdPoszk", personId}};
        for (const QString& sql : statements) m_c.execute(sql, p);
        deleted = true;
    });
    return deleted;
}

bool RegisterStore::deleteInjuredPerson(int accidentId, int personId) {
    return deletePerson(kPersons, registersql::countInjuredPersons(), registersql::deleteInjuredPerson(), accidentId,
                        personId);
}

void RegisterStore::deleteCommutingAccident(int id) {
    runDeletion(registersql::deleteCommutingAccident(), Params{{"Id", id}});
}

void RegisterStore::deleteOtherAccident(int id) {
    runDeletion(registersql::deleteOtherAccident(), Params{{"Id", id}});
}

bool RegisterStore::deleteOtherInjuredPerson(int accidentId, int personId) {
    return deletePerson(kOtherPersons, registersql::countOtherInjuredPersons(), registersql::deleteOtherInjuredPerson(),
                        accidentId, personId);
}

int RegisterStore::countInjuredPersons(int accidentId) {
    return m_c.scalar(registersql::countInjuredPersons(), Params{{"IdWypadku", accidentId}}).toInt();
}

int RegisterStore::countOtherInjuredPersons(int accidentId) {
    return m_c.scalar(registersql::countOtherInjuredPersons(), Params{{"IdWypadku", accidentId}}).toInt();
}

int RegisterStore::nextDocumentNumber(DocumentKind kind, const YearBounds& year) {
    return nextOf(registersql::documentNumber(kind), yearParams({}, year));
}

std::vector<std::pair<int, QDateTime>> RegisterStore::notRecognised() {
    Dataset ds(&m_c, registersql::notRecognised());
    ds.open();
    std::vector<std::pair<int, QDateTime>> out;
    out.reserve(size_t(ds.recordCount()));
    for (int r = 0; r < ds.recordCount(); ++r)
        out.emplace_back(int(ds.fieldAt(r, 0).asInt()), ds.fieldAt(r, 1).asDateTime());
    return out;
}

} // namespace zort
