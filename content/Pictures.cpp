#include "content/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace content {

namespace {

// In high contrast every picture is drawn in the palette's colours: its outlines and letters in the text
// colour, its surfaces in the background colour, and what must stand out (the solved task's disc) in the
// highlight colour, so that each keeps its shape.
QColor ink(const QPalette* colours, QPalette::ColorRole role, QColor design) {
    return colours ? colours->color(role) : design;
}

void drawTick(QPainter& painter, const QPalette* colours) {
    painter.setPen(QPen(ink(colours, QPalette::WindowText, QColor(0, 100, 0)), colours ? 1.5 : 1));
    painter.setBrush(ink(colours, QPalette::Highlight, QColor(0, 170, 0)));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

void drawBook(QPainter& painter, const QPalette* colours, Script script) {
    painter.fillRect(QRectF(0, 0, 128, 128), ink(colours, QPalette::Window, QColor(255, 255, 255)));
    // Two pages of an open book.
    painter.setPen(QPen(ink(colours, QPalette::WindowText, QColor(128, 0, 0)), colours ? 3 : 2));
    painter.setBrush(ink(colours, QPalette::Window, QColor(250, 245, 230)));
    QPainterPath leftPage;
    leftPage.moveTo(64, 40);
    leftPage.cubicTo(48, 30, 28, 30, 12, 36);
    leftPage.lineTo(12, 104);
    leftPage.cubicTo(28, 98, 48, 98, 64, 108);
    leftPage.closeSubpath();
    painter.drawPath(leftPage);
    QPainterPath rightPage;
    rightPage.moveTo(64, 40);
    rightPage.cubicTo(80, 30, 100, 30, 116, 36);
    rightPage.lineTo(116, 104);
    rightPage.cubicTo(100, 98, 80, 98, 64, 108);
    rightPage.closeSubpath();
    painter.drawPath(rightPage);
    // Letters of the alphabet on the pages.
    QFont letters(QStringLiteral("Arial"));
    letters.setPixelSize(22);
    letters.setBold(true);
    painter.setFont(letters);
    painter.setPen(ink(colours, QPalette::WindowText, QColor(128, 0, 0)));
    painter.drawText(QRectF(14, 44, 50, 50), Qt::AlignCenter, inScript(script, QStringLiteral("Aa")));
    painter.setPen(ink(colours, QPalette::WindowText, QColor(0, 0, 128)));
    painter.drawText(QRectF(64, 44, 50, 50), Qt::AlignCenter, inScript(script, QStringLiteral("Žž")));
}

void drawLatinBook(QPainter& painter, const QPalette* colours) {
    drawBook(painter, colours, Script::Latin);
}

void drawCyrillicBook(QPainter& painter, const QPalette* colours) {
    drawBook(painter, colours, Script::Cyrillic);
}

void drawDecoration(QPainter& painter, const QPalette* colours) {
    painter.setPen(QPen(ink(colours, QPalette::WindowText, QColor(128, 128, 128)), 1));
    painter.setBrush(ink(colours, QPalette::Window, Qt::white));
    painter.drawRect(QRectF(4.5, 6.5, 18, 22));
    painter.setPen(QPen(ink(colours, QPalette::WindowText, QColor(160, 160, 160)), 1));
    for (int line = 0; line < 4; ++line) {
        painter.drawLine(QPointF(7, 11.5 + line * 4), QPointF(20, 11.5 + line * 4));
    }
    // The pencil, across the sheet.
    painter.setPen(colours ? QPen(colours->color(QPalette::WindowText), 1) : QPen(Qt::NoPen));
    painter.setBrush(ink(colours, QPalette::Window, QColor(230, 180, 40)));
    painter.drawPolygon(QPolygonF({QPointF(14, 24), QPointF(26, 4), QPointF(30, 7), QPointF(18, 27)}));
    painter.setBrush(ink(colours, QPalette::WindowText, QColor(60, 60, 60)));
    painter.drawPolygon(QPolygonF({QPointF(14, 24), QPointF(18, 27), QPointF(13, 29)}));
}

void drawCross(QPainter& painter, const QPalette* colours) {
    painter.setPen(
        QPen(ink(colours, QPalette::ButtonText, QColor(190, 30, 30)), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6, 6), QPointF(18, 18));
    painter.drawLine(QPointF(18, 6), QPointF(6, 18));
}

} // namespace

toolkit::Picture tickPicture() {
    return {{16, 16}, drawTick};
}

toolkit::Picture bookPicture(Script script) {
    return {{128, 128}, script == Script::Cyrillic ? drawCyrillicBook : drawLatinBook};
}

toolkit::Picture decorationPicture() {
    return {{32, 32}, drawDecoration};
}

toolkit::Picture removePicture() {
    return {{24, 24}, drawCross};
}

} // namespace content
