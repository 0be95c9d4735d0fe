#pragma once
// The field tags, the slot of one field and the nine data types.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cgt {

enum DataType : std::uint8_t {
    dtNone = 0,
    dtNumeric = 1,
    dtCurrency = 2,
    dtCurrencyCnt = 3,
    dtString = 4,
    dtSmallStr = 5,
    dtCheckbox = 6,
    dtList = 7,
    dtWorksheet = 8,
};
inline constexpr int kDataTypeCount = 9;

inline constexpr int kFirstTag = 1;
inline constexpr int kLastTag = 1999;
inline constexpr int kSlotCount = kLastTag;
inline constexpr std::size_t kSmallStrMax = 9;
inline constexpr std::size_t kStringMax = 255;
// Worksheets of type T live in field T + kWorksheetTagOffset.
inline constexpr int kWorksheetTagOffset = 751;

inline bool IsValidTag(long long tag) {
    return tag >= kFirstTag && tag <= kLastTag;
}
inline bool IsNumericType(int code) {
    return code >= dtNumeric && code <= dtCurrencyCnt;
}
inline bool IsStringType(int code) {
    return code == dtString || code == dtSmallStr;
}
inline bool IsValidTypeCode(int code) {
    return code >= 0 && code < kDataTypeCount;
}

// "dtNone" ... "dtWorksheet"; "dtUnknown" for a code outside the table.
const char* DataTypeName(int code);
// The code of a type name, or nothing.
std::optional<int> DataTypeFromName(const std::string& name);

using TextList = std::vector<std::string>;
using TextListPtr = std::shared_ptr<TextList>;

struct WorksheetItem;
class WorksheetItems;  // worksheet_items.h
using WorksheetListPtr = std::shared_ptr<WorksheetItems>;

// One field. Strings are held by value; text lists and worksheet lists are
// shared, because a worksheet item and the working tag it is unpacked into
// use the same list (an edit through either is seen by both) and neither may
// be left pointing at a list the other released.
struct Slot {
    std::uint8_t type = dtNone;
    long double number = 0;               // codes 0-3
    bool checked = false;                 // code 6
    std::optional<std::string> longText;  // code 4; none when never set
    std::string smallText;                // code 5
    TextListPtr list;                     // code 7
    WorksheetListPtr worksheet;           // code 8

    bool IsZeroed() const {
        return type == dtNone && number == 0 && !checked && !longText && smallText.empty() && !list && !worksheet;
    }
    // Back to a new slot, member by member (cheaper than assigning one).
    void Clear() {
        type = dtNone;
        number = 0;
        checked = false;
        longText.reset();
        smallText.clear();
        list.reset();
        worksheet.reset();
    }
};

struct WorksheetItem {
    std::uint16_t instance = 0;
    std::int32_t tag = 0;
    Slot slot;
};

// Description of a worksheet type in the bad-field-tag report.
std::string WorksheetTypeDescription(int type);

}  // namespace cgt

// The item list is usable wherever its items are.
#include "store/worksheet_items.h"
