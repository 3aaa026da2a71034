// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/fonts.h"

void Fonts::useOwnCatalogue()
{ }
