#include "register/RecordEditor.h"

#include "register/CommutingReactions.h"
#include "register/OtherReactions.h"

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
#include "register/FieldCheckLinks.h"
#include "ui/PageDictionaries.h"
#include "register/RejestrWypForm.h"
#include "core/AppContext.h"
#include "ui/AccidentTake.h"
#include "ui/CommandGuard.h"
#include "ui/RecordSave.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace zort {
namespace {

// The commuting accident's row; its person, disease and occupation lists only fill
// fields and never bind themselves.
SelectorRule commutingRule() {
    SelectorRule r{'z', QStringLiteral("accident"), true, 0, 0};
    r.neverBound = {QStringLiteral("cbzPoszkodowany"), QStringLiteral("cbzKodChoroby"), QStringLiteral("cbzZawod")};
    return r;
}

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
        std::vector<SelectorRule>{commutingRule(), {'7', QStringLiteral("accident"), false, 0, 0}});
    m_bindOther = std::make_unique<FieldBinder>(
        other, MemoSlots::TwoDigits,
        std::vector<SelectorRule>{{'e', QStringLiteral("accident"), true, 0, 0},
                                  {'x', QStringLiteral("accident"), false, 0, 0},
                                  {'f', QStringLiteral("person"), true, 1, 0, {QStringLiteral("TypWyp")}},
                                  {'8', QStringLiteral("person"), false, 1, 0}});
    for (Register reg : {Register::AtWork, Register::Commuting, Register::Other}) {
        EditSession& s = session(reg);
        s.setChangeProbe([this, reg]() { return binder(reg).changed(); });
        // A closed accident that a user with the right reopened ("Zablokowany :" at
        // "NIE") is saved too.
        s.setReopenProbe([this, reg]() {
            const RadioGroup* blok = m_w.blockGroup(reg);
            return blok && blok->isEnabled() && blok->itemIndex() == 0;
        });
    }
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

FieldBinder::Active RecordEditor::activeSelectors(Register reg) const {
    if (reg != Register::AtWork) return {};
    const QChar kind = m_recordKind;
    return [kind](QChar s) { return (s != 'r' && s != 'k') || s == kind; };
}

void RecordEditor::load(Register reg) {
    TDataModForm* d = dm();
    if (!d) return;
    switch (reg) {
    case Register::AtWork: loadAtWork(); break;
    case Register::Commuting: loadCommuting(); break;
    case Register::Other: loadOther(); break;
    }
    // What is on the pages now: the record the lists stand on, as the database
    // holds it, after the pages' own reactions to the loading.
    const RecordRef shown = d->listRecord(reg);
    EditSession& s = session(reg);
    if (!shown.valid()) {
        s.cleared();
        return;
    }
    binder(reg).takeBaseline(activeSelectors(reg));
    s.loaded(shown.accidentId, shown.personId, d->accidentsOf(reg)->field(QStringLiteral("BLOK")).asInt() != 0);
}

void RecordEditor::clear(Register reg) {
    binder(reg).clear();
    if (reg == Register::AtWork) m_w.dictionaries().clearSelections();
    setTabCaptions(reg, QString(), QString());
    session(reg).cleared();
}

void RecordEditor::forget(Register reg) { session(reg).forgotten(); }

void RecordEditor::forgetAll() {
    for (EditSession& s : m_sessions) s.forgotten();
}

bool RecordEditor::take(Register reg, int accidentId) {
    return takeAccident(accidentId, accidentTable(reg), &m_w);
}

void RecordEditor::release(Register reg, int accidentId) {
    if (accidentId != 0)
        Takes(SharedConnection::get(), Workstation::computerName()).ReleaseAccident(accidentId, accidentTable(reg));
}

QString RecordEditor::captionOf(QWidget* field) { return fieldCaption(field); }

QString RecordEditor::refusalText(const QString& caption, const QString& reason) {
    return saveRefusalText(caption, reason);
}

RecordEditor::Saved RecordEditor::save(Register reg) {
    TDataModForm* d = dm();
    EditSession& s = session(reg);
    switch (s.save()) {
    case EditSession::Save::NotAllowed: return Saved::NotAllowed;
    case EditSession::Save::NotNeeded: return Saved::NotNeeded;
    case EditSession::Save::Writes: break;
    }
    const RecordRef record = s.record();
    QWidget* focus = QApplication::focusWidget();
    if (FieldCheckLinks* checks = reg == Register::Commuting ? m_w.commutingFieldChecks() : nullptr)
        if (!checks->checkFocusedBeforeSave(focus)) return Saved::Refused;
    const bool written = RecordSave::run(
        &m_w,
        [&]() {
            FieldCheckLinks* checks = reg == Register::AtWork     ? m_w.fieldChecks()
                                      : reg == Register::Commuting ? m_w.commutingFieldChecks()
                                      : m_w.otherReactions()       ? &m_w.otherReactions()->checks()
                                                                   : nullptr;
            return !checks || checks->checkBeforeSave(binder(reg).changedControls());
        },
        [&]() { return collect(reg); }, [&](const FieldBinder::Collected& values) { write(record, values); },
        // Only the pages are shown: switching them here is no command of the user.
        [this](QWidget* field) { m_w.revealQuietly(field); });
    if (!written) return Saved::Refused;
    // The lists again, on the saved record; an accident that left the open year is
    // given back and the window returns to the list.
    d->reopenLists(reg, record.accidentId, record.personId);
    if (!d->listHolds(reg, record.accidentId)) {
        release(reg, record.accidentId);
        m_w.returnToList(reg);
    }
    load(reg);
    if (focus && focus->isVisible() && focus->isEnabled()) focus->setFocus();
    return Saved::Written;
}

