#include "toolkit/CommandButton.h"

#include "toolkit/Look.h"
#include "toolkit/Twips.h"

#include <QKeyEvent>
#include <QPainter>

namespace toolkit {

CommandButton::CommandButton(const QString& name, QWidget* container, const QString& caption)
    : ClickedOnce<QPushButton>(caption, container) {
    setObjectName(name);
    setAutoDefault(false);
}

void CommandButton::setBackColor(quint32 bgrColour) {
    m_backColor = bgrColour;
    applyColours();
}

void CommandButton::setPicture(const Picture& picture) {
    m_picture = picture;
    applyColours();
}

void CommandButton::applyColours() {
    const bool highContrast = lookOf(this) == Look::HighContrast;
    QPalette colours;
    if (m_backColor && !highContrast) {
        colours.setColor(QPalette::Button, QColor(bgr(*m_backColor)));
    }
    setPalette(colours);
    if (!m_picture.isNull()) {
        const QPalette window = this->window()->palette();
        setIcon(m_picture.icon(highContrast ? &window : nullptr));
    }
}

bool CommandButton::event(QEvent* event) {
    if (event->type() == lookChange()) {
        applyColours();
    }
    return ClickedOnce<QPushButton>::event(event);
}

void CommandButton::paintEvent(QPaintEvent* event) {
    ClickedOnce<QPushButton>::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusFrame(painter, this, rect());
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace toolkit
