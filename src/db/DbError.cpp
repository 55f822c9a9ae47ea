#include "db/DbError.h"

#include <QRegularExpression>
#include <QStringList>

namespace zort {

QString recordGoneMessage() { return QStringLiteral("Zapisywany rekord nie istnieje już w bazie danych."); }

QString DbError::reasonOf(const QString& message) {
    // The engine appends where the failure happened, on lines of their own or after
    // " - ": of no use to the user.
    static const QRegularExpression location(
        QStringLiteral("(\\s*-?\\s*At (trigger|procedure|block|function|package)\\b.*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString r = message;
    r.remove(location);
    return r.trimmed();
}

bool DbError::isConnectionLost(const QString& message) {
    static const QStringList signs = {
        QStringLiteral("connection shutdown"),
        QStringLiteral("connection lost"),
        QStringLiteral("Error reading data from the connection"),
        QStringLiteral("Error writing data to the connection"),
        QStringLiteral("Unable to complete network request"),
        QStringLiteral("connection rejected by remote interface"),
        QStringLiteral("network error"),
    };
    for (const QString& s : signs)
        if (message.contains(s, Qt::CaseInsensitive)) return true;
    return false;
}

} // namespace zort
