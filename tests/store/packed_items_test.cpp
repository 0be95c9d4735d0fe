// Instances kept as their records (packed) read back as the very items they
// were made of, and whatever shares a list with an item keeps sharing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "same_slot.h"
#include "store/datafile.h"
#include "store/fieldstore.h"
#include "store/item_record.h"
#include "store/worksheet_items.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

constexpr int kShares = 451;

Slot Of(std::uint8_t type) {
    Slot s;
    s.type = type;
    return s;
}

struct Case {
    const char* name;
    Slot slot;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    const auto add = [&](const char* name, std::uint8_t type, auto fill) {
        Slot s = Of(type);
        fill(s);
        cases.push_back({name, s});
    };
    add("amount", dtCurrency, [](Slot& s) { s.number = 12.5L; });
    add("negative zero", dtCurrencyCnt, [](Slot& s) { s.number = -0.0L; });
    add("large", dtNumeric, [](Slot& s) { s.number = 1e300L; });
    add("number without a type", dtNone, [](Slot& s) { s.number = 3; });
    add("empty string", dtString, [](Slot& s) { s.longText = ""; });
    add("longest string", dtString, [](Slot& s) { s.longText = std::string(255, 'x'); });
    add("string too long for its record", dtString, [](Slot& s) { s.longText = std::string(300, 'y'); });
    add("string never set", dtString, [](Slot&) {});
    add("short string", dtSmallStr, [](Slot& s) { s.smallText = "ABCDEFGHI"; });
    add("ticked", dtCheckbox, [](Slot& s) { s.checked = true; });
    add("not ticked", dtCheckbox, [](Slot&) {});
    add("list with blank lines", dtList, [](Slot& s) { s.list = std::make_shared<TextList>(TextList{"", "a", ""}); });
    add("empty list", dtList, [](Slot& s) { s.list = std::make_shared<TextList>(); });
    add("line with a break", dtList, [](Slot& s) { s.list = std::make_shared<TextList>(TextList{"a\rb", "c"}); });
    add("line with a zero", dtList,
        [](Slot& s) { s.list = std::make_shared<TextList>(TextList{std::string("a\0b", 3)}); });
    add("no list", dtList, [](Slot&) {});
    add("worksheet item", dtWorksheet, [](Slot&) {});
    add("number beside a text", dtString, [](Slot& s) {
        s.longText = "text";
        s.number = 4;
    });
    add("text beside a number", dtCurrency, [](Slot& s) {
        s.number = 4;
        s.smallText = "x";
    });
    add("code outside the table", 12, [](Slot& s) { s.number = 9; });
    return cases;
}

TEST(PackedItemsTest, ReadBackAsTheirItems) {
    for (const Case& c : Cases()) {
        WorksheetItems items;
        items.push_back({1, 710, c.slot});
        items.push_back({1, 711, Of(dtCheckbox)});
        items.push_back({2, 710, c.slot});
        items.Pack();
        const std::vector<WorksheetItem> first = items.Instance(1);
        ASSERT_EQ(first.size(), 2u) << c.name;
        test::ExpectSameSlot(first[0].slot, c.slot, c.name);
        std::size_t n = 0;
        for (const WorksheetItem& item : std::as_const(items)) {
            EXPECT_EQ(item.instance, n < 2 ? 1 : 2) << c.name;
            test::ExpectSameSlot(item.slot, n == 1 ? Of(dtCheckbox) : c.slot, c.name);
            ++n;
        }
        EXPECT_EQ(n, 3u) << c.name;
        EXPECT_EQ(items.back().tag, 710) << c.name;
        // The records are those of the items, packed or not.
        std::vector<std::uint8_t> expected;
        for (const WorksheetItem& item : std::as_const(items)) AppendItemRecord(expected, item);
        std::vector<std::uint8_t> records;
        items.AppendRecords(records);
        EXPECT_EQ(records, expected) << c.name;
        EXPECT_EQ(items.RecordBytes(), expected.size()) << c.name;
    }
}

TEST(PackedItemsTest, AListHeldElsewhereStaysShared) {
    WorksheetItems items;
    Slot grid = Of(dtList);
    grid.list = std::make_shared<TextList>(TextList{"a"});
    items.push_back({1, 1106, grid});
    items.push_back({2, 710, Of(dtCheckbox)});
    items.Pack();
    grid.list->push_back("added after packing");
    const std::vector<WorksheetItem> first = items.Instance(1);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].slot.list, grid.list);
}

