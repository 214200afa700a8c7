// The judges of tasks 1 to 14, on the main lesson screen.

#include "screens/main/Step1Tasks.h"
#include "screens/main/Step2Tasks.h"
#include "screens/main/Step3Tasks.h"
#include "screens/main/Step4Tasks.h"
#include "screens/main/Step5Tasks.h"
#include "screens/main/Step6Tasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

using namespace Qt::StringLiterals;

namespace {

const QString longSpaces(100000, u' ');
const QString longText(100000, u'A');

QStringList without(QStringList list, const QString& word) {
    list.removeAll(word);
    return list;
}

QStringList with(QStringList list, const QStringList& more) {
    list.append(more);
    return list;
}

QStringList reversed(QStringList list) {
    std::reverse(list.begin(), list.end());
    return list;
}

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

// AnswersTask1, and the 25 nouns as the word index of the text holds them.
const QStringList answersTask1 = {u"Car"_s,      u"Radovan"_s,  u"car"_s,      u"careva"_s,   u"vladar"_s,
                                  u"sudbine"_s,  u"gospodar"_s, u"svemira"_s,  u"sekiru"_s,   u"ramenu"_s,
                                  u"konja"_s,    u"brdo"_s,     u"snegom"_s,   u"ruci"_s,     u"buljinu"_s,
                                  u"ocima"_s,    u"zemlji"_s,   u"ljudi"_s,    u"muskarci"_s, u"bitke"_s,
                                  u"trijumfe"_s, u"moc"_s,      u"vojskama"_s, u"miru"_s,     u"velicine"_s};
const QStringList nounsOfText3 = {u"Car"_s,      u"Radovan"_s,  u"car"_s,      u"careva"_s,   u"vladar"_s,
                                  u"sudbine"_s,  u"gospodar"_s, u"svemira"_s,  u"sekiru"_s,   u"ramenu"_s,
                                  u"konja"_s,    u"brdo"_s,     u"snegom"_s,   u"ruci"_s,     u"buljinu"_s,
                                  u"očima"_s,    u"zemlji"_s,   u"ljudi"_s,    u"muškarci"_s, u"bitke"_s,
                                  u"trijumfe"_s, u"moć"_s,      u"vojskama"_s, u"miru"_s,     u"veličine"_s};

TEST(MainTasks, Task1PickedNouns) {
    struct Row {
        const char* name;
        QStringList picked;
        bool solved;
    };
    QStringList mogao = nounsOfText3;
    mogao.replace(mogao.indexOf(u"moć"_s), u"mogao"_s);
    QStringList capitalO = nounsOfText3;
    capitalO.replace(capitalO.indexOf(u"očima"_s), u"Očima"_s);
    QStringList shortMu = nounsOfText3;
    shortMu.replace(shortMu.indexOf(u"muškarci"_s), u"mu"_s);
    const Row rows[] = {
        {"the 25 nouns", nounsOfText3, true},
        {"the 25 nouns picked in another order", reversed(nounsOfText3), true},
        {"the stored forms without č, ć, š", answersTask1, true},
        {"plus je", with(nounsOfText3, {u"je"_s}), false},
        {"without brdo", without(nounsOfText3, u"brdo"_s), false},
        {"mogao in place of moć counts for moc", mogao, true},
        {"mogao and mojoj besides moć are not extra", with(nounsOfText3, {u"mogao"_s, u"mojoj"_s}), true},
        {"Car but not car", without(nounsOfText3, u"car"_s), false},
        {"capital Očima does not match ocima", capitalO, false},
        {"mu is too short to be muškarci", shortMu, false},
        {"a lone o is not očima", with(nounsOfText3, {u"o"_s}), false},
        {"an ordinary word with spaces around it", with(without(nounsOfText3, u"brdo"_s), {u" brdo "_s}),
         true},
        {"nothing picked", {}, false},
        {"an empty entry", with(nounsOfText3, {QString()}), false},
        {"a 100,000-letter entry", with(nounsOfText3, {longText}), false},
        {"an emoji entry", with(nounsOfText3, {u"😀"_s}), false},
        {"a line break in an entry", with(without(nounsOfText3, u"brdo"_s), {u"brdo\r\n"_s}), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task1Solved(answersTask1, row.picked), row.solved);
    }
}

TEST(MainTasks, Task2Categories) {
    struct Row {
        const char* name;
        QString a, b, c;
        bool solved;
    };
    const Row rows[] = {
        {"ROD, BROJ, PADEŽ", u"ROD"_s, u"BROJ"_s, u"PADEŽ"_s, true},
        {"small letters, spaces, PADEZ", u" rod "_s, u"Broj"_s, u"padez"_s, true},
        {"any order", u"padež"_s, u"rod"_s, u"broj"_s, true},
        {"z with a combining caron", u"rod"_s, u"broj"_s, u"padez\u030C"_s, true},
        {"ROD twice", u"ROD"_s, u"ROD"_s, u"BROJ"_s, false},
        {"PADEZ and PADEŽ are one category", u"PADEZ"_s, u"PADEŽ"_s, u"ROD"_s, false},
        {"ROD in the first and the last box", u"ROD"_s, u"BROJ"_s, u"ROD"_s, false},
        {"PADEŽ and PADEZ in the first and the last box", u"PADEŽ"_s, u"ROD"_s, u"PADEZ"_s, false},
        {"one box empty", u"ROD"_s, u"BROJ"_s, QString(), false},
        {"one box only spaces", u"ROD"_s, u"BROJ"_s, u"   "_s, false},
        {"a tab is not trimmed", u"\tROD"_s, u"BROJ"_s, u"PADEZ"_s, false},
        {"a line break is not trimmed", u"ROD\r\n"_s, u"BROJ"_s, u"PADEZ"_s, false},
        {"all three in one box", u"ROD BROJ PADEZ"_s, QString(), QString(), false},
        {"plural PADEŽI", u"ROD"_s, u"BROJ"_s, u"PADEŽI"_s, false},
        {"100,000 spaces before rod", longSpaces + u"rod"_s, u"broj"_s, u"padez"_s, true},
        {"100,000 letters", longText, u"broj"_s, u"padez"_s, false},
        {"emoji after ROD", u"ROD😀"_s, u"BROJ"_s, u"PADEZ"_s, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task2Solved(row.a, row.b, row.c), row.solved);
    }
}

// Text8 ... Text31, column by column: Krompir, Telo, Krompiri, Tela; rows G., D., A., V., I., L.
const std::array<QString, 24> declined = {
    u"KROMPIRA"_s, u"KROMPIRU"_s,   u"KROMPIR"_s,  u"KROMPIRU"_s, u"KROMPIROM"_s,  u"KROMPIRU"_s,
    u"TELA"_s,     u"TELU"_s,       u"TELO"_s,     u"TELO"_s,     u"TELOM"_s,      u"TELU"_s,
    u"KROMPIRA"_s, u"KROMPIRIMA"_s, u"KROMPIRE"_s, u"KROMPIRI"_s, u"KROMPIRIMA"_s, u"KROMPIRIMA"_s,
    u"TELA"_s,     u"TELIMA"_s,     u"TELA"_s,     u"TELA"_s,     u"TELIMA"_s,     u"TELIMA"_s};

TEST(MainTasks, Task3Declension) {
    EXPECT_TRUE(tasks::task3Solved(declined));

    std::array<QString, 24> casual = declined;
    for (QString& box : casual)
        box = u"  "_s + box.toLower() + u" "_s;
    EXPECT_TRUE(tasks::task3Solved(casual)) << "small letters with spaces around";

    // Each box is read: emptying any one of them refuses.
    for (std::size_t i = 0; i < declined.size(); ++i) {
        std::array<QString, 24> boxes = declined;
        boxes[i].clear();
        SCOPED_TRACE("Text" + std::to_string(8 + i) + " empty");
        EXPECT_FALSE(tasks::task3Solved(boxes));
    }

    struct Row {
        const char* name;
        std::size_t box;
        QString text;
    };
    const Row wrong[] = {
        {"singular accusative in the plural column", 14, u"KROMPIR"_s},
        {"plural dative in the singular column", 1, u"KROMPIRIMA"_s},
        {"a tab before the form", 6, u"\tTELA"_s},
        {"a line break after the form", 23, u"TELIMA\r\n"_s},
        {"100,000 letters", 0, longText},
        {"only spaces", 12, longSpaces},
    };
    for (const Row& row : wrong) {
        std::array<QString, 24> boxes = declined;
        boxes[row.box] = row.text;
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(tasks::task3Solved(boxes));
    }
}

TEST(MainTasks, Task4Sentence) {
    struct Row {
        const char* name;
        QString text32, text52;
        bool solved;
    };
    const Row rows[] = {
        {"gramatički, živa", u"gramatički"_s, u"živa"_s, true},
        {"gramaticki, ziva", u"gramaticki"_s, u"ziva"_s, true},
        {"capitals", u"GRAMATIČKI"_s, u"Živa"_s, true},
        {"cleaned forms with spaces", u" gramaticki "_s, u" ziva "_s, true},
        {"combining carons", u"gramatic\u030Cki"_s, u"z\u030Civa"_s, true},
        {"gramatički rod ends in od", u"gramatički rod"_s, u"živa"_s, false},
        {"gramatika", u"gramatika"_s, u"živa"_s, false},
        {"trailing space after gramatički: raw ending fails, cleaned form has č", u"gramatički "_s, u"živa"_s,
         false},
        {"leading space before gramatički: raw beginning fails", u" gramatički"_s, u"živa"_s, false},
        {"trailing space after živa: raw ending fails, cleaned form has ž", u"gramatički"_s, u"živa "_s,
         false},
        {"Text32 empty", QString(), u"živa"_s, false},
        {"Text52 empty", u"gramatički"_s, QString(), false},
        {"too short to hold gramati", u"ki"_s, u"živa"_s, false},
        {"Text52 too short to hold iva", u"gramatički"_s, u"va"_s, false},
        {"only spaces", longSpaces, longSpaces, false},
        {"100,000 letters between gramati and ki", u"gramati"_s + longText + u"ki"_s, u"živa"_s, true},
        {"line break after gramatički", u"gramatički\r\n"_s, u"živa"_s, false},
        {"emoji after živa", u"gramatički"_s, u"živa😀"_s, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task4Solved(row.text32, row.text52), row.solved);
    }
}

TEST(MainTasks, Task5Gender) {
    const QString natural = u"Milan, Branka, majka, ovca, medved"_s;
    const QString grammatical = u"sok, radost, snaga, veština, igra, balet"_s;
    const QString wholeList =
        u"Milan, sok, radost, snaga, Branka, majka, ovca, veština, igra, balet, medved."_s;
    struct Row {
        const char* name;
        QString text33, text34;
        bool solved;
    };
    const Row rows[] = {
        {"each group in its box", natural, grammatical, true},
        {"vestina without š", natural, u"sok radost snaga vestina igra balet"_s, true},
        {"š as a combining caron", natural, u"sok radost snaga ves\u030Ctina igra balet"_s, true},
        {"the whole list in both boxes", wholeList, wholeList, true},
        {"words on separate lines", u"MILAN\r\nMAJKA\r\nBRANKA\r\nOVCA\r\nMEDVED"_s, grammatical, true},
        {"medved missing", u"Milan, Branka, majka, ovca"_s, grammatical, false},
        {"neither veština nor vestina", natural, u"sok, radost, snaga, igra, balet"_s, false},
        {"veštine is not veština", natural, u"sok, radost, snaga, veštine, igra, balet"_s, false},
        {"groups swapped", grammatical, natural, false},
        {"both empty", QString(), QString(), false},
        {"100,000 spaces around the words", longSpaces + natural + longSpaces, grammatical + longSpaces,
         true},
        {"100,000 letters", longText, longText, false},
        {"emoji and right-to-left text between the words", u"😀"_s + natural + u"שלום"_s, grammatical, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task5Solved(row.text33, row.text34), row.solved);
    }
}

const QStringList answersTask6 = {u"Radkersburgu"_s, u"Austrije"_s, u"Alpskog venca"_s, u"Muru"_s};

TEST(MainTasks, Task6GeographicNames) {
    struct Row {
        const char* name;
        QStringList picked;
        int errors;
    };
    const Row rows[] = {
        {"the four names", answersTask6, 0},
        {"in another order", reversed(answersTask6), 0},
        {"plus a common noun", with(answersTask6, {u"vojnici"_s}), 1},
        {"Alpskog venca missing", without(answersTask6, u"Alpskog venca"_s), 1},
        {"nothing picked", {}, 4},
        {"Alpskog and venca as two entries",
         with(without(answersTask6, u"Alpskog venca"_s), {u"Alpskog"_s, u"venca"_s}), 3},
        {"muru in small letters", with(without(answersTask6, u"Muru"_s), {u"muru"_s}), 2},
        {"a space before Muru", with(without(answersTask6, u"Muru"_s), {u" Muru"_s}), 2},
        {"a 100,000-letter entry", with(answersTask6, {longText}), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task6Errors(answersTask6, row.picked), row.errors);
    }
}

TEST(MainTasks, Task7Planets) {
    struct Row {
        const char* name;
        std::array<QString, 4> boxes;
        int errors;
    };
    const Row rows[] = {
        {"four planets, any capitals and spaces", {u"merkur"_s, u" Venera "_s, u"MARS"_s, u"zemlja"_s}, 0},
        {"the outer planets", {u"Jupiter"_s, u"Saturn"_s, u"Uran"_s, u"Neptun"_s}, 0},
        {"Mars twice, counted from both boxes", {u"Mars"_s, u"mars"_s, u"Venera"_s, u"Jupiter"_s}, 2},
        {"Mars three times", {u"Mars"_s, u"mars "_s, u" MARS"_s, u"Uran"_s}, 6},
        {"Pluton is no planet of the list", {u"Pluton"_s, u"Venera"_s, u"Mars"_s, u"Uran"_s}, 1},
        {"one box empty", {u"Merkur"_s, u"Venera"_s, u"Mars"_s, QString()}, 1},
        {"all empty", {}, 4},
        {"Mars twice and two empty", {u"Mars"_s, QString(), u"Mars"_s, QString()}, 4},
        {"only spaces", {u"   "_s, u"Venera"_s, u"Mars"_s, u"Uran"_s}, 1},
        {"two boxes of spaces are no repeated planet", {u" "_s, u" "_s, u"Mars"_s, u"Uran"_s}, 2},
        {"a tab is not trimmed", {u"\tMars"_s, u"Venera"_s, u"Merkur"_s, u"Uran"_s}, 1},
        {"two planets in one box", {u"Mars Venera"_s, u"Zemlja"_s, u"Merkur"_s, u"Uran"_s}, 1},
        {"100,000 letters", {longText, u"Venera"_s, u"Mars"_s, u"Uran"_s}, 1},
        {"emoji", {u"😀"_s, u"Venera"_s, u"Mars"_s, u"Uran"_s}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task7Errors(row.boxes), row.errors);
    }
}

TEST(MainTasks, Task8CommonNouns) {
    struct Row {
        const char* name;
        std::array<QString, 4> boxes;
        int errors;
    };
    const Row rows[] = {
        {"plurals, capitals, trailing space", {u"lopte"_s, u"Majka"_s, u"avioni "_s, u"pisma"_s}, 0},
        {"singulars", {u"LOPTA"_s, u"majke"_s, u"avion"_s, u"pismo"_s}, 0},
        {"avionu", {u"lopte"_s, u"Majka"_s, u"avionu"_s, u"pisma"_s}, 1},
        {"rows swapped", {u"majka"_s, u"lopta"_s, u"avion"_s, u"pismo"_s}, 2},
        {"all empty", {}, 4},
        {"only spaces", {longSpaces, u"majka"_s, u"avion"_s, u"pismo"_s}, 1},
        {"a line break after the word", {u"lopta\r\n"_s, u"majka"_s, u"avion"_s, u"pismo"_s}, 1},
        {"100,000 letters", {u"lopta"_s, longText, u"avion"_s, u"pismo"_s}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task8Errors(row.boxes), row.errors);
    }
}

const QStringList answersTask9 = {u"gore"_s,     u"svoda"_s, u"dnu"_s,  u"pene"_s,
                                  u"povrsina"_s, u"stene"_s, u"svod"_s, u"voda"_s};
const QStringList nounsOfText46 = {u"gore"_s,     u"svoda"_s, u"dnu"_s,  u"pene"_s,
                                   u"Površina"_s, u"stene"_s, u"Svod"_s, u"voda"_s};

TEST(MainTasks, Task9VerseNouns) {
    struct Row {
        const char* name;
        QStringList picked;
        int errors;
    };
    const Row rows[] = {
        {"the eight nouns as the verses write them", nounsOfText46, 0},
        {"in another order", reversed(nounsOfText46), 0},
        {"all in capitals",
         {u"GORE"_s, u"SVODA"_s, u"DNU"_s, u"PENE"_s, u"POVRŠINA"_s, u"STENE"_s, u"SVOD"_s, u"VODA"_s},
         0},
        {"povrsina without š", with(without(nounsOfText46, u"Površina"_s), {u"povrsina"_s}), 0},
        {"š as a combining caron", with(without(nounsOfText46, u"Površina"_s), {u"Povrs\u030Cina"_s}), 0},
        {"plus celiva", with(nounsOfText46, {u"celiva"_s}), 1},
        {"stene missing", without(nounsOfText46, u"stene"_s), 1},
        {"svoda is not svod", without(nounsOfText46, u"Svod"_s), 1},
        {"Povr is too short for povrsina", with(without(nounsOfText46, u"Površina"_s), {u"Povr"_s}), 2},
        {"a lone ina is not povrsina", with(nounsOfText46, {u"ina"_s}), 1},
        {"nothing picked", {}, 8},
        {"a 100,000-letter entry", with(nounsOfText46, {longText}), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task9Errors(answersTask9, row.picked), row.errors);
    }
}

TEST(MainTasks, Task10Beings) {
    const QString full = u"pesniku, podlac, pijanica, kockar, čovek, špijun"_s; // 48 characters
    struct Row {
        const char* name;
        QString text;
        int errors;
    };
    const Row rows[] = {
        {"the six beings", full, 0},
        {"without č and š, single spaces", u"pesnik podlac pijanica kockar covek spijun"_s, 0},
        {"in capitals", full.toUpper(), 0},
        {"without čovek", u"pesniku, podlac, pijanica, kockar, špijun"_s, 0},
        {"without špijun", u"pesniku, podlac, pijanica, kockar, čovek"_s, 0},
        {"ćovek is misspelt", u"pesniku, podlac, pijanica, kockar, ćovek, špijun"_s, 1},
        {"spijun with a z before it is misspelt", u"pesniku, podlac, pijanica, kockar, čovek, zpijun"_s, 1},
        {"ovek at the very start has no letter before it", u"ovek pesniku podlac pijanica kockar"_s, 1},
        {"pijun at the very start has no letter before it", u"pijun pesniku podlac pijanica kockar"_s, 1},
        {"a space before pijun", u"pesniku podlac pijanica kockar čovek pijun"_s, 1},
        {"č and š as combining carons", u"pesniku, podlac, pijanica, kockar, c\u030Covek, s\u030Cpijun"_s, 0},
        {"kockar missing", u"pesniku, podlac, pijanica, čovek, špijun"_s, 1},
        {"only pesnik", u"pesnik"_s, 3},
        {"empty", QString(), 4},
        {"on separate lines", u"pesnik\r\npodlac\r\npijanica\r\nkockar"_s, 0},
        {"55 characters", full + QString(7, u' '), 0},
        {"56 characters, though every word is there", full + QString(8, u' '), 1},
        {"the whole passage line",
         u"kako je podlac, pijanica, kockar, nekarakteran čovek špijun, a sem toga, pesnik"_s, 1},
        {"55 characters once the carons compose, 57 as typed",
         u"pesniku, podlac, pijanica, kockar, c\u030Covek, s\u030Cpijun"_s + QString(7, u' '), 0},
        {"100,000 spaces", longSpaces, 1},
        {"100,000 letters after the answer", full + longText, 1},
        {"emoji and right-to-left text", full + u" 😀שלום"_s, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task10Errors(row.text), row.errors);
    }
}

const QStringList answersTask11 = {u"Diko"_s, u"snago"_s, u"blago"_s, u"duso"_s, u"drago"_s};
const QStringList nounsOfText50 = {u"Diko"_s, u"snago"_s, u"blago"_s, u"dušo"_s, u"drago"_s};

TEST(MainTasks, Task11PoemNouns) {
    struct Row {
        const char* name;
        QStringList picked;
        int errors;
    };
    const Row rows[] = {
        {"the five nouns", nounsOfText50, 0},
        {"in another order", reversed(nounsOfText50), 0},
        {"other capitals", {u"diko"_s, u"SNAGO"_s, u"Blago"_s, u"DUŠO"_s, u"drago"_s}, 0},
        {"duso without š", with(without(nounsOfText50, u"dušo"_s), {u"duso"_s}), 0},
        {"š as a combining caron", with(without(nounsOfText50, u"dušo"_s), {u"dus\u030Co"_s}), 0},
        {"plus lane", with(nounsOfText50, {u"lane"_s}), 1},
        {"plus Ime", with(nounsOfText50, {u"Ime"_s}), 1},
        {"plus the dash", with(nounsOfText50, {u"-"_s}), 1},
        {"du is not dušo", with(without(nounsOfText50, u"dušo"_s), {u"du"_s}), 2},
        {"a lone o is not dušo", with(without(nounsOfText50, u"dušo"_s), {u"o"_s}), 2},
        {"drago missing", without(nounsOfText50, u"drago"_s), 1},
        {"nothing picked", {}, 5},
        {"a 100,000-letter entry", with(nounsOfText50, {longText}), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task11Errors(answersTask11, row.picked), row.errors);
    }
}

const QStringList answersTask12 = {u"Lepota"_s, u"strah"_s,      u"misao"_s,
                                   u"ljubav"_s, u"pravednost"_s, u"bol"_s};

TEST(MainTasks, Task12Qualities) {
    struct Row {
        const char* name;
        QStringList picked;
        int errors;
    };
    const Row rows[] = {
        {"the six nouns", answersTask12, 0},
        {"in another order", reversed(answersTask12), 0},
        {"plus lopta", with(answersTask12, {u"lopta"_s}), 1},
        {"plus kišobran", with(answersTask12, {u"kišobran"_s}), 1},
        {"bol missing", without(answersTask12, u"bol"_s), 1},
        {"plus the empty word after misao,", with(answersTask12, {QString()}), 1},
        {"lepota in small letters", with(without(answersTask12, u"Lepota"_s), {u"lepota"_s}), 2},
        {"nothing picked", {}, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tasks::task12Errors(answersTask12, row.picked), row.errors);
    }
}

TEST(MainTasks, Task13Ideas) {
    expectOnlyMarking<6>(tasks::task13Solved, {false, false, true, true, false, false},
                         {"OLOVKA,", "MISAO,", "RAVNOPRAVNOST,", "PRAVDA,", "KNJIGA,", "USPOMENA."});
}

TEST(MainTasks, Task14Feelings) {
    expectOnlyMarking<8>(tasks::task14Solved, {false, true, false, false, false, true, true, false},
                         {"SLIKA,", "SETA,", "MOLBA,", "SLOVO,", "KAŠIKA,", "LJUBAV,", "STRAH,", "TOČAK."});
}

} // namespace
