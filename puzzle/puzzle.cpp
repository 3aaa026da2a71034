// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/puzzle.h"

#include <string_view>

namespace Puzzle {
namespace {

enum class Island { A, B };

struct GridPosition {
    Island island;
    int row;
    int column;
    friend constexpr bool operator==(const GridPosition&, const GridPosition&) = default;
};

struct IslandGrid {
    int rows;
    int columns;
    TwipPoint origin; // top-left corner of row 0, column 0
};

constexpr IslandGrid gridOf(Island island)
{
    return island == Island::A ? IslandGrid {12, 15, {240, 120}} : IslandGrid {6, 6, {5760, 2160}};
}

constexpr int MaxWordLength = 10;

struct WordEntry {
    Direction direction;
    GridPosition start;
    std::string_view answer;
    std::array<int, MaxWordLength> cells; // reading order; unused places are 0
    std::string_view clue; // UTF-8
};

using enum Direction;
using enum Island;

// Cells are numbered on first sight, walking the words in order and each word in reading order.
constexpr std::array<WordEntry, WordCount> Words {{
    {Across, {A, 1, 1}, "JARDINERIA", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
        "Cual es el pasatiempo de mirel en el internado"},
    {Down, {A, 0, 2}, "DALCHE", {11, 2, 12, 13, 14, 15}, "Es la directora y el maestro de ingles"},
    {Across, {A, 4, 1}, "CHORMIVATA", {16, 14, 17, 18, 19, 20, 21, 22, 23, 24},
        "Que personaje tiene en su pared brisel"},
    {Down, {A, 4, 1}, "CELMIRTA", {16, 25, 26, 27, 28, 29, 30, 31},
        "Con quien se sienta Tavi en la cafeteria despues de que Orsina la descubrio"},
    {Across, {A, 11, 0}, "NARE", {32, 31, 33, 34}, "Nombre del chico con quien sale Tavi"},
    {Down, {A, 3, 10}, "TAMA", {35, 24, 36, 37}, "Quien sigue la discusion entre Tavi y Celmirta"},
    {Across, {A, 6, 9}, "TARNEL", {38, 37, 39, 40, 41, 42}, "Ella saca a Brisel de su clase"},
    {Down, {A, 2, 7}, "LOVE", {43, 44, 21, 45}, "Que palabra escribe MS.Dalche en el pizarron"},
    {Down, {A, 7, 3}, "GORLE", {46, 47, 48, 49, 34}, "Como se llama el papá de Tavi"},
    {Across, {B, 2, 0}, "LORIT", {50, 51, 52, 53, 54}, "Nombre de la madre false de Brisel"},
    {Down, {B, 0, 4}, "FUTBOL", {55, 56, 54, 57, 58, 59},
        "Que deporte practica Mirel y las otras chicas"},
    {Across, {B, 5, 0}, "AGUILA", {60, 61, 62, 63, 59, 64}, "Que ave rescata Brisel"},
}};

// Where each cell sits, as drawn on the puzzle's grid sheet: cell N is entry N-1.
constexpr std::array<GridPosition, CellCount> Cells {{
    {A, 1, 1}, {A, 1, 2}, {A, 1, 3}, {A, 1, 4}, {A, 1, 5}, {A, 1, 6}, {A, 1, 7}, // 1-7
    {A, 1, 8}, {A, 1, 9}, {A, 1, 10}, // 8-10
    {A, 0, 2}, {A, 2, 2}, {A, 3, 2}, {A, 4, 2}, {A, 5, 2}, // 11-15
    {A, 4, 1}, {A, 4, 3}, {A, 4, 4}, {A, 4, 5}, {A, 4, 6}, {A, 4, 7}, {A, 4, 8}, // 16-22
    {A, 4, 9}, {A, 4, 10}, // 23-24
    {A, 5, 1}, {A, 6, 1}, {A, 7, 1}, {A, 8, 1}, {A, 9, 1}, {A, 10, 1}, {A, 11, 1}, // 25-31
    {A, 11, 0}, {A, 11, 2}, {A, 11, 3}, // 32-34
    {A, 3, 10}, {A, 5, 10}, {A, 6, 10}, // 35-37
    {A, 6, 9}, {A, 6, 11}, {A, 6, 12}, {A, 6, 13}, {A, 6, 14}, // 38-42
    {A, 2, 7}, {A, 3, 7}, {A, 5, 7}, // 43-45
    {A, 7, 3}, {A, 8, 3}, {A, 9, 3}, {A, 10, 3}, // 46-49
    {B, 2, 0}, {B, 2, 1}, {B, 2, 2}, {B, 2, 3}, {B, 2, 4}, // 50-54
    {B, 0, 4}, {B, 1, 4}, {B, 3, 4}, {B, 4, 4}, {B, 5, 4}, // 55-59
    {B, 5, 0}, {B, 5, 1}, {B, 5, 2}, {B, 5, 3}, {B, 5, 5}, // 60-64
}};

constexpr const WordEntry& entry(int word)
{
    Q_ASSERT_X(word >= 1 && word <= WordCount, "Puzzle", "word number out of range");
    return Words[static_cast<std::size_t>(word - 1)];
}

constexpr int lengthOf(int word)
{
    return static_cast<int>(entry(word).answer.size());
}

constexpr void checkPosition(int word, int position)
{
    Q_ASSERT_X(
        position >= 1 && position <= lengthOf(word), "Puzzle", "letter position out of range");
}

constexpr int cellAt(int word, int position)
{
    checkPosition(word, position);
    return entry(word).cells[static_cast<std::size_t>(position - 1)];
}

constexpr std::size_t cellIndex(int cell)
{
    Q_ASSERT_X(cell >= 1 && cell <= CellCount, "Puzzle", "cell number out of range");
    return static_cast<std::size_t>(cell - 1);
}

constexpr GridPosition cellPosition(int cell)
{
    return Cells[cellIndex(cell)];
}

constexpr TwipPoint twipsOf(GridPosition p)
{
    const TwipPoint origin = gridOf(p.island).origin;
    return {origin.left + ColumnPitch * p.column, origin.top + RowPitch * p.row};
}

// Words of each cell, derived from the word table: one entry for most cells, two for a crossing.
struct CellWords {
    std::array<WordLetter, 2> uses {};
    int count = 0;
};

constexpr std::array<CellWords, CellCount> deriveCellWords()
{
    std::array<CellWords, CellCount> result {};
    for (int word = 1; word <= WordCount; ++word) {
        for (int position = 1; position <= lengthOf(word); ++position) {
            CellWords& cell = result[static_cast<std::size_t>(cellAt(word, position) - 1)];
            if (cell.count < 2)
                cell.uses[static_cast<std::size_t>(cell.count)] = {word, position};
            ++cell.count; // a third use is caught below
        }
    }
    return result;
}

constexpr std::array<CellWords, CellCount> CellWordTable = deriveCellWords();

// ---- Compile-time checks of the table ----

constexpr bool answersAreUpperCaseLetters()
{
    for (const WordEntry& word : Words) {
        if (word.answer.empty() || word.answer.size() > MaxWordLength)
            return false;
        for (char letter : word.answer)
            if (letter < 'A' || letter > 'Z')
                return false;
    }
    return true;
}

// Every listed cell exists, and the cell list is exactly as long as the answer.
constexpr bool cellListsMatchAnswers()
{
    for (int word = 1; word <= WordCount; ++word) {
        for (int position = 1; position <= MaxWordLength; ++position) {
            const int cell = entry(word).cells[static_cast<std::size_t>(position - 1)];
            const bool used = position <= lengthOf(word);
            if (used != (cell >= 1 && cell <= CellCount))
                return false;
            if (!used && cell != 0)
                return false;
        }
    }
    return true;
}

// Walking the words in order, each cell is met for the first time in increasing order 1, 2, 3...
constexpr bool cellsNumberedOnFirstSight()
{
    int next = 1;
    for (int word = 1; word <= WordCount; ++word) {
        for (int position = 1; position <= lengthOf(word); ++position) {
            const int cell = cellAt(word, position);
            if (cell == next)
                ++next;
            else if (cell > next)
                return false; // a gap, or a number used before its turn
        }
    }
    return next == CellCount + 1;
}

// Each word's cells lie in one row (across) or one column (down), one step apart, from its start.
constexpr bool wordsAreStraight()
{
    for (int word = 1; word <= WordCount; ++word) {
        const WordEntry& w = entry(word);
        for (int position = 1; position <= lengthOf(word); ++position) {
            const int step = position - 1;
            const GridPosition expected = w.direction == Across
                ? GridPosition {w.start.island, w.start.row, w.start.column + step}
                : GridPosition {w.start.island, w.start.row + step, w.start.column};
            if (cellPosition(cellAt(word, position)) != expected)
                return false;
        }
    }
    return true;
}

constexpr bool cellsInsideTheirIsland()
{
    for (const GridPosition& p : Cells) {
        const IslandGrid grid = gridOf(p.island);
        if (p.row < 0 || p.row >= grid.rows || p.column < 0 || p.column >= grid.columns)
            return false;
    }
    return true;
}

constexpr bool noTwoCellsShareAPosition()
{
    for (std::size_t i = 0; i < Cells.size(); ++i)
        for (std::size_t j = i + 1; j < Cells.size(); ++j)
            if (Cells[i] == Cells[j])
                return false;
    return true;
}

// Crossings: cells used by two words, always one across and one down word with the same letter.
constexpr int countCrossings()
{
    int crossings = 0;
    for (const CellWords& cell : CellWordTable) {
        if (cell.count < 1 || cell.count > 2)
            return -1;
        if (cell.count == 2) {
            const WordLetter first = cell.uses[0];
            const WordLetter second = cell.uses[1];
            if (entry(first.word).direction == entry(second.word).direction)
                return -1;
            if (entry(first.word).answer[static_cast<std::size_t>(first.position - 1)]
                != entry(second.word).answer[static_cast<std::size_t>(second.position - 1)])
                return -1;
            ++crossings;
        }
    }
    return crossings;
}

// Island B sits half a column and a third of a row off island A's lattice, so their cells can
// never coincide.
constexpr bool islandsOnSeparateLattices()
{
    for (const GridPosition& p : Cells) {
        const TwipPoint at = twipsOf(p);
        const bool onLatticeB = at.left % ColumnPitch == 0 && at.top % RowPitch == 0;
        const bool onLatticeA
            = at.left % ColumnPitch == ColumnPitch / 2 && at.top % RowPitch == RowPitch / 3;
        if ((p.island == B) != onLatticeB || (p.island == A) != onLatticeA)
            return false;
    }
    return true;
}

// Words 1-9 make island A and words 10-12 island B.
constexpr bool islandsHoldTheirWords()
{
    for (int word = 1; word <= WordCount; ++word)
        if ((entry(word).start.island == A) != (word <= 9))
            return false;
    return true;
}

static_assert(answersAreUpperCaseLetters(), "an answer is not made of letters A-Z");
static_assert(cellListsMatchAnswers(), "a word's cell list does not match its answer");
static_assert(cellsNumberedOnFirstSight(), "cells are not numbered 1-64 on first sight");
static_assert(cellsInsideTheirIsland(), "a cell lies outside its island's grid");
static_assert(noTwoCellsShareAPosition(), "two cells share one grid position");
static_assert(wordsAreStraight(), "a word's cells are not in a straight line from its start");
static_assert(countCrossings() == CrossingCount,
    "crossings must be ten, each of an across and a down word with one letter");
static_assert(islandsOnSeparateLattices(), "island B is not off island A's lattice");
static_assert(islandsHoldTheirWords(), "words 1-9 belong to island A, 10-12 to island B");

} // namespace

std::span<const int> cellsOfWord(int word)
{
    return std::span<const int>(entry(word).cells).first(static_cast<std::size_t>(lengthOf(word)));
}

int wordLength(int word)
{
    return lengthOf(word);
}

char expectedLetter(int word, int position)
{
    checkPosition(word, position);
    return entry(word).answer[static_cast<std::size_t>(position - 1)];
}

std::span<const WordLetter> wordsOfCell(int cell)
{
    const CellWords& uses = CellWordTable[cellIndex(cell)];
    return std::span<const WordLetter>(uses.uses).first(static_cast<std::size_t>(uses.count));
}

Direction direction(int word)
{
    return entry(word).direction;
}

TwipPoint topLeftOf(int cell)
{
    return twipsOf(cellPosition(cell));
}

QString clue(int word)
{
    const std::string_view text = entry(word).clue;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ClueList clueListOf(int word)
{
    return word % 2 == 1 ? ClueList::Frame1 : ClueList::Frame2;
}

PictureSlots pictureSlots(int word)
{
    return {3 * word, 3 * word - 2, 3 * word - 1};
}

} // namespace Puzzle
