#pragma once

// What the tests of the answer judges share: named cases, small edits of a right answer, the marking of a
// row of word labels, and the hostile texts every judge must read safely and refuse.

#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>

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

// Each judge, given its right answer with one letter written as a look-alike from another alphabet, or with
// an invisible character inside, refuses. A look-alike is tried where the answer has the letter it mimics.
inline void expectLookAlikesRefused(
    std::initializer_list<std::tuple<const char*, QString, std::function<bool(const QString&)>>> judges) {
    struct LookAlike {
        const char* name;
        QString of, as;
    };
    const LookAlike lookAlikes[] = {
        {"Turkish dotless ı", QStringLiteral("i"), QStringLiteral("ı")},
        {"Ukrainian і", QStringLiteral("i"), QStringLiteral("і")},
        {"Ukrainian ї", QStringLiteral("i"), QStringLiteral("ї")},
        {"long ſ", QStringLiteral("s"), QStringLiteral("ſ")},
        {"Greek ο", QStringLiteral("o"), QStringLiteral("ο")},
        {"Russian э", QStringLiteral("e"), QStringLiteral("э")},
        {"fullwidth ａ", QStringLiteral("a"), QStringLiteral("ａ")},
        {"Polish ż", QStringLiteral("ž"), QStringLiteral("ż")},
        {"a zero-width space", QStringLiteral("a"), QStringLiteral("a\u200B")},
        {"a soft hyphen", QStringLiteral("e"), QStringLiteral("e\u00AD")},
        {"a left-to-right mark", QStringLiteral("o"), QStringLiteral("o\u200E")},
    };
    for (const auto& [judge, right, solvedWith] : judges) {
        EXPECT_TRUE(solvedWith(right)) << judge << ", the right answer";
        for (const LookAlike& l : lookAlikes) {
            const qsizetype at = right.indexOf(l.of);
            if (at >= 0) {
                EXPECT_FALSE(solvedWith(QString(right).replace(at, l.of.size(), l.as)))
                    << judge << ", " << l.name;
            }
        }
    }
}

} // namespace judges