FieldBinder::Collected RecordEditor::collect(Register reg) const {
    TDataModForm* d = dm();
    switch (reg) {
    case Register::AtWork: {
        Dataset* accidents = d->qrySKWWypadki;
        Dataset* persons = d->qrySKWPoszkodowani;
        return m_bindAtWork->collect(
            [&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; },
            activeSelectors(reg), slotNames(kAtWorkSlots));
    }
    case Register::Commuting:
        return m_bindCommuting->collect([d](const QString&) -> const Dataset* { return d->qryWypadkiWDrodze; }, {},
                                        slotNames(kCommutingSlots));
    case Register::Other:
        return m_bindOther->collect(
            [d](const QString& t) -> const Dataset* {
                return t == QLatin1String("accident") ? d->qryWypadki_Policja : d->qryPoszkodowani_Policja;
            },
            {}, slotNames(kOtherSlots));
    }
    return {};
}

void RecordEditor::write(const RecordRef& record, const FieldBinder::Collected& values) {
    RegisterStore& store = dm()->store();
    const RowValues accident = values.byTarget.value(QStringLiteral("accident"));
    const RowValues person = values.byTarget.value(QStringLiteral("person"));
    switch (record.reg) {
    case Register::AtWork: store.saveAccident(record.accidentId, accident, record.personId, person); break;
    case Register::Commuting: store.saveCommuting(record.accidentId, accident); break;
    case Register::Other: store.saveOther(record.accidentId, accident, record.personId, person); break;
    }
}

