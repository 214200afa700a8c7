// A bare Qt Widgets window, shown and painted once: what every start of a Qt program costs.
#include "QuitWhenPainted.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(829, 592);
    QuitWhenPainted quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
