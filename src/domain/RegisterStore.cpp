#include "domain/RegisterStore.h"

#include "core/Clock.h"
#include "core/DateUtil.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/NumberLock.h"
#include "domain/Takes.h"

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

// The parameters the save statements bind themselves.
const QStringList kOwnParams{QStringLiteral("RecordId"), QStringLiteral("AccidentId"), QStringLiteral("data_1")};

// The accident's columns that the store keeps itself: the count and kind follow the
// insertions and deletions of its persons, DATAZGMIN their report dates.
bool keptByStore(const QString& column) {
    static const QStringList kept{QStringLiteral("POSZKODOWANI"), QStringLiteral("WYPIZ"), QStringLiteral("DATAZGMIN")};
    return kept.contains(column.trimmed(), Qt::CaseInsensitive);
}

// "COL = :param, ..." (null values as "COL = NULL"), adding the values to the parameters.
QString setList(const QList<BoundValue>& values, Params& params) {
    QStringList parts;
    for (const BoundValue& v : values) {
        if (v.value.isNull()) {
            parts << v.column + QStringLiteral(" = NULL");
            continue;
        }
        if (kOwnParams.contains(v.param, Qt::CaseInsensitive) ||
            (params.contains(v.param) && params.value(v.param) != v.value))
            throw DbError(QStringLiteral("Parametr %1 kolumny %2 jest już użyty.").arg(v.param, v.column));
        parts << v.column + QStringLiteral(" = :") + v.param;
        params.set(v.param, v.value);
    }
    return parts.join(QStringLiteral(", "));
}

// An UPDATE of a row named by its ids must have found it.
void changedOne(int rows, const QString& sql) {
    if (rows != 1) throw DbError(recordGoneMessage(), sql);
}

} // namespace

// An accident table with the table of its persons, as the statements name them.
struct RegisterStore::Tables {
    QString accidents;
    QString persons;
    QString lock;      // the numbering lock of the persons
    QString countSql;  // the number of persons of :IdWypadku

    static const Tables& atWork() {
        static const Tables t{QStringLiteral("SKWWypadki"), QStringLiteral("SKWPoszkodowani"), kPersons,
                              registersql::countInjuredPersons()};
        return t;
    }
    static const Tables& other() {
        static const Tables t{QStringLiteral("WypOper_Wypadki"), QStringLiteral("WypOper_Poszkodowani"),
                              kOtherPersons, registersql::countOtherInjuredPersons()};
        return t;
    }
};

AccidentHeld::AccidentHeld(const QString& holder_, const QDateTime& since_)
    : DbError(Takes::heldMessage(holder_, since_)), holder(holder_), since(since_) {}

RegisterStore::RegisterStore(Connection& c) : m_c(c), m_types(c.columnTypes()) {}

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
    NumberLock::run(m_c, {kPersons}, [&]() {
        out = insertInjuredPerson(stamp, accidentId);
        updatePersonCount(Tables::atWork(), accidentId, 2, 1);
    });
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
        updatePersonCount(Tables::other(), accidentId, 2, 1);
    });
    return out;
}

QVariant RegisterStore::earliestReportDate(const Tables& t, int accidentId) {
    const QVariant v = m_c.scalar(registersql::earliestReportDate(t.persons),
                                  Params{{"IdWypadku", accidentId},
                                         {"ZeroDay", dates::midnight(dates::kZeroDate)},
                                         {"DayAfterZero", dates::midnight(dates::kZeroDate.addDays(1))}});
    return dates::isNoDate(v) ? QVariant() : v;
}

void RegisterStore::updatePersonCount(const Tables& t, int accidentId, int kindAt, int kind) {
    const int persons = m_c.scalar(t.countSql, Params{{"IdWypadku", accidentId}}).toInt();
    const bool withKind = persons == kindAt;
    Params p{{"Poszkodowani", persons}, {"DataZgMin", earliestReportDate(t, accidentId)}, {"Id", accidentId}};
    if (withKind) p.setInt(QStringLiteral("WypIZ"), kind);
    const QString sql = registersql::updatePersonCount(t.accidents, withKind);
    changedOne(m_c.execute(sql, p), sql);
}

void RegisterStore::saveTwoRows(const Tables& t, int accidentId, const RowValues& accident, int personId,
                                const RowValues& person, KindWrite kind) {
    // Every value converted and both statements built before anything is written.
    RowValues own;
    for (const ColumnValue& v : accident)
        if (!keptByStore(v.column) ||
            (kind == KindWrite::Given && v.column.trimmed().compare(QLatin1String("WYPIZ"), Qt::CaseInsensitive) == 0))
            own << v;
    const QList<BoundValue> accidentValues = m_types.convert(t.accidents, own);
    const bool withPerson = personId != 0 && !person.isEmpty();
    const QList<BoundValue> personValues = withPerson ? m_types.convert(t.persons, person) : QList<BoundValue>();
    Params ap;
    const QString accidentSql = registersql::updateAccident(t.accidents, setList(accidentValues, ap));
    ap.setInt(QStringLiteral("RecordId"), accidentId);
    Params pp;
    const QString personSql = withPerson ? registersql::updatePerson(t.persons, setList(personValues, pp)) : QString();
    pp.setInt(QStringLiteral("RecordId"), personId);
    pp.setInt(QStringLiteral("AccidentId"), accidentId);

    Transaction tr(m_c);
    if (withPerson) changedOne(m_c.execute(personSql, pp), personSql);
    ap.set(QStringLiteral("data_1"), earliestReportDate(t, accidentId));
    changedOne(m_c.execute(accidentSql, ap), accidentSql);
    tr.commit();
}

