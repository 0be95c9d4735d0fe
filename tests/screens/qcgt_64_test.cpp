// The small business concession elections (screen 2104) driven through the
// real frame: amounts typed into the SBAAR, SBRE and SBRO cells of the gains
// the choice table handed on, the keys of the grid, Next and Prev; then the
// message, the cell the cursor is put on, the entries, each asset's elections
// and the schedule's Part G and Part H with the net capital gain.
#include <vector>

#include "concessions_fixture.h"

namespace cgt::test {
namespace {

constexpr const char* kSbaaOver = "Check amount. SBAA concession cannot be greater than 50% of net capital gain.";
constexpr const char* kSbreOver = "Check amount. SBRE concession cannot be greater than 50% of net capital gain.";
constexpr const char* kSbroOver = "Check amount. SBRO concession cannot be greater than 50% of net capital gain.";
constexpr const char* kTotalOver = "Check amounts. Total concession cannot be greater than 50% of net capital gain.";

enum { kDescription, kIndexed, kDiscount, kOther, kSbaar, kSbre, kSbro };

class ElectionsTest : public ConcessionScreenTest {
protected:
    // Three active assets whose net gains reached the concessions list, one
    // by each method: 1,000 after the discount, 600 indexed and 300 other.
    void SetUp() override {
        ConcessionScreenTest::SetUp();
        shares_ = AddAsset({kWsShares, "Acme shares", "SA", {{kTagDiscountGain, 2000}}, {kTagHasProceeds}});
        shop_ = AddAsset({kWsRealEstate, "Shop", "RA", {{kTagIndexedGain, 600}}, {kTagHasProceeds}});
        goodwill_ = AddAsset({kWsOtherAssets, "Goodwill", "G", {{kTagOtherGain, 300}}, {kTagHasProceeds}});
        SetGainsList();
        // The schedule after losses and the discount: Part E by column, Part F.
        SetSchedule({{kTagSchedAfterLossesIndexed, 600},
                     {kTagSchedAfterLossesDiscount, 2000},
                     {kTagSchedAfterLossesOther, 300},
                     {kTagSchedDiscountActive, 1000},
                     {kTagSchedNetCapitalGain, 1900}});
        run.store().SetFieldVal(kTagTotalGains, 2900);
        run.store().SetFieldVal(kTagNetCapitalGain, 1900);
    }
    // The list as the choice table writes it: net gains in the column of the method.
    void SetGainsList() {
        run.store().SetFieldLst(
            kTagConcessionGains,
            std::make_shared<TextList>(
                TextList{"Acme shares - Disposal", "",           "   1000.00", "",           "", "", "", "451", "1",  //
                         "Shop - Disposal",        "    600.00", "",           "",           "", "", "", "454", "1",  //
                         "Goodwill - Disposal",    "",           "",           "    300.00", "", "", "", "456", "1"}));
    }
    TextList Elections(int type) {
        return Stored(type, [](FieldStore& s) {
            return s.GetFieldLst(kTagElections) ? *s.GetFieldLst(kTagElections) : TextList{};
        });
    }
    int shares_ = 0, shop_ = 0, goodwill_ = 0;
};

// One check: the amounts typed (column, row, keys), then the message and the
// cell the cursor is put on (no message: accepted).
struct Typed {
    int col;
    int row;
    const char* keys;
};
struct LimitCase {
    const char* name;
    std::vector<Typed> entries;
    const char* message;
    At focus;
    friend void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }
};

class ElectionLimitsTest : public ElectionsTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(ElectionLimitsTest, Next) {
    const LimitCase& c = GetParam();
    ShowFromChoices(2104);
    for (const Typed& t : c.entries) TypeCell(t.col, t.row, t.keys);
    Next();
    if (!c.message) {
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
        EXPECT_EQ(frame->CurrentScreenNumber(), 2105);
        return;
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104);
    EXPECT_EQ(FocusedControl(), "XGrid1");
    EXPECT_EQ(Grid()->Col(), c.focus.col);
    EXPECT_EQ(Grid()->Row(), c.focus.row);
    for (const Typed& t : c.entries)
        EXPECT_EQ(Grid()->Cell(t.col, t.row).toDouble(), QString::fromLatin1(t.keys).toDouble()) << t.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Concessions, ElectionLimitsTest,
    ::testing::Values(
        LimitCase{"Sbaar500", {{kSbaar, 1, "500"}}, nullptr, {}},
        LimitCase{"Sbaar501", {{kSbaar, 1, "501"}}, kSbaaOver, {kSbaar, 1}},
        LimitCase{"Sbre501", {{kSbre, 1, "501"}}, kSbreOver, {kSbre, 1}},
        LimitCase{"Sbro501", {{kSbro, 1, "501"}}, kSbroOver, {kSbro, 1}},
        LimitCase{"HalfAndHalf", {{kSbaar, 1, "500"}, {kSbre, 1, "500"}}, nullptr, {}},
        LimitCase{"TotalOver", {{kSbaar, 1, "400"}, {kSbre, 1, "400"}, {kSbro, 1, "300"}}, kTotalOver, {kSbaar, 1}},
        LimitCase{"IndexedGain", {{kSbre, 2, "300"}, {kSbro, 2, "301"}}, kSbroOver, {kSbro, 2}},
        LimitCase{"OtherGainCents", {{kSbaar, 3, "150.01"}}, kSbaaOver, {kSbaar, 3}},
        // The first row that fails is the only one reported.
        LimitCase{
            "FirstFailingRow", {{kSbaar, 1, "500"}, {kSbre, 2, "301"}, {kSbaar, 3, "151"}}, kSbreOver, {kSbre, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ElectionsTest, CheckedOnPrevToo) {
    ShowFromChoices(2104);
    TypeCell(kSbaar, 1, "501");
    Click(frame->PrevButton());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kSbaaOver});
    ASSERT_EQ(frame->CurrentScreenNumber(), 2104);
    EXPECT_EQ(Grid()->Col(), kSbaar);
    EXPECT_EQ(Grid()->Row(), 1);
    TypeCell(kSbaar, 1, "500");
    Click(frame->PrevButton());
    EXPECT_EQ(frame->CurrentScreenNumber(), 2102);
    EXPECT_EQ(dialogs.Texts().size(), 1u);
}

TEST_F(ElectionsTest, NextKeepsTheElectionsAndCompletesTheSchedule) {
    ShowFromChoices(2104);
    ASSERT_EQ(Grid()->rowCount(), 4);  // the three gains, no empty rows
    TypeCell(kSbaar, 1, "250.50");
    TypeCell(kSbre, 2, "300");
    TypeCell(kSbro, 3, "100");
    ClickCell(kSbaar, 2);  // the last cell typed is checked (and formatted) on leaving
    const TextList sharesElected{"SBAA concessions", Grid()->Cell(kSbaar, 1).toStdString(), "", ""};
    const TextList shopElected{"SBAA concessions", "", Grid()->Cell(kSbre, 2).toStdString(), ""};
    const TextList goodwillElected{"SBAA concessions", "", "", Grid()->Cell(kSbro, 3).toStdString()};
    EXPECT_EQ(CellText(kSbaar, 1), "250.50");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2105);
    EXPECT_EQ(Elections(kWsShares), sharesElected);
    EXPECT_EQ(Elections(kWsRealEstate), shopElected);
    EXPECT_EQ(Elections(kWsOtherAssets), goodwillElected);

