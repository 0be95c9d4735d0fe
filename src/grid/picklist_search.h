#pragma once
// Typing into an open pick list: characters typed within two seconds of each
// other build a search text (at most 32 characters), and the first item
// starting with it is selected.
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace cgt {

class Clock;

inline constexpr std::size_t kPickSearchMaxLength = 32;
inline constexpr std::chrono::seconds kPickSearchPause{2};
// Lines a drop-down shows when its column does not say.
inline constexpr int kDefaultDropDownLines = 8;

class PickListSearch {
public:
    explicit PickListSearch(const Clock& clock) : clock_(&clock) {}
    // Adds `ch` to the search text (starting afresh after a pause) and returns
    // the first item that starts with it, letter case aside; -1 when none.
    int Type(char ch, const std::vector<std::string>& items);
    // Backspace and Esc.
    void Clear() { text_.clear(); }
    const std::string& Text() const { return text_; }

private:
    const Clock* clock_;
    std::string text_;
    std::chrono::system_clock::time_point last_{};
};

// The first item starting with `prefix`, letter case aside; -1 when none.
int FindItemStartingWith(const std::vector<std::string>& items, std::string_view prefix);

// Lines the drop-down of a column shows: its own count (or the default), no
// more than there are items.
int DropDownRows(int columnLines, std::size_t itemCount);

}  // namespace cgt
