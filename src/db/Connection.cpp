#include "db/Connection.h"

#include "db/AliasFile.h"
#include "db/ColumnTypes.h"
#include "db/DatabaseWait.h"
#include "core/Win1250.h"

#include <ibase.h>
#include <QSqlDriver>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlRecord>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace zort {
namespace {

// The connections of the process, for reconnecting them all after the server came back.
QMutex g_liveMutex;
QSet<Connection*> g_live;

QList<Connection*> liveConnections() {
    QMutexLocker lock(&g_liveMutex);
    return g_live.values();
}

// Texts travel as UTF-8 and are stored by the database in its own code page.
const QString kConnectOptions = QStringLiteral("ISC_DPB_LC_CTYPE=UTF8");

int g_openDeadline = 0;
std::mutex g_attemptsMutex;
int g_abandoned = 0;

// The database's own text of an error, or the driver's when the database gave none.
QString openErrorText(const QSqlError& e) {
    QString msg = e.databaseText().trimmed();
    if (msg.isEmpty()) msg = e.text().trimmed();
    return msg;
}

// One attempt to reach the database, on a thread of its own so that the caller can
// stop waiting for it. The thread ends by itself whenever the client lets it.
struct Attempt {
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    QString error;
};

// Starts the attempt; returns whether it ended within the time (its error, if any,
// in `error`). With `query` the attempt also asks the database something.
bool attemptDatabase(const QString& database, const QString& user, const QString& password, int msecs, bool query,
                     QString& error) {
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("zort-attempt-%1").arg(++counter);
    auto attempt = std::make_shared<Attempt>();
    std::thread([attempt, name, database, user, password, query] {
        QString error;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
            db.setDatabaseName(database);
            db.setUserName(user);
            db.setPassword(password);
            db.setConnectOptions(kConnectOptions);
            if (db.open()) {
                if (query) {
                    QSqlQuery q(db);
                    if (!q.exec(QStringLiteral("SELECT 1 FROM RDB$DATABASE")) || !q.next())
                        error = openErrorText(q.lastError());
                }
                db.close();
            } else {
                error = openErrorText(db.lastError());
            }
        }
        QSqlDatabase::removeDatabase(name);
        std::lock_guard<std::mutex> lock(g_attemptsMutex);
        attempt->finished = true;
        attempt->error = error;
        if (attempt->abandoned) --g_abandoned;
        attempt->done.notify_all();
    }).detach();

    std::unique_lock<std::mutex> lock(g_attemptsMutex);
    if (!attempt->done.wait_for(lock, std::chrono::milliseconds(msecs), [&] { return attempt->finished; })) {
        attempt->abandoned = true;
        ++g_abandoned;
        return false;
    }
    error = attempt->error;
    return true;
}

void tryDatabase(const QString& database, const QString& user, const QString& password, int msecs) {
    QString error;
    if (!attemptDatabase(database, user, password, msecs, false, error))
        throw DbError(QStringLiteral("Baza danych %1 nie odpowiada (czas oczekiwania %2 s minął).")
                          .arg(database)
                          .arg((msecs + 999) / 1000));
    if (!error.isEmpty()) throw DbError(error);
}

} // namespace

bool Connection::answers(const QString& database, const QString& user, const QString& password, int msecs) {
    QString error;
    return attemptDatabase(database, user, password, msecs, true, error) && error.isEmpty();
}

void Connection::cancelCall(bool abort) {
    if (!QSqlDatabase::contains(m_name)) return;
    // The driver's handle is read on the thread that owns the connection; the
    // cancellation itself is the client library's, made for another thread.
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.isValid() || !db.driver()) return;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || handle.metaType().sizeOf() != int(sizeof(isc_db_handle))) return;
    isc_db_handle h = *static_cast<const isc_db_handle*>(handle.constData());
    if (!h) return;
    ISC_STATUS_ARRAY status;
    fb_cancel_operation(status, &h, abort ? fb_cancel_abort : fb_cancel_raise);
    if (abort) m_aborted = true;
}

void Connection::waitFor(const std::function<void()>& call) {
    WaitReason reason = WaitReason::Unknown;
    m_cancelled = DatabaseWait::run(*this, call, &reason);
    m_cancelReason = int(reason);
}

void Connection::failed(const QSqlError& error, const QString& sql) {
    if (m_cancelled) {
        const auto reason = WaitReason(m_cancelReason);
        throw WaitCancelled(DatabaseWait::cancelledText(reason), reason);
    }
    fail(error, sql);
}

void Connection::reopenIfAborted() {
    if (!m_aborted.exchange(false)) return;
    m_inTransaction = false;
    // The old attachment is gone: its handle is given up without asking the database.
    if (QSqlDatabase::contains(m_name)) QSqlDatabase::database(m_name, false).close();
    open(m_database, m_user, m_password);
}

