// Word indexes of arbitrary texts, and sequences of clicks at arbitrary caret positions.
#include "course/WordIndex.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString text = input.text();
    const course::Cleaning rules[] = {course::cleaningText3(), course::cleaningText36(),
                                      course::cleaningText46(), course::cleaningText50(),
                                      course::cleaningText51()};
    const course::PickRule pickRules[] = {course::PickRule::Plain, course::PickRule::AlpskogVenca,
                                          course::PickRule::StopAtDash};
    const course::WordIndex poem = course::buildPoemIndex(text);
    QStringList poemList;
    for (int r = 0; r < 5; ++r) {
        const course::WordIndex index = course::buildWordIndex(text, rules[r]);
        if (index.words.size() != index.starts.size()) {
            __builtin_trap();
        }
        QStringList list = input.texts(2);
        for (int click = 0; click < 8; ++click) {
            const int caret = input.number();
            // A click never adds what is listed already.
            for (const QString& entry :
                 course::entriesToAdd(index, caret, list, pickRules[(r + click) % 3])) {
                if (list.contains(entry)) {
                    __builtin_trap();
                }
                list.append(entry);
            }
            poemList += course::poemEntriesToAdd(poem, caret, poemList);
        }
    }
    return 0;
}
