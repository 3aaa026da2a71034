// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the game's start-up is measured against: a bare Qt main window of the crossword
// window's size with the same two-entry menu bar, which quits on its first painted frame.
#include "bench/firstframe.h"
#include "ui/platform.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Platform::setUpApplication();
    FirstFrame::reportStartupAndQuit(QStringLiteral("floor"));
    QMainWindow window;
    window.setObjectName(QStringLiteral("floor"));
    window.menuBar()->addAction(QStringLiteral("SALIR"));
    window.menuBar()->addAction(QStringLiteral("AUTOR"));
    auto* client = new QWidget;
    client->setFixedSize(580, 444);
    window.setCentralWidget(client);
    // As the game shows its windows, also in a browser.
    Platform::show(&window);
    return QApplication::exec();
}
