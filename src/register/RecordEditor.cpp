#include "register/RecordEditor.h"

#include "core/AccessRights.h"
#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "core/UserInterface.h"
#include "db/DbError.h"
#include "domain/CodeTables.h"
#include "domain/RegisterStore.h"
#include "domain/SharedConnection.h"
#include "domain/Takes.h"
#include "register/CardPages.h"
#include "register/EntryReactions.h"
#include "ui/PageDictionaries.h"
#include "register/RejestrWypForm.h"
#include "ui/AccidentTake.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolBar>

namespace zort {
namespace {

const QString kAccidentTab = QStringLiteral("Wypadek z dnia ");
const QString kPersonTab = QStringLiteral("Poszkodowany: ");

// The table of a register's accidents, as the takes name it.
const QString& accidentTable(Register reg) {
    static const QString tables[] = {QStringLiteral("SKWWypadki"), QStringLiteral("SKWWypadkiWDrodze"),
                                     QStringLiteral("WypOper_Wypadki")};
    return tables[int(reg)];
}

// The blob parameters of the registers' memos, by slot.
const QStringList kAtWorkSlots{QString(), QStringLiteral("Okolicznosci"), QStringLiteral("Przyczyny"),
                               QStringLiteral("Uchybienia"), QStringLiteral("DowUchyb"), QStringLiteral("DowPij"),
                               QStringLiteral("RodzUrazu"), QStringLiteral("Uzasadn"), QStringLiteral("Profilaktyka"),
                               QStringLiteral("Przeszkody"), QStringLiteral("Zalaczniki"), QStringLiteral("OdmowaZus")};
const QStringList kCommutingSlots{QString(), QStringLiteral("przyczyny"), QStringLiteral("opisdochodzenia"),
                                  QStringLiteral("uzasadnienie"), QStringLiteral("przeszkody")};
const QStringList kOtherSlots{
    QString(), QStringLiteral("Przyczyny"), QStringLiteral("Skutki"), QStringLiteral("UzasadTyp"),
    QStringLiteral("Szkoda"), QStringLiteral("RozkPrzep1"), QStringLiteral("RozkPrzep2"),
    QStringLiteral("StanPolicjanta_Opis1"), QStringLiteral("StanPolicjanta_Opis2"), QStringLiteral("PrzyczDoWyp"),
    QStringLiteral("RozmSkutki_Opis"), QStringLiteral("PodstUstalen"), QStringLiteral("Przepisy_Opis"),
    QStringLiteral("Profilaktyka"), QStringLiteral("Uwagi_opis"), QStringLiteral("Przeszkody"),
    QStringLiteral("Zalaczniki"), QStringLiteral("UwagiEKW")};

std::function<QString(int)> slotNames(const QStringList& names) {
    return [&names](int slot) { return slot < names.size() ? names.at(slot) : QStringLiteral("Memo%1").arg(slot); };
}


} // namespace

RecordEditor::RecordEditor(TRejestrWypForm& window, QWidget* atWork, QWidget* commuting, QWidget* other)
    : m_w(window) {
    m_bindAtWork = std::make_unique<FieldBinder>(
        atWork, MemoSlots::TwoDigits,
        std::vector<SelectorRule>{{'w', QStringLiteral("accident"), true, 0, 0},
                                  {'0', QStringLiteral("accident"), false, 0, 0},
                                  {'p', QStringLiteral("person"), true, 1, 0},
                                  {'9', QStringLiteral("person"), false, 1, 0},
                                  {'r', QStringLiteral("person"), true, 1, 0},
                                  {'k', QStringLiteral("person"), true, 1, 0}});
    m_bindCommuting = std::make_unique<FieldBinder>(
        commuting, MemoSlots::OneDigit,
        std::vector<SelectorRule>{{'z', QStringLiteral("accident"), true, 0, 0},
                                  {'7', QStringLiteral("accident"), false, 0, 0}});
    m_bindOther = std::make_unique<FieldBinder>(
        other, MemoSlots::TwoDigits,
        std::vector<SelectorRule>{{'e', QStringLiteral("accident"), true, 0, 0},
                                  {'x', QStringLiteral("accident"), false, 0, 0},
                                  {'f', QStringLiteral("person"), true, 1, 0, {QStringLiteral("TypWyp")}},
                                  {'8', QStringLiteral("person"), false, 1, 0}});
}

RecordEditor::~RecordEditor() = default;

TDataModForm* RecordEditor::dm() const { return dataMod(); }

FieldBinder& RecordEditor::binder(Register reg) {
    switch (reg) {
    case Register::AtWork: return *m_bindAtWork;
    case Register::Commuting: return *m_bindCommuting;
    case Register::Other: return *m_bindOther;
    }
    return *m_bindAtWork;
}

void RecordEditor::load(Register reg) {
    TDataModForm* d = dm();
    if (!d) return;
    switch (reg) {
    case Register::AtWork: loadAtWork(); break;
    case Register::Commuting: loadCommuting(); break;
    case Register::Other: loadOther(); break;
    }
    // What is on the pages now: the record the lists stand on.
    const int accident = m_w.currentAccidentId(reg);
    m_loaded[size_t(reg)] = {accident != 0, accident, d->personIdOf(reg)};
}

void RecordEditor::clear(Register reg) {
    binder(reg).clear();
    if (reg == Register::AtWork) m_w.m_dictionaries->clearSelections();
    setTabCaptions(reg, QString(), QString());
    m_loaded[size_t(reg)] = Loaded{};
}

void RecordEditor::forget(Register reg) { m_loaded[size_t(reg)] = Loaded{}; }

void RecordEditor::forgetAll() {
    for (Loaded& l : m_loaded) l = Loaded{};
}

bool RecordEditor::take(Register reg) {
    return takeAccident(m_w.currentAccidentId(reg), accidentTable(reg), &m_w);
}

void RecordEditor::release(Register reg, int accidentId) {
    if (accidentId != 0)
        Takes(SharedConnection::get(), Workstation::computerName()).ReleaseAccident(accidentId, accidentTable(reg));
}

QString RecordEditor::captionOf(QWidget* field) { return fieldCaption(field); }

QString RecordEditor::refusalText(const QString& caption, const QString& reason) {
    return saveRefusalText(caption, reason);
}

void RecordEditor::refuse(const QString& text, QWidget* field) {
    showError(text, &m_w);
    if (!field) return;
    // Only the pages are shown: switching them here is no command of the user.
    m_w.m_switching = true;
    revealField(field);
    m_w.m_switching = false;
    field->setFocus();
}

bool RecordEditor::save(Register reg) {
    TDataModForm* d = dm();
    if (!d || !d->editing) return true;
    const Loaded record = m_loaded[size_t(reg)];
    if (!record.valid || !m_w.mayEdit(reg)) {
        d->editing = false;  // nothing loaded, or read-only: nothing is written
        return true;
    }
    FieldBinder::Collected values;
    QWidget* focus = QApplication::focusWidget();
    try {
        write(reg, record, values);
    } catch (const ValueRefused& e) {
        const bool person = e.table().contains(QLatin1String("POSZKOD"), Qt::CaseInsensitive);
        QWidget* field = values.control(person ? QStringLiteral("person") : QStringLiteral("accident"), e.column());
        refuse(refusalText(field ? captionOf(field) : e.column(), e.reason()), field);
        return false;
    } catch (const DbError& e) {
        // The typed values stay; the user saves again once the database answers.
        CommandGuard::report(e, &m_w, saveFailedMessage());
        return false;
    }
    d->editing = false;
    // The lists again, on the rows they stand on; an accident that left the open
    // year is given back and the window returns to the list.
    d->reopenLists(reg);
    if (!d->listHolds(reg, record.accidentId)) {
        release(reg, record.accidentId);
        m_w.m_switching = true;
        m_w.showSubPage(reg, 0);
        m_w.m_switching = false;
        m_w.leaveEditing(reg);
    }
    load(reg);
    if (focus && focus->isVisible() && focus->isEnabled()) focus->setFocus();
    return true;
}

void RecordEditor::write(Register reg, const Loaded& record, FieldBinder::Collected& values) {
    TDataModForm* d = dm();
    RegisterStore& store = d->store();
    switch (reg) {
    case Register::AtWork: {
        const QChar kind = m_recordKind;
        Dataset* accidents = d->qrySKWWypadki;
        Dataset* persons = d->qrySKWPoszkodowani;
        values = m_bindAtWork->collect([&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; },
                                       [kind](QChar s) { return (s != 'r' && s != 'k') || s == kind; },
                                       slotNames(kAtWorkSlots));
        store.saveAccident(record.accidentId, values.byTarget.value(QStringLiteral("accident")), record.personId,
                           values.byTarget.value(QStringLiteral("person")));
        break;
    }
    case Register::Commuting:
        values = m_bindCommuting->collect([d](const QString&) -> const Dataset* { return d->qryWypadkiWDrodze; }, {},
                                          slotNames(kCommutingSlots));
        store.saveCommuting(record.accidentId, values.byTarget.value(QStringLiteral("accident")));
        break;
    case Register::Other:
        values = m_bindOther->collect(
            [d](const QString& t) -> const Dataset* {
                return t == QLatin1String("accident") ? d->qryWypadki_Policja : d->qryPoszkodowani_Policja;
            },
            {}, slotNames(kOtherSlots));
        store.saveOther(record.accidentId, values.byTarget.value(QStringLiteral("accident")), record.personId,
                        values.byTarget.value(QStringLiteral("person")));
        break;
    }
}

void RecordEditor::enableBound(FieldBinder& b, bool enabled, QChar pickerPrefix) {
    for (const BoundControl& c : b.controls()) {
        c.widget->setEnabled(enabled);
        // A field shown only for reading keeps looking read-only whatever the pages are.
        if (auto* e = qobject_cast<QLineEdit*>(c.widget); e && e->isReadOnly()) setReadOnlyLook(e, true);
    }
    QWidget* root = b.controls().isEmpty() ? nullptr : b.controls().first().widget->window();
    if (!root) return;
    for (QAbstractButton* btn : root->findChildren<QAbstractButton*>())
        if (btn->objectName().startsWith(pickerPrefix) && !qobject_cast<QToolBar*>(btn->parent())) btn->setEnabled(enabled);
}

void RecordEditor::setTabCaptions(Register reg, const QString& accidentDate, const QString& person) {
    QTabWidget* t = m_w.subPages(reg);
    if (!t) return;
    t->setTabText(1, kAccidentTab + accidentDate);
    t->setTabText(2, kPersonTab + person);
}

void RecordEditor::loadAtWork() {
    TDataModForm* d = dm();
    if (!d) return;
    Dataset* accidents = d->qrySKWWypadki;
    Dataset* persons = d->qrySKWPoszkodowani;
    if (accidents->isEmpty()) {
        clear(Register::AtWork);
        return;
    }
    // 1. Whether the pages may be changed.
    bool& open = m_w.m_open[int(Register::AtWork)];
    open = accidents->field(QStringLiteral("BLOK")).asInt() == 0;
    if (!open) {
        m_w.setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), false);
        m_w.setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), false);
        m_w.setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), false);
    } else if (m_w.onListPage(Register::AtWork)) {
        m_w.setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), m_w.m_right == kFullAccess);
        m_w.setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), m_w.m_right == kFullAccess);
        m_w.setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), m_w.m_right == kFullAccess);
    }
    const bool editable = open && m_w.m_right == kFullAccess;
    // 2. The values. The protocol or card fields only for a person of that kind.
    const qint64 kind = persons->isEmpty() ? 0 : persons->field(QStringLiteral("RODZUMOWY")).asInt();
    m_recordKind = kind == 1 ? QChar('r') : kind == 2 ? QChar('k') : QChar();
    auto rowOf = [&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; };
    auto active = [this](QChar s) { return (s != 'r' && s != 'k') || s == m_recordKind; };
    if (m_w.m_reactions) m_w.m_reactions->arrange();
    m_bindAtWork->load(rowOf, active);
    enableBound(*m_bindAtWork, editable, QLatin1Char('w'));
    if (m_w.m_reactions) m_w.m_reactions->enable(editable);
    // The occupation tree exists for the editions 1 to 4 only.
    if (auto* tree = m_w.m_tabPraca->findChild<QAbstractButton*>(QStringLiteral("wZawod")))
        tree->setEnabled(editable && !occupationTreeTable(admSettings().kzs).isEmpty());
    // 3. Editing flag, captions, protocol number.
    d->editing = false;
    auto text = [this](const char* name) {
        auto* e = m_w.m_tabPraca->findChild<QLineEdit*>(QString::fromLatin1(name));
        return e ? e->text() : QString();
    };
    setTabCaptions(Register::AtWork, text("ewData"), text("epImie") + QLatin1Char(' ') + text("epNazwisko"));
    m_protocolNumber = text("epNumerProt");
    // 4. Every dictionary list on the code loaded into its field; the PESEL of the
    // register person when the person is not linked.
    m_w.m_dictionaries->selectEntries(int(accidents->field(QStringLiteral("WERSJASKW")).asInt()), editable);
    // 6. The statistical-card questions of the accident's card form.
    m_w.m_cardPages->arrange(int(accidents->field(QStringLiteral("WERSJASKW")).asInt()), editable);
    if (auto* pesel = m_w.m_tabPraca->findChild<QLineEdit*>(QStringLiteral("e9Pesel")); pesel && pesel->text().isEmpty())
        pesel->setText(persons->isEmpty() ? QString() : persons->field(QStringLiteral("PESELPRAC")).asString());
    // 5. Closing an accident needs its own right.
    m_w.enableBlockGroup(Register::AtWork);
    // 7. Protocol pages for employees, accident-card pages for the others.
    for (int i = 0; i < m_w.m_pcPPoszkodowany->count(); ++i) {
        const QString n = m_w.m_pcPPoszkodowany->widget(i)->objectName();
        if (n.startsWith(QLatin1String("TabProt"))) m_w.m_pcPPoszkodowany->setTabVisible(i, kind == 1);
        if (n.startsWith(QLatin1String("TabKarta"))) m_w.m_pcPPoszkodowany->setTabVisible(i, kind == 2);
    }
}

