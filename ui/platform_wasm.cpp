// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's side of Platform, on Qt's WebAssembly platform, where a canvas filling the page is
// the screen the windows stand on and Qt draws their frames itself; the page mirrors the windows
// in controls of its own (mirror_wasm.cpp).
#include "ui/mirror_wasm.h"
#include "ui/modifierkeys_wasm.h"
#include "ui/placement_wasm.h"
#include "ui/platform.h"

#include <emscripten/val.h>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace Platform {

void prepareApplication()
{
    // Qt's browser platform, where the browser reports touch, would open a text field of its own
    // for the phone's keyboard, which takes the page's focus from the mirrored controls and reads
    // a composing keyboard wrongly. Asked for an input method the program does not have, it opens
    // none: the mirrored controls take the phone's keyboard instead.
    qputenv("QT_IM_MODULE", "none");
}

void setUpApplication()
{
    ModifierKeys::putRight();
    Mirror::start();
}

void runModal(QDialog* box, QWidget* blocked)
{
    const QPointer<QWidget> window = blocked;
    QObject::connect(box, &QDialog::finished, box, [box, window] {
        box->deleteLater();
        // The page gives the keyboard back to no window: the one the box blocked takes it.
        if (window)
            window->activateWindow();
    });
    show(box);
}

void show(QWidget* window)
{
    if (!window->parentWidget())
        Placement::keepCentred(window);
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