void RegisterStore::saveAccident(int accidentId, const RowValues& accident, int personId, const RowValues& person,
                                 KindWrite kind) {
    saveTwoRows(Tables::atWork(), accidentId, accident, personId, person, kind);
}

void RegisterStore::savePerson(int accidentId, int personId, const RowValues& person) {
    saveTwoRows(Tables::atWork(), accidentId, {}, personId, person);
}

void RegisterStore::saveOther(int accidentId, const RowValues& accident, int personId, const RowValues& person) {
    saveTwoRows(Tables::other(), accidentId, accident, personId, person);
}

void RegisterStore::saveCommuting(int id, const RowValues& values) {
    const QList<BoundValue> converted = m_types.convert(kCommuting, values);
    if (converted.isEmpty()) return;
    Params p;
    const QString sql = registersql::updateCommuting(setList(converted, p));
    p.setInt(QStringLiteral("RecordId"), id);
    Transaction tr(m_c);
    changedOne(m_c.execute(sql, p), sql);
    tr.commit();
}

void RegisterStore::refuseIfHeld(const QString& accidents, int accidentId) {
    // WITH LOCK: from here to the end of the transaction a take of the accident by
    // another computer waits, and one that began after this transaction is a conflict.
    const QString sql = QStringLiteral("SELECT CompName, CzasRozp, CzasZak FROM ") + accidents +
                        QStringLiteral(" WHERE Id = :Id WITH LOCK");
    QSqlQuery q = m_c.run(sql, Params{{"Id", accidentId}});
    if (!q.next()) {
        Connection::checkFetched(q, sql);
        return;
    }
    const QString holder = q.value(0).toString().trimmed();
    const QDateTime since = q.value(1).toDateTime();
    const bool taken = q.value(2).isNull();
    q.finish();
    if (taken && !holder.isEmpty() && holder != Workstation::computerName().trimmed()) throw AccidentHeld(holder, since);
}

void RegisterStore::runDeletion(const QString& accidents, const QStringList& statements, const Params& params) {
    // A take that another computer began after this transaction started is an update
    // conflict at the lock: the deletion runs again and then sees it.
    for (int attempt = 1;; ++attempt) {
        try {
            // The accident's own row goes only when no other computer holds it: that
            // deletion is the check (a held accident is then read for the refusal), so
            // the deletion costs its statements and no more. A take that another
            // computer began meanwhile is an update conflict at that row, as at a lock.
            const QString own = QStringLiteral("DELETE FROM ") + accidents + QStringLiteral(" WHERE ID = :Id");
            Params p = params;
            p.setText(QStringLiteral("Stacja"), Workstation::computerName().trimmed());
            Transaction t(m_c);
            bool gone = true;
            for (const QString& sql : statements) {
                if (sql.compare(own, Qt::CaseInsensitive) != 0) {
                    m_c.execute(sql, params);
                    continue;
                }
                gone = m_c.execute(sql + QStringLiteral(" AND NOT (CZASZAK IS NULL AND COALESCE(TRIM(COMPNAME), '') <> '' "
                                                        "AND TRIM(COMPNAME) <> :Stacja)"),
                                   p) > 0;
            }
            // Nothing deleted: held by another computer (refused, all rolled back), or
            // no longer there (no refusal).
            if (!gone) refuseIfHeld(accidents, params.value(QStringLiteral("Id")).toInt());
            t.commit();
            return;
        } catch (const AccidentHeld&) {
            throw;
        } catch (const DbError& e) {
            if (attempt >= 3 || !NumberLock::isConflict(e.message())) throw;
        }
    }
}

void RegisterStore::deleteAccident(int id) {
    runDeletion(kAccidents, registersql::deleteAccident(), Params{{"Id", id}});
}

bool RegisterStore::deletePerson(const Tables& t, const QStringList& statements, int accidentId, int personId) {
    bool deleted = false;
    NumberLock::run(m_c, {t.lock}, [&]() {
        deleted = false;
        refuseIfHeld(t.accidents, accidentId);
        if (m_c.scalar(t.countSql, Params{{"IdWypadku", accidentId}}).toInt() <= 1) return;
        const Params p{{"Id", accidentId}, {"IdPoszk", personId}};
        for (const QString& sql : statements) m_c.execute(sql, p);
        updatePersonCount(t, accidentId, 1, 0);
        deleted = true;
    });
    return deleted;
}

bool RegisterStore::deleteInjuredPerson(int accidentId, int personId) {
    return deletePerson(Tables::atWork(), registersql::deleteInjuredPerson(), accidentId, personId);
}

void RegisterStore::deleteCommutingAccident(int id) {
    runDeletion(kCommuting, registersql::deleteCommutingAccident(), Params{{"Id", id}});
}

void RegisterStore::deleteOtherAccident(int id) {
    runDeletion(kOther, registersql::deleteOtherAccident(), Params{{"Id", id}});
}

bool RegisterStore::deleteOtherInjuredPerson(int accidentId, int personId) {
    return deletePerson(Tables::other(), registersql::deleteOtherInjuredPerson(), accidentId, personId);
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
