// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a modal box within the player's reach while it blocks its window, since a blocked window
// takes no key and no click: a minimise of the box is undone at once, and whenever the blocked
// window is activated (the player clicked it or its taskbar button, or a compositor raised it
// over the box) the box comes back on top of it with the keyboard focus. Under Wayland a window
// can neither raise nor focus itself, but a window newly shown gets both: there the box is shown
// afresh, so whoever shows it must not end its wait when the box is hidden (as exec() would).
#pragma once

#include "ui/queuedcall.h"

#include <QObject>

class QWidget;

class ModalKeeper : public QObject {
    Q_OBJECT
public:
    // Keeps `box` in reach over `blocked` for as long as the box lives; belongs to the box.
    static void keep(QWidget* box, QWidget* blocked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ModalKeeper(QWidget* box, QWidget* blocked);
    void bringBack();

    QWidget* m_box;
    QWidget* m_blocked;
    // Shown afresh and not yet given the focus: meanwhile the compositor may hand the focus to the
    // blocked window, which is no reason to show the box once more.
    bool m_reshown = false;
    // Made once the window system's event is over.
    QueuedCall m_bringBack {this, [this] { bringBack(); }};
};
