#pragma once
#include "core/PrawaDostepu.h"

#include <QString>

namespace zort {


// The logged-in user, kept for the whole run and read by every window.
struct CurrentUser {
    int id = 0;
    QString name;       // APRAWADOSTEPU.NAZWAUZYTK, without trailing blanks
    QString firstName;
    QString lastName;
    QString typedPassword;
    // "name (first last)", the sender text of document circulation.
    QString displayText() const { return name + QStringLiteral(" (") + firstName + QLatin1Char(' ') + lastName + QLatin1Char(')'); }
};

// Who is logged in, for the whole run: the login sets it once; every window reads
// the user (Session::user().id, .name, .displayText()) and the rights record
// (Session::rights().AWYPADKI, ...). Until a login completes the user is empty and
// every right is 0.
class Session {
public:
    static CurrentUser& user();
    static void setUser(const CurrentUser& u);
    static const TPrawaDostepu& rights();
    static bool loggedIn();
    // The login completed: the user and the rights record of the run.
    static void logIn(const CurrentUser& u, const TPrawaDostepu& rights);
    // Forgets the user (end of the run, tests).
    static void logOut();
};

} // namespace zort
