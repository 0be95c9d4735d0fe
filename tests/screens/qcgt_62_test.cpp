// The choice table screen through the real frame: rows built from the
// return, the four buttons with their questions and closing messages, the
// keys, the checks made on Next with their focus, and what Next stores.
#include <QLabel>

#include "calc/choice_table.h"
#include "concessions_fixture.h"
#include "store/modulerun.h"

namespace cgt::test {
namespace {

using namespace choice;

constexpr const char* kMakeAllQuestion = "Do you want to delete all applied losses and start afresh?";
constexpr const char* kMakeAllDone =
    "Applied losses previously set have been cleared and has re-calculated the application of losses.";

// A manual calculation row: description, type, indexed, discount, other,
// loss, can defer, method.
struct Manual {
    const char* description;
    const char* type;
    const char* indexed = "";
    const char* discount = "";
    const char* other = "";
    const char* loss = "";
    const char* canDefer = "";
    const char* method = "";
};

class ChoiceTableScreenTest : public ConcessionScreenTest {
protected:
    void AddManual(const Manual& m) {
        FieldStore& store = run.store();
        TextListPtr list = store.GetFieldLst(kTagManualTable);
        if (!list) {
            list = std::make_shared<TextList>();
            store.SetFieldLst(kTagManualTable, list);
        }
        TextList row(kColumnCount);
        row[kDescription] = m.description;
        row[kAssetType] = m.type;
        row[kIndexedGain] = m.indexed;
        row[kDiscountGain] = m.discount;
        row[kOtherGain] = m.other;
        row[kLoss] = m.loss;
        row[kCanDefer] = m.canDefer;
        row[kMethod] = m.method;
        list->insert(list->end(), row.begin(), row.end());
    }
    // Three manual rows: shares needing a method choice, a collectable and a
    // loss; earlier years' losses of 100 (collectable) and 700 (other).
    void SmallReturn() {
        AddManual({"Shares", "SN", "1000", "1600"});
        AddManual({"Painting", "A", "", "500"});
        AddManual({"Land", "RN", "", "", "", "300"});
        run.store().SetFieldVal(kTagPriorCollectableLosses, 100);
        run.store().SetFieldVal(kTagPriorOtherLosses, 700);
    }
    void Show() { ShowFromChoices(2103); }
    void Press(const char* button) { Click(Control<QPushButton>(button)); }
    std::string Label() const { return Control<QLabel>("NetCapGainLabel")->text().toStdString(); }
    std::string Unapplied(int col, int row) const {
        return Control<TXGrid>("XGrid2")->Cell(col, row).trimmed().toStdString();
    }
    std::string StoredManual(int row, int col) {
        return (*run.store().GetFieldLst(kTagManualTable))[std::size_t(row * kColumnCount + col)];
    }
};

TEST_F(ChoiceTableScreenTest, ShowBuildsTheRowsAndTheNetCapitalGain) {
    SmallReturn();
    Show();
    EXPECT_EQ(Grid()->rowCount(), 4);
    EXPECT_EQ(CellText(kDescription, 1), "Shares");
    EXPECT_EQ(CellText(kChoiceReq, 1), "Yes");
    EXPECT_EQ(CellText(kIndexFactor, 1), "62.50000");
    EXPECT_EQ(CellText(kChoiceReq, 2), "No");
    // Nothing applied yet: the painting's net is 500 / 2; the shares wait for
    // a method and the land has no gain.
    EXPECT_EQ(CellText(kNetGain, 2), "250.00");
    EXPECT_EQ(CellText(kNetGain, 1), "");
    EXPECT_EQ(Label(), "Your net capital gain is $250");
    EXPECT_TRUE(Control<QLabel>("NetCapGainLabel")->isVisible());
    EXPECT_EQ(Unapplied(0, 1), "Prior Years");
    EXPECT_EQ(Unapplied(1, 1), "100");
    EXPECT_EQ(Unapplied(2, 1), "700");
    EXPECT_EQ(Unapplied(2, 2), "300");  // this year's loss on the land
    EXPECT_TRUE(run.store().FieldChecked(kTagGainsExist));
    EXPECT_EQ(run.store().GetFieldVal(kTagLossTotal), 300);
}

TEST_F(ChoiceTableScreenTest, AnEmptyReturnShowsOneEmptyRow) {
    Show();
    EXPECT_EQ(Grid()->rowCount(), 2);
    EXPECT_EQ(CellText(kDescription, 1), "");
    EXPECT_TRUE(run.store().FieldChecked(kTagNoGains));
    EXPECT_FALSE(run.store().FieldChecked(kTagGainsExist));
    EXPECT_EQ(Label(), "Your net capital gain is $0");
}

TEST_F(ChoiceTableScreenTest, MakeAllChoicesAppliesTheLossesAndChoosesTheMethods) {
    SmallReturn();
    Show();
    dialogs.answers = {MsgResult::Yes};
    Press("ApplyLossBtn");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kMakeAllQuestion, kMakeAllDone}));
    // Collectable pool 100 against the painting: (500 - 100) / 2 = 200. Other
    // pool 300 + 700 = 1000 covers the shares' indexed gain of 1000: Indexed,
    // net 0.
    EXPECT_EQ(CellText(kCollectableApplied, 2), "100");
    EXPECT_EQ(CellText(kNetGain, 2), "200.00");
    EXPECT_EQ(CellText(kMethod, 1), "Indexed");
    EXPECT_EQ(CellText(kOtherApplied, 1), "1000");
    EXPECT_EQ(CellText(kNetGain, 1), "0");
    EXPECT_EQ(Label(), "Your net capital gain is $200");
    EXPECT_EQ(Unapplied(1, 1), "0");
    EXPECT_EQ(Unapplied(2, 1), "0");
    EXPECT_EQ(Unapplied(2, 2), "0");

    // Asked again and answered No: nothing is cleared, nothing else is said.
    dialogs.shown.clear();
    dialogs.answers = {MsgResult::No};
    Press("ApplyLossBtn");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kMakeAllQuestion});
    EXPECT_EQ(CellText(kOtherApplied, 1), "1000");
}

