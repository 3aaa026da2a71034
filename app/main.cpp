#include "fonts.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TELMARONDA"));
    Fonts::registerBundled();

    Form1 window;
    window.show();
    return QApplication::exec();
}
