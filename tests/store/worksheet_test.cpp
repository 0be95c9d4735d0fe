#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "same_slot.h"
#include "store/fieldstore.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

constexpr int kShares = 451;

class WorksheetTest : public ::testing::Test {
protected:
    // Creates instance n of the shares type with a name, an amount and a grid.
    void AddInstance(int n, const std::string& name, long double amount) {
        store.LoadInstance(kShares, n);
        if (!name.empty()) store.SetFieldStr(710, name);
        store.SetFieldVal(1105, amount);
        store.SetFieldLst(1106, std::make_shared<TextList>(TextList{name + " row"}));
        store.StoreInstance(kShares, n);
    }
    std::vector<int> Instances() const {
        std::vector<int> v;
        for (const auto& i : *store.WorksheetList(kShares)) v.push_back(i.instance);
        return v;
    }

    test::ScriptedDialogs dialogs;
    FieldStore store{&dialogs};
};

TEST_F(WorksheetTest, InstancesAreNumberedAndCounted) {
    EXPECT_EQ(store.WorksheetCount(kShares), 0);
    AddInstance(1, "BHP", 100);
    AddInstance(2, "", 200);
    AddInstance(3, "NAB", 300);
    EXPECT_EQ(store.WorksheetCount(kShares), 3);
    EXPECT_EQ(store.FieldType(kShares + 751), dtWorksheet);
    EXPECT_EQ(store.BuildNames(kShares),
              (std::vector<std::string>{"BHP", "Worksheet No.2", "NAB", kNewWorksheetEntry}));
    EXPECT_EQ(store.EditedType(), 0);
    // Storing empties the working tags.
    EXPECT_TRUE(store.FieldIsEmpty(710));
    EXPECT_TRUE(store.FieldIsEmpty(1105));
}

TEST_F(WorksheetTest, StoringAnInstanceAgainKeepsItsPlace) {
    AddInstance(1, "BHP", 100);
    AddInstance(2, "CBA", 200);
    AddInstance(3, "NAB", 300);
    store.LoadInstance(kShares, 2);
    EXPECT_EQ(store.GetFieldStr(710), "CBA");
    store.SetFieldVal(1107, 7);
    store.StoreInstance(kShares, 2);
    EXPECT_EQ(Instances(), (std::vector<int>{1, 1, 1, 2, 2, 2, 2, 3, 3, 3}));
    EXPECT_EQ(store.WorksheetCount(kShares), 3);
}

TEST_F(WorksheetTest, DeletingRenumbersTheHigherInstances) {
    AddInstance(1, "BHP", 100);
    AddInstance(2, "CBA", 200);
    AddInstance(3, "NAB", 300);
    store.DeleteInstance(kShares, 2);
    EXPECT_EQ(store.WorksheetCount(kShares), 2);
    EXPECT_EQ(store.BuildNames(kShares), (std::vector<std::string>{"BHP", "NAB", kNewWorksheetEntry}));
    store.LoadInstance(kShares, 2);
    EXPECT_EQ(store.GetFieldVal(1105), 300);
    store.EmptyWorkingTags();
    store.DeleteInstance(kShares, 1);
    store.DeleteInstance(kShares, 1);
    EXPECT_EQ(store.WorksheetCount(kShares), 0);
    EXPECT_EQ(store.BuildNames(kShares), (std::vector<std::string>{kNewWorksheetEntry}));
}

TEST_F(WorksheetTest, DroppingABlankInstanceMovesTheHigherOnesDown) {
    AddInstance(1, "BHP", 100);
    AddInstance(2, "CBA", 200);
    store.LoadInstance(kShares, 1);
    store.PackInstance(kShares, 1, true);
    EXPECT_EQ(store.WorksheetCount(kShares), 1);
    EXPECT_EQ(store.BuildNames(kShares)[0], "CBA");
}

TEST_F(WorksheetTest, UnpackedListsAreSharedWithTheirItemAndSurviveClearing) {
    AddInstance(1, "BHP", 100);
    store.LoadInstance(kShares, 1);
    TextListPtr grid = store.GetFieldLst(1106);
    ASSERT_TRUE(grid);
    grid->push_back("added while editing");
    // The item sees the edit: both share one list.
    const auto& items = *store.WorksheetList(kShares);
    const auto it = std::find_if(items.begin(), items.end(), [](const WorksheetItem& i) { return i.tag == 1106; });
    ASSERT_NE(it, items.end());
    EXPECT_EQ(it->slot.list->size(), 2u);
    // Clearing the working tag must not pull the lines out from under the item.
    store.ClearField(1106);
    EXPECT_EQ(it->slot.list->size(), 2u);
    store.EmptyWorkingTags();
    store.ClearStore();
    EXPECT_EQ(store.WorksheetCount(kShares), 0);
    EXPECT_EQ(grid->size(), 2u);  // still valid memory, held by this test
}

TEST_F(WorksheetTest, AGridWhoseFirstCellIsBlankIsKept) {
    store.LoadInstance(kShares, 1);
    store.SetFieldLst(1106, std::make_shared<TextList>(TextList{"", "500"}));
    store.StoreInstance(kShares, 1);
    store.LoadInstance(kShares, 1);
    ASSERT_TRUE(store.GetFieldLst(1106));
    EXPECT_EQ(*store.GetFieldLst(1106), (TextList{"", "500"}));
}

