// The card forms: which window each form opens, and what a change of the form does,
// step by step, for the entry pages that supply the steps.
#include "domain/CardVersion.h"

#include <gtest/gtest.h>

using namespace zort;

namespace {

const QDateTime k2024(QDate(2024, 5, 10), QTime(10, 0));

// The steps of a change, each recorded as it runs.
struct RecordedSteps {
    QStringList done;
    bool answer = true;

    VersionChangeSteps steps() {
        VersionChangeSteps s;
        s.ask = [this]() {
            done << QStringLiteral("ask");
            return answer;
        };
        s.clear = [this]() { done << QStringLiteral("clear"); };
        s.layOut = [this](int v) { done << QStringLiteral("layOut %1").arg(v); };
        s.save = [this]() { done << QStringLiteral("save"); };
        s.putBack = [this](int v) { done << QStringLiteral("putBack %1").arg(v); };
        s.focusPlace = [this]() { done << QStringLiteral("focus"); };
        return s;
    }
    std::string text() const { return done.join(QStringLiteral(", ")).toStdString(); }
};

} // namespace

TEST(CardVersions, EachFormOpensItsWindow) {
    EXPECT_EQ("TSKWForm_2", cardWindowClass(0, k2024));
    EXPECT_EQ("TSKWForm_2", cardWindowClass(2, k2024));
    EXPECT_EQ("TSKWForm_3", cardWindowClass(3, k2024));
    EXPECT_EQ("TSKWForm_4", cardWindowClass(4, k2024));
    EXPECT_EQ("TSKWForm_5", cardWindowClass(5, k2024));
    // The 2000 form: the window of the reference year.
    EXPECT_EQ("TSKWForm", cardWindowClass(1, QDateTime(QDate(2000, 12, 31), QTime(0, 0))));
    EXPECT_EQ("TSKWForm", cardWindowClass(1, QDateTime(QDate(1999, 1, 1), QTime(0, 0))));
    EXPECT_EQ("TSKWForm_1", cardWindowClass(1, QDateTime(QDate(2001, 1, 1), QTime(0, 0))));
    // No form chosen, or one the program does not know: the current card.
    EXPECT_EQ("TSKWForm_5", cardWindowClass(-1, k2024));
    EXPECT_EQ("TSKWForm_5", cardWindowClass(6, k2024));
    EXPECT_EQ("TSKWForm_5", cardWindowClass(100, k2024));
}

TEST(CardVersions, BetweenTheFormsOf2010AndLaterTheChangeIsSilent) {
    for (const auto& [from, to] : std::vector<std::pair<int, int>>{{3, 4}, {3, 5}, {4, 3}, {5, 3}}) {
        RecordedSteps r;
        EXPECT_EQ(to, changeCardVersion(from, to, from, r.steps())) << from << "->" << to;
        EXPECT_EQ(QStringLiteral("layOut %1").arg(to).toStdString(), r.text()) << from << "->" << to;
        EXPECT_FALSE(versionChangeAsks(from, to));
    }
    // The same form chosen again does nothing at all.
    RecordedSteps same;
    EXPECT_EQ(4, changeCardVersion(4, 4, 4, same.steps()));
    EXPECT_EQ("", same.text());
}

TEST(CardVersions, OtherChangesAskAndYesClearsLaysOutAndSaves) {
    for (const auto& [from, to] : std::vector<std::pair<int, int>>{{4, 5}, {5, 4}, {2, 1}, {0, 2}, {2, 3}, {1, 5}, {5, 0}}) {
        RecordedSteps r;
        EXPECT_TRUE(versionChangeAsks(from, to)) << from << "->" << to;
        EXPECT_EQ(to, changeCardVersion(from, to, from, r.steps()));
        EXPECT_EQ(QStringLiteral("ask, clear, layOut %1, save, focus").arg(to).toStdString(), r.text())
            << from << "->" << to;
    }
}

TEST(CardVersions, NoPutsBackTheStoredForm) {
    RecordedSteps r;
    r.answer = false;
    EXPECT_EQ(2, changeCardVersion(2, 1, 2, r.steps()));
    EXPECT_EQ("ask, putBack 2, focus", r.text()) << "nothing cleared, laid out or saved";
    // The group was entered on another form than the stored one: the stored one comes back.
    RecordedSteps other;
    other.answer = false;
    EXPECT_EQ(4, changeCardVersion(5, 0, 4, other.steps()));
    EXPECT_EQ("ask, putBack 4, focus", other.text());
    // An accident without a stored form: the form the group was entered on.
    RecordedSteps none;
    none.answer = false;
    EXPECT_EQ(3, changeCardVersion(3, 1, -1, none.steps()));
    EXPECT_EQ("ask, putBack 3, focus", none.text());
}
