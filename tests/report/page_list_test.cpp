// The preview's page list as the taxpayer types it.
#include "report/page_list.h"

#include <gtest/gtest.h>

#include <string>

namespace cgt {
namespace {

struct PageListCase {
    const char* name;
    const char* typed;
    std::set<int> pages;
    bool bad;
};

class PageListTest : public ::testing::TestWithParam<PageListCase> {};

TEST_P(PageListTest, Parsed) {
    const PageListCase& c = GetParam();
    const PageList list = ParsePageList(c.typed);
    EXPECT_EQ(list.pages, c.pages);
    if (c.bad)
        EXPECT_EQ(list.error, "Bad filter \"" + std::string(c.typed) + "\" !");
    else
        EXPECT_FALSE(list.error.has_value()) << *list.error;
}

const PageListCase kCases[] = {
    {"RangeAndSingle", "1-3, 5", {1, 2, 3, 5}, false},
    {"RangeBackwards", "3-1", {1, 2, 3}, false},
    {"DashWithSpacesSeparates", "2 - 4", {2, 4}, false},
    {"AnySeparators", "7;9 x 11", {7, 9, 11}, false},
    {"Empty", "", {}, false},
    {"AboveTheLastPageIgnored", "300, 2", {2}, false},
    {"RangeStopsAtTheLastPage", "254-400", {254, 255}, false},
    {"PageZeroIgnored", "0", {}, false},
    {"TrailingComma", "1,", {}, true},
    {"TrailingDash", "7-", {}, true},
    {"NoNumberAtAll", "abc", {}, true},
    {"DashWithoutNumberInside", "1-,3", {}, true},
};
INSTANTIATE_TEST_SUITE_P(Typed, PageListTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageListLength, OnlyTheFirstHundredCharactersCount) {
    // The list is cut after 100 characters: a trailing comma beyond them is
    // not read, the number before them is.
    std::string typed = "1" + std::string(98, ' ') + "2" + ",";
    ASSERT_EQ(typed.size(), 101u);
    EXPECT_EQ(ParsePageList(typed).pages, (std::set<int>{1, 2}));
    EXPECT_FALSE(ParsePageList(typed).error.has_value());
}

}  // namespace
}  // namespace cgt