void Connection::setOpenDeadline(int msecs) { g_openDeadline = msecs > 0 ? msecs : 0; }

int Connection::openDeadline() { return g_openDeadline; }

bool Connection::abandonedAttempts() {
    std::lock_guard<std::mutex> lock(g_attemptsMutex);
    return g_abandoned > 0;
}

void Connection::closeAll() {
    for (const QString& name : QSqlDatabase::connectionNames()) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        // Connections of other threads (an attempt still waiting) are not this thread's to close.
        if (!db.isValid() || !db.isOpen()) continue;
        db.rollback();
        db.close();
    }
}

QString unstorableTextMessage(const QString& characters) {
    return QStringLiteral("Tekst zawiera znaki, których nie można zapisać w bazie danych "
                          "(strona kodowa Windows-1250): %1\nUsuń je lub zastąp innymi.")
        .arg(characters);
}

Connection::Connection(const QString& name) : m_name(name) {
    QMutexLocker lock(&g_liveMutex);
    g_live.insert(this);
}

ColumnTypes& Connection::columnTypes() {
    if (!m_types) m_types = std::make_unique<ColumnTypes>(*this);
    return *m_types;
}

Connection::~Connection() {
    {
        QMutexLocker lock(&g_liveMutex);
        g_live.remove(this);
    }
    close();
    if (QSqlDatabase::contains(m_name)) QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const { return QSqlDatabase::database(m_name, false); }

void Connection::open(const QString& database, const QString& user, const QString& password) {
    close();
    if (!QSqlDatabase::contains(m_name)) {
        QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_name);
    }
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.isValid()) throw DbError(QStringLiteral("Brak sterownika bazy danych Firebird (QIBASE)."));
    db.setDatabaseName(database);
    db.setUserName(user);
    db.setPassword(password);
    db.setConnectOptions(kConnectOptions);
    m_database = database;
    m_user = user;
    m_password = password;
    m_opened = true;
    // A database that answers the attempt in time answers the real opening at once.
    if (g_openDeadline > 0) tryDatabase(database, user, password, g_openDeadline);
    if (!db.open()) throw DbError(openErrorText(db.lastError()));
}

void Connection::reconnect() {
    if (!m_opened) return;
    m_inTransaction = false;
    open(m_database, m_user, m_password);
}

void Connection::reconnectAll() {
    for (Connection* c : liveConnections()) c->reconnect();
}

void Connection::openAlias(const QString& alias, const QString& aliasFile, const QString& user,
                           const QString& password) {
    open(AliasFile(aliasFile).resolve(alias), user, password);
}

void Connection::close() {
    if (!QSqlDatabase::contains(m_name)) return;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isOpen()) {
        if (m_inTransaction) db.rollback();
        db.close();
    }
    m_inTransaction = false;
}

bool Connection::isOpen() const {
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QStringList Connection::placeholders(const QString& sql) {
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            continue;
        }
        if (c == ':' && i + 1 < sql.size() &&
            (sql.at(i + 1).isLetter() || sql.at(i + 1) == '_')) {
            qsizetype j = i + 1;
            while (j < sql.size() && (sql.at(j).isLetterOrNumber() || sql.at(j) == '_')) ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            if (!names.contains(name)) names.append(name);
            i = j - 1;
        }
    }
    return names;
}

void Connection::checkStorable(const QString& text) {
    const QString bad = win1250::unsupported(text);
    if (!bad.isEmpty()) throw DbError(unstorableTextMessage(bad));
}

QSqlQuery Connection::prepare(const QString& sql, const Params& params) {
    reopenIfAborted();
    if (!isOpen()) throw DbError(QStringLiteral("Brak połączenia z bazą danych."), sql);
    checkStorable(sql);
    QSqlQuery q(database());
    q.setForwardOnly(true);
    bool prepared = false;
    waitFor([&] { prepared = q.prepare(sql); });
    if (!prepared) failed(q.lastError(), sql);
    bind(q, sql, params);
    return q;
}

void Connection::bind(QSqlQuery& q, const QString& sql, const Params& params) {
    for (const QString& name : placeholders(sql)) {
        QVariant v = params.value(name);
        if (v.metaType().id() == QMetaType::QString) checkStorable(v.toString());
        if (v.metaType().id() == QMetaType::QDateTime && !v.toDateTime().isValid()) v = QVariant();
        q.bindValue(QLatin1Char(':') + name, v);
    }
}

PreparedStatement::PreparedStatement(Connection& c, const QString& sql) : m_c(c), m_sql(sql), m_q(c.prepare(sql, {})) {}

int PreparedStatement::execute(const Params& params) {
    Connection::bind(m_q, m_sql, params);
    return run();
}

int PreparedStatement::execute(const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i) {
        if (values.at(i).metaType().id() == QMetaType::QString) Connection::checkStorable(values.at(i).toString());
        m_q.bindValue(i, values.at(i));
    }
    return run();
}

