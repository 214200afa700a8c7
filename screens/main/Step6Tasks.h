#pragma once

// Judges of the first half of step 6, on the main lesson screen: tasks 13 and 14 (mark the abstract nouns
// of a row of words).

#include <array>

namespace tasks {

// Task 13, the marks of Label61, Label63, Label64, Label65, Label66, Label67:
// only RAVNOPRAVNOST, and PRAVDA, (ideas) marked.
bool task13Solved(const std::array<bool, 6>& marked);

// Task 14, the marks in reading order Label73, Label72, Label71, Label70, Label69, Label68, Label75, Label76:
// only SETA, LJUBAV, and STRAH, (feelings and moods) marked.
bool task14Solved(const std::array<bool, 8>& marked);

} // namespace tasks
