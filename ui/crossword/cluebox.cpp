#include "cluebox.h"

#include <algorithm>
#include <QPainter>
#include <QStyleOption>
#include <QTextLayout>

ClueBox::ClueBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QRect ClueBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
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
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &indicator, &painter, this);

    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect area = rect().adjusted(indicator.rect.right() + 1 + spacing, 0, 0, 0);

    // Break the caption into lines that fit the box's width.
    QTextLayout layout(text(), font());
    QTextOption textOption(Qt::AlignLeft);
    textOption.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(textOption);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(area.width());
    layout.endLayout();
    const int lines = layout.lineCount();
    if (lines == 0)
        return;

    // The lines are centred in the box's height. When they would not fit at the font's own line
    // spacing they move closer together, each line's capitals centred in its share of the height,
    // so that a two-line caption stays whole in a box little taller than one line.
    const QFontMetricsF metrics(font());
    const qreal pitch = std::min(metrics.lineSpacing(), qreal(area.height()) / lines);
    const qreal top = area.top() + (area.height() - pitch * lines) / 2;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setClipRect(area);
    QRectF used;
    for (int i = 0; i < lines; ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal baseline = top + pitch * i + (pitch + metrics.capHeight()) / 2;
        const QPointF origin(area.left(), baseline - line.ascent());
        line.draw(&painter, origin);
        used |= QRectF(origin.x(), top + pitch * i, line.naturalTextWidth(), pitch);
    }

    if (hasFocus()) {
        painter.setClipping(false);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.toAlignedRect().intersected(rect());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