TEST_F(WorksheetTest, LoadWorksheetInstanceUsesTheTypedSetters) {
    auto list = std::make_shared<WorksheetItems>();
    Slot cnt;
    cnt.type = dtCurrencyCnt;
    cnt.number = 12.5L;
    Slot longText;
    longText.type = dtString;
    longText.longText = "a long description";
    Slot box;
    box.type = dtCheckbox;
    box.checked = true;
    Slot lines;
    lines.type = dtList;
    lines.list = std::make_shared<TextList>(TextList{"a", "b"});
    list->push_back({1, 1120, cnt});
    list->push_back({2, 1120, cnt});
    list->push_back({2, 711, longText});
    list->push_back({2, 1196, box});
    list->push_back({2, 1105, lines});
    list->push_back({2, 3000, cnt});  // an invalid tag is ignored
    store.SetFieldVal(1150, 99);      // working tags are emptied first
    store.SetFieldVal(100, 99);       // other tags are not
    store.LoadWorksheetInstance(list, 2);
    EXPECT_EQ(store.FieldType(1120), dtCurrency);  // a new slot takes the setter's type
    EXPECT_EQ(store.GetFieldVal(1120), 12.5L);
    EXPECT_EQ(store.GetFieldStr(711), "a long description");
    EXPECT_TRUE(store.FieldChecked(1196));
    EXPECT_EQ(store.GetFieldLst(1105), lines.list);
    EXPECT_EQ(store.GetFieldVal(1150), 0);
    EXPECT_EQ(store.GetFieldVal(100), 99);
    store.LoadWorksheetInstance(nullptr, 1);
    EXPECT_EQ(store.GetFieldVal(1120), 12.5L);
}

// However a working tag gets its value, storing the instance packs it and
// empties the tag, and the data check sees it.
TEST_F(WorksheetTest, EveryWayIntoAWorkingTagIsPackedAndEmptied) {
    const struct {
        const char* what;
        int tag;
        std::function<void(FieldStore&)> set;
    } cases[] = {
        {"raw slot", 1150,
         [](FieldStore& s) {
             Slot amount;
             amount.type = dtCurrency;
             amount.number = 5;
             s.MutableSlotAt(1150) = amount;
         }},
        {"amount", 1105, [](FieldStore& s) { s.SetFieldVal(1105, 7); }},
        {"text", 749, [](FieldStore& s) { s.SetFieldStr(749, "last low tag"); }},
        {"list", 1199,
         [](FieldStore& s) {
             s.SetFieldLst(1199, std::make_shared<TextList>(TextList{"", "x"}));
         }},
        {"check box", 1100, [](FieldStore& s) { s.SetFieldChecked(1100); }},
    };
    for (const auto& c : cases) {
        store.Allocate();
        store.LoadInstance(kShares, 1);
        EXPECT_FALSE(store.WorkingTagsHoldData()) << c.what;
        c.set(store);
        EXPECT_TRUE(store.WorkingTagsHoldData()) << c.what;
        store.StoreInstance(kShares, 1);
        EXPECT_EQ(store.FieldType(c.tag), dtNone) << c.what;
        EXPECT_FALSE(store.WorkingTagsHoldData()) << c.what;
        const auto items = store.WorksheetList(kShares)->Instance(1);
        EXPECT_TRUE(std::any_of(items.begin(), items.end(), [&](const WorksheetItem& i) { return i.tag == c.tag; }))
            << c.what;
        store.LoadInstance(kShares, 1);
        EXPECT_TRUE(store.FieldHasData(c.tag)) << c.what;
        store.EmptyWorkingTags();
        EXPECT_EQ(store.FieldType(c.tag), dtNone) << c.what;
    }
}

// Kept as stored, the working tags are what storing the instance and
// unpacking it again leaves: the blank name given, what packing drops gone.
TEST_F(WorksheetTest, KeptAsStoredIsStoredAndUnpackedAgain) {
    const auto fill = [](FieldStore& s) {
        s.LoadInstance(kShares, 2);
        s.SetFieldVal(1105, 0.0005L);  // too small to be packed
        s.SetFieldVal(1106, -0.0004L);
        s.SetFieldVal(1107, 12.5L);
        s.SetFieldStr(711, "");
        s.SetFieldStr(712, "  ");
        s.SetFieldLst(1108, std::make_shared<TextList>());
        s.SetFieldLst(1109, std::make_shared<TextList>(TextList{"", "x"}));
        s.SetFieldLst(1110, std::make_shared<TextList>(TextList{"", ""}));
        s.SetFieldUnchecked(1111);
        s.SetFieldChecked(1112);
    };
    test::ScriptedDialogs otherDialogs;
    FieldStore stored{&otherDialogs};
    fill(stored);
    stored.StoreInstance(kShares, 2);
    stored.LoadInstance(kShares, 2);
    fill(store);
    store.KeepAsStored(kShares, 2);
    EXPECT_EQ(store.GetFieldStr(710), "Worksheet No.2");
    EXPECT_EQ(store.EditedType(), stored.EditedType());
    EXPECT_EQ(store.EditedInstance(), stored.EditedInstance());
    EXPECT_EQ(store.DataChanged(), stored.DataChanged());
    for (int tag : WorkingTags()) test::ExpectSameSlot(store.SlotAt(tag), stored.SlotAt(tag), std::to_string(tag));
}

}  // namespace
}  // namespace cgt
