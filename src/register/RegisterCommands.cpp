// The commands of the main window's toolbar and menu: the table of the commands
// with their captions, the rights that allow them, and their handlers.
#include "register/RejestrWypForm.h"
#include "register/EditSession.h"
#include "register/RecordEditor.h"
#include "db/DbError.h"

#include "core/AccessRights.h"
#include "core/AdminModule.h"
#include "core/AdmSettings.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "db/DbError.h"
#include "domain/DataModForm.h"
#include "domain/RegisterMessages.h"
#include "domain/Dictionaries.h"
#include "domain/CardVersion.h"
#include "domain/CodeTables.h"
#include "domain/StructureAccess.h"
#include "ui/CodePickers.h"
#include "ui/CommandGuard.h"
#include "ui/DocumentWindows.h"
#include "ui/Help.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace zort {
namespace {

const QString kAddBoth =
    QStringLiteral("Najpierw należy dodać wypadek i poszkodowanego, a następnie można wprowadzać dane . ");

// The toolbar: component name, caption, hint, standard glyph.
struct Command {
    const char* name;
    const char* caption;
    const char* hint;
    QStyle::StandardPixmap glyph;
};

const Command kCommands[] = {
    {"DodWypBtn", "Wypadek", "Dodaj wypadek", QStyle::SP_FileIcon},
    {"DodPoszkBtn", "Poszkod.", "Dodaj poszkodowanego", QStyle::SP_FileDialogNewFolder},
    {"sbKasWypBtn", "Wypadek", "Skasuj wypadek", QStyle::SP_TrashIcon},
    {"sbKasPoszkBtn", "Poszkod.", "Skasuj poszkodowanego", QStyle::SP_DialogDiscardButton},
    {"SKWBtn", "SKW", "Statystyczna Karta Wypadku", QStyle::SP_FileDialogDetailedView},
    {"ProtokolBtn", "Protokół", "Protokół Powypadkowy", QStyle::SP_FileDialogContentsView},
    {"DokumBtn", "Załączn.", "Załączniki", QStyle::SP_DirOpenIcon},
    {"TestBtn", "Testuj", "Test danych", QStyle::SP_DialogApplyButton},
    {"sbZapiszBtn", "Zapisz", "Zapisz dane", QStyle::SP_DialogSaveButton},
    {"DrukBtn", "Wydruki", "Wydruki", QStyle::SP_FileDialogListView},
    {"bZnajdz", "Znajdź", "Znajdź wypadek", QStyle::SP_FileDialogContentsView},
    {"PomocBtn", "Pomoc", "Pomoc", QStyle::SP_DialogHelpButton},
    {"AdminOg", "Admin.", "Moduł administracyjny systemu ZORT", QStyle::SP_ComputerIcon},
    {"sbZamknijBtn", "Koniec", "Zakończ pracę programu", QStyle::SP_DialogCloseButton},
    {"AdminBtn", "Dodatki", "Administracja bazy rejestru wypadków", QStyle::SP_FileDialogInfoView},
};

// The menu: caption and the button whose handler it shares.
struct MenuEntry {
    const char* menu;
    const char* caption;
    const char* button;
};

const MenuEntry kMenu[] = {
    {"Rejestr", "Dodaj wypadek", "DodWypBtn"},
    {"Rejestr", "Dodaj poszkodowanego", "DodPoszkBtn"},
    {"Rejestr", "Skasuj Wypadek", "sbKasWypBtn"},
    {"Rejestr", "Skasuj poszkodowanego", "sbKasPoszkBtn"},
    {"Rejestr", "Koniec", "sbZamknijBtn"},
    {"Dokumenty", "Statystyczna Karta Wypadku ...", "SKWBtn"},
    {"Dokumenty", "Protokół Powypadkowy ...", "ProtokolBtn"},
    {"Dokumenty", "Załączniki ...", "DokumBtn"},
    {"Narzędzia", "Test danych ...", "TestBtn"},
    {"Narzędzia", "Wydruki", "DrukBtn"},
    {"Narzędzia", "Administrator ...", "AdminBtn"},
    {"Pomoc", "Pomoc", "PomocBtn"},
};

// The size of every toolbar glyph.
constexpr int kGlyph = 24;

// A standard glyph drawn at the toolbar's size: a glyph the style has only smaller
// is scaled up and centred, so that all glyphs and the captions under them line up.
QIcon toolbarGlyph(const QStyle* style, QStyle::StandardPixmap which, qreal ratio) {
    const QSize size(kGlyph, kGlyph);
    const QIcon source = style->standardIcon(which);
    QIcon glyph;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        QPixmap p = source.pixmap(size, ratio, mode);
        if (p.deviceIndependentSize().toSize() != size)
            p = p.scaled(size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.setDevicePixelRatio(ratio);
        QPixmap canvas(size * ratio);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        const QSizeF drawn = p.deviceIndependentSize();
        painter.drawPixmap(QPointF((kGlyph - drawn.width()) / 2, (kGlyph - drawn.height()) / 2), p);
        painter.end();
        glyph.addPixmap(canvas, mode);
    }
    return glyph;
}

} // namespace

