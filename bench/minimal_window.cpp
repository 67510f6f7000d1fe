// The yardstick for start-up: a bare Qt Widgets window shaped like the game's, a main window of the splash
// window's size with a menu bar, a label, a push button and a small picture painted in code.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("New Game"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About..."));

    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    auto* label = new QLabel(QStringLiteral("0"), client);
    label->setGeometry(402, 11, 25, 19);
    auto* button = new QPushButton(QStringLiteral("Final Sequence"), client);
    button->setGeometry(330, 391, 91, 31);

    QPixmap picture(60, 60);
    picture.fill(Qt::darkGreen);
    QPainter painter(&picture);
    painter.setBrush(Qt::white);
    painter.drawEllipse(10, 10, 40, 40);
    painter.end();
    auto* image = new QLabel(client);
    image->setPixmap(picture);
    image->setGeometry(9, 9, 60, 60);

    window.setFixedSize(424, 421);
    window.show();
    return QApplication::exec();
}
