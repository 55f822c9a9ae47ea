#include "domain/Takes.h"

#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "db/Dataset.h"

namespace zort {

Takes::Takes(Connection& connection, const QString& computerName)
    : m_c(connection), m_computer(computerName.left(15)) {}

bool Takes::databaseReadOnly(Connection& c) {
    return c.scalar(QStringLiteral("SELECT MON$READ_ONLY FROM MON$DATABASE")).toInt() == 1;
}

QString Takes::readOnlyMessage() {
    return QStringLiteral("Baza danych jest otwarta tylko do odczytu: dane można przeglądać, ale nie można ich "
                          "zmieniać.");
}

QString Takes::heldMessage(const QString& holder, const QDateTime& since) {
    return QStringLiteral("Dostęp do danych o wypadku został zablokowany  o godzinie ") + Formats::dateTime(since) +
           QStringLiteral(" przez użytkownika pracującego na komputerze ") + holder + QStringLiteral(".") +
           QStringLiteral("\n\r") + QStringLiteral("Ponów próbę później.");
}

QString Takes::deletedMessage() {
    return QStringLiteral("Wypadek został usuniety przez innego uzytkownika ...");
}

Takes::Claim Takes::claim(int id, const QString& table) {
    Claim out;
    // A few rounds at most: a round is repeated only when the accident was free
    // again by the time its holder was looked up.
    for (int round = 0; round < 5; ++round) {
        int changed = 0;
        try {
            changed = m_c.execute(QStringLiteral("UPDATE ") + table +
                                      QStringLiteral(" SET CompName = :CompName, CzasRozp = :CzasRozp , CzasZak = NULL"
                                                     " WHERE id = :Id AND (CzasZak IS NOT NULL OR CompName IS NULL"
                                                     " OR CompName = :CompName)"),
                                  Params{{"CompName", m_computer}, {"CzasRozp", Clock::now()}, {"Id", id}});
        } catch (const DbError& e) {
            // Another computer claimed the same row at the same moment and won.
            if (!e.message().contains(QStringLiteral("update conflict"), Qt::CaseInsensitive) &&
                !e.message().contains(QStringLiteral("deadlock"), Qt::CaseInsensitive))
                throw;
        }
        if (changed > 0) return out;
        Dataset held(&m_c, QStringLiteral(" SELECT CompName, CzasRozp FROM ") + table +
                               QStringLiteral(" WHERE Id = :Id AND CzasZak IS NULL AND CompName <> :CompName"));
        held.setParams(Params{{"Id", id}, {"CompName", m_computer}});
        held.open();
        if (!held.isEmpty()) {
            out.result = Claim::Result::HeldByOther;
            out.holder = held.field("COMPNAME").asTrimmed();
            out.heldSince = held.field("CZASROZP").asDateTime();
            return out;
        }
        const QVariant exists = m_c.scalar(QStringLiteral("SELECT Id FROM ") + table + QStringLiteral(" WHERE Id = :Id"),
                                           Params{{"Id", id}});
        if (!exists.isValid()) {
            out.result = Claim::Result::Deleted;
            return out;
        }
    }
    out.result = Claim::Result::HeldByOther;
    return out;
}

QString Takes::Claim::message() const {
    switch (result) {
    case Result::Claimed: return QString();
    case Result::HeldByOther: return heldMessage(holder, heldSince);
    case Result::Deleted: return deletedMessage();
    }
    return QString();
}

Takes::Claim Takes::TakeAccident(int id, const QString& table) {
    // Nobody can change a read-only database: its accidents are only viewed.
    if (appContext().readOnlyDatabase) return Claim{};
    return claim(id, table);
}

bool Takes::heldHere(int id, const QString& table) {
    return m_c.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table +
                          QStringLiteral(" WHERE Id = :Id AND CzasZak IS NULL AND CompName = :CompName"),
                      Params{{"Id", id}, {"CompName", m_computer}})
               .toInt() > 0;
}

void Takes::ReleaseAccident(int id, const QString& table) {
    if (appContext().readOnlyDatabase) return;
    m_c.execute(QStringLiteral(" UPDATE ") + table + QStringLiteral(" SET CzasZak = :CzasZak ") +
                    QStringLiteral(" WHERE Id = :Id AND CompName = :CompName AND CzasZak IS NULL"),
                Params{{"CzasZak", Clock::now()}, {"Id", id}, {"CompName", m_computer}});
}

void Takes::ReleaseAllTakes(const QStringList& tables) {
    if (appContext().readOnlyDatabase) return;
    for (const QString& table : tables)
        m_c.execute(QStringLiteral(" UPDATE ") + table +
                        QStringLiteral(" SET CzasZak = :CzasZak WHERE CompName = :CompName AND CzasZak Is NULL"),
                    Params{{"CzasZak", Clock::now()}, {"CompName", m_computer}});
}

} // namespace zort
