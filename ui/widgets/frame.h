// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of a window that the player may neither minimise, maximise nor resize.
#pragma once

#include <Qt>

class QWidget;

namespace Frame {

// A title, the window menu and a close button.
inline constexpr Qt::WindowFlags TitleAndClose = Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// That frame, for a window of this type (Qt::Window or Qt::Dialog), with what the platform needs
// besides (frame_win.cpp, frame_other.cpp).
Qt::WindowFlags titleAndCloseOnly(Qt::WindowType type);

} // namespace Frame
