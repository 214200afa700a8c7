#pragma once

// Judges of step 3 on the main lesson screen: task 6 (pick the geographic proper nouns of a text) and task 7
// (name four planets).

#include <QString>
#include <QStringList>

#include <array>

namespace tasks {

// Task 6: the picked words (ListView2) against AnswersTask6, compared exactly. Returns the error count;
// solved at 0.
int task6Errors(const QStringList& expected, const QStringList& picked);

// Task 7: four different planet names in Text37 ... Text40. Returns the error count; solved at 0.
int task7Errors(const std::array<QString, 4>& boxes);

} // namespace tasks
