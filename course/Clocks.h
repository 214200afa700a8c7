#pragma once

#include <QString>
#include <QtGlobal>

namespace course {

// "00:05:09": each field in decimal, padded with zeros to at least two digits, hours first.
QString formatClock(int hours, int minutes, int seconds);

// The step clock and the course clock. Both count the seconds that pass from the moment the main
// lesson screen appears; the step clock is zeroed whenever a step's time is recorded.
class Clocks {
  public:
    qint16 stepHours = 0;
    qint16 stepMinutes = 0;
    qint16 stepSeconds = 0;
    qint16 totalHours = 0;
    qint16 totalMinutes = 0;
    qint16 totalSeconds = 0;

    // Seconds more on both clocks, carried at 60. A clock stops at 32767:59:59, the most it holds.
    void advanceBy(qint64 seconds);

    // The clocks follow a monotonic clock: counting starts at `nowMs`, and each catch-up counts every
    // whole second that has passed since, however late the timer that asks for it fires.
    void startAt(qint64 nowMs);
    void catchUpTo(qint64 nowMs);

    void zeroStep();
    QString stepText() const { return formatClock(stepHours, stepMinutes, stepSeconds); }
    QString totalText() const { return formatClock(totalHours, totalMinutes, totalSeconds); }

  private:
    qint64 m_countedUntilMs = 0;
    bool m_started = false;
};

} // namespace course
