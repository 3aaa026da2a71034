// SPDX-License-Identifier: GPL-3.0-or-later
// Elsewhere the window system draws the frame and the pin undoes what a drag did.
#include "ui/credits/windowpin.h"

void WindowPin::refuseFrameDrags(QWidget*)
{ }
