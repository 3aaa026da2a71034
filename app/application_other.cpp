// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

std::vector<const char*> QtCommandLine::platformOptions()
{
    return {};
}
