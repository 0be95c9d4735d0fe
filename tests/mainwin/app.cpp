#include <QApplication>

namespace cgt::test {

QApplication& App() {
    static int argc = 1;
    static char name[] = "cgt_mainwin_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace cgt::test
