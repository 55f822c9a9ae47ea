#include "app/Session.h"

#include "app/AppContext.h"
#include "app/MyIniFile.h"
#include "app/UserInterface.h"
#include "data/Connection.h"
#include "data/DatabaseBuilder.h"

#include <memory>

namespace zort {
namespace {
CurrentUser g_user;
TPrawaDostepu g_rights;
bool g_loggedIn = false;
Connection* g_shared = nullptr;
std::unique_ptr<Connection> g_owned;
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

Connection& SharedConnection::get() {
    if (!g_shared) {
        auto shared = std::make_unique<Connection>(QStringLiteral("Karty"));
        const QString alias = appIni().ReadAliasName(0);
        try {
            shared->openAlias(alias, appContext().aliasFilePath(), QString::fromLatin1(kDbUser),
                              QString::fromLatin1(kDbPassword));
        } catch (const DbError& e) {
            showError(QStringLiteral("Brak dostępu do bazy danych; Skontaktuj się z administratorem \n\r") + e.message());
            requestTerminate(ExitNoDatabase);
            throw;
        }
        g_owned = std::move(shared);
        g_shared = g_owned.get();
    }
    return *g_shared;
}

bool SharedConnection::isSet() { return g_shared != nullptr; }

void SharedConnection::shutdown() {
    g_shared = nullptr;
    g_owned.reset();
}

void SharedConnection::set(Connection* connection) { g_shared = connection; }

} // namespace zort
