// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/credits/windowpin.h"

#include "ui/widgets/frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

WindowPin::WindowPin(QWidget* window)
    : QObject(window)
    , m_window(window)
{
#ifdef Q_OS_WIN
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

WindowPin::~WindowPin()
{
#ifdef Q_OS_WIN
    QCoreApplication::instance()->removeNativeEventFilter(this);
#endif
}

bool WindowPin::nativeEventFilter(const QByteArray&, void* message, qintptr* result)
{
#ifdef Q_OS_WIN
    // A drag of the title bar or of the frame, and Move or Size in the window menu. (A minimise or
    // a maximise goes through, to be undone like any other: under Wine the X window manager has
    // carried it out already when the command arrives.)
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND || !m_window->windowHandle()
        || msg->hwnd != reinterpret_cast<HWND>(m_window->windowHandle()->winId()))
        return false;
    switch (msg->wParam & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
        *result = 0;
        return true;
    default:
        return false;
    }
#else
    static_cast<void>(message);
    static_cast<void>(result);
    return false;
#endif
}

void WindowPin::pin(QWidget* window)
{
    window->setWindowFlags(Frame::titleAndCloseOnly(Qt::Window));
    window->installEventFilter(new WindowPin(window));
}

bool WindowPin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        // The window system has placed the window by the time it is first drawn.
        if (!m_pinned) {
            m_pinned = true;
            m_placed = m_window->pos();
            m_size = m_window->size();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_pinned && (m_window->pos() != m_placed || m_window->size() != m_size))
            m_restore.request();
        break;
    case QEvent::WindowStateChange:
        if (m_window->windowState()
            & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
            m_restore.request();
        break;
    default:
        break;
    }
    return false;
}

void WindowPin::restore()
{
    if (!m_window->isVisible() && !m_window->isMinimized())
        return;
    if (m_window->windowState() != Qt::WindowNoState)
        m_window->showNormal();
    if (m_pinned && m_window->size() != m_size)
        m_window->resize(m_size);
    if (m_pinned && m_window->pos() != m_placed)
        m_window->move(m_placed);
}
