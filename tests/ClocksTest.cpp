// The step clock and the course clock: the one-second tick, the time text, and the record of each
// step's time on the results screen; and the slide of the results strip at the start of step 1.
#include "tests/Pupil.h"

#include "course/Clocks.h"
#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/main/Form1.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Timer.h"

#include <array>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A clock reading, written out by hand so that the expectations do not lean on formatClock.
struct Reading {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

std::string text(int hours, int minutes, int seconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hours, minutes, seconds);
    return buffer;
}

std::string text(const Reading& reading) {
    return text(reading.hours, reading.minutes, reading.seconds);
}

std::string text(qint64 seconds) {
    return text(static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60));
}

std::string stepOf(const course::Clocks& clocks) {
    return text(clocks.stepHours, clocks.stepMinutes, clocks.stepSeconds);
}

std::string totalOf(const course::Clocks& clocks) {
    return text(clocks.totalHours, clocks.totalMinutes, clocks.totalSeconds);
}

void setStep(course::Clocks& clocks, const Reading& r) {
    clocks.stepHours = static_cast<qint16>(r.hours);
    clocks.stepMinutes = static_cast<qint16>(r.minutes);
    clocks.stepSeconds = static_cast<qint16>(r.seconds);
}

void setTotal(course::Clocks& clocks, const Reading& r) {
    clocks.totalHours = static_cast<qint16>(r.hours);
    clocks.totalMinutes = static_cast<qint16>(r.minutes);
    clocks.totalSeconds = static_cast<qint16>(r.seconds);
}

// "hh:mm:ss" back into seconds; -1 for anything else.
qint64 secondsOf(const QString& time) {
    const QStringList fields = time.split(u':');
    if (fields.size() != 3) {
        return -1;
    }
    bool ok[3] = {};
    const qint64 seconds = fields[0].toLongLong(&ok[0]) * 3600 + fields[1].toLongLong(&ok[1]) * 60 +
                           fields[2].toLongLong(&ok[2]);
    return ok[0] && ok[1] && ok[2] && fields[1].size() == 2 && fields[2].size() == 2 ? seconds : -1;
}

