// The floor for any Qt Widgets program here: one empty window, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(492, 283);
    window.show();
    return QApplication::exec();
}
