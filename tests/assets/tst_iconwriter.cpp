// SPDX-License-Identifier: GPL-3.0-or-later
// The icon and cursor writer: what it writes, Qt's own reader reads back pixel for pixel; and the
// directory reader, which must refuse what is not a whole directory.
#include "assets/iconfile.h"
#include "tools/picturegen/iconwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>

namespace {

// A pattern of palette colours with a transparent diagonal band.
QImage pattern(QSize size, const QList<QRgb>& palette)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool transparent = (x + 2 * y) % 7 == 3;
            const QRgb colour = palette[(x * 3 + y * 5) % palette.size()];
            image.setPixel(x, y, transparent ? qRgba(0, 0, 0, 0) : colour);
        }
    return image;
}

QList<QImage> readAll(const QByteArray& file, QByteArray format)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

void compareImages(const QImage& read, const QImage& written)
{
    QCOMPARE(read.size(), written.size());
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x) {
            const QRgb expected = written.pixel(x, y);
            const QRgb actual = read.pixel(x, y);
            QCOMPARE(qAlpha(actual), qAlpha(expected));
            if (qAlpha(expected) == 255)
                QCOMPARE(actual, expected);
        }
}

} // namespace

class IconWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iconReadsBack_data();
    void iconReadsBack();
    void cursorReadsBack();
    void offPaletteColoursTakeTheNearest();
    void directoryRefusesBrokenFiles_data();
    void directoryRefusesBrokenFiles();
};

void IconWriterTest::iconReadsBack_data()
{
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<bool>("monochrome");
    QTest::newRow("16 colours, 32 and 16") << QList<QSize> {{32, 32}, {16, 16}} << false;
    QTest::newRow("16 colours, rows needing padding") << QList<QSize> {{13, 7}, {3, 5}} << false;
    QTest::newRow("2 colours") << QList<QSize> {{32, 32}, {17, 9}} << true;
}

void IconWriterTest::iconReadsBack()
{
    QFETCH(QList<QSize>, sizes);
    QFETCH(bool, monochrome);
    const QList<QRgb> palette
        = monochrome ? IconWriter::monochromePalette() : IconWriter::standardPalette();
    QList<IconWriter::Image> images;
    for (const QSize& size : sizes)
        images.append({pattern(size, palette), palette});

    const QByteArray file = IconWriter::icon(images);
    const QList<QImage> read = readAll(file, "ico");
    QCOMPARE(read.size(), images.size());
    for (int i = 0; i < images.size(); ++i)
        compareImages(read[i], images[i].image);

    const auto directory = IconFile::readDirectory(file);
    QVERIFY(directory);
    QCOMPARE(directory->kind, IconFile::Kind::Icon);
    for (int i = 0; i < images.size(); ++i) {
        QCOMPARE(directory->entries[i].size, sizes[i]);
        QCOMPARE(directory->entries[i].bitsPerPixel, monochrome ? 1 : 4);
    }
}

void IconWriterTest::cursorReadsBack()
{
    const QList<QRgb> palette = IconWriter::standardPalette();
    const QImage image = pattern(QSize(32, 32), palette);
    const QByteArray file = IconWriter::cursor({image, palette}, QPoint(12, 1));
    const QList<QImage> read = readAll(file, "cur");
    QCOMPARE(read.size(), 1);
    compareImages(read[0], image);

    const auto directory = IconFile::readDirectory(file);
    QVERIFY(directory);
    QCOMPARE(directory->kind, IconFile::Kind::Cursor);
    QCOMPARE(directory->entries.size(), 1);
    QCOMPARE(directory->entries[0].hotspot, QPoint(12, 1));
}

void IconWriterTest::offPaletteColoursTakeTheNearest()
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(250, 10, 5)); // nearly red
    image.setPixel(1, 0, qRgba(200, 200, 200, 100)); // mostly transparent
    const QList<QImage> read
        = readAll(IconWriter::icon({{image, IconWriter::standardPalette()}}), "ico");
    QCOMPARE(read.size(), 1);
    QCOMPARE(read[0].pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(qAlpha(read[0].pixel(1, 0)), 0);
}

void IconWriterTest::directoryRefusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray whole = IconWriter::cursor(
        {pattern(QSize(8, 8), IconWriter::standardPalette()), IconWriter::standardPalette()},
        QPoint(1, 2));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << whole.left(6);
    QTest::newRow("entry cut short") << whole.left(21);
    QByteArray wrongType = whole;
    wrongType[2] = 3;
    QTest::newRow("neither icon nor cursor") << wrongType;
    QByteArray noImages = whole;
    noImages[4] = 0;
    QTest::newRow("no images") << noImages;
    QByteArray reserved = whole;
    reserved[0] = 1;
    QTest::newRow("reserved word set") << reserved;
    QTest::newRow("a bitmap") << QByteArray("BM\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 22);
}

void IconWriterTest::directoryRefusesBrokenFiles()
{
    QFETCH(QByteArray, file);
    QVERIFY(!IconFile::readDirectory(file));
}

QTEST_MAIN(IconWriterTest)
#include "tst_iconwriter.moc"
