// A struck-out alternative of a printed form: its clicks, its state as accessibility
// tools see it and the line drawn across its caption.
#include "ui/StrikeMark.h"

#include <QAccessible>
#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace zort;

namespace {

const QString kCaption = QStringLiteral("powodujący czasową niezdolność do pracy");

// The longest run of dark pixels on row y of the image.
int darkRun(const QImage& image, int y) {
    int longest = 0, run = 0;
    for (int x = 0; x < image.width(); ++x) {
        run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The longest run of dark pixels on any row of the image.
int longestDarkRun(const QImage& image) {
    int longest = 0;
    for (int y = 0; y < image.height(); ++y)
        longest = std::max(longest, darkRun(image, y));
    return longest;
}

int textWidth(const StrikeMark& mark) {
    return QFontMetrics(mark.font()).horizontalAdvance(mark.text());
}

QImage rendered(StrikeMark& mark) {
    QPalette pal = mark.palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    mark.setPalette(pal);
    mark.setAutoFillBackground(true);
    mark.resize(mark.sizeHint());
    return mark.grab().toImage();
}

} // namespace

TEST(StrikeMark, IsNamedByItsCaptionAndShowsItsStateToTools) {
    StrikeMark mark(QStringLiteral("lblCzasowa"), QStringLiteral(" członek  rodziny:    "));
    EXPECT_EQ("lblCzasowa", mark.objectName());
    EXPECT_EQ(" członek  rodziny:    ", mark.text());
    EXPECT_EQ("członek rodziny", mark.accessibleName());
    EXPECT_FALSE(mark.struck());
    EXPECT_TRUE(mark.isCheckable());
    EXPECT_TRUE(mark.isChecked());
    EXPECT_EQ("nieskreślone", mark.accessibleDescription());
    EXPECT_EQ(Qt::StrongFocus, mark.focusPolicy());

    mark.setStruck(true);
    EXPECT_TRUE(mark.struck());
    EXPECT_FALSE(mark.isChecked());
    EXPECT_EQ("skreślone", mark.accessibleDescription());

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&mark);
    ASSERT_NE(nullptr, iface);
    EXPECT_EQ("członek rodziny", iface->text(QAccessible::Name));
    EXPECT_EQ("skreślone", iface->text(QAccessible::Description));
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);

    mark.setStruck(false);
    EXPECT_TRUE(mark.isChecked());
    EXPECT_TRUE(iface->state().checked);
    EXPECT_EQ("nieskreślone", iface->text(QAccessible::Description));
}

TEST(StrikeMark, MouseSpaceAndEnterClickWithoutChangingTheState) {
    StrikeMark mark(QStringLiteral("lblSmiertelny"), QStringLiteral("śmiertelny"));
    mark.resize(mark.sizeHint());
    mark.show();
    QSignalSpy clicked(&mark, &QAbstractButton::clicked);

    QTest::mouseClick(&mark, Qt::LeftButton);
    EXPECT_EQ(1, clicked.count());
    EXPECT_FALSE(mark.struck());
    EXPECT_TRUE(mark.isChecked());

    mark.setStruck(true);
    QTest::keyClick(&mark, Qt::Key_Space);
    EXPECT_EQ(2, clicked.count());
    QTest::keyClick(&mark, Qt::Key_Return);
    EXPECT_EQ(3, clicked.count());
    QTest::keyClick(&mark, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(4, clicked.count());
    EXPECT_TRUE(mark.struck());
    EXPECT_FALSE(mark.isChecked());
}

TEST(StrikeMark, EnterOnAMarkDoesNotPressTheDialogsDefaultButton) {
    QDialog dialog;
    auto* mark = new StrikeMark(QStringLiteral("lblZbiorowy"), QStringLiteral("zbiorowy"), &dialog);
    auto* ok = new QPushButton(QStringLiteral("Zapisz"), &dialog);
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(mark);
    layout->addWidget(ok);
    QSignalSpy okClicked(ok, &QPushButton::clicked);
    QSignalSpy markClicked(mark, &QAbstractButton::clicked);
    dialog.show();
    mark->setFocus();

    QTest::keyClick(mark, Qt::Key_Return);
    EXPECT_EQ(1, markClicked.count());
    EXPECT_EQ(0, okClicked.count());
    EXPECT_TRUE(dialog.isVisible());
}

TEST(StrikeMark, ADisabledMarkEmitsNothing) {
    StrikeMark mark(QStringLiteral("lblCiezki"), QStringLiteral("ciężki"));
    mark.resize(mark.sizeHint());
    mark.show();
    mark.setEnabled(false);
    QSignalSpy clicked(&mark, &QAbstractButton::clicked);
    QTest::mouseClick(&mark, Qt::LeftButton);
    QTest::keyClick(&mark, Qt::Key_Space);
    QTest::keyClick(&mark, Qt::Key_Return);
    EXPECT_EQ(0, clicked.count());
}

TEST(StrikeMark, AStruckMarkHasALineAcrossItsText) {
    StrikeMark mark(QStringLiteral("lblCzasowa"), kCaption);
    const int width = textWidth(mark);
    ASSERT_GT(width, 50);
    EXPECT_GE(mark.sizeHint().width(), width);
    EXPECT_GE(mark.sizeHint().height(), QFontMetrics(mark.font()).height());

    const int standing = longestDarkRun(rendered(mark));
    EXPECT_LT(standing, width / 4);

    mark.setStruck(true);
    const QImage struck = rendered(mark);
    EXPECT_GE(longestDarkRun(struck), width * 9 / 10);

    // The line is one pixel high: only one row holds a run across the text.
    int rows = 0;
    for (int y = 0; y < struck.height(); ++y)
        if (darkRun(struck, y) >= width / 2)
            ++rows;
    EXPECT_EQ(1, rows);

    mark.setStruck(false);
    EXPECT_LT(longestDarkRun(rendered(mark)), width / 4);
}
