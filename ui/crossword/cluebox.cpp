// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crossword/cluebox.h"

#include <algorithm>
#include <array>
#include <QPainter>
#include <QStyleOption>
#include <QTextLayout>

namespace {
// A line of caption needs at least three quarters of the font's height: closer lines would touch.
constexpr qreal MinimumLinePitch = 0.75;
// How far a caption may be narrowed to fit its box, and in what steps.
constexpr qreal NarrowestScale = 0.7;
constexpr qreal ScaleStep = 0.02;

// The narrowings a caption may get, widest first: each one step below the one before, as long as
// the next step stays at or above the narrowest.
constexpr std::size_t ScaleCount = [] {
    std::size_t count = 1;
    for (qreal scale = 1.0; scale - ScaleStep >= NarrowestScale; scale -= ScaleStep)
        ++count;
    return count;
}();
constexpr auto Scales = [] {
    std::array<qreal, ScaleCount> scales {};
    qreal scale = 1.0;
    for (qreal& entry : scales) {
        entry = scale;
        scale -= ScaleStep;
    }
    return scales;
}();
} // namespace

ClueBox::ClueBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ClueBox::setOpenHeight(int height)
{
    m_openHeight = height;
    update();
}

int ClueBox::openHeight() const
{
    return m_openHeight < 0 ? height() : std::min(m_openHeight, height());
}

QRect ClueBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect.setHeight(openHeight());
    return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}

bool ClueBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void ClueBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = indicatorRect();
    // Where the style's tick square is taller than the box, it is drawn at the box's height, so
    // it shows whole; the caption keeps its place.
    QStyleOptionButton square = indicator;
    if (square.rect.height() > openHeight())
        square.rect = QRect(square.rect.left(), 0, openHeight(), openHeight());
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &square, &painter, this);

    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect area(indicator.rect.right() + 1 + spacing, 0,
        width() - indicator.rect.right() - 1 - spacing, openHeight());
    if (area.isEmpty() || text().isEmpty())
        return;

    // Break the caption into as many lines as the height allows; when even that is too few, set
    // it narrower until it fits.
    const QFontMetricsF metrics(font());
    const int maxLines = std::max(1, int(area.height() / (metrics.height() * MinimumLinePitch)));
    QTextLayout layout(text(), font());
    QTextOption textOption(Qt::AlignLeft);
    textOption.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(textOption);
    auto wrap = [&](qreal width) {
        layout.clearLayout();
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        return layout.lineCount();
    };
    // The widest narrowing at which the caption fits, or the narrowest there is. A narrower
    // caption never needs more lines, so halving the range finds it in a few layouts.
    std::size_t laidOut = 0; // the narrowing the layout holds
    const auto fits = [&](std::size_t index) {
        laidOut = index;
        return wrap(area.width() / Scales[index]) <= maxLines;
    };
    std::size_t low = 0;
    if (!fits(0)) {
        low = 1;
        std::size_t high = Scales.size() - 1;
        while (low < high) {
            const std::size_t middle = (low + high) / 2;
            if (fits(middle))
                high = middle;
            else
                low = middle + 1;
        }
        if (laidOut != low)
            fits(low);
    }
    const qreal scale = Scales[low];
    const int lines = layout.lineCount();

    // The lines are centred in the height. When they would not fit at the font's own line
    // spacing they move closer together, each line's capitals centred in its share.
    const qreal pitch = std::min(metrics.lineSpacing(), qreal(area.height()) / lines);
    const qreal top = (area.height() - pitch * lines) / 2;
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(area.left(), 0);
    painter.scale(scale, 1.0);
    qreal usedWidth = 0;
    for (int i = 0; i < lines; ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal baseline = top + pitch * i + (pitch + metrics.capHeight()) / 2;
        line.draw(&painter, QPointF(0, baseline - line.ascent()));
        usedWidth = std::max(usedWidth, line.naturalTextWidth());
    }
    painter.resetTransform();

    // A dotted outline round the caption marks the box that has the focus.
    if (hasFocus()) {
        const QRect outline = QRectF(area.left(), top, usedWidth * scale, pitch * lines)
                                  .toAlignedRect()
                                  .intersected(area)
                                  .adjusted(0, 0, -1, -1);
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outline);
    }
}
