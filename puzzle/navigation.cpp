// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/navigation.h"

namespace Puzzle {
namespace {

// Makes the focus request and consumes the key only when the request went through.
Outcome moveAndConsume(Outcome request, quint16& key)
{
    if (request == Outcome::Done)
        key = KeyCode::NoKey;
    return request;
}

} // namespace

Outcome Form_KeyPress(CrosswordView& view, quint16& keyAscii)
{
    if (keyAscii == KeyCode::Enter)
        return moveAndConsume(view.FocusNext(), keyAscii);
    return Outcome::Done;
}

Outcome Form_KeyDown(CrosswordView& view, quint16& keyCode)
{
    if (keyCode == KeyCode::Up)
        return moveAndConsume(view.FocusPrevious(), keyCode);
    if (keyCode == KeyCode::Down)
        return moveAndConsume(view.FocusNext(), keyCode);
    return Outcome::Done;
}

} // namespace Puzzle
