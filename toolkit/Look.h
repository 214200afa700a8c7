#pragma once

#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace toolkit {

// The colours a window of the course is shown in: its design's own, or high contrast, in which every
// colour comes from the window's palette (the desktop's high-contrast colours).
enum class Look { Design, HighContrast };

// The look of the window a control is in (a form's, set by whoever owns the forms); the design's for a
// control in no form.
Look lookOf(const QWidget* control);

// What a colour of the design is for, so that high contrast can take it from the palette: text, a link,
// a marked word, a mark drawn (a frame, line, ring or shape), a background, a field to type in, a button.
enum class Ink { Text, Link, Marked, Mark, Background, Field, Button };

// The colour of an ink for a control: the design's colour in the design's look; in high contrast the
// palette's colour for that ink, from the control's window.
QColor inkOf(const QWidget* control, Ink ink, quint32 designBgr);
// The palette's colour for an ink.
QColor inkIn(const QPalette& colours, Ink ink);

// Sent to a window and to every control in it when its look changes: each control gives itself its
// colours again.
QEvent::Type lookChange();

// The course's own high-contrast colours, for a pupil who asks for high contrast where the desktop gives
// no high-contrast palette: black on white, or white on black where the desktop prefers dark. Every text
// stands at least 7 : 1 against its background, the selected rows' included.
QPalette highContrastPalette(bool dark);

// In high contrast, the frame that shows where the keyboard's focus is: 2 px in the highlight colour just
// inside `rect`. Nothing in the design's look, where each control shows its focus as before.
void drawFocusFrame(QPainter& painter, const QWidget* control, QRect rect);

// The style every control of a run is drawn in: the desktop's own in the design's look; in high contrast
// Qt's classic Windows style, whose frames, bevels and check boxes are drawn in the palette's edge colours
// (the text colour in high contrast), where other styles draw them in a pale blend of the background that
// fades into it, light or dark. Owned by whoever owns the forms; the desktop's style comes back when the
// look does and when the owner goes.
class LookStyle {
  public:
    LookStyle() = default;
    LookStyle(const LookStyle&) = delete;
    LookStyle& operator=(const LookStyle&) = delete;
    ~LookStyle();
    void follow(Look look);

  private:
    QString m_designStyle; // the desktop's style, while high contrast has put it aside
};

} // namespace toolkit
