// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a top-level window where the window system placed it and as it was shown: a move, a
// minimise or a maximise by the user is undone at once. The window asks the window manager for a
// frame without minimise and maximise buttons as well; a window manager still moves a window on
// request, and some iconify one whatever its buttons, so the pin undoes what gets through.
#pragma once

#include <QObject>
#include <QPoint>

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

    QWidget* m_window;
    // Where the window stood when it was first drawn, once the window system had placed it.
    QPoint m_placed;
    bool m_pinned = false;
    bool m_restorePending = false;
};
