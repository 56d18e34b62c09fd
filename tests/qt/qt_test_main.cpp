// The Qt tests' program: one QApplication, every test class in turn.
#include <QApplication>

#include <cstdlib>

#include "qt_tests.h"

int main(int argc, char** argv) {
    // Slot dates in the Japanese form and Japan's time, whatever the machine's settings.
    ::setenv("LC_TIME", "ja_JP.UTF-8", 1);
    ::unsetenv("LC_ALL");
    ::setenv("TZ", "JST-9", 1);
    // No display needed, also when run by hand rather than through ctest.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    int failed = 0;
    for (auto run :
         {RunStartTests, RunSelectionTests, RunExecuteTests, RunQuitTests, RunBoxTests, RunWinePrefixTests}) {
        failed += run(argc, argv) != 0 ? 1 : 0;
    }
    return failed == 0 ? 0 : 1;
}
