// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/picturegen/drawing.h"

#include "tools/picturegen/people.h"

#include <array>
#include <functional>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <utility>
#include <vector>

using People::Hair;
using People::Look;
using People::Mood;
using People::Outfit;

namespace Drawing {

namespace {

// A transparent canvas is premultiplied, as QPainter paints on it without converting anything.
QImage canvas(int width, int height, bool transparent = false)
{
    QImage image(
        width, height, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(transparent ? Qt::transparent : Qt::black);
    // 96 dots per inch, whatever screen the generator runs on.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

// A painted transparent canvas with its colours divided by their alpha again, as files store them.
// Qt's own conversion divides with the processor's approximate reciprocal where it has SSE4.1,
// which rounds differently from one processor to the next; qUnpremultiply's integer table gives
// the same pixels on every CPU.
QImage straightAlpha(QImage image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qUnpremultiply(line[x]);
    }
    image.reinterpretAsFormat(QImage::Format_ARGB32);
    return image;
}

void plainBackground(QPainter& p, const QRectF& area, QColor top, QColor bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(area, gradient);
}

// A portrait: background, shoulders, head. The face is `faceShare` of the picture's width
// wide and centred at (0.5, `faceY`) of the picture.
QImage portrait(int width, int height, const Look& look, qreal faceShare, qreal faceY,
    const std::function<void(QPainter&, const QRectF&)>& background)
{
    QImage image = canvas(width, height);
    QPainter p(&image);
    const QRectF area(0, 0, width, height);
    background(p, area);
    const QPointF centre(width * 0.5, height * faceY);
    const qreal face = width * faceShare;
    People::drawShoulders(p, centre, face, look, height);
    People::drawHead(p, centre, face, look);
    return image;
}

Look woman(QColor hair, Hair style, Mood mood, QColor clothes)
{
    Look look;
    look.hair = hair;
    look.hairStyle = style;
    look.mood = mood;
    look.clothes = clothes;
    return look;
}

const QColor Fair(222, 190, 120);
const QColor Brown(110, 70, 40);
const QColor Dark(45, 30, 22);
const QColor Maroon(110, 24, 40);

QImage footballScene()
{
    const int width = 437;
    const int height = 477;
    QImage image = canvas(width, height);
    QPainter p(&image);
    People::sky(p, QRectF(0, 0, width, 90));
    // The school: a long red-brick front under a slate roof.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 72, 80));
    p.drawPolygon(
        QPolygonF({QPointF(-10, 70), QPointF(60, 30), QPointF(380, 30), QPointF(450, 70)}));
    People::brickBuilding(p, QRectF(0, 70, width, 160), 14);
    People::grass(p, QRectF(0, 228, width, height - 228), 11);
    // Mowing stripes across the lawn.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor(255, 255, 255, i % 2 ? 0 : 18));
        p.drawRect(QRectF(0, 228 + i * 42, width, 42));
    }

    // The team behind, then the fair-haired girl with the ball in front.
    const std::array<std::pair<qreal, QColor>, 6> team {{{40, Dark}, {105, Brown}, {170, Fair},
        {265, Dark}, {330, Brown}, {395, QColor(150, 95, 50)}}};
    int i = 0;
    for (const auto& [x, hair] : team) {
        Look girl = woman(hair, i % 2 ? Hair::Ponytail : Hair::ShoulderLength,
            i % 3 ? Mood::Smile : Mood::BroadSmile, Maroon);
        People::drawFigure(p, QPointF(x, 190 + (i % 2) * 8), 20, girl, Outfit::FootballKit);
        ++i;
    }
    Look front = woman(Fair, Hair::Ponytail, Mood::BroadSmile, Maroon);
    People::drawFigure(p, QPointF(230, 258), 42, front, Outfit::FootballKit);
    // The ball at her feet.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(310, 450), 20, 20);
    p.setBrush(QColor(30, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(310, 442), QPointF(318, 448), QPointF(315, 457),
        QPointF(305, 457), QPointF(302, 448)}));
    return image;
}

QImage birdOfPrey()
{
    QImage image = canvas(50, 50);
    QPainter p(&image);
    plainBackground(p, QRectF(0, 0, 50, 50), QColor(236, 238, 240), QColor(205, 212, 218));
    p.setRenderHint(QPainter::Antialiasing);
    // The branch.
    p.setPen(QPen(QColor(95, 70, 45), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 42), QPointF(48, 38));
    p.setPen(Qt::NoPen);
    // Tail, body and folded wing.
    p.setBrush(QColor(50, 38, 30));
    p.drawPolygon(QPolygonF({QPointF(24, 36), QPointF(31, 36), QPointF(34, 49), QPointF(26, 49)}));
    p.setBrush(QColor(70, 52, 38));
    p.drawEllipse(QPointF(25, 27), 9, 13);
    p.setBrush(QColor(45, 33, 25));
    QPainterPath wing;
    wing.moveTo(28, 16);
    wing.cubicTo(38, 20, 37, 34, 32, 44);
    wing.cubicTo(28, 36, 26, 26, 28, 16);
    p.drawPath(wing);
    // Paler speckled breast.
    p.setBrush(QColor(150, 120, 90));
    p.drawEllipse(QPointF(21, 28), 4, 7);
    // Head, eye and hooked beak.
    p.setBrush(QColor(60, 45, 34));
    p.drawEllipse(QPointF(21, 13), 6.5, 6);
    p.setBrush(QColor(235, 190, 40));
    p.drawEllipse(QPointF(18.5, 12), 1.8, 1.8);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(QPointF(18.3, 12), 0.9, 0.9);
    p.setBrush(QColor(230, 180, 50));
    QPainterPath beak;
    beak.moveTo(15.5, 12);
    beak.quadTo(11, 12, 11.5, 16.5);
    beak.lineTo(14, 14.5);
    beak.lineTo(16, 15);
    beak.closeSubpath();
    p.drawPath(beak);
    // Talons round the branch.
    p.setPen(QPen(QColor(220, 180, 50), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 38), QPointF(20, 41));
    p.drawLine(QPointF(27, 38), QPointF(27, 41));
    return image;
}

QImage twoFriends()
{
    QImage image = canvas(50, 50);
    QPainter p(&image);
    plainBackground(p, QRectF(0, 0, 50, 50), QColor(170, 200, 230), QColor(120, 150, 190));
    Look left = woman(Dark, Hair::Long, Mood::BroadSmile, QColor(200, 60, 90));
    Look right = woman(Fair, Hair::ShoulderLength, Mood::BroadSmile, QColor(240, 240, 240));
    right.skin = QColor(242, 206, 178);
    People::drawShoulders(p, QPointF(16, 22), 17, left, 50);
    People::drawShoulders(p, QPointF(34, 24), 17, right, 50);
    People::drawHead(p, QPointF(16, 22), 17, left);
    People::drawHead(p, QPointF(34, 24), 17, right);
    return image;
}

} // namespace

