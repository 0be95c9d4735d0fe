#include "flow/screen_catalogue.h"

#include <algorithm>

namespace cgt {

namespace {
using F = ScreenFamily;
using W = WorksheetRole;
constexpr const char* kAnd = kCaptionGainsAndLosses;
constexpr const char* kOr = kCaptionGainsOrLosses;
constexpr const char* kGains = kCaptionGains;
}  // namespace

const std::vector<ScreenClass>& ScreenClasses() {
    // class, family, worksheet role, help topic, icon, saving blocked, caption, Prev, numbers
    static const std::vector<ScreenClass> classes = {
        {"TQCGT_83", F::Information, W::None, 347, kIconInformation, false, kAnd, true, {2004}},
        {"TQCGT_56", F::Information, W::None, 32, kIconArrow, false, kAnd, true, {2005}},
        {"TQCGT_60", F::Information, W::None, 235, kIconInformation, false, kAnd, true, {2088}},
        {"TQCGT_39a", F::IntroductoryQuestion, W::None, 3, kIconQuestion, false, kOr, true, {2006}},
        {"TQCGT_39", F::EventQuestion, W::None, 3, kIconQuestion, false, kAnd, true, {2007}},
        {"TQCGT_08",
         F::AssetBlock,
         W::Registration,
         16,
         kIconArrow,
         true,
         kAnd,
         true,
         {2009, 2022, 2035, 2045, 2055, 2065}},
        {"TQCGT_11",
         F::AssetBlock,
         W::BlockScreen,
         19,
         kIconArrow,
         true,
         kAnd,
         true,
         {2010, 2023, 2036, 2047, 2056, 2066}},
        {"TQCGT_12",
         F::AssetBlock,
         W::BlockScreen,
         20,
         kIconArrow,
         true,
         kAnd,
         true,
         {2011, 2024, 2037, 2048, 2057, 2067}},
        {"TQCGT_18", F::AssetBlock, W::BlockScreen, 184, kIconArrow, true, kAnd, true, {2012}},
        {"TQCGT_19", F::AssetBlock, W::BlockScreen, 206, kIconArrow, true, kAnd, true, {2013, 2026, 2038, 2058, 2068}},
        {"TQCGT_20b", F::AssetBlock, W::BlockScreen, 29, kIconArrow, true, kAnd, true, {2014, 2027}},
        {"TQCGT_59a", F::Calculation, W::BlockScreen, 30, kIconInformation, false, kAnd, true, {2015}},
        {"TQCGT_58",
         F::Calculation,
         W::BlockScreen,
         30,
         kIconInformation,
         false,
         kAnd,
         true,
         {2016, 2029, 2040, 2060, 2070}},
        {"TQCGT_40", F::AnotherEventQuestion, W::None, 3, kIconQuestion, false, kAnd, true, {2017}},
        {"TQCGT_03a", F::IntroductoryQuestion, W::None, 4, kIconQuestion, false, kAnd, true, {2018}},
        {"TQCGT02_04", F::EntryTable, W::None, 349, kIconArrow, false, kAnd, true, {2019}},
        {"TQCGT_41", F::EventQuestion, W::None, 216, kIconQuestion, true, kAnd, true, {2020}},
        {"TQCGT_18b", F::AssetBlock, W::BlockScreen, 203, kIconArrow, true, kAnd, true, {2025}},
        {"TQCGT_59b", F::Calculation, W::BlockScreen, 30, kIconInformation, false, kAnd, true, {2028}},
        {"TQCGT_42", F::AnotherEventQuestion, W::None, 216, kIconQuestion, false, kAnd, true, {2030}},
        {"TQCGT_43a", F::IntroductoryQuestion, W::None, 7, kIconQuestion, false, kOr, true, {2031}},
        {"TQCGT_43b", F::Information, W::None, 80, kIconInformation, true, kAnd, true, {2032}},
        {"TQCGT_43", F::EventQuestion, W::None, 7, kIconQuestion, false, kAnd, true, {2033}},
        {"TQCGT_20a", F::AssetBlock, W::BlockScreen, 29, kIconArrow, true, kAnd, true, {2039}},
        {"TQCGT_44", F::AnotherEventQuestion, W::None, 7, kIconQuestion, false, kAnd, true, {2041}},
        {"TQCGT_80", F::IntroductoryQuestion, W::None, 345, kIconQuestion, false, kAnd, true, {2042}},
        {"TQCGT_81", F::EventQuestion, W::None, 345, kIconQuestion, false, kAnd, true, {2043}},
        {"TQCGT_19a", F::AssetBlock, W::BlockScreen, 206, kIconArrow, true, kAnd, true, {2046}},
        {"TQCGT_20", F::AssetBlock, W::BlockScreen, 29, kIconArrow, true, kAnd, true, {2049, 2059, 2069}},
        {"TQCGT_58A", F::Calculation, W::BlockScreen, 30, kIconInformation, false, kAnd, true, {2050}},
        {"TQCGT_82", F::AnotherEventQuestion, W::None, 345, kIconQuestion, false, kGains, true, {2051}},
        {"TQCGT_45a", F::IntroductoryQuestion, W::None, 8, kIconQuestion, false, kOr, true, {2052}},
        {"TQCGT_45", F::EventQuestion, W::None, 8, kIconQuestion, false, kAnd, true, {2053}},
        {"TQCGT_46", F::AnotherEventQuestion, W::None, 8, kIconQuestion, false, kAnd, true, {2061}},
        {"TQCGT_47a", F::IntroductoryQuestion, W::None, 11, kIconQuestion, false, kAnd, true, {2062}},
        {"TQCGT_47", F::EventQuestion, W::None, 11, kIconQuestion, false, kAnd, true, {2063}},
        {"TQCGT_48", F::AnotherEventQuestion, W::None, 11, kIconQuestion, false, kAnd, true, {2071}},
        {"TQCGT_49a", F::IntroductoryQuestion, W::None, 10, kIconQuestion, false, kAnd, true, {2072}},
        {"TQCGT_49", F::EventQuestion, W::None, 10, kIconQuestion, false, kAnd, true, {2073}},
        {"TQCGT_08g", F::Information, W::None, 15, kIconInformation, false, kAnd, true, {2074}},
        {"TQCGT_36a", F::ReceiptEntry, W::Receipt, 374, kIconArrow, true, kAnd, true, {2075}},
        {"TQCGT_50", F::AnotherEventQuestion, W::None, 10, kIconQuestion, false, kGains, true, {2081}},
        {"TQCGT_35", F::EventQuestion, W::None, 82, kIconQuestion, false, kAnd, true, {2096}},
        {"TQCGT_36", F::ReceiptEntry, W::Receipt, 262, kIconArrow, true, kAnd, true, {2097}},
        {"TQCGT_37", F::AnotherEventQuestion, W::None, 82, kIconQuestion, false, kAnd, false, {2098}},
        {"TQCGT02_05", F::EntryTable, W::None, 346, kIconArrow, false, kAnd, true, {2101}},
        {"TQCGT_57", F::Information, W::None, 33, kIconInformation, false, kAnd, true, {2102}},
        {"TQCGT_62", F::Calculation, W::None, 33, kIconArrow, false, kAnd, true, {2103}},
        {"TQCGT_64", F::Calculation, W::None, 34, kIconArrow, false, kAnd, true, {2104}},
        {"TQCGT_65", F::Calculation, W::None, 34, kIconInformation, false, kAnd, true, {2105}},
        {"TQCGT_66", F::Calculation, W::None, 35, kIconArrow, false, kAnd, true, {2106}},
        {"TQCGT_67", F::Calculation, W::None, 37, kIconInformation, false, kAnd, true, {2107}},
    };
    return classes;
}

const std::vector<ScreenDef>& ScreenCatalogue() {
    static const std::vector<ScreenDef> catalogue = [] {
        std::vector<ScreenDef> defs;
        for (const ScreenClass& c : ScreenClasses())
            for (int n : c.numbers) defs.push_back({n, &c});
        std::sort(defs.begin(), defs.end(), [](const ScreenDef& a, const ScreenDef& b) { return a.number < b.number; });
        return defs;
    }();
    return catalogue;
}

const ScreenClass* FindScreenClass(int number) {
    const auto& defs = ScreenCatalogue();
    const auto it =
        std::lower_bound(defs.begin(), defs.end(), number, [](const ScreenDef& d, int n) { return d.number < n; });
    return it != defs.end() && it->number == number ? it->cls : nullptr;
}

const ScreenClass* FindScreenClassByName(std::string_view className) {
    for (const ScreenClass& c : ScreenClasses())
        if (className == c.className) return &c;
    return nullptr;
}

const std::vector<NavigatorGroup>& NavigatorTree() {
    static const std::vector<NavigatorGroup> groups = {
        {"Introduction screen", 2004},
        {"Unapplied losses?", 2005},
        {"Ceasing to be a resident", 2088},
        {"Shares", 2006},
        {"Trust information", 2018},
        {"CGT Trust distributions", 2019},
        {"CGT events affecting trusts", 2020},
        {"Real estate", 2031},
        {"Depreciating assets", 2042},
        {"Personal use or collectable assets", 2052},
        {"Other assets not mentioned", 2062},
        {"Creation of rights", 2072},
        {"Other receipts", 2096},
        {"Manual calculation table", 2101},
        {"Application of choices", 2102},
    };
    return groups;
}

}  // namespace cgt
