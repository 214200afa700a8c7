#include "toolkit/TextBoundaries.h"

#include <algorithm>

namespace toolkit {

namespace {

// A letter, a digit or a mark that belongs to one: what words are made of.
bool inWord(QChar c) {
    return c.isLetterOrNumber() || c.isMark();
}

bool endsSentence(QChar c) {
    return c == u'.' || c == u'!' || c == u'?' || c == QChar(0x2026);
}

} // namespace

TextBoundaries::TextBoundaries(const QString& text, QList<int> lineStarts)
    : m_text(text), m_lineStarts(std::move(lineStarts)) {
    // Only starts within the text count, once each and in order, and the first line starts at 0.
    const int length = static_cast<int>(m_text.size());
    m_lineStarts.removeIf([length](int start) { return start <= 0 || start > length; });
    m_lineStarts.prepend(0);
    std::sort(m_lineStarts.begin(), m_lineStarts.end());
    m_lineStarts.erase(std::unique(m_lineStarts.begin(), m_lineStarts.end()), m_lineStarts.end());
}

QList<int> TextBoundaries::paragraphStarts(const QString& text) {
    QList<int> starts{0};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            starts.append(static_cast<int>(i + 1));
        }
    }
    return starts;
}

int TextBoundaries::clamp(qint64 offset) const {
    const qint64 length = m_text.size();
    return static_cast<int>(offset == -1 ? length : std::clamp<qint64>(offset, 0, length));
}

TextSpan TextBoundaries::range(qint64 start, qint64 end) const {
    const int from = clamp(start == -1 ? 0 : start);
    return {from, std::max(from, clamp(end))};
}

QList<int> TextBoundaries::starts(TextPiece piece) const {
    const int length = static_cast<int>(m_text.size());
    QList<int> starts{0};
    switch (piece) {
    case TextPiece::Character:
        for (int i = 1; i < length; ++i) {
            // A pair of surrogates is one character.
            if (!(m_text[i].isLowSurrogate() && m_text[i - 1].isHighSurrogate())) {
                starts.append(i);
            }
        }
        break;
    case TextPiece::Word: {
        // A piece begins with each run of non-spaces that holds a word (an opening quote goes with its
        // word), and with the first run of each line; other punctuation goes with the word before it, as
        // do the spaces and line breaks after it. What stands before the first run belongs to that run, so
        // that every piece has something to say and only a piece's end crosses a line.
        bool lineStart = true;
        bool first = true;
        for (int i = 0; i < length; ++i) {
            if (m_text[i].isSpace()) {
                lineStart = lineStart || m_text[i] == u'\n';
                continue;
            }
            if (i > 0 && !m_text[i - 1].isSpace()) {
                continue;
            }
            int letter = i;
            while (letter < length && !m_text[letter].isSpace() && !inWord(m_text[letter])) {
                ++letter;
            }
            if (lineStart || (letter < length && inWord(m_text[letter]))) {
                if (!first) {
                    starts.append(i);
                }
                first = false;
            }
            lineStart = false;
        }
        break;
    }
    case TextPiece::Sentence: {
        bool ended = false;
        for (int i = 0; i < length; ++i) {
            const QChar c = m_text[i];
            if (ended && !c.isSpace()) {
                starts.append(i);
                ended = false;
            }
            if (c == u'\n') {
                ended = true;
            } else if (endsSentence(c) && i + 1 < length && m_text[i + 1].isSpace()) {
                ended = true;
            }
        }
        break;
    }
    case TextPiece::Line:
        return m_lineStarts;
    case TextPiece::Paragraph:
        starts = paragraphStarts(m_text);
        // A final line break opens no paragraph of its own.
        if (starts.size() > 1 && starts.last() == length) {
            starts.removeLast();
        }
        break;
    case TextPiece::Whole:
        break;
    }
    return starts;
}

TextSpan TextBoundaries::at(TextPiece piece, qint64 offset) const {
    const int length = static_cast<int>(m_text.size());
    const int place = clamp(offset);
    if (piece == TextPiece::Character) {
        const bool pair =
            place + 1 < length && m_text[place].isHighSurrogate() && m_text[place + 1].isLowSurrogate();
        return {place, std::min(length, place + (pair ? 2 : 1))};
    }
    const QList<int> all = starts(piece);
    // The last start at or before the place, and the next one.
    const auto next = std::upper_bound(all.cbegin(), all.cend(), place);
    const int start = *(next - 1);
    return {start, next == all.cend() ? length : *next};
}

TextSpan TextBoundaries::before(TextPiece piece, qint64 offset) const {
    const TextSpan here = at(piece, offset);
    return here.start == 0 ? TextSpan{0, 0} : at(piece, here.start - 1);
}

TextSpan TextBoundaries::after(TextPiece piece, qint64 offset) const {
    const int length = static_cast<int>(m_text.size());
    const TextSpan here = at(piece, offset);
    // At the end there is nothing after; an empty line after a final line break is a piece of its own.
    if (here.end >= length) {
        return {length, length};
    }
    return at(piece, here.end);
}

} // namespace toolkit
