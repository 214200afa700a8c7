#pragma once

namespace toolkit {

// How the controls built on Qt's own widgets speak (the buttons, the check boxes, the outline and the
// lists): as Qt's own accessibles do, except that a control the pupil cannot see neither acts, takes the
// focus nor changes its selection, and that every row and column an assistive client gives is checked
// before use. Done once, with the rest of the layer's accessibility.
void installWidgetAccessibility();

} // namespace toolkit
