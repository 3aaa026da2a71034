// A picture control: shows its picture stretched to fill its whole box (inside its border, when it
// has one), width and height scaled independently.
#pragma once

#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    QPixmap picture() const;

    // A fixed single border, one pixel wide, drawn inside the box.
    void setBordered(bool bordered);
    bool isBordered() const;

    // The rectangle the picture is stretched into.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    bool m_bordered = false;
    // The picture scaled once to the box's size in device pixels, redone when either changes.
    QPixmap m_scaled;
    qint64 m_scaledFrom = 0;
};
