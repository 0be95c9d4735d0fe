#pragma once
// CreateScreen: a new screen object for a screen number, or nullptr when the
// number has no screen (the frame then ends the interview).
#include "flow/screen_catalogue.h"

namespace cgt {

class TChildForm;

TChildForm* CreateScreen(int screenNumber);

// True for the families whose screens are built from their rows and
// definitions; every member of such a family must have both.
constexpr bool FamilyBuiltFromRows(ScreenFamily family) {
    switch (family) {
        case ScreenFamily::Information:
        case ScreenFamily::IntroductoryQuestion:
        case ScreenFamily::EventQuestion:
        case ScreenFamily::AnotherEventQuestion: return true;
        default: return false;
    }
}

}  // namespace cgt
