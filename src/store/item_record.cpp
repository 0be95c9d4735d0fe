#include "store/item_record.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "store/datafile_format.h"
#include "store/extended.h"
#include "store/record_writing.h"

namespace cgt {
namespace {

std::uint16_t U16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

std::int32_t I32(const std::uint8_t* p) {
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                        std::uint32_t(p[3]) << 24);
}

constexpr std::size_t kHead = 8 + kExtendedSize;  // instance, tag, type, reserved, value area

// A line of a list reads back as itself when it holds no line break and
// no zero (one comparison for most characters: all three are below 14).
bool LineKept(const std::string& line) {
    for (const char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= '\r' && (c == '\r' || c == '\n' || c == 0)) return false;
    }
    return true;
}

// The lines of a list as this writer makes them: each ends with CR LF.
void ReadCrLfLines(const char* text, std::size_t size, TextList& lines) {
    const char* end = text + size;
    lines.reserve(std::size_t(std::count(text, end, '\r')));
    while (text < end) {
        const char* cr = text;
        while (*cr != '\r') ++cr;
        lines.emplace_back(text, std::size_t(cr - text));
        text = cr + 2;
    }
}

}  // namespace

std::uint8_t* WriteItemRecord(std::uint8_t* at, const WorksheetItem& item) {
    const Slot empty;
    const Slot& slot = IsValidTypeCode(item.slot.type) ? item.slot : empty;
    std::uint8_t* p = at;
    p[0] = std::uint8_t(item.instance);
    p[1] = std::uint8_t(item.instance >> 8);
    for (int i = 0; i < 4; ++i) p[2 + i] = std::uint8_t(std::uint32_t(item.tag) >> (8 * i));
    p[6] = slot.type;
    std::uint8_t* area = p + 8;
    p += kHead;
    WriteValueArea(area, slot);
    switch (slot.type) {
        case dtCheckbox:
            WriteValueArea(p, slot);  // once more
            p += kExtendedSize;
            break;
        case dtString: {
            const std::size_t n = slot.longText ? std::min(slot.longText->size(), kStringMax) : 0;
            *p++ = std::uint8_t(n);
            if (n) std::memcpy(p, slot.longText->data(), n);
            p += n;
            break;
        }
        case dtList: {
            const std::size_t n = ItemRecordSize(item) - kHead - 4;
            if (n > std::size_t(std::numeric_limits<std::int32_t>::max()))
                throw EInOutError("Text list too long for the data file");
            for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(n >> (8 * i));
            p += 4;
            if (n == 0) break;
            for (const std::string& line : *slot.list) {
                std::memcpy(p, line.data(), line.size());
                p += line.size();
                *p++ = '\r';
                *p++ = '\n';
            }
            p += 3;  // the zeros that end the text
            break;
        }
        default: break;
    }
    return p;
}

void AppendItemRecord(std::vector<std::uint8_t>& out, const WorksheetItem& item) {
    const std::size_t at = out.size();
    out.resize(at + ItemRecordSize(item));
    WriteItemRecord(out.data() + at, item);
}

std::size_t ReadItemRecord(const std::uint8_t* record, WorksheetItem& item, bool checked) {
    const std::uint8_t* p = record;
    item.instance = U16(p);
    item.tag = I32(p + 2);
    Slot& slot = item.slot;
    slot.Clear();
    slot.type = p[6];
    const std::uint8_t* area = p + 8;
    p = area + kExtendedSize;
    switch (slot.type) {
        case dtNone:
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: slot.number = DecodeExtended(area); break;
        case dtString:
            slot.longText.emplace(reinterpret_cast<const char*>(p + 1), p[0]);
            p += 1 + p[0];
            break;
        case dtSmallStr: slot.smallText.assign(reinterpret_cast<const char*>(area + 1), area[0]); break;
        case dtCheckbox:
            slot.checked = p[0] != 0;
            p += kExtendedSize;
            break;
        case dtList: {
            const std::int32_t count = I32(p);
            p += 4;
            slot.list = std::make_shared<TextList>();
            if (count > 0) {
                const auto* text = reinterpret_cast<const char*>(p);
                if (checked) {
                    const auto* zero = static_cast<const char*>(std::memchr(text, 0, std::size_t(count)));
                    *slot.list = SplitLines(std::string_view(text, std::size_t(zero - text)));
                } else {
                    ReadCrLfLines(text, std::size_t(count) - 3, *slot.list);
                }
                p += count;
            }
            break;
        }
        default: break;
    }
    return std::size_t(p - record);
}

std::size_t ItemRecordSize(const WorksheetItem& item) {
    const Slot& s = item.slot;
    switch (s.type) {
        case dtString: return kHead + 1 + std::min(s.longText ? s.longText->size() : 0, kStringMax);
        case dtCheckbox: return kHead + kExtendedSize;
        case dtList: {
            if (!s.list || s.list->empty()) return kHead + 4;
            std::size_t n = kHead + 4 + 3;
            for (const std::string& line : *s.list) n += line.size() + 2;
            return n;
        }
        default: return kHead;
    }
}

std::size_t ItemRecordSize(const std::uint8_t* record) {
    const std::uint8_t* rest = record + kHead;
    switch (record[6]) {
        case dtString: return kHead + 1 + rest[0];
        case dtCheckbox: return kHead + kExtendedSize;
        case dtList: return kHead + 4 + std::size_t(I32(rest));
        default: return kHead;
    }
}

std::size_t KeptRecordSize(const WorksheetItem& item) {
    const Slot& s = item.slot;
    if (!IsValidTypeCode(s.type) || s.worksheet) return 0;
    if (s.type > dtCurrencyCnt && s.number != 0) return 0;
    if (s.type != dtCheckbox && s.checked) return 0;
    if (s.type == dtString ? !s.longText || s.longText->size() > kStringMax : s.longText.has_value()) return 0;
    if (s.type == dtSmallStr ? s.smallText.size() > kSmallStrMax : !s.smallText.empty()) return 0;
    if (s.type != dtList) return s.list ? 0 : ItemRecordSize(item);
    if (!s.list) return 0;
    if (s.list->empty()) return kHead + 4;
    std::size_t n = kHead + 4 + 3;
    for (const std::string& line : *s.list) {
        if (!LineKept(line)) return 0;
        n += line.size() + 2;
    }
    return n;
}

bool RecordKeepsItem(const WorksheetItem& item) {
    return KeptRecordSize(item) != 0;
}

}  // namespace cgt
