#include "ui/PageDictionaries.h"

#include "ui/CommandGuard.h"

#include "core/AdmSettings.h"
#include "core/UserInterface.h"
#include "domain/DataModForm.h"
#include "db/Dataset.h"
#include "domain/Dictionaries.h"
#include "ui/DictionaryCombos.h"
#include "ui/MemberPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QAbstractButton>
#include <QSignalBlocker>

namespace zort {

template <class T>
T* PageDictionaries::find(const char* name) const {
    return m_pages->findChild<T*>(QString::fromLatin1(name));
}

const DictionaryNames& DictionaryNames::atWork() {
    static const DictionaryNames n = [] {
        DictionaryNames d;
        d.links = {{"cbMiejsca", "ewIdMiejsca", "ewMiejsceWyp", 1},
                   {"cbRodzajMiejscaWyp", "ewIdRodzajMiejscaWyp", "ewRodzajMiejscaWyp", 4},
                   {"cbObywatelstwo", "epIdObywatelstwo", "epObywatelstwo", 4},
                   {"cbUmowa", "epIdUmowy", "epUmowa", 4},
                   {"cbZawod", "epKodZawodu", "epZawod", 4, 30},
                   {"cbLiczbaPrac", "epIdLiczbaPrac", nullptr, 4, 0, true},
                   {"cbChorobaL4", "epKodChoroby", nullptr, 2, 0, false, false},
                   // The team members are found by name; choosing one writes the name and the function.
                   {"cbZespol1", "erImNazwA", "erFunkcjaA", 5, 0, false, false, true},
                   {"cbZespol2", "erImNazwB", "erFunkcjaB", 5, 0, false, false, true}};
        d.occupations = "cbZawod";
        d.diseases = "cbChorobaL4";
        d.persons = "cbNazwisko";
        d.personCode = "e9Pesel";
        d.provinces = "cmbWojew";
        d.province = "epWojew";
        d.provinceItems = &provinceNames();
        d.occupationFilterOn = "cb_Filtr";
        d.occupationFilter = "e_Filtr";
        d.occupationFilterSet = "bPokaz";
        d.personFilterOn = "cb_FiltrN";
        d.personFilter = "e_FiltrN";
        d.personFilterSet = "bPokazN";
        d.cardLists = true;
        return d;
    }();
    return n;
}

const DictionaryNames& DictionaryNames::hearing() {
    static const DictionaryNames n = [] {
        DictionaryNames d = atWork();
        // The hearing's page names its person filter after its own form.
        d.personFilterOn = "cbrzFiltrN";
        return d;
    }();
    return n;
}

const DictionaryNames& DictionaryNames::commuting() {
    static const DictionaryNames n = [] {
        DictionaryNames d;
        d.links = {{"cbzZawod", "ezKodZawodu", "ezZawod", 4, 30}, {"cbzKodChoroby", "ezKodChoroby", nullptr, 2}};
        d.occupations = "cbzZawod";
        d.diseases = "cbzKodChoroby";
        d.persons = "cbzPoszkodowany";
        d.personCode = "e7Pesel";
        d.provinces = "cmbzWojew";
        d.province = "ezWojew";
        d.provinceItems = &commutingProvinceNames();
        d.occupationFilterOn = "cb_zFiltr";
        d.occupationFilter = "e_zFiltr";
        d.occupationFilterSet = "bzPokaz";
        d.personFilterOn = "cb_zFiltrN";
        d.personFilter = "e_zFiltrN";
        d.personFilterSet = "bzPokazN";
        return d;
    }();
    return n;
}

const DictionaryNames& DictionaryNames::service() {
    static const DictionaryNames n = [] {
        DictionaryNames d;
        // The commission's members are found by name; the first three write the
        // name, rank and post of their member, the fourth the name alone.
        d.links = {{"cbZespol10", "efImNazw1", "efFunkcja1", 2, 0, false, false, true, "efStanow1"},
                   {"cbZespol11", "efImNazw2", "efFunkcja2", 2, 0, false, false, true, "efStanow2"},
                   {"cbZespol12", "efImNazw3", "efFunkcja3", 2, 0, false, false, true, "efStanow3"},
                   {"cbZespol13", "efImNazw4", nullptr, 2, 0, false, false, true}};
        d.commission = {"cbZespol10", "cbZespol11", "cbZespol12", "cbZespol13"};
        d.persons = "cbNazwisko_Policja";
        d.personCode = "e_Pesel";
        d.personFilterOn = "cb_Filtr_Policja";
        d.personFilter = "e_Filtr_Policja";
        d.personFilterSet = "bPokaz_Policja";
        d.servicePersons = true;
        return d;
    }();
    return n;
}

QComboBox* PageDictionaries::combo(const char* name) const { return name ? find<QComboBox>(name) : nullptr; }

PageDictionaries::PageDictionaries(QWidget* pages, const DictionaryNames& names, QObject* parent)
    : QObject(parent), m_pages(pages), m_names(names) {
    for (const DictionaryNames::Link& l : names.links) addLink(l);
    for (Link& l : m_links) {
        QComboBox* combo = l.combo;
        connect(combo, &QComboBox::activated, this, [this, combo](int index) {
            if (const Link* link = linkOf(combo)) choose(*link, index);
        });
    }
    // Double clicking a code clears it with its text and list.
    for (const DictionaryNames::Link& l : names.links)
        if (QLineEdit* e = l.clears ? find<QLineEdit>(l.code) : nullptr) e->installEventFilter(this);

    m_persons = combo(names.persons);
    m_personCode = names.personCode ? find<QLineEdit>(names.personCode) : nullptr;
    if (m_persons)
        connect(m_persons, &QComboBox::activated, this,
                [this](int index) { emit personChosen(entryId(comboObject(m_persons, index))); });
    m_provinces = combo(names.provinces);
    m_province = names.province ? find<QLineEdit>(names.province) : nullptr;
    if (m_provinces && m_province && names.provinceItems) {
        m_provinces->addItems(*names.provinceItems);
        m_provinces->setCurrentIndex(-1);
        connect(m_provinces, &QComboBox::activated, this,
                [this](int index) { m_province->setText(m_provinces->itemText(index)); });
    }
    setupFilters();
}

void PageDictionaries::addLink(const DictionaryNames::Link& names) {
    Link l;
    l.combo = find<QComboBox>(names.combo);
    l.code = find<QLineEdit>(names.code);
    l.text = names.text ? find<QLineEdit>(names.text) : nullptr;
    l.rule = names.rule;
    l.textLength = names.textLength;
    l.showOnly = names.showOnly;
    l.member = names.member;
    l.third = names.third ? find<QLineEdit>(names.third) : nullptr;
    if (l.combo && l.code) m_links.push_back(l);
}

PageDictionaries::Link* PageDictionaries::linkOf(const QComboBox* combo) {
    for (Link& l : m_links)
        if (l.combo == combo) return &l;
    return nullptr;
}

PageDictionaries::Link* PageDictionaries::linkOfCode(const QObject* code) {
    for (Link& l : m_links)
        if (l.code == code) return &l;
    return nullptr;
}

void PageDictionaries::choose(const Link& link, int index) {
    const DictObject o = comboObject(link.combo, index);
    if (link.member) {
        // A member's name is the code; the text is the function (rank), the third the
        // post. Their columns hold the dictionary's texts whole.
        MemberPicker::copyMember(o, {{link.code, MemberPicker::Part::Name},
                                     {link.text, MemberPicker::Part::Function},
                                     {link.third, MemberPicker::Part::Post}});
        return;
    }
    link.code->setText(entryCode(o, link.rule));
    if (!link.text) return;
    const QString text = entryText(o);
    link.text->setText(link.textLength > 0 ? text.left(link.textLength) : text);
}

bool PageDictionaries::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && m_editable) {
        if (Link* l = linkOfCode(watched)) {
            l->code->clear();
            if (l->text) l->text->clear();
            const QSignalBlocker block(l->combo);
            l->combo->setCurrentIndex(-1);
        }
    }
    return QObject::eventFilter(watched, event);
}

