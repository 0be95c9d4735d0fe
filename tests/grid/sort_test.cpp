// Sorting the data rows.
#include <gtest/gtest.h>

#include <random>

#include "base/clock.h"
#include "base/daynumber.h"
#include "base/numtext.h"
#include "base/text.h"
#include "grid/grid_model.h"

namespace cgt {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows DataRows(const GridModel& g) {
    Rows rows;
    for (int r = 1; r < g.RowCount(); ++r) rows.push_back(g.Row(r));
    return rows;
}

void Load(GridModel& g, const Rows& rows) {
    g.SetRowCount(int(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) g.SetCell(int(c), int(r) + 1, rows[r][c]);
}

std::vector<std::string> Column(const Rows& rows, std::size_t col) {
    std::vector<std::string> v;
    for (const auto& r : rows) v.push_back(r[col]);
    return v;
}

// --- a plain neighbour-exchange sort, written from the rules ------------------

// <0, 0, >0 as the upper cell sorts before, with, or after the lower one.
int ReferenceCompare(ColKind kind, const std::string& a, const std::string& b, const Clock& clock) {
    std::string ta = Trim(a), tb = Trim(b);
    if (kind == ColKind::Date) {
        // A cell that holds no date sorts with the empty ones.
        if (!TextToDayNumber(ta, clock)) ta.clear();
        if (!TextToDayNumber(tb, clock)) tb.clear();
    }
    if (ta.empty() || tb.empty()) return ta.empty() == tb.empty() ? 0 : ta.empty() ? 1 : -1;
    switch (kind) {
        case ColKind::Number: {
            auto value = [](const std::string& t) {
                std::string d;
                for (char c : t)
                    if (c == '-' || c == '.' || (c >= '0' && c <= '9')) d += c;
                return StrToFloatDef(d, 0);
            };
            const long double va = value(ta), vb = value(tb);
            return va < vb ? -1 : va > vb ? 1 : 0;
        }
        case ColKind::Date: {
            const int da = *TextToDayNumber(ta, clock), db = *TextToDayNumber(tb, clock);
            return da < db ? -1 : da > db ? 1 : 0;
        }
        case ColKind::Text: {
            const std::string ua = UpperCase(ta), ub = UpperCase(tb);
            return ua < ub ? -1 : ua > ub ? 1 : 0;
        }
        default: return 0;
    }
}

Rows BubbleSort(Rows rows, const std::vector<int>& keys, const std::vector<ColKind>& kinds, const Clock& clock) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            int cmp = 0;
            for (int k : keys) {
                cmp = ReferenceCompare(kinds[std::size_t(k)], rows[i][std::size_t(k)], rows[i + 1][std::size_t(k)],
                                       clock);
                if (cmp != 0) break;
            }
            if (cmp > 0) {
                std::swap(rows[i], rows[i + 1]);
                exchanged = true;
            }
        }
    }
    return rows;
}

class GridSortTest : public ::testing::Test {
protected:
    GridSortTest() : grid(clock) {
        grid.DefineColumns({"Num|0|1|10|0|F|F|2|T|", "Date|0|2|10|", "Text|0|0|20|", "ABN|0|3|11|", "Id|0|0|5|"});
    }
    FixedClock clock{2003, 3, 1};
    GridModel grid;
};

