#pragma once
// The main window's size between runs, kept in the module's settings file
// (an INI file in the user's configuration folder, Verimo/cgt2003.ini).
#include <QSize>
#include <optional>

namespace cgt {

struct WindowPlacement {
    QSize size;  // the normal (not maximised) size
    bool maximized = false;
};

// The size the window had when the last run ended; none before the first
// run, or when the file holds no usable size.
std::optional<WindowPlacement> LoadWindowPlacement();
void SaveWindowPlacement(const WindowPlacement& placement);

}  // namespace cgt