QImage rightPicture(int word)
{
    using People::grass;
    using People::warmBlur;
    const auto plain = [](QColor top, QColor bottom) {
        return [=](QPainter& p, const QRectF& area) { plainBackground(p, area, top, bottom); };
    };
    const auto lawn = [](quint32 seed) {
        return [=](QPainter& p, const QRectF& area) { grass(p, area, seed); };
    };
    switch (word) {
    case 1:
        return portrait(290, 306,
            woman(Fair, Hair::ShoulderLength, Mood::BroadSmile, QColor(240, 235, 225)), 0.42, 0.45,
            [](QPainter& p, const QRectF& area) { warmBlur(p, area, 3); });
    case 2:
        return portrait(63, 55, woman(Brown, Hair::Curly, Mood::BroadSmile, QColor(230, 120, 50)),
            0.32, 0.42, lawn(5));
    case 3:
        return portrait(50, 50, woman(Dark, Hair::Long, Mood::Smile, QColor(90, 90, 100)), 0.36,
            0.42, plain(QColor(190, 205, 220), QColor(140, 160, 185)));
    case 4: {
        Look look = woman(Brown, Hair::Fringe, Mood::Smile, QColor(130, 40, 60));
        look.glasses = true;
        return portrait(
            64, 87, look, 0.5, 0.42, plain(QColor(235, 228, 215), QColor(190, 180, 165)));
    }
    case 5: {
        Look look = woman(Dark, Hair::Short, Mood::Smile, QColor(40, 60, 110));
        look.male = true;
        look.lipstick = false;
        look.skin = QColor(222, 178, 140);
        return portrait(
            64, 92, look, 0.5, 0.4, plain(QColor(180, 195, 205), QColor(110, 125, 140)));
    }
    case 6:
        return portrait(61, 78,
            woman(QColor(125, 80, 45), Hair::ShoulderLength, Mood::Smile, QColor(60, 110, 90)),
            0.48, 0.42, plain(QColor(220, 210, 190), QColor(170, 150, 120)));
    case 7: {
        Look look = woman(Dark, Hair::ShoulderLength, Mood::BroadSmile, QColor(240, 240, 240));
        look.skin = QColor(225, 180, 145);
        return portrait(65, 63, look, 0.36, 0.42, lawn(9));
    }
    case 8:
        return portrait(50, 50, woman(Dark, Hair::Long, Mood::BroadSmile, QColor(230, 80, 80)), 0.4,
            0.42, plain(QColor(250, 215, 190), QColor(225, 160, 130)));
    case 9: {
        Look look = woman(QColor(55, 45, 40), Hair::Short, Mood::Serious, QColor(70, 70, 75));
        look.male = true;
        look.middleAged = true;
        look.lipstick = false;
        look.skin = QColor(215, 170, 135);
        return portrait(
            71, 82, look, 0.46, 0.4, plain(QColor(150, 160, 170), QColor(90, 100, 110)));
    }
    case 10:
        return twoFriends();
    case 11:
        return footballScene();
    case 12:
        return birdOfPrey();
    default:
        return {};
    }
}

