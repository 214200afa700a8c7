// A second yardstick: the widgets the main lesson screen shows when the course starts, made directly
// with Qt and with no course behind them (no splash, no later screens, no clocks). Painting text costs
// any program the font database and the glyphs, which the bare window never pays; this is the least a
// program showing that first screen can cost. It quits once it is painted.
#include "QuitWhenPainted.h"
#include "content/Form1Texts.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QFont arial(qreal points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(829, 592);
    window.setFont(arial(9.75));

    QLabel title(QStringLiteral("- Obraćanje učeniku -"), &window);
    title.setFont(arial(15.75, true));
    title.setAlignment(Qt::AlignCenter);
    title.setGeometry(161, 24, 625, 25);

    QTreeWidget outline(&window);
    outline.setHeaderHidden(true);
    outline.setGeometry(8, 64, 137, 369);
    for (int step = 0; step <= 10; ++step) {
        auto* node = new QTreeWidgetItem(
            &outline, {step == 0 ? QStringLiteral("Uvod") : QStringLiteral("%1. Korak").arg(step)});
        new QTreeWidgetItem(node, {QStringLiteral("Zadatak")});
        node->setExpanded(true);
    }

    QPushButton start(QStringLiteral("Započni vežbu"), &window);
    start.setGeometry(712, 552, 97, 25);
    QPushButton exit(QStringLiteral("Izlaz"), &window);
    exit.setGeometry(592, 552, 105, 25);
    QPushButton about(QStringLiteral("O programu"), &window);
    about.setGeometry(16, 552, 105, 25);

    QWidget panel(&window);
    panel.setGeometry(160, 64, 657, 369);
    panel.setAutoFillBackground(true);
    QPixmap picture(96, 96);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setFont(arial(20, true));
        painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Aa Žž"));
    }
    QLabel image(&panel);
    image.setPixmap(picture);
    image.setGeometry(24, 32, 96, 96);
    QPlainTextEdit introduction(&panel);
    introduction.setReadOnly(true);
    introduction.setGeometry(136, 32, 504, 296);
    introduction.setPlainText(content::form1::Text1());

    QuitWhenPainted quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
