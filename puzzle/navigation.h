// SPDX-License-Identifier: GPL-3.0-or-later
// The crossword window's key preview: Enter and the Down arrow move the focus to the next control
// in tab order, the Up arrow to the previous one. Every other key goes on to the focused control.
#pragma once

#include "puzzle/crosswordview.h"
#include "puzzle/keycodes.h"

namespace Puzzle {

// A character key, before the focused control sees it.
Outcome Form_KeyPress(CrosswordView& view, quint16& keyAscii);

// A key going down, before the focused control sees it. Shift, Ctrl and Alt make no difference,
// so the modifiers are not asked for.
Outcome Form_KeyDown(CrosswordView& view, quint16& keyCode);

} // namespace Puzzle
