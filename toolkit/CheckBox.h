#pragma once

#include "toolkit/Clicks.h"

#include <QCheckBox>

namespace toolkit {

// A check box whose Value is 0 (clear) or 1 (ticked). A click anywhere in its rectangle, the empty part
// right of its caption included, ticks or clears it once, however many times the pointer clicks in a row.
class CheckBox : public ClickedOnce<QCheckBox> {
    Q_OBJECT
  public:
    CheckBox(const QString& name, QWidget* container, const QString& caption);

    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value == 1); }

  protected:
    bool hitButton(const QPoint& point) const override { return rect().contains(point); }
    void paintEvent(QPaintEvent* event) override;
};

} // namespace toolkit
