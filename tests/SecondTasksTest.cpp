// The judges of tasks 15 to 24, on the second lesson screen.

#include "screens/second/Step10Tasks.h"
#include "screens/second/Step6Tasks.h"
#include "screens/second/Step7Tasks.h"
#include "screens/second/Step8Tasks.h"
#include "screens/second/Step9Tasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

using namespace Qt::StringLiterals;

namespace {

const QString longSpaces(100000, u' ');
const QString longText(100000, u'A');

// A row of word labels: the right marking is solved, and so is nothing that differs from it in one label.
template <std::size_t N>
void expectOnlyMarking(bool (*solved)(const std::array<bool, N>&), const std::array<bool, N>& right,
                       const std::array<const char*, N>& captions) {
    EXPECT_TRUE(solved(right));
    for (std::size_t i = 0; i < N; ++i) {
        std::array<bool, N> flipped = right;
        flipped[i] = !flipped[i];
        SCOPED_TRACE(std::string(right[i] ? "unmarked " : "also marked ") + captions[i]);
        EXPECT_FALSE(solved(flipped));
    }
    EXPECT_FALSE(solved(std::array<bool, N>{}));
    std::array<bool, N> all;
    all.fill(true);
    EXPECT_FALSE(solved(all));
}

template <std::size_t N>
std::array<QString, N> replaced(std::array<QString, N> boxes, std::size_t i, const QString& text) {
    boxes[i] = text;
    return boxes;
}

TEST(SecondTasks, Task15Qualities) {
    expectOnlyMarking<6>(tasks::task15Solved, {true, false, false, true, false, false},
                         {"MUDROST,", "BICIKL,", "UŽAS,", "PLAŠLJIVOST,", "BEŽANJE,", "ZADATAK."});
}

TEST(SecondTasks, Task16AbstractNouns) {
    const std::array<QString, 4> right = {u"jednakost"_s, u"strah"_s, u"ljubav"_s, u"pamet"_s};
    struct Row {
        const char* name;
        std::array<QString, 4> boxes;
        int errors;
    };
    const Row rows[] = {
        {"the four notions", right, 0},
        {"jednakost in small letters with spaces around", replaced(right, 0, u"  jednakost "_s), 0},
        {"zaljubljenost in place of ljubav", replaced(right, 2, u"Zaljubljenost"_s), 0},
        {"LJUBAV in capitals", replaced(right, 2, u"LJUBAV"_s), 0},
        {"both words of Text7 together", replaced(right, 2, u"ljubav zaljubljenost"_s), 1},
        {"strah in the first box", replaced(right, 0, u"strah"_s), 1},
        {"pamet in the third box", replaced(right, 2, u"pamet"_s), 1},
        {"all empty", {}, 4},
        {"only spaces", replaced(right, 3, longSpaces), 1},
        {"a line break after ljubav", replaced(right, 2, u"ljubav\r\n"_s), 1},
        {"100,000 letters", replaced(right, 1, longText), 1},
        {"emoji", replaced(right, 1, u"strah😀"_s), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task16Errors(row.boxes), row.errors);
    }
}

const QStringList poemAnswers = {u"Oranje"_s, u"cetovanja"_s};

TEST(SecondTasks, Task17VerbalNouns) {
    struct Row {
        const char* name;
        QStringList picked;
        int errors;
    };
    const Row rows[] = {
        {"Oranje and četovanja", {u"Oranje"_s, u"četovanja"_s}, 0},
        {"in the other order", {u"četovanja"_s, u"Oranje"_s}, 0},
        {"cetovanja without č", {u"Oranje"_s, u"cetovanja"_s}, 0},
        {"č as a combining caron", {u"Oranje"_s, u"c\u030Cetovanja"_s}, 0},
        {"other capitals and spaces", {u" oranje "_s, u"ČETOVANJA"_s}, 0},
        {"plus a third word", {u"Oranje"_s, u"četovanja"_s, u"Marko"_s}, 1},
        {"Oranje alone", {u"Oranje"_s}, 1},
        {"četovanja alone", {u"četovanja"_s}, 1},
        {"Oranja is not Oranje", {u"Oranja"_s, u"četovanja"_s}, 2},
        {"nothing picked", {}, 2},
        {"an empty entry", {u"Oranje"_s, u"četovanja"_s, QString()}, 1},
        {"a 100,000-letter entry", {u"Oranje"_s, u"četovanja"_s, longText}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task17Errors(poemAnswers, row.picked), row.errors);
    }
}

// Text9 ... Text20; zviždanje is Text14 (index 5), trčanje Text17 (index 8).
const std::array<QString, 12> verbalNouns = {
    u"pisanje"_s, u"plakanje"_s,  u"pevanje"_s, u"ljubljenje"_s, u"plivanje"_s,   u"zviždanje"_s,
    u"crtanje"_s, u"bolovanje"_s, u"trčanje"_s, u"igranje"_s,    u"sklanjanje"_s, u"zastakljivanje"_s};

TEST(SecondTasks, Task18VerbalNouns) {
    struct Row {
        const char* name;
        std::array<QString, 12> boxes;
        int errors;
    };
    // The boxes judged exactly forgive spaces around the word; the two judged by their letters read it as
    // typed.
    std::array<QString, 12> casual = verbalNouns;
    for (std::size_t i = 0; i < casual.size(); ++i)
        casual[i] =
            (i == 5 || i == 8) ? casual[i].toUpper() + u" "_s : u" "_s + casual[i].toUpper() + u"  "_s;
    const Row rows[] = {
        {"the twelve verbal nouns", verbalNouns, 0},
        {"capitals with spaces around", casual, 0},
        {"spaces on both sides of ZVIŽDANJE: read as typed, no part holds",
         replaced(verbalNouns, 5, u" ZVIŽDANJE "_s), 1},
        {"TRCANJE and ZVIZDANJE without the carons",
         replaced(replaced(verbalNouns, 8, u"TRCANJE"_s), 5, u"ZVIZDANJE"_s), 0},
        {"a leading space before ZVIŽDANJE: the ending still holds",
         replaced(verbalNouns, 5, u" ZVIŽDANJE"_s), 0},
        {"misspelt at both ends, the ž in fourth place holds", replaced(verbalNouns, 5, u"žviždaje"_s), 0},
        {"the ž a combining caron and the only part that holds",
         replaced(verbalNouns, 5, u"Z\u030CVIZ\u030CDAJE"_s), 0},
        {"the č in third place alone holds", replaced(verbalNouns, 8, u"prčkati"_s), 0},
        {"a line break before trčanje: the ending still holds", replaced(verbalNouns, 8, u"\r\ntrčanje"_s),
         0},
        {"no part holds in Text14", replaced(verbalNouns, 5, u"pevanje"_s), 1},
        {"no part holds in Text17", replaced(verbalNouns, 8, u"čitati"_s), 1},
        {"Text17 only spaces", replaced(verbalNouns, 8, u"   "_s), 1},
        {"Text14 empty", replaced(verbalNouns, 5, QString()), 1},
        {"Text17 too short to hold its third letter", replaced(verbalNouns, 8, u"tč"_s), 1},
        {"Text14 too short to hold its fourth letter", replaced(verbalNouns, 5, u"zv"_s), 1},
        {"ljubenje is not ljubljenje", replaced(verbalNouns, 3, u"ljubenje"_s), 1},
        {"all empty", {}, 1},
        {"100,000 letters after zvi", replaced(verbalNouns, 5, u"zvi"_s + longText), 0},
        {"100,000 letters in an exact box", replaced(verbalNouns, 0, longText), 1},
        {"100,000 spaces in Text17", replaced(verbalNouns, 8, longSpaces), 1},
        {"emoji in the letter place of Text17", replaced(verbalNouns, 8, u"xx😀"_s), 1},
        {"right-to-left text in Text14", replaced(verbalNouns, 5, u"שלום"_s), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task18Errors(row.boxes), row.errors);
    }
    // Each of the ten boxes judged exactly is read.
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 6u, 7u, 9u, 10u, 11u}) {
        SCOPED_TRACE("Text" + std::to_string(9 + i) + " wrong");
        EXPECT_EQ(tasks::task18Errors(replaced(verbalNouns, i, u"pisanja"_s)), 1);
    }
}