void PageDictionaries::setupFilters() {
    const auto named = [this]<class T>(const char* name, T*) { return name ? find<T>(name) : nullptr; };
    m_occupationFilterOn = named(m_names.occupationFilterOn, static_cast<QCheckBox*>(nullptr));
    m_occupationFilter = named(m_names.occupationFilter, static_cast<QLineEdit*>(nullptr));
    m_occupationFilterSet = named(m_names.occupationFilterSet, static_cast<QAbstractButton*>(nullptr));
    m_personFilterOn = named(m_names.personFilterOn, static_cast<QCheckBox*>(nullptr));
    m_personFilter = named(m_names.personFilter, static_cast<QLineEdit*>(nullptr));
    m_personFilterSet = named(m_names.personFilterSet, static_cast<QAbstractButton*>(nullptr));
    auto filter = [this](QCheckBox* on, QLineEdit* text, QAbstractButton* set, void (PageDictionaries::*refill)()) {
        if (!on || !text || !set) return;
        text->setVisible(false);
        set->setVisible(false);
        connect(on, &QCheckBox::toggled, this, [this, text, set, refill](bool checked) {
            text->setVisible(checked);
            set->setVisible(checked);
            if (checked) text->setFocus();
            else (this->*refill)();
        });
        connect(set, &QAbstractButton::clicked, this, refill);
        connect(text, &QLineEdit::returnPressed, this, refill);
    };
    filter(m_occupationFilterOn, m_occupationFilter, m_occupationFilterSet, &PageDictionaries::fillOccupations);
    filter(m_personFilterOn, m_personFilter, m_personFilterSet, &PageDictionaries::fillPersons);
}

