// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/modifierkeys_wasm.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace ModifierKeys {

namespace {

Qt::KeyboardModifier modifierOf(int key)
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

class Repair : public QObject {
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
};

} // namespace

void putRight()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new Repair(app));
}

} // namespace ModifierKeys
