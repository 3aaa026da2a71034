// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crossword/modalkeeper.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

ModalKeeper::ModalKeeper(QWidget* box, QWidget* blocked)
    : QObject(box)
    , m_box(box)
    , m_blocked(blocked)
{ }

void ModalKeeper::keep(QWidget* box, QWidget* blocked)
{
    // A frame with a title and a close button, without minimise and maximise buttons.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The keeper goes with the box, and Qt forgets a filter that is gone.
    auto* keeper = new ModalKeeper(box, blocked);
    box->installEventFilter(keeper);
    blocked->installEventFilter(keeper);
}

bool ModalKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box) {
        if (event->type() == QEvent::WindowStateChange && m_box->isMinimized())
            m_bringBack.request();
        else if (event->type() == QEvent::WindowActivate)
            m_reshown = false;
    } else if (event->type() == QEvent::WindowActivate && m_box->isVisible() && !m_reshown) {
        m_bringBack.request();
    }
    return false;
}

void ModalKeeper::bringBack()
{
    if ((!m_box->isVisible() && !m_box->isMinimized()) || m_box->isActiveWindow())
        return;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        m_reshown = true;
        m_box->hide();
        m_box->show();
        return;
    }
    if (m_box->isMinimized())
        m_box->showNormal();
    m_box->raise();
    m_box->activateWindow();
}
