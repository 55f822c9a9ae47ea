#include "app/Clock.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    zort::initProcessTime();
    QCoreApplication app(argc, argv);
    return 0;
}
