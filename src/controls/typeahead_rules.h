#pragma once
// The type-ahead of the drop-down lists that offer asset types and CGT
// events, without widgets: characters typed while the list has the focus
// find the first item whose leading characters match them, ignoring case.
#include <string>
#include <vector>

namespace cgt {

class TypeAheadRules {
public:
    struct Outcome {
        int selected = -1;    // item to select; -1 for none (the text is cleared)
        int highlighted = 0;  // leading characters of the item shown selected
    };

    // The list received the focus: the search starts afresh.
    void Reset() { buffer_.clear(); }
    const std::string& Buffer() const { return buffer_; }

    // A printable character (code 32 or above) typed.
    Outcome Typed(const std::vector<std::string>& items, char c);
    // Backspace: the search, the selection and the text are emptied.
    Outcome Backspace();

private:
    std::string buffer_;
};

}  // namespace cgt
