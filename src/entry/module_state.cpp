#include "entry/module_state.h"

#include <QApplication>

namespace cgt {

ModuleState::~ModuleState() {
    // Widgets can only go while the application object still exists.
    if (window && QCoreApplication::instance()) delete window.data();
}

std::string CopyShortString(const unsigned char* s) {
    if (!s) return std::string();
    return std::string(reinterpret_cast<const char*>(s + 1), s[0]);
}

}  // namespace cgt
