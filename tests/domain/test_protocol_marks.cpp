// The strike-out marks of the post-accident protocol: how the coded values paint the
// alternatives of each form, and what sequences of clicks make of them.
#include "domain/ProtocolMarks.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

using namespace zort;
using M = ProtocolMark;

namespace {

const ProtocolMarkRules kRules2019{};
const ProtocolMarkRules kRules2003{false, true};
const ProtocolMarkRules kRules1998{true, true};

// The marks of the listed alternatives as a string, 'x' struck, '-' standing.
std::string paint(const ProtocolMarks& marks, std::initializer_list<M> group) {
    std::string s;
    for (M m : group)
        s += marks.struck(m) ? 'x' : '-';
    return s;
}

const std::initializer_list<M> kKind = {M::Individual, M::Collective};
const std::initializer_list<M> kEffects = {M::Fatal, M::Serious, M::Temporary};
const std::initializer_list<M> kType = {M::Is, M::IsNot, M::AtWork, M::TreatedAsEqual, M::Agency};
const std::initializer_list<M> kAcquaint = {M::Injured, M::Family};
const std::initializer_list<M> kDelivery = {M::Delivered, M::Posted};
const std::initializer_list<M> kRemarks = {M::RemarksYes, M::RemarksNo};

ProtocolMarks loaded(ProtocolMarkRules rules, ProtocolValues values) {
    ProtocolMarks marks(rules);
    marks.load(values);
    return marks;
}

} // namespace

