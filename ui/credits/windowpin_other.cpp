// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/credits/windowpin.h"

void WindowPin::refuseFrameDrags(QWidget*)
{
    // The window manager draws the frame; what gets through is undone.
}
