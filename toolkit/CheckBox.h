#pragma once

#include <QCheckBox>

namespace toolkit {

// A check box whose Value is 0 (clear) or 1 (ticked).
class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    CheckBox(const QString& name, QWidget* container, const QString& caption);

    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value == 1); }
};

} // namespace toolkit
