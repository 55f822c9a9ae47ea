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

private:
    QString m_sql;
};

} // namespace zort
