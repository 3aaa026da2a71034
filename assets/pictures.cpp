// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

#include "assets/iconfile.h"
#include "assets/picturelist.h"
#include "assets/scaling.h"

#include <map>
#include <QFile>
#include <QImageReader>

namespace Pictures {

namespace {

QString resource(const PictureList::Entry& entry)
{
    return QLatin1String(":/pictures/") + QLatin1String(entry.file);
}

const char* formatName(PictureList::Format format)
{
    switch (format) {
    case PictureList::Format::Bmp:
        return "bmp";
    case PictureList::Format::Jpeg:
    case PictureList::Format::ProgressiveJpeg:
        return "jpeg";
    case PictureList::Format::Icon:
        return "ico";
    case PictureList::Format::Cursor:
        return "cur";
    }
    return nullptr;
}

// A picture read in the format the list gives it, so that Qt need not probe for one.
QImage read(const QString& path, PictureList::Format format)
{
    QImageReader reader(path, formatName(format));
    return reader.read();
}

QPixmap decode(const PictureList::Entry& entry)
{
    return QPixmap::fromImage(read(resource(entry), entry.format));
}

const PictureList::Decoration* decorationEntry(int image)
{
    const int index = image - PictureList::FirstDecoration;
    if (index < 0 || index >= int(PictureList::Decorations.size()))
        return nullptr;
    return &PictureList::Decorations[index];
}

// How many colours an icon image has, from its directory entry.
int depthOf(const IconFile::Entry& entry)
{
    if (entry.bitsPerPixel > 0)
        return entry.bitsPerPixel;
    switch (entry.colours) {
    case 2:
        return 1;
    case 16:
        return 4;
    case 0:
        return 32;
    default:
        return 8;
    }
}

// The images of an icon file, one per size: where the file holds the same size twice, the image
// with more colours wins.
std::map<std::pair<int, int>, QImage> iconImages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto directory = IconFile::readDirectory(file.readAll());
    if (!directory)
        return {};
    std::map<std::pair<int, int>, int> best; // size -> index of its deepest image
    for (int i = 0; i < directory->entries.size(); ++i) {
        const IconFile::Entry& entry = directory->entries[i];
        const std::pair key(entry.size.width(), entry.size.height());
        const auto found = best.find(key);
        if (found == best.end() || depthOf(directory->entries[found->second]) < depthOf(entry))
            best[key] = i;
    }
    std::map<std::pair<int, int>, QImage> images;
    QImageReader reader(path);
    for (const auto& [size, index] : best) {
        if (reader.jumpToImage(index))
            images[size] = reader.read();
    }
    return images;
}

} // namespace

QPixmap rightPicture(int word)
{
    if (word < 1 || word > int(PictureList::RightPictures.size()))
        return {};
    return decode(PictureList::RightPictures[word - 1]);
}

QPixmap wrongPicture()
{
    return decode(PictureList::WrongPicture);
}

QPixmap decoration(int image)
{
    const PictureList::Decoration* entry = decorationEntry(image);
    return entry ? decode(entry->stored) : QPixmap();
}

QPixmap decoration(int image, QSize devicePixels)
{
    const PictureList::Decoration* entry = decorationEntry(image);
    if (!entry)
        return {};
    // The copy scaled ahead serves only the size it was made for.
    QImageReader scaledAhead(QLatin1String(":/scaled/") + QLatin1String(entry->scaledAhead), "bmp");
    if (scaledAhead.size() == devicePixels)
        return QPixmap::fromImage(scaledAhead.read());
    return QPixmap::fromImage(
        scaledToBox(read(resource(entry->stored), entry->stored.format), devicePixels));
}

QPixmap flag()
{
    return decode(PictureList::Flag);
}

QPixmap closePicture()
{
    const auto images = iconImages(resource(PictureList::CloseSymbol));
    const auto found = images.find({32, 32});
    return found == images.end() ? QPixmap() : QPixmap::fromImage(found->second);
}

QCursor handCursor()
{
    const QString path = resource(PictureList::HandCursor);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::PointingHandCursor);
    const auto directory = IconFile::readDirectory(file.readAll());
    QImageReader reader(path);
    const QImage image = reader.read();
    if (!directory || directory->kind != IconFile::Kind::Cursor || image.isNull())
        return QCursor(Qt::PointingHandCursor);
    const QPoint hotspot = directory->entries.constFirst().hotspot;
    return QCursor(QPixmap::fromImage(image), hotspot.x(), hotspot.y());
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const auto& [size, image] : iconImages(resource(PictureList::ApplicationIcon)))
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace Pictures