namespace {

// Capital letters as strokes on a grid four units wide and six high.
std::vector<QPolygonF> glyph(QChar letter)
{
    switch (letter.unicode()) {
    case 'A':
        return {QPolygonF({{0, 6}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6}}),
            QPolygonF({{0, 3.2}, {4, 3.2}})};
    case 'D':
        return {QPolygonF({{0, 0}, {0, 6}, {2.8, 6}, {4, 4.8}, {4, 1.2}, {2.8, 0}, {0, 0}})};
    case 'E':
        return {QPolygonF({{4, 0}, {0, 0}, {0, 6}, {4, 6}}), QPolygonF({{0, 3}, {3, 3}})};
    case 'I':
        return {QPolygonF({{1, 0}, {1, 6}})};
    case 'L':
        return {QPolygonF({{0, 0}, {0, 6}, {4, 6}})};
    case 'N':
        return {QPolygonF({{0, 6}, {0, 0}, {4, 6}, {4, 0}})};
    case 'O':
        return {QPolygonF({{1.2, 0}, {2.8, 0}, {4, 1.2}, {4, 4.8}, {2.8, 6}, {1.2, 6}, {0, 4.8},
            {0, 1.2}, {1.2, 0}})};
    case 'R':
        return {QPolygonF({{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2.2}, {3, 3.2}, {0, 3.2}}),
            QPolygonF({{2, 3.2}, {4, 6}})};
    case 'T':
        return {QPolygonF({{0, 0}, {4, 0}}), QPolygonF({{2, 0}, {2, 6}})};
    default:
        return {};
    }
}

qreal advance(QChar letter)
{
    return letter == QLatin1Char('I') ? 3.2 : 5.4;
}

} // namespace

