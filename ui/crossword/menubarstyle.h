// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's style: the application's own, except that the entry a keyboard user is on (after
// Alt, or while moving along the bar with the arrow keys) gets the highlight the style gives an
// entry whose menu is open. The bar's entries open no menus, so the style alone would leave the
// active entry looking like the others.
#pragma once

#include <QProxyStyle>

class QMenuBar;

class MenuBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    // The style is owned by the bar it is set on.
    static void install(QMenuBar* bar);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;

private:
    explicit MenuBarStyle(const QString& baseKey);
};
