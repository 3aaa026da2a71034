// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowsequence.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QtCommandLine commandLine(argc > 0 ? argv[0] : nullptr);
    QApplication app(commandLine.argc(), commandLine.argv());
    configureApplication(app);

    WindowSequence windows;
    QObject::connect(&windows, &WindowSequence::finished, &app, [] { QCoreApplication::exit(0); });
    windows.showForm1();
    return QApplication::exec();
}
