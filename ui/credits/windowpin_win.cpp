// SPDX-License-Identifier: GPL-3.0-or-later
// Windows draws a window's frame itself: a drag of the pinned window's title bar or frame, and
// Move or Size in its window menu, are refused before they start.
#include "ui/credits/windowpin.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <qt_windows.h>
#include <QWidget>
#include <QWindow>

namespace {

// Belongs to the window; an event filter leaves the application as it is destroyed.
class FrameDragRefusal : public QObject, public QAbstractNativeEventFilter {
public:
    explicit FrameDragRefusal(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr* result) override
    {
        // (A minimise or a maximise goes through, to be undone like any other: under Wine the X
        // window manager has carried it out already when the command arrives.)
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SYSCOMMAND || !m_window->windowHandle()
            || msg->hwnd != reinterpret_cast<HWND>(m_window->windowHandle()->winId()))
            return false;
        const WPARAM command = msg->wParam & 0xFFF0;
        if (command != SC_MOVE && command != SC_SIZE)
            return false;
        *result = 0;
        return true;
    }

private:
    QWidget* m_window;
};

} // namespace

void WindowPin::refuseFrameDrags(QWidget* window)
{
    new FrameDragRefusal(window);
}
