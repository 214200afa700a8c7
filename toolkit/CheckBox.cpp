#include "toolkit/CheckBox.h"

namespace toolkit {

CheckBox::CheckBox(const QString& name, QWidget* container, const QString& caption)
    : ClickedOnce<QCheckBox>(caption, container) {
    setObjectName(name);
}

} // namespace toolkit
