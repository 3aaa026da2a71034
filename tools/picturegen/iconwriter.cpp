// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/picturegen/iconwriter.h"

#include <limits>
#include <stdexcept>

namespace IconWriter {

namespace {

void put8(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
}

void put16(QByteArray& out, int value)
{
    put8(out, value);
    put8(out, value >> 8);
}

void put32(QByteArray& out, quint32 value)
{
    put16(out, static_cast<int>(value & 0xffff));
    put16(out, static_cast<int>(value >> 16));
}

int bitsFor(const QList<QRgb>& palette)
{
    if (palette.size() == 2)
        return 1;
    if (palette.size() == 16)
        return 4;
    throw std::invalid_argument("an icon palette holds 2 or 16 colours");
}

int nearest(const QList<QRgb>& palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// The image as stored: information header with doubled height, palette, colour bits and mask,
// both bottom-up with rows padded to four bytes.
QByteArray bitmap(const Image& entry)
{
    const QImage image = entry.image.convertToFormat(QImage::Format_ARGB32);
    const int bits = bitsFor(entry.palette);
    const int width = image.width();
    const int height = image.height();
    if (width < 1 || height < 1 || width > 256 || height > 256)
        throw std::invalid_argument("icon images are 1 to 256 pixels wide and high");
    const int colourRow = rowBytes(width, bits);
    const int maskRow = rowBytes(width, 1);

    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<quint32>(width));
    put32(out, static_cast<quint32>(height * 2));
    put16(out, 1);
    put16(out, bits);
    put32(out, 0); // uncompressed
    put32(out, static_cast<quint32>((colourRow + maskRow) * height));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (const QRgb colour : entry.palette) {
        put8(out, qBlue(colour));
        put8(out, qGreen(colour));
        put8(out, qRed(colour));
        put8(out, 0);
    }

    QByteArray colours(colourRow * height, '\0');
    QByteArray mask(maskRow * height, '\0');
    for (int y = 0; y < height; ++y) {
        const int stored = height - 1 - y;
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) < 128) {
                // Transparent: colour 0 under a set mask bit leaves the screen as it is.
                mask[stored * maskRow + x / 8] |= static_cast<char>(0x80 >> (x % 8));
                continue;
            }
            const int index = nearest(entry.palette, line[x]);
            const int pixelsPerByte = 8 / bits;
            const int shift = (pixelsPerByte - 1 - x % pixelsPerByte) * bits;
            colours[stored * colourRow + x / pixelsPerByte] |= static_cast<char>(index << shift);
        }
    }
    out.append(colours);
    out.append(mask);
    return out;
}

QByteArray file(int type, const QList<Image>& images, QPoint hotspot)
{
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<int>(images.size()));
    QList<QByteArray> bitmaps;
    for (const Image& entry : images)
        bitmaps.append(bitmap(entry));

    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const Image& entry = images[i];
        put8(out, entry.image.width() % 256);
        put8(out, entry.image.height() % 256);
        put8(out, static_cast<int>(entry.palette.size()));
        put8(out, 0);
        if (type == 2) {
            put16(out, hotspot.x());
            put16(out, hotspot.y());
        } else {
            put16(out, 1);
            put16(out, bitsFor(entry.palette));
        }
        put32(out, static_cast<quint32>(bitmaps[i].size()));
        put32(out, offset);
        offset += static_cast<quint32>(bitmaps[i].size());
    }
    for (const QByteArray& data : bitmaps)
        out.append(data);
    return out;
}

} // namespace

QList<QRgb> standardPalette()
{
    return {qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0), qRgb(0, 0, 128),
        qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128),
        qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255),
        qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QList<QRgb> monochromePalette()
{
    return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
}

QByteArray icon(const QList<Image>& images)
{
    return file(1, images, {});
}

QByteArray cursor(const Image& image, QPoint hotspot)
{
    return file(2, {image}, hotspot);
}

} // namespace IconWriter
