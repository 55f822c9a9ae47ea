#include "register/CardPages.h"

#include "core/AdmSettings.h"
#include "core/UserInterface.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "domain/CardFields.h"
#include "domain/DataModForm.h"
#include "ui/ListForm.h"
#include "register/RejestrWypForm.h"
#include "ui/CardPicking.h"
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
        if (f.cardOnly) continue;
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
        connect(m_version, &RadioGroup::chosen, this,
                [this](int i) { CommandGuard::run([&]() { rgwWersjaSKWClick(i); }, &m_w); });
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
        if (f.cardOnly) continue;
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
        if (l->text().contains(QStringLiteral("Część I karty")) || l->text().contains(QStringLiteral("Część II karty")))
            l->setVisible(anyContact);
}

void CardPages::pick(const CardField& field) {
    pickCardCode(field, shownVersion(), find<QLineEdit>(field.codeControl), find<QLineEdit>(field.textControl));
    checkCause(field);
}

void CardPages::checkCause(const CardField& field) {
    rejectDuplicateCause(field, [this](const QString& name) { return find<QLineEdit>(name); }, &m_w);
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
