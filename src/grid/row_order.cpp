#include "grid/row_order.h"

#include "base/daynumber.h"
#include "base/numtext.h"
#include "base/text.h"
#include "grid/cell_rules.h"

namespace cgt {

std::vector<int> ParseSortKeys(std::string_view keys, int colCount) {
    std::vector<int> cols;
    std::size_t start = 0;
    while (start <= keys.size()) {
        std::size_t comma = keys.find(',', start);
        if (comma == std::string_view::npos) comma = keys.size();
        const std::optional<long long> v = TryStrToInt(keys.substr(start, comma - start));
        if (v && *v >= 0 && *v < colCount) cols.push_back(int(*v));
        start = comma + 1;
    }
    return cols;
}

SortKey MakeSortKey(ColKind kind, std::string_view cell, const Clock& clock) {
    SortKey key;
    const std::string text = Trim(cell);
    if (text.empty()) return key;
    key.cls = SortKey::Class::Value;
    switch (kind) {
        case ColKind::Number: {
            std::string digits;
            for (char c : text)
                if (c == '-' || c == kGridDecimalSeparator || (c >= '0' && c <= '9')) digits += c;
            key.number = TryStrToFloat(digits).value_or(0);
            break;
        }
        case ColKind::Date: {
            // A cell that holds no date sorts with the empty ones.
            const std::optional<int> day = TextToDayNumber(text, clock);
            if (!day) key.cls = SortKey::Class::Empty;
            key.number = day.value_or(0);
            break;
        }
        case ColKind::Text: key.text = FoldCase(text); break;
        case ColKind::BusinessNumber:
        case ColKind::TaxFileNumber: key.cls = SortKey::Class::Unordered; break;
    }
    return key;
}

int CompareSortKey(const SortKey& a, const SortKey& b) {
    const bool aEmpty = a.cls == SortKey::Class::Empty;
    const bool bEmpty = b.cls == SortKey::Class::Empty;
    if (aEmpty != bEmpty) return aEmpty ? 1 : -1;
    if (aEmpty || a.cls == SortKey::Class::Unordered || b.cls == SortKey::Class::Unordered) return 0;
    if (a.number != b.number) return a.number < b.number ? -1 : 1;
    return a.text.compare(b.text) < 0 ? -1 : a.text == b.text ? 0 : 1;
}

int CompareSortKeys(const std::vector<SortKey>& a, const std::vector<SortKey>& b) {
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k)
        if (const int c = CompareSortKey(a[k], b[k]); c != 0) return c;
    return 0;
}

}  // namespace cgt
