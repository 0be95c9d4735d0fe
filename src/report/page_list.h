#pragma once
// The list of pages the taxpayer types in the preview ("1-3, 5"): numbers
// separated by anything but digits, "a-b" a range in either order.
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace cgt {

// Pages above this are never printed.
inline constexpr int kLastPrintablePage = 255;
// Only this much of the typed list is read.
inline constexpr std::size_t kPageListLength = 100;

struct PageList {
    std::set<int> pages;
    // "Bad filter "..." !" when a number was expected and none followed; the
    // set is then empty.
    std::optional<std::string> error;
};

PageList ParsePageList(std::string_view typed);

}  // namespace cgt
