// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowsequence.h"

#include <iterator>
#include <QApplication>

int main(int argc, char* argv[])
{
    // The program takes no command line: Qt sees only the program's name, so none of its own
    // options (-reverse, -style, -stylesheet, -qwindowtitle...) can change the game.
    char programName[] = "TELMARONDA";
    char* name = argc > 0 && argv[0] ? argv[0] : programName;
#ifdef Q_OS_WIN
    // Text is drawn with FreeType, as on Linux, rather than with GDI, whose whole-pixel advances
    // make the captions narrower: so they break into the same lines on every system.
    char platformOption[] = "-platform";
    char freeType[] = "windows:fontengine=freetype";
    char* qtArgv[] = {name, platformOption, freeType, nullptr};
#else
    char* qtArgv[] = {name, nullptr};
#endif
    int qtArgc = static_cast<int>(std::size(qtArgv)) - 1;
    QApplication app(qtArgc, qtArgv);
    configureApplication(app);

    WindowSequence windows;
    QObject::connect(&windows, &WindowSequence::finished, &app, [] { QCoreApplication::exit(0); });
    windows.showForm1();
    return QApplication::exec();
}
