#pragma once
#include "core/Error.h"

namespace zort {

// A failure of the database or of the access layer. The message is the text the
// database gave (or ours, for errors found before the database was asked), and is
// what the application's default error handler shows.
class DbError : public Error {
public:
    explicit DbError(const QString& message, const QString& sql = QString()) : Error(message), m_sql(sql) {}
    const QString& sql() const { return m_sql; }
    // The message for the user: the database's reason without the engine's
    // location text ("At trigger ... line: 1, col: 66", "At procedure ...").
    QString reason() const { return reasonOf(message()); }
    static QString reasonOf(const QString& message);
    // The connection to the database is gone (server restarted or stopped, network
    // lost, the attachment shut down): a new connection is needed.
    bool connectionLost() const { return isConnectionLost(message()); }
    static bool isConnectionLost(const QString& message);

private:
    QString m_sql;
};

// The message of a write whose row another workstation deleted meanwhile.
QString recordGoneMessage();

} // namespace zort
