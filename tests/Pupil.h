#pragma once

// A fresh run of the course for every test, driven as a pupil drives it: by clicks on real controls,
// by typing into boxes and by presses of "Napred". The host records message boxes and addresses,
// and the clocks follow a time the test sets.

#include "screens/Program.h"
#include "tests/support/Pupil.h"
#include "toolkit/Host.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace toolkit {
class Form;
}

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
