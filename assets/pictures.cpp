#include "assets/pictures.h"

#include "assets/iconfile.h"

#include <array>
#include <map>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QTimer>

namespace Pictures {

namespace {

QString resource(QLatin1String name)
{
    return QLatin1String(":/pictures/") + name;
}

QPixmap decode(const QString& path)
{
    QImageReader reader(path);
    return QPixmap::fromImage(reader.read());
}

// The wrong picture of the window being built. Every holder of that window gets this one
// pixmap; it is let go as soon as the event loop runs again, so it lives only as long as the
// window that holds it.
QPixmap& wrongPictureInUse()
{
    static QPixmap picture;
    return picture;
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

// An icon from a file holding several images. Where the file holds the same size twice, the
// image with more colours wins.
QIcon iconFrom(const QString& path)
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
    QIcon icon;
    QImageReader reader(path);
    for (const auto& [size, index] : best) {
        if (reader.jumpToImage(index))
            icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

QPixmap rightPicture(int word)
{
    static constexpr std::array<const char*, 12> names = {"right01.jpg", "right02.bmp",
        "right03.jpg", "right04.bmp", "right05.bmp", "right06.bmp", "right07.bmp", "right08.jpg",
        "right09.bmp", "right10.jpg", "right11.jpg", "right12.jpg"};
    if (word < 1 || word > 12)
        return {};
    return decode(resource(QLatin1String(names[word - 1])));
}

QPixmap wrongPicture()
{
    QPixmap& picture = wrongPictureInUse();
    if (picture.isNull()) {
        picture = decode(resource(QLatin1String("wrong.bmp")));
        if (auto* app = QCoreApplication::instance())
            QTimer::singleShot(0, app, [] { wrongPictureInUse() = QPixmap(); });
    }
    return picture;
}

QPixmap decoration(int image)
{
    switch (image) {
    case 37:
        return decode(resource(QLatin1String("image37.jpg")));
    case 38:
        return decode(resource(QLatin1String("image38.jpg")));
    case 39:
        return decode(resource(QLatin1String("image39.jpg")));
    default:
        return {};
    }
}

QPixmap flag()
{
    return decode(resource(QLatin1String("flag.bmp")));
}

QIcon closePicture()
{
    return iconFrom(resource(QLatin1String("close.ico")));
}

QCursor handCursor()
{
    const QString path = resource(QLatin1String("hand.cur"));
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
    return iconFrom(resource(QLatin1String("telmaronda.ico")));
}

} // namespace Pictures
