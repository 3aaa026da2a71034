// SPDX-License-Identifier: GPL-3.0-or-later
// Where each control of the credits window stands, in twips of the window, from the bottom of the
// stack to the top. The crossword window's places are in ui/crossword/layout.h.
#pragma once

#include "puzzle/twips.h"

namespace CreditsLayout {

inline constexpr Twips::Box Window {0, 0, 6150, 3600}; // of a fixed size

// The outline, 40 pixels wide and centred on this edge, and the rounded card.
inline constexpr Twips::Box Shape1 {0, 0, 5895, 3375};
inline constexpr Twips::Box Shape2 {120, 120, 5895, 3375};
inline constexpr Twips::Box Label1 {1200, 240, 3255, 435}; // the corner; sized to its text
inline constexpr Twips::Box imgSalir {5520, 240, 360, 360};
inline constexpr Twips::Box Label2 {240, 720, 2055, 1935};
inline constexpr Twips::Box Line2 {360, 1440, 2040, 15}; // a rule, one pixel high
inline constexpr Twips::Box Line1 {360, 2640, 1920, 15}; // a rule, one pixel high
inline constexpr Twips::Box Label3 {2160, 1080, 3735, 615};
inline constexpr Twips::Box Label4 {1800, 1680, 3735, 615};
inline constexpr Twips::Box Image9 {5280, 2760, 600, 375};
inline constexpr Twips::Box Label5 {960, 2880, 4215, 375};

} // namespace CreditsLayout
