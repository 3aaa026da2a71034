// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Windows icon (ICO) and cursor (CUR) files with palette images of 2 or 16 colours and a
// transparency mask, the classic formats that Qt's own ICO writer (32-bit only) cannot produce.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

namespace IconWriter {

struct Image {
    QImage image; // any size up to 256 x 256; pixels with alpha below 128 become transparent
    QList<QRgb> palette; // 2 colours (1 bit per pixel) or 16 colours (4 bits per pixel)
};

// The sixteen colours of the standard Windows palette.
QList<QRgb> standardPalette();
// Black and white, for 2-colour images.
QList<QRgb> monochromePalette();

// An icon file holding every image, in order. Opaque pixels take the nearest palette colour.
QByteArray icon(const QList<Image>& images);
// A cursor file holding one image, with its hotspot.
QByteArray cursor(const Image& image, QPoint hotspot);

} // namespace IconWriter
