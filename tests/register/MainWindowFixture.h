#pragma once
#include "support/ProgramFolder.h"
// The main window on a real database: the shared connection, the data module and
// the window as the start-up makes them, a logged-in user with chosen rights, a
// fixed clock and computer, and stand-ins for the document windows.
#include "core/AdmSettings.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "ui/DocumentWindows.h"
#include "core/Forms.h"
#include "core/Session.h"
#include "domain/SharedConnection.h"
#include "ui/Widgets.h"
#include "domain/DataModForm.h"
#include "register/EditSession.h"
#include "register/RejestrWypForm.h"
#include "register/ZnajdzForm.h"
#include "card/CodePickerForms.h"
#include "ui/CodePickers.h"
#include "support/ScriptedUi.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zort::test {

class MainWindowTest : public ::testing::Test {
protected:
    // The document windows the tests open, with the editable flag they got.
    QStringList opened;
    QList<bool> openedEditable;

    void SetUp() override { start(2); }

    // Starts the run for a user with the right `right` to the register.
    void start(int right, int blockRight = 2) { startAsTester(registerRights(right, blockRight)); }

    // The rights of a user of the register: `right` to it, `blockRight` to its
    // closing; every person of the employee register is shown.
    static TPrawaDostepu registerRights(int right = 2, int blockRight = 2) {
        TPrawaDostepu rights;
        rights.AWYPADKI = right;
        rights.ABLOKWYPADKI = blockRight;
        rights.AZAKL = 1;
        rights.AOsobWysw = 1;
        return rights;
    }
    // Starts the run for the tester with the rights.
    void startAsTester(const TPrawaDostepu& rights) {
        startAs(CurrentUser{1, QStringLiteral("tester"), QStringLiteral("Jan"), QStringLiteral("Test"), {}}, rights);
    }

    // Starts the run for the user with the rights; beforeWindow() runs just before
    // the data module and the main window are made.
    // The document windows the test stands in for: it records what was opened.
    static constexpr const char* kDocumentWindows[] = {"TSKWForm_5", "TSKWForm_4", "TProtPowForm", "TZalacznikiForm",
                                                       "TTestWForm", "TAdmDrukForm", "TAdmForm_W"};

    void startAs(const CurrentUser& user, const TPrawaDostepu& rights) {
        Clock::setNow(QDateTime(QDate(2024, 5, 10), QTime(10, 20, 30)));
        Workstation::setComputerName(QStringLiteral("STACJA-A"));
        admSettings() = AdmSettings();
        appContext() = AppContext{};
        shared = db.connect(QStringLiteral("Karty"));
        SharedConnection::set(shared.get());
        Session::logIn(user, rights);
        beforeWindow();
        for (const char* name : kDocumentWindows)
            DocumentWindows::add(QString::fromLatin1(name), [this](const DocumentWindows::Request& r) {
                opened << r.className;
                openedEditable << r.editable;
            });
        registerSearchWindow();
        dm = new TDataModForm(db.connect(QStringLiteral("KARTY")));
        Forms::add(QStringLiteral("TDataModForm"), dm);
        w = new TRejestrWypForm();
        Forms::add(QStringLiteral("TRejestrWypForm"), w);
        w->show();
    }

    virtual void beforeWindow() {}

    void TearDown() override {
        if (w) w->hide();
        clearTermination();
        clearEndedLoops();
        Forms::destroyAll();
        w = nullptr;
        dm = nullptr;
        SharedConnection::set(nullptr);
        shared.reset();
        Session::logOut();
        Clock::setNow(QDateTime());
        Workstation::resetComputerName();
        for (const char* name : kDocumentWindows) DocumentWindows::remove(QString::fromLatin1(name));
    }

    Connection& c() { return *shared; }
    QVariant value(const QString& sql, const Params& p = {}) { return c().scalar(sql, p); }
    QLineEdit* edit(const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPlainTextEdit* memo(const char* name) { return w->findChild<QPlainTextEdit*>(QString::fromLatin1(name)); }
    RadioGroup* radio(const char* name) { return w->findChild<RadioGroup*>(QString::fromLatin1(name)); }
    bool enabled(const char* button) { return w->button(QString::fromLatin1(button))->isEnabled(); }
    int accidentCount() { return value(QStringLiteral("SELECT COUNT(*) FROM SKWWYPADKI")).toInt(); }
    // The main window edits the record of accidents at work on its entry pages.
    bool editing() const { return w->session(Register::AtWork).editing(); }

    TestDatabase db;
    ScriptedUi ui;
    std::unique_ptr<Connection> shared;
    TDataModForm* dm = nullptr;
    TRejestrWypForm* w = nullptr;
};

// The main window with a new accident and its person, added by the user; the code
// pickers installed. `beforeAccident()` runs just before the accident is added.
class OpenAccidentTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        installCodePickers();
        beforeAccident();
        QApplication::setActiveWindow(w);
        w->DodWypBtnClick();
        id = dm->accidentId();
        person = dm->personId();
    }
    virtual void beforeAccident() {}
    void TearDown() override {
        MainWindowTest::TearDown();
        CodePickers::uninstall();
    }
    QVariant accidentValue(const char* column) {
        return value(QStringLiteral("SELECT %1 FROM SKWWYPADKI WHERE ID = :id").arg(QLatin1String(column)), {{"id", id}});
    }
    // A column of the person (the accident's first person unless another is named).
    QVariant personValue(const char* column, int personId = 0) {
        return value(QStringLiteral("SELECT %1 FROM SKWPOSZKODOWANI WHERE ID = :id").arg(QLatin1String(column)),
                     {{"id", personId ? personId : person}});
    }
    QToolButton* picker(const char* name) { return w->findChild<QToolButton*>(QString::fromLatin1(name)); }
    // What the main window asks of a document window for the accident and its person.
    DocumentWindows::Request request(const char* className, bool editable = true, bool onListPage = true) {
        DocumentWindows::Request r{QString::fromLatin1(className), editable, w};
        r.onListPage = onListPage;
        r.record = RecordRef{Register::AtWork, id, person};
        return r;
    }
    // Picks the node with the code in the tree picker that is up, by "OK".
    static void choose(CodePickerDialog& d, const QString& code) {
        QTreeWidget* tree = d.view()->tree();
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->text(0).startsWith(QLatin1Char('[') + code + QLatin1Char(']'))) tree->setCurrentItem(*it);
        d.okButton()->click();
        if (d.isVisible()) d.reject();
    }
    int id = 0;
    int person = 0;
};

} // namespace zort::test
