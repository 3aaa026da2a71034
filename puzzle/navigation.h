// The crossword window's key preview: Enter and the Down arrow move the focus to the next control
// in tab order, the Up arrow to the previous one. Every other key goes on to the focused control.
#pragma once

#include "puzzle/crosswordview.h"

#include <QtGlobal>

namespace Puzzle {

// Key codes as the window hands them over. Setting a code to NoKey consumes the key, so the
// focused control never sees it.
namespace KeyCode {
inline constexpr quint16 NoKey = 0;
inline constexpr quint16 Enter = 13; // a character code
inline constexpr quint16 Up = 38;
inline constexpr quint16 Down = 40;
} // namespace KeyCode

// A character key, before the focused control sees it.
Outcome Form_KeyPress(CrosswordView& view, quint16& keyAscii);

// A key going down, before the focused control sees it. Shift, Ctrl and Alt make no difference,
// so the modifiers are not asked for.
Outcome Form_KeyDown(CrosswordView& view, quint16& keyCode);

} // namespace Puzzle
