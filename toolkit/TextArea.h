#pragma once

#include "toolkit/Clicks.h"

#include <QList>
#include <QPlainTextEdit>

#include <optional>

namespace toolkit {

// A read-only, multi-line text box. It keeps its Text exactly as set, carriage returns and line feeds
// included, while the editor shows each line break as one. SelStart therefore counts a line break as
// the two characters it is in the stored text. A text that ends with a line break shows the empty line
// after it, as the stored text has it.
//
// A click puts the caret where the button went down and nowhere else: a drag, a Shift+click and the
// presses that continue a double- or triple-click neither select nor move it.
//
// Reached by Tab or Shift+Tab, the text keeps the focus and shows its caret: the arrow keys, Home, End,
// Page Up and Page Down move it, and Space acts as a click at the caret. Nothing can be typed into it.
// Ctrl with an arrow moves by words: each move passes one whole word with the punctuation and line break
// after it, which is what a screen reader says of the move.
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

    // The pupil picks words from this text: a click, or Space, at the caret.
    void setPickable(bool pickable) { m_pickable = pickable; }
    bool pickable() const { return m_pickable; }
    // Acts as a click at the caret.
    void clickAtCaret();

    // What a screen reader says of the text after its name. A change made while the text has the focus is
    // told as the focus comes back to it: what changes under the pupil's hands is told by a notice, and a
    // screen reader that speaks every change of the focused control's description (Orca 48 does, Orca 43
    // does not) would say it twice.
    void setDescription(const QString& description);

  Q_SIGNALS:
    // The pointer has given this text the focus (a press on it, whether it had the focus or not). A
    // text reached from the keyboard keeps the focus without this signal.
    void gotFocus();
    void clicked();
    void mouseMoved();

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // The caret and the highlight frame show while the text has the focus and the keyboard was used last
    // in its window: a press of the pointer hides them, as it hides Qt's own focus frames.
    bool showsFocus() const;
    void showFocus();
    void moveByWord(bool forward);
    void keepTextInset();
    // The field's colour: the design's, or the palette's in high contrast.
    void applyColours();

    QString m_text;
    std::optional<quint32> m_backColor;
    // For each position of the shown text, the offset of the same place in the stored text.
    QList<int> m_storedOffset;
    Clicks m_clicks;
    bool m_pickable = false;
    QString m_untoldDescription;
    bool m_descriptionUntold = false;
};

} // namespace toolkit
