#include "register/CardPages.h"

#include "core/AdmSettings.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "domain/CardFields.h"
#include "domain/DataModForm.h"
#include "register/ListForm.h"
#include "register/RejestrWypForm.h"
#include "ui/CodePickers.h"
#include "ui/CommandGuard.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace zort {

template <class T>
T* CardPages::find(const QString& name) const {
    return m_pages->findChild<T*>(name);
}

CardPages::CardPages(TRejestrWypForm& window, QWidget* pages) : QObject(&window), m_w(window), m_pages(pages) {
    for (const CardField& f : cardFields()) {
        if (auto* b = find<QToolButton>(f.button)) {
            b->setToolTip(QStringLiteral("Wybór kodu: ") + f.title);
            const CardField* field = &f;
            connect(b, &QToolButton::clicked, this,
                    [this, field]() { CommandGuard::run([&]() { pick(*field); }, &m_w); });
        }
        if (auto* code = find<QLineEdit>(f.codeControl)) code->installEventFilter(this);
    }
    m_version = find<RadioGroup>(QStringLiteral("rgwWersjaSKW"));
    if (m_version)
        for (int i = 0; i < m_version->count(); ++i) {
            QRadioButton* b = m_version->button(i);
            connect(b, &QAbstractButton::clicked, this,
                    [this, i]() { CommandGuard::run([&]() { rgwWersjaSKWClick(i); }, &m_w); });
        }
    // Entering "SKW :" remembers the form it shows.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (!m_version || !now || !m_version->isAncestorOf(now)) return;
        if (!old || !m_version->isAncestorOf(old)) m_remembered = m_version->itemIndex();
    });
}

int CardPages::shownVersion() const { return m_version ? m_version->itemIndex() : -1; }

int CardPages::storedVersion() const {
    const TDataModForm* d = dataMod();
    if (!d || d->qrySKWWypadki->isEmpty()) return -1;
    return int(d->qrySKWWypadki->field(QStringLiteral("WERSJASKW")).asInt());
}

void CardPages::arrange(int version, bool editable) {
    m_editable = editable;
    m_remembered = version;
    showQuestionsOf(version);
}

void CardPages::showQuestionsOf(int version) {
    for (const CardField& f : cardFields()) {
        // A record without a form shows every question.
        const bool shown = version < 0 || cardHasField(f, version);
        auto* code = find<QLineEdit>(f.codeControl);
        if (!code) continue;
        for (QWidget* w : {static_cast<QWidget*>(code), static_cast<QWidget*>(find<QLineEdit>(f.textControl)),
                           static_cast<QWidget*>(find<QToolButton>(f.button))})
            if (w) w->setVisible(shown);
        for (QLabel* l : m_pages->findChildren<QLabel*>())
            if (l->buddy() == code) l->setVisible(shown);
    }
    // Who filled in the card: the fields the form has, with their captions and
    // calendars; the headings of the two parts go with them.
    bool anyContact = false;
    for (const CardContactField& f : cardContactFields()) {
        auto* e = find<QLineEdit>(f.control);
        if (!e) continue;
        const bool shown = version < 0 || (version < 32 && (f.versions >> version & 1u));
        anyContact = anyContact || shown;
        e->setVisible(shown);
        if (auto* calendar = m_pages->findChild<QWidget*>(QLatin1Char('w') + f.control.mid(2) + QStringLiteral("CalBtn")))
            calendar->setVisible(shown);
        for (QLabel* l : m_pages->findChildren<QLabel*>())
            if (l->buddy() == e) l->setVisible(shown);
    }
    for (QLabel* l : m_pages->findChildren<QLabel*>())
        if (l->text().contains(QLatin1String("Część I karty")) || l->text().contains(QLatin1String("Część II karty")))
            l->setVisible(anyContact);
}

void CardPages::pick(const CardField& field) {
    auto* code = find<QLineEdit>(field.codeControl);
    auto* text = find<QLineEdit>(field.textControl);
    if (!code || !text) return;
    const TDataModForm* d = dataMod();
    const CardDictionary dict = cardFieldDictionary(field, shownVersion(), d ? d->referenceDate : QDateTime());
    switch (dict.kind) {
    case CardDictKind::None: return;
    case CardDictKind::Tree: pickCodeInto(dict.table, dict.title, text, code); break;
    case CardDictKind::CodeList:
    case CardDictKind::List2000: {
        // The list of the form: read in the order the administration window sets.
        Dataset* rows = d ? d->dataset(dict.dataset) : nullptr;
        if (!rows) return;
        DictSource source;
        source.table = dict.table;
        source.order = admSettings().sortPozListWyp == 1 ? dict.orderByCode : dict.orderByName;
        rows->close();
        rows->setSql(comboSql(source));
        rows->setParams({});
        rows->open();
        TListForm& list = listForm();
        list.FillList(*rows, dict.listKind);
        list.SelectListEntry(code, dict.selectRule);
        if (list.choose(dict.title)) {
            const DictObject o = list.selectedObject();
            code->setText(entryCode(o, dict.codeRule));
            text->setText(entryText(o).left(text->maxLength()));
        }
        break;
    }
    }
    checkCause(field);
}

// A cause is chosen once: the slot just picked gives way to the slot that has it.
void CardPages::checkCause(const CardField& field) {
    if (field.causeSlot == 0) return;
    auto* code = find<QLineEdit>(field.codeControl);
    auto* text = find<QLineEdit>(field.textControl);
    if (!code || !text || code->text().trimmed().isEmpty()) return;
    for (const CardField& other : cardFields()) {
        if (other.causeSlot == 0 || other.causeSlot == field.causeSlot) continue;
        auto* otherCode = find<QLineEdit>(other.codeControl);
        if (!otherCode || !sameCauseCode(code->text(), otherCode->text())) continue;
        showError(duplicateCauseMessage(), &m_w);
        code->clear();
        text->clear();
        text->setFocus();
        return;
    }
}

bool CardPages::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && m_editable) {
        if (const CardField* f = cardFieldOfCode(watched->objectName())) {
            if (auto* code = find<QLineEdit>(f->codeControl)) code->clear();
            if (auto* text = find<QLineEdit>(f->textControl)) text->clear();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zort
