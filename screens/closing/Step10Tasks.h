#pragma once

// Judges of the closing tasks of step 10: tasks 25 and 26 (mark the homonym with a plural-only meaning).

#include <array>

namespace tasks {

// Task 25, the marks of Label76, Label83, Label84, Label85 ("Vile ne koriste vile."): only the second
// "vile." (pitchforks) marked.
bool task25Solved(const std::array<bool, 4>& marked);

// Task 26, the marks of Label77, Label78, Label79, Label80, Label81, Label82, Label11, Label12, Label14
// ("On usta i otvori usta našavši se u čudu."): only the second "usta" (mouth) marked.
bool task26Solved(const std::array<bool, 9>& marked);

} // namespace tasks
