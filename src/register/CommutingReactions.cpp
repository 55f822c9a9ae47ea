#include "register/CommutingReactions.h"

#include "core/AdmSettings.h"
#include "core/Clock.h"
#include "core/Formats.h"
#include "db/Dataset.h"
#include "domain/AttachmentList.h"
#include "domain/DataModForm.h"
#include "domain/PersonCopy.h"
#include "register/RejestrWypForm.h"
#include "ui/CommandGuard.h"
#include "ui/KalendarzForm.h"
#include "ui/PageBuilder.h"
#include "ui/PageDictionaries.h"
#include "ui/PersonCopyPage.h"
#include "ui/Widgets.h"
#include "ui/ZatrudnienieForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace zort {
namespace {

const QString kPersonTab = QStringLiteral("Poszkodowany: ");

// The stored row of the commuting accident loaded.
const Dataset* commutingRow() {
    const TDataModForm* d = dataMod();
    return d && d->qryWypadkiWDrodze && !d->qryWypadkiWDrodze->isEmpty() ? d->qryWypadkiWDrodze : nullptr;
}

// The section heading of a page by its text.
QLabel* sectionLabel(QWidget* pages, const QString& title) {
    for (QLabel* l : pages->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("<b>") + title.toHtmlEscaped() + QStringLiteral("</b>")) return l;
    return nullptr;
}

// The fields the 2012 card has no place for, and those only the oldest form edits.
const char* const kOldFormOnly[] = {"mzObrazenia5", "mzZalaczniki6", "cbzKodChoroby", "ezStanCywilny", "ezZawod",
                                    "cbzZawod", "bUaktualnijZ"};

} // namespace

template <class T>
T* CommutingReactions::find(const char* name) const {
    return m_pages->findChild<T*>(QString::fromLatin1(name));
}

CommutingReactions::CommutingReactions(TRejestrWypForm& window, QWidget* pages)
    : QObject(&window), m_w(window), m_pages(pages) {
    m_dictionaries = new PageDictionaries(pages, DictionaryNames::commuting(), this);
    new PersonCopyPage(pages, *m_dictionaries, commutingPersonCopyMap(),
                       [] {
                           const Dataset* row = commutingRow();
                           return row ? row->field(QStringLiteral("NAZWISKO")).asString() : QString();
                       },
                       this);
    const auto clicks = [this](const char* group, void (CommutingReactions::*react)()) {
        if (RadioGroup* g = find<RadioGroup>(group))
            for (int i = 0; i < g->count(); ++i)
                connect(g->button(i), &QRadioButton::clicked, this, [this, react]() { (this->*react)(); });
    };
    clicks("rgzSkutki", &CommutingReactions::effectsChanged);
    clicks("rgzBlok", &CommutingReactions::closingClicked);
    for (const char* name : {"zsbZatrudnienie2", "zsbZatrudnienie3"})
        if (auto* b = find<QAbstractButton>(name))
            connect(b, &QAbstractButton::clicked, this,
                    [this]() { CommandGuard::run([this]() { pickPosition(); }, &m_w); });
    if (auto* b = find<QAbstractButton>("bUaktualnijZ"))
        connect(b, &QAbstractButton::clicked, this,
                [this]() { CommandGuard::run([this]() { updateAttachmentList(); }, &m_w); });
    if (auto* e = find<QLineEdit>("ezStanowKod")) onDoubleClick(e, [this]() { clearPosition(); });
    if (auto* e = find<QLineEdit>("e7Pesel")) onDoubleClick(e, [this]() { clearPersonLink(); });
    for (const char* name : {"ezNazwisko", "ezImie"})
        if (auto* e = find<QLineEdit>(name)) connect(e, &QLineEdit::textChanged, this, [this]() { updatePersonCaption(); });
    if (auto* b = find<QAbstractButton>("zsbZgonOpis"))
        connect(b, &QAbstractButton::clicked, this, [this]() { CommandGuard::run([this]() { chooseDeathDate(); }, &m_w); });
}

// --- Loading --------------------------------------------------------------------------------

void CommutingReactions::loaded(bool editable, bool closed) {
    m_editable = editable;
    m_closed = closed;
    m_dictionaries->selectEntries(-1, editable);
    for (const char* name : {"cmbzWojew", "cmbzZgonOpis"})
        if (auto* c = find<QComboBox>(name)) c->setEnabled(editable);
    if (auto* b = find<QAbstractButton>("bUaktualnijZ")) b->setEnabled(editable);
    effectsChanged();
    arrange();
}

