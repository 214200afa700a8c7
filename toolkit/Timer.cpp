#include "toolkit/Timer.h"

namespace toolkit {

Timer::Timer(const QString& name, QObject* owner, int intervalMs, bool enabled) : QObject(owner) {
    setObjectName(name);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled) {
    if (enabled) {
        if (!m_timer.isActive()) {
            m_timer.start();
        }
    } else {
        m_timer.stop();
    }
}

} // namespace toolkit