QImage titleCard()
{
    QImage image = canvas(92, 73);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor orange(255, 140, 0);
    p.fillRect(QRectF(3, 3, 1.5, 67), orange);
    const qreal unit = 2.7;
    p.setPen(QPen(orange, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    const std::array<QLatin1String, 3> lines {
        QLatin1String("EL"), QLatin1String("INTER"), QLatin1String("NADO")};
    for (int line = 0; line < 3; ++line) {
        qreal x = 11;
        const qreal y = 6 + line * 23;
        for (const QChar letter : QString(lines[line])) {
            for (const QPolygonF& stroke : glyph(letter)) {
                QPolygonF placed;
                for (const QPointF& point : stroke)
                    placed << QPointF(x + point.x() * unit, y + point.y() * unit);
                p.drawPolyline(placed);
            }
            x += advance(letter) * unit;
        }
    }
    return image;
}

QImage decoration(int number)
{
    QImage image;
    if (number == 37) {
        // Three young women talking in front of the school; one wears a crest and lettering.
        image = canvas(300, 200);
        QPainter p(&image);
        People::sky(p, QRectF(0, 0, 300, 40));
        People::brickBuilding(p, QRectF(0, 20, 300, 110), 11);
        People::grass(p, QRectF(0, 125, 300, 75), 21);
        People::drawFigure(p, QPointF(70, 70), 30,
            woman(Dark, Hair::Long, Mood::Smile, QColor(60, 60, 70)), Outfit::Plain);
        People::drawFigure(p, QPointF(150, 62), 32,
            woman(Fair, Hair::Ponytail, Mood::BroadSmile, QColor(40, 40, 130)), Outfit::CrestShirt);
        People::drawFigure(p, QPointF(232, 72), 30,
            woman(Brown, Hair::ShoulderLength, Mood::Smile, QColor(190, 190, 180)), Outfit::Plain);
    } else if (number == 38) {
        // Three girls in blazers on the lawn; someone in a dark T-shirt reaches towards one face.
        image = canvas(260, 194);
        QPainter p(&image);
        People::brickBuilding(p, QRectF(0, 0, 260, 110), 12);
        People::grass(p, QRectF(0, 105, 260, 89), 23);
        const QColor blazer(35, 45, 90);
        People::drawFigure(p, QPointF(55, 70), 26,
            woman(Dark, Hair::ShoulderLength, Mood::Serious, blazer), Outfit::Blazer);
        People::drawFigure(p, QPointF(115, 66), 26, woman(Fair, Hair::Long, Mood::Serious, blazer),
            Outfit::Blazer);
        People::drawFigure(p, QPointF(170, 72), 26,
            woman(Brown, Hair::Ponytail, Mood::Smile, blazer), Outfit::Blazer);
        Look other = woman(Dark, Hair::Short, Mood::Serious, QColor(25, 25, 28));
        other.male = true;
        other.lipstick = false;
        People::drawFigure(p, QPointF(232, 64), 28, other, Outfit::Plain, true);
        // The dark frame.
        p.setPen(QPen(QColor(20, 20, 20), 12));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6, 6, 248, 182));
    } else if (number == 39) {
        // Two young women face to face in a crowd.
        image = canvas(281, 252);
        QPainter p(&image);
        People::crowd(p, QRectF(0, 0, 281, 252), 31);
        Look left = woman(Dark, Hair::Long, Mood::Smile, QColor(180, 180, 180));
        Look right = woman(Fair, Hair::Long, Mood::Smile, QColor(60, 60, 60));
        People::drawShoulders(p, QPointF(85, 130), 80, left, 252);
        People::drawShoulders(p, QPointF(200, 128), 80, right, 252);
        People::drawProfile(p, QPointF(85, 125), 86, left, false);
        People::drawProfile(p, QPointF(200, 122), 86, right, true);
    } else {
        return {};
    }
    People::toGrey(image);
    return image;
}

