#pragma once

// Judges of step 9 on the second lesson screen: task 21 (fill a sentence with material nouns), task 22 (tick
// the kitchen nouns that are not material nouns) and task 23 (circle the true statement on metals).

#include <QString>

#include <array>

namespace tasks {

// Task 21: šljunak and cement in Text31 and Text32, in either order. Returns 1 when the task is not solved,
// 0 when it is.
int task21Errors(const QString& text31, const QString& text32);

// Task 22: the values of Check1 ... Check9 (0 unticked, 1 ticked); only tanjir and nož ticked.
bool task22Solved(const std::array<int, 9>& values);

// Task 23: statement 1, "Jesu gradivne imenice", circled (Shape8 shown).
bool task23Solved(bool shape8Visible);

} // namespace tasks
