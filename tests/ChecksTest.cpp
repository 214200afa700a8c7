// The shared string tools of the answer judges where the judges' own tables do not reach: the cuts at and
// past the edges of a text, the trimming of spaces only, normal form C, the capitals and Cyrillic read as
// Latin.

#include "course/Checks.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

TEST(Checks, CutTrimComposeCapitaliseAndReadCyrillic) {
    constexpr qsizetype huge = std::numeric_limits<qsizetype>::max();
    const QString abc = u"abc"_s, none;
    const std::tuple<const char*, QString, QString> cases[] = {
        {"left longer than the text", checks::left(abc, 5), abc},
        {"left of a negative count", checks::left(abc, -1), none},
        {"left of the largest count", checks::left(abc, huge), abc},
        {"right longer than the text", checks::right(abc, 5), abc},
        {"right of a negative count", checks::right(abc, -2), none},
        {"right of the largest count", checks::right(abc, huge), abc},
        {"right of nothing", checks::right(none, 3), none},
        {"charAt the last", QString(checks::charAt(abc, 3)), u"c"_s},
        {"charAt just past the end", QString(checks::charAt(abc, 4)), QString(QChar())},
        {"charAt position 0", QString(checks::charAt(abc, 0)), QString(QChar())},
        {"charAt the largest position", QString(checks::charAt(abc, huge)), QString(QChar())},
        {"spaces around and inside", checks::trimSpaces(u"  a b  "_s), u"a b"_s},
        {"only spaces", checks::trimSpaces(QString(100000, u' ')), QString()},
        {"tabs stay", checks::trimSpaces(u"\ta\t"_s), u"\ta\t"_s},
        {"line breaks stay, spaces outside them go", checks::trimSpaces(u" \r\na\r\n "_s), u"\r\na\r\n"_s},
        {"no-break spaces stay", checks::trimSpaces(u"\u00A0a\u00A0"_s), u"\u00A0a\u00A0"_s},
        {"clean composes, trims, capitalises", checks::clean(u" padez\u030C "_s), u"PADEŽ"_s},
        {"clean composes a capital", checks::clean(u"C\u030Covek"_s), u"ČOVEK"_s},
        {"every entry composed", checks::normalAll({u"z\u030C"_s, u"a"_s}).join(u'|'), u"ž|a"_s},
        // Only the letters of the Serbian alphabet become capitals: a foreign letter that QString::toUpper
        // would turn into a Latin capital stays itself, and so never matches an answer.
        {"Serbian letters", checks::clean(u"abcčćdđšzž xyz"_s), u"ABCČĆDĐŠZŽ XYZ"_s},
        {"dotless ı", checks::clean(u"krompıra"_s), u"KROMPıRA"_s},
        {"sharp s, long s, ligatures", checks::clean(u"ß ſ ﬁ ﬂ ǆ"_s), u"ß ſ ﬁ ﬂ ǆ"_s},
        {"Greek and fullwidth letters", checks::clean(u"ο ａ"_s), u"ο ａ"_s},
        // Cyrillic is read as Latin letter by letter, a digraph by the case around it (the transliteration
        // itself is the script's).
        {"a lone capital digraph", checks::normal(u"Њ"_s), u"Nj"_s},
        {"a Latin and a Cyrillic a side by side", checks::normal(u"paдеж"_s), u"padež"_s},
        {"no Serbian Cyrillic", checks::normal(u"и\u0306 ы Ω"_s), u"й ы Ω"_s},
        {"a combining mark on Cyrillic", checks::normal(u"з\u030Cивa, З\u030C"_s), u"živa, Ž"_s},
        {"ѐ and ѝ", checks::normal(u"ѐ Ѐ ѝ Ѝ"_s), u"è È ì Ì"_s},
        {"е and И with a grave", checks::normal(u"е\u0300 И\u0300"_s), u"è Ì"_s},
    };
    for (const auto& [name, got, want] : cases)
        EXPECT_EQ(got.toStdString(), want.toStdString()) << name;
    EXPECT_FALSE(checks::prefixSuffixOrLetter(u"zvıž"_s, u"ZA"_s, u"DA"_s, 3, u'I')) << "a letter read alone";
}

} // namespace