QImage flag()
{
    QImage image = canvas(368, 210);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 123, 210), QColor(0, 104, 71));
    p.fillRect(QRect(123, 0, 122, 210), QColor(255, 255, 255));
    p.fillRect(QRect(245, 0, 123, 210), QColor(206, 17, 38));
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(184, 105);
    // A wreath below, a cactus, and the eagle perched on it with spread wings.
    p.setPen(QPen(QColor(40, 120, 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 46, c.y() - 40, 92, 88), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 70));
    p.drawRoundedRect(QRectF(c.x() - 6, c.y() + 8, 12, 30), 5, 5);
    p.drawRoundedRect(QRectF(c.x() - 22, c.y() + 14, 12, 18), 5, 5);
    p.drawRoundedRect(QRectF(c.x() + 10, c.y() + 12, 12, 18), 5, 5);
    p.setBrush(QColor(120, 75, 35));
    QPainterPath wings;
    wings.moveTo(c.x() - 8, c.y() - 6);
    wings.cubicTo(c.x() - 30, c.y() - 30, c.x() - 40, c.y() - 20, c.x() - 38, c.y() + 2);
    wings.lineTo(c.x() - 6, c.y() + 6);
    wings.lineTo(c.x() + 6, c.y() + 6);
    wings.lineTo(c.x() + 38, c.y() - 8);
    wings.cubicTo(c.x() + 36, c.y() - 30, c.x() + 22, c.y() - 34, c.x() + 8, c.y() - 8);
    wings.closeSubpath();
    p.drawPath(wings);
    p.setBrush(QColor(95, 58, 25));
    p.drawEllipse(QPointF(c.x(), c.y()), 10, 16);
    p.drawEllipse(QPointF(c.x() - 10, c.y() - 20), 7, 6);
    p.setBrush(QColor(220, 170, 40));
    p.drawPolygon(QPolygonF({QPointF(c.x() - 16, c.y() - 21), QPointF(c.x() - 22, c.y() - 18),
        QPointF(c.x() - 15, c.y() - 17)}));
    // The serpent in its beak.
    p.setPen(QPen(QColor(60, 120, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath serpent;
    serpent.moveTo(c.x() - 20, c.y() - 17);
    serpent.cubicTo(c.x() - 30, c.y() - 8, c.x() - 16, c.y() - 2, c.x() - 26, c.y() + 6);
    p.drawPath(serpent);
    return image;
}

QImage closeSymbol(int size)
{
    QImage image = canvas(size, size, true);
    QPainter p(&image);
    const qreal s = size / 32.0;
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(QRectF(3, 3, 28, 28));
    p.setBrush(QColor(128, 0, 0));
    p.drawEllipse(QRectF(1, 1, 28, 28));
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QRectF(4, 4, 22, 22));
    p.resetTransform();
    // The X, thick enough to read at 16 pixels.
    const qreal from = 9.5 * s;
    const qreal to = 20.5 * s;
    p.setPen(QPen(Qt::white, size >= 32 ? 4 : 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(from, from), QPointF(to, to));
    p.drawLine(QPointF(from, to), QPointF(to, from));
    p.end();
    return straightAlpha(image);
}

QImage hand()
{
    QImage image = canvas(32, 32, true);
    QPainter p(&image);
    // Index finger up, its tip at (12, 1); three folded fingers, thumb on the left.
    const QPolygon outline(
        {{11, 1}, {13, 1}, {14, 2}, {14, 10}, {15, 9}, {17, 9}, {18, 10}, {19, 10}, {21, 10},
            {22, 11}, {23, 11}, {25, 11}, {26, 12}, {26, 19}, {25, 21}, {24, 22}, {24, 24},
            {10, 24}, {10, 23}, {5, 18}, {4, 17}, {4, 15}, {5, 14}, {7, 14}, {10, 17}, {10, 2}});
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::white);
    p.drawPolygon(outline);
    p.drawLine(18, 11, 18, 14);
    p.drawLine(22, 12, 22, 14);
    // The cuff.
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(9, 24, 16, 6);
    p.end();
    return straightAlpha(image);
}

QImage applicationIcon(int size, IconStyle style)
{
    QImage image = canvas(size, size, true);
    QPainter p(&image);
    const bool smooth = style == IconStyle::Smooth;
    const bool mono = style == IconStyle::Monochrome;
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.scale(size / 32.0, size / 32.0);
    // A window seen in perspective: its left edge nearer, so taller, than its right edge.
    const QPolygonF window({QPointF(2, 4), QPointF(27, 7), QPointF(27, 25), QPointF(2, 28)});
    const QPolygonF titleBar({QPointF(2, 4), QPointF(27, 7), QPointF(27, 11), QPointF(2, 9.5)});
    const QPen outline(Qt::black, smooth ? 1.2 : 0);
    p.setPen(Qt::NoPen);
    p.setBrush(mono ? QColor(Qt::black) : QColor(128, 128, 128));
    p.drawPolygon(window.translated(3, 3));
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawPolygon(window);
    p.setBrush(mono ? QColor(Qt::black) : QColor(0, 255, 255));
    p.drawPolygon(titleBar);
    if (!mono) {
        // Lines of text inside the window.
        p.setPen(QPen(QColor(128, 128, 128), smooth ? 1.0 : 0));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(5, 14 + i * 4), QPointF(22, 15 + i * 3.4));
    }
    p.end();
    return straightAlpha(image);
}

} // namespace Drawing
