// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/picturebox.h"

#include "assets/scaling.h"
#include "ui/widgets/accessibility.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    // A picture to screen readers, named by the window that shows it.
    Accessibility::setRole(this, QAccessible::Graphic);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    m_source = nullptr;
    m_scaledSource = nullptr;
    m_scaled = QPixmap();
    update();
}

QPixmap PictureBox::picture() const
{
    if (m_scaledSource)
        return m_scaled.isNull() ? m_scaledSource(devicePixels()) : m_scaled;
    if (m_picture.isNull() && m_source)
        m_picture = m_source();
    return m_picture;
}

void PictureBox::setPictureSource(std::function<QPixmap()> source)
{
    setPicture(QPixmap());
    m_source = std::move(source);
}

void PictureBox::setScaledPictureSource(std::function<QPixmap(QSize)> source)
{
    setPicture(QPixmap());
    m_scaledSource = std::move(source);
}

void PictureBox::setBordered(bool bordered)
{
    m_bordered = bordered;
    update();
}

QRect PictureBox::pictureRect() const
{
    return m_bordered ? rect().adjusted(1, 1, -1, -1) : rect();
}

QSize PictureBox::devicePixels() const
{
    return (QSizeF(pictureRect().size()) * devicePixelRatioF()).toSize();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect target = pictureRect();
    if ((!m_picture.isNull() || m_source || m_scaledSource) && !target.isEmpty()) {
        // Scale with area averaging straight to the screen's pixels: a large picture shrunk into
        // a small box stays smooth, and nothing is scaled a second time while drawing.
        const QSize size = devicePixels();
        if (m_scaled.isNull() || m_scaled.size() != size) {
            m_scaled
                = m_scaledSource ? m_scaledSource(size) : Pictures::scaledToBox(picture(), size);
            m_scaled.setDevicePixelRatio(devicePixelRatioF());
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, m_scaled);
    }
    if (m_bordered) {
        // One logical pixel on each side, whatever the screen's scale.
        const QColor line = palette().color(QPalette::WindowText);
        const QRect box = rect();
        painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), line);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), line);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), line);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), line);
    }
}
