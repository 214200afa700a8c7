#pragma once

// Judges of step 1 on the main lesson screen: task 1 (pick the nouns of a text) and task 2 (the three
// grammatical categories of nouns).

#include <QString>
#include <QStringList>

namespace tasks {

// Task 1: the picked words (ListView1, in list order) against AnswersTask1. Solved when every expected word
// is picked and every picked word is expected.
bool task1Solved(const QStringList& expected, const QStringList& picked);

// Task 2: the boxes Text4, Text5, Text6 hold ROD, BROJ and PADEŽ (or PADEZ), one each, in any order.
bool task2Solved(const QString& text4, const QString& text5, const QString& text6);

} // namespace tasks