void TRejestrWypForm::buildToolbarAndMenu() {
    QToolBar* bar = addToolBar(QStringLiteral("Polecenia"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(kGlyph, kGlyph));
    const QHash<QString, std::function<void()>> handlers = {
        {QStringLiteral("DodWypBtn"), [this]() { DodWypBtnClick(); }},
        {QStringLiteral("DodPoszkBtn"), [this]() { DodPoszkBtnClick(); }},
        {QStringLiteral("sbKasWypBtn"), [this]() { sbKasWypBtnClick(); }},
        {QStringLiteral("sbKasPoszkBtn"), [this]() { sbKasPoszkBtnClick(); }},
        {QStringLiteral("SKWBtn"), [this]() { SKWBtnClick(); }},
        {QStringLiteral("ProtokolBtn"), [this]() { ProtokolBtnClick(); }},
        {QStringLiteral("DokumBtn"), [this]() { DokumBtnClick(); }},
        {QStringLiteral("TestBtn"), [this]() { TestBtnClick(); }},
        {QStringLiteral("sbZapiszBtn"), [this]() { sbZapiszBtnClick(); }},
        {QStringLiteral("DrukBtn"), [this]() { DrukBtnClick(); }},
        {QStringLiteral("bZnajdz"), [this]() { bZnajdzClick(); }},
        {QStringLiteral("PomocBtn"), [this]() { PomocBtnClick(); }},
        {QStringLiteral("AdminOg"), [this]() { AdminOgClick(); }},
        {QStringLiteral("sbZamknijBtn"), [this]() { sbZamknijBtnClick(); }},
        {QStringLiteral("AdminBtn"), [this]() { AdminBtnClick(); }},
    };
    int i = 0;
    for (const Command& c : kCommands) {
        auto* a = new QAction(toolbarGlyph(style(), c.glyph, devicePixelRatio()), QString::fromUtf8(c.caption), this);
        a->setObjectName(QString::fromLatin1(c.name));
        a->setToolTip(QString::fromUtf8(c.hint));
        a->setStatusTip(QString::fromUtf8(c.hint));
        connect(a, &QAction::triggered, this, guarded(a->objectName(), handlers.value(a->objectName())));
        bar->addAction(a);
        if (auto* b = bar->widgetForAction(a)) {
            b->setObjectName(a->objectName());
            b->setAccessibleName(a->text());
            b->setAccessibleDescription(a->toolTip());
        }
        m_buttons.insert(a->objectName(), a);
        // Groups: adding, deleting, documents, tools, the rest.
        if (++i == 2 || i == 4 || i == 7 || i == 11) bar->addSeparator();
    }
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& e : kMenu) {
        const QString title = QString::fromUtf8(e.menu);
        QMenu*& menu = menus[title];
        if (!menu) {
            menu = menuBar()->addMenu(title);
            menu->setObjectName(QStringLiteral("mn") + title);
        }
        auto* a = menu->addAction(QString::fromUtf8(e.caption));
        const QString button = QString::fromLatin1(e.button);
        a->setObjectName(QStringLiteral("mi") + button);
        if (const QAction* b = m_buttons.value(button)) a->setStatusTip(b->statusTip());
        connect(a, &QAction::triggered, this, guarded(button, handlers.value(button)));
        m_menuItems.insert(a->text(), a);
        m_menuButtons.insert(a->text(), button);
    }
}

