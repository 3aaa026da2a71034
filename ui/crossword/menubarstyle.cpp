// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crossword/menubarstyle.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyleOption>

MenuBarStyle::MenuBarStyle(const QString& baseKey)
    : QProxyStyle(baseKey)
{ }

void MenuBarStyle::install(QMenuBar* bar)
{
    auto* style = new MenuBarStyle(QApplication::style()->name());
    style->setParent(bar);
    bar->setStyle(style);
}

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    // The bar holds the focus only while a keyboard user works it.
    if (element == CE_MenuBarItem && widget && widget->hasFocus()
        && (option->state & State_Selected)) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem active = *item;
            active.state |= State_Sunken;
            QProxyStyle::drawControl(element, &active, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
