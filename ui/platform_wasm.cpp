// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's side of Platform, on Qt's WebAssembly platform, where a canvas filling the page is
// the screen the windows stand on and Qt draws their frames itself.
#include "ui/platform.h"

#include <algorithm>
#include <emscripten/val.h>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace Platform {

namespace {

void centre(QWidget* window)
{
    const QRect page = window->screen()->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(page.center());
    // On a page smaller than the window, its title bar stays in reach.
    window->move(std::max(frame.left(), page.left()), std::max(frame.top(), page.top()));
}

// Centres its window whenever it is shown, once Qt knows the frame it draws around it, and when the
// page changes size.
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

// Qt 6.4's browser platform gives the press of a modifier key (Shift, Ctrl, Alt, Meta) the
// modifiers held after the key goes down, and its release those held after it comes up, where Qt
// expects those held before. Alt pressed alone then never reaches the menu bar, which highlights
// its first entry for the keyboard on Alt as on the desktop. Put right for every window.
class ModifierKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        static_cast<void>(watched);
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease
            && type != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifier own = modifierOf(key->key());
        if (own != Qt::NoModifier) {
            // Held before a release, not before a press; the same answer however often it is
            // asked, as the event goes from one receiver to the next.
            Qt::KeyboardModifiers before = key->QInputEvent::modifiers();
            before.setFlag(own, type == QEvent::KeyRelease);
            key->setModifiers(before);
        }
        return false;
    }

private:
    static Qt::KeyboardModifier modifierOf(int key)
    {
        switch (key) {
        case Qt::Key_Shift:
            return Qt::ShiftModifier;
        case Qt::Key_Control:
            return Qt::ControlModifier;
        case Qt::Key_Alt:
            return Qt::AltModifier;
        case Qt::Key_Meta:
            return Qt::MetaModifier;
        default:
            return Qt::NoModifier;
        }
    }
};

} // namespace

void runModal(QWidget* box, QWidget* blocked)
{
    // Nothing waits: a browser tab has no event loop but the page's own.
    const QPointer<QWidget> window = blocked;
    if (auto* dialog = qobject_cast<QDialog*>(box)) {
        QObject::connect(dialog, &QDialog::finished, box, [box, window] {
            box->deleteLater();
            // Nor does the page give the keyboard back to the window the box blocked.
            if (window)
                window->activateWindow();
        });
    }
    show(box);
}

void show(QWidget* window)
{
    static const bool keysPutRight = [] {
        qApp->installEventFilter(new ModifierKeys(qApp));
        return true;
    }();
    static_cast<void>(keysPutRight);
    if (!window->parentWidget()
        && !window->findChild<QObject*>(Placer::Name, Qt::FindDirectChildrenOnly)) {
        // Maximised, Qt would stretch the window over the page.
        window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        new Placer(window);
    }
    // QWidget::show() would cover the page with it.
    window->showNormal();
    window->activateWindow();
}

void endProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    // The page says that the game has ended, and offers to play again.
    const emscripten::val ended
        = emscripten::val::global("Event").new_(std::string("telmaronda-ended"));
    emscripten::val::global("window").call<void>("dispatchEvent", ended);
}

} // namespace Platform
