#pragma once
#include "core/PrawaDostepu.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zort {

class Connection;
struct CurrentUser;

// Access level to the accident register (AWYPADKI).
enum AccessLevel { kNoAccess = 0, kViewOnly = 1, kFullAccess = 2 };

// The printing areas of the print selection.
enum class PrintArea { Documents, CollectiveSummary, Statistics };

// What the rights record lets the user see and do in this module. The other rights
// of the record belong to the suite's other modules and have no effect here.
class AccessRights {
public:
    explicit AccessRights(const TPrawaDostepu& rights) : m_r(rights) {}
    // The rights of the logged-in user; before a login: no right at all and no
    // restriction of the person lists.
    static AccessRights ofSession();

    const TPrawaDostepu& record() const { return m_r; }

    // AWYPADKI: 1 view, 2 full; any other value gives no access.
    int registerLevel() const;
    bool mayEditRegister() const { return registerLevel() == kFullAccess; }
    // Closing an accident for changes and reopening it ("Zablokowany :"): ABLOKWYPADKI 2,
    // and only where changes are saved at all (full access to the register).
    bool mayCloseAccidents() const;
    // AOsobWysw 0: the person lists offer only the persons of the visible structure.
    bool personsRestricted() const { return m_restrictable && m_r.AOsobWysw == 0; }
    // WWydrZal: printing and previewing attachments.
    bool mayPrintAttachments() const { return m_r.WWydrZal != 0; }
    // WSKWPROTPW, WZESTZBWYP, WZESTSTATW: 0 none, 2 full.
    int printRight(PrintArea area) const;
    bool mayPrint(PrintArea area) const { return printRight(area) != 0; }
    // "Admin." starts the suite's administration module: any of AWYPADKI, AZAKL,
    // AOSOB, AZAWODY.
    bool mayStartAdminModule() const;
    // Whether a command of the main window (its button's name) works for the user:
    // help and closing always, "Admin." by its own rule; with view access only the
    // windows that open read-only (statistical card, protocol, attachments,
    // "Dodatki"); with full access everything; without access nothing else.
    bool commandAllowed(const QString& button) const;
    // A document window is editable only for full access and when the main window
    // lets the record be changed.
    bool documentEditable(bool editableFlag) const { return editableFlag && mayEditRegister(); }

private:
    TPrawaDostepu m_r;
    bool m_restrictable = true;
};

} // namespace zort
