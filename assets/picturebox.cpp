#include "picturebox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{ }

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

QPixmap PictureBox::picture() const
{
    return m_picture;
}

void PictureBox::setBordered(bool bordered)
{
    m_bordered = bordered;
    update();
}

bool PictureBox::isBordered() const
{
    return m_bordered;
}

QRect PictureBox::pictureRect() const
{
    return m_bordered ? rect().adjusted(1, 1, -1, -1) : rect();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawPixmap(pictureRect(), m_picture);
    if (m_bordered) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
