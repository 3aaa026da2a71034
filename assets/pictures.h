// Every picture the game shows, built into the program. A window asks for its pictures when it is
// created and lets them go with it.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace Pictures {

QPixmap rightPicture(int word); // word 1-12: the word's own picture
// The one title card every word shows when wrong. Every call made while one window is being built
// returns the same pixmap, decoded once; the next window gets a fresh one.
QPixmap wrongPicture();
QPixmap decoration(int image); // the crossword window's decorations, image 37-39
QPixmap flag(); // the credits window's flag
QIcon closePicture(); // the credits window's close symbol (32 x 32 and 16 x 16)
QCursor handCursor(); // the pointing hand shown over the close symbol, with its own hotspot
QIcon applicationIcon(); // the program's icon

} // namespace Pictures
