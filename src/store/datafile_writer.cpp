#include <algorithm>
#include <limits>

#include "base/numtext.h"
#include "store/datafile_format.h"
#include "store/extended.h"

namespace cgt {
namespace {

void PutU16(Bytes& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void PutI32(Bytes& out, std::int32_t v) {
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(u >> (8 * i)));
}

void PutBytes(Bytes& out, std::string_view s) {
    out.insert(out.end(), s.begin(), s.end());
}

// A length byte and at most `max` characters.
void PutShortString(Bytes& out, std::string_view s, std::size_t max) {
    s = s.substr(0, std::min(s.size(), max));
    out.push_back(std::uint8_t(s.size()));
    PutBytes(out, s);
}

std::int32_t ListTextSize(const TextList& list) {
    std::size_t n = 3;
    for (const auto& line : list) n += line.size() + 2;
    if (n > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw EInOutError("Text list too long for the data file");
    return std::int32_t(n);
}

// The count, then every line with CR LF, then three zero bytes.
void PutListText(Bytes& out, const TextList& list) {
    PutI32(out, ListTextSize(list));
    for (const auto& line : list) {
        PutBytes(out, line);
        PutBytes(out, "\r\n");
    }
    out.insert(out.end(), 3, 0);
}

// The 10-byte value area of a slot as a worksheet item carries it.
void PutValueArea(Bytes& out, const Slot& slot) {
    const std::size_t start = out.size();
    out.resize(start + kExtendedSize, 0);
    std::uint8_t* area = out.data() + start;
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

void ListingLine(std::string* listing, int tag, const char* kind, std::string_view value) {
    if (!listing) return;
    *listing += std::to_string(tag);
    *listing += kind;
    *listing += value;
    *listing += "\r\n";
}

}  // namespace

void AppendWorksheetItem(Bytes& out, const WorksheetItem& item) {
    // A slot with a code outside the table goes out empty rather than as a
    // record the reader would reject.
    Slot empty;
    const Slot& slot = IsValidTypeCode(item.slot.type) ? item.slot : empty;
    PutU16(out, item.instance);
    PutI32(out, item.tag);
    out.push_back(slot.type);
    out.push_back(0);
    PutValueArea(out, slot);
    switch (slot.type) {
        case dtString: PutShortString(out, slot.longText.value_or(std::string()), kStringMax); break;
        case dtList:
            if (slot.list && !slot.list->empty())
                PutListText(out, *slot.list);
            else
                PutI32(out, 0);
            break;
        case dtCheckbox: PutValueArea(out, slot); break;
        default: break;
    }
}

Bytes WriteReturnContent(const FieldStore& store, const ReturnPosition& position, std::string* listing) {
    Bytes out;
    PutBytes(out, kReturnHeader);
    PutI32(out, position.section);
    PutI32(out, position.screenIndex);
    PutI32(out, std::int32_t(position.history.size()));
    for (const std::int32_t entry : position.history) PutI32(out, entry);

    for (int tag = kFirstTag; tag <= kLastTag; ++tag) {
        const Slot& slot = store.SlotAt(tag);
        const auto record = [&] {
            PutI32(out, tag);
            out.push_back(slot.type);
        };
        switch (slot.type) {
            case dtNumeric:
                record();
                out.resize(out.size() + kExtendedSize);
                EncodeExtended(slot.number, out.data() + out.size() - kExtendedSize);
                ListingLine(listing, tag, " Numeric ", FormatGeneral(slot.number));
                break;
            case dtCurrency:
            case dtCurrencyCnt:
                if (slot.number == 0) break;
                record();
                out.resize(out.size() + kExtendedSize);
                EncodeExtended(slot.number, out.data() + out.size() - kExtendedSize);
                ListingLine(listing, tag, " Currency ", FormatGeneral(slot.number));
                break;
            case dtString:
                if (!slot.longText) break;
                record();
                PutShortString(out, *slot.longText, kStringMax);
                ListingLine(listing, tag, " string ", *slot.longText);
                break;
            case dtSmallStr:
                if (slot.smallText.empty()) break;
                record();
                PutShortString(out, slot.smallText, kSmallStrMax);
                ListingLine(listing, tag, " smallstring ", slot.smallText);
                break;
            case dtCheckbox:
                if (!slot.checked) break;
                record();
                PutValueArea(out, slot);
                ListingLine(listing, tag, " Checkbox ", "");
                break;
            case dtList:
                if (!slot.list || slot.list->empty()) break;
                record();
                PutListText(out, *slot.list);
                break;
            case dtWorksheet:
                if (!slot.worksheet || slot.worksheet->empty()) break;
                if (slot.worksheet->size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
                    throw EInOutError("Worksheet list too long for the data file");
                record();
                PutI32(out, std::int32_t(slot.worksheet->size()));
                for (const auto& item : *slot.worksheet) AppendWorksheetItem(out, item);
                break;
            default: break;  // empty slots, and codes outside the table, are not written
        }
    }
    return out;
}

}  // namespace cgt
