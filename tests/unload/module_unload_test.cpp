// A host that loads the module for each return: after a run that shows a
// grid screen and ends, dlclose takes the library out of the process, and
// loading it again gives a module that runs again. A program of its own, so
// that no other test holds the library.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/clock.h"
#include "e2e/module_loader.h"
#include "store/datafile.h"
#include "store/modulerun.h"
#include "store/tags.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {
namespace {

const std::string kIdentity = "SMITH J 12345678";

// Whether the module's library is mapped into this process.
bool ModuleMapped() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("libcgt2003.so") != std::string::npos) return true;
    return false;
}

std::string NewReturn(const std::string& name) {
    const auto path = std::filesystem::temp_directory_path() / ("cgt_unload_" + name + ".dat");
    std::filesystem::remove(path);
    ScriptedDialogs dialogs;
    ModuleRun run(dialogs, DefaultClock());
    run.identity = kIdentity;
    run.store().SetFieldStr(kTagIdentity, kIdentity);
    SaveReturnFile(run, path.string());
    return path.string();
}

QString ScreenNumber() {
    QWidget* window = MainWindow();
    auto* label = window ? window->findChild<QLabel*>(QStringLiteral("ScreenNumber")) : nullptr;
    return label ? label->text() : QString();
}

// One run on the trust distributions grid (2019), ended as a host ends it.
void RunToTheTrustGrid(ModuleLibrary& library, const std::string& file) {
    NotifyRecorder notify;
    const std::string f = ShortString(file), id = ShortString(kIdentity), cmd = ShortString("");
    library.run(0, reinterpret_cast<intptr_t>(&notify), reinterpret_cast<const unsigned char*>(f.data()),
                reinterpret_cast<const unsigned char*>(id.data()), reinterpret_cast<const unsigned char*>(cmd.data()),
                2019, 20, 20, 800, 575, 0, 0);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_EQ(ScreenNumber(), QStringLiteral("2019"));
    ASSERT_NE(MainWindow()->findChild<QWidget*>(QStringLiteral("XGrid1")), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(library.freeResources(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(MainWindow(), nullptr) << "the run's window is gone before the library";
}

TEST(ModuleUnload, LeavesTheProcessAndLoadsAgain) {
    App();
    ASSERT_FALSE(ModuleMapped());
    const std::string file = NewReturn("twice");
    for (int round = 1; round <= 2; ++round) {
        {
            ModuleLibrary library;
            ASSERT_TRUE(library.Loaded()) << dlerror();
            ASSERT_TRUE(ModuleMapped());
            // The four functions of the contract, and nothing else.
            for (const char* internal : {"_Z29qInitResources_report_scriptsv", "_Z32qCleanupResources_report_scriptsv"})
                EXPECT_EQ(dlsym(library.handle, internal), nullptr) << internal;
            RunToTheTrustGrid(library, file);
        }
        EXPECT_FALSE(ModuleMapped()) << "round " << round << ": dlclose left the library mapped";
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace cgt::test