TEST(PackedItemsTest, RenumberingMovesPackedInstancesDown) {
    WorksheetItems items;
    for (int n = 1; n <= 3; ++n) {
        Slot name = Of(dtSmallStr);
        name.smallText = "P" + std::to_string(n);
        items.push_back({std::uint16_t(n), 710, name});
        items.push_back({std::uint16_t(n), 711, Of(dtCheckbox)});
    }
    items.Pack();
    items.RemoveInstanceAndRenumber(1);
    std::vector<std::pair<int, std::string>> seen;
    for (const WorksheetItem& item : std::as_const(items))
        if (item.tag == 710) seen.emplace_back(item.instance, item.slot.smallText);
    EXPECT_EQ(seen, (std::vector<std::pair<int, std::string>>{{1, "P2"}, {2, "P3"}}));
    std::vector<std::uint8_t> records;
    items.AppendRecords(records);
    WorksheetItem read;
    std::size_t at = 0;
    std::vector<int> instances;
    while (at < records.size()) {
        at += ReadItemRecord(records.data() + at, read);
        instances.push_back(read.instance);
    }
    EXPECT_EQ(instances, (std::vector<int>{1, 1, 2, 2}));
    EXPECT_EQ(items.LastInstance(), 2);
}

// A return as it is loaded: every instance packed.
class LoadedReturnTest : public ::testing::Test {
protected:
    LoadedReturnTest() {
        for (int n = 1; n <= 3; ++n) {
            source.LoadInstance(kShares, n);
            source.SetFieldStr(710, "Parcel " + std::to_string(n));
            source.SetFieldVal(1105, 100 * n);
            source.SetFieldLst(1106, std::make_shared<TextList>(TextList{"row " + std::to_string(n)}));
            source.StoreInstance(kShares, n);
        }
        const Bytes content = WriteReturnContent(source, ReturnPosition{});
        ReturnReader reader(content);
        reader.HeaderMatches();
        ReturnPosition position;
        reader.ReadPosition(position);
        ReturnReader::BadTag bad;
        reader.ReadFields(store, bad);
    }
    test::ScriptedDialogs dialogs;
    FieldStore source{&dialogs};
    FieldStore store{&dialogs};
};

TEST_F(LoadedReturnTest, AnUnpackedInstanceSharesItsListsWithTheWorkingTags) {
    store.LoadInstance(kShares, 2);
    EXPECT_EQ(store.GetFieldStr(710), "Parcel 2");
    const TextListPtr grid = store.GetFieldLst(1106);
    ASSERT_TRUE(grid);
    // Another instance unpacked leaves this one as it is held: shared.
    const WorksheetListPtr list = store.WorksheetList(kShares);
    list->ForEachOf(3, [](const WorksheetItem&) {});
    grid->push_back("typed while editing");
    const std::vector<WorksheetItem> second = list->Instance(2);
    const auto item = std::find_if(second.begin(), second.end(), [](const WorksheetItem& i) { return i.tag == 1106; });
    ASSERT_NE(item, second.end());
    EXPECT_EQ(*item->slot.list, (TextList{"row 2", "typed while editing"}));
}

TEST_F(LoadedReturnTest, ReadsAndStoresAsTheReturnItCameFrom) {
    store.LoadWorksheetInstance(store.WorksheetList(kShares), 3);
    EXPECT_EQ(store.GetFieldVal(1105), 300);
    EXPECT_EQ(*store.GetFieldLst(1106), TextList{"row 3"});
    store.LoadInstance(kShares, 1);
    store.SetFieldVal(1105, 150);
    store.StoreInstance(kShares, 1);
    source.LoadInstance(kShares, 1);
    source.SetFieldVal(1105, 150);
    source.StoreInstance(kShares, 1);
    EXPECT_EQ(WriteReturnContent(store, ReturnPosition{}), WriteReturnContent(source, ReturnPosition{}));
    EXPECT_EQ(store.BuildNames(kShares), source.BuildNames(kShares));
}

}  // namespace
}  // namespace cgt
