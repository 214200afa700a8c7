#pragma once

#include <QObject>
#include <QTimer>

namespace toolkit {

// A timer with an interval in milliseconds and an Enabled flag; it ticks while enabled.
class Timer : public QObject {
    Q_OBJECT
  public:
    Timer(const QString& name, QObject* owner, int intervalMs, bool enabled);

    void setEnabled(bool enabled);
    bool enabled() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }

  Q_SIGNALS:
    void tick();

  private:
    QTimer m_timer;
};

} // namespace toolkit
