#pragma once

class QWidget;

namespace toolkit {

// Whether the pupil can see and reach a control: it and every container around it are shown, it is
// enabled, and no modal window (a refusal, the results, the About screen) stands over its window. Only
// such a control acts, by any route: a click, a key, or a call of an assistive client.
bool seenByPupil(const QWidget* control);

} // namespace toolkit
