// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/credits/creditscontrols.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

QStringList CaptionLabel::wrapLines(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    QStringList lines;
    QString line;
    qreal lineWidth = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text.at(i) == u' ') {
            const qreal blank = metrics.horizontalAdvance(QChar(u' '));
            if (lineWidth + blank > width && !line.isEmpty()) {
                // The blank that no longer fits is the break itself.
                lines.append(line);
                line.clear();
                lineWidth = 0;
            } else {
                line.append(u' ');
                lineWidth += blank;
            }
            ++i;
            continue;
        }
        qsizetype end = text.indexOf(u' ', i);
        if (end < 0)
            end = n;
        const QString word = text.mid(i, end - i);
        const qreal wordWidth = metrics.horizontalAdvance(word);
        if (lineWidth + wordWidth <= width) {
            line.append(word);
            lineWidth += wordWidth;
            i = end;
        } else if (!line.isEmpty()) {
            lines.append(line);
            line.clear();
            lineWidth = 0;
        } else {
            // A word wider than the whole line is cut where it stops fitting, at least one
            // character per line.
            qsizetype fit = 1;
            while (fit < word.size() && metrics.horizontalAdvance(word.left(fit + 1)) <= width)
                ++fit;
            lines.append(word.left(fit));
            i += fit;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QStringList CaptionLabel::lines() const
{
    if (!wordWrap())
        return {text()};
    return wrapLines(text(), QFontMetricsF(font()), width());
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    // The caption keeps its colour when the window's input is disabled.
    painter.setPen(palette().color(QPalette::Active, foregroundRole()));
    const QFontMetricsF metrics(font());
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    qreal top = 0;
    for (const QString& line : lines()) {
        // Blanks at the end of a line take no part in centring; leading blanks do.
        qsizetype inked = line.size();
        while (inked > 0 && line.at(inked - 1) == u' ')
            --inked;
        const QString shown = line.left(inked);
        const qreal lineWidth = metrics.horizontalAdvance(shown);
        qreal left = 0;
        if (horizontal & Qt::AlignHCenter)
            left = (width() - lineWidth) / 2;
        else if (horizontal & Qt::AlignRight)
            left = width() - lineWidth;
        painter.drawText(QPointF(left, top + metrics.ascent()), shown);
        top += metrics.lineSpacing();
    }
}

void CaptionLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

ShapeControl::ShapeControl(
    Kind kind, const QRect& shape, const QColor& color, int outlineWidth, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_shape(shape)
    , m_color(color)
    , m_outlineWidth(kind == Outline ? outlineWidth : 0)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int outside = m_outlineWidth / 2;
    setGeometry(shape.adjusted(-outside, -outside, outside, outside));
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF shape = QRectF(m_shape).translated(-QPointF(geometry().topLeft()));
    if (m_kind == RoundedFill) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color);
        const qreal radius = std::min(shape.width(), shape.height()) / 12.0;
        painter.drawRoundedRect(shape, radius, radius);
        return;
    }
    const qreal half = m_outlineWidth / 2.0;
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addRect(shape.adjusted(-half, -half, half, half));
    ring.addRect(shape.adjusted(half, half, -half, -half));
    painter.fillPath(ring, m_color);
}
