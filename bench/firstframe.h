// SPDX-License-Identifier: GPL-3.0-or-later
// For benchmarks: notices when a window has painted its first frame.
#pragma once

#include <functional>
#include <QObject>

namespace FirstFrame {

// When a first frame was ready, on nowNanoseconds()'s clock.
struct Times {
    qint64 flushed = 0; // painted and handed to the window system by the program
    qint64 seenByServer = 0; // taken by the display server: a round trip to it has come back
};

// Calls `done` once, right after the first frame of the first window whose objectName is
// `windowName` has been painted, flushed, and taken by the display server.
void watch(const QString& windowName, std::function<void(const Times&)> done);

// Nanoseconds on the wall clock, comparable between processes on one machine: also between a
// Linux driver and a Windows program under Wine, which share no other clock.
qint64 nowNanoseconds();

// One memory figure of this process from /proc/self/status, in KiB: `field` is "VmRSS:" for the
// resident memory now, "VmHWM:" for its peak. -1 where the system has no such file.
qint64 statusKib(const QByteArray& field);

// Prints "startup_ms=<ms from the driver's spawn of this process to the frame seen by the server>
// flushed_ms=<the same, to the frame flushed by the program> peak_kib=<peak memory>
// own_file_kib=<pages of the program's own file>" once the window's first frame is on screen,
// then quits the application. In a browser tab, which starts no process and never ends one, it
// prints "first_frame_ms=<ms from the page's start to the frame drawn in the page>" instead.
void reportStartupAndQuit(const QString& windowName);

} // namespace FirstFrame
