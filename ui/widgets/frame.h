// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of a window that the player may neither minimise, maximise nor resize.
#pragma once

#include <Qt>

namespace Frame {

// A title, the window menu and a close button, for a window of this type (Qt::Window or
// Qt::Dialog). Where minimising reaches the program only through a minimise button (Windows
// programs under Wine, whose frame an X window manager draws, with buttons of its own), the
// window asks for one too, so that a minimise reaches it and can be undone.
Qt::WindowFlags titleAndCloseOnly(Qt::WindowType type);

// Whether minimising reaches the program only through a minimise button: frame_win.cpp asks
// whether the program runs under Wine; elsewhere, no.
bool minimiseNeedsButton();

} // namespace Frame
