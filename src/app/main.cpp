#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Gridwright 97");
    QMainWindow window;
    window.setWindowTitle("Gridwright 98");
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
