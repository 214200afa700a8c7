#pragma once

// What the tests of the answer judges share: named cases, small edits of a right answer, the marking of a
// row of word labels, and the hostile texts every judge must read safely and refuse.

#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace judges {

inline constexpr bool accepted = true, refused = false;

// One named case: what the judge should say, and what it said.
struct Case {
    const char* name;
    bool want, got;
};

inline void expectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want) << c.name;
}

inline QStringList with(QStringList list, const QStringList& more) {
    return list << more;
}

inline QStringList without(QStringList list, const QString& word) {
    list.removeAll(word);
    return list;
}

inline QStringList instead(QStringList list, const QString& word, const QString& other) {
    list.replace(list.indexOf(word), other);
    return list;
}

template <std::size_t N>
std::array<QString, N> replaced(std::array<QString, N> boxes, std::size_t i, QString text) {
    boxes[i] = std::move(text);
    return boxes;
}

// The right marking is solved, and nothing that differs from it in one label is.
template <typename T, std::size_t N>
void expectOnlyMarking(bool (*solved)(const std::array<T, N>&), const std::array<T, N>& right) {
    EXPECT_TRUE(solved(right));
    for (std::size_t i = 0; i < N; ++i) {
        std::array<T, N> flipped = right;
        flipped[i] = static_cast<T>(!flipped[i]);
        EXPECT_FALSE(solved(flipped)) << "label " << i + 1 << (right[i] ? " left unmarked" : " also marked");
    }
}

// Each judge, given a hostile text in place of one right answer (or besides a right list of picks), refuses.
inline void expectHostileTextsRefused(
    std::initializer_list<std::pair<const char*, std::function<bool(const QString&)>>> judges) {
    const std::pair<const char*, QString> hostile[] = {
        {"empty", QString()},
        {"100,000 spaces", QString(100000, u' ')},
        {"100,000 letters", QString(100000, u'A')},
        {"emoji", QString::fromUtf8("😀")},
        {"right-to-left text", QString::fromUtf8("שלום")},
        {"a line break", QStringLiteral("\r\n")},
        {"a tab", QStringLiteral("\t")},
        {"a lone combining caron", QString(QChar(0x030C))},
        {"half a surrogate pair", QString(QChar(0xD83D))},
        {"100,000 Cyrillic digraphs", QString(100000, QChar(0x0409))},
        {"a lone Cyrillic capital digraph", QString(QChar(0x040F))},
    };
    for (const auto& [judge, solvedWith] : judges)
        for (const auto& [what, text] : hostile)
            EXPECT_FALSE(solvedWith(text)) << judge << ", " << what;
}

} // namespace judges
