#include "calc/cpi.h"

#include <gtest/gtest.h>

#include "base/daynumber.h"

namespace cgt {
namespace {

struct QuarterCase {
    const char* name;  // the case's test name
    int day, month, year;
    double cpi;
};

class QuarterCPITest : public ::testing::TestWithParam<QuarterCase> {};

TEST_P(QuarterCPITest, GivesTheFigureOfTheDatesQuarter) {
    const QuarterCase& c = GetParam();
    EXPECT_EQ(QuarterCPI(DayNumber(c.year, c.month, c.day)), static_cast<long double>(c.cpi))
        << c.day << "/" << c.month << "/" << c.year;
}

INSTANTIATE_TEST_SUITE_P(Table, QuarterCPITest,
                         ::testing::Values(
                             // Before the table: the 1985 starting figure.
                             QuarterCase{"Dec1984BeforeTheTable", 31, 12, 1984, 71.3},
                             QuarterCase{"Jan1900BeforeTheTable", 1, 1, 1900, 71.3},
                             // 1985 March and June have no figure: 0, not 71.3.
                             QuarterCase{"Mar1985QuarterHasNoFigure", 15, 2, 1985, 0.0},
                             QuarterCase{"Jun1985QuarterHasNoFigure", 30, 6, 1985, 0.0},
                             QuarterCase{"Sep1985QuarterStartingFigure", 1, 7, 1985, 71.3},
                             QuarterCase{"Dec1985Quarter", 31, 12, 1985, 72.7},
                             // Quarter edges inside one year.
                             QuarterCase{"LastDayOfMar1990Quarter", 31, 3, 1990, 100.9},
                             QuarterCase{"FirstDayOfJun1990Quarter", 1, 4, 1990, 102.5},
                             QuarterCase{"LastDayOfSep1990Quarter", 30, 9, 1990, 103.3},
                             QuarterCase{"FirstDayOfDec1990Quarter", 1, 10, 1990, 106.0},
                             QuarterCase{"LastDayOfMar1998Quarter", 31, 3, 1998, 120.3},
                             QuarterCase{"FirstDayOfJun1998Quarter", 1, 4, 1998, 121.0},
                             // Frozen from the September quarter 1999 on, and after the table.
                             QuarterCase{"Jun1999QuarterBeforeTheFreeze", 30, 6, 1999, 122.3},
                             QuarterCase{"Sep1999QuarterFrozen", 30, 9, 1999, 123.4},
                             QuarterCase{"Aug2002Frozen", 15, 8, 2002, 123.4},
                             QuarterCase{"Jan2010AfterTheTable", 1, 1, 2010, 123.4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuarterCPI, DayZeroIsBeforeTheTable) {
    EXPECT_EQ(QuarterCPI(0), static_cast<long double>(71.3));
}

struct FactorCase {
    const char* name;  // the case's test name
    double eventCPI, costCPI;
    const char* expected;  // the factor's three-decimal text
};

class IndexationFactorTest : public ::testing::TestWithParam<FactorCase> {};

TEST_P(IndexationFactorTest, RoundsToThreeDecimals) {
    const FactorCase& c = GetParam();
    const long double f = IndexationFactor(c.eventCPI, c.costCPI);
    EXPECT_EQ(f, std::stold(c.expected)) << c.eventCPI << " / " << c.costCPI;
}

INSTANTIATE_TEST_SUITE_P(Factors, IndexationFactorTest,
                         ::testing::Values(
                             // 123.4 / 100.9 = 1.22299... -> 1.223
                             FactorCase{"RoundsUpTo1_223", 123.4, 100.9, "1.223"},
                             // 123.4 / 121.8 = 1.01313... -> 1.013
                             FactorCase{"RoundsDownTo1_013", 123.4, 121.8, "1.013"},
                             // 123.4 / 71.3 = 1.73071... -> 1.731
                             FactorCase{"FromTheStartingFigure", 123.4, 71.3, "1.731"},
                             // The 1997 figures fall: 119.7 / 120.5 < 1 -> exactly 1.
                             FactorCase{"FallingFiguresGiveOne", 119.7, 120.5, "1"},
                             // No figure for the cost quarter (1985 March, June): factor 1.
                             FactorCase{"NoCostFigureGivesOne", 123.4, 0.0, "1"},
                             // Same quarter.
                             FactorCase{"SameQuarterGivesOne", 123.4, 123.4, "1"},
                             // 121.0 / 120.3 = 1.005818... -> 1.006 (rounded, not truncated)
                             FactorCase{"RoundedNotTruncated", 121.0, 120.3, "1.006"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IndexationFactor, IndexedAmountUsesTheRoundedFactor) {
    // Round(10000 x 1.223) = 12230, not 10000 x 1.22299... = 12229.93
    const long double f = IndexationFactor(QuarterCPI(DayNumber(2002, 10, 10)), QuarterCPI(DayNumber(1990, 3, 15)));
    EXPECT_EQ(10000 * f, 12230.0L);
}

TEST(QuarterCPIOfText, FallsBackForTextThatIsNoDate) {
    EXPECT_EQ(QuarterCPIOfText("15/03/1990", 1), static_cast<long double>(100.9));
    EXPECT_EQ(QuarterCPIOfText("", 55), 55.0L);
    EXPECT_EQ(QuarterCPIOfText("31/02/1990", 55), 55.0L);
}

}  // namespace
}  // namespace cgt
