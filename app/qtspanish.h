// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Spanish: the buttons of message boxes and the context menus of text boxes are
// Qt's, and the player sees them. Qt's Spanish translation is built into the program, so they
// read the same whatever the user's language settings.
#pragma once

class QCoreApplication;

// Loads Qt's built-in Spanish translation into the application. Without it, Qt's texts stay in
// English.
void installQtSpanish(QCoreApplication& app);
