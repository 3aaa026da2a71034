// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/credits/windowpin.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <qt_windows.h>
#include <QWidget>
#include <QWindow>

namespace {

// Refuses a drag of the title bar or the frame, and Move or Size in the window menu; a minimise or
// a maximise goes through, to be undone like any other (under Wine the X window manager has done it
// already). Belongs to the window; the application forgets the filter as it goes.
struct FrameDragRefusal : QObject, QAbstractNativeEventFilter {
    explicit FrameDragRefusal(QWidget* framed)
        : QObject(framed)
        , window(framed)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr* result) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        const WPARAM command = msg->wParam & 0xFFF0;
        if (msg->message != WM_SYSCOMMAND || (command != SC_MOVE && command != SC_SIZE)
            || !window->windowHandle()
            || msg->hwnd != reinterpret_cast<HWND>(window->windowHandle()->winId()))
            return false;
        *result = 0;
        return true;
    }

    QWidget* window;
};

} // namespace

void WindowPin::refuseFrameDrags(QWidget* window)
{
    new FrameDragRefusal(window);
}