    // Part G by the column of each gain's method, whole dollars (250.50 rounds to even).
    const std::map<int, long double> partG = {
        {kTagSchedReductionIndexed, 0},    {kTagSchedReductionDiscount, 250}, {kTagSchedReductionOther, 0},
        {kTagSchedRetirementIndexed, 300}, {kTagSchedRetirementDiscount, 0},  {kTagSchedRetirementOther, 0},
        {kTagSchedRollOverIndexed, 0},     {kTagSchedRollOverDiscount, 0},    {kTagSchedRollOverOther, 100}};
    for (const auto& [tag, v] : partG) EXPECT_EQ(Schedule(tag), v) << tag;
    // Part H: the discount (1,000) and the concessions come off the gains after losses.
    EXPECT_EQ(Schedule(kTagSchedConcessionsIndexed), 300);
    EXPECT_EQ(Schedule(kTagSchedConcessionsDiscount), 1250);
    EXPECT_EQ(Schedule(kTagSchedConcessionsOther), 100);
    EXPECT_EQ(Schedule(kTagSchedNetGainIndexed), 300);   // 600 - 300
    EXPECT_EQ(Schedule(kTagSchedNetGainDiscount), 750);  // 2000 - 1250
    EXPECT_EQ(Schedule(kTagSchedNetGainOther), 200);     // 300 - 100
    EXPECT_EQ(Schedule(kTagSchedNetCapitalGain), 1250);
    EXPECT_EQ(run.store().GetFieldVal(kTagNetCapitalGain), 1250);
}

TEST_F(ElectionsTest, ConcessionsTakingTheWholeGainLeaveAnExplicitZero) {
    run.store().SetFieldLst(
        kTagConcessionGains,
        std::make_shared<TextList>(TextList{"Acme shares - Disposal", "", "   1000.00", "", "", "", "", "451", "1"}));
    SetSchedule({{kTagSchedAfterLossesIndexed, 0}, {kTagSchedAfterLossesOther, 0}});
    ShowFromChoices(2104);
    TypeCell(kSbaar, 1, "500");
    TypeCell(kSbre, 1, "500");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2105);
    EXPECT_EQ(Schedule(kTagSchedNetCapitalGain), 0);
    EXPECT_EQ(run.store().GetFieldVal(kTagNetCapitalGain), 0.0011L);
}

