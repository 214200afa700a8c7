#include "toolkit/Clicks.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace toolkit {

bool Clicks::press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return false;
    }
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF place = event.globalPosition();
    const QPointF moved = place - m_lastPressPlace;
    const bool followsQuickly =
        m_anyPress && event.timestamp() >= m_lastPressTime &&
        event.timestamp() - m_lastPressTime < quint64(hints->mouseDoubleClickInterval()) &&
        qAbs(moved.x()) + qAbs(moved.y()) <= hints->mouseDoubleClickDistance();
    m_anyPress = true;
    m_lastPressTime = event.timestamp();
    m_lastPressPlace = place;
    m_pressed = event.type() == QEvent::MouseButtonPress && !followsQuickly;
    return m_pressed;
}

bool Clicks::release(const QMouseEvent& event, const QRect& area) {
    if (event.button() != Qt::LeftButton) {
        return false;
    }
    const bool click = m_pressed && area.contains(event.position().toPoint());
    m_pressed = false;
    return click;
}

} // namespace toolkit
