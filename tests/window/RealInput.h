#pragma once

// Input as the platform delivers it: on X, the pointer and keys sent by xdotool through the X server to
// the window that has the focus; on Windows, by SendInput into Windows' input queue. Both count in the
// screen's own pixels, which at a scale factor are not Qt's.

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace real {

// Clicks the left button `times` times in a row at a point of a control, holding Shift if asked, and
// waits until the program has seen every release.
void click(QWidget* control, QPoint point, int times = 1, bool shift = false);
// Presses the left button at one point of a control, moves to another and lets go there.
void drag(QWidget* control, QPoint from, QPoint to);
// A key (an X key name such as "Tab", "shift+Tab", "Return", "space", "Down", "z") to the window
// that has the focus, waited for until the program has seen its release.
void key(const QString& name);
// A key that takes its window away (the splash): waited for until `done` holds.
void key(const QString& name, const std::function<bool()>& done);
// Keys one after another, waited for likewise.
void keys(const QStringList& names);
// Tab until the focus is on the control: never more than a round of the screen.
void tabTo(QWidget* control);
// Types a text, Serbian letters of either script included, and waits until `typed` holds.
void type(const QString& text, const std::function<bool()>& typed);

// Saves a picture of a window in the build folder's screenshots/, named after it and the scale.
void saveShot(QWidget& window, const QString& name);

// What each platform's side does: sends the input and says whether it could.
namespace platform {
bool clicks(QPoint screenPixel, int times, bool shift);
bool drag(QPoint fromPixel, QPoint toPixel);
bool keys(const QStringList& names);
bool text(const QString& text);
} // namespace platform

} // namespace real
