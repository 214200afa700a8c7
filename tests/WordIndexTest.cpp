#include "course/WordIndex.h"
#include "content/Form1Texts.h"
#include "content/Form3Texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using course::PickRule;
using course::WordIndex;
namespace f1 = content::form1;

std::string str(const QStringList& list) {
    return list.isEmpty() ? "(none)" : ("[" + list.join("|").toStdString() + "]");
}

// The caret a click leaves just before a piece of the text, or just after it.
int before(const QString& text, const char* piece) {
    const qsizetype at = text.indexOf(QString::fromUtf8(piece));
    EXPECT_GE(at, 0) << piece;
    return static_cast<int>(at);
}
int after(const QString& text, const char* piece) {
    return before(text, piece) + static_cast<int>(QString::fromUtf8(piece).size());
}

const QString t3 = f1::Text3(), t36 = f1::Text36(), t46 = f1::Text46(), t50 = f1::Text50(),
              t51 = f1::Text51(), poem = content::form3::Text51();
const WordIndex i3 = course::buildWordIndex(t3, course::cleaningText3());
const WordIndex i36 = course::buildWordIndex(t36, course::cleaningText36());
const WordIndex i46 = course::buildWordIndex(t46, course::cleaningText46());
const WordIndex i50 = course::buildWordIndex(t50, course::cleaningText50());
const WordIndex i51 = course::buildWordIndex(t51, course::cleaningText51());
const WordIndex iPoem = course::buildPoemIndex(poem);

TEST(WordIndex, StartsAreTheOffsetsOfTheRawTokens) {
    for (const auto& [text, index] : std::vector<std::pair<QString, WordIndex>>{
             {t3, i3}, {t36, i36}, {t46, i46}, {t50, i50}, {t51, i51}, {poem, iPoem}}) {
        ASSERT_EQ(index.words.size(), index.starts.size());
        ASSERT_EQ(index.words.size(), text.count(u' ') + 1);
        EXPECT_EQ(index.starts.first(), 0);
        for (qsizetype i = 1; i < index.starts.size(); ++i)
            EXPECT_EQ(text.at(index.starts[i] - 1), u' ') << "word " << i;
    }
    EXPECT_EQ(str(i3.words.mid(0, 5)), "[Car|Radovan|je|car|careva]");
    EXPECT_TRUE(course::buildWordIndex(QString(), course::cleaningText3()).words.isEmpty());
}

