#include "toolkit/CommandButton.h"

#include <QKeyEvent>

namespace toolkit {

CommandButton::CommandButton(const QString& name, QWidget* container, const QString& caption)
    : ClickedOnce<QPushButton>(caption, container) {
    setObjectName(name);
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace toolkit
