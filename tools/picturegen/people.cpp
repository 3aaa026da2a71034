// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/picturegen/people.h"

#include <cmath>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>

namespace People {

namespace {

QColor shade(const QColor& colour, int factor)
{
    return factor >= 100 ? colour.lighter(factor) : colour.darker(10000 / factor);
}

// A point scattered over `area`, between `left` and `right` of its width and `top` and `bottom`
// of its height. The height is drawn first: the committed pictures were drawn so.
QPointF scatteredPoint(
    Scatter& scatter, const QRectF& area, qreal left, qreal right, qreal top, qreal bottom)
{
    const qreal y = area.top() + scatter.uniform(top, bottom) * area.height();
    const qreal x = area.left() + scatter.uniform(left, right) * area.width();
    return {x, y};
}

// The square root of `n`, rounded down.
qint64 squareRoot(qint64 n)
{
    auto root = qint64(std::sqrt(double(n)));
    while (root * root > n)
        --root;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

// The painter's whole device shaded from `inner` at `centre` to `outer` at `radius` and beyond,
// for a painter that draws in the device's own pixels: opaque where both colours are,
// premultiplied otherwise. Qt's radial gradients take their square roots in single precision,
// with NEON only approximately, so an ARM processor shades some pixels a level differently; this
// shading is worked out in integers.
QImage radialShading(const QPainter& p, QPointF centre, qreal radius, QColor inner, QColor outer)
{
    const bool opaque = inner.alpha() == 255 && outer.alpha() == 255;
    QImage image(p.device()->width(), p.device()->height(),
        opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    // Lengths in 256ths of a pixel, the distance from the centre in 65536ths of the radius.
    const qint64 centreX = qRound64(centre.x() * 256);
    const qint64 centreY = qRound64(centre.y() * 256);
    const qint64 length = qMax(qint64(1), qRound64(radius * 256));
    constexpr qint64 Whole = 1 << 16;
    const QRgb from = qPremultiply(inner.rgba());
    const QRgb to = qPremultiply(outer.rgba());
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const qint64 dy = y * 256 + 128 - centreY;
        for (int x = 0; x < image.width(); ++x) {
            const qint64 dx = x * 256 + 128 - centreX;
            const qint64 share = qMin(Whole, squareRoot(dx * dx + dy * dy) * Whole / length);
            const auto mix = [share](int near, int far) {
                return int((near * (Whole - share) + far * share + Whole / 2) >> 16);
            };
            line[x] = qRgba(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
                mix(qBlue(from), qBlue(to)), mix(qAlpha(from), qAlpha(to)));
        }
    }
    return image;
}

// The hair that falls behind the head and shoulders.
void drawBackHair(QPainter& p, QPointF c, qreal w, const Look& look)
{
    const qreal h = w * 1.3;
    p.setPen(Qt::NoPen);
    p.setBrush(shade(look.hair, 90));
    QPainterPath path;
    switch (look.hairStyle) {
    case Hair::Short:
        return;
    case Hair::Ponytail:
        p.drawEllipse(QPointF(c.x() + w * 0.55, c.y() - h * 0.05), w * 0.2, h * 0.42);
        return;
    case Hair::Curly: {
        Scatter scatter(7);
        for (int i = 0; i < 46; ++i) {
            const qreal x = c.x() + scatter.uniform(-0.78, 0.78) * w;
            const qreal y = c.y() + scatter.uniform(-0.62, 0.68) * h;
            const qreal r = w * scatter.uniform(0.13, 0.2);
            p.setBrush(shade(look.hair, int(scatter.uniform(82, 118))));
            p.drawEllipse(QPointF(x, y), r, r);
        }
        return;
    }
    case Hair::ShoulderLength:
    case Hair::Fringe:
    case Hair::Long: {
        const qreal length = look.hairStyle == Hair::Long ? 1.45 : 0.85;
        const qreal spread = look.hairStyle == Hair::Long ? 0.78 : 0.72;
        path.moveTo(c.x() - w * spread, c.y() + h * length);
        path.cubicTo(c.x() - w * 0.8, c.y() - h * 0.2, c.x() - w * 0.7, c.y() - h * 0.62, c.x(),
            c.y() - h * 0.62);
        path.cubicTo(c.x() + w * 0.7, c.y() - h * 0.62, c.x() + w * 0.8, c.y() - h * 0.2,
            c.x() + w * spread, c.y() + h * length);
        path.quadTo(c.x(), c.y() + h * (length + 0.08), c.x() - w * spread, c.y() + h * length);
        p.drawPath(path);
        return;
    }
    }
}

// The hair over the forehead and the top of the head.
void drawFrontHair(QPainter& p, QPointF c, qreal w, const Look& look)
{
    const qreal h = w * 1.3;
    QLinearGradient gradient(c.x(), c.y() - h * 0.6, c.x(), c.y());
    gradient.setColorAt(0, shade(look.hair, 125));
    gradient.setColorAt(1, look.hair);
    p.setBrush(gradient);
    p.setPen(Qt::NoPen);
    QPainterPath path;
    const qreal side = look.hairStyle == Hair::Short ? 0.52 : 0.56;
    path.moveTo(c.x() - w * side, c.y() + h * (look.hairStyle == Hair::Short ? -0.08 : 0.1));
    path.cubicTo(c.x() - w * 0.62, c.y() - h * 0.45, c.x() - w * 0.35, c.y() - h * 0.6, c.x(),
        c.y() - h * 0.59);
    path.cubicTo(c.x() + w * 0.35, c.y() - h * 0.6, c.x() + w * 0.62, c.y() - h * 0.45,
        c.x() + w * side, c.y() + h * (look.hairStyle == Hair::Short ? -0.08 : 0.1));
    switch (look.hairStyle) {
    case Hair::Fringe:
        path.lineTo(c.x() + w * 0.44, c.y() - h * 0.14);
        path.cubicTo(c.x() + w * 0.2, c.y() - h * 0.12, c.x() - w * 0.2, c.y() - h * 0.12,
            c.x() - w * 0.44, c.y() - h * 0.14);
        break;
    case Hair::Short:
        path.lineTo(c.x() + w * 0.45, c.y() - h * 0.2);
        path.cubicTo(c.x() + w * 0.3, c.y() - h * 0.33, c.x() - w * 0.3, c.y() - h * 0.31,
            c.x() - w * 0.45, c.y() - h * 0.2);
        break;
    default:
        // A side parting: the hairline rises to the parting and sweeps down to each temple.
        path.cubicTo(c.x() + w * 0.42, c.y() - h * 0.15, c.x() + w * 0.3, c.y() - h * 0.34,
            c.x() + w * 0.12, c.y() - h * 0.36);
        path.cubicTo(c.x() - w * 0.1, c.y() - h * 0.3, c.x() - w * 0.4, c.y() - h * 0.25,
            c.x() - w * 0.44, c.y() - h * 0.02);
        break;
    }
    path.closeSubpath();
    p.drawPath(path);
}

void drawEye(QPainter& p, QPointF at, qreal w, const Look& look)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 244));
    p.drawEllipse(at, w * 0.1, w * 0.055);
    p.setBrush(look.eyes);
    p.drawEllipse(at, w * 0.045, w * 0.045);
    p.setBrush(QColor(20, 15, 10));
    p.drawEllipse(at, w * 0.022, w * 0.022);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(at + QPointF(w * 0.015, -w * 0.015), w * 0.01, w * 0.01);
    p.setPen(QPen(QColor(40, 25, 20), qMax(0.6, w * 0.022), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(at.x() - w * 0.105, at.y() - w * 0.06, w * 0.21, w * 0.12), 20 * 16, 140 * 16);
}

} // namespace

