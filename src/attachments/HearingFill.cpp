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
    const OrgStructure structure = runStructure();
    const PersonCopy copy(SharedConnection::get(), structure, runPersonCopySettings());
    const std::optional<RegisterPerson> person = copy.readPerson(personId);
    if (!person) return;
    const std::vector<PersonEmployment> employments = copy.readEmployments(personId);
    int chosen = employments.empty() ? -1 : 0;
    if (employments.size() > 1) {
        std::vector<TDanPoszkodForm::Line> lines;
        for (const PersonEmployment& e : employments) lines.push_back({copy.employmentLine(e), e.positionId});
        chosen = danPoszkodForm().choose(lines);
    }
    const PersonEmployment* employment = chosen >= 0 ? &employments[size_t(chosen)] : nullptr;
    QHash<CopyValue, QString> values = copy.values(*person, employment, TZatrudnienieForm::level());
    if (!employment) {
        // Without an employment its fields are emptied, the position id and staż "0".
        for (CopyValue v : {CopyValue::OccupationCode, CopyValue::OccupationName, CopyValue::PositionCode,
                            CopyValue::PositionName, CopyValue::ElementAtLevel})
            values.insert(v, QString());
        values.insert(CopyValue::PositionId, QStringLiteral("0"));
        values.insert(CopyValue::Seniority, QStringLiteral("0"));
    }
    for (const auto& [name, text] : applyCopyMap(hearingCopyMap(), values)) setField(name, text);
    markTouched(kHearing);
}

void TZalacznikiForm::choosePosition() {
    if (!m_editable) return;
    TZatrudnienieForm& picker = positionForm();
    if (!picker.choose(edit(QStringLiteral("epIdStanow"))->text().toInt())) return;
    const TStrukt& p = picker.position();
    setField(QStringLiteral("epStanowKod"), p.KOD);
    setField(QStringLiteral("epIdStanow"), QString::number(p.ID));
    setField(QStringLiteral("epStanowSkrot"), p.SKROTNAZWA);
    setField(QStringLiteral("epStruktSkrot"), picker.elementAtLevel());
    markTouched(kHearing);
}

} // namespace zort
