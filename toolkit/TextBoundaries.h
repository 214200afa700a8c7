#pragma once

#include <QList>
#include <QString>

namespace toolkit {

// The pieces a screen reader reads a text by. Each kind cuts the text into consecutive pieces that cover
// it without a gap: a character; a word, with an opening quote before it and the punctuation, spaces and
// line breaks after it (a line of punctuation alone is a piece too; the first piece also takes what stands
// before it; the caret moved by words stops where a piece begins, so each move passes a whole word); a
// sentence, ended by . ! ? or … before a space, or by a line break; a line as laid out on the screen; a
// paragraph, up to and with its line break.
enum class TextPiece { Character, Word, Sentence, Line, Paragraph, Whole };

struct TextSpan {
    int start = 0;
    int end = 0;
    bool operator==(const TextSpan&) const = default;
};

// Where the pieces of a text lie. The line starts are the offsets where the lines as laid out begin
// (the first is 0); a text not laid out yet passes its paragraph starts.
class TextBoundaries {
  public:
    TextBoundaries(const QString& text, QList<int> lineStarts);

    // The piece that holds the offset. Any offset is taken: -1 stands for the end of the text, as in
    // Qt's texts, and the others are brought within the text. At the end of the text it is the last
    // piece (an empty one for a character, or for the line after a final line break).
    TextSpan at(TextPiece piece, qint64 offset) const;
    // The piece just before and just after that one; an empty span at the start or the end of the text
    // where there is none.
    TextSpan before(TextPiece piece, qint64 offset) const;
    TextSpan after(TextPiece piece, qint64 offset) const;

    // The offset brought within the text, -1 standing for its end.
    int clamp(qint64 offset) const;
    // The range brought within the text, in order; an end of -1 stands for the end of the text.
    TextSpan range(qint64 start, qint64 end) const;

    // The offsets where the paragraphs of a text begin.
    static QList<int> paragraphStarts(const QString& text);

  private:
    // The starts of the pieces of this kind, in order, the first 0.
    QList<int> starts(TextPiece piece) const;

    QString m_text;
    QList<int> m_lineStarts;
};

} // namespace toolkit
