// The trust distribution table (TQCGT02_04, screen 2019) through the real
// frame: rows typed into the grid, cells clicked, Next and Prev; then the
// net gain column, the message, where the cursor went and the store.
#include "calc/entry_tables.h"
#include "interview/navigator.h"
#include "receipts_fixture.h"

namespace cgt::test {
namespace {

constexpr int kTrusts = 2019;
constexpr int kTrustEventQuestion = 2020;
constexpr int kNetGainCol = 10;

// The rows typed, in Tab order from the trust's name.
using Rows = std::vector<std::vector<const char*>>;

class TrustTableTest : public ReceiptGridTest {
protected:
    void ShowTable() {
        ShowScreen(2018);
        ShowScreen(kTrusts);
        ASSERT_EQ(frame->CurrentScreenNumber(), kTrusts);
    }
    void TypeRows(const Rows& rows) {
        int row = 1;
        for (const auto& cells : rows) TypeRow(row++, cells);
    }
    // The rows as typed: the names as they are, the amounts with two decimals.
    void ExpectRowsKept(const Rows& rows) {
        for (int r = 0; r < int(rows.size()); ++r)
            for (int col = 0; col < int(rows[std::size_t(r)].size()); ++col) {
                const std::string typed = rows[std::size_t(r)][std::size_t(col)];
                EXPECT_EQ(CellText(col, r + 1), col == 0 || typed.empty() ? typed : typed + ".00") << col << "," << r;
            }
    }
};

struct NetGainCase {
    const char* name;
    Rows rows;
    std::vector<const char*> netGains;  // column 10 of each row after a click
};

const NetGainCase kNetGainCases[] = {
    {"IndexedAndActiveDiscounted", {{"Alpha Trust", "100", "", "", "", "", "", "", "50"}}, {"150"}},
    {"EveryComponent", {{"Beta Trust", "1", "2", "3", "4", "5", "6", "7", "8", "9"}}, {"45"}},
    {"NameWithoutGains", {{"Gamma Trust"}}, {"0"}},
    {"GainWithoutName", {{"", "25.50"}}, {"25.5"}},
    {"NeitherNameNorNumbers", {{""}}, {""}},
    {"TwoTrusts", {{"Alpha Trust", "10"}, {"Beta Trust", "", "", "20.25"}}, {"10", "20.25"}},
};

class TrustNetGains : public TrustTableTest, public ::testing::WithParamInterface<NetGainCase> {};

TEST_P(TrustNetGains, ClickAddsUpEachRow) {
    const NetGainCase& c = GetParam();
    ShowTable();
    TypeRows(c.rows);
    ClickCell(0, 1);
    int row = 1;
    for (const char* gain : c.netGains) EXPECT_EQ(CellText(kNetGainCol, row++), gain);
}

INSTANTIATE_TEST_SUITE_P(Qcgt02_04, TrustNetGains, ::testing::ValuesIn(kNetGainCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrustTableTest, NetGainFollowsAChangedAmount) {
    ShowTable();
    TypeRow(1, {"Alpha Trust", "100"});
    ClickCell(2, 1);
    QTest::keyClicks(Grid()->Editor(), QStringLiteral("40"));
    ClickCell(0, 2);
    EXPECT_EQ(CellText(kNetGainCol, 1), "140");
    // The computed column cannot be typed into: Tab passes from the last
    // component to the next row.
    ClickCell(9, 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->Row(), 2);
    EXPECT_EQ(Grid()->Col(), 0);
}

struct CheckCase {
    const char* name;
    Rows rows;
    int row;  // the row reported; 0: accepted
};

const CheckCase kCheckCases[] = {
    {"AmountWithoutName", {{"", "100"}}, 1},
    {"SecondRow", {{"Alpha Trust", "100"}, {"", "", "5"}}, 2},
    {"EarlierRowReported", {{"", "1"}, {"", "", "2"}}, 1},
    {"ActiveAssetGainWithoutName", {{"", "", "", "", "", "", "", "", "", "12"}}, 1},
    {"NamedRows", {{"Alpha Trust", "100"}, {}, {"Beta Trust", "", "", "7"}}, 0},
};

class TrustTableChecks : public TrustTableTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(TrustTableChecks, Next) {
    const CheckCase& c = GetParam();
    ShowTable();
    TypeRows(c.rows);
    Next();
    if (!c.row) {
        EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
        EXPECT_EQ(frame->CurrentScreenNumber(), kTrustEventQuestion);
        return;
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kMsgRowWithoutDescription});
    ASSERT_EQ(frame->CurrentScreenNumber(), kTrusts);
    EXPECT_EQ(FocusHolder(), "XGrid1");
    EXPECT_EQ(Grid()->Row(), c.row);
    EXPECT_EQ(Grid()->Col(), 0);
    ExpectRowsKept(c.rows);
}

INSTANTIATE_TEST_SUITE_P(Qcgt02_04, TrustTableChecks, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrustTableTest, PrevChecksTheRowsToo) {
    ShowTable();
    // Prev opens with the first Next: on to the next screen and back.
    Next();
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), kTrusts);
    TypeRow(1, {"", "100"});
    Click(frame->PrevButton());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kMsgRowWithoutDescription});
    EXPECT_EQ(frame->CurrentScreenNumber(), kTrusts);
}

TEST_F(TrustTableTest, ShowsItsNavigatorEntryAndStoresTheRows) {
    ShowTable();
    EXPECT_TRUE(frame->Navigator()->isVisible());
    EXPECT_EQ(frame->Navigator()->SelectedText(), QStringLiteral("CGT Trust distributions"));
    EXPECT_EQ(frame->CurrentScreen()->helpContext(), 349);
    TypeRow(1, {"Alpha Trust", "100", "", "", "", "", "", "", "50"});
    // The last amount is typed and Next pressed at once: the net gain is
    // stored as the row stands.
    TypeRow(2, {"Beta Trust"});
    ClickCell(2, 2);
    QTest::keyClicks(Grid()->Editor(), QStringLiteral("30"));
    Next();
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    ASSERT_EQ(frame->CurrentScreenNumber(), kTrustEventQuestion);
    TextList expected(2 * kTrustRowCells);
    const std::vector<std::pair<int, const char*>> cells = {
        {0, "Alpha Trust"}, {1, "100.00"}, {8, "50.00"}, {10, "150"}, {41, "Beta Trust"}, {43, "30.00"}, {51, "30"}};
    for (const auto& [i, text] : cells) expected[std::size_t(i)] = text;
    const TextListPtr stored = run.store().GetFieldLst(kTagTrustTable);
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, expected);
}

TEST_F(TrustTableTest, KeepsTheChoiceTablesColumns) {
    // A row as the choice table leaves it: losses applied in hidden cells.
    TextList row(kTrustRowCells);
    row[0] = "Alpha Trust";
    row[2] = "80.00";
    row[10] = "80";
    row[21] = "15";
    run.store().SetFieldLst(kTagTrustTable, std::make_shared<TextList>(row));
    ShowTable();
    EXPECT_EQ(CellText(0, 1), "Alpha Trust");
    EXPECT_TRUE(Grid()->CellRect(21, 1).isEmpty());  // hidden
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kTrustEventQuestion);
    EXPECT_EQ(*run.store().GetFieldLst(kTagTrustTable), row);
}

}  // namespace
}  // namespace cgt::test
