// The step clock and the course clock against the clock source: every whole second counted once, however
// late the tick. Each step's time in its cell at the press that ends it is followed in the spine.
#include "tests/Pupil.h"

#include "course/Clocks.h"

#include <string>

using namespace Qt::StringLiterals;

namespace {

class ClocksInTheCourse : public CourseTest {
  protected:
    course::Clocks& clocks() { return program->clocks(); }
};

// From the main screen on (the splash is not counted), every whole second of the clock source is
// counted once, however early, late or seldom the tick comes, and no further than the clocks hold. A
// step solved within a second shows zero; the second under way belongs to the next step.
TEST_F(ClocksInTheCourse, CountEveryWholeSecondOnceFromTheMainScreenOn) {
    program->start();
    nowMs = 3700;
    pupil::click(program->form2().Label1);
    const auto expectAt = [this](qint64 ms, const char* step, const char* total) {
        nowMs = ms;
        Q_EMIT program->form1().Timer1->tick();
        EXPECT_EQ(clocks().stepText(), QLatin1String(step)) << "at " << ms << " ms";
        EXPECT_EQ(clocks().totalText(), QLatin1String(total)) << "at " << ms << " ms";
    };
    expectAt(4699, "00:00:00", "00:00:00");
    expectAt(4700, "00:00:01", "00:00:01");
    ASSERT_NO_FATAL_FAILURE(walkTo(3));
    expectAt(5699, "00:00:00", "00:00:01");
    solve(3);
    solve(4);
    EXPECT_EQ(cells()[1], u"00:00:00"_s);
    expectAt(5700, "00:00:01", "00:00:02");
    expectAt(11'200, "00:00:06", "00:00:07"); // the event loop was held up for 5.5 s
    expectAt(11'700, "00:00:07", "00:00:08");
    expectAt(40'000LL * 3'600'000, "32767:59:59", "32767:59:59");
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

// The last press writes step 10's time and the total from one reading of the clock source, so the total
// is the sum of the steps even when a second turns between the two writes.
TEST_F(ClocksInTheCourse, TheLastPressReadsTheClockOnceForTheLastStepAndTheTotal) {
    enterCourse();
    ASSERT_NO_FATAL_FAILURE(walkTo(20));
    nowMs = 10'400;
    program->setClockSource([this] { return nowMs += 700; }); // each reading 0.7 s later than the last
    solve(20);
    const QStringList times = cells();
    const auto seconds = [](const QString& text) {
        const QStringList parts = text.split(u':');
        return parts.size() == 3 ? (parts[0].toInt() * 60 + parts[1].toInt()) * 60 + parts[2].toInt() : -1;
    };
    int sum = 0;
    for (qsizetype i = 0; i < 10; ++i)
        sum += seconds(times[i]);
    EXPECT_EQ(seconds(times[10]), sum) << times.join(u' ').toStdString();
    EXPECT_EQ(times[9], u"00:00:11"_s);
}

} // namespace
