// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/frame.h"

#include <qt_windows.h>

Qt::WindowFlags Frame::titleAndCloseOnly(Qt::WindowType type)
{
    // Under Wine an X window manager draws the frame, with buttons of its own, and Wine tells the
    // program of a minimise only where the window has a minimise button: there the window asks for
    // one, so that a minimise reaches it and can be undone. Windows' ntdll has no wine_get_version.
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    return type | TitleAndClose | (wine ? Qt::WindowMinimizeButtonHint : Qt::WindowFlags());
}
