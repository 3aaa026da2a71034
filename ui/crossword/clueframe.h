// SPDX-License-Identifier: GPL-3.0-or-later
// A clue list: a flat etched frame with its caption set into the top border. It never takes the
// focus; the clue boxes are its children.
#pragma once

#include <QColor>
#include <QWidget>

class ClueFrame : public QWidget {
    Q_OBJECT
public:
    ClueFrame(const QString& caption, const QColor& captionColor, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_captionColor;
};
