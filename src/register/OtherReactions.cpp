#include "register/OtherReactions.h"

#include "core/Formats.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "domain/AttachmentList.h"
#include "domain/CodeTree.h"
#include "domain/DataModForm.h"
#include "domain/FixedLists.h"
#include "domain/PersonCopy.h"
#include "register/EditSession.h"
#include "register/FieldCheckLinks.h"
#include "register/RejestrWypForm.h"
#include "ui/CodePickers.h"
#include "ui/CommandGuard.h"
#include "ui/PageDictionaries.h"
#include "ui/PersonCopyPage.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

namespace zort {
namespace {

const QString kAccidentTab = QStringLiteral("Wypadek z dnia ");
const QString kPersonTab = QStringLiteral("Poszkodowany: ");

// The stored rows of the accident and the officer loaded (null when none).
const Dataset* accidentRow() {
    const TDataModForm* d = dataMod();
    return d && !d->qryWypadki_Policja->isEmpty() ? d->qryWypadki_Policja : nullptr;
}
const Dataset* officerRow() {
    const TDataModForm* d = dataMod();
    return d && !d->qryPoszkodowani_Policja->isEmpty() ? d->qryPoszkodowani_Policja : nullptr;
}

// The six fields of a triple's row: ids and names of factor, event and cause.
QString tripleField(int level, bool id, int row) {
    static const char* const names[] = {"CzynnUraz", "WydarzUraz", "Przyczyna"};
    return QStringLiteral("ef") + (id ? QStringLiteral("ID") : QString()) + QString::fromLatin1(names[level]) +
           QString::number(row);
}

// A text as its field takes it (the field's width is its column's).
void putText(QLineEdit* e, const QString& text) {
    if (e) e->setText(e->maxLength() > 0 ? text.left(e->maxLength()) : text);
}

} // namespace

template <class T>
T* OtherReactions::find(const QString& name) const {
    return m_pages->findChild<T*>(name);
}

OtherReactions::OtherReactions(TRejestrWypForm& window, QWidget* pages)
    : QObject(&window), m_w(window), m_pages(pages) {
    m_dictionaries = new PageDictionaries(pages, DictionaryNames::service(), this);
    // Only the officer already linked to the record is not copied again.
    new PersonCopyPage(pages, *m_dictionaries, serviceOfficerCopyMap(),
                       [](const RegisterPerson& p) {
                           const Dataset* row = officerRow();
                           return !row || row->field(QStringLiteral("IDPRACOWNIKA")).asInt() != p.id;
                       },
                       QStringLiteral("qryZatrudnienie_Policja"), this);
    m_checks = new FieldCheckLinks(pages, &window, FieldCheckLinks::otherTable());
    m_checks->setReveal([this](QWidget* field) { m_w.revealQuietly(field); });
    connectChoices();
    connectLists();
    connectTriples();
    if (auto* b = find<QAbstractButton>("Button3"))
        connect(b, &QAbstractButton::clicked, this,
                [this]() { CommandGuard::run([this]() { updateAttachmentList(); }, &m_w); });
    for (const char* name : {"eeData", "efNazwisko", "efImie"})
        if (auto* e = find<QLineEdit>(name)) connect(e, &QLineEdit::textChanged, this, [this]() { updateCaptions(); });
}

void OtherReactions::connectChoices() {
    const auto chosen = [this](const char* group, auto react) {
        if (RadioGroup* g = find<RadioGroup>(group)) connect(g, &RadioGroup::chosen, this, react);
    };
    chosen("rgeWypIZ", [this]() { accidentTypeClicked(); });
    chosen("rgeBlok", [this]() { closingClicked(); });
    chosen("rgfSkutkiTyp", [this](int i) {
        if (RadioGroup* mirror = find<RadioGroup>("rg_SkutkiTyp")) mirror->setItemIndex(i);
        effectsChosen(true);
    });
    // The category on the record card is the effects' choice of the protocol.
    chosen("rg_SkutkiTyp", [this](int i) {
        if (RadioGroup* g = find<RadioGroup>("rgfSkutkiTyp")) g->setItemIndex(i);
        effectsChosen(true);
    });
    chosen("rgfOkolicznosci", [this]() { circumstancesChosen(true); });
    chosen("rgfUwagi", [this]() { remarksChosen(true); });
    chosen("egfOdszkodowanie", [this]() { compensationChosen(true); });
    auto* died = find<QLineEdit>("efDATASm");
    auto* mirror = find<QLineEdit>("e_DATASm");
    if (died && mirror) {
        // Typed or chosen in the calendar.
        connect(died, &QLineEdit::textChanged, this, [=, this]() { deathDateTyped(died, mirror); });
        connect(mirror, &QLineEdit::textChanged, this, [=, this]() { deathDateTyped(mirror, died); });
    }
}

void OtherReactions::connectLists() {
    for (const FixedList& l : serviceFixedLists()) {
        auto* list = find<QComboBox>(l.combo);
        auto* field = find<QLineEdit>(l.field);
        if (!list || !field) continue;
        list->addItems(l.items);
        list->setCurrentIndex(-1);
        const bool distinct = l.distinct;
        connect(list, &QComboBox::activated, this, [this, list, field, distinct](int index) {
            if (distinct) injuryChosen(list, field, index);
            else listChosen(list, field, index);
        });
    }
}

void OtherReactions::connectTriples() {
    for (int row = 1; row <= 4; ++row) {
        if (auto* b = find<QAbstractButton>(QStringLiteral("wWydarzUraz%1").arg(row)))
            connect(b, &QAbstractButton::clicked, this,
                    [this, row]() { CommandGuard::run([this, row]() { pickTriple(row); }, &m_w); });
        for (int level = 0; level < 3; ++level)
            if (auto* id = find<QLineEdit>(tripleField(level, true, row))) onDoubleClick(id, [this, row]() { clearTriple(row); });
    }
}

// --- Showing and loading -------------------------------------------------------------------

void OtherReactions::shown() {
    m_dictionaries->fillAll();
    // The commission dictionary changed in the administration window.
    if (TDataModForm* d = dataMod())
        connect(d, &TDataModForm::commissionChanged, m_dictionaries, &PageDictionaries::fillCommission,
                Qt::UniqueConnection);
}

void OtherReactions::loaded(bool editable) {
    m_editable = editable;
    // 4. The commission on the names loaded, the person list on the linked person's
    // PESEL; the fixed lists on nothing.
    showLinkedPesel();
    m_dictionaries->selectEntries(-1, editable);
    for (const FixedList& l : serviceFixedLists())
        if (auto* list = find<QComboBox>(l.combo)) {
            const QSignalBlocker block(list);
            list->setCurrentIndex(-1);
            list->setEnabled(editable);
        }
    for (const char* name : {"Button3", "wWydarzUraz1", "wWydarzUraz2", "wWydarzUraz3", "wWydarzUraz4"})
        if (auto* b = find<QAbstractButton>(name)) b->setEnabled(editable);
    // 5. The mirrors of the record card, and what the loaded choices show.
    if (RadioGroup* mirror = find<RadioGroup>("rg_SkutkiTyp")) {
        const RadioGroup* effects = find<RadioGroup>("rgfSkutkiTyp");
        mirror->setItemIndex(effects ? effects->itemIndex() : -1);
        mirror->setEnabled(editable);
    }
    if (auto* mirror = find<QLineEdit>("e_DATASm")) {
        auto* died = find<QLineEdit>("efDATASm");
        mirror->setText(died ? died->text() : QString());
    }
    effectsChosen(false);
    circumstancesChosen(false);
    remarksChosen(false);
    compensationChosen(false);
}

void OtherReactions::showLinkedPesel() {
    auto* pesel = find<QLineEdit>("e_Pesel");
    auto* link = find<QLineEdit>("efIdPracownika");
    TDataModForm* d = dataMod();
    if (!pesel) return;
    pesel->clear();
    bool ok = false;
    const int id = link ? link->text().trimmed().toInt(&ok) : 0;
    if (!d || !ok || id <= 0) return;
    CommandGuard::run([&]() {
        pesel->setText(d->KartyDB()
                           .scalar(QStringLiteral("SELECT PESEL FROM ODANOS WHERE IDOSOBY = :Id"), Params{{"Id", id}})
                           .toString()
                           .trimmed());
    }, &m_w);
}

// --- Choices -----------------------------------------------------------------------------

void OtherReactions::accidentTypeClicked() {
    // The type follows the number of injured officers only.
    RadioGroup* g = find<RadioGroup>("rgeWypIZ");
    const Dataset* row = accidentRow();
    if (!g || !row) return;
    g->setItemIndex(row->field(QStringLiteral("WYPIZ")).asInt() != 0 ? 1 : 0);
}

void OtherReactions::closingClicked() {
    RadioGroup* g = find<RadioGroup>("rgeBlok");
    const Dataset* row = accidentRow();
    if (!g || !row || g->itemIndex() == int(row->field(QStringLiteral("BLOK")).asInt())) return;
    // Closing or opening is saved at once; the reload makes a closed accident read-only.
    CommandGuard::run([this]() { m_w.sbZapiszBtnClick(); }, &m_w);
}

void OtherReactions::effectsChosen(bool byUser) {
    const RadioGroup* g = find<RadioGroup>("rgfSkutkiTyp");
    const bool fatal = g && g->itemIndex() == 0;
    if (auto* panel = find<QWidget>("pSkutkiWyp")) panel->setVisible(fatal);
    // The record card's date of death is typed for a fatal accident only.
    for (const char* name : {"e_DATASm", "eCal_DATASm"})
        if (auto* w = find<QWidget>(name)) w->setEnabled(m_editable && fatal);
    if (!byUser || fatal) return;
    // "ciężki" or "lekki": the death's details are cleared.
    for (const char* name : {"efDATASm", "e_DATASm", "efGodzSm", "efMiejscSm"})
        if (auto* e = find<QLineEdit>(name)) e->clear();
    if (auto* kind = find<QComboBox>("cbfSkutekSm")) kind->setCurrentIndex(-1);
    if (RadioGroup* where = find<RadioGroup>("rgfSzpitalSm")) where->setItemIndex(-1);
}

void OtherReactions::circumstancesChosen(bool byUser) {
    const RadioGroup* g = find<RadioGroup>("rgfOkolicznosci");
    const bool other = g && g->itemIndex() == 1;  // "7.2 - inne"
    if (auto* panel = find<QWidget>("pOkolicznosci71")) panel->setVisible(!other);
    if (!byUser || !other) return;
    if (auto* point = find<QLineEdit>("efPktUstawy")) point->clear();
    if (RadioGroup* duty = find<RadioGroup>("rgfWykonywanieObSl")) duty->setItemIndex(-1);
}

void OtherReactions::remarksChosen(bool byUser) {
    const RadioGroup* g = find<RadioGroup>("rgfUwagi");
    auto* remarks = find<MemoEdit>("mfUwagi_Opis14");
    if (!remarks) return;
    const bool attached = g && g->itemIndex() == 1;  // "załączone"
    remarks->setVisible(attached);
    for (QLabel* l : m_pages->findChildren<QLabel*>())
        if (l->buddy() == remarks) l->setVisible(attached);
    // A hidden memo leaves no room behind: the page's other memos take it.
    if (auto* grid = qobject_cast<QGridLayout*>(remarks->parentWidget()->layout())) {
        int row = 0, column = 0, rows = 0, columns = 0;
        if (const int i = grid->indexOf(remarks); i >= 0) {
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            grid->setRowStretch(row, attached ? 1 : 0);
        }
    }
    if (byUser && !attached) remarks->clear();
}

void OtherReactions::compensationChosen(bool byUser) {
    const RadioGroup* g = find<RadioGroup>("egfOdszkodowanie");
    auto* amount = find<QLineEdit>("efKwotaOdszkod");
    if (!amount) return;
    const bool paid = g && g->itemIndex() == 0;  // "TAK"
    amount->setEnabled(m_editable && paid);
    if (byUser && !paid) amount->clear();
}

void OtherReactions::deathDateTyped(QLineEdit* typed, QLineEdit* other) {
    // A readable date, or none, stands in both fields.
    const QString text = typed->text();
    if (other->text() == text) return;
    if (text.trimmed().isEmpty() || Formats::parseDate(text).isValid()) other->setText(text);
}

// --- Lists -------------------------------------------------------------------------------

void OtherReactions::listChosen(QComboBox* list, QLineEdit* field, int index) {
    if (index >= 0) putText(field, list->itemText(index));
}

void OtherReactions::injuryChosen(QComboBox* list, QLineEdit* field, int index) {
    if (index < 0) return;
    const QString part = list->itemText(index);
    // The empty item empties the field; another injury may stand only once.
    if (!part.isEmpty()) {
        for (const FixedList& l : serviceFixedLists()) {
            auto* other = l.distinct ? find<QLineEdit>(l.field) : nullptr;
            if (!other || other == field || other->text() != part) continue;
            showError(injuryTakenMessage(), &m_w);
            field->clear();
            const QSignalBlocker block(list);
            list->setCurrentIndex(-1);
            list->setFocus();
            return;
        }
    }
    putText(field, part);
}

// --- Triples -----------------------------------------------------------------------------

void OtherReactions::pickTriple(int row) {
    if (!m_editable) return;
    std::vector<EventTriple> rows(4);
    for (int r = 1; r <= 4; ++r)
        for (int level = 0; level < 3; ++level) {
            auto* id = find<QLineEdit>(tripleField(level, true, r));
            auto* name = find<QLineEdit>(tripleField(level, false, r));
            rows[size_t(r - 1)].id[level] = id ? id->text().trimmed().toInt() : 0;
            rows[size_t(r - 1)].name[level] = name ? name->text() : QString();
        }
    EventTriple picked = rows[size_t(row - 1)];
    if (!CodePickers::pickEventTriple(picked)) return;
    switch (placeTriple(rows, row - 1, picked)) {
    case TripleOutcome::Unchanged: return;
    case TripleOutcome::Duplicate: showError(duplicateTripleMessage(), &m_w); return;
    case TripleOutcome::Taken: break;
    }
    for (int level = 0; level < 3; ++level) {
        putText(find<QLineEdit>(tripleField(level, true, row)), QString::number(picked.id[level]));
        putText(find<QLineEdit>(tripleField(level, false, row)), picked.name[level]);
    }
}

void OtherReactions::clearTriple(int row) {
    if (!m_editable) return;
    for (int level = 0; level < 3; ++level)
        for (bool id : {true, false})
            if (auto* e = find<QLineEdit>(tripleField(level, id, row))) e->clear();
}

// --- Attachments and captions -----------------------------------------------------------

void OtherReactions::updateAttachmentList() {
    TDataModForm* d = dataMod();
    auto* memo = find<MemoEdit>("mfZalaczniki16");
    const RecordRef record = m_w.session(Register::Other).record();
    if (!m_editable || !d || !memo || !record.valid()) return;
    // The list is the program's text, not typing: taken whole.
    const QSignalBlocker block(memo);
    memo->setPlainText(serviceAttachmentList(d->KartyDB(), record.accidentId, record.personId));
}

void OtherReactions::updateCaptions() {
    QTabWidget* t = m_w.subPages(Register::Other);
    auto* date = find<QLineEdit>("eeData");
    auto* first = find<QLineEdit>("efImie");
    auto* last = find<QLineEdit>("efNazwisko");
    if (!t || !date || !first || !last) return;
    t->setTabText(1, kAccidentTab + date->text());
    t->setTabText(2, kPersonTab + first->text() + QLatin1Char(' ') + last->text());
}

} // namespace zort
