// The main window's side of the administration window's settings: what shows a
// changed setting follows it at once; everything else reads the settings when it acts.
#include "core/AdmSettings.h"
#include "domain/DataModForm.h"
#include "register/CommutingReactions.h"
#include "register/EntryReactions.h"
#include "register/OtherReactions.h"
#include "register/RejestrWypForm.h"
#include "ui/PageDictionaries.h"
#include "ui/ZatrudnienieForm.h"

#include <QLabel>

namespace zort {

// The person lists of every register again (the visible structure was rebuilt, or the
// service's list takes other kinds of persons).
void TRejestrWypForm::fillPersonLists() {
    m_dictionaries->fillPersons();
    m_commutingReactions->dictionaries().fillPersons();
    if (m_otherReactions) m_otherReactions->dictionaries().fillPersons();
}

void TRejestrWypForm::onAdmSettingChanged(const QString& key) {
    const AdmSettings& s = admSettings();
    TDataModForm* d = dataMod();
    if (key == QLatin1String("NowyProtPowypadkowy") || key == QLatin1String("ProtPowypadkowyWielostronicowy")) {
        // The protocol fields of the entry pages: their limits, lists and captions.
        if (m_reactions) m_reactions->arrange();
    } else if (key == QLatin1String("NowaKartaWypWDrodze")) {
        // The commuting pages of the card form chosen.
        if (m_commutingReactions) m_commutingReactions->arrange();
    } else if (key == QLatin1String("DodSymbolWyp") || key == QLatin1String("ZnakRozdzielajacy")) {
        if (d) d->setNumberSymbol(s.symbolWyp, s.separator);
    } else if (key == QLatin1String("AllTypPrac")) {
        fillPersonLists();
    } else if (key == QLatin1String(kAdmStructureReload)) {
        // The register was read again for another date: the position chooser builds
        // its structure tree anew when next shown.
        positionForm().markStale();
    } else if (key == QLatin1String("cbRejestr")) {
        if (d && m_registerLabel) m_registerLabel->setText(d->registers().panelText());
    }
}

} // namespace zort
