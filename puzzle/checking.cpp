// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/checking.h"

#include "puzzle/puzzle.h"

#include <QStringList>

namespace Puzzle {

bool cellMatches(QStringView text, char expected)
{
    return text.size() == 1 && text.front() == QLatin1Char(expected);
}

std::optional<WordVerdict> CheckWord(int word, CrosswordView& view)
{
    const std::span<const int> cells = cellsOfWord(word);

    QStringList texts;
    texts.reserve(static_cast<qsizetype>(cells.size()));
    for (int cell : cells) {
        std::optional<QString> text = view.CellText(cell);
        if (!text)
            return std::nullopt;
        texts.append(std::move(*text));
    }

    // Every comparison is made, last cell first; none ends the check early.
    bool right = true;
    for (int position = wordLength(word); position >= 1; --position)
        right = cellMatches(texts.at(position - 1), expectedLetter(word, position)) && right;
    return right ? WordVerdict::Right : WordVerdict::Wrong;
}

Outcome ApplyFeedback(int word, WordVerdict verdict, CrosswordView& view)
{
    const bool right = verdict == WordVerdict::Right;
    const FeedbackLabel shown = right ? FeedbackLabel::Label1 : FeedbackLabel::Label2;
    const FeedbackLabel hidden = right ? FeedbackLabel::Label2 : FeedbackLabel::Label1;
    const PictureSlots slots = pictureSlots(word);

    if (view.SetLabelVisible(shown, true) == Outcome::Failed)
        return Outcome::Failed;
    if (view.SetLabelVisible(hidden, false) == Outcome::Failed)
        return Outcome::Failed;
    const std::optional<Picture> picture = view.GetPicture(right ? slots.right : slots.wrong);
    if (!picture)
        return Outcome::Failed;
    return view.SetPicture(slots.indicator, *picture);
}

Outcome CheckClick(int word, CrosswordView& view)
{
    const std::optional<WordVerdict> verdict = CheckWord(word, view);
    if (!verdict)
        return Outcome::Failed;
    if (ApplyFeedback(word, *verdict, view) == Outcome::Failed)
        return Outcome::Failed;
    if (word == LastWord)
        return view.ShowMessage(QString::fromUtf16(WinMessage));
    return Outcome::Done;
}

} // namespace Puzzle
