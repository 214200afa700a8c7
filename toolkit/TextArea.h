#pragma once

#include <QList>
#include <QPlainTextEdit>

namespace toolkit {

// A read-only, multi-line text box. It keeps its Text exactly as set, carriage returns and line feeds
// included, while the editor shows each line break as one. SelStart therefore counts a line break as
// the two characters it is in the stored text.
class TextArea : public QPlainTextEdit {
    Q_OBJECT
  public:
    TextArea(const QString& name, QWidget* container);

    void setText(const QString& text);
    QString text() const { return m_text; }

    // The caret position as an offset into the stored text.
    int selStart() const;
    // Puts the caret before the character at this offset of the stored text.
    void setSelStart(int offset);
    // The position in the shown text of a place in the stored text (the place before a line break's
    // second character maps to the line break).
    int shownPosition(int storedOffset) const;

    void setBackColor(quint32 bgrColour);

  Q_SIGNALS:
    void gotFocus();
    void clicked();
    void mouseMoved();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QString m_text;
    // For each position of the shown text, the offset of the same place in the stored text.
    QList<int> m_storedOffset;
};

} // namespace toolkit
