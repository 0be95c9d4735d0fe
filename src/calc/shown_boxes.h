#pragma once
// The read-only boxes of a calculation screen as the calculation fills them,
// and the generic save that writes them to the store when the screen is
// left: amounts with SetFieldVal after the box's own rounding, dates and
// percentages as their text.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace cgt {

class FieldStore;

enum class BoxKind { Dollars, Cents, Date, Percent };

class ShownBoxes {
public:
    // Declares a box and blanks it (the show's "set every result box to 0").
    void Add(int tag, BoxKind kind);
    // A box the calculation does not fill: it saves back what it loaded.
    void AddPassThrough(int tag, BoxKind kind);

    void Set(int tag, long double value);
    void SetText(int tag, const std::string& text);
    // The number the box holds, as the screen reads it back.
    long double Value(int tag) const;
    std::string Text(int tag) const;
    void Disable(int tag);
    bool Disabled(int tag) const;
    // Sets the boxes to 0 and disables them.
    void ZeroAndDisable(std::initializer_list<int> tags);

    // The frame's generic save, in box order.
    void Save(FieldStore& store) const;
    // Ascending.
    std::vector<int> DisabledTags() const { return disabled_; }

private:
    struct Box {
        int tag = 0;
        BoxKind kind = BoxKind::Dollars;
        bool passThrough = false;
        long double value = 0;
        std::string text;
    };
    Box* Find(int tag);
    const Box* Find(int tag) const;
    void Put(int tag, BoxKind kind, bool passThrough);

    // A calculation shows some forty boxes and looks them up hundreds of
    // times: kept in the order first declared, found through their tags.
    std::vector<Box> boxes_;
    std::vector<std::int16_t> at_;  // by tag: the box's place, or -1
    std::vector<int> disabled_;     // ascending
};

}  // namespace cgt
