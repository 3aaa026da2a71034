// SPDX-License-Identifier: GPL-3.0-or-later
// A picture control: shows its picture stretched to fill its whole box (inside its border, when it
// has one), width and height scaled independently.
#pragma once

#include <functional>
#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    // The picture, decoded first when it was given as a source and is not decoded yet; for a
    // scaled source, the picture at the size the box draws it.
    QPixmap picture() const;

    // A picture decoded only when first needed: when the box is first drawn or its picture is
    // first asked for. A hidden box that nobody asks never decodes it. Once decoded it is kept,
    // and handed on as one pixmap.
    void setPictureSource(std::function<QPixmap()> source);
    // A picture the box keeps only at the size it draws it: the source is asked for the picture
    // already scaled to the box in device pixels when the box is first drawn, and again should
    // the box change size.
    void setScaledPictureSource(std::function<QPixmap(QSize devicePixels)> source);

    // A fixed single border, one pixel wide, drawn inside the box.
    void setBordered(bool bordered);

    // The rectangle the picture is stretched into.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QPixmap m_picture;
    std::function<QPixmap()> m_source;
    std::function<QPixmap(QSize)> m_scaledSource;
    bool m_bordered = false;
    // The picture scaled once to the box's size in device pixels, redone when either changes.
    QPixmap m_scaled;

    QSize devicePixels() const;
};
