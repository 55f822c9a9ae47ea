#include "ui/AccidentTake.h"

#include "core/Clock.h"
#include "core/UserInterface.h"
#include "domain/SharedConnection.h"
#include "domain/Takes.h"

namespace zort {

bool takeAccident(int id, const QString& table, QWidget* parent) {
    const Takes::Claim claim = Takes(SharedConnection::get(), Workstation::computerName()).TakeAccident(id, table);
    if (!claim.claimed()) showError(claim.message(), parent);
    return claim.claimed();
}

} // namespace zort
