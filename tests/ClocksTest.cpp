// The step clock and the course clock: the one-second tick, the time text, the record of each step's
// time on the results screen, and the slide of the results strip at the start of step 1.
#include "tests/Pupil.h"

#include "course/Clocks.h"
#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/main/Form1.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Timer.h"

#include <string>

using namespace Qt::StringLiterals;

namespace {

// From a reading of both clocks, one second more.
TEST(Clocks, TheTickCarriesAtSixtyPadsToTwoDigitsAndStopsAtTheLargestHour) {
    const struct {
        const char* name;
        qint64 before; // seconds
        QString after;
    } rows[] = {
        {"59 s carry into the minutes", 59, u"00:01:00"_s},
        {"59 min 59 s carry into the hours", 3599, u"01:00:00"_s},
        {"each field padded to two digits", 5 * 60 + 8, u"00:05:09"_s},
        {"the most a clock holds stays", 32767 * 3600LL + 3599, u"32767:59:59"_s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        course::Clocks clocks;
        clocks.advanceBy(row.before);
        clocks.advanceBy(1);
        EXPECT_EQ(clocks.totalText(), row.after);
        EXPECT_EQ(clocks.stepText(), row.after);
    }
}

class ClocksInTheCourse : public CourseTest {
  protected:
    course::Clocks& clocks() { return program->clocks(); }
    QStringList cells() {
        QStringList texts;
        for (int step = 1; step <= 10; ++step) {
            texts << stepCell(step)->caption();
        }
        return texts << program->form5().Label25->caption();
    }
};

// From the main screen on (the splash is not counted), every whole second of the clock source is
// counted once, however early, late or seldom the tick comes, and no further than the clocks hold. A
// step solved within a second shows zero; the second under way belongs to the next step.
TEST_F(ClocksInTheCourse, CountEveryWholeSecondOnceFromTheMainScreenOn) {
    program->start();
    nowMs = 3700;
    pupil::click(program->form2().Label1);
    EXPECT_EQ(program->form1().Timer1->interval(), 1000);
    const auto expectAt = [this](qint64 ms, const char* step, const char* total) {
        nowMs = ms;
        Q_EMIT program->form1().Timer1->tick();
        EXPECT_EQ(clocks().stepText(), QLatin1String(step)) << "at " << ms << " ms";
        EXPECT_EQ(clocks().totalText(), QLatin1String(total)) << "at " << ms << " ms";
    };
    expectAt(4699, "00:00:00", "00:00:00");
    expectAt(4700, "00:00:01", "00:00:01");
    walkTo(3);
    expectAt(5699, "00:00:00", "00:00:01");
    solve(3);
    solve(4);
    EXPECT_EQ(stepCell(2)->caption(), u"00:00:00"_s);
    expectAt(5700, "00:00:01", "00:00:02");
    expectAt(11'200, "00:00:06", "00:00:07"); // the event loop was held up for 5.5 s
    expectAt(11'700, "00:00:07", "00:00:08");
    expectAt(40'000LL * 3'600'000, "32767:59:59", "32767:59:59");
}

// A different time at every tag, and a refused press before every right one. Each step's time goes
// into its own cell at the press that ends it (tags 2, 4, ... 20) and the step clock starts again;
// no other press, accepted (at 9, 11, 19 ...) or refused, touches a cell or a clock. The first press
// also lets the results strip slide down, 40 twips a tick for 25 ticks, and no later one again.
TEST_F(ClocksInTheCourse, EachStepIsRecordedOnceAtItsEndAndTheStepsAddUpToTheTotal) {
    // Step 1 takes 60 s (a carry of seconds), step 2 one hour, step 4 a hundred hours and more.
    constexpr int waits[21] = {2,   57, 1, 3599, 1, 10, 20,   360'000, 5, 61, 7,
                               125, 3,  4, 600,  9, 11, 3661, 13,      6, 15};
    const QStringList expected = {"00:01:00", "01:00:00", "00:00:30", "100:00:05", "00:01:08", "00:02:08",
                                  "00:10:04", "00:00:20", "01:01:14", "00:00:21",  "102:16:50"};
    Form1& main = enterCourse();
    EXPECT_EQ(main.Timer2->interval(), 50);
    QStringList written(11);
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        wait(waits[tag]);
        const QString step = clocks().stepText(), total = clocks().totalText();
        if (tag > 0) {
            pressNapred(); // nothing answered yet
            ASSERT_EQ(refusals(), tag);
            EXPECT_EQ(clocks().stepText(), step);
            EXPECT_EQ(cells(), written);
        }
        EXPECT_FALSE(main.Timer2->enabled()) << "the slide runs only after the first press";
        solve(tag);
        ASSERT_EQ(refusals(), tag) << "the right answers were refused";
        for (int tick = 1; tag == 0 && tick <= 25; ++tick) {
            ASSERT_TRUE(main.Timer2->enabled()) << "stopped before tick " << tick;
            Q_EMIT main.Timer2->tick();
            EXPECT_EQ(main.picResult->top(), 5520 + 40 * tick) << "tick " << tick;
        }
        const bool endsStep = tag >= 2 && tag % 2 == 0;
        if (endsStep) {
            written[tag / 2 - 1] = expected[tag / 2 - 1];
        }
        written[10] = tag == 20 ? expected[10] : QString();
        EXPECT_EQ(cells(), written);
        EXPECT_EQ(clocks().stepText(), endsStep ? u"00:00:00"_s : step);
        EXPECT_EQ(clocks().totalText(), total);
    }
    EXPECT_TRUE(main.Timer1->enabled()) << "the main screen, long hidden, still ticks";
    EXPECT_EQ(main.picResult->top(), 6520);
    wait(100);
    EXPECT_EQ(clocks().totalText(), u"102:18:30"_s);
    EXPECT_EQ(cells(), expected);
}

// A press handled before an overdue tick (the event loop held up, or the tick and the press in one
// pass) still counts every whole second up to itself, in its own step; the part of a second under way
// goes to the next step, and a press right on a second's boundary counts that second once.
TEST_F(ClocksInTheCourse, APressCountsEverySecondUpToItselfHoweverLateTheTick) {
    Form1& main = enterCourse();
    // Milliseconds of a stall just before each press of tags 0 to 20; some are followed by a late tick.
    // The presses of tags 2 and 4 fall right on a second's boundary (84 s and 90 s).
    constexpr qint64 stalls[21] = {300,  79'700, 3750, 5300, 450,  1,    1000, 61'999,    0,    2500, 1500,
                                   3000, 500,    9999, 1,    7000, 8001, 333,  3'600'000, 1200, 77};
    const auto text = [](qint64 s) {
        return course::formatClock(static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60),
                                   static_cast<int>(s % 60));
    };
    qint64 counted = 0; // whole seconds of the clock source since the main screen came up
    qint64 stepStart = 0;
    QStringList expected(11);
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        nowMs += stalls[tag];
        if (tag % 3 == 1) {
            Q_EMIT main.Timer1->tick(); // a late tick, then more time before the press
            nowMs += 250;
        }
        counted = nowMs / 1000;
        solve(tag);
        if (tag >= 2 && tag % 2 == 0) {
            expected[tag / 2 - 1] = text(counted - stepStart);
            stepStart = counted;
        }
    }
    expected[10] = text(counted);
    EXPECT_EQ(cells(), expected);
    Q_EMIT main.Timer1->tick();
    EXPECT_EQ(clocks().totalText(), expected[10]) << "a second counted twice";
}

} // namespace
