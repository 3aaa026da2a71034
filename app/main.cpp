// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowsequence.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The program takes no command line: Qt sees only the program's name, so none of its own
    // options (-reverse, -style, -stylesheet, -qwindowtitle...) can change the game.
    char programName[] = "TELMARONDA";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : programName, nullptr};
    QApplication app(qtArgc, qtArgv);
    configureApplication(app);

    WindowSequence windows;
    QObject::connect(&windows, &WindowSequence::finished, &app, [] { QCoreApplication::exit(0); });
    windows.showForm1();
    return QApplication::exec();
}
