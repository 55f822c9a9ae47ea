#include "core/AccessRights.h"

#include "core/AppContext.h"
#include "core/Session.h"

#include <QSet>
#include <cmath>

namespace zort {

// --- Rights ---------------------------------------------------------------------------

AccessRights AccessRights::ofSession() {
    AccessRights a(Session::rights());
    a.m_restrictable = Session::loggedIn();
    return a;
}

int AccessRights::registerLevel() const {
    const int level = m_r.AWYPADKI == kViewOnly || m_r.AWYPADKI == kFullAccess ? m_r.AWYPADKI : kNoAccess;
    // A database that cannot be written is viewed only.
    return appContext().readOnlyDatabase ? std::min(level, int(kViewOnly)) : level;
}

bool AccessRights::mayCloseAccidents() const { return m_r.ABLOKWYPADKI == 2 && mayEditRegister(); }

int AccessRights::printRight(PrintArea area) const {
    switch (area) {
    case PrintArea::Documents: return m_r.WSKWPROTPW;
    case PrintArea::CollectiveSummary: return m_r.WZESTZBWYP;
    case PrintArea::Statistics: return m_r.WZESTSTATW;
    }
    return 0;
}

bool AccessRights::mayStartAdminModule() const {
    return m_r.AWYPADKI != 0 || m_r.AZAKL != 0 || m_r.AOSOB != 0 || m_r.AZAWODY != 0;
}

bool AccessRights::commandAllowed(const QString& button) const {
    if (button == QLatin1String("PomocBtn") || button == QLatin1String("sbZamknijBtn")) return true;
    if (button == QLatin1String("AdminOg")) return mayStartAdminModule();
    switch (registerLevel()) {
    case kFullAccess: return true;
    case kViewOnly:
        return button == QLatin1String("SKWBtn") || button == QLatin1String("ProtokolBtn") ||
               button == QLatin1String("DokumBtn") || button == QLatin1String("AdminBtn");
    default: return false;
    }
}

} // namespace zort
