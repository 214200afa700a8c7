#pragma once

// Where the desktops the course runs on differ: how a program learns the pupil's language and whether the
// pupil asks for high contrast, how a screen reader is told something at once, and what the desktop's
// accessibility needs beyond Qt's own.
// One face for both; the build takes FreeDesktop.cpp (Debian: the locale variables, the AT-SPI bus) or
// WindowsDesktop.cpp (Windows: the user's languages, UI Automation). Nothing above the toolkit asks
// which one it runs on.

#include "toolkit/TextBoundaries.h"

#include <QPalette>
#include <QStringList>

#include <functional>
#include <optional>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace toolkit::desktop {

// The languages the desktop asks programs to speak, as it names them, the one that counts first: on a
// freedesktop, the first of LC_ALL, LC_MESSAGES and LANG that is set ("sr_RS.UTF-8@latin"); on Windows,
// the user's display language, then the regional format ("sr-Cyrl-RS", "en-US"). Empty when nothing
// is set.
QStringList languages();

// Whether the desktop asks programs for high contrast: on Windows, a contrast theme is on (what
// SPI_GETHIGHCONTRAST reports); on a freedesktop, the desktop portal's contrast preference is high.
bool highContrast();
// The colours of high contrast: on Windows with a contrast theme on, the theme's system colours; else the
// course's own (toolkit::highContrastPalette), dark where the desktop prefers dark.
QPalette highContrastColours();
// Calls `changed` each time the desktop's contrast setting may have changed, for as long as `context`
// lives: on Windows as the system's colours change, on a freedesktop as the portal tells of a change.
void watchContrast(QObject* context, const std::function<void()>& changed);

// A screen reader speaks `message` at once, on behalf of `control`, while the focus stays where it is.
void tell(QWidget& control, const QString& message);

// How a text of this layer reads its own words, sentences and lines; nothing for a text read from its
// characters.
using OwnReading = std::optional<TextBoundaries> (*)(QAccessibleInterface* accessible);

// Whether the screen readers of the desktop hear the entry of a list that has the focus when it takes
// another word: Windows' readers and Orca 48 (with Qt 6.8, on Debian 13) do. Orca 43 (with Qt 6.4, on
// Debian 12) takes no account of a list entry's new name, and hears only the focus move to another entry.
bool hearsFocusRenamed();

// Whatever the desktop's accessibility interface needs beyond Qt's own accessibles, made once with the
// rest of the layer's accessibility.
void installAccessibilityInterface(OwnReading ownReading);

} // namespace toolkit::desktop
