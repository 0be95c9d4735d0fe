#pragma once
// The screen definitions (.ui files) compiled in, by class name: each lays
// out a screen's controls and texts onto a new screen object; a screen with
// behaviour of its own also names its class.
#include <string_view>

namespace cgt {

class TChildForm;

using FormSetup = void (*)(TChildForm* screen);
using ScreenMaker = TChildForm* (*)();

struct ScreenForm {
    FormSetup setup;
    // The class of a screen with behaviour of its own; nullptr for the
    // question and information screens, made from their family's rows.
    ScreenMaker make = nullptr;
};

// The definition of a screen class, or nullptr when it has none yet.
const ScreenForm* FindScreenForm(std::string_view className);

}  // namespace cgt
