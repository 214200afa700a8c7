#pragma once

// What a pupil does with the course's controls: clicks, typing, ticks, picking words of reading
// texts, and the right answers of every task. Shared by the tests and the benchmarks.

#include "course/WordIndex.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <utility>

class Program;
class QAccessibleInterface;
class QWidget;

namespace toolkit {
class CheckBox;
class Label;
class TextArea;
class TextBox;
} // namespace toolkit

namespace pupil {

// A left click in the middle of a control (or at a point of it).
void click(QWidget* control);
void clickAt(QWidget* control, QPoint point);
// Ticks or clears a check box.
void tick(toolkit::CheckBox* box);
// Replaces what a box holds with what the pupil types.
void type(toolkit::TextBox* box, const QString& text);
// A click on a reading text at the pixel where the caret stands before the character at `offset` of
// the stored text; false when that place is not on screen or the click left the caret elsewhere.
bool clickCaret(toolkit::TextArea* text, int offset);
// Picks a word of a reading text by clicking just after its first letter; false when the text has no
// such word or the click missed.
bool pickWord(toolkit::TextArea* text, const course::WordIndex& index, const QString& word);

// The right answers of the tasks judged at `tag`, on the screen that judges them: what each box holds,
// where a click picks each word (the caret just after its first letter), which word and option labels
// end checked and which not, which check boxes end ticked and which not. In a Cyrillic course every
// other typed answer is written in Cyrillic, the others in Latin.
struct Answers {
    QList<std::pair<toolkit::TextBox*, QString>> typed;
    QList<std::pair<toolkit::TextArea*, int>> picks;
    QList<std::pair<toolkit::Label*, bool>> labels;
    QList<std::pair<toolkit::CheckBox*, bool>> ticks;
};
Answers rightAnswers(Program& program, int tag);
// The caret offset at which a click picks a word of a reading text: just after its first letter.
int pickingOffset(const toolkit::TextArea* text, const course::WordIndex& index, const QString& word);

// Gives the right answers of the tasks judged at `tag` with the mouse and by typing, without pressing
// "Napred"; false when a word could not be picked.
bool giveRightAnswers(Program& program, int tag);

// What a screen reader is offered of a window: the window and every accessible in it that is not hidden,
// in the order of the tree.
QList<QAccessibleInterface*> offered(QWidget& window);

} // namespace pupil
