#include "core/Session.h"


namespace zort {
namespace {
CurrentUser g_user;
TPrawaDostepu g_rights;
bool g_loggedIn = false;
} // namespace

CurrentUser& Session::user() { return g_user; }
void Session::setUser(const CurrentUser& u) { g_user = u; }
const TPrawaDostepu& Session::rights() { return g_rights; }
bool Session::loggedIn() { return g_loggedIn; }

void Session::logIn(const CurrentUser& u, const TPrawaDostepu& rights) {
    g_user = u;
    g_rights = rights;
    g_loggedIn = true;
}

void Session::logOut() {
    g_user = CurrentUser{};
    g_rights = TPrawaDostepu{};
    g_loggedIn = false;
}

} // namespace zort