TEST_F(ChoiceTableScreenTest, ButtonsAskThenResetTheirChoices) {
    SmallReturn();
    AddManual({"Farm", "RN", "2000", "", "", "", "Yes"});
    Show();
    ASSERT_EQ(CellText(kDescription, 4), "Farm");

    dialogs.answers = {MsgResult::Yes};
    Press("MethodBtn");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Do you want to delete all method choices made and make "
                                                         "method choices afresh?This will effect any losses "
                                                         "already applied",
                                                         "Method choices have been reset."}));
    EXPECT_EQ(CellText(kMethod, 1), "Discount");  // 1600 / 2 = 800 is not above 1000
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::YesNo);

    dialogs.shown.clear();
    dialogs.answers = {MsgResult::Yes};
    Press("DeferBtn");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{
                                   "Do you want to delete deferment choices made and make deferment choices afresh?",
                                   "Deferment choices have been reset."}));
    EXPECT_EQ(CellText(kWantDefer, 4), "Yes");  // a deferrable gain without a loss
    EXPECT_EQ(CellText(kNetGain, 4), "0");

    // Start over: the table is rebuilt from the return (the choices above
    // were never stored) and, on Yes, every choice is cleared.
    dialogs.shown.clear();
    dialogs.answers = {MsgResult::Yes};
    Press("RestartBtn");
    EXPECT_EQ(dialogs.Texts(),
              (std::vector<std::string>{
                  "Do you want to delete all saved choices and losses applied and start afresh?",
                  "Deferment and method choices have been reset and applied losses have been cleared."}));
    EXPECT_EQ(CellText(kMethod, 1), "");
    EXPECT_EQ(CellText(kWantDefer, 4), "");

    // Answered No, the method button leaves the table as it was.
    dialogs.shown.clear();
    dialogs.answers = {MsgResult::No};
    Press("MethodBtn");
    EXPECT_EQ(dialogs.Texts().size(), 1u);
    EXPECT_EQ(CellText(kMethod, 1), "");
}

TEST_F(ChoiceTableScreenTest, StartOverAnsweredNoStillDropsEditsSinceTheScreenWasShown) {
    AddManual({"Shares", "SN", "1000", "1600", "", "", "", "Discount"});
    Show();
    TypeCell(kOtherApplied, 1, "50");
    Press("MethodBtn");  // answered No: the typed amount is kept
    ASSERT_EQ(CellText(kOtherApplied, 1), "50");
    dialogs.shown.clear();
    dialogs.answers = {MsgResult::No};
    Press("RestartBtn");
    EXPECT_EQ(dialogs.Texts().size(), 1u);
    EXPECT_EQ(CellText(kOtherApplied, 1), "");
    EXPECT_EQ(CellText(kMethod, 1), "Discount");
}

