#include "toolkit/Image.h"

#include "toolkit/Look.h"

#include <QMouseEvent>

namespace toolkit {

Image::Image(const QString& name, QWidget* container) : QLabel(container) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

void Image::setPicture(const Picture& picture) {
    m_picture = picture;
    showPicture();
}

void Image::showPicture() {
    const QPalette colours = window()->palette();
    setPixmap(m_picture.pixmap(devicePixelRatioF(), lookOf(this) == Look::HighContrast ? &colours : nullptr));
}

bool Image::event(QEvent* event) {
    if ((event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) &&
        !m_picture.isNull() && pixmap().devicePixelRatio() != devicePixelRatioF()) {
        showPicture();
    }
    if (event->type() == lookChange() && !m_picture.isNull()) {
        showPicture();
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