void PageDictionaries::fill(const char* dataset, QComboBox* combo, const DictSource& source) {
    TDataModForm* d = dataMod();
    if (!d || !combo) return;
    fillBy(combo, [&]() { FillCombo(d->dataset(QString::fromLatin1(dataset)), combo, source); });
}

void PageDictionaries::fillBy(QComboBox* combo, const std::function<void()>& read) {
    try {
        read();
    } catch (const DbError& e) {
        CommandGuard::report(e, m_pages);
    }
    reposition(combo);
}

void PageDictionaries::reposition(QComboBox* combo) {
    if (combo == m_persons) {
        SelectComboEntry(m_personCode, m_persons, m_editable, 2);
        return;
    }
    if (const Link* l = linkOf(combo)) SelectComboEntry(l->code, combo, m_editable && !l->showOnly, l->rule);
}

void PageDictionaries::fillAll() {
    const AdmSettings& s = admSettings();
    const bool byCode = s.sortPozListWyp == 1;
    fill("qryMiejsca", combo("cbMiejsca"),
         DictSource{QStringLiteral("SKWMIEJSCA"), {}, {}, byCode ? QStringLiteral("ID") : QStringLiteral("SKROT"), 1});
    fill("qryRodzajMiejscWyp", find<QComboBox>("cbRodzajMiejscaWyp"),
         DictSource{QStringLiteral("SKWRODZAJMIEJSCWYP"), {}, {}, byCode ? QStringLiteral("KOD") : QStringLiteral("NAZWA"), 5});
    fillDiseases();
    fillTeam();
    fillCommission();
    fillOccupations();
    fillPersons();
}

void PageDictionaries::fillDiseases() {
    fill("qryChorobyL4", combo(m_names.diseases),
         DictSource{QStringLiteral("SKWCHORL4"), {}, {},
                    admSettings().sortL4 == 1 ? QStringLiteral("KODCHORL4") : QStringLiteral("NAZWA"), 4});
}

void PageDictionaries::fillTeam() {
    auto* first = find<QComboBox>("cbZespol1");
    fill("qryZespPowypadkowy", first, MemberPicker::source(MemberPicker::Dictionary::Team));
    // The second member is chosen from the same rows.
    TDataModForm* d = dataMod();
    auto* second = find<QComboBox>("cbZespol2");
    if (!d || !second) return;
    const Dataset* team = d->dataset(QStringLiteral("qryZespPowypadkowy"));
    setComboEntries(second, team->isOpen() ? comboEntries(*team, 6) : std::vector<DictEntry>{});
    reposition(second);
}

