// SPDX-License-Identifier: GPL-3.0-or-later
// Under Wine an X window manager draws the frame, and Wine tells the program of a minimise only
// where the window has a minimise button.
#include "ui/widgets/frame.h"

#include <qt_windows.h>

bool Frame::minimiseNeedsButton()
{
    // Wine's own function, which Windows' ntdll does not have.
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    return wine;
}
