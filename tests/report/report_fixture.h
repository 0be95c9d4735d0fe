#pragma once
// Scripts for the tests written in their source form, and the GUI
// application fonts and painters need (offscreen).
#include <QGuiApplication>
#include <string>

#include "report/page_record.h"
#include "report/script_source.h"

namespace cgt::test {

inline QGuiApplication& GuiApp() {
    static int argc = 1;
    static char name[] = "cgt_report_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    return *app;
}

inline Script Source(const std::string& text) {
    return CompileScriptSource(text, "test.rps");
}

}  // namespace cgt::test
