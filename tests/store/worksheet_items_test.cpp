#include "store/worksheet_items.h"

#include <gtest/gtest.h>

namespace cgt {
namespace {

WorksheetItems FromPairs(const std::vector<std::pair<int, int>>& instanceTag) {
    WorksheetItems items;
    for (const auto& [n, tag] : instanceTag) items.push_back({std::uint16_t(n), tag, {}});
    return items;
}

std::vector<std::pair<int, int>> Pairs(const WorksheetItems& items) {
    std::vector<std::pair<int, int>> v;
    for (const auto& i : items) v.emplace_back(i.instance, i.tag);
    return v;
}

std::vector<WorksheetItem> Items(std::initializer_list<int> tags) {
    std::vector<WorksheetItem> v;
    for (int t : tags) v.push_back({0, t, {}});
    return v;
}

TEST(WorksheetItemsTest, KeepsTheFlatOrderOfAnyList) {
    // A list read from a file need not be in instance order.
    const WorksheetItems items = FromPairs({{2, 710}, {2, 711}, {1, 710}, {2, 712}, {3, 710}});
    EXPECT_EQ(items.size(), 5u);
    EXPECT_EQ(Pairs(items), (std::vector<std::pair<int, int>>{{2, 710}, {2, 711}, {1, 710}, {2, 712}, {3, 710}}));
    EXPECT_EQ(items.back().instance, 3);
    std::vector<int> tags;
    items.ForEachOf(2, [&](const WorksheetItem& i) { tags.push_back(i.tag); });
    EXPECT_EQ(tags, (std::vector<int>{710, 711, 712}));
}

TEST(WorksheetItemsTest, ReplacingAnInstanceKeepsItsPlace) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> start;
        int instance;
        std::initializer_list<int> tags;
        std::vector<std::pair<int, int>> expected;
    } cases[] = {
        {"grow the middle", {{1, 710}, {2, 710}, {3, 710}}, 2, {710, 711}, {{1, 710}, {2, 710}, {2, 711}, {3, 710}}},
        {"new at the end", {{1, 710}}, 2, {710}, {{1, 710}, {2, 710}}},
        {"new in a gap", {{1, 710}, {3, 710}}, 2, {712}, {{1, 710}, {2, 712}, {3, 710}}},
        {"emptied", {{1, 710}, {2, 710}}, 1, {}, {{2, 710}}},
        {"split instance of an unsorted list", {{2, 710}, {1, 710}, {2, 711}}, 2, {713}, {{2, 713}, {1, 710}}},
    };
    for (const auto& c : cases) {
        WorksheetItems items = FromPairs(c.start);
        items.ReplaceInstance(c.instance, Items(c.tags));
        EXPECT_EQ(Pairs(items), c.expected) << c.what;
        EXPECT_EQ(items.size(), c.expected.size()) << c.what;
    }
}

TEST(WorksheetItemsTest, RemovingRenumbersTheHigherInstances) {
    WorksheetItems items = FromPairs({{1, 710}, {2, 710}, {2, 711}, {3, 710}});
    items.RemoveInstanceAndRenumber(2);
    EXPECT_EQ(Pairs(items), (std::vector<std::pair<int, int>>{{1, 710}, {2, 710}}));
    items.RemoveInstanceAndRenumber(1);
    items.RemoveInstanceAndRenumber(1);
    EXPECT_TRUE(items.empty());
    EXPECT_TRUE(items.begin() == items.end());
    EXPECT_THROW(items.back(), std::out_of_range);
}

// Instances ascending, each instance's items in list order, however the
// list holds them, packed or not.
TEST(WorksheetItemsTest, VisitedByInstanceWhateverTheOrderOfTheList) {
    using PairList = std::vector<std::pair<int, int>>;
    const struct {
        const char* what;
        PairList list;
        PairList expected;
    } cases[] = {
        {"in order", {{1, 710}, {1, 711}, {3, 710}}, {{1, 710}, {1, 711}, {3, 710}}},
        {"out of order", {{3, 710}, {1, 711}, {1, 710}, {2, 710}}, {{1, 711}, {1, 710}, {2, 710}, {3, 710}}},
        {"an instance in two places",
         {{2, 712}, {1, 710}, {0, 713}, {2, 711}},
         {{0, 713}, {1, 710}, {2, 712}, {2, 711}}},
        {"empty", {}, {}},
    };
    for (const auto& c : cases) {
        for (const bool packed : {false, true}) {
            WorksheetItems items = FromPairs(c.list);
            if (packed) items.Pack();
            PairList visited;
            items.ForEachByInstance([&](const WorksheetItem& i) { visited.emplace_back(i.instance, i.tag); });
            EXPECT_EQ(visited, c.expected) << c.what << (packed ? ", packed" : "");
            EXPECT_EQ(Pairs(items), c.list) << c.what << ": the list itself is left as it was";
        }
    }
}

}  // namespace
}  // namespace cgt
