// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a top-level window where the window system placed it and as it was shown: a move, a
// resize, a minimise or a maximise by the user is undone at once. The window asks the window
// manager for a frame without minimise and maximise buttons as well; a window manager still moves
// a window on request, and some iconify or resize one whatever its buttons and size hints, so the
// pin undoes what gets through. (Under Wayland a window learns nothing of its position, so there a
// move by the compositor stays.) A move the program makes itself stays: in a browser the page
// centres the window again when it changes size. On Windows, which draws the frame itself, a drag
// of the frame is refused before it starts (windowpin_win.cpp).
#pragma once

#include "ui/queuedcall.h"

#include <QObject>
#include <QPoint>
#include <QSize>

class QWidget;

class WindowPin : public QObject {
    Q_OBJECT
public:
    // Pins the window for as long as it lives; the pin belongs to the window.
    static void pin(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowPin(QWidget* window);
    void restore();
    // Where the system draws the frame itself, refuses to drag or size the window by it.
    static void refuseFrameDrags(QWidget* window);

    QWidget* m_window;
    // Where the window stood when it was first drawn, once the window system had placed it, or
    // where the program moved it since, and its size when first drawn.
    QPoint m_placed;
    QSize m_size;
    bool m_pinned = false;
    // Undone once the window system's event is over, and only once for a burst of events.
    QueuedCall m_restore {this, [this] { restore(); }};
};
