#pragma once

// A fresh run of the course for every test, driven as a pupil drives it: by clicks on real controls,
// by typing into boxes and by presses of "Napred". The host records message boxes and addresses,
// and the clocks follow a time the test sets.

#include "course/LessonScreen.h"
#include "screens/Program.h"
#include "tests/support/Pupil.h"
#include "toolkit/Host.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class CourseTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Ends this run and starts a fresh one, with no warnings recorded and the time back at zero.
    void restart();

    // The splash, then a click on it: the main lesson screen is in front.
    Form1& enterCourse();
    // Presses "Napred" on the lesson screen in front.
    void pressNapred();
    // Gives the right answers of the tasks judged at `tag` on the screen in front, then presses.
    void solve(int tag);
    // Solves every tag from the current one up to, not including, `tag`.
    void walkTo(int tag);
    // The lesson screen in front and its progress tag.
    course::LessonScreen& front() const;
    int frontTag() const;
    // The main, second or closing lesson screen, loaded if need be.
    course::LessonScreen& lesson(Program::Screen which);
    // Lets the clocks see `seconds` more seconds pass and ticks the main screen's timer.
    void wait(int seconds);

    int refusals() const { return static_cast<int>(host.messages.size()); }

    // What a press that moves nothing on leaves as it was: the tag, the caption of "Napred", the
    // title and the task panels shown (the narrow boxes and the results strip are no panels).
    static QStringList stateOf(const course::LessonScreen& screen);
    static QString selectedNode(const toolkit::TreeView& tree);
    static bool inView(const toolkit::TreeView& tree, toolkit::TreeView::Node* node);
    // The rows of all 26 tasks on every lesson screen, each of which carries only its own (the main
    // screen 1 to 12, the second 1 to 23, the closing screen all): the tasks before `firstOpen` are
    // numbered and ticked, of the others only those listed.
    void expectRows(int firstOpen, const std::set<int>& numbered = {}, const std::set<int>& ticked = {});
    // The results cells of the ten steps' times and of the total.
    QStringList cells();
    // Deletes what has been unloaded, as the event loop does once a handler returns.
    static void flushDeletes();

    toolkit::RecordingHost host;
    qint64 nowMs = 0;
    std::unique_ptr<Program> program;
};
