// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/frame.h"

Qt::WindowFlags Frame::titleAndCloseOnly(Qt::WindowType type)
{
    return type | TitleAndClose;
}