TEST_F(GridSortTest, SameOrderAsTheNeighbourExchangeSort) {
    const std::vector<std::vector<std::string>> pools = {
        {"", "1", "1.0", "1.00", "-2", "  3.5", "10", "9", "abc", "0", " "},
        {"", "01/07/2002", "1/7/2002", "15/08/2002", "31/02/2003", "30/06/2003", "xx", "1/7/02"},
        {"", "abc", "ABC", "Abd", "b", " b", "a", "\xe9t\xe9"},
        {"", "53004085616", "12", "53 004 085 616"},
    };
    const std::vector<ColKind> kinds = {ColKind::Number, ColKind::Date, ColKind::Text, ColKind::BusinessNumber,
                                        ColKind::Text};
    const std::vector<std::pair<const char*, std::vector<int>>> keySets = {{"0", {0}},
                                                                           {"1", {1}},
                                                                           {"2", {2}},
                                                                           {"3,0", {3, 0}},
                                                                           {"1,0", {1, 0}},
                                                                           {"2,0,1", {2, 0, 1}},
                                                                           {"0,2,1,3", {0, 2, 1, 3}}};

    std::mt19937 rng(20030630);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 1 + int(rng() % 40);
        Rows rows;
        for (int r = 0; r < n; ++r) {
            std::vector<std::string> row;
            for (const auto& pool : pools) row.push_back(pool[rng() % pool.size()]);
            row.push_back(std::to_string(r));  // identifies the row
            rows.push_back(row);
        }
        const auto& [keyText, keys] = keySets[std::size_t(trial) % keySets.size()];
        Load(grid, rows);
        grid.SortRows(keyText);
        const Rows expected = BubbleSort(rows, keys, kinds, clock);
        ASSERT_EQ(Column(DataRows(grid), 4), Column(expected, 4)) << "trial " << trial << " keys " << keyText;
        ASSERT_EQ(DataRows(grid), expected);
    }
}

TEST_F(GridSortTest, EmptyDateGoesToTheEnd) {
    grid.DefineColumns({"Date|0|2|10|", "Desc|0|0|20|", "Amt|0|1|10|0|F|F|2|F|", "x|", "y|", "Code|0|0|2|"});
    Load(grid, {{"", "no date", "1.00", "", "", "1"},
                {"15/08/2002", "b", "2.00", "", "", "2A"},
                {"01/07/2002", "a", "3.00", "", "", "1"},
                {"15/08/2002", "c", "4.00", "", "", "1"}});
    grid.SortRows("0,5");
    EXPECT_EQ(Column(DataRows(grid), 1), (std::vector<std::string>{"a", "c", "b", "no date"}));
}

TEST_F(GridSortTest, NumbersDatesAndTextCompareByKind) {
    Load(
        grid,
        {{"10", "1/1/2003", "c", "", "r1"}, {"9", "31/12/2002", "B", "", "r2"}, {"-1.5", "01/01/2002", "a", "", "r3"}});
    grid.SortRows("0");  // as numbers, not as text
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r3", "r2", "r1"}));
    grid.SortRows("4");
    grid.SortRows("1");  // as dates, not as text
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r3", "r2", "r1"}));
    grid.SortRows("4");
    grid.SortRows("2");  // without regard to case
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r3", "r2", "r1"}));
}

TEST_F(GridSortTest, KeysThatCompareEqualFallToTheNextKey) {
    Load(grid, {{"2", "", "abc", "", "r1"}, {"1", "", "ABC", "", "r2"}, {"1.00", "", "abc", "", "r3"}});
    grid.SortRows("2,0");
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r2", "r3", "r1"}));
    // Equal on every key: the order stays.
    grid.SortRows("0");
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r2", "r3", "r1"}));
}

TEST_F(GridSortTest, BusinessNumbersNeverReorder) {
    Load(grid, {{"", "", "", "99", "r1"}, {"", "", "", "11", "r2"}, {"", "", "", "", "r3"}, {"", "", "", "55", "r4"}});
    grid.SortRows("3");
    // Only the empty cell moves, behind the filled ones.
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r1", "r2", "r4", "r3"}));
}

TEST_F(GridSortTest, KeysOutsideTheGridAreIgnored) {
    Load(grid, {{"2", "", "", "", "r1"}, {"1", "", "", "", "r2"}});
    grid.SortRows("9, x, 0");
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r2", "r1"}));
    grid.SortRows("");
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r2", "r1"}));
}

TEST_F(GridSortTest, TitlesStayAndRowCountKeeps) {
    Load(grid, {{"3", "", "", "", "r1"}, {"", "", "", "", ""}, {"1", "", "", "", "r3"}});
    grid.SortRows("0");
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(0, 0), "Num");
    EXPECT_EQ(Column(DataRows(grid), 4), (std::vector<std::string>{"r3", "r1", ""}));
}

}  // namespace
}  // namespace cgt
