#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace course {

// The words of a reading text as the pupil can pick them: one entry per space-separated token,
// cleaned of line breaks and punctuation, with the 0-based offset at which the raw token starts.
// Entry i of words belongs to entry i of starts.
struct WordIndex {
    QStringList words;
    QList<int> starts;
};

// How the tokens of one reading text are cleaned, in this order and each step at most once:
// a. lineFeedRule: a token ending in a line feed loses every carriage return, then every line feed;
// b. a token ending in one of trailingMarks loses that last character;
// c. a token starting with a carriage return loses every carriage return, then every line feed
//    (for every text);
// d. leadingQuote: a token starting with a double quote loses it;
// e. trailingQuote: a token ending in a double quote loses it.
struct Cleaning {
    bool lineFeedRule;
    QString trailingMarks;
    bool leadingQuote;
    bool trailingQuote;
};

// The rules of the five reading texts of the main lesson screen.
Cleaning cleaningText3();
Cleaning cleaningText36();
Cleaning cleaningText46();
Cleaning cleaningText50();
Cleaning cleaningText51();

// Splits at every single space (two adjacent spaces give an empty word; line breaks stay inside
// the tokens) and cleans each token with the given rules.
WordIndex buildWordIndex(const QString& text, const Cleaning& rules);

// The index of the folk poem of the second lesson screen: every double quote removed, line breaks
// turned into spaces, one trailing punctuation mark or line break dropped, the leading-break rule,
// surrounding spaces trimmed.
WordIndex buildPoemIndex(const QString& text);

// What sets a reading text apart when a word is picked from it.
enum class PickRule {
    Plain,        // the word itself
    AlpskogVenca, // "Alpskog" and "venca" stand for the single entry "Alpskog venca", in the text's script
    StopAtDash,   // a word that is "-" ends the click: nothing more is examined or added
};

// The entries one click adds to an answer list that already holds `listed`. The click leaves the
// caret at selStart; a word is under it when start <= selStart - 1 <= start + length of the word.
// A word already listed (or added earlier in the same click) is not added again.
QStringList entriesToAdd(const WordIndex& index, int selStart, const QStringList& listed, PickRule rule);

// The same for the folk poem: once one word under the caret is found listed, no later word of the
// click is added; a "-" ends the click.
QStringList poemEntriesToAdd(const WordIndex& index, int selStart, const QStringList& listed);

} // namespace course
