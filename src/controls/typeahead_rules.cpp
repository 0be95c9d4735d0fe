#include "controls/typeahead_rules.h"

#include <cctype>

namespace cgt {

namespace {

int FirstStartingWith(const std::vector<std::string>& items, const std::string& prefix) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        if (item.size() < prefix.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < prefix.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(item[k])) ==
                   std::tolower(static_cast<unsigned char>(prefix[k]));
        if (same) return int(i);
    }
    return -1;
}

}  // namespace

TypeAheadRules::Outcome TypeAheadRules::Typed(const std::vector<std::string>& items, char c) {
    buffer_ += c;
    if (const int found = FirstStartingWith(items, buffer_); found >= 0) return {found, int(buffer_.size())};
    if (buffer_.size() == 1) {
        buffer_.clear();
        return {};
    }
    // No item goes on like that: the search starts again from this character,
    // and stays there even when no item begins with it.
    buffer_.assign(1, c);
    const int found = FirstStartingWith(items, buffer_);
    return found >= 0 ? Outcome{found, 1} : Outcome{};
}

TypeAheadRules::Outcome TypeAheadRules::Backspace() {
    buffer_.clear();
    return {};
}

}  // namespace cgt
