// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows do differently in a browser tab: there Qt shows a window over the whole page
// unless told otherwise, places none and gives none the keyboard back, a program never ends, and
// Qt 6.4 gets the modifiers of a modifier key wrong.
// platform_other.cpp is the desktop's, platform_wasm.cpp the browser's; the build takes one of
// them.
#pragma once

class QDialog;
class QWidget;

namespace Platform {

// Sets what the platform reads as the application starts; before the application exists.
void prepareApplication();

// Puts right what the platform gets wrong for the whole application; once it exists, before any
// window is shown.
void setUpApplication();

// Shows a modal box over the window it blocks, and returns at once: nothing waits in a loop of its
// own, which a browser tab would not have. The box is deleted once dismissed.
void runModal(QDialog* box, QWidget* blocked);

// Shows a window as a desktop shows it: at its own size, with the keyboard focus. In a browser, a
// window of its own (no box over another) stands centred in the page, also when the page changes
// size, and offers no maximise: every window of the game has a fixed size.
void show(QWidget* window);

// Ends the program: on the desktop once the running handler has returned. A program in a browser
// tab never ends: there its windows go, it takes no more input, and the page says so.
void endProgram();

} // namespace Platform