TEST(Clocks, FormatClockPadsEachFieldToTwoDigitsAndKeepsLongHours) {
    const struct {
        const char* name;
        int hours, minutes, seconds;
        const char* shown;
    } rows[] = {
        {"zero", 0, 0, 0, "00:00:00"},
        {"five minutes nine seconds", 0, 5, 9, "00:05:09"},
        {"one hour", 1, 0, 0, "01:00:00"},
        {"two-digit fields stay as they are", 23, 45, 59, "23:45:59"},
        {"a hundred hours keep three digits", 100, 0, 0, "100:00:00"},
        {"the largest hour", 32767, 59, 59, "32767:59:59"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(course::formatClock(row.hours, row.minutes, row.seconds).toStdString(), row.shown);
    }
}

// Each clock is ticked from the reading of the row while the other clock stands at zero, so that a
// carry that reaches into the wrong clock shows as well.
TEST(Clocks, TickCarriesAtSixtyOnEachClockAndStopsAtTheLargestHour) {
    const struct {
        const char* name;
        Reading before, after;
    } rows[] = {
        {"one second", {0, 0, 0}, {0, 0, 1}},
        {"58 s", {0, 0, 58}, {0, 0, 59}},
        {"59 s carries into the minutes", {0, 0, 59}, {0, 1, 0}},
        {"minutes move only with a carry of seconds", {0, 59, 58}, {0, 59, 59}},
        {"59 min 59 s carries into the hours", {0, 59, 59}, {1, 0, 0}},
        {"into a third hour digit", {99, 59, 59}, {100, 0, 0}},
        {"into the largest hour", {32766, 59, 59}, {32767, 0, 0}},
        {"one second short of the most a clock holds", {32767, 59, 58}, {32767, 59, 59}},
        {"the most a clock holds stays", {32767, 59, 59}, {32767, 59, 59}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        course::Clocks course;
        setTotal(course, row.before);
        course.tick();
        EXPECT_EQ(totalOf(course), text(row.after)) << "course clock";
        EXPECT_EQ(stepOf(course), "00:00:01") << "step clock beside it";

        course::Clocks step;
        setStep(step, row.before);
        step.tick();
        EXPECT_EQ(stepOf(step), text(row.after)) << "step clock";
        EXPECT_EQ(totalOf(step), "00:00:01") << "course clock beside it";
    }
}

TEST(Clocks, ZeroingTheStepKeepsTheCourseClockAndTheSecondUnderWay) {
    course::Clocks clocks;
    clocks.startAt(0);
    clocks.catchUpTo(61'400);
    clocks.zeroStep();
    EXPECT_EQ(stepOf(clocks), "00:00:00");
    EXPECT_EQ(totalOf(clocks), "00:01:01");
    // The 400 ms already under way when the step was zeroed complete a second of the new step.
    clocks.catchUpTo(62'000);
    EXPECT_EQ(stepOf(clocks), "00:00:01");
    EXPECT_EQ(totalOf(clocks), "00:01:02");
}

// The tick follows a monotonic clock: every whole second that has passed since counting began is
// counted exactly once, however early, late or seldom the timer fires.
TEST(Clocks, CatchUpCountsEveryWholeSecondThatPassedOnce) {
    struct Tick {
        qint64 nowMs;
        qint64 counted; // seconds on both clocks after this tick
    };
    const struct {
        const char* name;
        bool started;
        qint64 startMs;
        std::vector<Tick> ticks;
    } rows[] = {
        {"on time", true, 0, {{1000, 1}, {2000, 2}, {3000, 3}}},
        {"late by a few ms, nothing lost or doubled", true, 0, {{1004, 1}, {2009, 2}, {3001, 3}, {4000, 4}}},
        {"early by a few ms counts nothing extra", true, 0, {{998, 0}, {1000, 1}, {1997, 1}, {2000, 2}}},
        {"the same moment twice counts once", true, 0, {{1000, 1}, {1000, 1}}},
        {"a held-up loop: 5.5 s between two ticks", true, 0, {{1000, 1}, {6500, 6}, {6999, 6}, {7000, 7}}},
        {"half an hour without a tick", true, 0, {{1'800'000, 1800}}},
        {"counting from a moment other than zero", true, 123'456, {{124'455, 0}, {124'456, 1}, {127'000, 3}}},
        {"without a start the first catch-up only starts the count",
         false,
         0,
         {{5000, 0}, {5999, 0}, {6000, 1}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        course::Clocks clocks;
        if (row.started) {
            clocks.startAt(row.startMs);
        }
        for (const Tick& tick : row.ticks) {
            clocks.catchUpTo(tick.nowMs);
            SCOPED_TRACE("at " + std::to_string(tick.nowMs) + " ms");
            EXPECT_EQ(totalOf(clocks), text(tick.counted));
            EXPECT_EQ(stepOf(clocks), text(tick.counted));
        }
    }
}

TEST(Clocks, AWholeDayAtOnceAndMoreThanTheClockHoldsStopAtTheLargestHour) {
    course::Clocks clocks;
    clocks.startAt(0);
    clocks.catchUpTo(86'400'000LL + 3'661'000);
    EXPECT_EQ(totalOf(clocks), "25:01:01");
    // 40000 hours later both clocks stand at the most they hold, and stay there.
    clocks.catchUpTo(40'000LL * 3'600'000);
    EXPECT_EQ(totalOf(clocks), "32767:59:59");
    EXPECT_EQ(stepOf(clocks), "32767:59:59");
    clocks.catchUpTo(40'001LL * 3'600'000);
    EXPECT_EQ(totalOf(clocks), "32767:59:59");
    // A step that begins after that counts from zero again, while the course clock stays full.
    clocks.zeroStep();
    clocks.catchUpTo(40'001LL * 3'600'000 + 2000);
    EXPECT_EQ(stepOf(clocks), "00:00:02");
    EXPECT_EQ(totalOf(clocks), "32767:59:59");
}

// --- The clocks in the course ---------------------------------------------------------------------

class ClocksInTheCourse : public CourseTest {
  protected:
    course::Clocks& clocks() { return program->clocks(); }
    void tickAt(qint64 ms) {
        nowMs = ms;
        Q_EMIT program->form1().Timer1->tick();
    }
    static std::array<toolkit::Label*, 11> timeCells(Form5& results) {
        return {results.Label14, results.Label15, results.Label16, results.Label17,
                results.Label18, results.Label19, results.Label20, results.Label21,
                results.Label22, results.Label23, results.Label25};
    }
    // The eleven time cells as they stand, or all empty while the results screen does not exist.
    QStringList cellTexts() const {
        QStringList texts;
        if (!program->isLoaded(Program::Screen::Form5)) {
            return QStringList(11, QString());
        }
        for (toolkit::Label* cell : timeCells(program->form5())) {
            texts << cell->caption();
        }
        return texts;
    }
};

TEST_F(ClocksInTheCourse, StartWithTheMainScreenSoTheSplashIsNotCounted) {
    program->start();
    nowMs = 3700; // the splash has been in front for 3.7 s
    EXPECT_FALSE(program->isLoaded(Program::Screen::Form1));
    pupil::click(program->form2().Label1);
    tickAt(4699);
    EXPECT_EQ(totalOf(clocks()), "00:00:00");
    tickAt(4700);
    EXPECT_EQ(totalOf(clocks()), "00:00:01");
    EXPECT_EQ(stepOf(clocks()), "00:00:01");
}

TEST_F(ClocksInTheCourse, TheMainScreenTickCountsTheSecondsOfTheClockSourceOnce) {
    Form1& main = enterCourse();
    EXPECT_EQ(main.Timer1->interval(), 1000);
    EXPECT_TRUE(main.Timer1->enabled());
    const struct {
        qint64 nowMs;
        const char* total;
    } ticks[] = {
        {5500, "00:00:05"},      // the event loop was held up for 5.5 s
        {5500, "00:00:05"},      // a second tick at the same moment
        {6000, "00:00:06"},      // the half second left over is not lost
        {6997, "00:00:06"},      // a tick a few ms early
        {7000, "00:00:07"},      //
        {1'807'000, "00:30:07"}, // half an hour in one go
    };
    for (const auto& tick : ticks) {
        tickAt(tick.nowMs);
        EXPECT_EQ(totalOf(clocks()), tick.total) << "at " << tick.nowMs << " ms";
        EXPECT_EQ(stepOf(clocks()), tick.total) << "at " << tick.nowMs << " ms";
    }
}

// A pupil who spends a different time at every tag: each step's time goes into its own cell at the
// press that ends the step, the step clock starts again from zero, and nothing else touches a cell or
// a clock. The introduction counts into step 1.
TEST_F(ClocksInTheCourse, EachStepIsRecordedOnceAtItsEndAndTheStepsAddUpToTheTotal) {
    // Seconds before the press at tags 0 to 20. Step 1 makes 60 s (a carry of seconds), step 2 one
    // hour (a carry of minutes), step 4 a hundred hours and more; no two steps take the same time.
    constexpr std::array<qint64, 21> waits = {2,   57, 1, 3599, 1, 10, 20,   360'000, 5, 61, 7,
                                              125, 3,  4, 600,  9, 11, 3661, 13,      6, 15};
    const std::array<const char*, 10> expected = {"00:01:00", "01:00:00", "00:00:30", "100:00:05",
                                                  "00:01:08", "00:02:08", "00:10:04", "00:00:20",
                                                  "01:01:14", "00:00:21"};
    enterCourse();
    qint64 step = 0;
    qint64 total = 0;
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("press at tag " + std::to_string(tag));
        wait(static_cast<int>(waits[tag]));
        step += waits[tag];
        total += waits[tag];
        QStringList cells = cellTexts();
        solve(tag);
        ASSERT_EQ(refusals(), 0);

        const bool endsStep = tag >= 2 && tag % 2 == 0;
        if (endsStep) {
            EXPECT_EQ(text(step), expected[tag / 2 - 1]);
            cells[tag / 2 - 1] = QString::fromStdString(text(step));
            if (tag == 20) {
                cells[10] = QString::fromStdString(text(total));
            }
            step = 0;
        }
        EXPECT_EQ(cellTexts(), cells);
        EXPECT_EQ(stepOf(clocks()), text(step));
        EXPECT_EQ(totalOf(clocks()), text(total));
        if (tag == 11) {
            // The main screen has handed over and gone from view; its clock tick goes on.
            EXPECT_FALSE(program->form1().isVisible());
            EXPECT_TRUE(program->form1().Timer1->enabled());
        }
    }

    const QStringList cells = cellTexts();
    qint64 sum = 0;
    for (int i = 0; i < 10; ++i) {
        ASSERT_GE(secondsOf(cells[i]), 0) << cells[i].toStdString();
        sum += secondsOf(cells[i]);
    }
    EXPECT_EQ(sum, secondsOf(cells[10]));
    EXPECT_EQ(sum, total);

    // The clocks go on counting after the end, and nothing writes the table again.
    wait(100);
    EXPECT_EQ(totalOf(clocks()), text(total + 100));
    EXPECT_EQ(cellTexts(), cells);
}

TEST_F(ClocksInTheCourse, AStepSolvedWithinOneSecondShowsZero) {
    enterCourse();
    wait(5);
    walkTo(3); // step 1 recorded at 5 s
    ASSERT_EQ(program->form5().Label14->caption(), QStringLiteral("00:00:05"));
    tickAt(5400);
    solve(3);
    tickAt(5999);
    solve(4);
    EXPECT_EQ(program->form5().Label15->caption(), QStringLiteral("00:00:00"));
    // The second that was under way belongs to step 3, and the course clock has lost nothing.
    tickAt(6000);
    EXPECT_EQ(stepOf(clocks()), "00:00:01");
    EXPECT_EQ(totalOf(clocks()), "00:00:06");
}

TEST_F(ClocksInTheCourse, RefusedPressesTouchNeitherClockNorCell) {
    enterCourse();
    wait(1);
    solve(0);
    for (int tag = 1; tag <= 20; ++tag) {
        SCOPED_TRACE("refused at tag " + std::to_string(tag));
        wait(3);
        const int refusedBefore = refusals();
        const std::string step = stepOf(clocks());
        const std::string total = totalOf(clocks());
        const QStringList cells = cellTexts();
        pressNapred(); // nothing answered yet
        ASSERT_EQ(refusals(), refusedBefore + 1);
        ASSERT_EQ(frontTag(), tag);
        EXPECT_EQ(stepOf(clocks()), step);
        EXPECT_EQ(totalOf(clocks()), total);
        EXPECT_EQ(cellTexts(), cells);
        solve(tag);
        ASSERT_EQ(refusals(), refusedBefore + 1) << "the right answers were refused";
    }
    EXPECT_EQ(program->form5().Label25->caption(), QStringLiteral("00:01:01"));
}

// --- The slide of the results strip ---------------------------------------------------------------

TEST_F(ClocksInTheCourse, TheResultsStripSlidesOnceFromTheFirstPressAndComesToRest) {
    Form1& main = enterCourse();
    EXPECT_EQ(main.Timer2->interval(), 50);
    EXPECT_FALSE(main.Timer2->enabled());
    wait(3); // the clock tick does not move it
    EXPECT_EQ(main.picResult->top(), 5520);

    solve(0);
    ASSERT_TRUE(main.Timer2->enabled());
    for (int tick = 1; tick <= 25; ++tick) {
        Q_EMIT main.Timer2->tick();
        EXPECT_EQ(main.picResult->top(), 5520 + 40 * tick) << "tick " << tick;
        // The 25th tick reads 6480 and is the last.
        EXPECT_EQ(main.Timer2->enabled(), tick < 25) << "tick " << tick;
    }
    EXPECT_EQ(main.picResult->top(), 6520);

    // Later presses, accepted or refused, never start it again.
    pressNapred();
    walkTo(6);
    EXPECT_FALSE(main.Timer2->enabled());
    EXPECT_EQ(main.picResult->top(), 6520);
}

} // namespace
