// SPDX-License-Identifier: GPL-3.0-or-later
// The key codes the windows hand to their key handlers: the Windows virtual-key code of a key
// going down, the character code of a key typed. Only the keys some handler acts on are named;
// NoKey stands for every other key, and a handler that sets a code to NoKey consumes the key.
#pragma once

#include <QtGlobal>

namespace Puzzle::KeyCode {

inline constexpr quint16 NoKey = 0;
inline constexpr quint16 Enter = 13; // a character code
inline constexpr quint16 Escape = 27; // a character code
inline constexpr quint16 Up = 38;
inline constexpr quint16 Down = 40;

} // namespace Puzzle::KeyCode
