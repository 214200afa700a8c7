// The index of a text as the pupil picks from it: token offsets and cleaning, the caret range of a word, and
// several words, a listed word or a dash under one caret. The reading texts are picked from in the picking
// tests.

#include "course/WordIndex.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using course::PickRule;
using course::WordIndex;

std::string str(const QStringList& list) {
    return list.isEmpty() ? "(none)" : u"[%1]"_s.arg(list.join(u'|')).toStdString();
}

TEST(WordIndex, StartsAreTheOffsetsOfTheRawTokens) {
    // Two spaces give an empty word; the offsets count what the cleaning removed.
    const WordIndex index = course::buildWordIndex(u"\r\nKaži \"Diko\",  x."_s, course::cleaningText50());
    EXPECT_EQ(str(index.words), "[Kaži|Diko||x]");
    EXPECT_EQ(index.starts, QList<int>({0, 7, 15, 16}));
}

TEST(WordIndex, CleaningRulesDifferByTextAndApplyOnceEach) {
    const auto of = [](const QString& token, const course::Cleaning& rules) {
        return course::buildWordIndex(token, rules).words.join(u'|');
    };
    const std::tuple<const char*, QString, QString> cases[] = {
        {"one trailing mark only", of(u"kraj.."_s, course::cleaningText3()), u"kraj."_s},
        {"the break goes, then the mark", of(u"kraj.\r\n"_s, course::cleaningText3()), u"kraj"_s},
        {"Text50 keeps a trailing break", of(u"dam\r\n"_s, course::cleaningText50()), u"dam\r\n"_s},
        {"a leading break goes in every text", of(u"\r\nSvod"_s, course::cleaningText50()), u"Svod"_s},
        {"a lone line break", of(u"\r\n"_s, course::cleaningText50()), QString()},
        {"quotes only in Text50", of(u"\"Diko\""_s, course::cleaningText3()), u"\"Diko\""_s},
        {"a mark inside the quotes stays", of(u"\"blago;\""_s, course::cleaningText50()), u"blago;"_s},
        {"poem: quotes, then the mark before the break",
         course::buildPoemIndex(u"neće\".\r\n"_s).words.join(u'|'), u"neće"_s},
    };
    for (const auto& [name, got, want] : cases)
        EXPECT_EQ(got.toStdString(), want.toStdString()) << name;
}

TEST(WordPicking, TakesEveryWordWhoseRangeHoldsTheCaret) {
    const WordIndex abcd = course::buildWordIndex(u"ab cd"_s, course::cleaningText3());
    const auto pick = [](const WordIndex& index, int selStart, PickRule rule = PickRule::Plain,
                         const QStringList& listed = {}) {
        return str(course::entriesToAdd(index, selStart, listed, rule));
    };
    // The reading texts never put two words under one caret; these indexes make the ranges overlap.
    const auto at0 = [](const QStringList& words) { return WordIndex{words, QList<int>(words.size(), 0)}; };
    const auto poem = [&](const QStringList& words, const QStringList& listed = {}) {
        return str(course::poemEntriesToAdd(at0(words), 1, listed));
    };
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"caret before the first letter", pick(abcd, 0), "(none)"},
        {"caret right after the word", pick(abcd, 3), "[ab]"},
        {"caret after the space", pick(abcd, 4), "[cd]"},
        {"caret far past the end", pick(abcd, INT_MAX), "(none)"},
        {"smallest caret", pick(abcd, INT_MIN), "(none)"},
        {"one word twice under the caret", pick(at0({"a", "a", "b"}), 1), "[a|b]"},
        {"a listed word keeps out only itself", pick(at0({"x", "y"}), 1, PickRule::Plain, {u"x"_s}), "[y]"},
        {"Alpskog and venca give one entry", pick(at0({"Alpskog", "venca"}), 1, PickRule::AlpskogVenca),
         "[Alpskog venca]"},
        {"a dash ends the click", pick(at0({"x", "-", "y"}), 1, PickRule::StopAtDash), "[x]"},
        {"poem: a listed word keeps the later ones out", poem({"x", "y"}, {u"x"_s}), "(none)"},
        {"poem: one word twice", poem({"x", "x", "y"}), "[x]"},
        {"poem: a dash with spaces ends the click", poem({" - ", "y"}), "(none)"},
    };
    for (const auto& [name, got, want] : cases)
        EXPECT_EQ(got, want) << name;
}

} // namespace
