// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/placement_wasm.h"

#include <algorithm>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace Placement {

namespace {

void centre(QWidget* window)
{
    const QRect page = window->screen()->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(page.center());
    // On a page smaller than the window, its title bar stays in reach.
    window->move(std::max(frame.left(), page.left()), std::max(frame.top(), page.top()));
}

// Belongs to its window.
class Placer : public QObject {
public:
    static inline const QString Name = QStringLiteral("Placer");

    explicit Placer(QWidget* window)
        : QObject(window)
    {
        setObjectName(Name);
        window->installEventFilter(this);
        connect(window->screen(), &QScreen::availableGeometryChanged, this, [window] {
            if (window->isVisible())
                centre(window);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            centre(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void keepCentred(QWidget* window)
{
    if (window->findChild<QObject*>(Placer::Name, Qt::FindDirectChildrenOnly))
        return;
    // Maximised, Qt would stretch the window over the page.
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    new Placer(window);
}

} // namespace Placement
