#include "toolkit/CheckBox.h"

#include "toolkit/Look.h"

#include <QPainter>

namespace toolkit {

CheckBox::CheckBox(const QString& name, QWidget* container, const QString& caption)
    : ClickedOnce<QCheckBox>(caption, container) {
    setObjectName(name);
}

void CheckBox::paintEvent(QPaintEvent* event) {
    ClickedOnce<QCheckBox>::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusFrame(painter, this, rect());
    }
}

} // namespace toolkit
