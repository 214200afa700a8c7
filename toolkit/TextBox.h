#pragma once

#include <QLineEdit>

namespace toolkit {

// A one-line answer box the pupil types into.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    TextBox(const QString& name, QWidget* container);

    void setBackColor(quint32 bgrColour);

    // Where the caret stands before the character at `position`, in the box's own coordinates.
    QRect caretRect(int position) const;

  Q_SIGNALS:
    void mouseMoved();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace toolkit
