#pragma once

// Judges of step 8 on the second lesson screen: task 19 (choose the sentence group with a collective noun in
// every sentence) and task 20 (write the collective nouns of eight nouns).

#include <QString>

#include <array>

namespace tasks {

// Task 19: only group 2 ringed (Shape4 shown, Shape5 hidden).
bool task19Solved(bool shape5Visible, bool shape4Visible);

// Task 20: the answer boxes in the order Text29, Text28, Text27, Text26, Text25, Text24, Text23, Text22.
// Returns 1 when the task is not solved, 0 when it is.
int task20Errors(const std::array<QString, 8>& boxes);

} // namespace tasks
