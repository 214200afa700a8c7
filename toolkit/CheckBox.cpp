#include "toolkit/CheckBox.h"

namespace toolkit {

CheckBox::CheckBox(const QString& name, QWidget* container, const QString& caption)
    : QCheckBox(caption, container) {
    setObjectName(name);
}

} // namespace toolkit
