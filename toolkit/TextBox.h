#pragma once

#include <QLineEdit>

namespace toolkit {

// A one-line answer box the pupil types into.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    TextBox(const QString& name, QWidget* container);

    void setBackColor(quint32 bgrColour);

    // Where the character at this offset stands on the screen (at the end, the place of the caret).
    QRect characterRect(int offset) const;

  Q_SIGNALS:
    void mouseMoved();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace toolkit
