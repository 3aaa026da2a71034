// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/credits/windowpin.h"

#include "ui/widgets/frame.h"

#include <QEvent>
#include <QWidget>

WindowPin::WindowPin(QWidget* window)
    : QObject(window)
    , m_window(window)
{ }

void WindowPin::pin(QWidget* window)
{
    window->setWindowFlags(Frame::titleAndCloseOnly(Qt::Window));
    window->installEventFilter(new WindowPin(window));
    refuseFrameDrags(window);
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
        // The window system's moves are the player's; the program's own are sent directly.
        if (m_pinned && !event->spontaneous()) {
            m_placed = m_window->pos();
            break;
        }
        [[fallthrough]];
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
