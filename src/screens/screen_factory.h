#pragma once
// CreateScreen: a new screen object for a screen number, or nullptr when the
// number has no screen (the frame then ends the interview).
namespace cgt {

class TChildForm;

TChildForm* CreateScreen(int screenNumber);

}  // namespace cgt
