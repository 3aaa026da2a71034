// SPDX-License-Identifier: GPL-3.0-or-later
// The crossword window's message box: the text, one OK button, no icon, the program's name as its
// title, modal to the whole program.
#pragma once

class QString;
class QWidget;

namespace Message {

// Shows the box over `window` and returns at once; the box goes once the player has dismissed it,
// or with the window (Platform::runModal).
//
// While it is up the box stays within the player's reach, since the blocked window takes no key
// and no click: a minimise of the box is undone at once, and whenever the blocked window is
// activated (the player clicked it or its taskbar button, or a compositor raised it over the box)
// the box comes back on top of it with the keyboard focus: it is shown afresh, since a window
// can seldom raise or focus itself (under Wayland never), but a window newly shown gets both.
void show(QWidget* window, const QString& text);

} // namespace Message
