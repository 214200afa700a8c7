#include "toolkit/access/AccessibleText.h"

#include "toolkit/Seen.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"

#include <QTextBlock>
#include <QTextLayout>

namespace toolkit {

TextPiece pieceOf(QAccessible::TextBoundaryType boundary) {
    switch (boundary) {
    case QAccessible::CharBoundary:
        return TextPiece::Character;
    case QAccessible::WordBoundary:
        return TextPiece::Word;
    case QAccessible::SentenceBoundary:
        return TextPiece::Sentence;
    case QAccessible::ParagraphBoundary:
        return TextPiece::Paragraph;
    case QAccessible::LineBoundary:
        return TextPiece::Line;
    case QAccessible::NoBoundary:
        break;
    }
    return TextPiece::Whole;
}

void* ControlText::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString ControlText::text(QAccessible::Text t) const {
    return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
}

QString ControlText::text(int start, int end) const {
    const QString all = shown();
    const TextSpan span = TextBoundaries(all, {}).range(start, end);
    return all.mid(span.start, span.end - span.start);
}

QString ControlText::piece(TextSpan span, int* start, int* end) const {
    *start = span.start;
    *end = span.end;
    return shown().mid(span.start, span.end - span.start);
}

QString ControlText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                                  int* end) const {
    return piece(boundaries().at(pieceOf(boundary), offset), start, end);
}

QString ControlText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                                      int* end) const {
    return piece(boundaries().before(pieceOf(boundary), offset), start, end);
}

QString ControlText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                                     int* end) const {
    return piece(boundaries().after(pieceOf(boundary), offset), start, end);
}

QString ControlText::attributes(int, int* start, int* end) const {
    // One run without attributes of its own.
    *start = 0;
    *end = characterCount();
    return {};
}

ReadingText::ReadingText(TextArea* area) : ControlText(area) {}

TextArea* ReadingText::area() const {
    return static_cast<TextArea*>(widget());
}

QString ReadingText::shown() const {
    return area()->toPlainText();
}

QList<int> ReadingText::lineStarts() const {
    // Each paragraph's lines as the box lays them out; a paragraph not laid out yet counts as one line.
    QList<int> starts;
    for (QTextBlock block = area()->document()->firstBlock(); block.isValid(); block = block.next()) {
        starts.append(block.position());
        const QTextLayout* layout = block.layout();
        for (int line = 1; layout && line < layout->lineCount(); ++line) {
            starts.append(block.position() + layout->lineAt(line).textStart());
        }
    }
    return starts;
}

QAccessible::State ReadingText::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

QStringList ReadingText::actionNames() const {
    return area()->pickable() ? QAccessibleWidget::actionNames() << pressAction()
                              : QAccessibleWidget::actionNames();
}

void ReadingText::doAction(const QString& name) {
    if (name == pressAction() && area()->pickable()) {
        area()->clickAtCaret();
    } else {
        QAccessibleWidget::doAction(name);
    }
}

QStringList ReadingText::keyBindingsForAction(const QString& name) const {
    return name == pressAction() ? QStringList{QStringLiteral("Space")}
                                 : QAccessibleWidget::keyBindingsForAction(name);
}

int ReadingText::cursorPosition() const {
    return area()->textCursor().position();
}

void ReadingText::setCursorPosition(int position) {
    QTextCursor cursor = area()->textCursor();
    cursor.setPosition(TextBoundaries(shown(), {}).clamp(position));
    area()->setTextCursor(cursor);
}

QRect ReadingText::characterRect(int offset) const {
    QTextCursor place(area()->document());
    place.setPosition(TextBoundaries(shown(), {}).clamp(offset));
    const QRect caret = area()->cursorRect(place);
    return QRect(area()->viewport()->mapToGlobal(caret.topLeft()), caret.size());
}

int ReadingText::offsetAtPoint(const QPoint& point) const {
    const QPoint inside = area()->viewport()->mapFromGlobal(point);
    return area()->viewport()->rect().contains(inside) ? area()->cursorForPosition(inside).position() : -1;
}

AnswerBox::AnswerBox(TextBox* box) : ControlText(box) {}

TextBox* AnswerBox::box() const {
    return static_cast<TextBox*>(widget());
}

QString AnswerBox::shown() const {
    return box()->text();
}

QAccessible::State AnswerBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !box()->isReadOnly();
    state.selectableText = true;
    return state;
}

void AnswerBox::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value) {
        replaceText(0, characterCount(), text);
    } else {
        QAccessibleWidget::setText(t, text);
    }
}

void AnswerBox::selection(int index, int* start, int* end) const {
    *start = *end = 0;
    if (index == 0 && box()->hasSelectedText()) {
        *start = box()->selectionStart();
        *end = box()->selectionEnd();
    }
}

int AnswerBox::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void AnswerBox::removeSelection(int index) {
    if (index == 0) {
        box()->deselect();
    }
}

void AnswerBox::setSelection(int index, int start, int end) {
    if (index == 0) {
        const TextSpan span = TextBoundaries(shown(), {}).range(start, end);
        box()->setSelection(span.start, span.end - span.start);
    }
}

int AnswerBox::cursorPosition() const {
    return box()->cursorPosition();
}

void AnswerBox::setCursorPosition(int position) {
    box()->setCursorPosition(TextBoundaries(shown(), {}).clamp(position));
}

QRect AnswerBox::characterRect(int offset) const {
    return box()->characterRect(TextBoundaries(shown(), {}).clamp(offset));
}

int AnswerBox::offsetAtPoint(const QPoint& point) const {
    const QPoint inside = box()->mapFromGlobal(point);
    return box()->rect().contains(inside) ? box()->cursorPositionAt(inside) : -1;
}

void AnswerBox::replaceText(int start, int end, const QString& text) {
    if (box()->isReadOnly() || !seenByPupil(box())) {
        return;
    }
    const TextSpan span = TextBoundaries(shown(), {}).range(start, end);
    box()->setText(shown().replace(span.start, span.end - span.start, text));
}

} // namespace toolkit