bool TRejestrWypForm::commandAllowed(const QString& button) const {
    return AccessRights::ofSession().commandAllowed(button);
}

// A command runs only while the user's rights allow it, and through the command
// guard: a failure of the database is shown and the window stays as it was.
QString TRejestrWypForm::addAccidentFirstMessage() {
    return QStringLiteral("Najpierw należy dodać wypadek, a następnie można wprowadzać dane . ");
}

std::function<void()> TRejestrWypForm::guarded(const QString& button, std::function<void()> handler) {
    return [this, button, handler = std::move(handler)]() {
        if (handler && commandAllowed(button)) CommandGuard::run(handler, this);
    };
}

void TRejestrWypForm::enableMenu(const QString& caption, bool enabled) {
    if (QAction* m = menuItem(caption)) m->setEnabled(enabled && commandAllowed(m_menuButtons.value(caption)));
}

void TRejestrWypForm::setCommand(const QString& buttonName, const QString& menuCaption, bool enabled) {
    setCommand(buttonName, enabled);
    enableMenu(menuCaption, enabled);
}

void TRejestrWypForm::setCommand(const QString& buttonName, bool enabled) {
    if (QAction* b = button(buttonName)) b->setEnabled(enabled && commandAllowed(buttonName));
}

// ---------------------------------------------------------------------------------
// Commands

void TRejestrWypForm::DodWypBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    switch (activeRegister()) {
    case Register::AtWork: d->AddAccident(); break;
    case Register::Commuting:
        if (const QString failure = d->AddCommutingAccident(); !failure.isEmpty()) showError(failure, this);
        break;
    case Register::Other: d->AddOtherAccident(); break;
    }
}

void TRejestrWypForm::DodPoszkBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    if (reg == Register::Commuting) return;
    if (accidentsOf(reg)->isEmpty()) {
        showError(QStringLiteral("Przed dodaniem danych poszkodowanego w wypadku należy dodać dane związane z wypadkiem"),
                  this);
        return;
    }
    if (reg == Register::AtWork) {
        d->setCurrentIds(reg, currentAccidentId(reg), d->personIdOf(reg));
        d->AddInjuredPerson();
    } else {
        d->setCurrentIds(reg, currentAccidentId(reg), d->personIdOf(reg));
        d->AddOtherInjuredPerson();
    }
}

void TRejestrWypForm::sbKasWypBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    const int id = currentAccidentId(reg);
    if (id == 0) return;
    if (confirmInfo(QStringLiteral(" Czy na pewno usunąć dane o wypadku?"), this) != 1) return;
    // The data module reports the deletion; the pages follow the list. A deletion the
    // database refuses, or of an accident another computer holds, deletes nothing.
    try {
        switch (reg) {
        case Register::AtWork: d->DeleteAccident(id); break;
        case Register::Commuting: d->DeleteCommutingAccident(id); break;
        case Register::Other: d->DeleteOtherAccident(id); break;
        }
    } catch (const DbError& e) {
        CommandGuard::report(e, this);
    }
}

void TRejestrWypForm::sbKasPoszkBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    if (reg == Register::Commuting) return;
    Dataset* persons = personsOf(reg);
    const int person = persons->isEmpty() ? 0 : int(persons->field(QStringLiteral("ID")).asInt());
    if (person == 0) return;
    const int accident = currentAccidentId(reg);
    if (persons->recordCount() <= 1) {
        showError(TDataModForm::lastPersonMessage(), this);
        return;
    }
    if (confirmInfo(QStringLiteral(" Czy na pewno usunąć dane o poszkodowanym?"), this) != 1) return;
    // The count and kind of the accident change with the deletion; the data module
    // reports it and the pages follow the lists. Not deleted: the accident's last
    // person (the others deleted at another workstation meanwhile).
    try {
        const bool deleted = reg == Register::AtWork ? d->DeleteInjuredPerson(accident, person)
                                                     : d->DeleteOtherInjuredPerson(accident, person);
        if (!deleted) showError(TDataModForm::lastPersonMessage(), this);
    } catch (const DbError& e) {
        CommandGuard::report(e, this);
    }
}

