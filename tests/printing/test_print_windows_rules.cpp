// The rules of the print selection without a window: the page choice, the page
// forms it collects and the register filter.
#include "printing/PrintChoice.h"
#include "printing/RegisterFilter.h"

#include <gtest/gtest.h>

using namespace zort;
using namespace zort::print;
using B = PrintChoice;

namespace {

QDateTime at(int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime(0, 0)); }

AdmSettings settings(int protocol, int card, bool whole) {
    AdmSettings s;
    s.nowyProtPowypadkowy = protocol;
    s.kartaWypadku = card;
    s.protPowWielostronicowy = whole;
    return s;
}

} // namespace

TEST(PrintChoiceRules, PersonWithoutProtocolShowsOnlyTheCardGroups) {
    PrintChoice c;
    c.reset(settings(2, 2, false));
    c.setPerson(true);
    EXPECT_TRUE(c.groupShown(B::gbSKW));
    EXPECT_TRUE(c.groupShown(B::gb_1_2));
    EXPECT_FALSE(c.groupShown(B::gb_all));
    EXPECT_TRUE(c.groupShown(B::gbRW));
    EXPECT_FALSE(c.groupShown(B::gbKARTAWYPADKU));
    c.setChecked(B::RW, true);
    c.setPerson(false);
    EXPECT_TRUE(c.groupShown(B::gbSKW));
    EXPECT_FALSE(c.groupShown(B::gb_1_2));
    EXPECT_FALSE(c.groupShown(B::gbRW));
    EXPECT_TRUE(c.groupShown(B::gbKARTAWYPADKU));
    EXPECT_FALSE(c.groupShown(B::gbKartaWypadku_all));
    EXPECT_FALSE(c.isChecked(B::RW)) << "a hidden box is unchecked";
    // Whole pages without a limit: the accident card prints whole.
    c.reset(settings(3, 1, true));
    c.setPerson(false);
    EXPECT_FALSE(c.groupShown(B::gbKARTAWYPADKU));
    EXPECT_TRUE(c.groupShown(B::gbKartaWypadku_all));
    c.setPerson(true);
    EXPECT_TRUE(c.groupShown(B::gb_all));
    EXPECT_FALSE(c.groupShown(B::gb_1_2));
}

TEST(PrintChoiceRules, OneDocumentAtATime) {
    PrintChoice c;
    c.reset(settings(2, 2, false));
    c.setPerson(false);
    c.setCardVersion(5);
    c.setChecked(B::SKW1, true);
    c.setChecked(B::SKW3, true);
    EXPECT_TRUE(c.isChecked(B::SKW1) && c.isChecked(B::SKW3)) << "pages of one document combine";
    c.setChecked(B::KW1, true);
    EXPECT_TRUE(c.isChecked(B::KW1));
    EXPECT_FALSE(c.isChecked(B::SKW1));
    EXPECT_FALSE(c.isChecked(B::SKW3));
    // The whole protocol after pages one and two unchecks them.
    c.setPerson(true);
    c.setChecked(B::PP1, true);
    c.setChecked(B::PP2, true);
    EXPECT_TRUE(c.isChecked(B::PP1) && c.isChecked(B::PP2));
    EXPECT_FALSE(c.isChecked(B::KW1));
    c.reset(settings(2, 2, true));
    c.setPerson(true);
    EXPECT_FALSE(c.anyChecked()) << "showing the window unchecks everything";
    c.setChecked(B::RW, true);
    c.setChecked(B::PPall, true);
    EXPECT_TRUE(c.isChecked(B::PPall));
    EXPECT_FALSE(c.isChecked(B::RW));
    c.setChecked(B::PPall, false);
    EXPECT_FALSE(c.anyChecked());
}

TEST(PrintChoiceRules, PagesEnabledBySettingsAndCardVersion) {
    PrintChoice c;
    c.reset(settings(1, 0, false));
    EXPECT_FALSE(c.isEnabled(B::PP3));
    EXPECT_FALSE(c.isEnabled(B::PP4));
    EXPECT_TRUE(c.isEnabled(B::PP2));
    EXPECT_FALSE(c.isEnabled(B::KW3));
    EXPECT_FALSE(c.setChecked(B::PP3, true));
    c.reset(settings(3, 1, false));
    EXPECT_TRUE(c.isEnabled(B::PP3) && c.isEnabled(B::PP4) && c.isEnabled(B::KW4));
    // Page three of the statistical card follows the accident's version.
    c.setCardVersion(5);
    EXPECT_TRUE(c.setChecked(B::SKW3, true));
    c.setCardVersion(4);
    EXPECT_FALSE(c.isEnabled(B::SKW3));
    EXPECT_FALSE(c.isChecked(B::SKW3));
    c.setCardVersion(5);
    EXPECT_TRUE(c.isEnabled(B::SKW3));
    EXPECT_FALSE(c.isChecked(B::SKW3));
}

