#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

// Watches a window and ends the program once the window has been painted: how every start-up program
// of the benchmarks stops, so that each is measured to the same moment.
class QuitWhenPainted : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};
