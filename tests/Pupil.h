#pragma once

// A fresh run of the course for every test, driven as a pupil drives it: by clicks on real controls,
// by typing into boxes and by presses of "Napred". The host records message boxes and addresses,
// and the clocks follow a time the test sets.

#include "course/WordIndex.h"
#include "screens/Program.h"
#include "toolkit/Host.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class QWidget;

namespace toolkit {
class CheckBox;
class Form;
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
// the stored text.
void clickCaret(toolkit::TextArea* text, int offset);
// Picks a word of a reading text by clicking just after its first letter.
void pickWord(toolkit::TextArea* text, const course::WordIndex& index, const QString& word);

} // namespace pupil

class CourseTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The splash, then a click on it: the main lesson screen is in front.
    Form1& enterCourse();
    // Presses "Napred" on the lesson screen in front.
    void pressNapred();
    // Gives the right answers of the tasks judged at `tag` on the screen in front, then presses.
    void solve(int tag);
    // Solves every tag from the current one up to, not including, `tag`.
    void walkTo(int tag);
    // The lesson screen in front and its progress tag.
    toolkit::Form& front() const;
    int frontTag() const;
    // Lets the clocks see `seconds` more seconds pass and ticks the main screen's timer.
    void wait(int seconds);

    int refusals() const { return static_cast<int>(host.messages.size()); }

    toolkit::RecordingHost host;
    qint64 nowMs = 0;
    std::unique_ptr<Program> program;
};
