// Start-up as the user waits for it: from the moment the process began (libraries loaded, the
// application object made) to the main window shown and painted. A plain program, not a QtTest,
// so that nothing of the test framework is counted; it prints one line in QtTest's -csv form:
//   "startUpFromProcessStart","","WalltimeMilliseconds",<ms>,<ms>,1
// Linux only (the process start time comes from /proc/self/stat, in clock ticks of usually 10 ms).

#include "model/algemeen.h"
#include "windows/mainwindow.h"
#include "benchfolder.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
// Milliseconds since this process was started; -1 when that cannot be read.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Field 22 is the start time; count from the end of the command name in parentheses.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startTicks = fields[19].toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9) * 1000.0 - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // A real start finds the Data pictures in place; the time this benchmark spends copying
    // them into its program folder is taken off.
    QElapsedTimer copying;
    copying.start();
    BenchProgramFolder folder;
    const double copyMs = copying.nsecsElapsed() / 1e6;

    Algemeen state;
    state.Paths = folder.path();
    ScriptedDialogs dialogs;
    Main window(state, dialogs);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        QCoreApplication::processEvents();
        if (waited.elapsed() > 5000) {
            std::fprintf(stderr, "bench_startup: the window was never shown\n");
            return 1;
        }
    }
    QCoreApplication::processEvents();  // the first paint
    const double sinceStart = msSinceProcessStart();
    if (sinceStart < 0) {
        std::fprintf(stderr, "bench_startup: the process start time cannot be read\n");
        return 1;
    }
    const double ms = sinceStart - copyMs;
    std::printf("\"startUpFromProcessStart\",\"\",\"WalltimeMilliseconds\",%.1f,%.1f,1\n", ms, ms);
    return 0;
}
