// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn controls of the credits window: labels that wrap like the window's design expects,
// and the two shapes behind everything.
#pragma once

#include <QColor>
#include <QLabel>
#include <QStringList>

class QFontMetricsF;

// A transparent label. With word wrap on it breaks its caption the way the design was laid out:
// a line ends where the next word no longer fits, and blanks take room like any other character,
// so a long run of blanks carries on over the following lines instead of vanishing at the end of
// one. The caption's text stays exactly as given.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

    // The lines the caption is drawn in, for a line width in pixels.
    static QStringList wrapLines(const QString& text, const QFontMetricsF& metrics, qreal width);
    QStringList lines() const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A rectangle shape: either filled with rounded corners and no outline, or an outline of a given
// width centred on the rectangle's edge and no fill. The widget covers the shape's whole drawing,
// so an outline reaches half its width outside the rectangle.
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    enum Kind { RoundedFill, Outline };

    ShapeControl(Kind kind, const QRect& shape, const QColor& color, int outlineWidth,
        QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QRect m_shape;
    QColor m_color;
    int m_outlineWidth;
};
