// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings behind every picture of the game. Each function paints one picture at its stored
// size; the same input always gives the same pixels.
#pragma once

#include <QImage>

namespace Drawing {

QImage rightPicture(int word); // word 1-12
QImage titleCard(); // the shared wrong picture
QImage decoration(int image); // 37-39, already in black and white
QImage flag();
QImage closeSymbol(int size); // 32 or 16, in the 16 standard colours, transparent around
QImage hand(); // 32 x 32, in the 16 standard colours, transparent around

enum class IconStyle {
    Monochrome, // black and white only, hard edges
    SixteenColours, // standard colours only, hard edges
    Smooth, // full colour, antialiased
};
QImage applicationIcon(int size, IconStyle style);

} // namespace Drawing
