// For benchmarks: notices when a window has painted its first frame.
#pragma once

#include <functional>
#include <QObject>

namespace FirstFrame {

// Calls `done` once, right after the first frame of the first window whose objectName is
// `windowName` has been painted and flushed to the screen.
void watch(const QString& windowName, std::function<void()> done);

// Monotonic nanoseconds, comparable between processes on one machine.
qint64 nowNanoseconds();

// Prints "startup_ms=<ms since the driver spawned this process> peak_kib=<peak memory>" once the
// window's first frame is on screen, then quits the application.
void reportStartupAndQuit(const QString& windowName);

} // namespace FirstFrame
