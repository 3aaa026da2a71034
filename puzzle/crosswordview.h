// SPDX-License-Identifier: GPL-3.0-or-later
// What the game's logic asks of the crossword window. The window implements it on its real
// controls; anything else (a test, a benchmark) may implement it too, so the logic runs without a
// window.
#pragma once

#include <optional>
#include <QString>
#include <QVariant>

namespace Puzzle {

// Every window operation may fail. A failed step ends the handler that made it: the steps before
// it stay done, the steps after it never run, and Failed goes back to whoever delivered the event.
enum class [[nodiscard]] Outcome {Done, Failed};

enum class FeedbackLabel { Label1, Label2 }; // "MUY BIEN", "MUY MAL"

// A picture as the window holds it. The logic only moves pictures between image controls, so it
// never looks inside; a null value is an image control without a picture.
using Picture = QVariant;

class CrosswordView {
public:
    virtual ~CrosswordView() = default;

    // The full current text of cell 1-64; nullopt when the cell cannot be read.
    virtual std::optional<QString> CellText(int cell) = 0;
    virtual Outcome SetLabelVisible(FeedbackLabel label, bool visible) = 0;
    // The picture held by image control 1-39; nullopt when it cannot be read.
    virtual std::optional<Picture> GetPicture(int image) = 0;
    virtual Outcome SetPicture(int image, const Picture& picture) = 0;
    // A modal message that returns once the player has dismissed it.
    virtual Outcome ShowMessage(const QString& text) = 0;
    // Ask for the focus to move along the tab order once the current key event is over.
    virtual Outcome FocusNext() = 0;
    virtual Outcome FocusPrevious() = 0;

protected:
    CrosswordView() = default;
    CrosswordView(const CrosswordView&) = default;
    CrosswordView& operator=(const CrosswordView&) = default;
};

} // namespace Puzzle
