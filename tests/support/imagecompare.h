// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots compared with reference pictures, pixel by pixel, with a tolerance for the small
// differences of anti-aliasing but none for a control that moved.
#pragma once

#include <QImage>
#include <QString>

namespace ImageCompare {

struct Result {
    qsizetype differing = 0; // pixels differing by more than the tolerance
    int largest = 0; // the largest difference of a channel
    // The most differing pixels in one tile, and that tile's top-left corner.
    int tileMost = 0;
    QPoint tileAt;
    QImage map; // the reference in grey, differing pixels in magenta
    bool matches = false;
    // What differs, for a failure message.
    QString description;
};

// Both pictures in QImage::Format_RGB32, of the same size.
Result compare(const QImage& actual, const QImage& reference);

// The Qt version a reference was drawn with is kept in the picture: Qt's own drawing of frames and
// check boxes changes between minor versions, so a reference only holds for the one it names.
void markDrawnByThisQt(QImage& reference);
bool drawnByThisQt(const QImage& reference);
QString drawnBy(const QImage& reference);

} // namespace ImageCompare
