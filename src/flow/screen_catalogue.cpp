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
    static const std::vector<ScreenClass> classes = {
#define CGT_SCREEN_CLASS(cls, family, role, help, icon, blocked, caption, prev, ...) \
    {#cls, F::family, W::role, help, icon, blocked, caption, prev, {__VA_ARGS__}},
#define CGT_ROW_SCREEN CGT_SCREEN_CLASS
#define CGT_OWN_SCREEN CGT_SCREEN_CLASS
#include "flow/screen_list.h"
#undef CGT_SCREEN_CLASS
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