void PreparedStatement::read(const Params& params, const std::function<void(QSqlQuery&)>& rows) {
    Connection::bind(m_q, m_sql, params);
    bool ok = false;
    m_c.waitFor([&] {
        ok = m_q.exec();
        if (ok) rows(m_q);
    });
    if (!ok) m_c.failed(m_q.lastError(), m_sql);
    Connection::checkFetched(m_q, m_sql);
    m_q.finish();
}

int PreparedStatement::run() {
    bool ok = false;
    m_c.waitFor([&] { ok = m_q.exec(); });
    if (!ok) m_c.failed(m_q.lastError(), m_sql);
    const int n = m_q.numRowsAffected();
    return n < 0 ? 0 : n;
}

void Connection::fail(const QSqlError& error, const QString& sql) { throw DbError(openErrorText(error), sql); }

void Connection::checkFetched(const QSqlQuery& q, const QString& sql) {
    if (q.lastError().type() != QSqlError::NoError) fail(q.lastError(), sql);
}

int Connection::execute(const QString& sql, const Params& params) {
    static const QRegularExpression dml(QStringLiteral("^\\s*(INSERT|UPDATE|DELETE|MERGE|SELECT|EXECUTE)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (!dml.match(sql).hasMatch()) {
        // The database applies DDL when its transaction commits, and reports a failure
        // only then: run it in a transaction of its own so that the failure is seen.
        const bool own = !m_inTransaction;
        if (own) begin();
        try {
            QSqlQuery q = prepare(sql, params);
            bool ok = false;
            waitFor([&] { ok = q.exec(); });
            if (!ok) failed(q.lastError(), sql);
            q.finish();
        } catch (...) {
            if (own) rollback();
            throw;
        }
        if (own) {
            m_inTransaction = false;
            QSqlDatabase db = database();
            bool ok = false;
            waitFor([&] { ok = db.commit(); });
            if (!ok) failed(db.lastError(), sql);
        }
        return 0;
    }
    QSqlQuery q = prepare(sql, params);
    bool ok = false;
    waitFor([&] { ok = q.exec(); });
    if (!ok) failed(q.lastError(), sql);
    // The driver counts rows only for data statements (and complains for the others).
    const int n = q.numRowsAffected();
    return n < 0 ? 0 : n;
}

QVariant Connection::scalar(const QString& sql, const Params& params) {
    QSqlQuery q = prepare(sql, params);
    bool ok = false, row = false;
    QVariant v;
    waitFor([&] {
        ok = q.exec();
        row = ok && q.next();
        if (row) v = q.value(0);
    });
    if (!ok) failed(q.lastError(), sql);
    if (!row) {
        if (m_cancelled) failed(q.lastError(), sql);
        checkFetched(q, sql);
        return {};
    }
    q.finish();
    return v;
}

QSqlQuery Connection::run(const QString& sql, const Params& params) {
    QSqlQuery q = prepare(sql, params);
    bool ok = false;
    waitFor([&] { ok = q.exec(); });
    if (!ok) failed(q.lastError(), sql);
    return q;
}

void Connection::read(const QString& sql, const Params& params, const std::function<void(QSqlQuery&)>& rows) {
    QSqlQuery q = prepare(sql, params);
    bool ok = false;
    waitFor([&] {
        ok = q.exec();
        if (ok) rows(q);
    });
    if (!ok) failed(q.lastError(), sql);
    if (q.lastError().type() != QSqlError::NoError) failed(q.lastError(), sql);
    q.finish();
}

void Connection::readMore(QSqlQuery& q, const QString& sql, const std::function<void(QSqlQuery&)>& rows) {
    waitFor([&] { rows(q); });
    if (q.lastError().type() != QSqlError::NoError) failed(q.lastError(), sql);
}

void Connection::begin() {
    if (m_inTransaction) throw DbError(QStringLiteral("Transakcja jest już rozpoczęta."));
    reopenIfAborted();
    QSqlDatabase db = database();
    bool ok = false;
    waitFor([&] { ok = db.transaction(); });
    if (!ok) failed(db.lastError(), QString());
    m_inTransaction = true;
}

void Connection::commit() {
    if (!m_inTransaction) return;
    m_inTransaction = false;
    QSqlDatabase db = database();
    bool ok = false;
    waitFor([&] { ok = db.commit(); });
    if (!ok) failed(db.lastError(), QString());
}

void Connection::rollback() {
    if (!m_inTransaction) return;
    m_inTransaction = false;
    // A connection closed by a cancellation has nothing left to roll back.
    if (m_aborted) return;
    QSqlDatabase db = database();
    bool ok = false;
    waitFor([&] { ok = db.rollback(); });
    if (!ok) failed(db.lastError(), QString());
}

} // namespace zort
