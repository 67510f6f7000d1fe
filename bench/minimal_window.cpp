// The yardstick for start-up: the least a Qt Widgets program does to map a dialog of the splash window's size.
#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(424, 421);
    window.show();
    return QApplication::exec();
}
