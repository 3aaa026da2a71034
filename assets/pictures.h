// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the game shows, built into the program. Each call decodes the picture afresh; a
// window asks for a picture when it first needs it and lets it go with it.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace Pictures {

QPixmap rightPicture(int word); // word 1-12: the word's own picture
QPixmap wrongPicture(); // the one title card every word shows when wrong
QPixmap decoration(int image); // the crossword window's decorations, image 37-39
// A decoration scaled to the given size in device pixels. The build scales each one ahead to the
// size a screen of scale 1 draws it, so such a screen needs neither decoding nor scaling.
QPixmap decoration(int image, QSize devicePixels);
QPixmap flag(); // the credits window's flag
// The credits window's close symbol: the 32 x 32 image of its icon file, as a plain pixmap, so
// nothing of it stays behind in Qt's process-wide caches once the window lets it go.
QPixmap closePicture();
QCursor handCursor(); // the pointing hand shown over the close symbol, with its own hotspot
QIcon applicationIcon(); // the program's icon

} // namespace Pictures
