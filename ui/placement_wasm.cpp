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

// The browser's scale for the page: 1, or less on a phone's screen smaller than a window shown on
// it. Chosen for the screen's shorter side, so that it holds however the phone is turned, and never
// raised again, so that every window shows at one size. (Qt 6.4 draws at the page's pixel ratio
// times this scale, and a window whose drawing changes size while it shows keeps garbled pixels
// until it is drawn again.)
double pageScale = 1;

// Fits the page to a phone's screen: the page is made wider (its layout viewport), which a phone's
// browser shows scaled down to the screen, so that the whole window shows and a tap lands where
// the finger is. True when the page is made wider. A desktop browser keeps its page as wide as its
// window, whatever it is asked.
bool widenPage(const QWidget* window)
{
    using emscripten::val;
    // Room for rounding, so that no edge of the window falls off the screen.
    constexpr int Margin = 2;
    const val viewport = val::global("visualViewport");
    const QSize frame = window->frameGeometry().size() + QSize(Margin, Margin);
    if (viewport.isUndefined() || frame.isEmpty())
        return false;
    // The screen's size in the page's pixels at the browser's scale of 1, however wide the page.
    const double scale = viewport["scale"].as<double>();
    const double width = viewport["width"].as<double>() * scale;
    const double shorter = std::min(width, viewport["height"].as<double>() * scale);
    pageScale = std::min({pageScale, shorter / frame.width(), shorter / frame.height()});
    const std::string content = pageScale < 1
        ? "width=" + std::to_string(static_cast<int>(std::ceil(width / pageScale)))
        : std::string("width=device-width, initial-scale=1");
    val meta
        = val::global("document").call<val>("querySelector", std::string("meta[name=viewport]"));
    if (!meta.isNull() && meta.call<std::string>("getAttribute", std::string("content")) != content)
        meta.call<void>("setAttribute", std::string("content"), content);
    return pageScale < 1;
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
