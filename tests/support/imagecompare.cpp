// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/imagecompare.h"

#include <algorithm>
#include <cstdlib>
#include <QList>
#include <QVersionNumber>

namespace ImageCompare {

namespace {

// Per channel, a pixel may differ from its reference by this many counts before it counts as
// differing. A picture differs when more than a small share of all its pixels do, or when the
// differing pixels gather in one place: a control moved by one pixel changes only a few hundred
// pixels of the window, but all of them along its edges.
constexpr int ChannelTolerance = 8;
constexpr double DifferingShare = 0.005;
constexpr int Tile = 16;
constexpr int DifferingPerTile = Tile * Tile / 16;

const QString QtVersionKey = QStringLiteral("Qt");

} // namespace

Result compare(const QImage& actual, const QImage& reference)
{
    Result result;
    result.map = reference.convertToFormat(QImage::Format_Grayscale8)
                     .convertToFormat(QImage::Format_RGB32);
    const int tilesAcross = (actual.width() + Tile - 1) / Tile;
    QList<int> tiles(tilesAcross * ((actual.height() + Tile - 1) / Tile), 0);
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
        auto* m = reinterpret_cast<QRgb*>(result.map.scanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int difference = std::max({std::abs(qRed(a[x]) - qRed(r[x])),
                std::abs(qGreen(a[x]) - qGreen(r[x])), std::abs(qBlue(a[x]) - qBlue(r[x]))});
            result.largest = std::max(result.largest, difference);
            if (difference > ChannelTolerance) {
                ++result.differing;
                const int tile = y / Tile * tilesAcross + x / Tile;
                if (++tiles[tile] > result.tileMost) {
                    result.tileMost = tiles[tile];
                    result.tileAt = QPoint(x / Tile * Tile, y / Tile * Tile);
                }
                m[x] = qRgb(255, 0, 255);
            } else {
                // Matching pixels fade, so the differing ones stand out.
                const int grey = 160 + qGray(m[x]) * 95 / 255;
                m[x] = qRgb(grey, grey, grey);
            }
        }
    }
    const qsizetype allowed = qsizetype(DifferingShare * actual.width() * actual.height());
    result.matches = result.differing <= allowed && result.tileMost <= DifferingPerTile;
    result.description = QStringLiteral("%1 pixels differ by more than %2 counts (at most %3 may), "
                                        "%4 of them in the %5x%5 tile at %6,%7 (at most %8 may); "
                                        "largest difference %9")
                             .arg(result.differing)
                             .arg(ChannelTolerance)
                             .arg(allowed)
                             .arg(result.tileMost)
                             .arg(Tile)
                             .arg(result.tileAt.x())
                             .arg(result.tileAt.y())
                             .arg(DifferingPerTile)
                             .arg(result.largest);
    return result;
}

void markDrawnByThisQt(QImage& reference)
{
    reference.setText(QtVersionKey, QString::fromLatin1(qVersion()));
}

QString drawnBy(const QImage& reference)
{
    return reference.text(QtVersionKey);
}

bool drawnByThisQt(const QImage& reference)
{
    const QVersionNumber drawn = QVersionNumber::fromString(drawnBy(reference));
    const QVersionNumber running = QVersionNumber::fromString(QLatin1String(qVersion()));
    return drawn.majorVersion() == running.majorVersion()
        && drawn.minorVersion() == running.minorVersion();
}

} // namespace ImageCompare