QString TRejestrWypForm::statisticalCardClass() const {
    auto* g = m_tabPraca->findChild<RadioGroup*>(QStringLiteral("rgwWersjaSKW"));
    const int version = g ? g->itemIndex() : -1;
    const TDataModForm* d = dm();
    return cardWindowClass(version, d ? d->referenceDate() : Clock::now());
}

QString TRejestrWypForm::protocolClass() const {
    switch (admSettings().nowyProtPowypadkowy) {
    case 3: return QStringLiteral("TProtPowForm_3");
    case 2: return QStringLiteral("TProtPowForm_2");
    case 1: return QStringLiteral("TProtPowForm_1");
    default: return QStringLiteral("TProtPowForm");
    }
}

void TRejestrWypForm::openDocument(const QString& className, Register reg) {
    TDataModForm* d = dm();
    if (!d) return;
    const bool commuting = reg == Register::Commuting;
    if (accidentsOf(reg)->isEmpty() || (!commuting && personsOf(reg)->isEmpty())) {
        showError(commuting ? addAccidentFirstMessage() : kAddBoth, this);
        return;
    }
    EditSession& s = session(reg);
    const bool listPage = onListPage(reg);
    // The pages hold the record the lists stand on (they are loaded at every move).
    if (!(s.record() == d->listRecord(reg))) loadRecord(reg);
    const RecordRef record = s.record();
    // From an entry page the window works under the main window's own take.
    const bool acquired = listPage || !s.taken();
    if (acquired && !m_editor->take(reg, record.accidentId)) return;
    struct GiveBack {
        TRejestrWypForm* w;
        Register reg;
        int id;
        bool acquired;
        ~GiveBack() {
            if (!acquired) return;
            try {
                w->m_editor->release(reg, id);
            } catch (const DbError& e) {
                // Ended at the next start of this computer; the window goes on.
                logMessage(QStringLiteral("błąd"), e.message());
            }
        }
    } giveBack{this, reg, record.accidentId, acquired};
    // What was typed is saved first; a refused save opens nothing and keeps it.
    if (!saveRecord(reg)) return;
    DocumentWindows::Request request{className, s.mayBeEdited(), this};
    request.onListPage = listPage;
    request.record = record;
    // The window tells each time it wrote the record: the pages show it afterwards.
    auto wrote = std::make_shared<bool>(false);
    request.written = [wrote]() { *wrote = true; };
    DocumentWindows::open(request);
    if (*wrote) {
        d->reopenLists(reg, record.accidentId, record.personId);
        loadRecord(reg);
    }
}

void TRejestrWypForm::SKWBtnClick() { openDocument(statisticalCardClass(), Register::AtWork); }

void TRejestrWypForm::ProtokolBtnClick() { openDocument(protocolClass(), Register::AtWork); }

void TRejestrWypForm::DokumBtnClick() {
    switch (activeRegister()) {
    case Register::AtWork: openDocument(QStringLiteral("TZalacznikiForm"), Register::AtWork); break;
    case Register::Other: openDocument(QStringLiteral("TZalacznikiForm_Policja"), Register::Other); break;
    case Register::Commuting: openDocument(QStringLiteral("TZalacznikiForm"), Register::Commuting); break;
    }
}

void TRejestrWypForm::TestBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Dataset* persons = d->qrySKWPoszkodowani;
    const int person = persons->isEmpty() ? 0 : int(persons->field(QStringLiteral("ID")).asInt());
    if (person < 1) {
        showError(noDataToTestMessage(), this);
        return;
    }
    if (!saveRecord(Register::AtWork)) return;
    DocumentWindows::Request request{QStringLiteral("TTestWForm"), mayEdit(Register::AtWork), this};
    request.record = d->listRecord(Register::AtWork);
    DocumentWindows::open(request);
}

