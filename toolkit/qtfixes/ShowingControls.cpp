#include "toolkit/qtfixes/ShowingControls.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace toolkit {

ShowingControls::ShowingControls(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool ShowingControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() && QAccessible::isActive()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow()) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!control->isWindow() && control->isVisibleTo(window)) {
                    QAccessibleEvent shown(control, QAccessible::ObjectShow);
                    QAccessible::updateAccessibility(&shown);
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace toolkit
