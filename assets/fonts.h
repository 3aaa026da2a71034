// SPDX-License-Identifier: GPL-3.0-or-later
// The game's typefaces, bundled with the program so that it looks the same on every machine.
#pragma once

#include <QFont>

namespace Fonts {

// Each function hands its bundled face to Qt the first time a font of that face is asked for, so
// any font they return is found by family from then on. Call them once a QGuiApplication exists.

// Stands in for "Arial Rounded MT Bold": a rounded face, asked for in bold by weight.
QFont rounded(qreal points, QFont::Weight weight = QFont::Bold);
// Stands in for "MS Sans Serif", the default face of captions and labels.
QFont sansSerif(qreal points, QFont::Weight weight = QFont::Normal);

// Where fontconfig keeps Qt's catalogue of fonts (fonts_fontconfig.cpp), gives Qt one of the
// program's own; elsewhere does nothing. The functions above call it first.
void useOwnCatalogue();

} // namespace Fonts
