#pragma once

// Judges of step 2 on the main lesson screen: task 3 (decline two nouns), task 4 (complete a sentence) and
// task 5 (natural and grammatical gender).

#include <QString>

#include <array>

namespace tasks {

// Task 3: the 24 table boxes Text8 ... Text31, column by column: Krompir G. to L. (Text8..Text13), Telo
// (Text14..Text19), Krompiri (Text20..Text25), Tela (Text26..Text31).
bool task3Solved(const std::array<QString, 24>& boxes);

// Task 4: gramatički in Text32 and živa in Text52, each also accepted without its č or ž.
bool task4Solved(const QString& text32, const QString& text52);

// Task 5: the nouns of natural gender somewhere in Text33, those of grammatical gender somewhere in Text34.
bool task5Solved(const QString& text33, const QString& text34);

} // namespace tasks
