// SPDX-License-Identifier: GPL-3.0-or-later
// Where fontconfig keeps no catalogue of fonts (Windows, the browser), the platform's stays.
#include "assets/fonts.h"

void Fonts::useOwnCatalogue()
{ }
