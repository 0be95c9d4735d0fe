#pragma once
// Posted window messages become QEvents of type QEvent::User + M.
#include <QEvent>

namespace cgt {

inline constexpr int kMsgStoreAndClose = 1025;   // to the main window (help-desk Alt+F4)
inline constexpr int kMsgReload = 1027;          // to the frame: show the current screen again
inline constexpr int kMsgClearCombo = 1029;      // to the frame: clear the focused combo box
inline constexpr int kMsgInterviewEnded = 1131;  // to the host: no screen for the number reached
inline constexpr int kMsgModuleClosed = 1132;    // to the host: the user closed the module

inline QEvent::Type MessageType(int message) {
    return QEvent::Type(QEvent::User + message);
}

}  // namespace cgt
