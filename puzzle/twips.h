// SPDX-License-Identifier: GPL-3.0-or-later
// Screen measures of the game are written in twips (1440 per inch): the grid's cells here, the
// windows' controls and the boxes the pictures are shown in. This is the one place where they turn
// into Qt's logical pixels; Qt scales logical pixels for high-density screens.
#pragma once

#include <QRect>

namespace Twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return twips / PerPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

constexpr QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

struct Box {
    int left;
    int top;
    int width;
    int height;

    constexpr QRect pixels() const { return rect(left, top, width, height); }
};

} // namespace Twips