void RecordEditor::loadCommuting() {
    TDataModForm* d = dm();
    if (!d) return;
    Dataset* list = d->qryWypadkiWDrodze;
    if (list->isEmpty()) {
        clear(Register::Commuting);
        return;
    }
    bool& open = m_w.m_open[int(Register::Commuting)];
    open = list->field(QStringLiteral("BLOK")).asInt() == 0;
    if (m_w.activeRegister() == Register::Commuting && m_w.onListPage(Register::Commuting))
        m_w.setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), m_w.m_right == kFullAccess && open);
    m_bindCommuting->load([list](const QString&) { return list; });
    enableBound(*m_bindCommuting, open && m_w.m_right == kFullAccess, QLatin1Char('z'));
    m_w.enableBlockGroup(Register::Commuting);
    d->editing = false;
    setTabCaptions(Register::Commuting, Formats::dateTime(list->field(QStringLiteral("DATA")).asDateTime()),
                   list->field(QStringLiteral("IMIE")).asString() + QLatin1Char(' ') +
                       list->field(QStringLiteral("NAZWISKO")).asString());
}

void RecordEditor::loadOther() {
    TDataModForm* d = dm();
    if (!d || !m_w.m_tabPolicja) return;
    Dataset* accidents = d->qryWypadki_Policja;
    Dataset* persons = d->qryPoszkodowani_Policja;
    if (accidents->isEmpty()) {
        clear(Register::Other);
        return;
    }
    bool& open = m_w.m_open[int(Register::Other)];
    open = accidents->field(QStringLiteral("BLOK")).asInt() == 0;
    m_bindOther->load([&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; });
    enableBound(*m_bindOther, open && m_w.m_right == kFullAccess, QLatin1Char('e'));
    m_w.enableBlockGroup(Register::Other);
    d->editing = false;
    setTabCaptions(Register::Other, Formats::dateTime(accidents->field(QStringLiteral("DATA")).asDateTime()),
                   persons->isEmpty() ? QString()
                                      : persons->field(QStringLiteral("IMIE")).asString() + QLatin1Char(' ') +
                                            persons->field(QStringLiteral("NAZWISKO")).asString());
}

} // namespace zort