TEST_F(ElectionsTest, StoredElectionsComeBack) {
    ShowFromChoices(2104);
    TypeCell(kSbaar, 1, "250");
    TypeCell(kSbro, 3, "100");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2105);
    // The choice table hands the gains on afresh; the elections are the assets'.
    SetGainsList();
    ShowFromChoices(2104);
    EXPECT_EQ(CellText(kSbaar, 1), "250.00");
    EXPECT_EQ(CellText(kSbro, 3), "100.00");
    EXPECT_EQ(CellText(kSbre, 2), "");
    EXPECT_EQ(CellText(kDescription, 1), "Acme shares - Disposal");
    EXPECT_EQ(CellText(kDiscount, 1), "1000.00");
}

TEST_F(ElectionsTest, TheCursorStaysInTheElectionColumns) {
    ShowFromChoices(2104);
    EXPECT_EQ(FocusedControl(), "XGrid1");
    EXPECT_EQ(Grid()->Col(), kSbaar);
    EXPECT_EQ(Grid()->Row(), 1);
    // A click on the description or a gain lands on the row's SBAAR.
    ClickCell(kDescription, 2);
    EXPECT_EQ(Grid()->Col(), kSbaar);
    EXPECT_EQ(Grid()->Row(), 2);
    ClickCell(kOther, 3);
    EXPECT_EQ(Grid()->Col(), kSbaar);
    EXPECT_EQ(Grid()->Row(), 3);
    CheckKeys({
        {"Enter in SBAAR", Qt::Key_Return, Qt::NoModifier, {kSbaar, 1}, {kSbaar, 1}},
        {"Enter in SBRE", Qt::Key_Enter, Qt::NoModifier, {kSbre, 2}, {kSbre, 2}},
        {"Enter in SBRO", Qt::Key_Return, Qt::NoModifier, {kSbro, 1}, {kSbaar, 2}},
        {"Enter in the last row", Qt::Key_Return, Qt::NoModifier, {kSbro, 3}, {kSbaar, 1}},
        {"Tab in SBAAR", Qt::Key_Tab, Qt::NoModifier, {kSbaar, 2}, {kSbre, 2}},
        {"Tab in SBRO", Qt::Key_Tab, Qt::NoModifier, {kSbro, 2}, {kSbaar, 3}},
        {"Tab in the last row", Qt::Key_Tab, Qt::NoModifier, {kSbro, 3}, {kSbaar, 1}},
        {"Shift+Tab in SBRE", Qt::Key_Tab, Qt::ShiftModifier, {kSbre, 2}, {kSbaar, 2}},
        {"Shift+Tab in SBAAR", Qt::Key_Tab, Qt::ShiftModifier, {kSbaar, 2}, {kSbro, 1}},
        {"Backtab in row 1", Qt::Key_Backtab, Qt::ShiftModifier, {kSbaar, 1}, {kSbro, 3}},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, {kSbre, 2}, {kSbre, 2}},
    });
}

}  // namespace
}  // namespace cgt::test
