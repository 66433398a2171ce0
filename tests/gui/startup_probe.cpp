// Measures the start-up of the calculator window: the same steps as the program (memory,
// libraries, window) up to the first frame of the window on screen, then quits. Prints the
// milliseconds from entering main and from the process start (which adds loading the program
// and its shared libraries).
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "KXCalculatorForm.h"
#include "KXClipboard.h"
#include "KX_Libraries_Catalogue.h"

namespace {

// Milliseconds since the process started, from its start time in /proc (clock ticks since boot).
double MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name (which may hold blanks) start after the last ')'.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22) startTicks = std::stoull(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (now.tv_sec + now.tv_nsec * 1e-9 - startTicks / ticks) * 1000.0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Varnexa");

    TMemory memory;
    TKXLibraries libraries;
    CreateKXLibraries(libraries);
    TKXSystemClipboard clipboard;
    TKXCalculatorForm form(libraries, memory, clipboard);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    std::printf("first window shown: %.1f ms after entering main, %.0f ms after process start "
                "(10 ms resolution)\n",
                static_cast<double>(sinceMain.nsecsElapsed()) / 1e6, MillisecondsSinceProcessStart());
    return 0;
}
