// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the game and writes it, in its stored format, under the folder given on
// the command line (the repository's assets/ folder):
//   pictures/  the pictures built into the program
//   icons/hicolor/<size>x<size>/apps/telmaronda.png  the program's icon for desktop menus and the
//                                                    browser page installed as an app
// The output depends on nothing but this program, so a rebuild gives the same bytes.
#include "assets/picturelist.h"
#include "tools/picturegen/drawing.h"
#include "tools/picturegen/iconwriter.h"

#include <cstdio>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

namespace {

using PictureList::Format;

QByteArray encode(const QImage& image, Format format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == Format::Bmp ? "bmp" : "jpeg");
    if (format != Format::Bmp) {
        writer.setQuality(88);
        writer.setOptimizedWrite(true);
        writer.setProgressiveScanWrite(format == Format::ProgressiveJpeg);
    }
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return {};
    return bytes;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(100); // Qt 6 takes 0 (none) to 100 (smallest file) here
    if (!writer.write(image))
        return {};
    return bytes;
}

bool save(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A file under its listed name.
bool save(const QString& folder, const PictureList::Entry& entry, const QByteArray& bytes)
{
    return save(folder + u'/' + QLatin1String(entry.file), bytes);
}

// A picture in its listed format.
bool save(const QString& folder, const PictureList::Entry& entry, const QImage& image)
{
    return save(folder, entry, encode(image, entry.format));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: picturegen <assets folder>\n");
        return 2;
    }
    const QDir out(arguments.at(1));
    const QString pictures = out.filePath(QStringLiteral("pictures"));
    bool ok = true;

    for (int word = 1; word <= int(PictureList::RightPictures.size()); ++word)
        ok &= save(pictures, PictureList::RightPictures[word - 1], Drawing::rightPicture(word));
    ok &= save(pictures, PictureList::WrongPicture, Drawing::titleCard());
    for (int index = 0; index < int(PictureList::Decorations.size()); ++index)
        ok &= save(pictures, PictureList::Decorations[index].stored,
            Drawing::decoration(PictureList::FirstDecoration + index));
    ok &= save(pictures, PictureList::Flag, Drawing::flag());

    const QList<QRgb> standard = IconWriter::standardPalette();
    ok &= save(pictures, PictureList::CloseSymbol,
        IconWriter::icon(
            {{Drawing::closeSymbol(32), standard}, {Drawing::closeSymbol(16), standard}}));
    ok &= save(pictures, PictureList::HandCursor,
        IconWriter::cursor({Drawing::hand(), standard}, QPoint(12, 1)));
    using Drawing::IconStyle;
    ok &= save(pictures, PictureList::ApplicationIcon,
        IconWriter::icon(
            {{Drawing::applicationIcon(32, IconStyle::Monochrome), IconWriter::monochromePalette()},
                {Drawing::applicationIcon(32, IconStyle::SixteenColours), standard},
                {Drawing::applicationIcon(16, IconStyle::SixteenColours), standard}}));

    for (const int size : {16, 22, 24, 32, 48, 64, 128, 192, 256, 512}) {
        QImage icon = Drawing::applicationIcon(size, IconStyle::Smooth);
        ok &= save(
            out.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/telmaronda.png").arg(size)),
            png(icon));
    }
    return ok ? 0 : 1;
}
