#include <algorithm>
#include <cstring>

#include "store/datafile_format.h"
#include "store/extended.h"
#include "store/item_record.h"

namespace cgt {

namespace {

// The text of a list as this writer makes it: lines that each end with CR
// LF and hold no other break.
bool EveryLineEndsWithCrLf(const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == '\n') return false;
        if (text[i] == '\r') {
            if (i + 1 >= length || text[i + 1] != '\n') return false;
            ++i;
        }
    }
    return text[length - 1] == '\n';
}

}  // namespace

TextList SplitLines(std::string_view text) {
    TextList lines;
    lines.reserve(std::size_t(std::count(text.begin(), text.end(), '\r')));
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        lines.emplace_back(text.substr(i, end - i));
        i = end;
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
    }
    return lines;
}

void ReturnReader::Damaged(const std::string& what) const {
    throw EInOutError("Damaged data file: " + what + " at byte " + std::to_string(pos_));
}

const std::uint8_t* ReturnReader::Take(std::size_t n) {
    if (n > data_.size() - pos_) Damaged("read beyond end of file");
    const std::uint8_t* p = data_.data() + pos_;
    pos_ += n;
    return p;
}

std::uint16_t ReturnReader::U16() {
    const std::uint8_t* p = Take(2);
    return std::uint16_t(p[0] | p[1] << 8);
}

std::int32_t ReturnReader::I32() {
    const std::uint8_t* p = Take(4);
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                        std::uint32_t(p[3]) << 24);
}

bool ReturnReader::HeaderMatches() {
    if (data_.size() < kReturnHeader.size()) return false;
    if (std::memcmp(data_.data(), kReturnHeader.data(), kReturnHeader.size()) != 0) return false;
    pos_ = kReturnHeader.size();
    return true;
}

void ReturnReader::ReadPosition(ReturnPosition& position) {
    position.section = I32();
    position.screenIndex = I32();
    const std::int32_t count = I32();
    position.history.clear();
    // Only the entries present before the end are taken, whatever the count says.
    for (std::int32_t i = 0; i < count && pos_ < data_.size(); ++i) position.history.push_back(I32());
}

std::string ReturnReader::ReadShortString(std::size_t max, const char* what) {
    const std::size_t n = U8();
    if (n > max) Damaged(std::string(what) + " longer than its slot");
    const std::uint8_t* p = Take(n);
    return std::string(reinterpret_cast<const char*>(p), n);
}

TextListPtr ReturnReader::ReadListText(std::int32_t count) {
    auto list = std::make_shared<TextList>();
    if (count <= 0) return list;
    const std::uint8_t* p = Take(std::size_t(count));
    const auto* text = reinterpret_cast<const char*>(p);
    const void* zero = std::memchr(text, 0, std::size_t(count));
    if (!zero) Damaged("text list without its end");
    *list = SplitLines(std::string_view(text, std::size_t(static_cast<const char*>(zero) - text)));
    return list;
}

void ReturnReader::ReadPayload(Slot& slot, std::int32_t tag) {
    switch (slot.type) {
        case dtNone: break;
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: slot.number = DecodeExtended(Take(kExtendedSize)); break;
        case dtString: slot.longText = ReadShortString(kStringMax, "string"); break;
        case dtSmallStr: slot.smallText = ReadShortString(kSmallStrMax, "short string"); break;
        case dtCheckbox: slot.checked = Take(kExtendedSize)[0] != 0; break;
        case dtList: {
            const std::int32_t count = I32();
            if (count < 0) Damaged("negative text size for field tag " + std::to_string(tag));
            slot.list = ReadListText(count);
            break;
        }
        case dtWorksheet: {
            const std::int32_t count = I32();
            if (count < 0) Damaged("negative item count for field tag " + std::to_string(tag));
            auto items = std::make_shared<WorksheetItems>();
            // Each item takes at least 18 bytes; a count beyond that is damage.
            if (std::size_t(count) > (data_.size() - pos_) / 18) Damaged("item count beyond the end of file");
            for (std::int32_t i = 0; i < count; ++i) {
                const std::size_t start = pos_;
                if (SkimItem()) {
                    items->AppendRecord(data_.subspan(start, pos_ - start));
                    continue;
                }
                WorksheetItem item;
                ReadItemRecord(data_.data() + start, item, true);
                items->push_back(std::move(item));
            }
            items->Pack();
            slot.worksheet = std::move(items);
            break;
        }
        default: Damaged("unknown data type " + std::to_string(slot.type) + " for field tag " + std::to_string(tag));
    }
}

bool ReturnReader::SkimItem() {
    U16();  // instance
    const std::int32_t tag = I32();
    const std::uint8_t type = U8();
    bool usual = U8() == 0;  // the reserved byte
    const std::uint8_t* area = Take(kExtendedSize);
    const auto zeros = [](const std::uint8_t* p, std::size_t n) {
        return std::all_of(p, p + n, [](std::uint8_t b) { return b == 0; });
    };
    switch (type) {
        case dtNone:
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: {
            const ExtendedBytes again = EncodeExtended(DecodeExtended(area));
            usual = usual && std::equal(again.begin(), again.end(), area);
            break;
        }
        case dtString:
            usual = usual && zeros(area, kExtendedSize);
            ReadShortString(kStringMax, "string");
            break;
        case dtSmallStr:
            if (area[0] > kSmallStrMax) Damaged("short string longer than its slot");
            usual = usual && zeros(area + 1 + area[0], kExtendedSize - 1 - area[0]);
            break;
        case dtCheckbox: {
            // The value area follows once more; the repeat is the one kept.
            const std::uint8_t* repeat = Take(kExtendedSize);
            usual = usual && repeat[0] <= 1 && zeros(repeat + 1, kExtendedSize - 1) &&
                    std::equal(area, area + kExtendedSize, repeat);
            break;
        }
        case dtList: {
            usual = usual && zeros(area, kExtendedSize);
            const std::int32_t count = I32();
            if (count <= 0) {
                usual = usual && count == 0;
                break;
            }
            const auto* text = reinterpret_cast<const char*>(Take(std::size_t(count)));
            const auto* zero = static_cast<const char*>(std::memchr(text, 0, std::size_t(count)));
            if (!zero) Damaged("text list without its end");
            const std::size_t length = std::size_t(zero - text);
            usual = usual && length > 0 && length + 3 == std::size_t(count) &&
                    std::all_of(zero, text + count, [](char c) { return c == 0; }) &&
                    EveryLineEndsWithCrLf(text, length);
            break;
        }
        case dtWorksheet: usual = usual && zeros(area, kExtendedSize); break;
        default:
            Damaged("unknown data type " + std::to_string(type) + " in a worksheet item of tag " + std::to_string(tag));
    }
    return usual;
}

bool ReturnReader::ReadFields(FieldStore& store, BadTag& bad) {
    std::int32_t lastTag = 0;
    while (pos_ < data_.size()) {
        const std::int32_t tag = I32();
        if (!IsValidTag(tag)) {
            bad = {tag, lastTag};
            return false;
        }
        Slot slot;
        slot.type = U8();
        ReadPayload(slot, tag);
        store.MutableSlotAt(tag) = std::move(slot);
        lastTag = tag;
        ++records_;
    }
    return true;
}

}  // namespace cgt
