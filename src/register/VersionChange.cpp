// The change of an accident's card form ("SKW :" on the accident page).
#include "register/CardPages.h"

#include "core/UserInterface.h"
#include "domain/CardVersion.h"
#include "ui/PageDictionaries.h"
#include "register/RejestrWypForm.h"
#include "ui/FieldBinding.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace zort {

void CardPages::rgwWersjaSKWClick(int index) {
    VersionChangeSteps steps;
    steps.ask = [this]() { return askYesNo(versionChangeQuestion(), versionChangeCaption(), &m_w); };
    steps.clear = [this]() { clearForVersionChange(); };
    steps.layOut = [this](int version) {
        showQuestionsOf(version);
        m_w.dictionaries().fillCardLists(version);
    };
    steps.save = [this]() { m_w.sbZapiszBtnClick(); };
    steps.putBack = [this](int version) {
        if (!m_version) return;
        const QSignalBlocker block(m_version);
        m_version->setItemIndex(version);
    };
    steps.focusPlace = [this]() {
        if (auto* place = find<QLineEdit>(QStringLiteral("ewMiejsceWyp"))) place->setFocus();
    };
    m_remembered = changeCardVersion(m_remembered, index, storedVersion(), steps);
}

// The classification answers of the pages emptied, and no list shows a choice.
void CardPages::clearForVersionChange() {
    for (const BoundControl& c : m_w.binder(Register::AtWork).controls()) {
        if (c.kind != BoundKind::Edit || (c.selector != QLatin1Char('w') && c.selector != QLatin1Char('p'))) continue;
        if (versionChangeClears(c.column)) static_cast<QLineEdit*>(c.widget)->clear();
    }
    m_w.dictionaries().clearSelections();
}

} // namespace zort
