// The checks of the entry fields, on the texts alone.
#include "core/Formats.h"
#include "domain/FieldChecks.h"

#include <gtest/gtest.h>

using namespace zort;

namespace {

const QString kSmallRange = QString::fromUtf8("Tylko liczby dodatnie. Max. 32767.");
const QString kPositive = QString::fromUtf8("Tylko liczby dodatnie.");

void expectError(const CheckResult& r, const QString& text, CheckResult::Focus focus = CheckResult::Focus::Checked) {
    EXPECT_TRUE(r.error());
    EXPECT_EQ(text, r.message);
    EXPECT_EQ(focus, r.focus);
}

TEST(FieldChecks, SmallWholeNumbersStayWithin0To32767) {
    EXPECT_TRUE(FieldChecks::smallWholeNumber("30000").ok());
    EXPECT_TRUE(FieldChecks::smallWholeNumber("32767").ok());
    EXPECT_TRUE(FieldChecks::smallWholeNumber("0").ok());
    EXPECT_TRUE(FieldChecks::smallWholeNumber("").ok());
    EXPECT_TRUE(FieldChecks::smallWholeNumber("  ").ok());
    // Nothing wraps: 70000 is not taken for 4464.
    for (const char* t : {"32768", "40000", "70000", "-1", "99999999999999999999"})
        expectError(FieldChecks::smallWholeNumber(t), kSmallRange);
    for (const char* t : {"abc", "1.5", "12a", "+"})
        expectError(FieldChecks::smallWholeNumber(t), QString::fromUtf8("Zły format liczby całkowitej."));
}

TEST(FieldChecks, WholeNumbersUpTo2147483647) {
    const QString format = QString::fromUtf8("Zły format liczby całkowitej. Max. 2147483647.");
    EXPECT_TRUE(FieldChecks::wholeNumber("").ok());
    EXPECT_TRUE(FieldChecks::wholeNumber("2147483647").ok());
    EXPECT_TRUE(FieldChecks::wholeNumber("0").ok());
    expectError(FieldChecks::wholeNumber("2147483648"), format);
    expectError(FieldChecks::wholeNumber("12x"), format);
    expectError(FieldChecks::wholeNumber("-5"), kPositive);
}

TEST(FieldChecks, DecimalNumbersAreNonNegativeWithAPoint) {
    const QString format = QString::fromUtf8("Zły format liczby rzeczywistej. Max. 3.4 x 10^38.");
    EXPECT_TRUE(FieldChecks::decimalNumber("").ok());
    EXPECT_TRUE(FieldChecks::decimalNumber("12.50").ok());
    EXPECT_TRUE(FieldChecks::decimalNumber("3e38").ok());
    EXPECT_TRUE(FieldChecks::decimalNumber("-1e-50").ok()) << "zero in single precision";
    expectError(FieldChecks::decimalNumber("abc"), format);
    EXPECT_TRUE(FieldChecks::decimalNumber("1,5").ok()) << "a comma as the save reads it";
    expectError(FieldChecks::decimalNumber("1,5,0"), format);
    expectError(FieldChecks::decimalNumber("4e38"), format);
    expectError(FieldChecks::decimalNumber("-0.5"), kPositive);
}

class DateChecks : public ::testing::Test {
protected:
    void SetUp() override { Formats::reset(); }
    void TearDown() override { Formats::reset(); }
};

TEST_F(DateChecks, TheRegistrationMayNotComeBeforeTheAccidentsDay) {
    EXPECT_TRUE(FieldChecks::accidentDate("2024-12-31 23:30", "2024-12-31").ok());
    expectError(FieldChecks::accidentDate("2024-12-31 23:30", "2024-12-30"),
                QString::fromUtf8("Data wypadku nie może być starsza od daty jego rejestracji."),
                CheckResult::Focus::Compared);
    expectError(FieldChecks::accidentDate("", "2024-12-30"), QString::fromUtf8("Brak lub zły format daty."));
    expectError(FieldChecks::accidentDate("2024-12-31 25:00", "2024-12-31"), QString::fromUtf8("Brak lub zły format daty."));
    EXPECT_TRUE(FieldChecks::accidentDate("2024-12-31", "").ok()) << "nothing to compare with";

    expectError(FieldChecks::registrationDate("2024-12-30", "2024-12-31 23:30", 2024),
                QString::fromUtf8("Ta data nie może być mniejsza od daty wypadku."));
    expectError(FieldChecks::registrationDate("", "2024-12-31 23:30", 2024), QString::fromUtf8("Zły format daty."));
    expectError(FieldChecks::registrationDate("2024-02-30", "", 2024), QString::fromUtf8("Zły format daty."));
    EXPECT_TRUE(FieldChecks::registrationDate("2024-12-31", "2024-12-31 23:30", 2024).ok());
}

TEST_F(DateChecks, ARegistrationInAnotherYearWarnsThatTheAccidentMoves) {
    const CheckResult r = FieldChecks::registrationDate("2024-12-20", "2024-12-19 08:00", 2025);
    EXPECT_TRUE(r.warning());
    EXPECT_EQ(QString::fromUtf8("Uwaga! \rData rejestracji wypadku jest niezgodna z datą odniesienia. \r"
                                "Wypadek zostanie przypisany do rejestru zgodnego z rokiem rejestracji wypadku. \r"
                                "(Wypadek zostanie usunięty z bieżącego rejestru)"),
              r.message);
    EXPECT_TRUE(FieldChecks::registrationDate("2025-01-02", "2024-12-19 08:00", 2025).ok());
    // Only a text of exactly ten characters warns.
    EXPECT_TRUE(FieldChecks::registrationDate("2024-12-2", "", 2025).ok());
    Formats::applyDateFormat("dd.MM.yyyy");
    EXPECT_TRUE(FieldChecks::registrationDate("20.12.2024", "19.12.2024 8:00", 2025).warning());
}

TEST_F(DateChecks, TheInjuredPersonsDates) {
    const QString accident = "2024-05-06 14:00";
    EXPECT_TRUE(FieldChecks::optionalDate("").ok());
    EXPECT_TRUE(FieldChecks::optionalDate("1980-02-29").ok());
    expectError(FieldChecks::optionalDate("1981-02-29"), QString::fromUtf8("Zły format daty."));

    expectError(FieldChecks::reportDate("", accident), QString::fromUtf8("Brak lub zły format daty."));
    expectError(FieldChecks::reportDate("2024-05-05", accident),
                QString::fromUtf8("Ta data nie może być mniejsza od daty wypadku."));
    EXPECT_TRUE(FieldChecks::reportDate("2024-05-06", accident).ok());

    EXPECT_TRUE(FieldChecks::optionalDateAfterAccident("", accident).ok());
    EXPECT_TRUE(FieldChecks::optionalDateAfterAccident("2024-05-07", accident).ok());
    EXPECT_TRUE(FieldChecks::optionalDateAfterAccident("2024-05-01", "").ok()) << "no accident date to compare with";
    expectError(FieldChecks::optionalDateAfterAccident("2024-05-01", accident),
                QString::fromUtf8("Ta data nie może być mniejsza od daty wypadku."));
    expectError(FieldChecks::optionalDateAfterAccident("jutro", accident), QString::fromUtf8("Zły format daty."));
}

} // namespace