TEST(PrintChoiceRules, CollectedFormsFollowSettingsVersionAndDate) {
    PrintChoice c;
    c.reset(settings(1, 2, false));
    c.setPerson(true);
    c.setCardVersion(5);
    c.setChecked(B::PP1, true);
    c.setChecked(B::PP2, true);
    EXPECT_EQ(collectPageForms(c, settings(1, 2, false), 5, at(2024, 5, 10)),
              (QStringList{"TProtPowRep1Form_1", "TProtPowRep2Form_1"}));
    c.setChecked(B::RW, true);
    EXPECT_EQ(collectPageForms(c, settings(1, 2, false), 5, at(2024, 5, 10)), QStringList{"TRejWypRep1Form_1"});
    EXPECT_EQ(collectPageForms(c, settings(0, 2, false), 5, at(2024, 5, 10)), QStringList{"TRejWypRep1Form"});

    // The statistical card by version; version 1 by the reference date.
    PrintChoice s;
    s.reset(settings(3, 2, false));
    s.setCardVersion(5);
    s.setChecked(B::SKW1, true);
    s.setChecked(B::SKW2, true);
    s.setChecked(B::SKW3, true);
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 5, at(2024, 1, 1)),
              (QStringList{"TKartWypRep1Form_5", "TKartWypRep2Form_5", "TKartWypRep3Form_5"}));
    s.setCardVersion(1);
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 4, at(2024, 1, 1)), (QStringList{"TKartWypRep1Form_4", "TKartWypRep2Form_4"}));
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 0, at(2024, 1, 1)), (QStringList{"TKartWypRep1Form_2", "TKartWypRep2Form_2"}));
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 2, at(2024, 1, 1)), (QStringList{"TKartWypRep1Form_2", "TKartWypRep2Form_2"}));
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 3, at(2024, 1, 1)), (QStringList{"TKartWypRep1Form_3", "TKartWypRep2Form_3"}));
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 1, at(2000, 12, 31)), (QStringList{"TKartWypRep1Form", "TKartWypRep2Form"}));
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 1, QDateTime(QDate(2000, 12, 31), QTime(0, 0, 1))),
              (QStringList{"TKartWypRep1Form_1", "TKartWypRep2Form_1"}))
        << "later than 2000-12-31 00:00";
    EXPECT_EQ(collectPageForms(s, AdmSettings(), 1, at(2001, 1, 1)), (QStringList{"TKartWypRep1Form_1", "TKartWypRep2Form_1"}));
    // No form chosen: the current card with its page three.
    s.setCardVersion(-1);
    s.setChecked(B::SKW3, true);
    EXPECT_EQ(collectPageForms(s, AdmSettings(), -1, at(2024, 1, 1)),
              (QStringList{"TKartWypRep1Form_5", "TKartWypRep2Form_5", "TKartWypRep3Form_5"}));

    // The protocol of 2004 and 2019: four pages or whole.
    PrintChoice p;
    p.reset(settings(3, 2, false));
    p.setPerson(true);
    for (B::Box b : {B::PP1, B::PP2, B::PP3, B::PP4}) p.setChecked(b, true);
    EXPECT_EQ(collectPageForms(p, settings(3, 2, false), 5, at(2024, 1, 1)),
              (QStringList{"TProtPowRep1Form_3", "TProtPowRep2Form_3", "TProtPowRep3Form_3", "TProtPowRep4Form_3"}));
    p.reset(settings(2, 2, true));
    p.setPerson(true);
    p.setChecked(B::PPall, true);
    EXPECT_EQ(collectPageForms(p, settings(2, 2, true), 5, at(2024, 1, 1)), QStringList{"TProtPowRepForm_all"});
    EXPECT_EQ(collectPageForms(p, settings(3, 2, true), 5, at(2024, 1, 1)), QStringList{"TProtPowRepForm_3_all"});

    // The accident card by its form.
    PrintChoice k;
    k.reset(settings(3, 0, false));
    k.setPerson(false);
    k.setChecked(B::KW1, true);
    k.setChecked(B::KW2, true);
    EXPECT_EQ(collectPageForms(k, settings(3, 0, false), 5, at(2024, 1, 1)),
              (QStringList{"TKartaWypadkuRep1Form", "TKartaWypadkuRep2Form"}));
    k.reset(settings(3, 1, false));
    k.setPerson(false);
    k.setChecked(B::KW4, true);
    EXPECT_EQ(collectPageForms(k, settings(3, 1, false), 5, at(2024, 1, 1)), QStringList{"TKartaWypadkuRep2012_4Form"});
    k.reset(settings(3, 2, true));
    k.setPerson(false);
    k.setChecked(B::KWall, true);
    EXPECT_EQ(collectPageForms(k, settings(3, 2, true), 5, at(2024, 1, 1)), QStringList{"TKartaWypadkuRep2022_all_Form"});
    // Nothing checked collects nothing.
    k.setChecked(B::KWall, false);
    EXPECT_TRUE(collectPageForms(k, settings(3, 2, true), 5, at(2024, 1, 1)).isEmpty());
}

