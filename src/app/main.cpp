#include "core/Clock.h"
#include "app/Startup.h"
#include "ui/Dialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    zort::initProcessTime();
    QApplication app(argc, argv);
    zort::installDialogs();
    const QStringList args = app.arguments().mid(1);
    zort::Startup startup(args, QCoreApplication::applicationDirPath());
    return startup.run();
}
