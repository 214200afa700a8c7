#pragma once

class QString;
class QWidget;

namespace toolkit {

// Tells Qt's accessibility how the controls of this layer speak: a word, an option or a link label with
// its role, state and action; a reading text with its caret and, when the pupil picks words from it, the
// action of a click at the caret; an answer box; a window or panel without its drawn decorations (the
// rings, lines and shapes are parts of the picture, not controls). On the desktop's accessibility bus, a
// BridgeFront answers the text calls Qt's own bridge gets wrong. Done once, by the first control that
// needs it.
void installAccessibility();

// A screen reader speaks `message` at once; the focus stays where it is.
void tell(QWidget& control, const QString& message);

} // namespace toolkit
