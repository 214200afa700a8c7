#pragma once

// Judges of step 5 on the main lesson screen: task 11 (pick the abstract nouns of a poem) and task 12 (pick
// the abstract nouns that name a quality).

#include <QString>
#include <QStringList>

namespace tasks {

// Task 11: the picked words (ListView4) against AnswersTask11, in any capitals. Returns the error count;
// solved at 0.
int task11Errors(const QStringList& expected, const QStringList& picked);

// Task 12: the picked words (ListView5) against AnswersTask12, compared exactly. Returns the error count;
// solved at 0.
int task12Errors(const QStringList& expected, const QStringList& picked);

} // namespace tasks