void drawHead(QPainter& p, QPointF c, qreal w, const Look& look)
{
    const qreal h = w * 1.3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawBackHair(p, c, w, look);

    // Neck and ears.
    p.setPen(Qt::NoPen);
    p.setBrush(shade(look.skin, 88));
    p.drawRect(QRectF(c.x() - w * 0.22, c.y() + h * 0.2, w * 0.44, h * 0.55));
    p.drawEllipse(QPointF(c.x() - w * 0.5, c.y() + h * 0.02), w * 0.08, h * 0.1);
    p.drawEllipse(QPointF(c.x() + w * 0.5, c.y() + h * 0.02), w * 0.08, h * 0.1);

    // Face, a little darker towards its edge.
    p.setBrush(QBrush(radialShading(p, QPointF(c.x() - w * 0.1, c.y() - h * 0.1), w * 0.75,
        shade(look.skin, 108), shade(look.skin, 90))));
    QPainterPath face;
    face.moveTo(c.x(), c.y() - h * 0.5);
    face.cubicTo(c.x() + w * 0.56, c.y() - h * 0.5, c.x() + w * 0.54, c.y() + h * 0.2,
        c.x() + w * 0.3, c.y() + h * 0.38);
    face.quadTo(c.x(), c.y() + h * (look.male ? 0.54 : 0.52), c.x() - w * 0.3, c.y() + h * 0.38);
    face.cubicTo(c.x() - w * 0.54, c.y() + h * 0.2, c.x() - w * 0.56, c.y() - h * 0.5, c.x(),
        c.y() - h * 0.5);
    p.drawPath(face);

    drawFrontHair(p, c, w, look);

    // Brows, eyes and nose.
    const qreal line = qMax(0.7, w * 0.035);
    p.setPen(
        QPen(shade(look.hair, 80), line * (look.male ? 1.6 : 1.2), Qt::SolidLine, Qt::RoundCap));
    const qreal browLift = look.mood == Mood::Serious ? 0.0 : h * 0.02;
    for (const int side : {-1, 1}) {
        QPainterPath brow;
        brow.moveTo(c.x() + side * w * 0.1, c.y() - h * 0.1);
        brow.quadTo(c.x() + side * w * 0.2, c.y() - h * 0.14 - browLift, c.x() + side * w * 0.31,
            c.y() - h * 0.1);
        p.setBrush(Qt::NoBrush);
        p.drawPath(brow);
        drawEye(p, QPointF(c.x() + side * w * 0.2, c.y() - h * 0.02), w, look);
    }
    p.setPen(QPen(shade(look.skin, 72), line, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nose;
    nose.moveTo(c.x() + w * 0.02, c.y() + h * 0.02);
    nose.quadTo(c.x() + w * 0.07, c.y() + h * 0.14, c.x() + w * 0.03, c.y() + h * 0.17);
    nose.lineTo(c.x() - w * 0.05, c.y() + h * 0.16);
    p.drawPath(nose);

    // Cheeks and mouth.
    if (look.mood != Mood::Serious && !look.male) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 120, 120, 50));
        p.drawEllipse(QPointF(c.x() - w * 0.28, c.y() + h * 0.14), w * 0.1, w * 0.06);
        p.drawEllipse(QPointF(c.x() + w * 0.28, c.y() + h * 0.14), w * 0.1, w * 0.06);
    }
    const QColor lips = look.lipstick ? QColor(190, 70, 80) : shade(look.skin, 75);
    const qreal mouthY = c.y() + h * 0.27;
    switch (look.mood) {
    case Mood::Serious:
        p.setPen(QPen(shade(lips, 80), line * 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() - w * 0.13, mouthY), QPointF(c.x() + w * 0.13, mouthY));
        break;
    case Mood::Smile: {
        p.setPen(QPen(lips, line * 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath smile;
        smile.moveTo(c.x() - w * 0.16, mouthY - h * 0.02);
        smile.quadTo(c.x(), mouthY + h * 0.07, c.x() + w * 0.16, mouthY - h * 0.02);
        p.setBrush(Qt::NoBrush);
        p.drawPath(smile);
        break;
    }
    case Mood::BroadSmile: {
        QPainterPath mouth;
        mouth.moveTo(c.x() - w * 0.19, mouthY - h * 0.03);
        mouth.quadTo(c.x(), mouthY - h * 0.0, c.x() + w * 0.19, mouthY - h * 0.03);
        mouth.quadTo(c.x(), mouthY + h * 0.13, c.x() - w * 0.19, mouthY - h * 0.03);
        p.setPen(QPen(lips, line * 1.2));
        p.setBrush(QColor(250, 250, 245));
        p.drawPath(mouth);
        break;
    }
    }

    if (look.middleAged) {
        p.setPen(QPen(shade(look.skin, 80), line * 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() - w * 0.17, c.y() - h * 0.24),
            QPointF(c.x() + w * 0.17, c.y() - h * 0.24));
        p.drawLine(QPointF(c.x() - w * 0.13, c.y() + h * 0.13),
            QPointF(c.x() - w * 0.19, c.y() + h * 0.26));
        p.drawLine(QPointF(c.x() + w * 0.13, c.y() + h * 0.13),
            QPointF(c.x() + w * 0.19, c.y() + h * 0.26));
    }

    if (look.glasses) {
        p.setPen(QPen(QColor(40, 30, 30), qMax(0.8, w * 0.03)));
        p.setBrush(QColor(255, 255, 255, 30));
        for (const int side : {-1, 1})
            p.drawRoundedRect(
                QRectF(c.x() + side * w * 0.2 - w * 0.15, c.y() - h * 0.09, w * 0.3, h * 0.16),
                w * 0.05, w * 0.05);
        p.drawLine(QPointF(c.x() - w * 0.05, c.y() - h * 0.03),
            QPointF(c.x() + w * 0.05, c.y() - h * 0.03));
        p.drawLine(QPointF(c.x() - w * 0.35, c.y() - h * 0.04),
            QPointF(c.x() - w * 0.5, c.y() - h * 0.01));
        p.drawLine(QPointF(c.x() + w * 0.35, c.y() - h * 0.04),
            QPointF(c.x() + w * 0.5, c.y() - h * 0.01));
    }
    p.restore();
}

void drawShoulders(QPainter& p, QPointF c, qreal w, const Look& look, qreal bottom)
{
    const qreal h = w * 1.3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cloth(c.x() - w, 0, c.x() + w, 0);
    cloth.setColorAt(0, shade(look.clothes, 80));
    cloth.setColorAt(0.45, shade(look.clothes, 112));
    cloth.setColorAt(1, shade(look.clothes, 85));
    p.setBrush(cloth);
    p.setPen(Qt::NoPen);
    QPainterPath body;
    const qreal top = c.y() + h * 0.68;
    body.moveTo(c.x() - w * 1.35, bottom + 1);
    body.cubicTo(c.x() - w * 1.3, top + h * 0.1, c.x() - w * 0.9, top, c.x() - w * 0.3, top);
    body.lineTo(c.x() + w * 0.3, top);
    body.cubicTo(
        c.x() + w * 0.9, top, c.x() + w * 1.3, top + h * 0.1, c.x() + w * 1.35, bottom + 1);
    body.closeSubpath();
    p.drawPath(body);
    // The neckline.
    p.setBrush(shade(look.skin, 88));
    QPainterPath neckline;
    neckline.moveTo(c.x() - w * 0.3, top - 0.5);
    neckline.quadTo(c.x(), top + h * 0.32, c.x() + w * 0.3, top - 0.5);
    neckline.closeSubpath();
    p.drawPath(neckline);
    p.restore();
}

void drawFigure(QPainter& p, QPointF c, qreal w, const Look& look, Outfit outfit, bool reach)
{
    const qreal h = w * 1.3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal shoulderY = c.y() + h * 0.75;
    const qreal waistY = c.y() + h * 3.1;
    const qreal hipY = c.y() + h * 3.9;
    const qreal footY = c.y() + h * 6.6;
    const QColor top = look.clothes;
    const QColor trousers = outfit == Outfit::FootballKit ? look.clothes : QColor(50, 50, 60);
    const QColor legs = outfit == Outfit::FootballKit ? look.clothes : shade(look.skin, 92);

    // Legs, with socks and shoes.
    p.setPen(Qt::NoPen);
    for (const int side : {-1, 1}) {
        p.setBrush(shade(look.skin, 92));
        p.drawRect(QRectF(c.x() + side * w * 0.35 - w * 0.2, hipY, w * 0.4, footY - hipY));
        p.setBrush(legs);
        if (outfit == Outfit::FootballKit)
            p.drawRect(
                QRectF(c.x() + side * w * 0.35 - w * 0.21, hipY + h * 1.5, w * 0.42, h * 1.15));
        p.setBrush(QColor(30, 30, 30));
        p.drawRoundedRect(
            QRectF(c.x() + side * w * 0.35 - w * 0.26, footY - h * 0.15, w * 0.52, h * 0.22),
            w * 0.1, w * 0.1);
    }
    // Shorts or skirt.
    p.setBrush(outfit == Outfit::FootballKit ? QColor(245, 245, 245) : trousers);
    p.drawRect(QRectF(c.x() - w * 0.72, waistY - h * 0.1, w * 1.44, hipY - waistY + h * 0.75));

    // Arms behind the body, then the body.
    const qreal armWidth = w * 0.36;
    p.setPen(QPen(shade(top, 90), armWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() + w * 0.85, shoulderY + h * 0.2),
        QPointF(c.x() + w * 1.05, waistY + h * 0.3));
    if (reach)
        p.drawLine(QPointF(c.x() - w * 0.85, shoulderY + h * 0.2),
            QPointF(c.x() - w * 2.3, shoulderY - h * 0.05));
    else
        p.drawLine(QPointF(c.x() - w * 0.85, shoulderY + h * 0.2),
            QPointF(c.x() - w * 1.05, waistY + h * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(look.skin, 92));
    if (reach)
        p.drawEllipse(QPointF(c.x() - w * 2.45, shoulderY - h * 0.08), w * 0.2, w * 0.17);
    else
        p.drawEllipse(QPointF(c.x() - w * 1.07, waistY + h * 0.45), w * 0.17, w * 0.2);
    p.drawEllipse(QPointF(c.x() + w * 1.07, waistY + h * 0.45), w * 0.17, w * 0.2);

    QPainterPath body;
    body.moveTo(c.x() - w * 0.75, waistY + h * 0.15);
    body.lineTo(c.x() - w * 1.0, shoulderY + h * 0.2);
    body.quadTo(c.x() - w * 0.95, shoulderY, c.x() - w * 0.5, shoulderY);
    body.lineTo(c.x() + w * 0.5, shoulderY);
    body.quadTo(c.x() + w * 0.95, shoulderY, c.x() + w * 1.0, shoulderY + h * 0.2);
    body.lineTo(c.x() + w * 0.75, waistY + h * 0.15);
    body.closeSubpath();
    p.setBrush(top);
    p.drawPath(body);

    switch (outfit) {
    case Outfit::Blazer: {
        // White shirt and tie in the opening of the blazer.
        QPainterPath shirt;
        shirt.moveTo(c.x() - w * 0.32, shoulderY);
        shirt.lineTo(c.x() + w * 0.32, shoulderY);
        shirt.lineTo(c.x(), shoulderY + h * 1.2);
        shirt.closeSubpath();
        p.setBrush(QColor(245, 245, 245));
        p.drawPath(shirt);
        p.setBrush(QColor(120, 30, 40));
        QPainterPath tie;
        tie.moveTo(c.x() - w * 0.07, shoulderY + h * 0.05);
        tie.lineTo(c.x() + w * 0.07, shoulderY + h * 0.05);
        tie.lineTo(c.x() + w * 0.1, shoulderY + h * 0.9);
        tie.lineTo(c.x(), shoulderY + h * 1.05);
        tie.lineTo(c.x() - w * 0.1, shoulderY + h * 0.9);
        tie.closeSubpath();
        p.drawPath(tie);
        p.setBrush(QColor(220, 200, 80));
        p.drawEllipse(QPointF(c.x() - w * 0.55, shoulderY + h * 0.7), w * 0.1, w * 0.12);
        break;
    }
    case Outfit::CrestShirt: {
        // A crest and a line of lettering across the chest.
        p.setBrush(QColor(250, 250, 250));
        QPainterPath crest;
        crest.moveTo(c.x() - w * 0.25, shoulderY + h * 0.35);
        crest.lineTo(c.x() + w * 0.25, shoulderY + h * 0.35);
        crest.lineTo(c.x() + w * 0.25, shoulderY + h * 0.8);
        crest.quadTo(c.x(), shoulderY + h * 1.1, c.x() - w * 0.25, shoulderY + h * 0.8);
        crest.closeSubpath();
        p.drawPath(crest);
        p.setBrush(top);
        p.drawRect(QRectF(c.x() - w * 0.04, shoulderY + h * 0.42, w * 0.08, h * 0.45));
        p.setBrush(QColor(250, 250, 250));
        for (int i = 0; i < 6; ++i)
            p.drawRect(
                QRectF(c.x() - w * 0.62 + i * w * 0.21, shoulderY + h * 1.3, w * 0.14, h * 0.22));
        break;
    }
    case Outfit::FootballKit:
        p.setBrush(QColor(245, 245, 245));
        p.drawRect(QRectF(c.x() - w * 0.5, shoulderY, w * 1.0, h * 0.08));
        p.drawRect(QRectF(c.x() + w * 0.25, shoulderY + h * 0.4, w * 0.22, h * 0.22));
        break;
    case Outfit::Plain:
        break;
    }
    p.restore();
    drawHead(p, c, w, look);
}

void drawProfile(QPainter& p, QPointF c, qreal w, const Look& look, bool facingLeft)
{
    const qreal h = w * 1.3;
    const qreal d = facingLeft ? -1 : 1;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Long hair behind, neck, head.
    p.setBrush(shade(look.hair, 90));
    p.drawRoundedRect(QRectF(c.x() - d * w * 0.1 - w * 0.42, c.y() - h * 0.5, w * 0.84, h * 1.3),
        w * 0.3, w * 0.3);
    p.setBrush(shade(look.skin, 88));
    p.drawRect(QRectF(c.x() - w * 0.2, c.y() + h * 0.2, w * 0.4, h * 0.6));
    QPainterPath head;
    head.moveTo(c.x() - d * w * 0.4, c.y() + h * 0.1);
    head.cubicTo(c.x() - d * w * 0.5, c.y() - h * 0.6, c.x() + d * w * 0.45, c.y() - h * 0.62,
        c.x() + d * w * 0.42, c.y() - h * 0.12);
    head.lineTo(c.x() + d * w * 0.58, c.y() + h * 0.1); // nose
    head.lineTo(c.x() + d * w * 0.44, c.y() + h * 0.16);
    head.lineTo(c.x() + d * w * 0.47, c.y() + h * 0.24); // lips
    head.lineTo(c.x() + d * w * 0.42, c.y() + h * 0.28);
    head.quadTo(c.x() + d * w * 0.42, c.y() + h * 0.42, c.x() + d * w * 0.2, c.y() + h * 0.42);
    head.lineTo(c.x() - d * w * 0.1, c.y() + h * 0.35);
    head.closeSubpath();
    p.setBrush(look.skin);
    p.drawPath(head);
    // Hair over the crown and down the back of the head.
    p.setBrush(look.hair);
    QPainterPath crown;
    crown.moveTo(c.x() - d * w * 0.48, c.y() + h * 0.45);
    crown.cubicTo(c.x() - d * w * 0.6, c.y() - h * 0.65, c.x() + d * w * 0.5, c.y() - h * 0.7,
        c.x() + d * w * 0.43, c.y() - h * 0.2);
    crown.quadTo(c.x(), c.y() - h * 0.35, c.x() - d * w * 0.15, c.y() + h * 0.05);
    crown.lineTo(c.x() - d * w * 0.2, c.y() + h * 0.45);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(QColor(30, 20, 15));
    p.drawEllipse(QPointF(c.x() + d * w * 0.28, c.y() - h * 0.03), w * 0.04, w * 0.035);
    p.restore();
}

void warmBlur(QPainter& p, const QRectF& area, quint32 seed)
{
    QLinearGradient base(area.topLeft(), area.bottomRight());
    base.setColorAt(0, QColor(236, 170, 92));
    base.setColorAt(1, QColor(150, 82, 40));
    p.fillRect(area, base);
    Scatter scatter(seed);
    for (int i = 0; i < 14; ++i) {
        const QPointF at = scatteredPoint(scatter, area, 0, 1, 0, 1);
        const qreal r = area.width() * scatter.uniform(0.08, 0.25);
        // Laid over whole: NEON rounds a translucent texture under an antialiased edge otherwise.
        p.drawImage(QPointF(0, 0),
            radialShading(p, at, r, QColor(255, 226, 160, 150), QColor(255, 226, 160, 0)));
    }
}

void grass(QPainter& p, const QRectF& area, quint32 seed)
{
    QLinearGradient base(area.topLeft(), area.bottomLeft());
    base.setColorAt(0, QColor(92, 150, 62));
    base.setColorAt(1, QColor(52, 112, 38));
    p.fillRect(area, base);
    Scatter scatter(seed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int blades = int(area.width() * area.height() / 40) + 20;
    for (int i = 0; i < blades; ++i) {
        const QPointF at = scatteredPoint(scatter, area, 0, 1, 0, 1);
        const qreal length = scatter.uniform(2, 5);
        p.setPen(
            QPen(scatter.uniform(0, 1) < 0.5 ? QColor(120, 176, 80) : QColor(40, 92, 30), 0.8));
        p.drawLine(at, at + QPointF(scatter.uniform(-1, 1), -length));
    }
    p.restore();
}

void sky(QPainter& p, const QRectF& area)
{
    QLinearGradient base(area.topLeft(), area.bottomLeft());
    base.setColorAt(0, QColor(120, 170, 225));
    base.setColorAt(1, QColor(205, 225, 242));
    p.fillRect(area, base);
}

void brickBuilding(QPainter& p, const QRectF& area, qreal brick)
{
    p.save();
    p.setClipRect(area);
    p.fillRect(area, QColor(160, 70, 50));
    p.setPen(QPen(QColor(200, 170, 150), qMax(0.5, brick * 0.12)));
    const qreal rowHeight = brick * 0.45;
    int row = 0;
    for (qreal y = area.top(); y < area.bottom(); y += rowHeight, ++row) {
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        for (qreal x = area.left() + (row % 2) * brick * 0.5; x < area.right(); x += brick)
            p.drawLine(QPointF(x, y), QPointF(x, y + rowHeight));
    }
    // Windows in rows, white frames round dark glass.
    const qreal windowWidth = brick * 2.2;
    const qreal windowHeight = brick * 3.2;
    p.setPen(QPen(QColor(240, 240, 235), qMax(1.0, brick * 0.3)));
    for (qreal y = area.top() + brick * 1.5; y + windowHeight < area.bottom();
         y += windowHeight * 1.7)
        for (qreal x = area.left() + brick * 1.2; x + windowWidth < area.right();
             x += windowWidth * 1.9) {
            p.setBrush(QColor(50, 60, 75));
            p.drawRect(QRectF(x, y, windowWidth, windowHeight));
            p.drawLine(
                QPointF(x + windowWidth / 2, y), QPointF(x + windowWidth / 2, y + windowHeight));
            p.drawLine(QPointF(x, y + windowHeight * 0.45),
                QPointF(x + windowWidth, y + windowHeight * 0.45));
        }
    p.restore();
}

void crowd(QPainter& p, const QRectF& area, quint32 seed)
{
    p.fillRect(area, QColor(70, 66, 62));
    Scatter scatter(seed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF at = scatteredPoint(scatter, area, -0.05, 1.05, 0.05, 0.8);
        const qreal r = area.width() * scatter.uniform(0.04, 0.07);
        const int tone = int(scatter.uniform(60, 200));
        p.setBrush(QColor(tone, tone * 9 / 10, tone * 8 / 10));
        p.drawEllipse(at + QPointF(0, r * 2.6), r * 1.9, r * 1.6);
        p.setBrush(QColor(tone / 3 + 40, tone / 4 + 30, tone / 5 + 20));
        p.drawEllipse(at, r, r * 1.2);
    }
    p.restore();
}

void toGrey(QImage& image)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgb(grey, grey, grey);
        }
    }
}

} // namespace People
