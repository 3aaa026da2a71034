// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a word: what a click on a clue's box does.
#pragma once

#include "puzzle/crosswordview.h"

#include <optional>
#include <QStringView>

namespace Puzzle {

enum class WordVerdict { Right, Wrong };

inline constexpr char16_t WinMessage[] = u"GANASTES";
inline constexpr int LastWord = 12;

// A cell matches when its whole text is exactly the expected letter: no trimming, no case or
// accent folding.
bool cellMatches(QStringView text, char expected);

// Reads every cell of the word, then compares them all. nullopt when a cell cannot be read.
std::optional<WordVerdict> CheckWord(int word, CrosswordView& view);

// Shows one label, hides the other, and sets the word's indicator to its right or wrong picture.
Outcome ApplyFeedback(int word, WordVerdict verdict, CrosswordView& view);

// The click handler of clue box N: check word N and show the result; after the last word the
// player is told "GANASTES", whatever the verdict.
Outcome CheckClick(int word, CrosswordView& view);

} // namespace Puzzle
