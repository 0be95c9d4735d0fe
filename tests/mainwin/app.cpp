#include <QApplication>

#include "support/settings_sandbox.h"

namespace cgt::test {

QApplication& App() {
    static int argc = 1;
    static char name[] = "cgt_mainwin_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        KeepSettingsInATemporaryFolder();
        return a;
    }();
    return *app;
}

}  // namespace cgt::test
