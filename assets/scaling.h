// SPDX-License-Identifier: GPL-3.0-or-later
// How the game fits a picture to its box: smoothly, averaging areas when it shrinks, width and
// height apart. Written once: every picture control scales with it, and the copies the build
// scales ahead (tools/prescale) must be the very pixels the program would otherwise scale while it
// runs.
#pragma once

#include <QImage>

namespace Pictures {

// For a QImage or a QPixmap.
template <typename Picture> Picture scaledToBox(const Picture& picture, QSize devicePixels)
{
    return picture.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace Pictures
