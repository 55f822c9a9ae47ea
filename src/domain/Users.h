#pragma once
#include "core/PrawaDostepu.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace zort {

class Connection;

// The users of the module as an administrator of a stand-alone installation manages
// them (zortdb). A password set here counts as set by the administrator: the date of
// the user's own change is cleared, so that with the password policy on the user
// must change it at the next login. Invalid input throws DbError with its reason.

struct UserRow {
    int id = 0;
    QString name;
    QString firstName;
    QString lastName;
    QDateTime passwordChanged;  // invalid: set by the administrator
    TPrawaDostepu rights;
};

// Rights from a list such as "AWYPADKI=2,ABLOKWYPADKI=2"; "ALL=n" sets every right.
// Later items override earlier ones; names are those of the rights record, any case.
TPrawaDostepu parseRights(const QString& list);

// Adds a user (the name is stored in lower case, as the login compares it); returns
// the new id.
int addUser(Connection& c, const QString& name, const QString& password, const QString& firstName,
            const QString& lastName, const TPrawaDostepu& rights);
// Sets the password of the user with this name.
void setPasswordByAdministrator(Connection& c, const QString& name, const QString& password);
std::vector<UserRow> listUsers(Connection& c);

} // namespace zort
