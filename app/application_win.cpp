// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

std::vector<const char*> QtCommandLine::platformOptions()
{
    // Text drawn with FreeType, as on Linux, not with GDI.
    return {"-platform", "windows:fontengine=freetype"};
}
