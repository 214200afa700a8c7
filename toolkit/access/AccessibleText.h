#pragma once

#include "toolkit/TextBoundaries.h"

#include <QAccessibleWidget>

namespace toolkit {

class TextArea;
class TextBox;

// The piece of text a boundary of Qt's accessibility stands for.
TextPiece pieceOf(QAccessible::TextBoundaryType boundary);

// A text of this layer on the accessibility bus. It reads its words, sentences and lines itself (Qt's
// own reading of them never ends on some texts, such as one that begins with an empty line or holds
// only spaces), takes any offset and any range, and edits only what the pupil could edit.
class ControlText : public QAccessibleWidget,
                    public QAccessibleTextInterface,
                    public QAccessibleEditableTextInterface {
  public:
    explicit ControlText(QWidget* control) : QAccessibleWidget(control, QAccessible::EditableText) {}

    // What the text shows, and where its lines begin as laid out on the screen.
    virtual QString shown() const = 0;
    virtual QList<int> lineStarts() const = 0;
    TextBoundaries boundaries() const { return TextBoundaries(shown(), lineStarts()); }

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QString text(int start, int end) const override;
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override;
    QString attributes(int offset, int* start, int* end) const override;
    void scrollToSubstring(int, int) override {}

  private:
    QString piece(TextSpan span, int* start, int* end) const;
};

// A read-only text: its characters as shown (a line break counts once), its caret, and for a text the
// pupil picks words from, the click at the caret. Nothing is ever selected, and no edit changes it.
class ReadingText : public ControlText {
  public:
    explicit ReadingText(TextArea* area);

    QString shown() const override;
    QList<int> lineStarts() const override;

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override;

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

    void deleteText(int, int) override {}
    void insertText(int, const QString&) override {}
    void replaceText(int, int, const QString&) override {}

  private:
    TextArea* area() const;
};

// A one-line answer box: what is typed in it, its caret and selection, and edits as typing would make
// them while the box takes typing.
class AnswerBox : public ControlText {
  public:
    explicit AnswerBox(TextBox* box);

    QString shown() const override;
    QList<int> lineStarts() const override { return {0}; }

    QAccessible::State state() const override;
    void setText(QAccessible::Text t, const QString& text) override;

    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override;

  private:
    TextBox* box() const;
};

} // namespace toolkit
