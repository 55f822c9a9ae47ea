#include "app/Clock.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    zort::initProcessTime();
    QApplication app(argc, argv);
    QMainWindow w;
    w.show();
    return app.exec();
}
