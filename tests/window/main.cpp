#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Windows' style draws the outline's arrows through a hidden helper window, made when the first arrow
    // is drawn. Under Wine that window takes the activation from the window in front as it is made, so
    // the keys sent next reach nothing; made here, before any window of the course, it takes nothing.
    // On Windows itself, and with any other style, this draws an arrow and nothing more.
    QPixmap arrow(16, 16);
    QPainter painter(&arrow);
    QStyleOption branch;
    branch.rect = arrow.rect();
    branch.state = QStyle::State_Children | QStyle::State_Open;
    QApplication::style()->drawPrimitive(QStyle::PE_IndicatorBranch, &branch, &painter);
    painter.end();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
