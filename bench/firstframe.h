// For start-up benchmarks: reports, once a window has painted its first frame, how long that took
// since the benchmark driver spawned this process, and the peak memory so far; then quits.
#pragma once

#include <QWidget>

namespace FirstFrame {

// Watches `window`; after its first frame is on screen, prints
// "startup_ms=<ms> peak_kib=<kib>" on standard output and quits the application.
void reportAndQuit(QWidget* window);

} // namespace FirstFrame
