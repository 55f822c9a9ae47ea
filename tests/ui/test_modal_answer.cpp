// The test helper that answers modal windows: it answers once, and a window that
// never shows fails the test instead of being answered in a later one.
#include "support/ModalDriver.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace zort::test;

TEST(ModalAnswer, AnswersTheShownModalWindowOnce) {
    QDialog dialog;
    int answers = 0;
    ModalAnswer accept([&]() {
        ++answers;
        dialog.accept();
    });
    EXPECT_EQ(QDialog::Accepted, dialog.exec());
    EXPECT_TRUE(accept.answered());
    dialog.open();  // shown again while the answer lives: not answered again
    QTest::qWait(50);
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
    EXPECT_EQ(1, answers);
}

TEST(ModalAnswer, FailsWhenNoModalWindowShowsInItsScopeOrTime) {
    EXPECT_NONFATAL_FAILURE({ ModalAnswer never([]() {}); }, "was not shown by the end of the answer's scope");
    EXPECT_NONFATAL_FAILURE(
        {
            ModalAnswer late([]() { ADD_FAILURE() << "answered a window shown after its time"; },
                             std::chrono::milliseconds(30));
            QTest::qWait(100);
            QDialog dialog;
            QTimer::singleShot(50, &dialog, &QDialog::reject);
            dialog.exec();
        },
        "was not shown within 30 ms");
}
