// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/frame.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace Frame {

namespace {

bool underWine()
{
#ifdef Q_OS_WIN
    // Wine's own function, which Windows' ntdll does not have.
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    return wine;
#else
    return false;
#endif
}

} // namespace

Qt::WindowFlags titleAndCloseOnly(Qt::WindowType type)
{
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (underWine())
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace Frame
