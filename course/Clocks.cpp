#include "course/Clocks.h"

#include <limits>

namespace course {

namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Adds whole seconds to a clock of hours, minutes and seconds, carried at 60. The hours field holds at
// most 32767; a clock that reaches 32767:59:59 stays there.
void advance(qint16& hours, qint16& minutes, qint16& seconds, qint64 by) {
    constexpr qint64 largest = std::numeric_limits<qint16>::max() * 3600LL + 59 * 60 + 59;
    const qint64 now = qMin(largest, hours * 3600LL + minutes * 60LL + seconds + by);
    hours = static_cast<qint16>(now / 3600);
    minutes = static_cast<qint16>(now / 60 % 60);
    seconds = static_cast<qint16>(now % 60);
}

} // namespace

QString formatClock(int hours, int minutes, int seconds) {
    return twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds);
}

void Clocks::advanceBy(qint64 seconds) {
    advance(totalHours, totalMinutes, totalSeconds, seconds);
    advance(stepHours, stepMinutes, stepSeconds, seconds);
}

void Clocks::startAt(qint64 nowMs) {
    m_countedUntilMs = nowMs;
    m_started = true;
}

void Clocks::catchUpTo(qint64 nowMs) {
    if (!m_started) {
        startAt(nowMs);
        return;
    }
    const qint64 seconds = (nowMs - m_countedUntilMs) / 1000;
    if (seconds > 0) {
        advanceBy(seconds);
        m_countedUntilMs += seconds * 1000;
    }
}

void Clocks::zeroStep() {
    stepHours = 0;
    stepMinutes = 0;
    stepSeconds = 0;
}

} // namespace course
