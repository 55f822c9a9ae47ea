#include "ui/WindowLayout.h"
#include "core/IniDocument.h"
#include "support/TestDatabase.h"

#include <QMainWindow>
#include <QTableView>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace zort;

TEST(WindowLayout, SavesAndRestoresWindowsAndNamedGrids) {
    const QString file = test::testTempRoot() + QStringLiteral("/zortwyp.ini");
    {
        QMainWindow w;
        w.setObjectName(QStringLiteral("SKWForm_4"));
        auto* central = new QWidget(&w);
        auto* grid = new QTableView(central);
        grid->setObjectName(QStringLiteral("DBGrid1"));
        new QVBoxLayout(central);
        w.setCentralWidget(central);
        w.move(40, 50);
        w.resize(640, 480);
        grid->resize(300, 200);
        WindowLayout::save(&w, file);
    }
    IniDocument ini(file);
    EXPECT_EQ("640", ini.value(QStringLiteral("SKWForm_4"), QStringLiteral("SKWForm_4.Width")));
    EXPECT_EQ("480", ini.value(QStringLiteral("SKWForm_4"), QStringLiteral("SKWForm_4.Height")));
    EXPECT_EQ("QMainWindow", ini.value(QStringLiteral("SKWForm_4"), QStringLiteral("SKWForm_4.ClassName")));
    EXPECT_EQ("300", ini.value(QStringLiteral("SKWForm_4"), QStringLiteral("DBGrid1.Width")));
    EXPECT_EQ("QTableView", ini.value(QStringLiteral("SKWForm_4"), QStringLiteral("DBGrid1.ClassName")));

    // Missing values (-9999) are skipped; the others are applied.
    ini.setValue(QStringLiteral("SKWForm_4"), QStringLiteral("SKWForm_4.Height"), QStringLiteral("-9999"));
    ini.save();
    QMainWindow w2;
    w2.setObjectName(QStringLiteral("SKWForm_4"));
    w2.resize(100, 123);
    WindowLayout::restore(&w2, file);
    EXPECT_EQ(640, w2.width());
    EXPECT_EQ(123, w2.height());
    EXPECT_EQ(40, w2.x());
}