TEST(SecondTasks, Task19SentenceGroups) {
    struct Row {
        const char* name;
        bool shape5, shape4;
        bool solved;
    };
    const Row rows[] = {
        {"only 2. ringed", false, true, true},
        {"only 1. ringed", true, false, false},
        {"both ringed", true, true, false},
        {"nothing ringed", false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task19Solved(row.shape5, row.shape4), row.solved);
    }
}

// Text29, Text28, Text27, Text26, Text25, Text24, Text23, Text22; siročad is index 1, cveće index 3.
const std::array<QString, 8> collectives = {u"trnje"_s, u"siročad"_s,  u"plemstvo"_s, u"cveće"_s,
                                            u"pilad"_s, u"prstenje"_s, u"kestenje"_s, u"gospoda"_s};

TEST(SecondTasks, Task20CollectiveNouns) {
    struct Row {
        const char* name;
        std::array<QString, 8> boxes;
        int errors;
    };
    const Row rows[] = {
        {"the eight collective nouns", collectives, 0},
        {"siročad with spaces around", replaced(collectives, 1, u"  siročad "_s), 0},
        {"SIROCAD without the caron", replaced(collectives, 1, u"SIROCAD"_s), 0},
        {"a word that only begins with SIRO", replaced(collectives, 1, u"sirota"_s), 0},
        {"letter read after trimming: the Č of  širočE", replaced(collectives, 1, u"  širočE"_s), 0},
        {"the ć a combining acute and the only part that holds",
         replaced(collectives, 3, u"s\u030Cvec\u0301a"_s), 0},
        {"cvece without the accent", replaced(collectives, 3, u"cvece"_s), 0},
        {"GOSPODA in small letters", replaced(collectives, 7, u"gospoda"_s), 0},
        {"Text26 empty", replaced(collectives, 3, QString()), 1},
        {"Text28 only spaces", replaced(collectives, 1, longSpaces), 1},
        {"no part holds in Text26", replaced(collectives, 3, u"ruža"_s), 1},
        {"no part holds in Text28", replaced(collectives, 1, u"deca"_s), 1},
        {"Text28 too short to hold its fifth letter", replaced(collectives, 1, u"sir"_s), 1},
        {"all empty", {}, 1},
        {"100,000 letters in an exact box", replaced(collectives, 0, longText), 1},
        {"emoji in the letter place of Text28", replaced(collectives, 1, u"xxxx😀"_s), 1},
        {"a line break after trnje", replaced(collectives, 0, u"trnje\r\n"_s), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task20Errors(row.boxes), row.errors);
    }
    // Each of the six boxes judged exactly is read.
    for (std::size_t i : {0u, 2u, 4u, 5u, 6u, 7u}) {
        SCOPED_TRACE("box " + std::to_string(i) + " wrong");
        EXPECT_EQ(tasks::task20Errors(replaced(collectives, i, u"trnja"_s)), 1);
    }
}

