// The change of an accident's card form ("SKW :" on the accident page).
#include "register/CardPages.h"

#include "core/UserInterface.h"
#include "domain/CardVersion.h"
#include "register/PageDictionaries.h"
#include "register/RejestrWypForm.h"
#include "ui/FieldBinding.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace zort {

void CardPages::rgwWersjaSKWClick(int index) {
    const int from = m_remembered;
    if (index == from) return;
    if (!versionChangeAsks(from, index)) {
        // The codes stay; the new form is stored with the next save.
        m_remembered = index;
        showQuestionsOf(index);
        return;
    }
    if (askYesNo(versionChangeQuestion(), versionChangeCaption(), &m_w)) {
        clearForVersionChange();
        showQuestionsOf(index);
        m_w.sbZapiszBtnClick();
    } else if (m_version) {
        const QSignalBlocker block(m_version);
        m_version->setItemIndex(storedVersion());
    }
    m_remembered = shownVersion();
    if (auto* place = find<QLineEdit>(QStringLiteral("ewMiejsceWyp"))) place->setFocus();
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
