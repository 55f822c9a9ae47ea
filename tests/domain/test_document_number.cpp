// The number rule of the printed documents: which date gives the document year, and
// how the number, the year, the separator and the accident symbol are joined.
#include "core/AdmSettings.h"
#include "domain/DocumentNumber.h"

#include <gtest/gtest.h>

using namespace zort;

namespace {

const QDateTime kZeroDate(QDate(1899, 12, 30), QTime(0, 0));

DocumentDates threeYears() {
    return {QDateTime(QDate(2024, 12, 31), QTime(23, 50)), QDateTime(QDate(2025, 1, 7), QTime(0, 0)),
            QDateTime(QDate(2023, 12, 30), QTime(0, 0))};
}

AdmSettings symbolSetting(bool on, const QString& separator) {
    AdmSettings s;
    s.symbolWyp = on;
    s.separator = separator;
    return s;
}

} // namespace

TEST(DocumentNumber, EachRuleTakesItsOwnDate) {
    const DocumentDates d = threeYears();
    EXPECT_EQ(documentYear(0, d), 2024);  // "daty wypadku"
    EXPECT_EQ(documentYear(1, d), 2025);  // "daty sporządzenia dokumentu"
    EXPECT_EQ(documentYear(2, d), 2023);  // "daty rejestracji wypadku"
    // A value outside the list is the accident date, as the first item.
    EXPECT_EQ(documentYear(3, d), 2024);
    EXPECT_EQ(documentYear(-1, d), 2024);

    AdmSettings s;
    EXPECT_EQ(documentYear(s, d), 2024);
    s.rokSKWProtPow = 1;
    EXPECT_EQ(documentYear(s, d), 2025);
    s.rokSKWProtPow = 2;
    EXPECT_EQ(documentYear(s, d), 2023);
}

TEST(DocumentNumber, AnEmptyOrZeroDateGivesYearZeroForItsRuleOnly) {
    for (const QDateTime& none : {QDateTime(), kZeroDate}) {
        DocumentDates d = threeYears();
        d.document = none;
        EXPECT_EQ(documentYear(1, d), 0) << none.toString().toStdString();
        EXPECT_EQ(documentYear(0, d), 2024);
        EXPECT_EQ(documentYear(2, d), 2023);
        d.accident = none;
        d.registration = none;
        EXPECT_EQ(documentYear(0, d), 0);
        EXPECT_EQ(documentYear(2, d), 0);
    }
    // The day before the zero date and the day after are real dates.
    DocumentDates d;
    d.accident = QDateTime(QDate(1899, 12, 31), QTime(0, 0));
    EXPECT_EQ(documentYear(0, d), 1899);
}

TEST(DocumentNumber, TheSymbolFollowsTheSettingWithItsSeparator) {
    EXPECT_EQ(numberWithSymbol(QStringLiteral("12"), symbolSetting(false, QStringLiteral("-")), QStringLiteral("ZP")),
              QStringLiteral("12"));
    EXPECT_EQ(numberWithSymbol(QStringLiteral("12"), symbolSetting(true, QStringLiteral("-")), QStringLiteral("ZP")),
              QStringLiteral("12-ZP"));
    EXPECT_EQ(numberWithSymbol(QStringLiteral("12"), symbolSetting(true, QStringLiteral("/")), QStringLiteral("ZP")),
              QStringLiteral("12/ZP"));
    // Nothing is put between them but the separator, which may be empty.
    EXPECT_EQ(numberWithSymbol(QStringLiteral("12"), symbolSetting(true, QString()), QStringLiteral("ZP")),
              QStringLiteral("12ZP"));
    // An accident without a symbol keeps the separator; the setting off drops both.
    EXPECT_EQ(numberWithSymbol(QStringLiteral("12"), symbolSetting(true, QStringLiteral("-")), QString()),
              QStringLiteral("12-"));
    EXPECT_EQ(numberWithSymbol(QString(), symbolSetting(false, QStringLiteral("-")), QStringLiteral("ZP")), QString());
}

TEST(DocumentNumber, NumberYearAndSymbolInThatOrder) {
    EXPECT_EQ(numberYearSymbol(QStringLiteral("6"), 2024, symbolSetting(true, QStringLiteral("-")), QStringLiteral("BHP")),
              QStringLiteral("6/2024-BHP"));
    EXPECT_EQ(numberYearSymbol(QStringLiteral("6"), 2024, symbolSetting(false, QStringLiteral("-")), QStringLiteral("BHP")),
              QStringLiteral("6/2024"));
    EXPECT_EQ(numberYearSymbol(QStringLiteral("6"), 0, symbolSetting(false, QStringLiteral("-")), QStringLiteral("BHP")),
              QStringLiteral("6/0"));
    EXPECT_EQ(numberYearSymbol(QStringLiteral("6"), 0, symbolSetting(true, QStringLiteral(" ")), QString()),
              QStringLiteral("6/0 "));
    // The rule and the joining together, as the register card prints its numbers.
    DocumentDates d = threeYears();
    AdmSettings s = symbolSetting(true, QStringLiteral("-"));
    s.rokSKWProtPow = 1;
    EXPECT_EQ(numberYearSymbol(QStringLiteral("3"), documentYear(s, d), s, QStringLiteral("ZP")),
              QStringLiteral("3/2025-ZP"));
    d.document = kZeroDate;
    EXPECT_EQ(numberYearSymbol(QStringLiteral("3"), documentYear(s, d), s, QStringLiteral("ZP")),
              QStringLiteral("3/0-ZP"));
}
