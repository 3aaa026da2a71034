// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/windowsequence.h"
#include "ui/platform.h"

#include <cstdlib>
#include <QApplication>

int main(int argc, char* argv[])
{
    Platform::prepareApplication();
    QtCommandLine commandLine(argc > 0 ? argv[0] : nullptr);
    QApplication app(commandLine.argc(), commandLine.argv());
    configureApplication(app);

    WindowSequence windows;
    QObject::connect(&windows, &WindowSequence::finished, &app, &Platform::endProgram);
    windows.showForm1();
    const int status = QApplication::exec();
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.4's Wayland plug-in can deadlock as it closes its connection (qwaylanddisplay.cpp): an
    // event thread waits in wl_display_read_events for a read the main thread prepared and never
    // finishes, and the window stays on the screen, frozen. The game has nothing to save.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        std::_Exit(status);
#endif
    return status;
}
