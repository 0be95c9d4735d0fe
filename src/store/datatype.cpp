#include "store/datatype.h"

namespace cgt {
namespace {
constexpr const char* kNames[kDataTypeCount] = {"dtNone",     "dtNumeric",  "dtCurrency", "dtCurrencyCnt", "dtString",
                                                "dtSmallStr", "dtCheckbox", "dtList",     "dtWorksheet"};
}

const char* DataTypeName(int code) {
    return IsValidTypeCode(code) ? kNames[code] : "dtUnknown";
}

std::optional<int> DataTypeFromName(const std::string& name) {
    for (int i = 0; i < kDataTypeCount; ++i)
        if (name == kNames[i]) return i;
    return std::nullopt;
}

std::string WorksheetTypeDescription(int type) {
    const std::string n = std::to_string(type);
    switch (type) {
        case 1: return "1 - Salary & Wages / Lump Sum";
        case 2: return "2 - ETP Statements";
        case 3: return "3 - Item 7 / D8 / T3";
        case 4: return "4 - Rental Statements";
        case 5: return "5 - Other Deductions";
        case 7: return "7 - Motor Vehicle";
        case 10: return "10 - D5 Depreciation - Non WRE";
        case 11: return "11 - Business PP Depreciation";
        case 12: return "12 - Business NPP Depreciation";
        default: break;
    }
    if (type >= 180 && type <= 199) return n + " - Rental Depreciation";
    if (type >= 249 && type <= 253) return n + " - D5 Depreciation - WRE";
    return n + " - not defined";
}

}  // namespace cgt
