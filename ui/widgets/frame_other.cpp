// SPDX-License-Identifier: GPL-3.0-or-later
// Elsewhere the window system tells the program of a minimise whatever the frame's buttons.
#include "ui/widgets/frame.h"

bool Frame::minimiseNeedsButton()
{
    return false;
}