TEST(ProtocolMarks, PaintsEveryGroupFromItsValue) {
    struct Case {
        int value;
        const char* kind;      // WYPIZ
        const char* acquaint;  // ZAPOZNANY
        const char* delivery;  // DORECZENIE
        const char* remarks;   // FORMWYP
    };
    const Case cases[] = {
        {0, "-x", "xx", "xx", "--"},
        {1, "x-", "-x", "-x", "x-"},
        {2, "xx", "x-", "x-", "-x"},
        {3, "xx", "xx", "xx", "xx"},
        {7, "xx", "xx", "xx", "xx"},
        {-1, "xx", "xx", "xx", "xx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const ProtocolMarks marks = loaded(kRules2019, {c.value, 0, 0, c.value, c.value, c.value});
        EXPECT_EQ(c.kind, paint(marks, kKind));
        EXPECT_EQ(c.acquaint, paint(marks, kAcquaint));
        EXPECT_EQ(c.delivery, paint(marks, kDelivery));
        EXPECT_EQ(c.remarks, paint(marks, kRemarks));
    }
}

TEST(ProtocolMarks, PaintsTheEffectsWithTheZeroOfEachForm) {
    struct Case {
        int skutki;
        const char* form2019;
        const char* form2003;  // and 1998: 0 shows all three struck
    };
    const Case cases[] = {
        {0, "---", "xxx"}, {1, "-xx", "-xx"}, {2, "x-x", "x-x"}, {3, "xx-", "xx-"},
        {4, "xxx", "xxx"}, {5, "xxx", "xxx"}, {-2, "xxx", "xxx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.skutki);
        EXPECT_EQ(c.form2019, paint(loaded(kRules2019, {0, 0, c.skutki}), kEffects));
        EXPECT_EQ(c.form2003, paint(loaded(kRules2003, {0, 0, c.skutki}), kEffects));
        EXPECT_EQ(c.form2003, paint(loaded(kRules1998, {0, 0, c.skutki}), kEffects));
    }
}

TEST(ProtocolMarks, PaintsTheTypeOfFourAndOfSixValues) {
    struct Case {
        int typwyp;
        const char* fourTypes;  // Is, IsNot, AtWork, TreatedAsEqual, Agency
        const char* sixTypes;
    };
    const Case cases[] = {
        {0, "-x-xx", "-x-xx"}, {1, "-xx-x", "-xx-x"}, {2, "x--xx", "x--xx"}, {3, "x-x-x", "x-x-x"},
        {4, "xxxxx", "-xxx-"}, {5, "xxxxx", "x-xx-"}, {6, "xxxxx", "xxxxx"}, {-1, "xxxxx", "xxxxx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typwyp);
        EXPECT_EQ(c.fourTypes, paint(loaded(kRules2019, {0, c.typwyp}), kType));
        EXPECT_EQ(c.sixTypes, paint(loaded(kRules1998, {0, c.typwyp}), kType));
    }
}

TEST(ProtocolMarks, ANewProtocolShowsTheValuesZero) {
    const ProtocolMarks marks;
    EXPECT_EQ(ProtocolValues{}, marks.values());
    EXPECT_EQ("-x", paint(marks, kKind));
    EXPECT_EQ("---", paint(marks, kEffects));
    EXPECT_EQ("-x-xx", paint(marks, kType));
    EXPECT_EQ("xx", paint(marks, kAcquaint));
    EXPECT_EQ("--", paint(marks, kRemarks));
}

TEST(ProtocolMarks, AnEffectClickedTwiceLeavesNoneOfTheThree) {
    ProtocolMarks marks = loaded(kRules2019, {});
    marks.click(M::Fatal);
    EXPECT_EQ(1, marks.values().skutki);
    EXPECT_EQ("-xx", paint(marks, kEffects));
    marks.click(M::Fatal);
    EXPECT_EQ(4, marks.values().skutki);
    EXPECT_EQ("xxx", paint(marks, kEffects));
    // From none of the three, any effect is chosen again; another effect replaces it.
    marks.click(M::Temporary);
    EXPECT_EQ(3, marks.values().skutki);
    EXPECT_EQ("xx-", paint(marks, kEffects));
    marks.click(M::Serious);
    EXPECT_EQ(2, marks.values().skutki);
    EXPECT_EQ("x-x", paint(marks, kEffects));
    marks.click(M::Serious);
    EXPECT_EQ(4, marks.values().skutki);
}

TEST(ProtocolMarks, KindRemarksAcquaintanceAndDeliveryClicks) {
    ProtocolMarks marks = loaded(kRules2019, {5, 0, 0, 0, 0, 0});
    marks.click(M::Collective);
    marks.click(M::Family);
    marks.click(M::Posted);
    marks.click(M::RemarksYes);
    EXPECT_EQ((ProtocolValues{1, 0, 0, 2, 2, 2}), marks.values());
    EXPECT_EQ("x-", paint(marks, kKind));
    EXPECT_EQ("x-", paint(marks, kAcquaint));
    EXPECT_EQ("x-", paint(marks, kDelivery));
    EXPECT_EQ("-x", paint(marks, kRemarks));

    marks.click(M::Individual);
    marks.click(M::Injured);
    marks.click(M::Delivered);
    marks.click(M::RemarksNo);
    EXPECT_EQ((ProtocolValues{0, 0, 0, 1, 1, 1}), marks.values());
    EXPECT_EQ("-x", paint(marks, kKind));
    EXPECT_EQ("-x", paint(marks, kAcquaint));
    EXPECT_EQ("-x", paint(marks, kDelivery));
    EXPECT_EQ("x-", paint(marks, kRemarks));

    // A second click on the chosen alternative keeps it.
    marks.click(M::RemarksNo);
    marks.click(M::Injured);
    EXPECT_EQ((ProtocolValues{0, 0, 0, 1, 1, 1}), marks.values());
}

TEST(ProtocolMarks, IsNotThenAtWorkThenIsKeepsTheKindLines) {
    ProtocolMarks marks = loaded(kRules2019, {0, 1});
    EXPECT_EQ("-xx-x", paint(marks, kType));

    marks.click(M::IsNot);
    EXPECT_EQ(3, marks.values().typwyp);
    EXPECT_EQ("x-x-x", paint(marks, kType));

    marks.click(M::AtWork);
    EXPECT_EQ(2, marks.values().typwyp);
    EXPECT_EQ("x--xx", paint(marks, kType));

    marks.click(M::Is);
    EXPECT_EQ(0, marks.values().typwyp);
    EXPECT_EQ("-x-xx", paint(marks, kType));

    marks.click(M::TreatedAsEqual);
    EXPECT_EQ(1, marks.values().typwyp);
    EXPECT_EQ("-xx-x", paint(marks, kType));
}

TEST(ProtocolMarks, IsAndIsNotRepaintOnlyThemselves) {
    // A value outside the four: "JEST" and "NIE JEST" change the marks, not the value,
    // and leave the struck kind lines as they are.
    ProtocolMarks marks = loaded(kRules2019, {0, 9});
    marks.click(M::IsNot);
    EXPECT_EQ(9, marks.values().typwyp);
    EXPECT_EQ("x-xxx", paint(marks, kType));
    // The kind clicked now counts under "NIE JEST".
    marks.click(M::TreatedAsEqual);
    EXPECT_EQ(3, marks.values().typwyp);
    EXPECT_EQ("x-x-x", paint(marks, kType));
    // "JEST" on an already chosen "JEST": the value stays.
    marks.click(M::Is);
    marks.click(M::Is);
    EXPECT_EQ(1, marks.values().typwyp);
    EXPECT_EQ("-xx-x", paint(marks, kType));
    // The agency line belongs to the form of 1998 only.
    marks.click(M::Agency);
    EXPECT_EQ(1, marks.values().typwyp);
    EXPECT_EQ("-xx-x", paint(marks, kType));
}

TEST(ProtocolMarks, TheFormOf1998AsksForTheKindAfterIsOrIsNot) {
    ProtocolMarks marks = loaded(kRules1998, {0, 0});
    EXPECT_EQ("-x-xx", paint(marks, kType));

    marks.click(M::IsNot);
    EXPECT_EQ(0, marks.values().typwyp);
    EXPECT_EQ("x-xxx", paint(marks, kType));

    marks.click(M::Agency);
    EXPECT_EQ(5, marks.values().typwyp);
    EXPECT_EQ("x-xx-", paint(marks, kType));

    marks.click(M::Is);
    EXPECT_EQ(5, marks.values().typwyp);
    EXPECT_EQ("-xxxx", paint(marks, kType));

    marks.click(M::Agency);
    EXPECT_EQ(4, marks.values().typwyp);
    EXPECT_EQ("-xxx-", paint(marks, kType));

    marks.click(M::AtWork);
    EXPECT_EQ(0, marks.values().typwyp);
    marks.click(M::IsNot);
    marks.click(M::TreatedAsEqual);
    EXPECT_EQ(3, marks.values().typwyp);
    EXPECT_EQ("x-x-x", paint(marks, kType));
}

TEST(ProtocolMarks, LoadingAgainRepaintsAfterClicks) {
    ProtocolMarks marks = loaded(kRules2003, {});
    marks.click(M::IsNot);
    marks.click(M::Serious);
    marks.load({1, 3, 0, 2, 1, 0});
    EXPECT_EQ((ProtocolValues{1, 3, 0, 2, 1, 0}), marks.values());
    EXPECT_EQ("x-", paint(marks, kKind));
    EXPECT_EQ("x-x-x", paint(marks, kType));
    EXPECT_EQ("xxx", paint(marks, kEffects));
    EXPECT_EQ("x-", paint(marks, kAcquaint));
    EXPECT_EQ("-x", paint(marks, kDelivery));
}
