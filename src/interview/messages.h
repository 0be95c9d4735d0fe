#pragma once
// Posted window messages become QEvents of type QEvent::User + M.
#include <QEvent>

#include "interview/host_messages.h"

namespace cgt {

inline constexpr int kMsgStoreAndClose = 1025;                      // to the main window (help-desk Alt+F4)
inline constexpr int kMsgReload = 1027;                             // to the frame: show the current screen again
inline constexpr int kMsgClearCombo = 1029;                         // to the frame: clear the focused combo box
inline constexpr int kMsgInterviewEnded = CGT_MSG_INTERVIEW_ENDED;  // to the host: no screen for the number reached
inline constexpr int kMsgModuleClosed = CGT_MSG_MODULE_CLOSED;      // to the host: the user closed the module

inline QEvent::Type MessageType(int message) {
    return QEvent::Type(QEvent::User + message);
}

}  // namespace cgt
