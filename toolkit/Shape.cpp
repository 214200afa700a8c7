#include "toolkit/Shape.h"

#include "toolkit/Look.h"
#include "toolkit/Twips.h"

#include <QPainter>

namespace toolkit {

Shape::Shape(const QString& name, QWidget* container, Kind kind) : QWidget(container), m_kind(kind) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorder(quint32 bgrColour, int width) {
    m_bordered = true;
    m_borderColour = bgrColour;
    setBorderWidth(width);
}

void Shape::setNoBorder() {
    m_bordered = false;
    update();
}

void Shape::setFill(quint32 bgrColour) {
    m_fill = bgrColour;
    update();
}

void Shape::setBorderWidth(int width) {
    m_borderWidth = qMax(1, width);
    update();
}

bool Shape::event(QEvent* event) {
    if (event->type() == lookChange()) {
        update();
    }
    return QWidget::event(event);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool highContrast = lookOf(this) == Look::HighContrast;
    const bool bordered = m_bordered || highContrast;
    painter.setPen(bordered ? QPen(inkOf(this, Ink::Mark, m_borderColour), m_borderWidth) : QPen(Qt::NoPen));
    if (m_fill) {
        const bool dark = QColor(bgr(*m_fill)).lightnessF() < 0.5;
        painter.setBrush(inkOf(this, dark ? Ink::Mark : Ink::Background, *m_fill));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
    const qreal inset = bordered ? m_borderWidth / 2.0 : 0.0;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (m_kind) {
    case Kind::Rectangle:
        painter.drawRect(box);
        break;
    case Kind::RoundedRectangle:
        painter.drawRoundedRect(box, box.height() / 6, box.height() / 6);
        break;
    case Kind::Oval:
        painter.drawEllipse(box);
        break;
    case Kind::Circle: {
        const qreal side = qMin(box.width(), box.height());
        painter.drawEllipse(QRectF(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side)));
        break;
    }
    }
}

} // namespace toolkit
