// SPDX-License-Identifier: GPL-3.0-or-later
// Where the crossword window draws its three decorations, in twips of its client area. The window
// places them from here, and the build scales each picture ahead to its box (tools/prescale).
#pragma once

#include <array>

namespace Decorations {

struct Placement {
    int image; // 37-39
    int left;
    int top;
    int width;
    int height;
};

inline constexpr std::array<Placement, 3> Placements {{
    {37, 2160, 2760, 1935, 1335},
    {38, 5760, 480, 2055, 1335},
    {39, 4080, 2760, 1575, 1335},
}};

} // namespace Decorations
