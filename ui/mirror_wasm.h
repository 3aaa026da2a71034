// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows as real page controls. Qt 6.4's browser platform draws every window on one
// canvas and tells the page nothing of them, so a screen reader finds nothing to read, and a phone
// has no text field to open its keyboard for. The page keeps a form, hidden to sight, made from
// what the windows tell assistive technology (web/mirror.js): a text field for each text box, a
// check box for each check box, a button for each button and menu entry, each named as the
// control is, laid over it in the page and in the window's tab order; and a live region that reads
// out what the windows announce.
//
// Both ways: the page's focus follows the game's while the player is in the form (or touches the
// page), the fields show what the text boxes hold, the check boxes what the game's show. What is
// typed into a field reaches the game as the same keys a keyboard sends, through the same key
// handling; ticking a check box or pressing a button clicks the game's own.
#pragma once

namespace Mirror {

// Switches Qt's accessibility on and keeps the page's form in step with the windows for as long as
// the application lives; once the application exists.
void start();

} // namespace Mirror
