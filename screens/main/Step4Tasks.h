#pragma once

// Judges of step 4 on the main lesson screen: task 8 (name a common noun from its description), task 9
// (pick the common nouns of four verses) and task 10 (write down the common nouns for beings).

#include <QString>
#include <QStringList>

#include <array>

namespace tasks {

// Task 8: the answer boxes Text42 ... Text45. Returns the error count; solved at 0.
int task8Errors(const std::array<QString, 4>& boxes);

// Task 9: the picked words (ListView3) against AnswersTask9, in any capitals. Returns the error count;
// solved at 0.
int task9Errors(const QStringList& expected, const QStringList& picked);

// Task 10: the answer line Text48. Returns the error count; solved at 0.
int task10Errors(const QString& text48);

} // namespace tasks
