#include "grid/picklist_search.h"

#include <algorithm>

#include "base/clock.h"
#include "grid/cell_rules.h"

namespace cgt {

int FindItemStartingWith(const std::vector<std::string>& items, std::string_view prefix) {
    const std::string folded = FoldCase(prefix);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].size() >= folded.size() && FoldCase(std::string_view(items[i]).substr(0, folded.size())) == folded)
            return int(i);
    return -1;
}

int PickListSearch::Type(char ch, const std::vector<std::string>& items) {
    const auto now = clock_->Now();
    if (text_.empty() || now - last_ > kPickSearchPause) text_.clear();
    last_ = now;
    if (text_.size() < kPickSearchMaxLength) text_ += ch;
    return FindItemStartingWith(items, text_);
}

int DropDownRows(int columnLines, std::size_t itemCount) {
    const int lines = columnLines > 0 ? columnLines : kDefaultDropDownLines;
    return int(std::min<std::size_t>(std::size_t(lines), itemCount));
}

}  // namespace cgt
