// SPDX-License-Identifier: GPL-3.0-or-later
// The application's set-up: the command line Qt is given and the settings of the whole program.
#pragma once

#include <string>
#include <vector>

class QApplication;

// The command line Qt is given. The program takes none: Qt sees only the program's name, so none of
// its own options (-reverse, -style, -stylesheet, -qwindowtitle...) can change the game. On Windows
// it also asks for text drawn with FreeType, as on Linux, rather than with GDI, whose whole-pixel
// advances make the captions narrower: so they break into the same lines on every system.
class QtCommandLine {
public:
    explicit QtCommandLine(const char* programPath);
    // For QApplication, which keeps both for its whole life.
    int& argc() { return m_argc; }
    char** argv() { return m_argv.data(); }

private:
    // What the platform's own Qt options add (application_win.cpp, application_other.cpp).
    static std::vector<const char*> platformOptions();

    std::vector<std::string> m_arguments;
    std::vector<char*> m_argv;
    int m_argc = 0;
};

// Application-wide settings: the program's name and icon, Qt's own texts in Spanish, its own font,
// left-to-right layout, that Qt leaves deciding the program's end to WindowSequence, and what the
// platform puts right (Platform::setUpApplication).
void configureApplication(QApplication& app);
