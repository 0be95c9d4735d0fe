#include "calc/shown_boxes.h"

#include "calc/calc_util.h"
#include "store/fieldstore.h"

namespace cgt {

void ShownBoxes::Add(int tag, BoxKind kind) {
    if (boxes_.find(tag) == boxes_.end()) order_.push_back(tag);
    boxes_[tag] = Box{kind, false, 0, {}};
}

void ShownBoxes::AddPassThrough(int tag, BoxKind kind) {
    if (boxes_.find(tag) == boxes_.end()) order_.push_back(tag);
    boxes_[tag] = Box{kind, true, 0, {}};
}

void ShownBoxes::Set(int tag, long double value) {
    auto it = boxes_.find(tag);
    if (it == boxes_.end()) return;
    Box& b = it->second;
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
    auto it = boxes_.find(tag);
    if (it == boxes_.end()) return;
    Box& b = it->second;
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
    auto it = boxes_.find(tag);
    return it == boxes_.end() ? 0 : it->second.value;
}

std::string ShownBoxes::Text(int tag) const {
    auto it = boxes_.find(tag);
    return it == boxes_.end() ? std::string() : it->second.text;
}

void ShownBoxes::Disable(int tag) {
    disabled_.insert(tag);
}

void ShownBoxes::ZeroAndDisable(std::initializer_list<int> tags) {
    for (int t : tags) {
        Set(t, 0);
        SetText(t, std::string());
        Disable(t);
    }
}

void ShownBoxes::Save(FieldStore& store) const {
    for (int tag : order_) {
        const Box& b = boxes_.at(tag);
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
