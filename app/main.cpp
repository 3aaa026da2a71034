#include "app/windowsequence.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    configureApplication(app);

    WindowSequence windows;
    QObject::connect(&windows, &WindowSequence::finished, &app, [] { QCoreApplication::exit(0); });
    windows.showForm1();
    return QApplication::exec();
}
