#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TELMARONDA"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("TELMARONDA # 2 EL INTERNADO"));
    window.resize(580, 444);
    window.show();
    return QApplication::exec();
}
