// A bare Qt Widgets window, shown and painted once: what every start of a Qt program costs.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class Window : public QWidget {
  protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Window window;
    window.resize(829, 592);
    window.show();
    return QApplication::exec();
}
