#pragma once

namespace toolkit {

// Tells Qt's accessibility how the controls of this layer speak: a word, an option or a link label with
// its role, state and action; a reading text with its caret and, when the pupil picks words from it, the
// action of a click at the caret; an answer box; a window or panel without its drawn decorations (the
// rings, lines and shapes are parts of the picture, not controls); the buttons, check boxes, outline and
// lists; a notice. Whatever the desktop's accessibility interface needs beyond that comes from the
// desktop room (on the AT-SPI bus, a front that answers the text calls Qt's own bridge gets wrong). Done
// once, before the first control is made, by whoever owns the application (the Program, or a test's main); a
// second call does nothing.
void installAccessibility();

} // namespace toolkit
