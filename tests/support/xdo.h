// SPDX-License-Identifier: GPL-3.0-or-later
// For tests on a real X server: xdotool does what a user's mouse and keyboard would, and reads
// windows by their titles.
#pragma once

#include <QMargins>
#include <QRect>
#include <QStringList>

namespace Xdo {

// Whether xdotool is installed.
bool available();

// Runs xdotool with these arguments; its standard output, or an empty string where it failed.
QString run(const QStringList& arguments);
bool succeeds(const QStringList& arguments);

// Moves the mouse to a point of the screen and clicks its left button, `times` times in a row.
bool click(const QPoint& at, int times = 1);

// Types word N's answer with an Enter after each letter, `delay` milliseconds apart; with 0 they
// all reach the X server at once.
bool typeAnswer(int word, int delay);

// The X window id of the visible window with exactly this title, or an empty string.
QString windowNamed(const QString& title);

// A window's client area on the screen: where the window's own drawing starts and its size.
QRect geometry(const QString& window);

// The frame the window manager has put round a window (xprop's _NET_FRAME_EXTENTS); null until the
// window manager has told.
QMargins frameExtents(const QString& window);

// The buttons the window manager has drawn in a window's title bar, left to right, where the X
// server has them: the square windows of its frame above the window and right of its middle.
QList<QRect> frameButtons(const QString& window);

} // namespace Xdo
