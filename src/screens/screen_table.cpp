#include "screens/screen_table.h"

#include <algorithm>

#include "interview/childform.h"

namespace cgt {

const std::vector<ScreenAttributes>& ScreenTable() {
    // Sorted by screen number.
    static const std::vector<ScreenAttributes> table = [] {
        std::vector<ScreenAttributes> t = {
            {2004, "TQCGT_83", 347, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2005, "TQCGT_56", 32, kIconArrow, false, kCaptionGainsAndLosses, true},
            {2006, "TQCGT_39a", 3, kIconQuestion, false, kCaptionGainsOrLosses, true},
            {2007, "TQCGT_39", 3, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2009, "TQCGT_08", 16, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2022, "TQCGT_08", 16, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2035, "TQCGT_08", 16, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2045, "TQCGT_08", 16, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2055, "TQCGT_08", 16, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2065, "TQCGT_08", 16, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2010, "TQCGT_11", 19, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2023, "TQCGT_11", 19, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2036, "TQCGT_11", 19, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2047, "TQCGT_11", 19, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2056, "TQCGT_11", 19, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2066, "TQCGT_11", 19, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2011, "TQCGT_12", 20, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2024, "TQCGT_12", 20, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2037, "TQCGT_12", 20, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2048, "TQCGT_12", 20, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2057, "TQCGT_12", 20, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2067, "TQCGT_12", 20, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2012, "TQCGT_18", 184, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2013, "TQCGT_19", 206, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2026, "TQCGT_19", 206, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2038, "TQCGT_19", 206, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2058, "TQCGT_19", 206, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2068, "TQCGT_19", 206, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2014, "TQCGT_20b", 29, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2027, "TQCGT_20b", 29, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2015, "TQCGT_59a", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2016, "TQCGT_58", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2029, "TQCGT_58", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2040, "TQCGT_58", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2060, "TQCGT_58", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2070, "TQCGT_58", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2017, "TQCGT_40", 3, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2018, "TQCGT_03a", 4, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2019, "TQCGT02_04", 349, kIconArrow, false, kCaptionGainsAndLosses, true},
            {2020, "TQCGT_41", 216, kIconQuestion, true, kCaptionGainsAndLosses, true},
            {2025, "TQCGT_18b", 203, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2028, "TQCGT_59b", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2030, "TQCGT_42", 216, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2031, "TQCGT_43a", 7, kIconQuestion, false, kCaptionGainsOrLosses, true},
            {2032, "TQCGT_43b", 80, kIconInformation, true, kCaptionGainsAndLosses, true},
            {2033, "TQCGT_43", 7, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2039, "TQCGT_20a", 29, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2041, "TQCGT_44", 7, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2042, "TQCGT_80", 345, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2043, "TQCGT_81", 345, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2046, "TQCGT_19a", 206, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2049, "TQCGT_20", 29, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2059, "TQCGT_20", 29, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2069, "TQCGT_20", 29, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2050, "TQCGT_58A", 30, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2051, "TQCGT_82", 345, kIconQuestion, false, kCaptionGains, true},
            {2052, "TQCGT_45a", 8, kIconQuestion, false, kCaptionGainsOrLosses, true},
            {2053, "TQCGT_45", 8, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2061, "TQCGT_46", 8, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2062, "TQCGT_47a", 11, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2063, "TQCGT_47", 11, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2071, "TQCGT_48", 11, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2072, "TQCGT_49a", 10, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2073, "TQCGT_49", 10, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2074, "TQCGT_08g", 15, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2075, "TQCGT_36a", 374, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2081, "TQCGT_50", 10, kIconQuestion, false, kCaptionGains, true},
            {2088, "TQCGT_60", 235, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2096, "TQCGT_35", 82, kIconQuestion, false, kCaptionGainsAndLosses, true},
            {2097, "TQCGT_36", 262, kIconArrow, true, kCaptionGainsAndLosses, true},
            {2098, "TQCGT_37", 82, kIconQuestion, false, kCaptionGainsAndLosses, false},
            {2101, "TQCGT02_05", 346, kIconArrow, false, kCaptionGainsAndLosses, true},
            {2102, "TQCGT_57", 33, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2103, "TQCGT_62", 33, kIconArrow, false, kCaptionGainsAndLosses, true},
            {2104, "TQCGT_64", 34, kIconArrow, false, kCaptionGainsAndLosses, true},
            {2105, "TQCGT_65", 34, kIconInformation, false, kCaptionGainsAndLosses, true},
            {2106, "TQCGT_66", 35, kIconArrow, false, kCaptionGainsAndLosses, true},
            {2107, "TQCGT_67", 37, kIconInformation, false, kCaptionGainsAndLosses, true},
        };
        std::sort(t.begin(), t.end(), [](const auto& a, const auto& b) { return a.number < b.number; });
        return t;
    }();
    return table;
}

const ScreenAttributes* FindScreenAttributes(int number) {
    const auto& t = ScreenTable();
    const auto it =
        std::lower_bound(t.begin(), t.end(), number, [](const ScreenAttributes& a, int n) { return a.number < n; });
    return it != t.end() && it->number == number ? &*it : nullptr;
}

}  // namespace cgt
