// SPDX-License-Identifier: GPL-3.0-or-later
// A crossword window without a window: holds cells, labels and pictures in plain members, logs
// every call in order, and can be told to fail at the N-th call.
#pragma once

#include "puzzle/crosswordview.h"
#include "puzzle/puzzle.h"

#include <array>
#include <QStringList>

class FakeView final : public Puzzle::CrosswordView {
public:
    std::array<QString, 65> cells; // index = cell number
    std::array<bool, 2> labelVisible {false, false};
    std::array<Puzzle::Picture, 40> pictures; // index = image number
    QStringList log;
    int failAtCall = -1; // 0-based index of the call that fails; -1 never

    FakeView()
    {
        // Holders carry their pictures, indicators start empty.
        for (int image = 1; image <= 36; ++image)
            if (image % 3 != 0)
                pictures[image] = QStringLiteral("picture %1").arg(image);
    }

    // Types every answer in upper case.
    void fillSolution()
    {
        for (int word = 1; word <= Puzzle::WordCount; ++word) {
            const auto wordCells = Puzzle::cellsOfWord(word);
            for (std::size_t k = 0; k < wordCells.size(); ++k)
                cells.at(static_cast<std::size_t>(wordCells[k]))
                    = QString(QLatin1Char(Puzzle::expectedLetter(word, static_cast<int>(k) + 1)));
        }
    }

    std::optional<QString> CellText(int cell) override
    {
        if (!record(QStringLiteral("CellText %1").arg(cell)))
            return std::nullopt;
        return cells.at(static_cast<std::size_t>(cell));
    }
    Puzzle::Outcome SetLabelVisible(Puzzle::FeedbackLabel label, bool visible) override
    {
        const int index = label == Puzzle::FeedbackLabel::Label1 ? 1 : 2;
        if (!record(QStringLiteral("SetLabelVisible Label%1 %2")
                        .arg(index)
                        .arg(visible ? QLatin1String("true") : QLatin1String("false"))))
            return Puzzle::Outcome::Failed;
        labelVisible.at(static_cast<std::size_t>(index - 1)) = visible;
        return Puzzle::Outcome::Done;
    }
    std::optional<Puzzle::Picture> GetPicture(int image) override
    {
        if (!record(QStringLiteral("GetPicture %1").arg(image)))
            return std::nullopt;
        return pictures.at(static_cast<std::size_t>(image));
    }
    Puzzle::Outcome SetPicture(int image, const Puzzle::Picture& picture) override
    {
        if (!record(QStringLiteral("SetPicture %1 %2").arg(image).arg(picture.toString())))
            return Puzzle::Outcome::Failed;
        pictures.at(static_cast<std::size_t>(image)) = picture;
        return Puzzle::Outcome::Done;
    }
    Puzzle::Outcome ShowMessage(const QString& text) override
    {
        return outcome(record(QStringLiteral("ShowMessage ") + text));
    }
    Puzzle::Outcome FocusNext() override { return outcome(record(QStringLiteral("FocusNext"))); }
    Puzzle::Outcome FocusPrevious() override
    {
        return outcome(record(QStringLiteral("FocusPrevious")));
    }

private:
    bool record(const QString& call)
    {
        const bool fails = log.size() == failAtCall;
        log.append(call);
        return !fails;
    }
    static Puzzle::Outcome outcome(bool done)
    {
        return done ? Puzzle::Outcome::Done : Puzzle::Outcome::Failed;
    }
};
