#pragma once
// The attributes of every screen definition that the frame uses: which
// class serves a screen number, its help topic, icon, whether saving is
// blocked while it is shown, its caption and whether it shows Prev.
#include <vector>

namespace cgt {

struct ScreenAttributes {
    int number;
    const char* className;
    int helpContext;
    int iconKind;        // IconKind
    bool savingBlocked;  // complete-first marker 99
    const char* caption;
    bool showPrev;
};

// The entry of a screen number, or nullptr when the number has no screen.
const ScreenAttributes* FindScreenAttributes(int number);
const std::vector<ScreenAttributes>& ScreenTable();

inline constexpr const char* kCaptionGainsAndLosses = "17 - Income - Capital gains and capital losses";
inline constexpr const char* kCaptionGainsOrLosses = "17 - Income - Capital gains or capital losses";
inline constexpr const char* kCaptionGains = "17 - Income - Capital gains";

}  // namespace cgt
