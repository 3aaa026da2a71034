// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control: whatever the picture's size, it fills the box inside the border exactly.
// The suite runs this test at screen scale 1 and again at scale 2.
#include "puzzle/twips.h"
#include "ui/widgets/picturebox.h"

#include <QtTest>

namespace {

// A picture whose top half is red and bottom half blue.
QPixmap twoBands(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height() / 2; ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return QPixmap::fromImage(image);
}

QImage shown(PictureBox& box)
{
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fillsTheBoxInsideItsBorder_data();
    void fillsTheBoxInsideItsBorder();
    void squeezesRatherThanLetterboxes();
    void withoutBorderFillsTheWholeBox();
    void sourceDecodedWhenFirstNeeded();
    void scaledSourceAskedOncePerSize();
};

void PictureBoxTest::fillsTheBoxInsideItsBorder_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("437 x 477, shrunk") << QSize(437, 477);
    QTest::newRow("50 x 50, enlarged") << QSize(50, 50);
    QTest::newRow("92 x 73, squeezed") << QSize(92, 73);
}

void PictureBoxTest::fillsTheBoxInsideItsBorder()
{
    QFETCH(QSize, pictureSize);
    QWidget window;
    window.setPalette(QPalette(QColor(0, 255, 0)));
    PictureBox box(&window);
    box.setGeometry(Twips::rect(0, 0, 495, 495));
    box.setBordered(true);
    QImage plain(pictureSize, QImage::Format_RGB32);
    plain.fill(QColor(200, 120, 40));
    box.setPicture(QPixmap::fromImage(plain));
    QCOMPARE(box.pictureRect(), QRect(1, 1, 31, 31));

    const QImage image = shown(box);
    const int ratio = qRound(image.devicePixelRatio());
    QCOMPARE(image.size(), QSize(33, 33) * ratio);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool border = x < ratio || y < ratio || x >= image.width() - ratio
                || y >= image.height() - ratio;
            const QColor expected
                = border ? box.palette().color(QPalette::WindowText) : QColor(200, 120, 40);
            if (image.pixelColor(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(image.pixelColor(x, y).name())));
        }
}

void PictureBoxTest::squeezesRatherThanLetterboxes()
{
    PictureBox box;
    box.setGeometry(Twips::rect(0, 0, 495, 495));
    box.setBordered(true);
    box.setPicture(twoBands(QSize(92, 73)));
    const QImage image = shown(box);
    const int ratio = qRound(image.devicePixelRatio());
    const int last = image.height() - ratio - 1;
    // The picture's first and last rows reach the border: nothing above or below it.
    for (int x = ratio; x < image.width() - ratio; ++x) {
        QCOMPARE(image.pixelColor(x, ratio), QColor(Qt::red));
        QCOMPARE(image.pixelColor(x, last), QColor(Qt::blue));
    }
}

void PictureBoxTest::withoutBorderFillsTheWholeBox()
{
    PictureBox box;
    box.setGeometry(Twips::rect(0, 0, 360, 360));
    box.setPicture(twoBands(QSize(32, 32)));
    QCOMPARE(box.pictureRect(), QRect(0, 0, 24, 24));
    const QImage image = shown(box);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::blue));
}

void PictureBoxTest::sourceDecodedWhenFirstNeeded()
{
    const QPixmap picture = twoBands(QSize(437, 477));
    int decodings = 0;
    const auto source = [&] {
        ++decodings;
        return QPixmap::fromImage(picture.toImage().copy()); // new each time, as decoding gives
    };
    PictureBox box;
    box.setGeometry(Twips::rect(0, 0, 495, 495));
    box.setBordered(true);
    box.setPictureSource(source);
    QCOMPARE(decodings, 0);

    // Drawing decodes once, whatever the number of frames, and gives the pixels of the picture,
    // which is then handed on as one pixmap.
    const QImage shownOnce = shown(box);
    const QImage shownAgain = shown(box);
    QCOMPARE(decodings, 1);
    PictureBox given;
    given.setGeometry(box.geometry());
    given.setBordered(true);
    given.setPicture(picture);
    QCOMPARE(shownOnce, shown(given));
    QCOMPARE(shownAgain, shownOnce);
    QCOMPARE(box.picture().cacheKey(), box.picture().cacheKey());
    QCOMPARE(box.picture().toImage(), picture.toImage());
}

void PictureBoxTest::scaledSourceAskedOncePerSize()
{
    QList<QSize> asked;
    PictureBox box;
    box.setScaledPictureSource([&](QSize devicePixels) {
        asked.append(devicePixels);
        return twoBands(devicePixels);
    });
    box.setGeometry(Twips::rect(0, 0, 495, 360));
    QVERIFY(asked.isEmpty());
    const QImage first = shown(box);
    shown(box);
    box.resize(Twips::size(360, 495));
    const QImage resized = shown(box);

    // Asked in the screen's own pixels, and what it gives is drawn as it is.
    const qreal ratio = box.devicePixelRatioF();
    const QList<QSize> expected {
        (QSizeF(33, 24) * ratio).toSize(), (QSizeF(24, 33) * ratio).toSize()};
    QCOMPARE(asked, expected);
    const auto given = [ratio](QSize devicePixels) {
        QImage image = twoBands(devicePixels).toImage();
        image.setDevicePixelRatio(ratio);
        return image;
    };
    QCOMPARE(first, given(expected.first()));
    QCOMPARE(resized, given(expected.last()));
}

QTEST_MAIN(PictureBoxTest)
#include "tst_picturebox.moc"