void CommutingReactions::arrange() {
    const int form = admSettings().nowaKartaWypWDrodze;
    const bool oldest = form == 0;
    for (const char* name : kOldFormOnly)
        if (auto* w = find<QWidget>(name)) w->setEnabled(oldest && m_editable && !m_closed);
    if (auto* m = find<MemoEdit>("mzPrzyczyny1")) m->setMaxLength(oldest ? 5000 : 0);
    if (auto* m = find<MemoEdit>("mzUzasadnienie3")) m->setMaxLength(oldest ? 1000 : 0);
    // The 2012 card asks neither the marital status nor the occupation, nor page "4".
    const bool shown = form != 2;
    for (const char* name : {"ezStanCywilny", "ezKodZawodu", "cb_zFiltr"})
        if (auto* w = find<QWidget>(name)) setRowShown(w, shown);
    if (!shown)
        for (const char* name : {"e_zFiltr", "bzPokaz"})
            if (auto* w = find<QWidget>(name)) w->setVisible(false);
    if (shown)
        if (auto* filter = find<QCheckBox>("cb_zFiltr"))
            for (const char* name : {"e_zFiltr", "bzPokaz"})
                if (auto* w = find<QWidget>(name)) w->setVisible(filter->isChecked());
    if (auto* pages = find<QTabWidget>("pczWypadek"))
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->objectName() == QLatin1String("TabWD4")) pages->setTabVisible(i, shown);
}

// --- Reactions --------------------------------------------------------------------------------

void CommutingReactions::effectsChanged() {
    RadioGroup* g = find<RadioGroup>("rgzSkutki");
    if (!g) return;
    const bool death = g->itemIndex() == 0;
    const bool incapacity = g->itemIndex() == 1;
    if (QLabel* l = sectionLabel(m_pages, QStringLiteral("Zgon :"))) l->setVisible(death);
    if (auto* e = find<QLineEdit>("ezZgonOpis")) setRowShown(e, death);
    for (const char* title : {"Niezdolność do pracy :", "Procent uszczerbku na zdrowiu :"})
        if (QLabel* l = sectionLabel(m_pages, QString::fromUtf8(title))) l->setVisible(incapacity);
    for (const char* name : {"ezDataNiezdOd", "ezProcUszZdr"})
        if (auto* e = find<QLineEdit>(name)) setRowShown(e, incapacity);
}

void CommutingReactions::chooseDeathDate() {
    auto* death = find<QLineEdit>("ezZgonOpis");
    if (!m_editable || !death) return;
    // The date chosen goes after "w dniu ".
    if (const auto chosen = calendarForm().choose(Clock::today()))
        death->setText(QStringLiteral("w dniu ") + Formats::date(*chosen));
}

void CommutingReactions::closingClicked() {
    RadioGroup* g = find<RadioGroup>("rgzBlok");
    const Dataset* row = commutingRow();
    if (!g || !row) return;
    if (g->itemIndex() == int(row->field(QStringLiteral("BLOK")).asInt())) return;
    // Closing or opening is saved at once; the reload makes a closed accident read-only.
    CommandGuard::run([this]() { m_w.sbZapiszBtnClick(); }, &m_w);
}

void CommutingReactions::pickPosition() {
    if (!m_editable) return;
    auto* id = find<QLineEdit>("ezIdStanow");
    TZatrudnienieForm& picker = positionForm();
    if (!picker.choose(id ? id->text().toInt() : 0)) return;
    PersonCopyPage::apply(m_pages, applyCopyMap(commutingPersonCopyMap(),
                                                positionValues(picker.position(), picker.elementAtLevel(), picker.top())));
}

void CommutingReactions::clearPosition() {
    if (!m_editable) return;
    // The position, its element and the employer the position filled.
    for (const char* name : {"ezStanowKod", "ezIdStanow", "ezStanowSkrot", "ezStruktSkrot", "ezPrzedsieb",
                             "ezAdresPrzedsieb"})
        if (auto* e = find<QLineEdit>(name)) e->clear();
}

void CommutingReactions::clearPersonLink() {
    if (!m_editable) return;
    // The link and every personal, document, employment, employer and payer field.
    for (const CopyTarget& t : commutingPersonCopyMap())
        if (auto* e = m_pages->findChild<QLineEdit*>(t.control)) e->clear();
    for (const char* name : {"ezStanCywilny", "ezPeselPlat", "ezRodzDokPlat", "ezSeriaDokPlat", "ezNrDokPlat"})
        if (auto* e = find<QLineEdit>(name)) e->clear();
    for (const char* name : {"cmbzWojew", "cbzZawod", "cbzPoszkodowany"})
        if (auto* c = find<QComboBox>(name)) {
            const QSignalBlocker block(c);
            c->setCurrentIndex(-1);
        }
}

void CommutingReactions::updateAttachmentList() {
    TDataModForm* d = dataMod();
    auto* memo = find<MemoEdit>("mzZalaczniki6");
    const Dataset* row = commutingRow();
    if (!m_editable || !d || !memo || !row) return;
    // The attachments of this commuting accident (no protocol).
    const QStringList lines = attachmentListLines(d->KartyDB(), int(row->field(QStringLiteral("ID")).asInt()), 0,
                                                  admSettings().wyjasnieniePoszk);
    const QSignalBlocker block(memo);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void CommutingReactions::updatePersonCaption() {
    auto* first = find<QLineEdit>("ezImie");
    auto* last = find<QLineEdit>("ezNazwisko");
    if (QTabWidget* t = m_w.subPages(Register::Commuting); t && first && last)
        t->setTabText(2, kPersonTab + first->text() + QLatin1Char(' ') + last->text());
}

} // namespace zort
