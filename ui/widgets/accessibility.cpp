// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr char RoleProperty[] = "telmaronda_accessibleRole";

class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    { }

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shownChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    // A hidden child, such as a picture kept only to be lent to another control, is nobody's
    // business.
    QList<QWidget*> shownChildren() const
    {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->isHidden())
                shown.append(child);
        }
        return shown;
    }
};

QAccessibleInterface* roleFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new RoleAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

namespace Accessibility {

void setRole(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    static_cast<void>(installed);
    widget->setProperty(RoleProperty, static_cast<int>(role));
}

void announce(QWidget* widget)
{
    QAccessibleEvent event(widget, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace Accessibility
