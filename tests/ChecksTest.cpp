// The shared string tools of the answer judges: safe cuts, trimming of spaces only, normal form C, and the
// two-way comparison of picked-word lists.

#include "course/Checks.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace {

std::string str(const QString& s) {
    return s.toStdString();
}

constexpr qsizetype huge = std::numeric_limits<qsizetype>::max();

TEST(Checks, CutsNeverReadPastTheText) {
    struct Row {
        const char* name;
        QString got;
        QString want;
    };
    const QString abc = u"abc"_s;
    const QString longText(100000, u'x');
    const Row rows[] = {
        {"left shorter than the text", checks::left(abc, 2), u"ab"_s},
        {"left longer than the text", checks::left(abc, 5), abc},
        {"left of nothing", checks::left(QString(), 3), QString()},
        {"left of zero", checks::left(abc, 0), QString()},
        {"left of a negative count", checks::left(abc, -1), QString()},
        {"left of a long text", checks::left(longText, 3), u"xxx"_s},
        {"right shorter than the text", checks::right(abc, 2), u"bc"_s},
        {"right longer than the text", checks::right(abc, 5), abc},
        {"right of nothing", checks::right(QString(), 3), QString()},
        {"right of zero", checks::right(abc, 0), QString()},
        {"right of a negative count", checks::right(abc, -2), QString()},
        {"mid inside", checks::mid(u"abcdef"_s, 2, 3), u"bcd"_s},
        {"mid running past the end", checks::mid(u"abcdef"_s, 5, 10), u"ef"_s},
        {"mid at the last character", checks::mid(u"abcdef"_s, 6, 1), u"f"_s},
        {"mid just past the end", checks::mid(u"abcdef"_s, 7, 1), QString()},
        {"mid from position 0", checks::mid(u"abcdef"_s, 0, 2), QString()},
        {"mid from a negative position", checks::mid(u"abcdef"_s, -3, 2), QString()},
        {"mid of zero characters", checks::mid(u"abcdef"_s, 1, 0), QString()},
        {"mid of nothing", checks::mid(QString(), 1, 1), QString()},
        {"mid with the largest count", checks::mid(abc, 2, huge), u"bc"_s},
        {"mid from the largest position", checks::mid(abc, huge, 1), QString()},
        {"left with the largest count", checks::left(abc, huge), abc},
        {"right with the largest count", checks::right(abc, huge), abc},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(str(row.got), str(row.want));
    }
}

TEST(Checks, CharAtGivesNullOutsideTheText) {
    struct Row {
        const char* name;
        QString text;
        qsizetype pos1;
        QChar want;
    };
    const Row rows[] = {
        {"first", u"abc"_s, 1, u'a'},
        {"last", u"abc"_s, 3, u'c'},
        {"one past the end", u"abc"_s, 4, QChar()},
        {"position 0", u"abc"_s, 0, QChar()},
        {"negative position", u"abc"_s, -1, QChar()},
        {"empty text", QString(), 1, QChar()},
        {"largest position", u"abc"_s, huge, QChar()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(checks::charAt(row.text, row.pos1), row.want);
    }
}

TEST(Checks, TrimRemovesSpacesOnly) {
    struct Row {
        const char* name;
        QString text;
        QString want;
    };
    const Row rows[] = {
        {"spaces around and inside", u"  a b  "_s, u"a b"_s},
        {"only spaces", QString(100000, u' '), QString()},
        {"empty", QString(), QString()},
        {"tabs stay", u"\ta\t"_s, u"\ta\t"_s},
        {"line breaks stay, spaces outside them go", u" \r\na\r\n "_s, u"\r\na\r\n"_s},
        {"no-break space stays", u"\u00A0a\u00A0"_s, u"\u00A0a\u00A0"_s},
        {"ideographic space stays", u"\u3000a"_s, u"\u3000a"_s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(str(checks::trimSpaces(row.text)), str(row.want));
    }
}

TEST(Checks, CleanComposesTrimsAndCapitalises) {
    struct Row {
        const char* name;
        QString text;
        QString want;
    };
    const Row rows[] = {
        {"combining caron composes", u" padez\u030C "_s, u"PADEŽ"_s},
        {"capital C with caron composes", u"C\u030Covek"_s, u"ČOVEK"_s},
        {"Serbian letters in capitals", u"šđčćž"_s, u"ŠĐČĆŽ"_s},
        {"a tab is not trimmed", u"\trod"_s, u"\tROD"_s},
        {"emoji stays whole", u" 😀 "_s, u"😀"_s},
        {"right-to-left text stays", u"שלום"_s, u"שלום"_s},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(str(checks::clean(row.text)), str(row.want));
    }
    EXPECT_EQ(str(checks::nfcAll({u"z\u030C"_s, u"a"_s}).join(u'|')), "ž|a");
}

TEST(Checks, PrefixSuffixOrLetter) {
    struct Row {
        const char* name;
        QString text;
        bool want;
    };
    // The zviždanje test: ZVI..., ...DANJE, or Ž in the fourth place.
    const Row rows[] = {
        {"all three hold", u"ZVIŽDANJE"_s, true},
        {"prefix alone, in small letters", u"zvixxxx"_s, true},
        {"suffix alone", u"xxxxdanje"_s, true},
        {"letter alone, small ž", u"xxxžxxx"_s, true},
        {"none holds", u"pevanje"_s, false},
        {"empty", QString(), false},
        {"too short for prefix, suffix or letter", u"ZV"_s, false},
        {"exactly as long as the letter position", u"xxxŽ"_s, true},
        {"prefix cut trimmed, so a leading space is not skipped", u" ZVIxxx"_s, false},
        {"suffix cut keeps a trailing line break", u"xxxDANJE\n"_s, false},
        {"emoji in the letter place", u"xxx😀"_s, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(checks::prefixSuffixOrLetter(row.text, u"ZVI", u"DANJE", 4, u'Ž'), row.want);
    }
}

TEST(Checks, TwoWayMissesCountsBothSides) {
    // Asymmetric on purpose: the entry must begin with the expected word, so swapped arguments show.
    const auto startsWith = [](const QString& expected, const QString& entry) {
        return entry.startsWith(expected);
    };
    struct Row {
        const char* name;
        QStringList expected;
        QStringList entries;
        int want;
    };
    const Row rows[] = {
        {"both empty", {}, {}, 0},
        {"nothing picked", {u"a"_s, u"b"_s}, {}, 2},
        {"nothing expected", {}, {u"a"_s, u"b"_s, u"c"_s}, 3},
        {"exact set in another order", {u"a"_s, u"b"_s}, {u"b"_s, u"a"_s}, 0},
        {"one missing and one extra", {u"a"_s, u"b"_s}, {u"a"_s, u"c"_s}, 2},
        {"entry matched by the rule, not by equality", {u"ab"_s}, {u"abc"_s}, 0},
        {"rule does not run the other way", {u"abc"_s}, {u"ab"_s}, 2},
        {"one entry serves two expected words", {u"a"_s, u"ab"_s}, {u"abc"_s}, 0},
        {"two entries for one expected word", {u"a"_s}, {u"ab"_s, u"ac"_s}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(checks::twoWayMisses(row.expected, row.entries, startsWith), row.want);
    }
}

} // namespace
