// SPDX-License-Identifier: GPL-3.0-or-later
// What a Qt key event is to the windows' key handlers.
#pragma once

#include "puzzle/keycodes.h"

#include <QKeyEvent>

// The codes of one key press: keyCode for the key going down, keyAscii for the character it types.
// Only the keys some handler acts on get a code; every other key is NoKey in both, so it never
// reaches a handler. Shift, Ctrl and Alt make no difference.
struct KeyCodes {
    quint16 keyCode = Puzzle::KeyCode::NoKey;
    quint16 keyAscii = Puzzle::KeyCode::NoKey;
};

inline KeyCodes keyCodesOf(const QKeyEvent& event)
{
    using namespace Puzzle::KeyCode;
    const int key = event.key();
    KeyCodes codes;
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        codes.keyCode = key == Qt::Key_Up ? Up : Down;
    // Both Enter keys type a carriage return, whatever text the platform gives them.
    quint16 typed = event.text().isEmpty() ? NoKey : event.text().front().unicode();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        typed = Enter;
    else if (key == Qt::Key_Escape)
        typed = Escape;
    if (typed == Enter || typed == Escape)
        codes.keyAscii = typed;
    return codes;
}