TEST(WordIndex, HoldsEachCleanedWordAtTheStartOfItsRawToken) {
    struct Row {
        const char* name;
        const WordIndex& index;
        const QString& text;
        const char* word;
        const char* rawToken;
    };
    const std::vector<Row> rows = {
        {"comma dropped", i3, t3, "sudbine", "sudbine,"},
        {"line-initial word keeps the offset of the break", i3, t3, "gospodar", "\r\ngospodar"},
        {"break and full stop at the end", i3, t3, "veličine", "veličine."},
        {"verses open with an empty line", i46, t46, "Ljubičaste", "\r\nLjubičaste"},
        {"semicolon of the verses", i46, t46, "dnu", "dnu;"},
        {"quotes after a line break", i50, t50, "Diko", "\r\n\"Diko\""},
        {"quotes and a comma", i50, t50, "snago", "\"snago\","},
        {"semicolon after the quote", i50, t50, "blago", "blago\";"},
        {"empty word between two spaces", i51, t51, "", " kišobran"},
        {"word after the empty one", i51, t51, "kišobran", "kišobran,"},
        {"poem title loses its quote", iPoem, poem, "Oranje", "\"Oranje"},
        {"poem word after the empty line", iPoem, poem, "Majka", "\r\n\r\nMajka"},
        {"poem line without a final space", iPoem, poem, "neće", "neće\"."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const qsizetype i = row.index.words.indexOf(QString::fromUtf8(row.word));
        ASSERT_GE(i, 0);
        EXPECT_EQ(row.index.starts[i], before(row.text, row.rawToken));
    }
}

TEST(WordIndex, CleaningRulesDifferByTextAndApplyOnceEach) {
    struct Row {
        const char* name;
        const char* token;
        course::Cleaning rules;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"one mark only", "kraj..", course::cleaningText3(), "kraj."},
        {"quotes only in Text50", "\"Diko\"", course::cleaningText3(), "\"Diko\""},
        {"mark inside the quotes stays", "\"blago;\"", course::cleaningText50(), "blago;"},
        {"Text50 keeps a trailing break", "dam\r\n", course::cleaningText50(), "dam\r\n"},
        {"lone line break", "\r\n", course::cleaningText50(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const WordIndex index = course::buildWordIndex(QString::fromUtf8(row.token), row.rules);
        ASSERT_EQ(index.words.size(), 1);
        EXPECT_EQ(index.words[0].toStdString(), row.expected);
    }
}

TEST(WordPicking, AddsWhatOneClickPicks) {
    const QString av = QStringLiteral("Alpskog venca");
    struct Row {
        const char* name;
        const WordIndex& index;
        int selStart;
        QStringList listed;
        PickRule rule;
        QStringList expected;
    };
    const std::vector<Row> rows = {
        {"inside a word", i3, before(t3, "adovan"), {}, PickRule::Plain, {"Radovan"}},
        {"same word twice", i3, before(t3, "adovan"), {"Radovan"}, PickRule::Plain, {}},
        {"capitals make another word", i3, after(t3, "je car"), {"Car"}, PickRule::Plain, {"car"}},
        {"before a line-initial word", i3, before(t3, "gospodar"), {}, PickRule::Plain, {"gospodar"}},
        {"after a line-initial word", i3, after(t3, "gospodar"), {}, PickRule::Plain, {}},
        {"Alpskog gives the pair", i36, after(t36, "Alps"), {}, PickRule::AlpskogVenca, {av}},
        {"venca gives the pair", i36, after(t36, "ven"), {}, PickRule::AlpskogVenca, {av}},
        {"venca after Alpskog", i36, after(t36, "ven"), {av}, PickRule::AlpskogVenca, {}},
        {"right after Austrije.", i36, after(t36, "Austrije."), {}, PickRule::AlpskogVenca, {"Austrije"}},
        {"before svoda picks do", i46, before(t46, "svoda"), {}, PickRule::Plain, {"do"}},
        {"before granitne, after a comma", i46, before(t46, "granitne"), {}, PickRule::Plain, {}},
        {"the dash of the poem", i50, after(t50, "dam, -"), {}, PickRule::StopAtDash, {}},
        {"a quoted name", i50, after(t50, "\"Di"), {}, PickRule::StopAtDash, {"Diko"}},
        {"before kišobran the empty word", i51, before(t51, "kišobran"), {}, PickRule::StopAtDash, {""}},
        {"caret at the very start", i46, 0, {}, PickRule::Plain, {}},
        {"smallest caret", i3, INT_MIN, {}, PickRule::Plain, {}},
        {"caret far past the end", i3, INT_MAX, {}, PickRule::Plain, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(str(course::entriesToAdd(row.index, row.selStart, row.listed, row.rule)),
                  str(row.expected));
    }
}

TEST(WordPicking, ClickOnTheFolkPoem) {
    struct Row {
        const char* name;
        int selStart;
        QStringList listed;
        QStringList expected;
    };
    const std::vector<Row> rows = {
        {"title word in quotes", after(poem, "\"Or"), {}, {"Oranje"}},
        {"same word twice", after(poem, "četovanja"), {"četovanja"}, {}},
        {"Majka near its end", after(poem, "Majk"), {}, {}},
        {"Majka before its first letter", before(poem, "Majka"), {}, {"Majka"}},
        {"negative caret", -1, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(str(course::poemEntriesToAdd(iPoem, row.selStart, row.listed)), str(row.expected));
    }
}

// The reading texts never put two words under one caret, but a click treats every word whose
// range holds it; these indexes make the ranges overlap on purpose.
TEST(WordPicking, SeveralWordsUnderOneCaret) {
    const auto at0 = [](const QStringList& words) { return WordIndex{words, QList<int>(words.size(), 0)}; };
    EXPECT_EQ(str(course::entriesToAdd(at0({"a", "a", "b"}), 1, {}, PickRule::Plain)), "[a|b]");
    EXPECT_EQ(str(course::entriesToAdd(at0({"Alpskog", "venca"}), 1, {}, PickRule::AlpskogVenca)),
              "[Alpskog venca]");
    EXPECT_EQ(str(course::entriesToAdd(at0({"x", "-", "y"}), 1, {}, PickRule::StopAtDash)), "[x]");
    EXPECT_EQ(str(course::entriesToAdd(at0({"x", "y"}), 1, {"x"}, PickRule::Plain)), "[y]");
    // In the folk poem a listed word under the caret keeps the later ones out.
    EXPECT_EQ(str(course::poemEntriesToAdd(at0({"x", "y"}), 1, {"x"})), "(none)");
    EXPECT_EQ(str(course::poemEntriesToAdd(at0({"x", "x", "y"}), 1, {})), "[x]");
    EXPECT_EQ(str(course::poemEntriesToAdd(at0({" - ", "y"}), 1, {})), "(none)");
}

} // namespace
