#pragma once
// Everything a module run holds, owned in one place; the exports keep the
// only pointer to it.
#include <QPointer>
#include <memory>

#include "base/clock.h"
#include "controls/control_context.h"
#include "mainwin/mainwindow.h"
#include "mainwin/qt_dialogs.h"
#include "store/datafile_fs.h"
#include "store/modulerun.h"

namespace cgt {

struct ModuleState {
    QtDialogs dialogs;
    SystemClock clock;
    ControlContext context{&dialogs, &clock};
    std::unique_ptr<ModuleRun> run;
    QPointer<TMainWindow> window;
    // The file could not be read whole: the end does not write over it.
    bool loadFailed = false;

    ~ModuleState();
};

// Copies a length-prefixed string (null gives an empty one).
std::string CopyShortString(const unsigned char* s);

}  // namespace cgt
