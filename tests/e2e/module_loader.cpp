#include "e2e/module_loader.h"

#include <QWidget>

#include "support/settings_sandbox.h"

namespace cgt::test {

QApplication& App() {
    static int argc = 1;
    static char name[] = "cgt_e2e_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        KeepSettingsInATemporaryFolder();
        return a;
    }();
    return *app;
}

std::string ShortString(const std::string& text) {
    std::string s(1, char(text.size()));
    return s + text;
}

ModuleLibrary::ModuleLibrary() {
    App();
    handle = dlopen(CGT_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return;
    run = reinterpret_cast<RunCGTModuleFn>(dlsym(handle, "RunCGTModule"));
    checkVersion = reinterpret_cast<CheckVersionFn>(dlsym(handle, "CheckVersion"));
    failedScreen = reinterpret_cast<GetFailedScreenIndexFn>(dlsym(handle, "GetFailedScreenIndex"));
    freeResources = reinterpret_cast<FreeDLLResourcesFn>(dlsym(handle, "FreeDLLResources"));
}

ModuleLibrary::~ModuleLibrary() {
    if (handle) dlclose(handle);
}

QWidget* MainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MainWindow")) return w;
    return nullptr;
}

}  // namespace cgt::test
