#include "register/EntryReactions.h"

#include "core/AdmSettings.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "domain/AttachmentList.h"
#include "domain/DataModForm.h"
#include "domain/PersonCopy.h"
#include "domain/RegisterSql.h"
#include "domain/OrgStructure.h"
#include "domain/ProtocolLayout.h"
#include "register/RejestrWypForm.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>

namespace zort {
namespace {

const QColor kEditableYellow(0xFF, 0xFF, 0xE1);

void setYellow(QLineEdit* e, bool yellow) {
    QPalette p = e->palette();
    if (yellow) p.setColor(QPalette::Base, kEditableYellow);
    else p = QPalette();
    e->setPalette(p);
}

// The caption a page builder put beside a control.
QLabel* captionOf(QWidget* pages, QWidget* control) {
    for (QLabel* l : pages->findChildren<QLabel*>())
        if (l->buddy() == control) return l;
    return nullptr;
}

} // namespace

template <class T>
T* EntryReactions::find(const char* name) const {
    return m_pages->findChild<T*>(QString::fromLatin1(name));
}

EntryReactions::EntryReactions(TRejestrWypForm& window, QWidget* pages) : QObject(&window), m_w(window), m_pages(pages) {
    auto clicks = [this](RadioGroup* g, void (EntryReactions::*react)()) {
        if (!g) return;
        for (int i = 0; i < g->count(); ++i)
            connect(g->button(i), &QRadioButton::clicked, this, [this, react]() { (this->*react)(); });
    };
    clicks(find<RadioGroup>("rgwWypIZ"), &EntryReactions::accidentTypeClicked);
    clicks(find<RadioGroup>("rgwBlok"), &EntryReactions::closingClicked);
    if (RadioGroup* g = find<RadioGroup>("rgkRodzajWyp"))
        for (int i = 0; i < g->count(); ++i)
            connect(g->button(i), &QRadioButton::clicked, this, [this]() { eventKindChosen(true); });
    if (RadioGroup* g = find<RadioGroup>("rgpSpKrytJedn"))
        for (int i = 0; i < g->count(); ++i)
            connect(g->button(i), &QRadioButton::clicked, this, [this]() { unitCriteriaChosen(true); });
    if (auto* father = find<QLineEdit>("epImOjca"))
        connect(father, &QLineEdit::editingFinished, this, [this, father]() {
            if (auto* son = find<QLineEdit>("epSynCorka"); son && m_editable) son->setText(father->text().left(15));
        });
    for (const char* name : {"epStanowKod", "epIdStanow"})
        if (auto* e = find<QLineEdit>(name)) onDoubleClick(e, [this]() { clearPosition(); });
    for (const char* name : {"e9Pesel", "epIdPracownika"})
        if (auto* e = find<QLineEdit>(name)) onDoubleClick(e, [this]() { clearEmployeeLink(); });
    for (const char* name : {"erImNazwCz", "erImNazwCzZap"})
        if (auto* e = find<QLineEdit>(name)) onDoubleClick(e, [this, e]() { writeInjuredName(e); });
    for (const auto& [button, memo] : {std::pair{"bUaktualnijW", "mrZalaczniki10"}, std::pair{"bUaktualnijK", "mkZalaczniki10"}})
        if (auto* b = m_pages->findChild<QAbstractButton*>(QString::fromLatin1(button)))
            connect(b, &QAbstractButton::clicked, this, [this, memo]() {
                CommandGuard::run([this, memo]() { updateAttachmentList(memo); }, &m_w);
            });
    if (RadioGroup* g = find<RadioGroup>("rgpRodzUmowy"))
        for (int i = 0; i < g->count(); ++i)
            connect(g->button(i), &QRadioButton::clicked, this, [this]() {
                CommandGuard::run([this]() { employmentKindClicked(); }, &m_w);
            });
    // The person's tab says whose data the pages show, while they are typed or
    // copied from the employee register.
    for (const char* name : {"epNazwisko", "epImie", "epPeselPrac", "epNipPrac"})
        if (auto* e = find<QLineEdit>(name))
            connect(e, &QLineEdit::textChanged, this, [this]() {
                auto* first = find<QLineEdit>("epImie");
                auto* last = find<QLineEdit>("epNazwisko");
                if (QTabWidget* t = m_w.subPages(Register::AtWork); t && first && last)
                    t->setTabText(2, QStringLiteral("Poszkodowany: ") + first->text() + QLatin1Char(' ') + last->text());
            });
    if (auto* type = find<QComboBox>("cbrTypWyp"))
        connect(type, &QComboBox::activated, this, [this](int index) {
            CommandGuard::run([this, index]() { accidentKindChosen(index); }, &m_w);
        });
}

void EntryReactions::arrange() {
    const ProtocolLayout layout = protocolLayout(admSettings().nowyProtPowypadkowy, admSettings().protPowWielostronicowy);
    for (auto it = layout.memoLimits.cbegin(); it != layout.memoLimits.cend(); ++it)
        if (auto* m = m_pages->findChild<MemoEdit*>(it.key())) m->setMaxLength(it.value());
    if (auto* type = find<QComboBox>("cbrTypWyp")) {
        QStringList items;
        for (int i = 0; i < type->count(); ++i) items << type->itemText(i);
        if (items != layout.accidentTypes) {
            const QSignalBlocker block(type);
            type->clear();
            type->addItems(layout.accidentTypes);
            type->setCurrentIndex(-1);
        }
    }
    if (auto* causes = m_pages->findChild<QWidget*>(QStringLiteral("mrPrzyczyny02")))
        if (QLabel* caption = captionOf(m_pages, causes); caption && caption->text() != layout.causesCaption) {
            caption->setText(layout.causesCaption);
            causes->setAccessibleName(captionName(layout.causesCaption));
        }
    if (auto* remarks = find<RadioGroup>("rgrFormWyp")) remarks->setVisible(layout.remarksQuestion);
}

void EntryReactions::enable(bool editable) {
    m_editable = editable;
    const ProtocolLayout layout = protocolLayout(admSettings().nowyProtPowypadkowy, admSettings().protPowWielostronicowy);
    for (const QString& name : protocolEmployerFields())
        if (auto* e = m_pages->findChild<QLineEdit*>(name)) {
            e->setEnabled(editable && layout.employerEditable);
            setYellow(e, editable && layout.employerEditable);
        }
    if (auto* birthPlace = find<QLineEdit>("epMiejsceUr")) {
        auto* link = find<QLineEdit>("epIdPracownika");
        const bool employee = link && !link->text().trimmed().isEmpty() && link->text().trimmed() != QLatin1String("0");
        setYellow(birthPlace, editable && layout.birthPlaceEditable && !employee);
    }
    for (const char* name : {"bUaktualnijW", "bUaktualnijK"})
        if (auto* b = m_pages->findChild<QAbstractButton*>(QString::fromLatin1(name))) b->setEnabled(editable);
    eventKindChosen(false);
    unitCriteriaChosen(false);
}

void EntryReactions::clearEmployeeLink() {
    if (!m_editable) return;
    // The link and everything the copy from the employee register wrote, but for the
    // names of the protocol's confirming persons.
    for (const CopyTarget& t : injuredPersonCopyMap()) {
        if (t.value == CopyValue::FullName || t.value == CopyValue::Sex) continue;
        QWidget* w = m_pages->findChild<QWidget*>(t.control);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->clear();
        else if (auto* c = qobject_cast<QCheckBox*>(w)) c->setChecked(false);
    }
    for (const char* name : {"cmbWojew", "cbNazwisko", "cbUmowa", "cbZawod"})
        if (auto* c = find<QComboBox>(name)) {
            const QSignalBlocker block(c);
            c->setCurrentIndex(-1);
        }
}

void EntryReactions::writeInjuredName(QLineEdit* field) {
    TDataModForm* d = dataMod();
    if (!m_editable || !d || d->qrySKWPoszkodowani->isEmpty()) return;
    const Dataset& p = *d->qrySKWPoszkodowani;
    field->setText(p.field(QStringLiteral("IMIE")).asString() + QLatin1Char(' ') + p.field(QStringLiteral("NAZWISKO")).asString());
}

void EntryReactions::updateAttachmentList(const char* memoName) {
    TDataModForm* d = dataMod();
    auto* memo = m_pages->findChild<MemoEdit*>(QString::fromLatin1(memoName));
    if (!m_editable || !d || !memo || d->accidentId() <= 0 || d->personId() <= 0) return;
    const QStringList lines = attachmentListLines(d->KartyDB(), d->accidentId(), d->personId(), admSettings().wyjasnieniePoszk);
    // The list is the program's text, not typing: taken whole.
    const QSignalBlocker block(memo);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void EntryReactions::employmentKindClicked() {
    TDataModForm* d = dataMod();
    RadioGroup* g = find<RadioGroup>("rgpRodzUmowy");
    if (!d || !g || d->qrySKWPoszkodowani->isEmpty()) return;
    // RODZUMOWY: 1 "TAK" (a protocol), 2 "NIE" (an accident card).
    const int stored = int(d->qrySKWPoszkodowani->field(QStringLiteral("RODZUMOWY")).asInt()) - 1;
    const int chosen = g->itemIndex();
    if (chosen == stored || chosen < 0) return;
    if (confirmInfo(QStringLiteral("\r\n Czy na pewno zmienić rodzaj umowy poszkodowanego?"), &m_w) != 1) {
        const QSignalBlocker block(g);
        g->setItemIndex(stored);
        return;
    }
    auto* protocolNumber = find<QLineEdit>("epNumerProt");
    auto* cardNumber = find<QLineEdit>("epNUMERKARTYWYP");
    if (chosen == 1) {
        if (protocolNumber) protocolNumber->setText(QStringLiteral("0"));
        if (cardNumber) cardNumber->setText(d->NextDocumentNumber(DocumentKind::AccidentCard));
    } else {
        if (cardNumber) cardNumber->setText(QStringLiteral("0"));
        if (protocolNumber) protocolNumber->setText(d->NextDocumentNumber(DocumentKind::Protocol));
    }
    // Saved at once; the reload shows the pages of the new kind.
    m_w.sbZapiszBtnClick();
}

void EntryReactions::accidentKindChosen(int index) {
    TDataModForm* d = dataMod();
    if (!d || d->accidentId() <= 0 || d->qrySKWWypadki->isEmpty()) return;
    int highest = index;
    QSqlQuery q = d->KartyDB().run(
        QStringLiteral("SELECT TypWyp FROM SKWPOSZKODOWANI WHERE ID<>:person AND IDWYPADKU=:accident AND TypWyp > 1"),
        Params{{"person", d->personId()}, {"accident", d->accidentId()}});
    while (q.next()) highest = qMax(highest, q.value(0).toInt());
    d->setNotRecognised(d->accidentId(), d->qrySKWWypadki->field(QStringLiteral("DATA")).asDateTime(), highest >= 2);
}

void EntryReactions::accidentTypeClicked() {
    // The type follows the number of injured persons only.
    TDataModForm* d = dataMod();
    RadioGroup* g = find<RadioGroup>("rgwWypIZ");
    if (!d || !g || d->qrySKWWypadki->isEmpty()) return;
    const QSignalBlocker block(g);
    g->setItemIndex(d->qrySKWWypadki->field(QStringLiteral("WYPIZ")).asInt() != 0 ? 1 : 0);
}

void EntryReactions::closingClicked() {
    TDataModForm* d = dataMod();
    RadioGroup* g = find<RadioGroup>("rgwBlok");
    if (!d || !g || d->qrySKWWypadki->isEmpty()) return;
    if (g->itemIndex() == int(d->qrySKWWypadki->field(QStringLiteral("BLOK")).asInt())) return;
    // Closing or opening an accident is saved at once; the reload makes the pages
    // read-only for a closed one.
    CommandGuard::run([this]() { m_w.sbZapiszBtnClick(); }, &m_w);
}

void EntryReactions::eventKindChosen(bool byUser) {
    RadioGroup* g = find<RadioGroup>("rgkRodzajWyp");
    auto* reason = m_pages->findChild<QWidget*>(QStringLiteral("mkUzasadn07"));
    if (!g || !reason) return;
    const bool notAnEvent = g->itemIndex() == 1;  // "NIE JEST"
    if (byUser && !notAnEvent)
        if (auto* m = qobject_cast<MemoEdit*>(reason)) m->clear();
    reason->setEnabled(m_editable && notAnEvent);
}

void EntryReactions::unitCriteriaChosen(bool byUser) {
    RadioGroup* g = find<RadioGroup>("rgpSpKrytJedn");
    if (!g) return;
    const bool meets = g->itemIndex() == 1;  // "TAK"
    for (const char* name : {"epMscJedn", "epIdMscJedn", "epRodzDzialJedn", "epIdRodzDzialJedn", "epFWJedn", "epIDFWJedn"})
        if (auto* e = find<QLineEdit>(name)) {
            if (byUser && !meets) e->clear();
            e->setEnabled(m_editable && meets);
        }
    if (auto* picker = m_pages->findChild<QAbstractButton*>(QStringLiteral("wFormaWlasnosciJedn")))
        picker->setEnabled(m_editable && meets);
}

void EntryReactions::clearPosition() {
    if (!m_editable) return;
    // The position, its element and the employer fields the position filled.
    for (const auto& [name, text] : positionFieldValues(TStrukt{}, QString(), TStrukt{})) {
        Q_UNUSED(text);
        if (auto* e = m_pages->findChild<QLineEdit*>(name)) e->clear();
    }
    for (const char* name : {"epStanowKod", "epIdStanow", "epStanowSkrot", "epStruktSkrot"})
        if (auto* e = find<QLineEdit>(name)) e->clear();
}

} // namespace zort
