// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the directory at the start of a Windows icon (ICO) or cursor (CUR) file: what images the
// file holds and, for a cursor, each image's hotspot, which Qt's own reader does not tell.
#pragma once

#include <optional>
#include <QByteArrayView>
#include <QList>
#include <QPoint>
#include <QSize>

namespace IconFile {

enum class Kind { Icon = 1, Cursor = 2 };

struct Entry {
    QSize size;
    int colours = 0; // as the directory states it; 0 means 256 or more
    int bitsPerPixel = 0; // icons only: the depth the directory states
    QPoint hotspot; // cursors only
};

struct Directory {
    Kind kind = Kind::Icon;
    QList<Entry> entries;
};

// The directory of `file`, or nothing when the bytes are not a whole icon or cursor directory.
std::optional<Directory> readDirectory(QByteArrayView file);

} // namespace IconFile
