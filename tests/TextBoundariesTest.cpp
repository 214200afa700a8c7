// How a screen reader reads a text by characters, words, sentences, lines and paragraphs, at any offset:
// the pieces of each kind follow one another over the whole text, and no offset, however odd, falls
// outside it.
#include "toolkit/TextBoundaries.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Qt::StringLiterals;
using toolkit::TextBoundaries;
using toolkit::TextPiece;
using toolkit::TextSpan;

namespace toolkit {
void PrintTo(const TextSpan& span, std::ostream* out) {
    *out << '[' << span.start << ", " << span.end << ')';
}
} // namespace toolkit

namespace {

const TextPiece allPieces[] = {TextPiece::Character, TextPiece::Word,      TextPiece::Sentence,
                               TextPiece::Line,      TextPiece::Paragraph, TextPiece::Whole};

TextBoundaries paragraphs(const QString& text) {
    return TextBoundaries(text, TextBoundaries::paragraphStarts(text));
}

} // namespace

TEST(TextBoundaries, PiecesAtBeforeAndAfterAnOffset) {
    const QString verses = u"\nGore svoda,\n"_s; // begins and ends with an empty line
    const QString prose = u"Ćuprija, đak šljiva. Drugo! Treće… kraj"_s;
    const struct {
        const char* name;
        QString text;
        TextPiece piece;
        qint64 offset;
        TextSpan at, before, after;
    } rows[] = {
        {"the empty line a text begins with goes with its first word",
         verses,
         TextPiece::Word,
         0,
         {0, 6},
         {0, 0},
         {6, 13}},
        {"a word takes the punctuation and line break after it",
         verses,
         TextPiece::Word,
         11,
         {6, 13},
         {0, 6},
         {13, 13}},
        {"the first, empty line", verses, TextPiece::Line, 0, {0, 1}, {0, 0}, {1, 13}},
        {"the caret at the end is on the empty last line",
         verses,
         TextPiece::Line,
         13,
         {13, 13},
         {1, 13},
         {13, 13}},
        {"a final line break opens no paragraph",
         verses,
         TextPiece::Paragraph,
         13,
         {1, 13},
         {0, 1},
         {13, 13}},
        {"Serbian letters are a word's letters", prose, TextPiece::Word, 9, {9, 13}, {0, 9}, {13, 21}},
        {"a sentence ends at a full stop", prose, TextPiece::Sentence, 3, {0, 21}, {0, 0}, {21, 28}},
        {"and at an exclamation mark", prose, TextPiece::Sentence, 21, {21, 28}, {0, 21}, {28, 35}},
        {"and at an ellipsis", prose, TextPiece::Sentence, 34, {28, 35}, {21, 28}, {35, 39}},
        {"a character", prose, TextPiece::Character, 2, {2, 3}, {1, 2}, {3, 4}},
        {"no character at the end", prose, TextPiece::Character, 39, {39, 39}, {38, 39}, {39, 39}},
        {"an opening quote goes with its word, a dash with the word before",
         u"dam, - \n\"Diko\""_s,
         TextPiece::Word,
         8,
         {8, 14},
         {0, 8},
         {14, 14}},
        {"a line of punctuation alone is a piece",
         u"rešen.\n___\n\nŽelimo"_s,
         TextPiece::Word,
         8,
         {7, 12},
         {0, 7},
         {12, 18}},
        {"-1 stands for the end", prose, TextPiece::Word, -1, {35, 39}, {28, 35}, {39, 39}},
        {"an offset before the text", prose, TextPiece::Word, INT_MIN, {0, 9}, {0, 0}, {9, 13}},
        {"an offset past the text", prose, TextPiece::Sentence, INT_MAX, {35, 39}, {28, 35}, {39, 39}},
        {"a whole text", prose, TextPiece::Whole, 5, {0, 39}, {0, 0}, {39, 39}},
        {"an empty text", QString(), TextPiece::Line, 3, {0, 0}, {0, 0}, {0, 0}},
        {"a pair of surrogates is one character", u"a😀b"_s, TextPiece::Character, 1, {1, 3}, {0, 1}, {3, 4}},
    };
    for (const auto& row : rows) {
        const TextBoundaries boundaries = paragraphs(row.text);
        EXPECT_EQ(boundaries.at(row.piece, row.offset), row.at) << row.name;
        EXPECT_EQ(boundaries.before(row.piece, row.offset), row.before) << row.name;
        EXPECT_EQ(boundaries.after(row.piece, row.offset), row.after) << row.name;
    }
}

TEST(TextBoundaries, LinesAreTheLinesAsLaidOut) {
    // Starts out of order, repeated, or outside the text are tidied away.
    const TextBoundaries laidOut(u"jedan dva tri četiri"_s, {11, 6, -4, 6, 99, 0});
    EXPECT_EQ(laidOut.at(TextPiece::Line, 7), (TextSpan{6, 11}));
    EXPECT_EQ(laidOut.after(TextPiece::Line, 0), (TextSpan{6, 11}));
    EXPECT_EQ(laidOut.at(TextPiece::Line, 20), (TextSpan{11, 20}));
    EXPECT_EQ(laidOut.at(TextPiece::Paragraph, 7), (TextSpan{0, 20}));
}

TEST(TextBoundaries, RangesAreBroughtWithinTheText) {
    const TextBoundaries text = paragraphs(u"krompir"_s);
    EXPECT_EQ(text.range(INT_MIN, 5), (TextSpan{0, 5}));
    EXPECT_EQ(text.range(INT_MIN, INT_MAX), (TextSpan{0, 7}));
    EXPECT_EQ(text.range(0, -1), (TextSpan{0, 7}));
    EXPECT_EQ(text.range(5, 2), (TextSpan{5, 5}));
    EXPECT_EQ(text.range(INT_MAX, INT_MIN), (TextSpan{7, 7}));
}

// Walked from the start, the pieces of each kind follow one another and end at the end of the text.
TEST(TextBoundaries, PiecesCoverTheWholeText) {
    for (const QString& text : {u"\n\nA. B\n"_s, u"  "_s, u"x"_s, u"Oranje, četovanja!\r\n? ."_s, u"\n"_s}) {
        const TextBoundaries boundaries = paragraphs(text);
        for (const TextPiece piece : allPieces) {
            int place = 0;
            while (place < text.size()) {
                const TextSpan span = boundaries.at(piece, place);
                ASSERT_EQ(span.start, place) << qPrintable(text) << " piece " << int(piece);
                ASSERT_GT(span.end, place) << qPrintable(text) << " piece " << int(piece);
                const int size = static_cast<int>(text.size());
                const TextSpan next = span.end < size ? boundaries.at(piece, span.end) : TextSpan{size, size};
                EXPECT_EQ(boundaries.after(piece, place), next);
                place = span.end;
            }
        }
    }
}
