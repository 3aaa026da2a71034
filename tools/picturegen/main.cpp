// Draws every picture of the game and writes it, in its stored format, under the folder given on
// the command line (the repository's assets/ folder):
//   pictures/  the pictures built into the program
//   icons/hicolor/<size>x<size>/apps/telmaronda.png  the program's icon for desktop menus
// The output depends on nothing but this program, so a rebuild gives the same bytes.
#include "drawing.h"
#include "iconwriter.h"

#include <cstdio>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

namespace {

enum class Format { Bmp, Jpeg, ProgressiveJpeg };

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

    // Right pictures: six JPEG and six BMP, in the format each word's picture has always had.
    constexpr Format rightFormats[12]
        = {Format::Jpeg, Format::Bmp, Format::Jpeg, Format::Bmp, Format::Bmp, Format::Bmp,
            Format::Bmp, Format::Jpeg, Format::Bmp, Format::Jpeg, Format::Jpeg, Format::Jpeg};
    for (int word = 1; word <= 12; ++word) {
        const Format format = rightFormats[word - 1];
        const QString name
            = QStringLiteral("right%1.%2")
                  .arg(word, 2, 10, QLatin1Char('0'))
                  .arg(format == Format::Bmp ? QLatin1String("bmp") : QLatin1String("jpg"));
        ok &= save(pictures + u'/' + name, encode(Drawing::rightPicture(word), format));
    }
    ok &= save(pictures + QLatin1String("/wrong.bmp"), encode(Drawing::titleCard(), Format::Bmp));
    ok &= save(pictures + QLatin1String("/image37.jpg"),
        encode(Drawing::decoration(37), Format::ProgressiveJpeg));
    ok &= save(
        pictures + QLatin1String("/image38.jpg"), encode(Drawing::decoration(38), Format::Jpeg));
    ok &= save(
        pictures + QLatin1String("/image39.jpg"), encode(Drawing::decoration(39), Format::Jpeg));
    ok &= save(pictures + QLatin1String("/flag.bmp"), encode(Drawing::flag(), Format::Bmp));

    const QList<QRgb> standard = IconWriter::standardPalette();
    ok &= save(pictures + QLatin1String("/close.ico"),
        IconWriter::icon(
            {{Drawing::closeSymbol(32), standard}, {Drawing::closeSymbol(16), standard}}));
    ok &= save(pictures + QLatin1String("/hand.cur"),
        IconWriter::cursor({Drawing::hand(), standard}, QPoint(12, 1)));
    using Drawing::IconStyle;
    ok &= save(pictures + QLatin1String("/telmaronda.ico"),
        IconWriter::icon(
            {{Drawing::applicationIcon(32, IconStyle::Monochrome), IconWriter::monochromePalette()},
                {Drawing::applicationIcon(32, IconStyle::SixteenColours), standard},
                {Drawing::applicationIcon(16, IconStyle::SixteenColours), standard}}));

    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage icon = Drawing::applicationIcon(size, IconStyle::Smooth);
        ok &= save(
            out.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/telmaronda.png").arg(size)),
            png(icon));
    }
    return ok ? 0 : 1;
}
