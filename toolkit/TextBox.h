#pragma once

#include <QLineEdit>

#include <optional>

namespace toolkit {

// A one-line answer box the pupil types into. Ctrl with an arrow moves by words as in a reading text
// (with Shift, selecting).
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
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // The field's colour: the design's, or the palette's in high contrast.
    void applyColours();
    std::optional<quint32> m_backColor;
    void finishFocusIn();

    std::optional<Qt::FocusReason> m_pendingFocusIn;
};

} // namespace toolkit
