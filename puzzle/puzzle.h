// SPDX-License-Identifier: GPL-3.0-or-later
// The one crossword of the game: twelve words over 64 letter cells in two islands, with their
// answers, clues and picture slots. The table is constant; the checks at the end of puzzle.cpp
// make any inconsistent entry a compile error.
#pragma once

#include <array>
#include <QString>
#include <span>

namespace Puzzle {

inline constexpr int WordCount = 12;
inline constexpr int CellCount = 64;
inline constexpr int CrossingCount = 10;

enum class Direction { Across, Down };
enum class ClueList { Frame1, Frame2 };

struct TwipPoint {
    int left;
    int top;
    friend constexpr bool operator==(const TwipPoint&, const TwipPoint&) = default;
};

// A word's use of a cell: the word number and the 1-based letter position within the word.
struct WordLetter {
    int word;
    int position;
    friend constexpr bool operator==(const WordLetter&, const WordLetter&) = default;
};

// The three image controls of a word: the indicator shows the result of the word's last check and
// takes its picture from one of the two hidden holders.
struct PictureSlots {
    int indicator;
    int right;
    int wrong;
};

// Cell and word sizes of both islands' grids, in twips.
inline constexpr int ColumnPitch = 480;
inline constexpr int RowPitch = 360;
inline constexpr int CellWidth = 375;
inline constexpr int CellHeight = 285;

// Lookups. Word numbers run 1-12, cell numbers 1-64, letter positions from 1 to the word's length;
// a lookup in the table with any other number stops a debug build with an assertion.
std::span<const int> cellsOfWord(int word);
int wordLength(int word);
char expectedLetter(int word, int position);
std::span<const WordLetter> wordsOfCell(int cell);
Direction direction(int word);
TwipPoint topLeftOf(int cell);
QString clue(int word);
ClueList clueListOf(int word);
PictureSlots pictureSlots(int word);

} // namespace Puzzle
