// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures as they are built into the program: every file in its stored format and size, and
// what the picture module hands to the windows.
#include "assets/iconfile.h"
#include "assets/picturelist.h"
#include "assets/pictures.h"
#include "assets/scaling.h"
#include "puzzle/twips.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtTest>

namespace {

QByteArray embedded(const QString& name)
{
    QFile file(QStringLiteral(":/pictures/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 little(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

quint32 big16(const QByteArray& bytes, int at)
{
    return static_cast<unsigned char>(bytes.at(at)) << 8
        | static_cast<unsigned char>(bytes.at(at + 1));
}

// The bits per pixel of the icon image that directory entry `index` points to.
int storedBitsPerPixel(const QByteArray& file, int index)
{
    const int offset = int(little(file, 6 + 16 * index + 12, 4));
    if (little(file, offset, 4) != 40)
        return -1;
    return int(little(file, offset + 14, 2));
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedFormat_data();
    void storedFormat();
    void closePicture();
    void applicationIcon();
    void handCursor();
    void rightPicturesAllDiffer();
    void decorationsScaledAhead_data();
    void decorationsScaledAhead();
    void outOfRangeAsksGiveNothing();
};

void CatalogueTest::storedFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    const auto row = [](const PictureList::Entry& entry) {
        using PictureList::Format;
        const char* kind = entry.format == Format::Bmp ? "bmp"
            : entry.format == Format::ProgressiveJpeg  ? "progressive"
                                                       : "baseline";
        QTest::newRow(entry.file) << QString::fromLatin1(entry.file) << QString::fromLatin1(kind)
                                  << QSize(entry.width, entry.height);
    };
    for (const PictureList::Entry& entry : PictureList::RightPictures)
        row(entry);
    row(PictureList::WrongPicture);
    for (const PictureList::Decoration& decoration : PictureList::Decorations)
        row(decoration.stored);
    row(PictureList::Flag);
}

void CatalogueTest::storedFormat()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    const QByteArray bytes = embedded(file);
    QVERIFY2(bytes.size() > 64, qPrintable(file));

    if (kind == QLatin1String("bmp")) {
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(little(bytes, 2, 4), quint32(bytes.size()));
        QCOMPARE(little(bytes, 14, 4), 40u); // information header
        QCOMPARE(int(little(bytes, 18, 4)), size.width());
        QCOMPARE(int(little(bytes, 22, 4)), size.height()); // positive: rows bottom-up
        QCOMPARE(little(bytes, 28, 2), 24u); // bits per pixel
        QCOMPARE(little(bytes, 30, 4), 0u); // uncompressed
        QCOMPARE(little(bytes, 46, 4), 0u); // no colour table...
        QCOMPARE(little(bytes, 10, 4), 54u); // ...so the pixels follow the headers
        const int row = (size.width() * 3 + 3) / 4 * 4;
        QCOMPARE(bytes.size(), 54 + row * size.height());
    } else {
        QCOMPARE(big16(bytes, 0), 0xffd8u);
        QCOMPARE(bytes.mid(6, 5), QByteArray("JFIF\0", 5));
        // Walk the markers up to the frame header.
        int at = 2;
        int frame = 0;
        while (at + 4 <= bytes.size() && !frame) {
            QCOMPARE(static_cast<unsigned char>(bytes.at(at)), 0xffu);
            const int marker = static_cast<unsigned char>(bytes.at(at + 1));
            if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8
                && marker != 0xcc)
                frame = marker;
            else
                at += 2 + int(big16(bytes, at + 2));
        }
        QCOMPARE(frame, kind == QLatin1String("progressive") ? 0xc2 : 0xc0);
        QCOMPARE(static_cast<unsigned char>(bytes.at(at + 4)), 8u); // bits per sample
        QCOMPARE(int(big16(bytes, at + 5)), size.height());
        QCOMPARE(int(big16(bytes, at + 7)), size.width());
        QCOMPARE(static_cast<unsigned char>(bytes.at(at + 9)), 3u); // Y, Cb, Cr
    }

    QImageReader reader(QStringLiteral(":/pictures/") + file);
    QCOMPARE(
        reader.format(), kind == QLatin1String("bmp") ? QByteArray("bmp") : QByteArray("jpeg"));
    QCOMPARE(reader.size(), size);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void CatalogueTest::closePicture()
{
    const QByteArray bytes = embedded(QLatin1String(PictureList::CloseSymbol.file));
    const auto directory = IconFile::readDirectory(bytes);
    QVERIFY(directory);
    QCOMPARE(directory->kind, IconFile::Kind::Icon);
    QCOMPARE(directory->entries.size(), 2);
    QCOMPARE(directory->entries[0].size, QSize(32, 32));
    QCOMPARE(directory->entries[1].size, QSize(16, 16));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(directory->entries[i].colours, 16);
        QCOMPARE(storedBitsPerPixel(bytes, i), 4);
    }

    const QImage image = Pictures::closePicture().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // transparent round the disc
    QCOMPARE(image.pixelColor(15, 15), QColor(Qt::white)); // the middle of the X
}

void CatalogueTest::applicationIcon()
{
    const QByteArray bytes = embedded(QLatin1String(PictureList::ApplicationIcon.file));
    const auto directory = IconFile::readDirectory(bytes);
    QVERIFY(directory);
    QCOMPARE(directory->entries.size(), 3);
    const QList<std::pair<QSize, int>> expected {{{32, 32}, 1}, {{32, 32}, 4}, {{16, 16}, 4}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(directory->entries[i].size, expected[i].first);
        QCOMPARE(directory->entries[i].colours, 1 << expected[i].second);
        QCOMPARE(storedBitsPerPixel(bytes, i), expected[i].second);
    }
    QImageReader reader(QStringLiteral(":/pictures/telmaronda.ico"));
    QCOMPARE(reader.imageCount(), 3);

    // The window uses the 16-colour drawing at 32 pixels, not the black-and-white one.
    const QIcon icon = Pictures::applicationIcon();
    QCOMPARE(icon.availableSizes().size(), 2);
    const QImage image = icon.pixmap(QSize(32, 32)).toImage();
    bool cyan = false;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            cyan = cyan || image.pixelColor(x, y) == QColor(0, 255, 255);
    QVERIFY(cyan);
}

void CatalogueTest::handCursor()
{
    const QByteArray bytes = embedded(QLatin1String(PictureList::HandCursor.file));
    const auto directory = IconFile::readDirectory(bytes);
    QVERIFY(directory);
    QCOMPARE(directory->kind, IconFile::Kind::Cursor);
    QCOMPARE(directory->entries.size(), 1);
    QCOMPARE(directory->entries[0].size, QSize(32, 32));
    QCOMPARE(directory->entries[0].colours, 16);
    QCOMPARE(directory->entries[0].hotspot, QPoint(12, 1));
    QCOMPARE(storedBitsPerPixel(bytes, 0), 4);

    const QCursor cursor = Pictures::handCursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    const QImage image = cursor.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(qAlpha(image.pixel(12, 1)), 255); // the fingertip is the hotspot
    QCOMPARE(qAlpha(image.pixel(12, 0)), 0);
}

void CatalogueTest::rightPicturesAllDiffer()
{
    QList<QImage> pictures;
    for (int word = 1; word <= 12; ++word) {
        const QImage image = Pictures::rightPicture(word).toImage();
        QVERIFY(!image.isNull());
        for (const QImage& earlier : std::as_const(pictures))
            QVERIFY2(earlier != image, qPrintable(QStringLiteral("word %1").arg(word)));
        pictures.append(image);
    }
    const QImage wrong = Pictures::wrongPicture().toImage();
    QVERIFY(!pictures.contains(wrong));
    const QList<QImage> others {Pictures::decoration(37).toImage(),
        Pictures::decoration(38).toImage(), Pictures::decoration(39).toImage(),
        Pictures::flag().toImage()};
    for (const QImage& other : others) {
        QVERIFY(!other.isNull());
        QVERIFY(!pictures.contains(other));
    }
}

void CatalogueTest::decorationsScaledAhead_data()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("builtIn");
    for (int index = 0; index < int(PictureList::Decorations.size()); ++index) {
        const PictureList::Decoration& decoration = PictureList::Decorations.at(index);
        const int image = PictureList::FirstDecoration + index;
        const QSize drawn = Twips::size(decoration.boxWidth, decoration.boxHeight);
        QTest::addRow("image %d as drawn", image) << image << drawn << true;
        QTest::addRow("image %d at scale 2", image) << image << drawn * 2 << false;
    }
}

// At any size the program gives what its scaler makes of the stored picture; at the size a screen
// of scale 1 draws, it gives the copy the build scaled ahead, which must be those very pixels.
void CatalogueTest::decorationsScaledAhead()
{
    QFETCH(int, image);
    QFETCH(QSize, size);
    QFETCH(bool, builtIn);
    const QImage scaled = Pictures::decoration(image, size).toImage();
    QCOMPARE(scaled, Pictures::scaledToBox(Pictures::decoration(image).toImage(), size));
    QImageReader ahead(QStringLiteral(":/scaled/")
        + QLatin1String(
            PictureList::Decorations.at(image - PictureList::FirstDecoration).scaledAhead));
    QCOMPARE(ahead.size() == size, builtIn);
}

void CatalogueTest::outOfRangeAsksGiveNothing()
{
    QVERIFY(Pictures::rightPicture(0).isNull());
    QVERIFY(Pictures::rightPicture(13).isNull());
    QVERIFY(Pictures::decoration(36).isNull());
    QVERIFY(Pictures::decoration(40).isNull());
    QVERIFY(Pictures::decoration(36, QSize(129, 89)).isNull());
}

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
