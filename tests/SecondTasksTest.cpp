// The judges of tasks 15 to 24, on the second lesson screen, and of tasks 25 and 26, on the closing one.

#include "content/Form3Texts.h"
#include "screens/closing/Step10Tasks.h"
#include "screens/second/Step10Tasks.h"
#include "screens/second/Step6Tasks.h"
#include "screens/second/Step7Tasks.h"
#include "screens/second/Step8Tasks.h"
#include "screens/second/Step9Tasks.h"
#include "tests/JudgeTables.h"

using namespace Qt::StringLiterals;
using namespace judges;

namespace {

const std::array<QString, 4> notions = {u"jednakost"_s, u"strah"_s, u"ljubav"_s, u"pamet"_s};
const QStringList poemAnswers = content::form3::PoemAnswers();
// Text9 ... Text20; zviždanje is Text14 (index 5), trčanje Text17 (index 8).
const std::array<QString, 12> verbalNouns = {
    u"pisanje"_s, u"plakanje"_s,  u"pevanje"_s, u"ljubljenje"_s, u"plivanje"_s,   u"zviždanje"_s,
    u"crtanje"_s, u"bolovanje"_s, u"trčanje"_s, u"igranje"_s,    u"sklanjanje"_s, u"zastakljivanje"_s};
// Text29, Text28, Text27, Text26, Text25, Text24, Text23, Text22; siročad is index 1, cveće index 3.
const std::array<QString, 8> collectives = {u"trnje"_s, u"siročad"_s,  u"plemstvo"_s, u"cveće"_s,
                                            u"pilad"_s, u"prstenje"_s, u"kestenje"_s, u"gospoda"_s};

const auto solved16 = [](const std::array<QString, 4>& boxes) { return tasks::task16Errors(boxes) == 0; };
const auto solved17 = [](const QStringList& picked) { return tasks::task17Errors(poemAnswers, picked) == 0; };
const auto solved18 = [](std::size_t i, const QString& t) {
    return tasks::task18Errors(replaced(verbalNouns, i, t)) == 0;
};
const auto solved20 = [](std::size_t i, const QString& t) {
    return tasks::task20Errors(replaced(collectives, i, t)) == 0;
};
const auto solved21 = [](const QString& a, const QString& b) { return tasks::task21Errors(a, b) == 0; };

TEST(SecondTasks, EveryTypedOrPickedAnswerRefusesHostileText) {
    using B = const QString&;
    expectHostileTextsRefused({
        {"task 16", [](B h) { return solved16(replaced(notions, 0, h)); }},
        {"task 17", [](B h) { return solved17(with(poemAnswers, {h})); }},
        {"task 18, Text9", [](B h) { return solved18(0, h); }},
        {"task 18, Text14", [](B h) { return solved18(5, h); }},
        {"task 18, Text17", [](B h) { return solved18(8, h); }},
        {"task 20, Text28", [](B h) { return solved20(1, h); }},
        {"task 20, Text26", [](B h) { return solved20(3, h); }},
        {"task 21", [](B h) { return solved21(h, u"cement"_s); }},
    });
}

// Tasks 18 and 20 read only a word's beginning, end or one letter, so a look-alike elsewhere is no error
// there; the letters they do read are in their own tables.
TEST(SecondTasks, EveryWholeTypedAnswerRefusesLookAlikeLetters) {
    using B = const QString&;
    expectLookAlikesRefused({
        {"task 16", u"jednakost"_s, [](B h) { return solved16(replaced(notions, 0, h)); }},
        {"task 16, ljubav", u"ljubav"_s, [](B h) { return solved16(replaced(notions, 2, h)); }},
        {"task 21", u"šljunak"_s, [](B h) { return solved21(h, u"cement"_s); }},
        {"task 21, cement", u"cement"_s, [](B h) { return solved21(u"šljunak"_s, h); }},
    });
}

TEST(SecondTasks, Task16And17AbstractAndVerbalNouns) {
    expectCases({
        {"16: the four notions", accepted, solved16(notions)},
        {"16: small letters, spaces around", accepted, solved16(replaced(notions, 0, u"  JEDNAKOST "_s))},
        {"16: zaljubljenost for ljubav", accepted, solved16(replaced(notions, 2, u"Zaljubljenost"_s))},
        {"16: both words for ljubav", refused, solved16(replaced(notions, 2, u"ljubav zaljubljenost"_s))},
        {"16: strah in the first box", refused, solved16(replaced(notions, 0, u"strah"_s))},
        {"17: Oranje and četovanja", accepted, solved17({u"Oranje"_s, u"četovanja"_s})},
        {"17: cetovanja without č", accepted, solved17(poemAnswers)},
        {"17: other capitals and spaces", accepted, solved17({u" oranje "_s, u"ČETOVANJA"_s})},
        {"17: plus a third word", refused, solved17({u"Oranje"_s, u"četovanja"_s, u"Marko"_s})},
        {"17: Oranje alone", refused, solved17({u"Oranje"_s})},
    });
}

TEST(SecondTasks, Task18VerbalNounsByTheirLetters) {
    expectCases({
        {"the twelve verbal nouns", accepted, tasks::task18Errors(verbalNouns) == 0},
        {"capitals, spaces around a word read exactly", accepted, solved18(3, u"  LJUBLJENJE "_s)},
        {"without the carons: the beginnings hold", accepted,
         tasks::task18Errors(replaced(replaced(verbalNouns, 8, u"TRCANJE"_s), 5, u"ZVIZDANJE"_s)) == 0},
        {"the ending alone holds in Text14", accepted, solved18(5, u" ZVIŽDANJE"_s)},
        {"the ending alone holds in Text17", accepted, solved18(8, u"\r\ntrčanje"_s)},
        {"the ž in fourth place alone holds", accepted, solved18(5, u"žviždaje"_s)},
        {"the ž a combining caron", accepted, solved18(5, u"Z\u030CVIZ\u030CDAJE"_s)},
        {"the č in third place alone holds", accepted, solved18(8, u"prčkati"_s)},
        {"Text14 read as typed: spaces on both sides", refused, solved18(5, u" ZVIŽDANJE "_s)},
        {"no part holds in Text14", refused, solved18(5, u"pevanje"_s)},
        {"no part holds in Text17", refused, solved18(8, u"čitati"_s)},
    });
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 6u, 7u, 9u, 10u, 11u})
        EXPECT_FALSE(solved18(i, u"pisanja"_s)) << "Text" << 9 + i << " wrong";
}