TEST_F(ChoiceTableScreenTest, KeysKeepTheCursorBetweenTheIndexedGainAndTheNetGain) {
    SmallReturn();
    Show();
    // The grid scrolls sideways, so the cursor is put on each start cell
    // (after a click in the fixed description column) rather than clicked.
    const std::vector<GridKey> keys = {
        {"enter mid-row stays", Qt::Key_Return, Qt::NoModifier, {kDiscountGain, 2}, {kDiscountGain, 2}},
        {"enter on the net gain", Qt::Key_Return, Qt::NoModifier, {kNetGain, 1}, {kIndexedGain, 2}},
        {"tab on the net gain of the last row", Qt::Key_Tab, Qt::NoModifier, {kNetGain, 3}, {kIndexedGain, 1}},
        {"tab mid-row moves on", Qt::Key_Tab, Qt::NoModifier, {kIndexedGain, 2}, {kDiscountGain, 2}},
        {"shift+tab from the indexed gain", Qt::Key_Backtab, Qt::ShiftModifier, {kIndexedGain, 2}, {kNetGain, 1}},
        {"shift+tab from row 1 wraps", Qt::Key_Backtab, Qt::ShiftModifier, {kIndexedGain, 1}, {kNetGain, 3}},
        {"shift+tab before the gains", Qt::Key_Backtab, Qt::ShiftModifier, {kDescription, 2}, {kDescription, 2}},
    };
    const TextList rows = Grid()->Model().SaveToList();
    for (const GridKey& k : keys) {
        SCOPED_TRACE(k.name);
        ClickCell(kDescription, 1);
        ASSERT_TRUE(Grid()->MoveTo(k.start.col, k.start.row));
        Key(k.key, k.mods);
        EXPECT_EQ(Grid()->Col(), k.end.col);
        EXPECT_EQ(Grid()->Row(), k.end.row);
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(Grid()->Model().SaveToList(), rows);
}

TEST_F(ChoiceTableScreenTest, ChecksOnNextStopAtTheRowWithItsMessage) {
    struct Case {
        const char* name;
        std::vector<Manual> rows;
        long double priorOther;
        long double transferredIn;
        At typed;  // a cell typed into before Next ({-1, -1}: none)
        const char* keys;
        const char* message;
        int row;
    } cases[] = {
        {"deferral not answered",
         {{"Shares", "SN", "500"}, {"Farm", "RN", "900", "", "", "", "Yes"}},
         0,
         0,
         {-1, -1},
         "",
         "You must advise if you wish to defer a gain that can be deferred.",
         2},
        {"method not chosen",
         {{"Shares", "SN", "1000", "1600"}},
         0,
         0,
         {-1, -1},
         "",
         "You must choose the method you wish to use.",
         1},
        {"negative net",
         {{"Land", "RN", "100"}, {"Shares", "SN", "1000"}},
         5000,
         0,
         {kOtherApplied, 2},
         "2000",
         "A loss applied cannot result in a negative gain.",
         2},
        {"losses left unapplied",
         {{"Shares", "SN", "1000"}},
         500,
         0,
         {-1, -1},
         "",
         "Losses must be applied until available gains are exhausted.",
         1},
        {"more applied than available",
         {{"Shares", "SN", "1000"}},
         500,
         0,
         {kOtherApplied, 1},
         "600",
         "Other losses applied cannot be more than available.",
         1},
        {"transferred in not applied",
         {{"Shares", "SN", "1000"}},
         0,
         100,
         {-1, -1},
         "",
         "Check Capital losses transferred in. Losses cannot be transferred in unless they can be applied.",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        run.store().ClearStore();
        dialogs.shown.clear();
        for (const auto& m : c.rows) AddManual(m);
        run.store().SetFieldVal(kTagPriorOtherLosses, c.priorOther);
        run.store().SetFieldVal(kTagTransferredInLosses, c.transferredIn);
        Show();
        dialogs.shown.clear();
        if (c.typed.col >= 0) TypeCell(c.typed.col, c.typed.row, c.keys);
        Next();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(frame->CurrentScreenNumber(), 2103);
        EXPECT_EQ(Grid()->Col(), kIndexedGain);
        EXPECT_EQ(Grid()->Row(), c.row);
        EXPECT_EQ(FocusedControl(), "XGrid1");
    }
}

TEST_F(ChoiceTableScreenTest, NextWritesTheChoicesBackAndComputesTheSchedule) {
    SmallReturn();
    Show();
    dialogs.answers = {MsgResult::Yes};
    Press("ApplyLossBtn");
    dialogs.shown.clear();
    Next();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(frame->CurrentScreenNumber(), 2104);
    // The shares row is manual row 0, the painting row 1.
    EXPECT_EQ(StoredManual(0, kMethod), "Indexed");
    EXPECT_EQ(StoredManual(0, kOtherApplied), "1000");
    EXPECT_EQ(StoredManual(1, kCollectableApplied), "100");
    // Net capital gain: the painting's 200 (collectable discount gain 500 less
    // 100 applied, halved).
    EXPECT_EQ(run.store().GetFieldVal(kTagNetCapitalGain), 200);
    const TextListPtr grid = run.store().GetFieldLst(kTagChoiceGrid);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->size(), 3u * kColumnCount);
}

// A loss typed into a row and left by pressing Next is netted before the
// choices are stored, so the schedule sees what the grid shows.
TEST_F(ChoiceTableScreenTest, ATypedLossIsNettedWhenNextIsPressed) {
    AddManual({"Land", "RN", "1000"});
    run.store().SetFieldVal(kTagPriorOtherLosses, 400);
    Show();
    TypeCell(kOtherApplied, 1, "400");
    Next();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(frame->CurrentScreenNumber(), 2104);
    EXPECT_EQ(StoredManual(0, kOtherApplied), "400");
    EXPECT_EQ(run.store().GetFieldVal(kTagNetCapitalGain), 600);
}

TEST_F(ChoiceTableScreenTest, PrevLeavesWithoutChecksOrWriteBack) {
    AddManual({"Shares", "SN", "1000", "1600"});
    Show();
    Click(frame->PrevButton());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(frame->CurrentScreenNumber(), 2102);
    EXPECT_EQ(StoredManual(0, kMethod), "");
}

}  // namespace
}  // namespace cgt::test
