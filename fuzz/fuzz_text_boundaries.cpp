// The pieces of arbitrary texts with arbitrary line starts, at arbitrary offsets: always within the text,
// holding the offset, in order, and following one another.
#include "fuzz/FuzzInput.h"
#include "toolkit/TextBoundaries.h"

#include <climits>

namespace {

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString text = input.text();
    const int length = static_cast<int>(text.size());
    QList<int> lineStarts = toolkit::TextBoundaries::paragraphStarts(text);
    for (int i = 0; i < 3; ++i) {
        lineStarts.append(input.number());
    }
    const toolkit::TextBoundaries boundaries(text, lineStarts);
    const qint64 offsets[] = {input.number(), input.number() * 65599LL, INT_MIN, INT_MAX, -1, length};
    for (const auto piece :
         {toolkit::TextPiece::Character, toolkit::TextPiece::Word, toolkit::TextPiece::Sentence,
          toolkit::TextPiece::Line, toolkit::TextPiece::Paragraph, toolkit::TextPiece::Whole}) {
        for (const qint64 offset : offsets) {
            const toolkit::TextSpan at = boundaries.at(piece, offset);
            const toolkit::TextSpan before = boundaries.before(piece, offset);
            const toolkit::TextSpan after = boundaries.after(piece, offset);
            for (const toolkit::TextSpan span : {at, before, after}) {
                require(0 <= span.start && span.start <= span.end && span.end <= length);
            }
            const int place = boundaries.clamp(offset);
            require(at.start <= place && (place < at.end || at.end == length));
            require(before.end <= at.start || before == at);
            require(after.start >= at.end);
        }
        for (int place = 0; place < length;) {
            const toolkit::TextSpan span = boundaries.at(piece, place);
            require(span.start == place && span.end > place);
            place = span.end;
        }
    }
    const toolkit::TextSpan range = boundaries.range(input.number() * 65599LL, input.number() * 65599LL);
    require(0 <= range.start && range.start <= range.end && range.end <= length);
    return 0;
}
