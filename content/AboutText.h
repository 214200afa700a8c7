#pragma once

#include <QString>

namespace content {

// The text of the About screen: how the pupil works with the course, programmed instruction in
// general, and the credits. Unlike the lesson texts it does not end with a line break.
QString aboutText();

} // namespace content
