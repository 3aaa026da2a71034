// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crossword/clueframe.h"

#include <QPainter>

namespace {
// Where the caption starts along the top border, and the gap kept clear on either side of it.
constexpr int CaptionIndent = 8;
constexpr int CaptionGap = 2;
} // namespace

ClueFrame::ClueFrame(const QString& caption, const QColor& captionColor, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_captionColor(captionColor)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void ClueFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int borderTop = metrics.height() / 2;

    // An etched border: a dark line with a light one just inside it.
    const QRect border = rect().adjusted(0, borderTop, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    // The caption interrupts the top border.
    const int captionWidth = metrics.horizontalAdvance(m_caption);
    const QRect captionRect(CaptionIndent, 0, captionWidth, metrics.height());
    painter.fillRect(
        captionRect.adjusted(-CaptionGap, 0, CaptionGap, 0), palette().color(QPalette::Window));
    painter.setPen(m_captionColor);
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
}
