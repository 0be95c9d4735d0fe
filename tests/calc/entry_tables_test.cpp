// The rules of the trust distribution and manual calculation tables on
// their grids, without a display.
#include "calc/entry_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace cgt {
namespace {

// Cells of one row by column; the rest blank.
using Cells = std::map<int, std::string>;

GridModel GridOf(int cols, const std::vector<Cells>& rows) {
    GridModel grid(cols, int(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (const auto& [col, text] : rows[r]) grid.SetCell(col, int(r) + 1, text);
    return grid;
}
GridModel TrustGrid(const std::vector<Cells>& rows) {
    return GridOf(kTrustRowCells, rows);
}
GridModel ManualGrid(const std::vector<Cells>& rows) {
    return GridOf(choice::kColumnCount, rows);
}

// --- trust distribution table

struct NetGainCase {
    const char* name;
    Cells row;
    const char* expected;
};

const NetGainCase kNetGainCases[] = {
    {"IndexedAndActiveDiscounted", {{0, "Alpha Trust"}, {1, "100.00"}, {8, "50.00"}}, "150"},
    {"EveryComponent",
     {{0, "Alpha"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}, {6, "6"}, {7, "7"}, {8, "8"}, {9, "9"}},
     "45"},
    {"NeitherNameNorNumbers", {}, ""},
    {"GainWithoutName", {{2, "25.50"}}, "25.5"},
    {"NameWithoutGain", {{0, "Beta Trust"}}, "0"},
    {"NotANumberIgnored", {{0, "Gamma"}, {1, "abc"}, {3, "10.00"}}, "10"},
    {"NegativeWithoutName", {{1, "-5.00"}}, ""},
    {"NegativeWithName", {{0, "Delta"}, {1, "-5.00"}}, "-5"},
    // The net gain cell itself and the applied losses are not added.
    {"OnlyGainColumnsAdded", {{0, "Eta"}, {1, "10"}, {10, "999"}, {11, "3"}}, "10"},
};

class TrustNetGain : public ::testing::TestWithParam<NetGainCase> {};

TEST_P(TrustNetGain, SumsTheGainColumns) {
    GridModel grid = TrustGrid({GetParam().row});
    RecomputeTrustNetGains(grid);
    EXPECT_EQ(grid.Cell(kTrustNetGainCol, 1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EntryTables, TrustNetGain, ::testing::ValuesIn(kNetGainCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TrustNetGains, EveryRowIsRecomputed) {
    GridModel grid = TrustGrid({{{0, "A"}, {1, "5"}}, {{10, "stale"}}, {{0, "B"}, {9, "7"}}});
    RecomputeTrustNetGains(grid);
    EXPECT_EQ(grid.Cell(kTrustNetGainCol, 1), "5");
    EXPECT_EQ(grid.Cell(kTrustNetGainCol, 2), "");
    EXPECT_EQ(grid.Cell(kTrustNetGainCol, 3), "7");
}

struct TrustFaultCase {
    const char* name;
    std::vector<Cells> rows;
    std::optional<int> faultRow;
};

const TrustFaultCase kTrustFaultCases[] = {
    {"NamedRows", {{{0, "A"}, {1, "5"}}, {}, {{0, "B"}, {2, "6"}}}, std::nullopt},
    {"GainWithoutName", {{{0, "A"}, {1, "5"}}, {{3, "6"}}}, 2},
    {"NetGainWithoutName", {{{10, "0"}}}, 1},
    {"AppliedLossWithoutName", {{{40, "12"}}}, 1},
    {"BlanksOnly", {{{0, " "}, {5, "  "}}}, std::nullopt},
    {"FirstOfTwo", {{{4, "1"}}, {{5, "2"}}}, 1},
};

class TrustTableCheck : public ::testing::TestWithParam<TrustFaultCase> {};

TEST_P(TrustTableCheck, FindsTheFirstRowWithoutName) {
    const TrustFaultCase& c = GetParam();
    const auto fault = TrustTableFault(TrustGrid(c.rows));
    if (!c.faultRow) {
        EXPECT_FALSE(fault);
        return;
    }
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, (TableFault{kMsgRowWithoutDescription, kTrustNameCol, *c.faultRow}));
}

INSTANTIATE_TEST_SUITE_P(EntryTables, TrustTableCheck, ::testing::ValuesIn(kTrustFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- manual calculation table

using namespace choice;

TEST(ManualSections, ByAssetType) {
    const std::map<std::string, std::string> expected = {
        {"UA", "Fixed trust"},
        {"UN", "Fixed trust"},
        {"SA", "Shares"},
        {"SN", "Shares"},
        {"RA", "Real estate"},
        {"RN", "Real estate"},
        {"G ", "Intellectual"},
        {"A ", "Personal use"},
        {"P ", "Personal use"},
        {"OA", "Other assets"},
        {"ON", "Other assets"},
        {"XY", "Not Allocated"},
        {"", ""},
        {"  ", ""},
    };
    for (const auto& [code, section] : expected) EXPECT_EQ(ManualSectionName(code), section) << code;
}

struct ClickCase {
    const char* name;
    Cells row;
    int col;
    const char* section;
    const char* deferAuto;
};

const ClickCase kClickCases[] = {
    {"TypeColumn", {{kDescription, "Shares"}, {kAssetType, "SA"}}, kAssetType, "Shares", ""},
    {"LaterColumn", {{kDescription, "Goodwill"}, {kAssetType, "G "}}, kLoss, "Intellectual", ""},
    {"DescriptionColumn", {{kDescription, "Shares"}, {kAssetType, "SA"}}, kDescription, "", ""},
    {"NoDescription", {{kAssetType, "SA"}, {kCanDefer, "Yes"}}, kAssetType, "", ""},
    {"NoType", {{kDescription, "Something"}}, kAssetType, "", ""},
    {"DeferrableGetsNo",
     {{kDescription, "Land"}, {kAssetType, "RN"}, {kCanDefer, "Yes"}},
     kIndexedGain,
     "Real estate",
     "No"},
    {"DeferrableKeepsYes",
     {{kDescription, "Land"}, {kAssetType, "RN"}, {kCanDefer, "Yes"}, {kDeferAuto, "Yes"}},
     kIndexedGain,
     "Real estate",
     "Yes"},
    {"NotDeferrableEmptied",
     {{kDescription, "Land"}, {kAssetType, "RN"}, {kCanDefer, "No"}, {kDeferAuto, "No"}},
     kCanDefer,
     "Real estate",
     ""},
};

class ManualClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ManualClick, SetsSectionAndDeferAuto) {
    const ClickCase& c = GetParam();
    GridModel grid = ManualGrid({c.row});
    ManualCellClicked(grid, c.col, 1);
    EXPECT_EQ(grid.Cell(kSection, 1), c.section);
    EXPECT_EQ(grid.Cell(kDeferAuto, 1), c.deferAuto);
}

INSTANTIATE_TEST_SUITE_P(EntryTables, ManualClick, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LeaveCase {
    const char* name;
    Cells row;
    int col;
    std::vector<std::string> messages;
    std::optional<int> moveTo;
    std::vector<int> emptied;  // the cells the boxes empty; every other cell keeps its text
};

const LeaveCase kLeaveCases[] = {
    {"IndexedAboveDiscount",
     {{kIndexedGain, "100.00"}, {kDiscountGain, "90.00"}},
     kDiscountGain,
     {kMsgManualCellIndexedAboveDiscount},
     kIndexedGain,
     {kIndexedGain, kDiscountGain}},
    {"IndexedWithoutDiscount",
     {{kIndexedGain, "100.00"}},
     kOtherGain,
     {kMsgManualCellIndexedAboveDiscount},
     kIndexedGain,
     {kIndexedGain}},
    {"LeavingIndexedItself", {{kIndexedGain, "100.00"}, {kDiscountGain, "90.00"}}, kIndexedGain, {}, {}, {}},
    {"TypedZeros", {{kIndexedGain, "0.00"}, {kDiscountGain, "0.00"}}, kDiscountGain, {}, {}, {}},
    {"DiscountAboveIndexed", {{kIndexedGain, "90.00"}, {kDiscountGain, "100.00"}}, kDiscountGain, {}, {}, {}},
    {"NotANumberCountsAsZero", {{kIndexedGain, "abc"}, {kDiscountGain, "90.00"}}, kDiscountGain, {}, {}, {}},
    {"LossOnPersonalUse",
     {{kAssetType, "P "}, {kLoss, "500.00"}},
     kLoss,
     {kMsgManualCellLossOnPersonalUse},
     {},
     {kLoss}},
    {"LossOnPersonalUseBeforeOtherGain", {{kAssetType, "P "}, {kLoss, "500.00"}}, kDiscountGain, {}, {}, {}},
    {"LossOnCollectable", {{kAssetType, "A "}, {kLoss, "500.00"}}, kLoss, {}, {}, {}},
    {"DeferAutoAlone",
     {{kCanDefer, "No"}, {kDeferAuto, "Yes"}},
     kDeferAuto,
     {kMsgManualCellDeferAutoAlone},
     {},
     {kDeferAuto}},
    {"DeferAutoWithDeferrable", {{kCanDefer, "Yes"}, {kDeferAuto, "Yes"}}, kDeferAuto, {}, {}, {}},
    {"DeferAutoLeftFromCanDefer", {{kCanDefer, "No"}, {kDeferAuto, "Yes"}}, kCanDefer, {}, {}, {}},
    {"TwoBoxes",
     {{kAssetType, "P "}, {kIndexedGain, "100.00"}, {kDiscountGain, "90.00"}, {kLoss, "5.00"}},
     kLoss,
     {kMsgManualCellIndexedAboveDiscount, kMsgManualCellLossOnPersonalUse},
     kIndexedGain,
     {kIndexedGain, kDiscountGain, kLoss}},
};

class ManualLeave : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(ManualLeave, ShowsBoxesAndEmptiesCells) {
    const LeaveCase& c = GetParam();
    GridModel grid = ManualGrid({c.row});
    const ManualCellLeft left = LeaveManualCell(grid, c.col, 1);
    EXPECT_EQ(left.messages, c.messages);
    EXPECT_EQ(left.moveToCol, c.moveTo);
    EXPECT_EQ(left.Stays(), !c.messages.empty());
    for (const auto& [col, text] : c.row) {
        const bool emptied = std::find(c.emptied.begin(), c.emptied.end(), col) != c.emptied.end();
        EXPECT_EQ(grid.Cell(col, 1), emptied ? "" : text) << "column " << col;
    }
}

INSTANTIATE_TEST_SUITE_P(EntryTables, ManualLeave, ::testing::ValuesIn(kLeaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ManualFaultCase {
    const char* name;
    std::vector<Cells> rows;
    const char* message;  // nullptr: accepted
    int row;
};

Cells Described(const char* type, Cells amounts = {}) {
    amounts[kDescription] = "Event";
    amounts[kAssetType] = type;
    return amounts;
}

const ManualFaultCase kManualFaultCases[] = {
    {"Accepted", {Described("SN", {{kIndexedGain, "90.00"}, {kDiscountGain, "100.00"}}), Described("RN")}, nullptr, 0},
    {"NoAssetType", {Described("")}, kMsgManualNoAssetType, 1},
    {"TypedZeros", {Described("SN", {{kIndexedGain, "0.00"}, {kDiscountGain, "0.00"}})}, nullptr, 0},
    {"IndexedAboveDiscount",
     {Described("SN", {{kIndexedGain, "100.00"}, {kDiscountGain, "90.00"}})},
     kMsgManualIndexedAboveDiscount,
     1},
    {"OtherWithDiscount",
     {Described("SN", {{kDiscountGain, "100.00"}, {kOtherGain, "5.00"}})},
     kMsgManualOtherWithMethodGain,
     1},
    {"LossWithOther", {Described("SN", {{kOtherGain, "5.00"}, {kLoss, "3.00"}})}, kMsgManualLossWithGain, 1},
    {"ZeroLossWithGain",
     {Described("SN", {{kIndexedGain, "5.00"}, {kDiscountGain, "6.00"}, {kLoss, "0.00"}})},
     kMsgManualLossWithGain,
     1},
    {"PersonalUseLoss", {Described("P ", {{kLoss, "500.00"}})}, kMsgManualLossOnPersonalUse, 1},
    {"PersonalUseLossWithGain",
     {Described("P ", {{kOtherGain, "100.00"}, {kLoss, "500.00"}})},
     kMsgManualLossWithGain,
     1},
    {"PersonalUseZeroLoss", {Described("P ", {{kLoss, "0.00"}})}, nullptr, 0},
    {"AmountWithoutDescription", {{{kOtherGain, "5.00"}}, Described("")}, kMsgRowWithoutDescription, 1},
    {"LaterRow",
     {Described("SN"), {}, Described("UN", {{kOtherGain, "1.00"}, {kLoss, "2.00"}})},
     kMsgManualLossWithGain,
     3},
    {"HiddenCellWithoutDescription", {{{kNetGain, "12"}}}, kMsgRowWithoutDescription, 1},
    {"SectionOnly", {{{kSection, "Shares"}}}, nullptr, 0},
};

class ManualTableCheck : public ::testing::TestWithParam<ManualFaultCase> {};

TEST_P(ManualTableCheck, FindsTheFirstFaultyRow) {
    const ManualFaultCase& c = GetParam();
    std::vector<Cells> rows = c.rows;
    for (Cells& r : rows) r.emplace(kSection, "Section");
    GridModel grid = ManualGrid(rows);
    const auto fault = ManualTableFault(grid);
    if (!c.message) {
        EXPECT_FALSE(fault);
    } else {
        ASSERT_TRUE(fault);
        EXPECT_EQ(*fault, (TableFault{c.message, kDescription, c.row}));
    }
    // The rows examined lose their section; the faulty row and those after keep it.
    const int examined = c.message ? c.row : grid.RowCount();
    for (int r = 1; r < grid.RowCount(); ++r)
        EXPECT_EQ(grid.Cell(kSection, r), r < examined ? "" : "Section") << "row " << r;
}

INSTANTIATE_TEST_SUITE_P(EntryTables, ManualTableCheck, ::testing::ValuesIn(kManualFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cgt