TEST(SecondTasks, Task21MaterialNouns) {
    struct Row {
        const char* name;
        QString text31, text32;
        int errors;
    };
    const Row rows[] = {
        {"šljunak, cement", u"šljunak"_s, u"cement"_s, 0},
        {"cement, šljunak", u"cement"_s, u"šljunak"_s, 0},
        {"capitals and spaces", u" ŠLJUNAK "_s, u"Cement "_s, 0},
        {"š as a combining caron", u"s\u030Cljunak"_s, u"cement"_s, 0},
        {"šljunak twice", u"šljunak"_s, u"šljunak"_s, 1},
        {"cement twice", u"cement"_s, u"cement"_s, 1},
        {"sljunak without š is not forgiven", u"sljunak"_s, u"cement"_s, 1},
        {"both words in one box", u"šljunak cement"_s, QString(), 1},
        {"both empty", QString(), QString(), 1},
        {"a tab is not trimmed", u"šljunak"_s, u"\tcement"_s, 1},
        {"100,000 spaces", longSpaces, u"cement"_s, 1},
        {"100,000 letters", u"šljunak"_s, longText, 1},
        {"right-to-left mark before šljunak", u"\u200Fšljunak"_s, u"cement"_s, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task21Errors(row.text31, row.text32), row.errors);
    }
}

TEST(SecondTasks, Task22KitchenNouns) {
    const std::array<int, 9> right = {0, 0, 0, 0, 1, 0, 0, 0, 1};
    const std::array<const char*, 9> captions = {"voda", "so",   "ulje", "mast", "tanjir",
                                                 "meso", "supa", "sos",  "nož"};
    EXPECT_TRUE(tasks::task22Solved(right));
    for (std::size_t i = 0; i < right.size(); ++i) {
        std::array<int, 9> values = right;
        values[i] = 1 - values[i];
        SCOPED_TRACE(std::string(right[i] ? "unticked " : "also ticked ") + captions[i]);
        EXPECT_FALSE(tasks::task22Solved(values));
    }
    std::array<int, 9> grey = right;
    grey[4] = 2;
    EXPECT_FALSE(tasks::task22Solved(grey)) << "a box neither ticked nor unticked";
    EXPECT_FALSE(tasks::task22Solved({}));
    EXPECT_FALSE(tasks::task22Solved({1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(SecondTasks, Task23Metals) {
    EXPECT_TRUE(tasks::task23Solved(true));
    EXPECT_FALSE(tasks::task23Solved(false));
}

TEST(SecondTasks, Task24PluraliaTantum) {
    expectOnlyMarking<6>(tasks::task24Solved, {false, true, false, true, false, true},
                         {"JATA,", "NEDRA,", "STADO,", "PANTALONE,", "LOPTE,", "MERDEVINE."});
}

} // namespace
