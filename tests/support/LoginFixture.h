#pragma once
#include "core/Clock.h"
#include "core/Password.h"
#include "domain/PasswordColumns.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "domain/Users.h"
#include "db/Dataset.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace zort::test {

// A fresh database as the shared connection, a scripted user interface and a fixed
// clock; users are added as the administrator adds them.
class LoginFixture : public ::testing::Test {
protected:
    LoginFixture() {
        SharedConnection::set(conn.get());
        Clock::setNow(kNow);
    }
    ~LoginFixture() override {
        resetRun();
        Clock::setNow(QDateTime());
    }

    // A user whose password the administrator set; `changed` is the date of the
    // user's own last change (invalid: none).
    int user(const QString& name, const QString& password, const QDateTime& changed = QDateTime(),
             const TPrawaDostepu& rights = parseRights(QStringLiteral("AWYPADKI=2"))) {
        const int id = addUser(*conn, name, password, QStringLiteral("Jan"), QStringLiteral("Kowalski"), rights);
        conn->execute(QStringLiteral("UPDATE APRAWADOSTEPU SET ZMIANAHASLA = :d WHERE ID = :id"),
                      Params{{"d", changed.isValid() ? QVariant(changed) : QVariant()}, {"id", id}});
        return id;
    }
    void policy(int value) {
        conn->execute(QStringLiteral("UPDATE OPARAM SET POLITYKAHASEL = :v"), Params{{"v", value}});
    }
    QByteArray storedPassword(int id) {
        Dataset q(conn.get(), QStringLiteral("SELECT ") + passwordColumns(QStringLiteral("HASLO")) +
                                  QStringLiteral(" FROM APRAWADOSTEPU WHERE ID = :id"));
        q.setParam(QStringLiteral("id"), id);
        q.open();
        return passwordFromColumns(q, 0);
    }

    static inline const QDateTime kNow{QDate(2026, 5, 14), QTime(9, 30)};
    static inline const QDate kToday = kNow.date();

    TestDatabase db;
    std::unique_ptr<Connection> conn = db.connect();
    ScriptedUi ui;
};

} // namespace zort::test
