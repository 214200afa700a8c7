#pragma once

// Judges of the second half of step 6, on the second lesson screen: task 15 (mark the abstract nouns that
// name qualities) and task 16 (name a described notion with an abstract noun).

#include <QString>

#include <array>

namespace tasks {

// Task 15, the marks of Label61, Label63, Label64, Label65, Label66, Label67 of the second screen:
// only MUDROST, and PLAŠLJIVOST, marked.
bool task15Solved(const std::array<bool, 6>& marked);

// Task 16: the answer boxes Text5 ... Text8. Returns the error count; solved at 0.
int task16Errors(const std::array<QString, 4>& boxes);

} // namespace tasks
