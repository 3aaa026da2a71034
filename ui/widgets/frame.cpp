// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/frame.h"

namespace Frame {

Qt::WindowFlags titleAndCloseOnly(Qt::WindowType type)
{
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimiseNeedsButton())
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace Frame
