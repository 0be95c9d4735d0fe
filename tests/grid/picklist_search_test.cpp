// Searching an open pick list by typing.
#include "grid/picklist_search.h"

#include <gtest/gtest.h>

#include "base/clock.h"

namespace cgt {
namespace {

const std::vector<std::string> kItems = {"1 - Purchase/Acquisition cost",
                                         "1D - Instalments payment",
                                         "2A - Incidental costs",
                                         "2B - Incidental costs",
                                         "Discount",
                                         "Indexed"};

TEST(PickListSearchTest, CharactersTypedQuicklyBuildTheSearch) {
    FixedClock clock(2003, 1, 1);
    PickListSearch search(clock);
    EXPECT_EQ(search.Type('2', kItems), 2);
    clock.Advance(std::chrono::milliseconds(1500));
    EXPECT_EQ(search.Type('b', kItems), 3);  // letter case aside
    EXPECT_EQ(search.Text(), "2b");
    clock.Advance(std::chrono::milliseconds(2001));
    // After a pause the search starts again.
    EXPECT_EQ(search.Type('i', kItems), 5);
    EXPECT_EQ(search.Text(), "i");
    EXPECT_EQ(search.Type('x', kItems), -1);
    search.Clear();
    EXPECT_EQ(search.Type('d', kItems), 4);
}

TEST(PickListSearchTest, SearchTextStopsAtThirtyTwoCharacters) {
    FixedClock clock(2003, 1, 1);
    PickListSearch search(clock);
    for (int i = 0; i < 40; ++i) search.Type('a', {});
    EXPECT_EQ(search.Text(), std::string(32, 'a'));
}

TEST(PickListSearchTest, DropDownRows) {
    EXPECT_EQ(DropDownRows(2, 6), 2);
    EXPECT_EQ(DropDownRows(10, 3), 3);
    EXPECT_EQ(DropDownRows(0, 20), kDefaultDropDownLines);
    EXPECT_EQ(DropDownRows(-1, 0), 0);
}

}  // namespace
}  // namespace cgt
