#pragma once

#include <QMouseEvent>
#include <QPointF>
#include <QRect>

namespace toolkit {

// Turns the pointer's presses and releases into clicks, the same way for every clickable control: one
// press and release of the left button inside the control is one click. The presses that follow
// quickly on the same spot (the second press of a double-click, the third of a triple-click) continue
// that click and are no click of their own.
class Clicks {
  public:
    // A press of any kind (a double-click's second press included); true when it begins a click.
    bool press(const QMouseEvent& event);
    // A release; true when it ends a click begun inside the control and released inside `area`.
    bool release(const QMouseEvent& event, const QRect& area);

  private:
    bool m_pressed = false;
    bool m_anyPress = false;
    quint64 m_lastPressTime = 0;
    QPointF m_lastPressPlace;
};

// A button (a push button, a check box) that a run of quick clicks presses once: the presses that
// continue a click do not reach it.
template <typename Button> class ClickedOnce : public Button {
  public:
    using Button::Button;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (m_clicks.press(*event) || event->button() != Qt::LeftButton) {
            Button::mousePressEvent(event);
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { m_clicks.press(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        m_clicks.release(*event, this->rect());
        Button::mouseReleaseEvent(event);
    }

  private:
    Clicks m_clicks;
};

} // namespace toolkit
