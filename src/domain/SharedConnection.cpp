#include "domain/SharedConnection.h"

#include "core/AppContext.h"
#include "core/MyIniFile.h"
#include "db/AliasFile.h"
#include "db/Connection.h"
#include "db/DatabaseBuilder.h"

#include <memory>

namespace zort {
namespace {
Connection* g_shared = nullptr;
std::unique_ptr<Connection> g_owned;
} // namespace

Connection& SharedConnection::get() {
    if (!g_shared) {
        auto shared = std::make_unique<Connection>(QStringLiteral("Karty"));
        const QString alias = appIni().ReadAliasName(0);
        try {
            const QString aliases = appContext().aliasFilePath();
            const AliasFile::Login login =
                AliasFile(aliases).login(alias, QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
            shared->openAlias(alias, aliases, login.user, login.password);
        } catch (const DbError& e) {
            requestTerminate(ExitNoDatabase);
            throw DbError(noAccessMessage(e.message()), e.sql());
        }
        g_owned = std::move(shared);
        g_shared = g_owned.get();
    }
    return *g_shared;
}

QString SharedConnection::noAccessMessage(const QString& reason) {
    return QStringLiteral("Brak dostępu do bazy danych; Skontaktuj się z administratorem \n\r") + reason;
}

bool SharedConnection::isSet() { return g_shared != nullptr; }

void SharedConnection::shutdown() {
    g_shared = nullptr;
    g_owned.reset();
}

void SharedConnection::set(Connection* connection) { g_shared = connection; }

} // namespace zort
