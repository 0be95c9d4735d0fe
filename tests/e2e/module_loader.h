#pragma once
// Loads libcgt2003.so with dlopen, as a host program does, and records the
// close events the module posts to the notify object.
#include <dlfcn.h>

#include <QApplication>
#include <QEvent>
#include <string>
#include <vector>

#include "entry/cgt2003.h"

namespace cgt::test {

// The application object every widget test needs, made once.
QApplication& App();

class NotifyRecorder : public QObject {
public:
    std::vector<int> messages;

protected:
    bool event(QEvent* e) override {
        if (e->type() > QEvent::User) {
            messages.push_back(int(e->type()) - int(QEvent::User));
            return true;
        }
        return QObject::event(e);
    }
};

// A length-prefixed string for the module's string arguments.
std::string ShortString(const std::string& text);

struct ModuleLibrary {
    void* handle = nullptr;
    RunCGTModuleFn run = nullptr;
    CheckVersionFn checkVersion = nullptr;
    GetFailedScreenIndexFn failedScreen = nullptr;
    FreeDLLResourcesFn freeResources = nullptr;

    ModuleLibrary();
    ~ModuleLibrary();
    bool Loaded() const { return handle && run && checkVersion && failedScreen && freeResources; }
};

// The module's main window once a run has started.
QWidget* MainWindow();

}  // namespace cgt::test
