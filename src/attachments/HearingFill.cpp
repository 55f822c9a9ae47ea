// Filling a hearing's heard person from the suite's employee register: the person
// list with its filter, the copy of the person and of the employment (the choice
// window when there are several), and the position chooser.
#include "attachments/ZalacznikiForm.h"
#include "ui/PageDictionaries.h"
#include "ui/PersonCopyPage.h"

#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "domain/DataModForm.h"
#include "domain/OrgStructure.h"
#include "domain/PersonCopy.h"
#include "domain/SharedConnection.h"
#include "db/Connection.h"
#include "ui/DanPoszkodForm.h"
#include "ui/ZatrudnienieForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSqlQuery>

namespace zort {

// The controls of a hearing that a copy from the employee register writes, with
// their column widths.
const CopyMap& hearingCopyMap() {
    static const CopyMap map = {
        {CopyValue::PersonId, QStringLiteral("epIdPracownika")},
        {CopyValue::Pesel, QStringLiteral("e9Pesel"), 11},
        {CopyValue::Surname, QStringLiteral("epNazwisko"), 50},
        {CopyValue::FirstName, QStringLiteral("epImie"), 30},
        {CopyValue::FatherName, QStringLiteral("epImOjca"), 30},
        {CopyValue::BirthDate, QStringLiteral("epDataUr")},
        {CopyValue::BirthPlace, QStringLiteral("epMiejsceUr"), 50},
        {CopyValue::Town, QStringLiteral("epMiejscow"), 32},
        {CopyValue::PostCode, QStringLiteral("epKodPocz"), 6},
        {CopyValue::Province, QStringLiteral("epWojew"), 32},
        {CopyValue::Street, QStringLiteral("epUlica"), 32},
        {CopyValue::House, QStringLiteral("epNrUl"), 9},
        {CopyValue::Flat, QStringLiteral("epNrMiesz"), 9},
        {CopyValue::OccupationCode, QStringLiteral("epKodZawodu"), 7},
        {CopyValue::OccupationName, QStringLiteral("epZawod"), 30},
        {CopyValue::PositionCode, QStringLiteral("epStanowKod"), 50},
        {CopyValue::PositionId, QStringLiteral("epIdStanow")},
        {CopyValue::PositionName, QStringLiteral("epStanowSkrot"), 30},
        {CopyValue::ElementAtLevel, QStringLiteral("epStruktSkrot"), 30},
        {CopyValue::Seniority, QStringLiteral("epStaz"), 20},
    };
    return map;
}

void TZalacznikiForm::fillPersons() {
    // The employees of the user's units, with the surname filter of the page.
    if (m_dictionaries) m_dictionaries->fillPersons();
}

void TZalacznikiForm::personChosen(int personId) {
    TDataModForm* d = dataMod();
    if (!d || !m_editable || personId <= 0) return;
    // The person already linked is not copied again: the typed fields stay.
    if (edit(QStringLiteral("epIdPracownika"))->text().trimmed().toInt() == personId) return;
    copyRegisterPerson(personId, hearingCopyMap(), kHearing);
}

void TZalacznikiForm::choosePosition() {
    TZalacznikiBase::choosePosition({QStringLiteral("epStanowKod"), QStringLiteral("epIdStanow"),
                                     QStringLiteral("epStanowSkrot"), QStringLiteral("epStruktSkrot"), kHearing});
}

} // namespace zort
