#pragma once
#include "db/DbError.h"
#include "db/Params.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

namespace zort {

class ColumnTypes;

// One connection to the shared Firebird database through Qt's QIBASE driver.
// Statements outside a transaction commit on their own; every failure throws
// DbError with the database's own message text.
class Connection {
public:
    explicit Connection(const QString& name);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the database: a local file path (embedded engine) or "host[/port]:path"
    // (a Firebird server), with user name and password and no login prompt.
    void open(const QString& database, const QString& user, const QString& password);
    // Opens the database that an alias names (see AliasFile).
    void openAlias(const QString& alias, const QString& aliasFile, const QString& user,
                   const QString& password);
    void close();
    bool isOpen() const;
    // Opens the same database again as the same user (after the connection was lost).
    void reconnect();
    // Reconnects every connection of the process that was opened; throws the first
    // failure.
    static void reconnectAll();

    // A database that does not answer (a server that takes the connection and stays
    // silent, a file another process holds) would keep open() waiting for minutes.
    // With a deadline set, open() first reaches the database on a thread of its own
    // and fails with a time-out message when no answer came within it; 0 waits as long
    // as the database client does.
    static void setOpenDeadline(int msecs);
    static int openDeadline();
    // Whether an attempt that missed its deadline is still waiting inside the database
    // client: the process must then end without the client's own shutdown.
    static bool abandonedAttempts();
    // Closes every connection of the process, open transactions rolled back (the end
    // of a run that cannot go the normal way).
    static void closeAll();
    // Whether the database answers a fresh connection and a query within the time
    // (asked on a thread of its own; a call that misses it is left to end by itself).
    static bool answers(const QString& database, const QString& user, const QString& password, int msecs);
    // Cancels the call running on this connection from another thread: the
    // statement fails at once; `abort` closes the connection itself, for a database
    // that does not even answer the cancellation (it is opened again at its next use).
    void cancelCall(bool abort);

    const QString& name() const { return m_name; }
    const QString& databaseName() const { return m_database; }
    const QString& userName() const { return m_user; }
    const QString& password() const { return m_password; }
    QSqlDatabase database() const;
    // The column types of the database's tables, read once per table: one cache for
    // everything that writes through this connection (the stores, the datasets).
    ColumnTypes& columnTypes();

    // Runs an INSERT, UPDATE, DELETE or DDL statement; returns the rows changed
    // (0 for DDL).
    int execute(const QString& sql, const Params& params = {});
    // The first column of the first row, or an invalid variant when there is none.
    QVariant scalar(const QString& sql, const Params& params = {});
    // A prepared and executed query; the caller reads its rows. Prefer Dataset.
    QSqlQuery run(const QString& sql, const Params& params = {});
    // Runs a query and hands it to `rows`, which reads every row it wants, all in
    // one call of the database (waited for as one).
    void read(const QString& sql, const Params& params, const std::function<void(QSqlQuery&)>& rows);
    // Reads further rows of a query that run() executed, as one call of the database;
    // a row that could not be fetched throws.
    void readMore(QSqlQuery& q, const QString& sql, const std::function<void(QSqlQuery&)>& rows);

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // The placeholder names (without colon) of a statement, in their first order.
    static QStringList placeholders(const QString& sql);
    // Throws the clear message for a text the database's code page cannot hold.
    static void checkStorable(const QString& text);
    // Throws the error of a statement with the database's own message text.
    [[noreturn]] static void fail(const QSqlError& error, const QString& sql);
    // Throws when reading the rows of a query stopped on an error rather than at
    // their end (a row the driver could not fetch or convert).
    static void checkFetched(const QSqlQuery& q, const QString& sql);

private:
    friend class PreparedStatement;
    QSqlQuery prepare(const QString& sql, const Params& params);
    // A connection closed by a cancellation is opened again before its next use.
    void reopenIfAborted();
    // Runs a call of the client library, bounded and watched (DatabaseWait); a call
    // that was cancelled is remembered for the failure that follows it.
    void waitFor(const std::function<void()>& call);
    // Throws the failure of the last call: WaitCancelled when it was cancelled.
    [[noreturn]] void failed(const QSqlError& error, const QString& sql);
    // Binds the statement's placeholders from the parameters.
    static void bind(QSqlQuery& q, const QString& sql, const Params& params);

    QString m_name;
    QString m_database;
    QString m_user;
    QString m_password;
    bool m_opened = false;
    std::atomic<bool> m_aborted{false};
    bool m_cancelled = false;
    int m_cancelReason = 0;
    bool m_inTransaction = false;
    std::unique_ptr<ColumnTypes> m_types;
};

// A data statement prepared once and run for many sets of parameters (many rows
// inserted in one transaction).
class PreparedStatement {
public:
    PreparedStatement(Connection& c, const QString& sql);
    // Runs the statement with the parameters; returns the rows changed.
    int execute(const Params& params);
    // The same for a statement with positional placeholders ("?"), the values in
    // their order (bulk loading of generated rows).
    int execute(const QVariantList& values);
    // Runs a SELECT with the parameters and hands it to `rows`, which reads every
    // row it wants, as Connection::read does; prepared once for every run. Outside a
    // transaction the driver reads every run in the transaction of the first one (one
    // snapshot for the statement's life): for reads that belong together only.
    void read(const Params& params, const std::function<void(QSqlQuery&)>& rows);

private:
    int run();
    Connection& m_c;
    QString m_sql;
    QSqlQuery m_q;
};

// All-or-nothing work: rolls back unless commit() was called.
class Transaction {
public:
    explicit Transaction(Connection& c) : m_c(c) { m_c.begin(); }
    ~Transaction() {
        if (!m_done) {
            try { m_c.rollback(); } catch (...) {}
        }
    }
    void commit() { m_c.commit(); m_done = true; }
    void rollback() { m_c.rollback(); m_done = true; }

private:
    Connection& m_c;
    bool m_done = false;
};

// Error message for texts holding characters outside Windows-1250.
QString unstorableTextMessage(const QString& characters);

} // namespace zort