void TRejestrWypForm::sbZapiszBtnClick() { saveRecord(activeRegister()); }

void TRejestrWypForm::DrukBtnClick() {
    TDataModForm* d = dm();
    if (!d) return;
    const Register reg = activeRegister();
    const QString noData =
        QStringLiteral("Brak danych do drukowania. Przed skorzystaniem z polecenia należy wprowadzić dane do rejestru");
    if (reg == Register::Commuting) {
        if (currentAccidentId(reg) <= 0) {
            showError(noData, this);
            return;
        }
    } else {
        const Dataset* persons = personsOf(reg);
        const int person = persons->isEmpty() ? 0 : int(persons->field(QStringLiteral("ID")).asInt());
        auto* date = findChild<QLineEdit*>(reg == Register::AtWork ? QStringLiteral("e0Data") : QStringLiteral("exData"));
        if (person <= 0 || !date || date->text().trimmed().isEmpty()) {
            showError(noData, this);
            return;
        }
    }
    if (!saveRecord(reg)) return;
    static const QString windows[] = {QStringLiteral("TAdmDrukForm"), QStringLiteral("TAdmDrukWDrodzeForm"),
                                      QStringLiteral("TAdmDrukForm_Policja")};
    DocumentWindows::Request request{windows[int(reg)], mayEdit(reg), this};
    request.record = d->listRecord(reg);
    DocumentWindows::open(request);
}

void TRejestrWypForm::bZnajdzClick() { DocumentWindows::open({QStringLiteral("TZnajdzForm"), true, this}); }

void TRejestrWypForm::PomocBtnClick() { Help::show(10000, QStringLiteral("ZORTWYP.chm")); }

void TRejestrWypForm::AdminOgClick() {
    if (!startAdminModule(appContext().programDir, appContext().arg(1), Session::user().id)) return;
    FormClose();
    QApplication::quit();
}

void TRejestrWypForm::AdminBtnClick() {
    TDataModForm* d = dm();
    if (!d || d->adminOpen()) return;
    d->setAdminOpen(true);
    // Lowered when the window closes, even when one of its steps failed.
    struct Lower {
        TDataModForm* d;
        ~Lower() { d->setAdminOpen(false); }
    } lower{d};
    DocumentWindows::open({QStringLiteral("TAdmForm_W"), m_right == kFullAccess, this});
}

void TRejestrWypForm::bInfoClick() {
    TDataModForm* d = dm();
    const Register reg = activeRegister();
    const int id = reg == Register::Other ? 0 : currentAccidentId(reg);
    showBox(QStringLiteral("Id wypadku: ") + QString::number(id) + QStringLiteral("\n\r") + QStringLiteral("Id rejestru: ") +
                QString::number(d ? d->currentRegister() : 0),
            QStringLiteral("Info"), this);
}

void TRejestrWypForm::sbZamknijBtnClick() { close(); }

// The classification pickers of the accident-at-work pages.
void TRejestrWypForm::wMiejsceWypClick() {
    auto* version = m_tabPraca->findChild<RadioGroup*>(QStringLiteral("rgwWersjaSKW"));
    const bool card2022 = version && version->itemIndex() == 5;
    pickCodeInto(card2022 ? QStringLiteral("SKWMIEJSCEWYP_1") : QStringLiteral("SKWMIEJSCEWYP"),
                 QStringLiteral("Miejsce powstania wypadku"), m_tabPraca->findChild<QLineEdit*>(QStringLiteral("ewMiejsceWyp")),
                 m_tabPraca->findChild<QLineEdit*>(QStringLiteral("ewIdMiejsca")));
}

void TRejestrWypForm::wZawodClick() {
    // Edition 0 is a flat list, picked from the list beside the field.
    const QString table = occupationTreeTable(admSettings().kzs);
    if (table.isEmpty()) return;
    pickOccupationInto(table, QStringLiteral("Klasyfikacja zawodów"), m_tabPraca->findChild<QLineEdit*>(QStringLiteral("epZawod")),
                       m_tabPraca->findChild<QLineEdit*>(QStringLiteral("epKodZawodu")));
}

} // namespace zort
