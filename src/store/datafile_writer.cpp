#include <algorithm>
#include <limits>

#include "base/numtext.h"
#include "store/datafile_format.h"
#include "store/extended.h"
#include "store/item_record.h"
#include "store/record_writing.h"

namespace cgt {
namespace {

void ListingLine(std::string* listing, int tag, const char* kind, std::string_view value) {
    if (!listing) return;
    *listing += std::to_string(tag);
    *listing += kind;
    *listing += value;
    *listing += "\r\n";
}

// At least the size of the content, with room for the cipher's last block:
// reserved at once, the content of a large return is never copied while it
// is written, and is encrypted where it stands.
std::size_t ContentBound(const FieldStore& store, const ReturnPosition& position) {
    std::size_t n = kReturnHeader.size() + 12 + 4 * position.history.size() + kDesBlock;
    for (int tag = kFirstTag; tag <= kLastTag; ++tag) {
        const Slot& slot = store.SlotAt(tag);
        n += 5 + 1 + kStringMax;  // the tag, the type and the largest value but a list or worksheet
        if (slot.list) {
            n += 4 + 3;
            for (const std::string& line : *slot.list) n += line.size() + 2;
        }
        if (slot.worksheet) n += 4 + slot.worksheet->RecordBytes();
    }
    return n;
}

}  // namespace

void AppendWorksheetItem(Bytes& out, const WorksheetItem& item) {
    // A slot with a code outside the table goes out empty rather than as a
    // record the reader would reject.
    AppendItemRecord(out, item);
}

Bytes WriteReturnContent(const FieldStore& store, const ReturnPosition& position, std::string* listing) {
    Bytes out;
    out.reserve(ContentBound(store, position));
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
                slot.worksheet->AppendRecords(out);
                break;
            default: break;  // empty slots, and codes outside the table, are not written
        }
    }
    return out;
}

}  // namespace cgt
