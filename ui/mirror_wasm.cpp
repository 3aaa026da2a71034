// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mirror_wasm.h"

#include <algorithm>
#include <climits>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <private/qguiapplication_p.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace Mirror {

namespace {

using emscripten::val;

// The page's side, web/mirror.js.
val page()
{
    return val::global("telmarondaMirror");
}

val text(const QString& string)
{
    return val(string.toStdString());
}

// A control of a window that the page has a control for: a widget, or a menu bar's entry.
struct Control {
    QPointer<QObject> object;
    QPointer<QWidget> window;
};

class PageForm : public QObject {
public:
    static PageForm& instance()
    {
        static PageForm* form = new PageForm(QCoreApplication::instance());
        return *form;
    }

    // What the windows tell assistive technology.
    void heard(QAccessibleEvent* event)
    {
        QObject* object = event->object();
        switch (event->type()) {
        case QAccessible::Focus:
            // A widget losing the focus tells it too.
            if (const int id = idOf(object); id && object == QApplication::focusWidget()) {
                const auto* edit = qobject_cast<const QLineEdit*>(object);
                page().call<void>("focus", id, edit && edit->hasSelectedText());
            }
            break;
        case QAccessible::TextInserted:
        case QAccessible::TextRemoved:
        case QAccessible::TextUpdated:
        case QAccessible::ValueChanged:
            if (const auto* edit = qobject_cast<const QLineEdit*>(object); edit && idOf(object))
                page().call<void>("value", idOf(object), text(edit->text()));
            break;
        case QAccessible::StateChanged:
            if (const auto* box = qobject_cast<const QAbstractButton*>(object);
                box && box->isCheckable() && idOf(object))
                page().call<void>("checked", idOf(object), box->isChecked());
            break;
        case QAccessible::NameChanged:
        case QAccessible::DescriptionChanged:
            if (const int id = idOf(object))
                if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object))
                    page().call<void>("named", id, text(iface->text(QAccessible::Name)),
                        text(iface->text(QAccessible::Description)));
            break;
        case QAccessible::ObjectShow:
            announceShown(object);
            break;
        case QAccessible::Alert:
            // A message box's value is its text.
            if (auto* widget = qobject_cast<QWidget*>(object))
                if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget))
                    say(iface->text(QAccessible::Value));
            break;
        default:
            break;
        }
    }

    // The page's focus went to a control: the game's follows.
    void focused(int id)
    {
        auto* widget = qobject_cast<QWidget*>(objectOf(id));
        if (!widget || !widget->isVisible() || blocked(widget->window()))
            return;
        if (!widget->isActiveWindow()) {
            widget->window()->activateWindow();
            QWindowSystemInterface::flushWindowSystemEvents();
        }
        if (QApplication::focusWidget() != widget)
            widget->setFocus(Qt::OtherFocusReason);
    }

    // A field of the page now holds `typed`: the keys that make the text box's text the same go
    // to the game as a keyboard sends them, to wherever the game's focus is. The text box's text
    // afterwards.
    std::string typed(int id, const std::string& typed)
    {
        auto* edit = qobject_cast<QLineEdit*>(objectOf(id));
        if (!edit)
            return typed;
        if (blocked(edit->window()))
            return edit->text().toStdString();
        const QString before = edit->text();
        const QString after = QString::fromStdString(typed);
        qsizetype same = 0;
        while (same < before.size() && same < after.size() && before.at(same) == after.at(same))
            ++same;
        qsizetype sameEnd = 0;
        while (sameEnd < before.size() - same && sameEnd < after.size() - same
            && before.at(before.size() - 1 - sameEnd) == after.at(after.size() - 1 - sameEnd))
            ++sameEnd;
        if (before != after) {
            press(Qt::Key_End);
            for (qsizetype i = 0; i < sameEnd; ++i)
                press(Qt::Key_Left);
            for (qsizetype i = same + sameEnd; i < before.size(); ++i)
                press(Qt::Key_Backspace);
            for (const QChar character : after.mid(same, after.size() - same - sameEnd))
                press(character.toUpper().unicode(), QString(character));
        }
        QCoreApplication::sendPostedEvents();
        return edit->text().toStdString();
    }

    // A key the page's field does not keep, such as Enter or an arrow, goes to the game as is.
    void key(const std::string& name, bool shift, bool down)
    {
        static const QHash<QString, std::pair<int, QString>> keys {
            {QStringLiteral("Enter"), {Qt::Key_Return, QStringLiteral("\r")}},
            {QStringLiteral("Escape"), {Qt::Key_Escape, QStringLiteral("\x1b")}},
            {QStringLiteral("Tab"), {Qt::Key_Tab, QStringLiteral("\t")}},
            {QStringLiteral("ArrowUp"), {Qt::Key_Up, {}}},
            {QStringLiteral("ArrowDown"), {Qt::Key_Down, {}}},
            {QStringLiteral("Alt"), {Qt::Key_Alt, {}}},
        };
        const auto found = keys.constFind(QString::fromStdString(name));
        if (found == keys.cend())
            return;
        int code = found->first;
        Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        if (code == Qt::Key_Tab && shift)
            code = Qt::Key_Backtab;
        // Given as the browser gives them; ModifierKeys puts Alt's own right.
        if (code == Qt::Key_Alt && down)
            modifiers |= Qt::AltModifier;
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
            nullptr, down ? QEvent::KeyPress : QEvent::KeyRelease, code, modifiers, found->second);
        // The focus move an Enter or arrow asked for is made before the page hears of it again,
        // so that the page's focus moves while the key is still being handled.
        QCoreApplication::sendPostedEvents();
    }

    // A check box ticked or a button pressed in the page: the game's own is clicked.
    void pressed(int id)
    {
        const Control control = m_controls.value(id);
        if (!control.window || !control.window->isVisible() || blocked(control.window))
            return;
        if (auto* button = qobject_cast<QAbstractButton*>(control.object)) {
            button->click();
            // The page's box shows the game's, ticked or not, whatever the click made of it.
            if (button->isCheckable() && m_ids.value(button) == id)
                page().call<void>("checked", id, button->isChecked());
        } else if (auto* action = qobject_cast<QAction*>(control.object)) {
            action->trigger();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::Move
            && type != QEvent::Resize && type != QEvent::WindowBlocked
            && type != QEvent::WindowUnblocked)
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow() || window->windowType() == Qt::Popup
            || window->windowType() == Qt::ToolTip)
            return false;
        switch (type) {
        case QEvent::Show:
            open(window);
            break;
        case QEvent::Hide:
            close(window);
            break;
        case QEvent::WindowBlocked:
        case QEvent::WindowUnblocked:
            if (m_windows.contains(window))
                page().call<void>(
                    "blocked", m_windows.value(window), type == QEvent::WindowBlocked);
            break;
        default:
            place(window);
            break;
        }
        return false;
    }

