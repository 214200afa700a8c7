#include "toolkit/Image.h"

#include <QMouseEvent>

namespace toolkit {

Image::Image(const QString& name, QWidget* container) : QLabel(container) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

void Image::setPicture(const QPixmap& picture) {
    m_picture = picture;
    setPixmap(picture);
}

void Image::mousePressEvent(QMouseEvent* event) {
    // A click belongs to the control it lands on, not to its container.
    event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

} // namespace toolkit