TEST(PrintChoiceRules, CommutingCardPages) {
    AdmSettings s;
    s.nowaKartaWypWDrodze = 0;
    EXPECT_EQ(CommutingCardChoice::offeredPages(s), 2);
    EXPECT_EQ(CommutingCardChoice::collect(s, {true, true, true}), (QStringList{"TProtWDrodze1Form", "TProtWDrodze2Form"}));
    s.nowaKartaWypWDrodze = 1;
    EXPECT_EQ(CommutingCardChoice::offeredPages(s), 0);
    EXPECT_EQ(CommutingCardChoice::collect(s, {false, false, false}), QStringList{"TProtWDrodzeNowyForm"});
    s.nowaKartaWypWDrodze = 2;
    s.protPowWielostronicowy = false;
    EXPECT_EQ(CommutingCardChoice::offeredPages(s), 3);
    EXPECT_EQ(CommutingCardChoice::collect(s, {false, true, true}),
              (QStringList{"TProtWDrodzeNowy2012_2Form", "TProtWDrodzeNowy2012_3Form"}));
    s.protPowWielostronicowy = true;
    EXPECT_EQ(CommutingCardChoice::offeredPages(s), 0);
    EXPECT_EQ(CommutingCardChoice::collect(s, {false, false, false}), QStringList{"TProtWDrodzeNowy2012Form"});
}

TEST(RegisterFilterText, CurrentAndAllRegisters) {
    EXPECT_TRUE(RegisterFilter::atWork(false, 4, true, {0, 4, 7}, true).isEmpty());
    const RegisterFilter current = RegisterFilter::atWork(true, 4, false, {0, 4, 7}, true);
    EXPECT_EQ(current.from, ", SKWRejestrWyp ");
    EXPECT_EQ(current.where, " IDRejestr=4 AND SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND ");
    EXPECT_EQ(RegisterFilter::atWork(true, 4, true, {0, 4, 7}, false).where,
              " IDRejestr IN (4,7) AND SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND ");
    EXPECT_EQ(RegisterFilter::atWork(true, 4, true, {0, 4, 7}, true).where,
              " IDRejestr IN (0,4,7) AND SKWRejestrWyp.TabWyp = 1 AND SKWRejestrWyp.IdWyp=SKWWypadki.Id AND ");
    EXPECT_EQ(current.workAccidentsSql(),
              "select SKWWYPADKI.* from SKWWYPADKI , SKWRejestrWyp where  IDRejestr=4 AND SKWRejestrWyp.TabWyp = 1 AND "
              "SKWRejestrWyp.IdWyp=SKWWypadki.Id AND  DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo order by numer, id");
    EXPECT_EQ(RegisterFilter().workAccidentsSql(),
              "select SKWWYPADKI.* from SKWWYPADKI where  DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo order by numer, id");
    const RegisterFilter commuting = RegisterFilter::commuting(true, 3);
    EXPECT_EQ(commuting.where, " IDRejestr=3 AND SKWRejestrWyp.TabWyp = 2 AND SKWRejestrWyp.IdWyp=SKWWYPADKIWDRODZE.Id AND ");
    EXPECT_EQ(RegisterFilter::commuting(false, 3).commutingAccidentsSql(),
              "select SKWWYPADKIWDRODZE.* from SKWWYPADKIWDRODZE  WHERE  DATAREJWYP  >= :DataOd and DATAREJWYP  < :DataDo  "
              "order by numer, id");
}
