// SPDX-License-Identifier: GPL-3.0-or-later
// A clue's check box. Its caption wraps onto further lines within the box, as a long clue needs,
// and is set a little narrower when the box has no room for another line; otherwise it is a plain
// check box: a click by mouse or Space raises clicked() on every tick and untick, and it takes the
// focus.
#pragma once

#include <QCheckBox>

class ClueBox : public QCheckBox {
    Q_OBJECT
public:
    explicit ClueBox(const QString& caption, QWidget* parent = nullptr);

    // The height, from the top, that the box may draw in: a box partly covered by the next one in
    // its list keeps its caption and tick box in the part left open. The whole box by default.
    void setOpenHeight(int height);
    int openHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole box answers the mouse, caption included, however many lines it takes.
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;

    int m_openHeight = -1;
};
