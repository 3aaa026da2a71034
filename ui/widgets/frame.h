// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of a window that the player may neither minimise, maximise nor resize.
#pragma once

#include <Qt>

namespace Frame {

// A title, the window menu and a close button, for a window of this type (Qt::Window or
// Qt::Dialog). Under Wine an X window manager draws the frame, with buttons of its own, and Wine
// tells the program of a minimise only where the window has a minimise button: there the window
// asks for one, so that a minimise reaches it and can be undone.
Qt::WindowFlags titleAndCloseOnly(Qt::WindowType type);

} // namespace Frame
