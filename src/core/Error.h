#pragma once
#include <QString>
#include <stdexcept>

namespace zort {

// A failure with a message meant for the user: what the application's default
// error handler shows. Database failures are DbError, a kind of it.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace zort
