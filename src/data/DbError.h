#pragma once
#include <QString>
#include <stdexcept>

namespace zort {

// A failure of the database or of the access layer. The message is the text the
// database gave (or ours, for errors found before the database was asked), and is
// what the application's default error handler shows.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message, const QString& sql = QString())
        : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql) {}
    const QString& message() const { return m_message; }
    const QString& sql() const { return m_sql; }

private:
    QString m_message;
    QString m_sql;
};

} // namespace zort