TEST(SecondTasks, Task20CollectiveNounsByTheirLetters) {
    expectCases({
        {"the eight collective nouns", accepted, tasks::task20Errors(collectives) == 0},
        {"spaces around siročad", accepted, solved20(1, u"  siročad "_s)},
        {"the beginning alone holds in Text28", accepted, solved20(1, u"sirota"_s)},
        {"the ending alone holds in Text28", accepted, solved20(1, u"unučad"_s)},
        {"the Č in fifth place, read after trimming", accepted, solved20(1, u"  širočE"_s)},
        {"the ending alone holds in Text26", accepted, solved20(3, u"granje"_s)},
        {"the ć a combining acute, alone holds", accepted, solved20(3, u"s\u030Cvec\u0301a"_s)},
        {"no part holds in Text26", refused, solved20(3, u"ruža"_s)},
        {"no part holds in Text28", refused, solved20(1, u"deca"_s)},
    });
    for (std::size_t i : {0u, 2u, 4u, 5u, 6u, 7u})
        EXPECT_FALSE(solved20(i, u"trnja"_s)) << "Text" << 29 - i << " wrong";
}

TEST(SecondTasks, Task21MaterialNouns) {
    expectCases({
        {"šljunak, cement", accepted, solved21(u"šljunak"_s, u"cement"_s)},
        {"cement, šljunak, capitals and spaces", accepted, solved21(u"Cement "_s, u" ŠLJUNAK"_s)},
        {"šljunak twice", refused, solved21(u"šljunak"_s, u"šljunak"_s)},
        {"sljunak without š is not forgiven", refused, solved21(u"sljunak"_s, u"cement"_s)},
    });
}

TEST(SecondTasks, Tasks15To26ChoicesAndMarks) {
    // MUDROST, BICIKL, UŽAS, PLAŠLJIVOST, BEŽANJE, ZADATAK.
    expectOnlyMarking<bool, 6>(tasks::task15Solved, {true, false, false, true, false, false});
    // voda, so, ulje, mast, tanjir, meso, supa, sos, nož; a greyed box is not ticked.
    expectOnlyMarking<int, 9>(tasks::task22Solved, {0, 0, 0, 0, 1, 0, 0, 0, 1});
    EXPECT_FALSE(tasks::task22Solved({0, 0, 0, 0, 2, 0, 0, 0, 1}));
    // JATA, NEDRA, STADO, PANTALONE, LOPTE, MERDEVINE.
    expectOnlyMarking<bool, 6>(tasks::task24Solved, {false, true, false, true, false, true});
    // Vile ne koriste vile: only the second, the pitchforks.
    expectOnlyMarking<bool, 4>(tasks::task25Solved, {false, false, false, true});
    // On usta i otvori usta našavši se u čudu: only the second usta, the mouth.
    expectOnlyMarking<bool, 9>(tasks::task26Solved,
                               {false, false, false, false, true, false, false, false, false});
    expectCases({
        {"19: only group 2 ringed", accepted, tasks::task19Solved(false, true)},
        {"19: both ringed", refused, tasks::task19Solved(true, true)},
        {"19: nothing ringed", refused, tasks::task19Solved(false, false)},
        {"26: the first usta, the verb, in place of the noun", refused,
         tasks::task26Solved({false, true, false, false, false, false, false, false, false})},
    });
}

} // namespace
