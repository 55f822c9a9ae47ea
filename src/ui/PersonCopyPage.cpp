#include "ui/PersonCopyPage.h"

#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "db/Dataset.h"
#include "domain/DataModForm.h"
#include "domain/OrgStructure.h"
#include "domain/SharedConnection.h"
#include "ui/DanPoszkodForm.h"
#include "ui/PageDictionaries.h"
#include "ui/ZatrudnienieForm.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QLineEdit>

namespace zort {

PersonCopyPage::PersonCopyPage(QWidget* pages, PageDictionaries& dictionaries, QObject* parent)
    : PersonCopyPage(pages, dictionaries, injuredPersonCopyMap(), [] {
          const TDataModForm* d = dataMod();
          const Dataset* persons = d ? d->qrySKWPoszkodowani : nullptr;
          return persons && !persons->isEmpty() ? persons->field(QStringLiteral("NAZWISKO")).asString() : QString();
      }, parent) {}

PersonCopyPage::PersonCopyPage(QWidget* pages, PageDictionaries& dictionaries, const CopyMap& map, StoredSurname stored,
                               QObject* parent)
    : PersonCopyPage(pages, dictionaries, map,
                     [stored = std::move(stored)](const RegisterPerson& p) { return PersonCopy::copiesPerson(p, stored()); },
                     QString(), parent) {}

PersonCopyPage::PersonCopyPage(QWidget* pages, PageDictionaries& dictionaries, const CopyMap& map, Copies copies,
                               const QString& employments, QObject* parent)
    : QObject(parent), m_pages(pages), m_dictionaries(dictionaries), m_map(map), m_copies(std::move(copies)),
      m_employments(employments) {
    setObjectName(QStringLiteral("PersonCopyPage"));
    connect(&m_dictionaries, &PageDictionaries::personChosen, this,
            [this](int id) { CommandGuard::run([this, id]() { copyPerson(id); }, m_pages); });
}

void PersonCopyPage::copyPerson(int personId) {
    TDataModForm* d = dataMod();
    if (!d || personId <= 0) return;
    const OrgStructure structure = runStructure();
    const PersonCopy copy(SharedConnection::get(), structure, runPersonCopySettings());

    const std::optional<RegisterPerson> person = copy.readPerson(personId);
    if (!person) return;
    if (!m_copies(*person)) return;
    if (Dataset* employments = m_employments.isEmpty() ? nullptr : d->dataset(m_employments)) {
        copy.openEmployments(*employments, personId);
        apply(m_pages, applyCopyMap(m_map, PersonCopy::personValues(*person)));
        m_dictionaries.selectEntries(m_dictionaries.cardListsVersion(), true);
        return;
    }

    const std::vector<PersonEmployment> employments = copy.readEmployments(personId);
    int chosen = employments.empty() ? -1 : 0;
    if (employments.size() > 1) {
        std::vector<TDanPoszkodForm::Line> lines;
        for (const PersonEmployment& e : employments) lines.push_back({copy.employmentLine(e), e.positionId});
        chosen = danPoszkodForm().choose(lines);
    }
    const PersonEmployment* employment = chosen >= 0 ? &employments[size_t(chosen)] : nullptr;
    apply(m_pages, applyCopyMap(m_map, copy.values(*person, employment, TZatrudnienieForm::level())));
    // The lists follow the codes copied (a contract without an entry clears its list).
    m_dictionaries.selectEntries(m_dictionaries.cardListsVersion(), true);
}

void PersonCopyPage::apply(QWidget* pages, const QList<std::pair<QString, QString>>& texts) {
    for (const auto& [name, text] : texts) {
        if (auto* e = pages->findChild<QLineEdit*>(name)) {
            e->setText(text);
        } else if (auto* box = pages->findChild<QCheckBox*>(name)) {
            box->setChecked(text == QLatin1String("t"));
        } else if (auto* group = pages->findChild<RadioGroup*>(name)) {
            for (int i = 0; i < group->count(); ++i)
                if (group->itemText(i) == text) group->setItemIndex(i);
        }
    }
}

PersonCopySettings runPersonCopySettings() {
    PersonCopySettings s;
    s.edition = admSettings().kzs;
    s.today = Clock::today();
    s.restricted = AccessRights::ofSession().personsRestricted();
    if (const TDataModForm* d = dataMod()) {
        s.referenceDate = d->referenceDate();
        s.structureTable = d->structureTable();
    }
    return s;
}

} // namespace zort
