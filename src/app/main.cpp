#include "core/Clock.h"
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/Startup.h"
#include "core/UserFolders.h"
#include "core/UserInterface.h"
#include "db/DbError.h"
#include "ui/CommandGuard.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/QtTranslations.h"

#include <QApplication>
#include <cstdio>
#include <optional>

namespace {

// The application's default handler: an error that no command caught is shown and
// the program goes on with the window as it was.
class ZortApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const zort::DbError& e) {
            zort::CommandGuard::report(e);
        } catch (const zort::Error& e) {
            zort::showError(e.message());
        } catch (const std::exception& e) {
            zort::showError(QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> done = zort::answerInfoArguments(argc, argv)) return *done;
    zort::initProcessTime();
    // Without a display the toolkit would abort in the application's constructor.
    if (const QString missing = zort::missingDisplayMessage(argc, argv); !missing.isEmpty()) {
        std::fprintf(stderr, "zortwyp: %s\n", missing.toUtf8().constData());
        return 1;
    }
    std::optional<zort::PlatformStartWatch> watch(std::in_place);
    ZortApplication app(argc, argv);
    watch.reset();
    zort::installQtTranslations(QCoreApplication::applicationDirPath());
    zort::installDialogs();
    zort::Help::installKeyHandler();
    const QStringList args = app.arguments().mid(1);
    // An installed program keeps its files in the user's folder (core/UserFolders.h).
    zort::Startup startup(args, zort::UserFolders::programFolder(QCoreApplication::applicationDirPath(), args.value(0)));
    return startup.run();
}
