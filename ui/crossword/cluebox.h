// A clue's check box. Its caption wraps onto further lines within the box, as a long clue needs;
// otherwise it is a plain check box: a click by mouse or Space raises clicked() on every tick and
// untick, and it takes the focus.
#pragma once

#include <QCheckBox>

class ClueBox : public QCheckBox {
    Q_OBJECT
public:
    explicit ClueBox(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole box answers the mouse, caption included, however many lines it takes.
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;
};