void PageDictionaries::fillCommission() {
    TDataModForm* d = dataMod();
    QComboBox* first = m_names.commission.empty() ? nullptr : combo(m_names.commission.front());
    if (!d || !first) return;
    fill("qryKomisjaPow_Policja", first, MemberPicker::source(MemberPicker::Dictionary::Commission));
    // The other members are chosen from the same rows.
    const Dataset* members = d->dataset(QStringLiteral("qryKomisjaPow_Policja"));
    for (size_t i = 1; i < m_names.commission.size(); ++i) {
        QComboBox* c = combo(m_names.commission[i]);
        if (!c) continue;
        setComboEntries(c, members->isOpen() ? comboEntries(*members, 7) : std::vector<DictEntry>{});
        reposition(c);
    }
}

void PageDictionaries::fillOccupations() {
    const QString filter =
        m_occupationFilterOn && m_occupationFilterOn->isChecked() && m_occupationFilter ? m_occupationFilter->text() : QString();
    fill("qryZawody", combo(m_names.occupations),
         occupationSource(admSettings().kzs, admSettings().sortPozListWyp == 1, filter));
}

void PageDictionaries::fillPersons() {
    TDataModForm* d = dataMod();
    if (!d || !m_persons) return;
    // The service's list has a dataset and a statement of its own.
    Dataset* persons = d->dataset(m_names.servicePersons ? QStringLiteral("qryDanOs_Policja") : QStringLiteral("qryDanOsLista"));
    // The filter keeps the surnames that begin with the typed text.
    if (m_personFilterOn && m_personFilterOn->isChecked() && m_personFilter)
        persons->setPrefixFilter(QStringLiteral("NAZWISKO"), m_personFilter->text() + QLatin1Char('*'));
    else
        persons->clearFilter();
    if (m_names.servicePersons)
        fillBy(m_persons, [&]() { FillPersonCombo(persons, m_persons, QStringLiteral("NAZWISKO,IMIE")); });
    else
        fill("qryDanOsLista", m_persons, DictSource{QStringLiteral("ODANOS"), {}, {}, QStringLiteral("NAZWISKO,IMIE"), 2});
}

void PageDictionaries::fillCardLists(int cardVersion) {
    const TDataModForm* d = dataMod();
    if (!d || !m_names.cardLists) return;
    const bool after2000 = cardAfter2000(d->referenceDate());
    if (cardVersion == m_cardVersion && (cardVersion != 1 || after2000 == m_cardAfter2000)) return;
    m_cardVersion = cardVersion;
    m_cardAfter2000 = after2000;
    const CardDictionaries lists = cardDictionaries(cardVersion, d->referenceDate());
    auto* status = find<QComboBox>("cbUmowa");
    fill("qryUmowy", status, lists.status);
    if (Link* l = linkOf(status)) {
        l->rule = lists.status.kind == 1 ? 1 : 4;
        reposition(status);
    }
    // The 2000 card has no citizenship and employer size lists: they stay as they are.
    if (!lists.citizenship.table.isEmpty())
        fill("qryObywatelstwo", find<QComboBox>("cbObywatelstwo"), lists.citizenship);
    if (!lists.employerSize.table.isEmpty())
        fill("qryLiczbaPrac", find<QComboBox>("cbLiczbaPrac"), lists.employerSize);
}

void PageDictionaries::clearSelections() {
    std::vector<QComboBox*> combos{m_persons, m_provinces};
    for (const Link& l : m_links) combos.push_back(l.combo);
    for (QComboBox* c : combos) {
        if (!c) continue;
        const QSignalBlocker block(c);
        c->setCurrentIndex(-1);
    }
}

void PageDictionaries::selectEntries(int cardVersion, bool editable) {
    m_editable = editable;
    fillCardLists(cardVersion);
    for (const Link& l : m_links) reposition(l.combo);
    if (m_persons) reposition(m_persons);
    if (m_provinces && m_province) {
        m_provinces->setEnabled(editable);
        const QSignalBlocker block(m_provinces);
        m_provinces->setCurrentIndex(-1);
        const QString typed = m_province->text().trimmed();
        for (int i = 0; i < m_provinces->count() && !typed.isEmpty(); ++i)
            if (m_provinces->itemText(i).trimmed() == typed) {
                m_provinces->setCurrentIndex(i);
                break;
            }
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_occupationFilterOn, m_occupationFilter, m_occupationFilterSet,
                                                      m_personFilterOn, m_personFilter, m_personFilterSet})
        if (w) w->setEnabled(editable);
}

} // namespace zort
