// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows do differently in a browser tab: there the program cannot wait in a loop of its
// own, Qt shows a window over the whole page unless told otherwise, places none and gives none the
// keyboard, and a program never ends.
// platform.cpp is the desktop's, platform_wasm.cpp the browser's; the build takes one of them.
#pragma once

class QWidget;

namespace Platform {

// Shows a modal box over the window it blocks. On the desktop it returns once the box has been
// dismissed, or the blocked window is gone; in a browser it returns at once. Either way the box is
// deleted once dismissed.
void runModal(QWidget* box, QWidget* blocked);

// Shows a window as a desktop shows it: at its own size, with the keyboard focus. In a browser, a
// window of its own (no box over another) stands centred in the page, also when the page changes
// size, and offers no maximise: every window of the game has a fixed size.
void show(QWidget* window);

// Ends the program: on the desktop once the running handler has returned. A program in a browser
// tab never ends: there its windows go, it takes no more input, and the page says so.
void endProgram();

} // namespace Platform
