#include "toolkit/Line.h"

#include "toolkit/Look.h"
#include "toolkit/Twips.h"

#include <QPainter>

namespace toolkit {

namespace {
constexpr int margin = 3; // room for the widest stroke around the end points, in pixels
}

Line::Line(const QString& name, QWidget* container, int x1, int y1, int x2, int y2, quint32 bgrColour)
    : QWidget(container), m_colour(bgrColour) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint a(pixels(x1), pixels(y1));
    const QPoint b(pixels(x2), pixels(y2));
    const QRect box = QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    m_from = a - box.topLeft();
    m_to = b - box.topLeft();
}

void Line::setBorderWidth(int width) {
    m_borderWidth = qMax(1, width);
    update();
}

bool Line::event(QEvent* event) {
    if (event->type() == lookChange()) {
        update();
    }
    return QWidget::event(event);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(inkOf(this, Ink::Mark, m_colour), qMin(m_borderWidth, 2 * margin), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(m_from, m_to);
}

} // namespace toolkit
