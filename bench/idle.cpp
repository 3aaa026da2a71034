// SPDX-License-Identifier: GPL-3.0-or-later
// How busy the crossword window keeps the processor while nobody touches it, with a very long text
// pasted into the focused cell:
//   bench_idle [characters] [seconds]   (default 1000000 characters over 10 seconds)
// Prints the share of one core the whole process used over that time.
#include "app/application.h"
#include "app/windowsequence.h"

#include <cstdio>
#include <ctime>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

namespace {

double processCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double wallSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);
    const QStringList arguments = QCoreApplication::arguments();
    const int characters = arguments.size() > 1 ? arguments.at(1).toInt() : 1000000;
    const double seconds = arguments.size() > 2 ? arguments.at(2).toDouble() : 10.0;

    WindowSequence windows;
    Form1* form = windows.showForm1();
    auto* cell = form->findChild<QLineEdit*>(QStringLiteral("Text1"));
    if (!cell) {
        std::fprintf(stderr, "bench_idle: no cell Text1\n");
        return 1;
    }
    form->activateWindow();
    cell->setFocus();
    cell->insert(QString(characters, u'A')); // as a paste leaves it: the cursor after the text

    double cpuStart = 0;
    double wallStart = 0;
    // Measure once the paste has been drawn and the window has settled.
    QTimer::singleShot(1000, &app, [&] {
        cpuStart = processCpuSeconds();
        wallStart = wallSeconds();
        QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &app, [&] {
            const double cpu = processCpuSeconds() - cpuStart;
            const double wall = wallSeconds() - wallStart;
            std::printf("idle with %d characters in the focused cell: %.2f %% of a core over "
                        "%.1f s (focus %s)\n",
                characters, 100.0 * cpu / wall, wall,
                QApplication::focusWidget() == cell ? "in the cell" : "elsewhere");
            QCoreApplication::exit(0);
        });
    });
    return QApplication::exec();
}
