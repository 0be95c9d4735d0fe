#pragma once
// The screen definitions (.ui files) compiled in, by class name: each lays
// out a screen's controls and texts onto a new screen object.
#include <string_view>

namespace cgt {

class TChildForm;

using FormSetup = void (*)(TChildForm* screen);

// The definition of a screen class, or nullptr when it has none yet.
FormSetup FindScreenForm(std::string_view className);

}  // namespace cgt
