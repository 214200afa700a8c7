#include "toolkit/Image.h"

#include <QMouseEvent>

namespace toolkit {

Image::Image(const QString& name, QWidget* container) : QLabel(container) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

void Image::setPicture(const Picture& picture) {
    m_picture = picture;
    setPixmap(m_picture.pixmap(devicePixelRatioF()));
}

bool Image::event(QEvent* event) {
    if ((event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) &&
        !m_picture.isNull() && pixmap().devicePixelRatio() != devicePixelRatioF()) {
        setPixmap(m_picture.pixmap(devicePixelRatioF()));
    }
    return QLabel::event(event);
}

void Image::mousePressEvent(QMouseEvent* event) {
    // A click belongs to the control it lands on, not to its container.
    event->accept();
    m_clicks.press(*event);
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_clicks.release(*event, rect())) {
        Q_EMIT clicked();
    }
}

} // namespace toolkit
