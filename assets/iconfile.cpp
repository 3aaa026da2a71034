// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/iconfile.h"

namespace IconFile {

namespace {

int byteAt(QByteArrayView file, qsizetype at)
{
    return static_cast<unsigned char>(file[at]);
}

int word(QByteArrayView file, qsizetype at)
{
    return byteAt(file, at) | byteAt(file, at + 1) << 8;
}

} // namespace

std::optional<Directory> readDirectory(QByteArrayView file)
{
    constexpr qsizetype HeaderSize = 6;
    constexpr qsizetype EntrySize = 16;
    if (file.size() < HeaderSize || word(file, 0) != 0)
        return std::nullopt;
    const int type = word(file, 2);
    if (type != int(Kind::Icon) && type != int(Kind::Cursor))
        return std::nullopt;
    const int count = word(file, 4);
    if (count == 0 || file.size() < HeaderSize + EntrySize * count)
        return std::nullopt;

    Directory directory;
    directory.kind = Kind(type);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = HeaderSize + EntrySize * i;
        Entry entry;
        // A stored 0 stands for 256 pixels.
        entry.size = QSize(byteAt(file, at) ? byteAt(file, at) : 256,
            byteAt(file, at + 1) ? byteAt(file, at + 1) : 256);
        entry.colours = byteAt(file, at + 2);
        if (directory.kind == Kind::Cursor)
            entry.hotspot = QPoint(word(file, at + 4), word(file, at + 6));
        else
            entry.bitsPerPixel = word(file, at + 6);
        directory.entries.append(entry);
    }
    return directory;
}

} // namespace IconFile
