// SPDX-License-Identifier: GPL-3.0-or-later
// People, places and backgrounds, painted with simple shapes.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QtGlobal>

namespace People {

// A small fixed-seed generator, so every run scatters things the same way.
class Scatter {
public:
    explicit Scatter(quint32 seed)
        : m_state(seed)
    { }
    double uniform(double low, double high)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return low + (high - low) * double(m_state >> 8) / double(1u << 24);
    }

private:
    quint32 m_state;
};

enum class Hair { Short, ShoulderLength, Long, Curly, Fringe, Ponytail };
enum class Mood { Serious, Smile, BroadSmile };

struct Look {
    QColor skin {236, 196, 166};
    QColor hair {90, 60, 35};
    Hair hairStyle = Hair::ShoulderLength;
    Mood mood = Mood::Smile;
    QColor eyes {80, 55, 35};
    QColor clothes {60, 80, 140};
    bool glasses = false;
    bool male = false;
    bool middleAged = false;
    bool lipstick = true;
};

enum class Outfit { Plain, FootballKit, Blazer, CrestShirt };

// A head with its face at `centre`, the face `width` wide (its height is 1.3 times that).
void drawHead(QPainter& p, QPointF centre, qreal width, const Look& look);
// Shoulders and chest below a head drawn with the same centre and width.
void drawShoulders(QPainter& p, QPointF centre, qreal width, const Look& look, qreal bottom);
// A standing person, head first; `reach` stretches the right arm out towards the viewer's left.
void drawFigure(QPainter& p, QPointF headCentre, qreal faceWidth, const Look& look, Outfit outfit,
    bool reach = false);
// A head in profile looking left (`facingLeft`) or right.
void drawProfile(QPainter& p, QPointF centre, qreal width, const Look& look, bool facingLeft);

void warmBlur(QPainter& p, const QRectF& area, quint32 seed);
void grass(QPainter& p, const QRectF& area, quint32 seed);
void sky(QPainter& p, const QRectF& area);
// A red-brick building filling `area`, with rows of white-framed windows.
void brickBuilding(QPainter& p, const QRectF& area, qreal brick);
void crowd(QPainter& p, const QRectF& area, quint32 seed);

// Turns a painted colour image into shades of grey, kept as a colour image.
void toGrey(QImage& image);

} // namespace People
