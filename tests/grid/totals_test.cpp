// Column totals and the explicit zero.
#include <gtest/gtest.h>

#include "base/rounding.h"
#include "grid/grid_model.h"

namespace cgt {
namespace {

struct TotalCase {
    const char* name;  // the case's test name
    const char* spec;
    std::vector<std::string> cells;  // rows 1 onwards
    long double total;
    const char* text;
};

class TotalsTest : public ::testing::TestWithParam<TotalCase> {};

TEST_P(TotalsTest, SumsTheColumn) {
    const TotalCase& c = GetParam();
    GridModel grid(1, 2);
    grid.DefineColumns({c.spec});
    for (std::size_t i = 0; i < c.cells.size(); ++i) grid.SetCell(0, int(i) + 1, c.cells[i]);
    EXPECT_NEAR(double(grid.ColumnTotal(0)), double(c.total), 1e-9) << c.spec;
    EXPECT_EQ(grid.ColumnTotalText(0), c.text) << c.spec;
}

constexpr const char* kMoney = "Amount|2|1|10|0|F|F|2|T|";
constexpr const char* kWhole = "Count|2|1|8|0|F|F|0|F|";
constexpr const char* kOneDecimal = "CPI|2|1|8|0|F|F|1|F|";

INSTANTIATE_TEST_SUITE_P(
    Columns, TotalsTest,
    ::testing::Values(
        TotalCase{"MoneySkipsEmptyCells", kMoney, {"10.50", "", "  1234.25"}, 1244.75L, "1244.75"},
        // a column of typed zeros totals the explicit zero
        TotalCase{"TypedZerosInMoney", kMoney, {"0.00", "0.00"}, kExplicitZero, "0.00"},
        TotalCase{"TypedZeroInWholeNumbers", kWhole, {"0", ""}, kExplicitZero, "0"},
        TotalCase{"TypedZeroWithOneDecimal", kOneDecimal, {"0.0"}, kExplicitZero, "0.0"},
        // amounts that cancel out next to a typed zero
        TotalCase{"CancellingAmountsAndTypedZero", kMoney, {"5.00", "-5.00", "0.00"}, kExplicitZero, "0.00"},
        // without a typed zero an empty column is a plain 0
        TotalCase{"EmptyColumnIsPlainZero", kMoney, {"", ""}, 0, "0.00"},
        TotalCase{"CancellingAmountsArePlainZero", kMoney, {"5.00", "-5.00"}, 0, "0.00"},
        // only "-", digits and the point count; what is left over that is no number counts 0
        TotalCase{"StrayCharactersAndNonNumbers", kMoney, {"$1,000.00", "abc", "1.2.3", "-"}, 1000, "1000.00"},
        TotalCase{"WholeNumbersWithANegative", kWhole, {"12", "-2"}, 10, "10"},
        // columns of other kinds have no total
        TotalCase{"TextColumnHasNoTotal", "Text|0|0|10|", {"12", "3"}, 0, "0"},
        TotalCase{"DateColumnHasNoTotal", "Date|0|2|10|", {"01/01/2002"}, 0, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridTotalsTest, TitleRowIsNotSummed) {
    GridModel grid;
    grid.DefineColumns({"100|0|1|8|0|F|F|0|F|"});
    EXPECT_EQ(grid.Cell(0, 0), "100");
    grid.SetCell(0, 1, "1");
    EXPECT_EQ(grid.ColumnTotal(0), 1);
}

TEST(GridTotalsTest, TypedZeroSavesAndTotalsAsTheExplicitZero) {
    GridModel grid(2, 3);
    grid.DefineColumns({"Desc|0|0|20|", kMoney});
    grid.SetCell(0, 1, "Stamp duty");
    grid.SetCell(1, 1, "0");
    ASSERT_TRUE(grid.CheckCell(1, 1).accepted);
    EXPECT_EQ(grid.Cell(1, 1), "0.00");
    EXPECT_EQ(grid.SaveToList(), (TextList{"Stamp duty", "0.00"}));
    EXPECT_EQ(grid.ColumnTotal(1), kExplicitZero);
}

}  // namespace
}  // namespace cgt
