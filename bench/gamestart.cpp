// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own start, exactly as the program makes it, ending on the crossword window's first
// painted frame.
#include "app/application.h"
#include "app/windowsequence.h"
#include "bench/firstframe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QtCommandLine commandLine(argc > 0 ? argv[0] : nullptr);
    QApplication app(commandLine.argc(), commandLine.argv());
    FirstFrame::reportStartupAndQuit(QStringLiteral("Form1"));
    configureApplication(app);

    WindowSequence windows;
    windows.showForm1();
    return QApplication::exec();
}
