#include "admin/AdmForm.h"

#include "admin/AdmBasicPage.h"
#include "admin/AdmDictionaryPages.h"
#include "ui/LeaveChecks.h"
#include "core/AppContext.h"
#include "core/Forms.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/Help.h"
#include "ui/Widgets.h"
#include "ui/WindowLayout.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zort {
namespace {

// The help contexts of the tabs "Podstawowe ustawienia", "Zespół powypadkowy", "SKW".
constexpr int kHelpBasic = 71000;
constexpr int kHelpTeam = 72000;
constexpr int kHelpCard = 73000;

} // namespace

TAdmForm_W::TAdmForm_W(QWidget* parent) : QDialog(parent) {
    QVBoxLayout* layout = setUpDialog(this, QStringLiteral("AdmForm_W"),
                                      QStringLiteral("Administracja bazy rejestru wypadków"), true);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    auto page = [this](const char* name, const QString& caption) {
        auto* w = new QWidget(m_tabs);
        w->setObjectName(QString::fromLatin1(name));
        m_tabs->addTab(w, caption);
        return w;
    };
    m_basic = page("tsPodstawowe", QStringLiteral("Podstawowe ustawienia"));
    m_team = page("tsZespol", QStringLiteral("Zespół powypadkowy"));
    m_card = page("tsSKW", QStringLiteral("SKW"));
    if (appContext().uniformedServices) m_commission = page("tsKomisja", QStringLiteral("Komisja powypadkowa"));
    layout->addWidget(m_tabs, 1);
    m_basicPage = new AdmBasicPage(m_basic, this);
    m_dictionaries = new AdmDictionaryPages(m_team, m_card, m_commission, this);

    auto* buttons = new QHBoxLayout;
    m_add = makeDialogButton(QStringLiteral("DodajBtn"), QStringLiteral("Dodaj"), this);
    m_delete = makeDialogButton(QStringLiteral("UsunBtn"), QStringLiteral("Usuń"), this);
    m_close = makeDialogButton(QStringLiteral("CloseBtn"), QStringLiteral("Zamknij"), this);
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { DodajBtnClick(); }, this); });
    connect(m_delete, &QPushButton::clicked, this, [this]() { CommandGuard::run([this]() { UsunBtnClick(); }, this); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this]() { updateButtons(); });
    connect(m_dictionaries, &AdmDictionaryPages::pageChanged, this, [this]() { updateButtons(); });
    resize(760, 600);
    WindowLayout::track(this);
}

int TAdmForm_W::helpContext() const {
    const QWidget* shown = m_tabs->currentWidget();
    if (shown == m_team) return kHelpTeam;
    if (shown == m_card) return kHelpCard;
    return kHelpBasic;
}

void TAdmForm_W::ShowAdmin(bool fullRight) {
    FormShow(fullRight);
    exec();
}

void TAdmForm_W::FormShow(bool fullRight) {
    m_fullRight = fullRight;
    m_tabs->setCurrentWidget(m_basic);
    m_add->setEnabled(false);
    m_delete->setEnabled(false);
    m_basicPage->showing(fullRight);
    m_dictionaries->showing(fullRight);
    updateButtons();
}

void TAdmForm_W::FormClose() {
    m_basicPage->closing();
    m_dictionaries->closing();
}

void TAdmForm_W::updateButtons() {
    const bool on = m_fullRight && m_tabs->currentWidget() != m_basic && m_dictionaries->addsAndDeletes();
    m_add->setEnabled(on);
    m_delete->setEnabled(on);
}

void TAdmForm_W::DodajBtnClick() {
    if (m_add->isEnabled()) m_dictionaries->add();
}

void TAdmForm_W::UsunBtnClick() {
    if (m_delete->isEnabled()) m_dictionaries->remove();
}

void TAdmForm_W::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        Help::show(helpContext());
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAdmForm_W::done(int result) {
    if (!m_basicPage->checks().checkPending()) return;
    QDialog::done(result);
}

void TAdmForm_W::closeEvent(QCloseEvent* event) { QDialog::closeEvent(event); }

TAdmForm_W& admForm() { return *Forms::getOrCreate<TAdmForm_W>(QStringLiteral("TAdmForm_W")); }

void registerAdminWindows() {
    DocumentWindows::add(QStringLiteral("TAdmForm_W"), [](const DocumentWindows::Request& r) {
        TAdmForm_W& w = admForm();
        // Whatever happens, the window's closing steps run once it was shown.
        struct Close {
            TAdmForm_W& w;
            ~Close() { w.FormClose(); }
        } close{w};
        w.ShowAdmin(r.editable);
    });
}

} // namespace zort
