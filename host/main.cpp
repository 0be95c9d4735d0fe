// cgt-host: loads the module, checks its version, starts a run, waits for the
// module to say the user has left it, then ends the run and unloads it.
#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "base/clock.h"
#include "base/dialogs.h"
#include "entry/cgt2003.h"
#include "host_args.h"
#include "notify.h"
#include "store/datafile.h"
#include "store/modulerun.h"

namespace {

std::string ShortString(const std::string& s) {
    return std::string(1, char(s.size())) + s;
}

const unsigned char* Bytes(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}

// A new empty return, encrypted with the identity text's digits.
bool CreateReturn(const std::string& file, const std::string& identity) {
    if (std::filesystem::exists(file)) {
        std::fprintf(stderr, "cgt-host: %s already exists; --new does not replace a return\n", file.c_str());
        return false;
    }
    cgt::SilentDialogs dialogs;
    cgt::ModuleRun run(dialogs, cgt::DefaultClock());
    run.identity = identity;
    run.store().SetFieldStr(cgt::kTagIdentity, identity);
    try {
        const cgt::ReturnLock lock(file);
        cgt::SaveReturnFile(run, file);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cgt-host: %s\n", e.what());
        return false;
    }
    std::printf("created %s\n", file.c_str());
    return true;
}

QString ModulePath() {
    const QByteArray env = qgetenv("CGT_MODULE");
    if (!env.isEmpty()) return QString::fromLocal8Bit(env);
    if (QFile::exists(QStringLiteral(CGT_MODULE_PATH))) return QStringLiteral(CGT_MODULE_PATH);
    return QStringLiteral("cgt2003");
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file size limit a save fails and says so, rather than ending
    // the program with the return half written.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto parsed = cgt::host::ParseHostArgs(args, error);
    if (!parsed) {
        std::fprintf(stderr, "cgt-host: %s\n%s\n", error.c_str(), cgt::host::kUsage);
        return 2;
    }
    const cgt::host::HostArgs& a = *parsed;
    try {
        if (a.create && !CreateReturn(a.file, a.identity)) return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cgt-host: cannot create %s: %s\n", a.file.c_str(), e.what());
        return 1;
    }

    QLibrary lib(ModulePath());
    if (!lib.load()) {
        std::fprintf(stderr, "cgt-host: %s\n", lib.errorString().toLocal8Bit().constData());
        return 1;
    }
    auto run = reinterpret_cast<RunCGTModuleFn>(lib.resolve("RunCGTModule"));
    auto check = reinterpret_cast<CheckVersionFn>(lib.resolve("CheckVersion"));
    auto failed = reinterpret_cast<GetFailedScreenIndexFn>(lib.resolve("GetFailedScreenIndex"));
    auto freeResources = reinterpret_cast<FreeDLLResourcesFn>(lib.resolve("FreeDLLResources"));
    if (!run || !check || !failed || !freeResources) {
        std::fprintf(stderr, "cgt-host: %s lacks the module's exports\n", lib.fileName().toLocal8Bit().constData());
        return 1;
    }
    if (check(1) != 0) {
        std::fprintf(stderr, "cgt-host: the module does not accept interface version 1\n");
        return 1;
    }

    QWidget hostWindow;
    hostWindow.setWindowTitle(QStringLiteral("Tax return"));
    cgt::host::NotifyObject notify;
    int exitCode = 1;
    notify.onMessage = [&](int message) {
        std::printf("module left with message %d\n", message);
        std::printf("interview stopped at screen %d\n", int(failed()));
        const int ok = freeResources();
        std::printf("FreeDLLResources %s (%d)\n", ok == 1 ? "succeeded" : "failed", ok);
        exitCode = ok == 1 ? 0 : 1;
        QCoreApplication::quit();
    };

    const std::string file = ShortString(a.file), id = ShortString(a.identity), cmd = ShortString("");
    run(reinterpret_cast<intptr_t>(&hostWindow), reinterpret_cast<intptr_t>(&notify), Bytes(file), Bytes(id),
        Bytes(cmd), a.screen, 100, 80, 800, 575, 0, 0);
    QApplication::setQuitOnLastWindowClosed(false);
    app.exec();
    std::fflush(stdout);
    // Unloading frees the module's windows while the application still exists.
    lib.unload();
    return exitCode;
}
