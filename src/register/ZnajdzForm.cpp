#include "register/ZnajdzForm.h"
#include "register/RejestrWypForm.h"

#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "core/Forms.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "core/UserInterface.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"
#include "domain/AccidentSearch.h"
#include "domain/DataModForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zort {

TZnajdzForm::TZnajdzForm(QWidget* parent) : QDialog(parent) {
    auto* layout = setUpDialog(this, QStringLiteral("ZnajdzForm"), QStringLiteral("Znajdź "), false);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    int row = 0;
    auto field = [&](const char* name, const QString& caption, int maxLength) {
        auto* label = new QLabel(caption, this);
        QLineEdit* e = makeEdit(QString::fromLatin1(name), this, label, maxLength);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(e, row++, 1);
        return e;
    };
    m_surname = field("eNazwisko", QStringLiteral("Nazwisko"), 50);
    m_firstName = field("eImie", QStringLiteral("Imię"), 30);
    m_card = field("eSKW", QStringLiteral("Nr SKW"), 11);
    m_protocol = field("eProt", QStringLiteral("Nr protokołu"), 11);
    m_accidentCard = field("eKarta", QStringLiteral("Nr karty wyp."), 11);
    for (QLineEdit* e : {m_card, m_protocol, m_accidentCard}) e->setMaximumWidth(120);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](const char* name, const QString& caption) {
        QPushButton* b = makeDialogButton(QString::fromLatin1(name), caption, this);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* find = button("sbZnajdz", QStringLiteral("Znajdź"));
    find->setDefault(true);
    m_next = button("sbKolejny", QStringLiteral("Kolejny"));
    m_next->setToolTip(QStringLiteral("Następna"));
    m_next->setEnabled(false);
    buttons->addStretch();
    QPushButton* close = button("sbZamknij", QStringLiteral("Zamknij"));
    connect(find, &QPushButton::clicked, this, &TZnajdzForm::sbZnajdzClick);
    connect(m_next, &QPushButton::clicked, this, &TZnajdzForm::sbKolejnyClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(340, sizeHint().height());
}

AccidentSearch TZnajdzForm::criteria() const {
    return {m_surname->text(), m_firstName->text(), m_card->text(), m_protocol->text(), m_accidentCard->text()};
}

bool TZnajdzForm::nextEnabled() const { return m_next->isEnabled(); }

void TZnajdzForm::sbZnajdzClick() {
    m_found.clear();
    m_next->setEnabled(false);
    AccidentSearch::Result r;
    // A failure of the database is no bad search text: the guard reports it.
    if (!CommandGuard::run([&]() { r = criteria().run(SharedConnection::get()); }, this)) return;
    switch (r.outcome) {
    case AccidentSearch::Outcome::NoCriteria: showInfo(AccidentSearch::noCriteriaMessage(), this); return;
    case AccidentSearch::Outcome::BadNumber: showError(AccidentSearch::badNumberMessage(), this); return;
    case AccidentSearch::Outcome::NothingFound: showInfo(AccidentSearch::nothingFoundMessage(), this); return;
    case AccidentSearch::Outcome::Found: break;
    }
    m_found = r.accidents;
    m_current = 0;
    sbKolejnyClick();
}

void TZnajdzForm::sbKolejnyClick() {
    if (m_current >= m_found.size()) return;
    showAccident(m_found[m_current++]);
    m_next->setEnabled(m_current < m_found.size());
}

void TZnajdzForm::showAccident(int id) {
    TDataModForm* d = dataMod();
    if (!d) return;
    // The list is shown: an accident open on the entry pages is saved and given back
    // first, so that no other accident is edited without being taken.
    if (auto* w = Forms::get<TRejestrWypForm>(QStringLiteral("TRejestrWypForm"))) w->showAtWorkListPage();
    d->qrySKWWypadki->locate(QStringLiteral("ID"), id);
}

void registerSearchWindow() {
    if (DocumentWindows::exists(QStringLiteral("TZnajdzForm"))) return;
    DocumentWindows::add(QStringLiteral("TZnajdzForm"), [](const DocumentWindows::Request& r) {
        const bool first = !Forms::get(QStringLiteral("TZnajdzForm"));
        auto* form = qobject_cast<TZnajdzForm*>(
            Forms::getOrCreate(QStringLiteral("TZnajdzForm"), [&r]() -> QObject* { return new TZnajdzForm(r.parent); }));
        if (first) {
            // Beside the lists, over the right end of the main window, not over the
            // rows; where the user left it the last time when the layout file says.
            if (r.parent) {
                const QRect main = r.parent->window()->frameGeometry();
                form->move(main.right() - form->width() - 40, main.top() + 140);
            }
            WindowLayout::track(form);
        }
        form->show();
        form->raise();
        form->activateWindow();
    });
}

} // namespace zort
