#include "calc/shown_boxes.h"

#include <algorithm>

#include "calc/calc_util.h"
#include "store/fieldstore.h"

namespace cgt {

ShownBoxes::Box* ShownBoxes::Find(int tag) {
    if (tag < 0 || std::size_t(tag) >= at_.size() || at_[std::size_t(tag)] < 0) return nullptr;
    return &boxes_[std::size_t(at_[std::size_t(tag)])];
}

const ShownBoxes::Box* ShownBoxes::Find(int tag) const {
    return const_cast<ShownBoxes*>(this)->Find(tag);
}

void ShownBoxes::Put(int tag, BoxKind kind, bool passThrough) {
    if (Box* b = Find(tag)) {
        *b = Box{tag, kind, passThrough, 0, {}};
        return;
    }
    if (tag < 0) return;
    if (std::size_t(tag) >= at_.size()) at_.resize(std::size_t(tag) + 1, -1);
    at_[std::size_t(tag)] = std::int16_t(boxes_.size());
    boxes_.push_back(Box{tag, kind, passThrough, 0, {}});
}

void ShownBoxes::Add(int tag, BoxKind kind) {
    Put(tag, kind, false);
}

void ShownBoxes::AddPassThrough(int tag, BoxKind kind) {
    Put(tag, kind, true);
}

void ShownBoxes::Set(int tag, long double value) {
    Box* found = Find(tag);
    if (!found) return;
    Box& b = *found;
    switch (b.kind) {
        case BoxKind::Dollars: b.value = DollarBoxValue(value); break;
        case BoxKind::Cents: b.value = CentsBoxValue(value); break;
        case BoxKind::Percent:
            b.text = PercentBoxText(value);
            b.value = PercentOfText(b.text);
            break;
        case BoxKind::Date: break;
    }
}

void ShownBoxes::SetText(int tag, const std::string& text) {
    Box* found = Find(tag);
    if (!found) return;
    Box& b = *found;
    if (b.kind == BoxKind::Date) {
        b.text = text;
    } else if (b.kind == BoxKind::Percent) {
        // A percentage box reads its number from the text and shows it again.
        Set(tag, PercentOfText(text));
    } else {
        Set(tag, PercentOfText(text));
    }
}

long double ShownBoxes::Value(int tag) const {
    const Box* b = Find(tag);
    return b ? b->value : 0;
}

std::string ShownBoxes::Text(int tag) const {
    const Box* b = Find(tag);
    return b ? b->text : std::string();
}

bool ShownBoxes::Disabled(int tag) const {
    return std::binary_search(disabled_.begin(), disabled_.end(), tag);
}

void ShownBoxes::Disable(int tag) {
    const auto at = std::lower_bound(disabled_.begin(), disabled_.end(), tag);
    if (at == disabled_.end() || *at != tag) disabled_.insert(at, tag);
}

void ShownBoxes::ZeroAndDisable(std::initializer_list<int> tags) {
    for (int t : tags) {
        Set(t, 0);
        SetText(t, std::string());
        Disable(t);
    }
}

void ShownBoxes::Save(FieldStore& store) const {
    for (const Box& b : boxes_) {
        const int tag = b.tag;
        if (b.passThrough) {
            // Loaded and saved back unchanged, through the box's rounding.
            const int type = store.FieldType(tag);
            if (type == dtNone || IsNumericType(type)) {
                const long double v = store.GetFieldVal(tag);
                store.SetFieldVal(tag, b.kind == BoxKind::Cents ? CentsBoxValue(v) : DollarBoxValue(v));
            }
            continue;
        }
        switch (b.kind) {
            case BoxKind::Dollars:
            case BoxKind::Cents: store.SetFieldVal(tag, b.value); break;
            case BoxKind::Date:
            case BoxKind::Percent: store.SetFieldStr(tag, b.text); break;
        }
    }
}

}  // namespace cgt
