#pragma once

// Judges of step 7 on the second lesson screen: task 17 (pick the verbal nouns of a folk poem) and task 18
// (form the verbal nouns of twelve verbs).

#include <QString>
#include <QStringList>

#include <array>

namespace tasks {

// Task 17: the picked words (ListView5 of the second screen) against PoemAnswers ("Oranje", "cetovanja").
// Returns the error count; solved at 0.
int task17Errors(const QStringList& expected, const QStringList& picked);

// Task 18: the answer boxes Text9 ... Text20. Returns 1 when the task is not solved, 0 when it is.
int task18Errors(const std::array<QString, 12>& boxes);

} // namespace tasks
