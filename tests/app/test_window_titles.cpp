// The titles of the windows after the start-up: each window shows its own caption
// and nothing else, whatever the start-up sets on the application.
#include "app/Startup.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Forms.h"
#include "core/Session.h"
#include "printing/Podglad.h"
#include "ui/KalendarzForm.h"
#include "ui/ListForm.h"
#include "register/RejestrWypForm.h"
#include "ui/ZatrudnienieForm.h"
#include "ui/AboutForm.h"
#include "ui/DocumentWindows.h"
#include "ui/InfoForm.h"
#include "ui/LogowanieForm.h"
#include "ui/ProgresForm.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedUi.h"
#include "support/TestValues.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMap>
#include <gtest/gtest.h>

using namespace zort;
using namespace zort::test;

namespace {

// The title the window system shows for a window title. Qt composes it: the title,
// then " — " and the application's display name, unless the title already ends
// with that name; an empty title becomes the application's name. The display name
// falls back to the application's name when none was set, and is taken here as set,
// so an unset display name does not pass for an empty one.
QString shownTitle(const QString& title) {
    const QString name = QGuiApplication::applicationDisplayName();
    if (title.endsWith(name)) return title.isEmpty() ? QCoreApplication::applicationName() : title;
    return title.isEmpty() ? name : title + QStringLiteral(" \u2014 ") + name;
}

// Records the title of every window shown while it lives.
class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    QMap<QString, QString> titles;  // object name -> window title

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            titles.insert(o->objectName(), static_cast<QWidget*>(o)->windowTitle());
        return false;
    }
};

class WindowTitles : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setNow(QDateTime(QDate(2024, 5, 10), QTime(10, 20, 30)));
        Workstation::setComputerName(QStringLiteral("STACJA-A"));
        folder.writeDefaultConfig();
        Startup::setLoginStep([](const QStringList&) {
            TPrawaDostepu rights;
            rights.AWYPADKI = 2;
            rights.AZAKL = 1;
            rights.AOsobWysw = 1;
            Session::logIn(CurrentUser{1, QStringLiteral("tester"), QStringLiteral("Jan"), QStringLiteral("Test"), {}},
                           rights);
            return int(ExitOk);
        });
    }
    void TearDown() override {
        Startup::setLoginStep(nullptr);
        resetRun();
        Workstation::resetComputerName();
        Clock::setNow(QDateTime());
    }

    // The start-up up to the message loop, as the program runs it: the main window
    // shown, the register of the year open.
    QWidget* startProgram(Startup& s) {
        EXPECT_EQ(ExitOk, s.prepare()) << ui.texts().join('|').toStdString();
        EXPECT_EQ(ExitOk, s.login());
        EXPECT_EQ(ExitOk, s.createForms()) << ui.texts().join('|').toStdString();
        auto* main = Forms::get<TRejestrWypForm>(QStringLiteral("TRejestrWypForm"));
        if (main) main->show();
        QCoreApplication::processEvents();
        return main;
    }

    TestDatabase db;
    ProgramFolder folder{db.path()};
    ScriptedUi ui;
};

} // namespace

TEST_F(WindowTitles, EveryWindowShowsItsExactCaption) {
    ShownWindows shown;
    Startup s({}, folder.path());
    QWidget* main = startProgram(s);
    ASSERT_TRUE(main);

    // The application keeps its name; no display name is added to any title.
    EXPECT_EQ("wypadki", QCoreApplication::applicationName());
    EXPECT_EQ("wypadki", applicationTitle());
    EXPECT_EQ("", QGuiApplication::applicationDisplayName());

    EXPECT_EQ(QString::fromUtf8("Rejestr wypadków na rok: 2024"), main->windowTitle());
    EXPECT_EQ(QString::fromUtf8("Rejestr wypadków na rok: 2024"), shownTitle(main->windowTitle()));

    // The search window, as "Znajdź" of the main window opens it.
    DocumentWindows::open({QStringLiteral("TZnajdzForm"), true, main});
    auto* search = Forms::get<QWidget>(QStringLiteral("TZnajdzForm"));
    ASSERT_TRUE(search);
    EXPECT_TRUE(search->isVisible());
    EXPECT_EQ(QString::fromUtf8("Znajdź "), search->windowTitle());
    EXPECT_EQ(QString::fromUtf8("Znajdź "), shownTitle(search->windowTitle()));

    // The information window of the start-up was shown with its caption.
    EXPECT_EQ("Informacja", shown.titles.value(QStringLiteral("AboutForm"))) << shown.titles.keys().join(',').toStdString();
    for (auto it = shown.titles.cbegin(); it != shown.titles.cend(); ++it)
        EXPECT_EQ(it.value(), shownTitle(it.value())) << it.key().toStdString();

    // The other windows of the run, each with its caption.
    TfrmLogowanie login;
    TAboutForm about;
    InfoForm info;
    print::TfrmPodglad preview(std::make_shared<print::ReportPages>(), print::PreviewRequest{});
    progressWindow().start(QString::fromUtf8("Wczytywanie struktury przedsiębiorstwa"), 2);
    const QString progress = progressWindow().windowTitle();
    progressWindow().finish();
    const std::vector<std::pair<QString, QString>> windows = {
        {"Logowanie", login.windowTitle()},
        {"Informacja", about.windowTitle()},
        {"Komunikat Programu ", info.windowTitle()},
        {"Kalendarz", calendarForm().windowTitle()},
        {"Lista", listForm().windowTitle()},
        {QString::fromUtf8("Wybór stanowiska"), positionForm().windowTitle()},
        {QString::fromUtf8("Wczytywanie struktury przedsiębiorstwa"), progress},
        {QString::fromUtf8("Podgląd raportu"), preview.windowTitle()},
    };
    for (const auto& [caption, title] : windows) {
        EXPECT_EQ(caption, title);
        EXPECT_EQ(caption, shownTitle(title));
    }
}
