#include <algorithm>
#include <cstring>

#include "store/datafile_format.h"
#include "store/extended.h"

namespace cgt {

TextList SplitLines(std::string_view text) {
    TextList lines;
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
                WorksheetItem item;
                ReadItem(item);
                items->push_back(std::move(item));
            }
            slot.worksheet = std::move(items);
            break;
        }
        default: Damaged("unknown data type " + std::to_string(slot.type) + " for field tag " + std::to_string(tag));
    }
}

void ReturnReader::ReadItem(WorksheetItem& item) {
    item.instance = U16();
    item.tag = I32();
    Slot& slot = item.slot;
    slot.type = U8();
    U8();  // reserved
    const std::uint8_t* area = Take(kExtendedSize);
    switch (slot.type) {
        case dtNone:
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: slot.number = DecodeExtended(area); break;
        case dtString: slot.longText = ReadShortString(kStringMax, "string"); break;
        case dtSmallStr:
            if (area[0] > kSmallStrMax) Damaged("short string longer than its slot");
            slot.smallText.assign(reinterpret_cast<const char*>(area + 1), area[0]);
            break;
        case dtCheckbox:
            // The value area follows once more; the repeat is the one kept.
            slot.checked = Take(kExtendedSize)[0] != 0;
            break;
        case dtList: slot.list = ReadListText(I32()); break;
        case dtWorksheet: break;
        default:
            Damaged("unknown data type " + std::to_string(slot.type) + " in a worksheet item of tag " +
                    std::to_string(item.tag));
    }
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
