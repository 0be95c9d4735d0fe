// The four exports and the start and end of a module run.
#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <exception>
#include <filesystem>

#include "base/income_year.h"
#include "base/text.h"
#include "calc/work_grid.h"
#include "entry/cgt2003.h"
#include "entry/module_state.h"
#include "grid/column_spec.h"
#include "interview/interviewframe.h"
#include "store/datafile.h"

namespace {

cgt::ModuleState* g_module = nullptr;

// Unload: free what is left, save nothing.
struct ModuleUnload {
    ~ModuleUnload() {
        const bool started = g_module != nullptr;
        delete g_module;
        g_module = nullptr;
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        if (started) cgt::ReleaseModuleResources();
    }
} g_unload;

bool HelpDeskFromProcess() {
    const QStringList args = QCoreApplication::arguments();
    return args.size() > 1 && args[1].toUpper() == QLatin1String("HELPDESK");
}

// Steps 2 to 17 of the start; the export guards it.
void StartRun(cgt::ModuleState& m, intptr_t hostWindow, intptr_t notifyWindow, const std::string& fileName,
              const std::string& identityText, const std::string& commandText, int32_t screenNumber, int32_t left,
              int32_t top, int32_t width, int32_t height, int32_t maximized, int32_t minimized) {
    using namespace cgt;
    m.loadFailed = true;  // until the file has been read: a start that fails before saves nothing
    auto* host = reinterpret_cast<QWidget*>(hostWindow);
    m.dialogs.SetParent(host);

    m.run = std::make_unique<ModuleRun>(m.dialogs, m.clock);
    ModuleRun& run = *m.run;
    run.hostWindow = hostWindow;
    run.commandLine = commandText;
    run.notifyWindow = notifyWindow;
    run.history.clear();
    run.identity = identityText;
    run.store().SetFieldStr(kTagIdentity, identityText);
    run.dataFileName = fileName;
    bool failed = false;
    try {
        if (IsCompanionName(fileName)) throw EInOutError(CompanionNameMessage(fileName));
        if (!fileName.empty()) run.lock = std::make_unique<ReturnLock>(fileName);
    } catch (const std::exception& e) {
        failed = true;
        m.dialogs.Error(e.what());
        // Not opened (the reader marks the files it could not read): whatever
        // the form of its name, no save of this run writes over it.
        std::error_code ec;
        if (!fileName.empty()) run.unreadableFile = std::filesystem::absolute(fileName, ec).string();
    }
    if (!failed) {
        try {
            // The reader has shown "Unable to open file - " or the bad tag itself.
            const LoadOutcome outcome = LoadReturnFile(run, fileName);
            failed = outcome != LoadOutcome::Loaded;
            if (outcome == LoadOutcome::BadTag) m.dialogs.Error(DamagedReturnMessage(fileName));
        } catch (const std::exception&) {
            failed = true;
            m.dialogs.Error(std::string(kUnableToOpenFile) + fileName);
        }
    }
    m.loadFailed = failed;
    QCoreApplication::processEvents();

    run.SetHelpDesk(HelpDeskFromProcess());
    m.window = new TMainWindow(run, nullptr, host);
    if (host) m.window->setWindowFlag(Qt::Window, true);
    InstallControlContext(m.window, &m.context);
    m.window->show();
    run.currentFileName = run.dataFileName;
    m.window->SetCaption();

    run.SetScreenNumber(screenNumber);
    run.screenShowing = false;
    m.window->SetHelpFile(kModuleHelpFile);
    m.window->Frame()->ShowCurrentScreen();

    if (!m.window) return;
    // The place and size go first: Qt drops a maximized state when a window
    // is moved, and the host asks for both (the place is then where the
    // window returns to from maximized).
    m.window->move(left, top);
    m.window->resize(m.window->OpeningSize(QSize(width, height)));
    if ((maximized & 0xFF) || (!(minimized & 0xFF) && m.window->OpensMaximized()))
        m.window->setWindowState(Qt::WindowMaximized);
    else if (minimized & 0xFF)
        m.window->setWindowState(Qt::WindowMinimized);
    else
        m.window->setWindowState(Qt::WindowNoState);
    m.window->LayoutFrame();
}

}  // namespace

extern "C" {

CGT_EXPORT void CGT_CALL RunCGTModule(intptr_t hostWindow, intptr_t notifyWindow, CgtShortString dataFile,
                                      CgtShortString identity, CgtShortString commandLine, int32_t screenNumber,
                                      int32_t left, int32_t top, int32_t width, int32_t height, int32_t maximized,
                                      int32_t minimized) {
    using namespace cgt;
    const std::string fileName = CopyShortString(dataFile);
    const std::string identityText = CopyShortString(identity);
    const std::string commandText = CopyShortString(commandLine);

    delete g_module;  // a second start replaces the first run
    g_module = nullptr;
    try {
        g_module = new ModuleState;
    } catch (...) {
        return;  // nothing to show a box with; the host sees no window
    }
    ModuleState& m = *g_module;
    // No failure may unwind into the host: it becomes the error box.
    Guarded(m.dialogs, [&] {
        StartRun(m, hostWindow, notifyWindow, fileName, identityText, commandText, screenNumber, left, top, width,
                 height, maximized, minimized);
    });
}

CGT_EXPORT int16_t CGT_CALL CheckVersion(int32_t version) {
    const int16_t v = int16_t(version);
    const int d = 1 - int(v);
    return int16_t(d > 0 ? 1 : d < 0 ? -1 : 0);
}

CGT_EXPORT int32_t CGT_CALL GetFailedScreenIndex(void) {
    try {
        if (!g_module || !g_module->window || !g_module->window->Frame()) return 0;
        return g_module->window->Frame()->FailedScreenNumber();
    } catch (...) {
        return 0;
    }
}

CGT_EXPORT uint8_t CGT_CALL FreeDLLResources(void) {
    using namespace cgt;
    if (!g_module || !g_module->run) return 0;
    ModuleState& m = *g_module;
    try {
        ModuleRun& run = *m.run;
        // A file that was not read whole is never written over: nothing is
        // saved, which the host learns from the 0, but the run still ends
        // and lets the file go.
        const bool saved = !m.loadFailed && SaveReturnFile(run, run.dataFileName) != SaveOutcome::NoName;
        if (!saved && !m.loadFailed) return 0;
        run.lock.reset();
        run.store().FreeStore();
        run.history.clear();
        ForgetWorkGrids();
        ForgetParsedColumnSpecs();
        if (m.window && m.window->Frame()) m.window->Frame()->CloseFrame();
        // The run is over: its window goes once the host is back in its loop,
        // never later at the process's exit, when Qt may be partly gone.
        if (m.window) m.window->deleteLater();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return saved ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
