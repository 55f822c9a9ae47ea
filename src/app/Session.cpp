#include "app/Session.h"

#include "data/Connection.h"

namespace zort {
namespace {
CurrentUser g_user;
Connection* g_shared = nullptr;
} // namespace

CurrentUser& Session::user() { return g_user; }
void Session::setUser(const CurrentUser& u) { g_user = u; }

Connection& SharedConnection::get() {
    if (!g_shared) throw DbError(QStringLiteral("Brak połączenia z bazą danych."));
    return *g_shared;
}

bool SharedConnection::isSet() { return g_shared != nullptr; }

void SharedConnection::set(Connection* connection) { g_shared = connection; }

} // namespace zort