private:
    explicit PageForm(QObject* parent)
        : QObject(parent)
    { }

    static bool blocked(QWidget* window)
    {
        QWindow* handle = window->windowHandle();
        return handle && QGuiApplicationPrivate::instance()->isWindowBlocked(handle);
    }

    int idOf(QObject* object) const { return object ? m_ids.value(object) : 0; }
    QObject* objectOf(int id) const { return m_controls.value(id).object; }

    static void say(const QString& words)
    {
        if (!words.isEmpty())
            page().call<void>("say", text(words));
    }

    // What a window or box that has just appeared says: its description, or else its texts.
    static QStringList spokenTexts(QAccessibleInterface* iface)
    {
        QStringList texts;
        if (!iface)
            return texts;
        const QString description = iface->text(QAccessible::Description);
        if (!description.isEmpty())
            return {description};
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* child = iface->child(i);
            if (!child || child->state().invisible)
                continue;
            if (child->role() == QAccessible::StaticText)
                texts.append(child->text(QAccessible::Name));
            else
                texts.append(spokenTexts(child));
        }
        texts.removeAll(QString());
        return texts;
    }

    void announceShown(QObject* object)
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget)
            return;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        if (!iface)
            return;
        if (iface->role() == QAccessible::Notification)
            say(iface->text(QAccessible::Name));
        else if (widget->isWindow() && iface->role() == QAccessible::Dialog)
            say(spokenTexts(iface).join(u'\n'));
    }

    // The controls of a window's accessibility tree that the page has controls for, in tree order.
    static void collect(QAccessibleInterface* iface, QList<QAccessibleInterface*>& found)
    {
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* child = iface->child(i);
            if (!child || child->state().invisible)
                continue;
            switch (child->role()) {
            case QAccessible::EditableText:
            case QAccessible::CheckBox:
            case QAccessible::PushButton:
            case QAccessible::MenuItem:
                found.append(child);
                break;
            default:
                collect(child, found);
                break;
            }
        }
    }

    void open(QWidget* window)
    {
        close(window);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
        if (!root)
            return;
        QList<QAccessibleInterface*> found;
        collect(root, found);
        // In the window's tab order; what is not in it (a menu bar's entries) comes last.
        QHash<QObject*, int> tabOrder;
        QWidget* widget = window;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                tabOrder.insert(widget, int(tabOrder.size()));
            widget = widget->nextInFocusChain();
        } while (widget && widget != window);
        std::stable_sort(found.begin(), found.end(), [&](auto* a, auto* b) {
            return tabOrder.value(a->object(), INT_MAX) < tabOrder.value(b->object(), INT_MAX);
        });

        const int windowId = ++m_lastId;
        m_windows.insert(window, windowId);
        const QPoint origin = window->mapToGlobal(QPoint());
        val controls = val::array();
        for (QAccessibleInterface* iface : std::as_const(found)) {
            const int id = ++m_lastId;
            m_ids.insert(iface->object(), id);
            m_controls.insert(id, {iface->object(), window});
            const QRect box = iface->rect().translated(-origin);
            val control = val::object();
            control.set("id", id);
            const QAccessible::Role role = iface->role();
            control.set("kind",
                std::string(role == QAccessible::EditableText ? "text"
                        : role == QAccessible::CheckBox       ? "box"
                                                              : "button"));
            control.set("name", text(iface->text(QAccessible::Name)));
            control.set("description", text(iface->text(QAccessible::Description)));
            control.set("value", text(iface->text(QAccessible::Value)));
            control.set("checked", iface->state().checked != 0);
            val place = val::array();
            for (const int measure : {box.x(), box.y(), box.width(), box.height()})
                place.call<void>("push", measure);
            control.set("box", place);
            controls.call<void>("push", control);
        }
        page().call<void>("open", windowId, text(window->windowTitle()), controls, blocked(window));
        place(window);
        if (QWidget* focused = QApplication::focusWidget(); focused && focused->window() == window)
            if (const int id = idOf(focused))
                page().call<void>("focus", id, false);
    }

    void close(QWidget* window)
    {
        const int windowId = m_windows.take(window);
        if (!windowId)
            return;
        for (auto control = m_controls.begin(); control != m_controls.end();) {
            if (control->window == window || !control->window) {
                m_ids.remove(control->object);
                control = m_controls.erase(control);
            } else {
                ++control;
            }
        }
        page().call<void>("close", windowId);
    }

    // Where the window's client area stands on the canvas, in the page's pixels.
    void place(QWidget* window)
    {
        const int windowId = m_windows.value(window);
        if (!windowId)
            return;
        const QPoint at = window->mapToGlobal(QPoint()) - window->screen()->geometry().topLeft();
        page().call<void>("place", windowId, at.x(), at.y());
    }

    QHash<QWidget*, int> m_windows;
    QHash<int, Control> m_controls;
    QHash<QObject*, int> m_ids;
    int m_lastId = 0;

    static void press(int code, const QString& typed = {})
    {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
                nullptr, type, code, Qt::NoModifier, typed);
    }
};

void focused(int id)
{
    PageForm::instance().focused(id);
}

std::string typed(int id, const std::string& text)
{
    return PageForm::instance().typed(id, text);
}

void key(const std::string& name, bool shift, bool down)
{
    PageForm::instance().key(name, shift, down);
}

void pressed(int id)
{
    PageForm::instance().pressed(id);
}

} // namespace

void start()
{
    // Qt's browser platform keeps its accessibility switched off: the widgets then tell nobody
    // anything.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QCoreApplication::instance()->installEventFilter(&PageForm::instance());
    QAccessible::installUpdateHandler(
        [](QAccessibleEvent* event) { PageForm::instance().heard(event); });
}

} // namespace Mirror

EMSCRIPTEN_BINDINGS(telmaronda_mirror)
{
    emscripten::function("mirrorFocused", &Mirror::focused);
    emscripten::function("mirrorTyped", &Mirror::typed);
    emscripten::function("mirrorKey", &Mirror::key);
    emscripten::function("mirrorPressed", &Mirror::pressed);
}
