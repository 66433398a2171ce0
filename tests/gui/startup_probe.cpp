// Measures the start-up of the calculator window: the same steps as the program (memory,
// libraries, window) up to the first frame of the window on screen. Prints the milliseconds from
// entering main and from the process start (which adds loading the program and its shared
// libraries). Then times the recalculation a keystroke in an argument field causes, for every
// function of the water library: the slowest function's median over 40 keystrokes.
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

// Median time of one keystroke in the first argument field, in microseconds.
double MedianKeystrokeMicroseconds(QLineEdit* field) {
    std::vector<double> times;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(field, i % 2 == 0 ? Qt::Key_0 : Qt::Key_Backspace);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e3);
    }
    std::nth_element(times.begin(), times.begin() + 20, times.end());
    return times[20];
}

void TimeKeystrokes(TKXCalculatorForm& form) {
    auto* libraries = static_cast<QComboBox*>(form.Element(TKXElement::LibraryList));
    auto* functions = static_cast<QComboBox*>(form.Element(TKXElement::FunctionList));
    const int water = libraries->findText("KX_WS_IF97");
    if (water < 0) {
        std::printf("no water library registered: keystrokes not timed\n");
        return;
    }
    libraries->setCurrentIndex(water);
    auto* x1 = static_cast<QLineEdit*>(form.Element(TKXElement::Argument1Edit));
    auto* x2 = static_cast<QLineEdit*>(form.Element(TKXElement::Argument2Edit));
    double slowest = 0.0;
    QString slowestName;
    for (int f = 0; f < functions->count(); ++f) {
        functions->setCurrentIndex(f);
        x1->setText("10");
        x2->setText("300");
        x1->setFocus();
        x1->end(false);
        const double median = MedianKeystrokeMicroseconds(x1);
        if (median > slowest) {
            slowest = median;
            slowestName = functions->itemText(f);
        }
    }
    std::printf(
        "keystroke in an argument field (recalculation): "
        "slowest water function %s, median %.0f us over %d functions\n",
        qPrintable(slowestName), slowest, functions->count());
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Varnexa");

    TMemory memory;
    const TKXLibraries& libraries = KXRegistry();
    TKXSystemClipboard clipboard;
    TKXCalculatorForm form(libraries, memory, clipboard);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    std::printf(
        "first window shown: %.1f ms after entering main, %.0f ms after process start "
        "(10 ms resolution)\n",
        static_cast<double>(sinceMain.nsecsElapsed()) / 1e6, MillisecondsSinceProcessStart());
    TimeKeystrokes(form);
    return 0;
}
