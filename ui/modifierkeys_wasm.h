// SPDX-License-Identifier: GPL-3.0-or-later
// Qt 6.4's browser platform gives the press of a modifier key (Shift, Ctrl, Alt, Meta) the
// modifiers held after the key goes down, and its release those held after it comes up, where Qt
// expects those held before. Alt pressed alone then never reaches the menu bar, which highlights
// its first entry for the keyboard on Alt as on the desktop.
#pragma once

namespace ModifierKeys {

// Puts it right for every window of the application, for as long as the application lives.
void putRight();

} // namespace ModifierKeys
