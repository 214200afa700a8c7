#include "toolkit/CommandButton.h"

namespace toolkit {

CommandButton::CommandButton(const QString& name, QWidget* container, const QString& caption)
    : QPushButton(caption, container) {
    setObjectName(name);
    setAutoDefault(false);
}

} // namespace toolkit
