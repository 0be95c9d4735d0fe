// The cost element screen (section 3) driven through the real frame: cost
// elements chosen from the grid's drop-down list, dates and amounts typed
// into its cells, cells clicked, F1, Next and Prev, then the message, where
// the grid's cursor went, the help text beside the grid and the store.
#include <QScrollBar>
#include <initializer_list>
#include <vector>

#include "calc/cost_elements.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"
#include "controls/xgrid_picklist.h"
#include "cost_screens_fixture.h"
#include "flow/code_tables.h"
#include "store/fieldstore.h"

namespace cgt::test {
namespace {

constexpr const char* kElementOneAfterSection2 =
    "If you completed Section 2, Cost element 1 can only be entered if purchased by instalments.";
constexpr const char* kBeforeAcquisition =
    "Check dates. An expense must be incurred no earlier than the acquisition date.";
constexpr const char* kBeforeEffective =
    "Check dates. An expense must be incurred no earlier than the effective date entered previously..";
constexpr const char* kBeforeCgt =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\n"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although\r\n"
    "there is an exception for some shares and trust interests. If your asset falls within\r\n"
    "this exception, you should manually calculate your capital gain or capital loss";
constexpr const char* kExcludedAboveAmount =
    "Check Cost Base adjustment amount entered.  Amount entered must not exceed original amount already entered.";
constexpr const char* kIncomplete = "If either dates and amount are present then all must be completed.";
constexpr const char* kAdjustmentNotNegative =
    "If cost element 6C or 6R is present, amount must be entered as a negative.";

// Columns of the grid: the cells of a cost element row.
enum {
    kElement = kCostElementCode,
    kIncurred = kCostElementIncurred,
    kPaid = kCostElementPaid,
    kDescription = kCostElementDescription,
    kAmount = kCostElementAmount,
    kExcluded = kCostElementExcluded,
    kExcludedReduced = kCostElementExcludedReduced,
    kComments = kCostElementComments,
};

// A row as the user types it: the keys that find its cost element in the
// drop-down list ("" leaves the cell empty), then the cells after it.
struct TypedRow {
    const char* element = "";
    const char* incurred = "";
    const char* description = "";
    const char* amount = "";
    const char* excluded = "";
};

// The cost element list of these rows, one after the other.
TextList Rows(std::initializer_list<TextList> rows) {
    TextList cells;
    for (const TextList& r : rows) cells.insert(cells.end(), r.begin(), r.end());
    return cells;
}

StoredAsset Asset(const char* acquired, const char* costBaseDate = "") {
    StoredAsset a;
    a.acquired = acquired;
    a.costBaseDate = costBaseDate;
    return a;
}

class CostElementTest : public CostScreenTest {
protected:
    TXGrid* Grid() const { return Control<TXGrid>("XGrid1"); }
    TXGridInplaceEdit* Editor() const { return Grid()->Editor(); }
    int HelpShown() const { return Control<TTextLbl>("HelpTextLbl")->currentSection(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Editor(), key, mods);
        QApplication::processEvents();
    }
    // Types a cell and tabs on.
    void Cell(const char* keys) {
        QTest::keyClicks(Editor(), QString::fromLatin1(keys));
        Key(Qt::Key_Tab);
    }
    // Rows typed from the cursor's row on, starting in the cost element column.
    void TypeRows(const std::vector<TypedRow>& rows) {
        for (const TypedRow& r : rows) {
            ASSERT_EQ(Grid()->Col(), kElement);
            if (*r.element) {
                Key(Qt::Key_Down, Qt::AltModifier);
                ASSERT_TRUE(Grid()->PickListOpen());
                QTest::keyClicks(Grid()->PickListPopup(), QString::fromLatin1(r.element));
                QTest::keyClick(Grid()->PickListPopup(), Qt::Key_Return);
                QApplication::processEvents();
            } else {
                Key(Qt::Key_Tab);
            }
            ASSERT_EQ(Grid()->Col(), kIncurred);
            Cell(r.incurred);
            ASSERT_EQ(Grid()->Col(), kDescription);  // the date paid is not asked for
            Cell(r.description);
            Cell(r.amount);
            Cell(r.excluded);
            ASSERT_EQ(Grid()->Col(), kComments);
            Cell("");
        }
    }
    // A click on a cell, after scrolling it into view as the user would.
    void ClickCell(int col, int row) {
        QScrollBar* bar = Grid()->horizontalScrollBar();
        if (col < Grid()->LeftCol()) bar->setValue(0);
        while (Grid()->CellRect(col, row).isEmpty() && bar->value() < bar->maximum())
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        ASSERT_FALSE(Grid()->CellRect(col, row).isEmpty());
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->CellRect(col, row).center());
        QApplication::processEvents();
    }
    TextList StoredRows(int type) {
        return Stored(type, [](FieldStore& s) {
            return s.GetFieldLst(kTagCostElements) ? *s.GetFieldLst(kTagCostElements) : TextList{};
        });
    }
    void StoreRows(int type, const StoredAsset& asset, const TextList& cells) {
        run.store().SetFieldLst(kTagCostElements, std::make_shared<TextList>(cells));
        StoreAsset(type, asset);
    }
    // Real estate with an adjustment (row 1) and stamp duty (row 2), both
    // with excluded amounts (an older file may hold them for an adjustment).
    void ShowAdjustedRealEstate() {
        StoreRows(kWsRealEstate, Asset("01/03/1995"),
                  {"6C - Adjustments to the cost base", "01/07/2002", "", "Recouped", "-150.00", "20.00", "20.00", "",
                   "2A - Incidentals re holding and acquisition", "01/03/1995", "", "Stamp duty", "900.00", "100.00",
                   "100.00", ""});
        ShowOnAsset(2037);
    }
};

TEST_F(CostElementTest, RowRules) {
    const struct {
        const char* name;
        int screen;
        StoredAsset asset;
        std::vector<TypedRow> rows;
        const char* message;  // nullptr: accepted
        int row = 0;          // where the grid's cursor goes
        int col = 0;
    } cases[] = {
        {"element 1 after a section 2 cost base",
         2011,
         Asset("01/03/1995", "01/03/1995"),
         {{"1", "01/06/1996", "Purchase", "1000"}},
         kElementOneAfterSection2,
         1,
         kElement},
        {"element 1D after a section 2 cost base",
         2011,
         Asset("01/03/1995", "01/03/1995"),
         {{"1D", "01/06/1996", "Second instalment", "1000"}},
         nullptr},
        {"incurred before the acquisition",
         2011,
         Asset("01/03/1995"),
         {{"1", "01/03/1995", "Purchase", "1000"}, {"2A", "01/02/1995", "Stamp duty", "40"}},
         kBeforeAcquisition,
         1,
         kElement},
        {"incurred before the effective date",
         2011,
         Asset("01/03/1995", "01/06/1996"),
         {{"2B", "01/07/1996", "Brokerage", "40"}, {"1D", "01/01/1996", "Instalment", "500"}},
         kBeforeEffective,
         1,
         kElement},
        {"incurred before CGT", 2011, Asset(""), {{"1", "19/09/1985", "Purchase", "1000"}}, kBeforeCgt, 1, kElement},
        {"excluded above the amount",
         2011,
         Asset("01/03/1995"),
         {{"1", "01/03/1995", "Purchase", "1000"}, {"2A", "01/04/1995", "Advice", "100", "150"}},
         kExcludedAboveAmount,
         2,
         kAmount},
        {"dated without element",
         2011,
         Asset("01/03/1995"),
         {{"", "01/03/1995", "Purchase", "1000"}},
         kIncomplete,
         1,
         kElement},
        {"amount without date", 2011, Asset("01/03/1995"), {{"2A", "", "Stamp duty", "40"}}, kIncomplete, 1, kElement},
        {"only a description", 2011, Asset("01/03/1995"), {{"", "", "Shares bought through CommSec"}}, nullptr},
        {"adjustment of 150",
         2037,
         Asset("01/03/1995"),
         {{"6C", "01/07/2002", "Recouped costs", "150"}},
         kAdjustmentNotNegative,
         1,
         kElement},
        {"adjustment of -150", 2037, Asset("01/03/1995"), {{"6C", "01/07/2002", "Recouped costs", "-150"}}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoreAsset(BlockTypeOf(c.screen), c.asset);
        ShowOnAsset(c.screen);
        ASSERT_EQ(FocusedControl(), "XGrid1");
        TypeRows(c.rows);
        const TextList typed = Grid()->Model().SaveToList();
        dialogs.shown.clear();
        Next();
        if (!c.message) {
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
            EXPECT_EQ(frame->CurrentScreenNumber(), c.screen + 1);
            EXPECT_EQ(StoredRows(BlockTypeOf(c.screen)), typed);
            Leave();
            continue;
        }
        ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(frame->CurrentScreenNumber(), c.screen);
        EXPECT_EQ(FocusedControl(), "XGrid1");
        EXPECT_EQ(Grid()->Row(), c.row);
        EXPECT_EQ(Grid()->Col(), c.col);
        // The rows typed stay (in date order).
        EXPECT_EQ(Grid()->Model().SaveToList().size(), typed.size());
        Leave();
    }
}

TEST_F(CostElementTest, RowsAreStoredInDateOrder) {
    // Sorted on the date incurred, the date paid and the cost element.
    const TextList purchase{"1 - Purchase/Acquisition cost", "01/03/1995", "", "1,000 shares", "9500.00", "", "", ""};
    const TextList brokerage{
        "2A - Incidentals re holding & acquisition", "01/03/1995", "", "Brokerage", "95.00", "", "", ""};
    const TextList commission{
        "2B - Incidentals re specific CGT event", "15/11/2002", "", "Brokerage", "45.00", "", "", ""};
    StoreRows(kWsShares, Asset("01/03/1995"), Rows({commission, brokerage, purchase}));
    ShowOnAsset(2011);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2012);
    EXPECT_EQ(StoredRows(kWsShares), Rows({purchase, brokerage, commission}));
}

TEST_F(CostElementTest, NoChecksGoingBack) {
    StoreAsset(kWsShares, Asset("01/03/1995", "01/03/1995"));
    ShowOnAsset(2011);
    TypeRows({{"1", "01/06/1996", "Purchase", "1000"}});
    dialogs.shown.clear();
    Leave();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
}

TEST_F(CostElementTest, TheListOffersTheElementsOfTheAssetKind) {
    for (int screen : {2011, 2024, 2037, 2048, 2057, 2067}) {
        SCOPED_TRACE(screen);
        ShowOnAsset(screen);
        Key(Qt::Key_Down, Qt::AltModifier);
        XGridPickList* list = Grid()->PickListPopup();
        ASSERT_TRUE(Grid()->PickListOpen());
        std::vector<std::string> offered;
        for (int i = 0; i < list->count(); ++i) offered.push_back(list->item(i)->text().toStdString());
        EXPECT_EQ(offered, CostElementItems(BlockTypeOf(screen)));
        QTest::keyClick(list, Qt::Key_Escape);
    }
}

TEST_F(CostElementTest, TheGridAsDefined) {
    StoreAsset(kWsShares, Asset("01/03/1995"));
    ShowOnAsset(2011);
    TXGrid* grid = Grid();
    EXPECT_EQ(grid->fieldTag(), kTagCostElements);
    ASSERT_EQ(grid->colCount(), kCostElementCells);
    EXPECT_FALSE(grid->ColumnVisible(kPaid));
    EXPECT_EQ(grid->Model().ColWidth(kExcludedReduced), 0);
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const char* titles[] = {"Cost Element",
                            "Date expense incurred",
                            "Date paid",
                            "Description of expense",
                            "Amount",
                            "Amount to be excluded from cost base",
                            "Amt to be excluded from reduced cost base",
                            "Comments"};
    ASSERT_EQ(std::size(titles), std::size_t(kCostElementCells));
    for (int col = 0; col < kCostElementCells; ++col) EXPECT_EQ(grid->Cell(col, 0).toStdString(), titles[col]);
    EXPECT_EQ(TextOf("DescLabel"), "BHP Billiton 1,000 shares");
}

TEST_F(CostElementTest, HelpBesideTheGridFollowsTheColumn) {
    const struct {
        int screen;
        int col;
        int section;
    } cases[] = {
        {2011, kElement, 1},     {2011, kIncurred, 2}, {2024, kIncurred, 2}, {2037, kIncurred, 3}, {2057, kIncurred, 3},
        {2011, kDescription, 5}, {2011, kAmount, 6},   {2011, kExcluded, 7}, {2011, kComments, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen << " column " << c.col);
        StoreAsset(BlockTypeOf(c.screen), Asset("01/03/1995"));
        ShowOnAsset(c.screen);
        EXPECT_EQ(HelpShown(), 1);
        ClickCell(c.col, 2);
        EXPECT_EQ(Grid()->Col(), c.col);
        EXPECT_EQ(HelpShown(), c.section);
        Leave();
    }
}

TEST_F(CostElementTest, ClickingAnAdjustmentEmptiesItsExcludedAmounts) {
    ShowAdjustedRealEstate();
    ClickCell(kElement, 1);
    EXPECT_EQ(Grid()->Cell(kExcluded, 1), "20.00");
    ClickCell(kDescription, 1);
    EXPECT_EQ(Grid()->Cell(kExcluded, 1), "");
    EXPECT_EQ(Grid()->Cell(kExcludedReduced, 1), "");
    // Other rows keep theirs.
    ClickCell(kDescription, 2);
    EXPECT_EQ(Grid()->Cell(kExcluded, 2), "100.00");
    EXPECT_EQ(Grid()->Cell(kExcludedReduced, 2), "100.00");
}

TEST_F(CostElementTest, F1OpensTheHelpOfTheRowsCostElement) {
    ShowAdjustedRealEstate();
    const struct {
        int row;
        int topic;
    } presses[] = {
        {3, 20},   // no cost element yet: the screen's topic
        {2, 22},   // 2A
        {1, 380},  // 6C
        {3, 380},  // a row without one keeps the grid's last topic
    };
    for (const auto& p : presses) {
        ClickCell(kDescription, p.row);
        Key(Qt::Key_F1);
        ASSERT_FALSE(host.topics.empty());
        EXPECT_EQ(host.topics.back(), p.topic) << "row " << p.row;
    }
    EXPECT_EQ(host.topics.size(), 4u);
}

}  // namespace
}  // namespace cgt::test
