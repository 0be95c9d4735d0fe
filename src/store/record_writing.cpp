#include "store/record_writing.h"

#include <algorithm>
#include <limits>

#include "store/datafile_format.h"
#include "store/extended.h"

namespace cgt {
namespace {

std::int32_t ListTextSize(const TextList& list) {
    std::size_t n = 3;
    for (const auto& line : list) n += line.size() + 2;
    if (n > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw EInOutError("Text list too long for the data file");
    return std::int32_t(n);
}

}  // namespace

void PutI32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(u >> (8 * i)));
}

void PutBytes(std::vector<std::uint8_t>& out, std::string_view s) {
    out.insert(out.end(), s.begin(), s.end());
}

void PutShortString(std::vector<std::uint8_t>& out, std::string_view s, std::size_t max) {
    s = s.substr(0, std::min(s.size(), max));
    out.push_back(std::uint8_t(s.size()));
    PutBytes(out, s);
}

void PutListText(std::vector<std::uint8_t>& out, const TextList& list) {
    PutI32(out, ListTextSize(list));
    for (const auto& line : list) {
        PutBytes(out, line);
        PutBytes(out, "\r\n");
    }
    out.insert(out.end(), 3, 0);
}

void PutValueArea(std::vector<std::uint8_t>& out, const Slot& slot) {
    const std::size_t start = out.size();
    out.resize(start + kExtendedSize, 0);
    WriteValueArea(out.data() + start, slot);
}

void WriteValueArea(std::uint8_t* area, const Slot& slot) {
    switch (slot.type) {
        case dtNone:
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: EncodeExtended(slot.number, area); break;
        case dtSmallStr: {
            const std::size_t n = std::min(slot.smallText.size(), kSmallStrMax);
            area[0] = std::uint8_t(n);
            std::copy_n(slot.smallText.data(), n, area + 1);
            break;
        }
        case dtCheckbox: area[0] = slot.checked ? 1 : 0; break;
        default: break;  // strings and lists follow the item; the area stays zero
    }
}

}  // namespace cgt
