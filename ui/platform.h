// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows do differently in a browser tab: there the program cannot wait in a loop of its
// own, the window system places no window and gives none the keyboard, and a program never ends.
// platform.cpp is the desktop's, platform_wasm.cpp the browser's; the build takes one of them.
#pragma once

class QWidget;

namespace Platform {

// Shows a modal box over the window it blocks. On the desktop it returns once the box has been
// dismissed, or the blocked window is gone; in a browser it returns at once. Either way the box is
// deleted once dismissed.
void runModal(QWidget* box, QWidget* blocked);

// Shows a window so that it takes the keyboard focus, as a window newly shown does on a desktop.
void showActive(QWidget* window);

// Places a window newly shown where a desktop's window manager would: in a browser, centred in
// the page, and again whenever the page changes size. The desktop's window manager places them.
void place(QWidget* window);

// Ends the program: on the desktop once the running handler has returned. A program in a browser
// tab never ends: there its windows go, it takes no more input, and the page says so.
void endProgram();

} // namespace Platform