void RecordEditor::enableBound(FieldBinder& b, bool enabled, QChar pickerPrefix, QWidget* pages) {
    for (const BoundControl& c : b.controls()) {
        c.widget->setEnabled(enabled);
        // A field shown only for reading keeps looking read-only whatever the pages are.
        if (auto* e = qobject_cast<QLineEdit*>(c.widget); e && e->isReadOnly()) setReadOnlyLook(e, true);
    }
    // The buttons of the register's own tab: another register's pickers may begin
    // with the same letter.
    QWidget* first = b.controls().isEmpty() ? nullptr : b.controls().first().widget;
    QWidget* root = nullptr;
    for (Register reg : {Register::AtWork, Register::Commuting, Register::Other})
        if (QWidget* tab = m_w.registerTab(reg); tab && first && tab->isAncestorOf(first)) root = tab;
    if (!root) return;
    for (QAbstractButton* btn : root->findChildren<QAbstractButton*>())
        if (btn->objectName().startsWith(pickerPrefix) && !qobject_cast<QToolBar*>(btn->parent())) btn->setEnabled(enabled);
    // Pages whose calendars and pickers follow them whatever their names.
    if (pages)
        for (QToolButton* btn : pages->findChildren<QToolButton*>()) btn->setEnabled(enabled);
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
    const bool full = m_w.registerRight() == kFullAccess;
    QWidget* pages = m_w.registerTab(Register::AtWork);
    // 1. Whether the pages may be changed.
    const bool open = accidents->field(QStringLiteral("BLOK")).asInt() == 0;
    if (!open) {
        m_w.setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), false);
        m_w.setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), false);
        m_w.setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), false);
    } else if (m_w.onListPage(Register::AtWork)) {
        m_w.setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), full);
        m_w.setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), full);
        m_w.setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), full);
    }
    const bool editable = open && full;
    // 2. The values. The protocol or card fields only for a person of that kind.
    const qint64 kind = persons->isEmpty() ? 0 : persons->field(QStringLiteral("RODZUMOWY")).asInt();
    m_recordKind = kind == 1 ? QChar('r') : kind == 2 ? QChar('k') : QChar();
    auto rowOf = [&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; };
    if (EntryReactions* r = m_w.reactions()) r->arrange();
    m_bindAtWork->load(rowOf, activeSelectors(Register::AtWork));
    enableBound(*m_bindAtWork, editable, QLatin1Char('w'));
    if (EntryReactions* r = m_w.reactions()) r->enable(editable);
    // The occupation tree exists for the editions 1 to 4 only.
    if (auto* tree = pages->findChild<QAbstractButton*>(QStringLiteral("wZawod")))
        tree->setEnabled(editable && !occupationTreeTable(admSettings().kzs).isEmpty());
    // 3. Captions, protocol number.
    auto text = [pages](const char* name) {
        auto* e = pages->findChild<QLineEdit*>(QString::fromLatin1(name));
        return e ? e->text() : QString();
    };
    setTabCaptions(Register::AtWork, text("ewData"), text("epImie") + QLatin1Char(' ') + text("epNazwisko"));
    m_protocolNumber = text("epNumerProt");
    // 4. Every dictionary list on the code loaded into its field; the PESEL of the
    // register person when the person is not linked.
    const int version = int(accidents->field(QStringLiteral("WERSJASKW")).asInt());
    m_w.dictionaries().selectEntries(version, editable);
    // 6. The statistical-card questions of the accident's card form.
    m_w.cardPages().arrange(version, editable);
    if (auto* pesel = pages->findChild<QLineEdit*>(QStringLiteral("e9Pesel")); pesel && pesel->text().isEmpty())
        pesel->setText(persons->isEmpty() ? QString() : persons->field(QStringLiteral("PESELPRAC")).asString());
    // 5. Closing an accident needs its own right.
    m_w.enableBlockGroup(Register::AtWork);
    // 7. Protocol pages for employees, accident-card pages for the others.
    QTabWidget* personPages = m_w.personPages();
    for (int i = 0; i < personPages->count(); ++i) {
        const QString n = personPages->widget(i)->objectName();
        if (n.startsWith(QLatin1String("TabProt"))) personPages->setTabVisible(i, kind == 1);
        if (n.startsWith(QLatin1String("TabKarta"))) personPages->setTabVisible(i, kind == 2);
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
    const bool full = m_w.registerRight() == kFullAccess;
    const bool open = list->field(QStringLiteral("BLOK")).asInt() == 0;
    if (m_w.activeRegister() == Register::Commuting && m_w.onListPage(Register::Commuting))
        m_w.setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), full && open);
    m_bindCommuting->load([list](const QString&) { return list; });
    enableBound(*m_bindCommuting, open && full, QLatin1Char('z'), m_w.registerTab(Register::Commuting));
    // 4.-6. The lists on the codes loaded, the effects' groups, the card form's pages.
    if (CommutingReactions* r = m_w.commutingReactions()) r->loaded(open && full, !open);
    m_w.enableBlockGroup(Register::Commuting);
    setTabCaptions(Register::Commuting, Formats::dateTime(list->field(QStringLiteral("DATA")).asDateTime()),
                   list->field(QStringLiteral("IMIE")).asString() + QLatin1Char(' ') +
                       list->field(QStringLiteral("NAZWISKO")).asString());
}

void RecordEditor::listCommands(Register reg, bool open) {
    const bool may = open && m_w.onListPage(reg) && m_w.registerRight() == kFullAccess;
    m_w.setCommand(QStringLiteral("sbKasWypBtn"), QStringLiteral("Skasuj Wypadek"), may);
    if (reg != Register::Other) return;
    m_w.setCommand(QStringLiteral("DodPoszkBtn"), QStringLiteral("Dodaj poszkodowanego"), may);
    m_w.setCommand(QStringLiteral("sbKasPoszkBtn"), QStringLiteral("Skasuj poszkodowanego"), may);
}

void RecordEditor::loadOther() {
    TDataModForm* d = dm();
    if (!d || !m_w.registerTab(Register::Other)) return;
    Dataset* accidents = d->qryWypadki_Policja;
    Dataset* persons = d->qryPoszkodowani_Policja;
    if (accidents->isEmpty()) {
        clear(Register::Other);
        return;
    }
    const bool full = m_w.registerRight() == kFullAccess;
    // 1. Whether the pages may be changed; the commands of the list with it.
    const bool open = accidents->field(QStringLiteral("BLOK")).asInt() == 0;
    if (m_w.activeRegister() == Register::Other) listCommands(Register::Other, open);
    const bool editable = open && full;
    // 2. The values; the fields, calendars and pickers of the pages follow the state.
    m_bindOther->load([&](const QString& t) -> const Dataset* { return t == QLatin1String("accident") ? accidents : persons; });
    enableBound(*m_bindOther, editable, QLatin1Char('e'), m_w.registerTab(Register::Other));
    // 3. The captions.
    setTabCaptions(Register::Other, Formats::dateTime(accidents->field(QStringLiteral("DATA")).asDateTime()),
                   persons->isEmpty() ? QString()
                                      : persons->field(QStringLiteral("IMIE")).asString() + QLatin1Char(' ') +
                                            persons->field(QStringLiteral("NAZWISKO")).asString());
    // 4., 5. The lists, the mirrors and what the choices show; closing needs its own right.
    if (OtherReactions* r = m_w.otherReactions()) r->loaded(editable);
    m_w.enableBlockGroup(Register::Other);
}

} // namespace zort
