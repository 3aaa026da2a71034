// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/placement_wasm.h"

#include <algorithm>
#include <cmath>
#include <emscripten/val.h>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <string>

namespace Placement {

namespace {

// A screen smaller than the window, a phone's: the page is made wider (its layout viewport), which
// a phone's browser shows scaled down to the screen, so that the whole window shows and a tap lands
// where the finger is. True when the page is made wider. A desktop browser keeps its page as wide
// as its window, whatever it is asked.
bool widenPage(const QWidget* window)
{
    using emscripten::val;
    const val viewport = val::global("visualViewport");
    const QSize frame = window->frameGeometry().size();
    if (viewport.isUndefined() || frame.isEmpty())
        return false;
    // The screen's size in the page's pixels at the browser's scale of 1, however wide the page.
    const double scale = viewport["scale"].as<double>();
    const double width = viewport["width"].as<double>() * scale;
    const double height = viewport["height"].as<double>() * scale;
    const double fit = std::min({1.0, width / frame.width(), height / frame.height()});
    const std::string content = fit < 1
        ? "width=" + std::to_string(static_cast<int>(std::ceil(width / fit)))
        : std::string("width=device-width, initial-scale=1");
    val meta
        = val::global("document").call<val>("querySelector", std::string("meta[name=viewport]"));
    if (!meta.isNull() && meta.call<std::string>("getAttribute", std::string("content")) != content)
        meta.call<void>("setAttribute", std::string("content"), content);
    return fit < 1;
}

void centre(QWidget* window)
{
    const bool widened = widenPage(window);
    const QRect page = window->screen()->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(page.center());
    // On a page smaller than the window, its title bar stays in reach. On a page made as wide as
    // the window, it stands at the top, where a phone's keyboard does not cover it.
    int top = std::max(frame.top(), page.top());
    if (widened && frame.width() <= page.width())
        top = page.top();
    window->move(std::max(frame.left(), page.left()), top);
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
