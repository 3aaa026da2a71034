// SPDX-License-Identifier: GPL-3.0-or-later
// Where each control of the crossword window stands, in twips of the window's client area, or of
// its clue list for a clue box. The cells' places are the puzzle's own (puzzle/puzzle.h), and a
// decoration's size is the box the picture list shows it in.
#pragma once

#include "assets/picturelist.h"
#include "puzzle/puzzle.h"
#include "puzzle/twips.h"

#include <algorithm>
#include <array>

namespace Layout {

inline constexpr int ClientWidth = 8700;
inline constexpr int ClientHeight = 6660;

// The verdicts, "MUY BIEN" and "MUY MAL".
inline constexpr Twips::Box Label1 {1920, 840, 1095, 375};
inline constexpr Twips::Box Label2 {1920, 1200, 1095, 255};

// The clue lists: odd words in Frame1, even ones in Frame2.
inline constexpr Twips::Box Frame1 {120, 4440, 3855, 2175};
inline constexpr Twips::Box Frame2 {4560, 4440, 3975, 2175};

// Word N's clue box, inside its list, at index N-1.
inline constexpr std::array<Twips::Box, Puzzle::WordCount> ClueBoxes {{
    {120, 240, 3615, 315},
    {120, 240, 3735, 225},
    {120, 600, 3615, 195},
    {120, 480, 3735, 435},
    {120, 840, 3615, 195},
    {120, 960, 3735, 315},
    {120, 1080, 3615, 195},
    {120, 1200, 3735, 315},
    {120, 1440, 3615, 195},
    {120, 1560, 3735, 315},
    {120, 1680, 3615, 435},
    {120, 1920, 3735, 195},
}};

// The height, from its top, of the part of word N's clue box that the next box of its list leaves
// uncovered.
inline int openHeight(int word)
{
    const Twips::Box& box = ClueBoxes.at(word - 1);
    int open = box.height;
    for (int other = 1; other <= Puzzle::WordCount; ++other) {
        const Twips::Box& below = ClueBoxes.at(other - 1);
        if (Puzzle::clueListOf(other) == Puzzle::clueListOf(word) && below.top > box.top)
            open = std::min(open, below.top - box.top);
    }
    return open;
}

// Word N's indicator: words 1-6 down the left edge, words 7-12 down the right edge.
constexpr Twips::Box indicator(int word)
{
    constexpr int Size = 495;
    const int column = word <= 6 ? 120 : 8160;
    return {column, 120 + 600 * ((word - 1) % 6), Size, Size};
}

// The decorations, images 37 to 39.
constexpr Twips::Box decoration(int image)
{
    constexpr std::array<std::pair<int, int>, 3> Corners {
        {{2160, 2760}, {5760, 480}, {4080, 2760}}};
    const int index = image - PictureList::FirstDecoration;
    const PictureList::Decoration& shown = PictureList::Decorations.at(index);
    return {Corners.at(index).first, Corners.at(index).second, shown.boxWidth, shown.boxHeight};
}

} // namespace Layout
