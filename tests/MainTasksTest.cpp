// The judges of tasks 1 to 14, on the main lesson screen.

#include "content/Form1Texts.h"
#include "screens/main/Step1Tasks.h"
#include "screens/main/Step2Tasks.h"
#include "screens/main/Step3Tasks.h"
#include "screens/main/Step4Tasks.h"
#include "screens/main/Step5Tasks.h"
#include "screens/main/Step6Tasks.h"
#include "tests/JudgeTables.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace judges;

namespace {

namespace f1 = content::form1;

// The expected words of the picking tasks, and the same words as the pupil picks them from the texts.
const QStringList answers1 = f1::AnswersTask1(), answers6 = f1::AnswersTask6(), answers9 = f1::AnswersTask9(),
                  answers11 = f1::AnswersTask11(), answers12 = f1::AnswersTask12();
const QStringList picked1 =
    instead(instead(instead(instead(answers1, u"ocima"_s, u"očima"_s), u"muskarci"_s, u"muškarci"_s),
                    u"moc"_s, u"moć"_s),
            u"velicine"_s, u"veličine"_s);
const QStringList picked9 = instead(instead(answers9, u"povrsina"_s, u"Površina"_s), u"svod"_s, u"Svod"_s);
const QStringList picked11 = instead(answers11, u"duso"_s, u"dušo"_s);

const auto solved1 = [](const QStringList& picked) { return tasks::task1Solved(answers1, picked); };
const auto solved9 = [](const QStringList& picked) { return tasks::task9Errors(answers9, picked) == 0; };
const auto solved11 = [](const QStringList& picked) { return tasks::task11Errors(answers11, picked) == 0; };

// Text8 ... Text31, column by column: Krompir, Telo, Krompiri, Tela; rows G., D., A., V., I., L.
const std::array<QString, 24> declined = {
    u"KROMPIRA"_s, u"KROMPIRU"_s,   u"KROMPIR"_s,  u"KROMPIRU"_s, u"KROMPIROM"_s,  u"KROMPIRU"_s,
    u"TELA"_s,     u"TELU"_s,       u"TELO"_s,     u"TELO"_s,     u"TELOM"_s,      u"TELU"_s,
    u"KROMPIRA"_s, u"KROMPIRIMA"_s, u"KROMPIRE"_s, u"KROMPIRI"_s, u"KROMPIRIMA"_s, u"KROMPIRIMA"_s,
    u"TELA"_s,     u"TELIMA"_s,     u"TELA"_s,     u"TELA"_s,     u"TELIMA"_s,     u"TELIMA"_s};
const std::array<QString, 4> planets = {u"merkur"_s, u" Venera "_s, u"MARS"_s, u"zemlja"_s};
const std::array<QString, 4> commonNouns = {u"lopte"_s, u"Majka"_s, u"avioni "_s, u"pisma"_s};
const QString beings = u"pesniku, podlac, pijanica, kockar, čovek, špijun"_s; // 48 characters

TEST(MainTasks, EveryTypedOrPickedAnswerRefusesHostileText) {
    using B = const QString&;
    expectHostileTextsRefused({
        {"task 1", [](B h) { return solved1(with(picked1, {h})); }},
        {"task 2", [](B h) { return tasks::task2Solved(h, u"BROJ"_s, u"PADEŽ"_s); }},
        {"task 3", [](B h) { return tasks::task3Solved(replaced(declined, 0, h)); }},
        {"task 4, Text32", [](B h) { return tasks::task4Solved(h, u"živa"_s); }},
        {"task 4, Text52", [](B h) { return tasks::task4Solved(u"gramatički"_s, h); }},
        {"task 5", [](B h) { return tasks::task5Solved(h, u"sok radost snaga veština igra balet"_s); }},
        {"task 6", [](B h) { return tasks::task6Errors(answers6, with(answers6, {h})) == 0; }},
        {"task 7", [](B h) { return tasks::task7Errors(replaced(planets, 0, h)) == 0; }},
        {"task 8", [](B h) { return tasks::task8Errors(replaced(commonNouns, 0, h)) == 0; }},
        {"task 9", [](B h) { return solved9(with(picked9, {h})); }},
        {"task 10", [](B h) { return tasks::task10Errors(h) == 0; }},
        {"task 11", [](B h) { return solved11(with(picked11, {h})); }},
        {"task 12", [](B h) { return tasks::task12Errors(answers12, with(answers12, {h})) == 0; }},
    });
}

TEST(MainTasks, EveryTypedAnswerRefusesLookAlikeLetters) {
    using B = const QString&;
    expectLookAlikesRefused({
        {"task 2", u"rod"_s, [](B h) { return tasks::task2Solved(h, u"BROJ"_s, u"PADEŽ"_s); }},
        {"task 3", u"krompira"_s, [](B h) { return tasks::task3Solved(replaced(declined, 0, h)); }},
        {"task 4, Text32", u"gramatički"_s, [](B h) { return tasks::task4Solved(h, u"živa"_s); }},
        // živa may end in "iva" alone: its ž is not read.
        {"task 4, Text52", u"ziva"_s, [](B h) { return tasks::task4Solved(u"gramatički"_s, h); }},
        {"task 5, natural", u"Milan, Branka, majka, ovca, medved"_s,
         [](B h) { return tasks::task5Solved(h, u"sok, radost, snaga, veština, igra, balet"_s); }},
        {"task 5, grammatical", u"sok, radost, snaga, veština, igra, balet"_s,
         [](B h) { return tasks::task5Solved(u"Milan, Branka, majka, ovca, medved"_s, h); }},
        {"task 7", u"merkur"_s, [](B h) { return tasks::task7Errors(replaced(planets, 0, h)) == 0; }},
        {"task 8", u"lopte"_s, [](B h) { return tasks::task8Errors(replaced(commonNouns, 0, h)) == 0; }},
        {"task 10", u"pesnik, podlac, pijanica, kockar, čovek, špijun"_s,
         [](B h) { return tasks::task10Errors(h) == 0; }},
    });
}

TEST(MainTasks, Task1PickedNouns) {
    QStringList reversed = picked1;
    std::reverse(reversed.begin(), reversed.end());
    expectCases({
        {"the 25 nouns", accepted, solved1(picked1)},
        {"in another order", accepted, solved1(reversed)},
        {"the stored forms without č, ć, š", accepted, solved1(answers1)},
        {"plus je", refused, solved1(with(picked1, {u"je"_s}))},
        {"without brdo", refused, solved1(without(picked1, u"brdo"_s))},
        {"Car but not car", refused, solved1(without(picked1, u"car"_s))},
        {"mogao for moć: only mo is read", accepted, solved1(instead(picked1, u"moć"_s, u"mogao"_s))},
        {"capital Očima is not ocima", refused, solved1(instead(picked1, u"očima"_s, u"Očima"_s))},
        {"mu is too short to be muškarci", refused, solved1(instead(picked1, u"muškarci"_s, u"mu"_s))},
        {"a lone o is not očima", refused, solved1(with(picked1, {u"o"_s}))},
        {"spaces around a word", accepted, solved1(instead(picked1, u"brdo"_s, u" brdo "_s))},
    });
}

TEST(MainTasks, Task2Categories) {
    const auto solved = tasks::task2Solved;
    expectCases({
        {"ROD, BROJ, PADEŽ", accepted, solved(u"ROD"_s, u"BROJ"_s, u"PADEŽ"_s)},
        {"small letters, spaces, PADEZ", accepted, solved(u" rod "_s, u"Broj"_s, u"padez"_s)},
        {"any order", accepted, solved(u"padež"_s, u"rod"_s, u"broj"_s)},
        {"z with a combining caron", accepted, solved(u"rod"_s, u"broj"_s, u"padez\u030C"_s)},
        {"ROD in the first two boxes", refused, solved(u"ROD"_s, u"ROD"_s, u"BROJ"_s)},
        {"ROD in the first and the last box", refused, solved(u"ROD"_s, u"BROJ"_s, u"ROD"_s)},
        {"PADEZ and PADEŽ are one category", refused, solved(u"ROD"_s, u"PADEZ"_s, u"PADEŽ"_s)},
        {"a tab is not trimmed", refused, solved(u"\tROD"_s, u"BROJ"_s, u"PADEZ"_s)},
        {"plural PADEŽI", refused, solved(u"ROD"_s, u"BROJ"_s, u"PADEŽI"_s)},
    });
}

TEST(MainTasks, Task3DeclensionReadsEveryBox) {
    std::array<QString, 24> casual = declined;
    for (QString& box : casual)
        box = u"  "_s + box.toLower() + u" "_s;
    expectCases({{"the 24 forms", accepted, tasks::task3Solved(declined)},
                 {"small letters with spaces around", accepted, tasks::task3Solved(casual)}});
    for (std::size_t i = 0; i < declined.size(); ++i)
        EXPECT_FALSE(tasks::task3Solved(replaced(declined, i, QString()))) << "Text" << 8 + i << " empty";
}

TEST(MainTasks, Task4Sentence) {
    const auto solved = tasks::task4Solved;
    expectCases({
        {"gramatički, živa", accepted, solved(u"gramatički"_s, u"živa"_s)},
        {"gramaticki, ziva, spaces around", accepted, solved(u" gramaticki "_s, u" ziva "_s)},
        {"capitals", accepted, solved(u"GRAMATIČKI"_s, u"Živa"_s)},
        {"combining carons", accepted, solved(u"gramatic\u030Cki"_s, u"z\u030Civa"_s)},
        {"any letter between gramati and ki", accepted, solved(u"gramatiški"_s, u"živa"_s)},
        {"gramatički rod", refused, solved(u"gramatički rod"_s, u"živa"_s)},
        {"gramatika: the beginning alone", refused, solved(u"gramatika"_s, u"živa"_s)},
        {"a space after gramatički: raw end", refused, solved(u"gramatički "_s, u"živa"_s)},
        {"a space before gramatički: raw beginning", refused, solved(u" gramatički"_s, u"živa"_s)},
        {"a space after živa: raw end", refused, solved(u"gramatički"_s, u"živa "_s)},
    });
}

TEST(MainTasks, Task5Gender) {
    const auto solved = tasks::task5Solved;
    const QString natural = u"Milan, Branka, majka, ovca, medved"_s;
    const QString grammatical = u"sok, radost, snaga, veština, igra, balet"_s;
    const QString all = u"Milan, sok, radost, snaga, Branka, majka, ovca, veština, igra, balet, medved."_s;
    expectCases({
        {"each group in its box", accepted, solved(natural, grammatical)},
        {"vestina without š", accepted, solved(natural, u"sok radost snaga vestina igra balet"_s)},
        {"š as a combining caron", accepted, solved(natural, u"sok radost snaga ves\u030Ctina igra balet"_s)},
        {"the whole list in both boxes", accepted, solved(all, all)},
        {"medved missing", refused, solved(u"Milan, Branka, majka, ovca"_s, grammatical)},
        {"neither veština nor vestina", refused, solved(natural, u"sok, radost, snaga, igra, balet"_s)},
        {"veštine is not veština", refused, solved(natural, u"sok, radost, snaga, veštine, igra, balet"_s)},
        {"groups swapped", refused, solved(grammatical, natural)},
    });
}

TEST(MainTasks, Task6To8NamesAndNouns) {
    const auto solved6 = [](const QStringList& picked) { return tasks::task6Errors(answers6, picked) == 0; };
    const auto solved7 = [](const std::array<QString, 4>& boxes) { return tasks::task7Errors(boxes) == 0; };
    const auto solved8 = [](const std::array<QString, 4>& boxes) { return tasks::task8Errors(boxes) == 0; };
    expectCases({
        {"6: the four names", accepted, solved6(answers6)},
        {"6: plus a common noun", refused, solved6(with(answers6, {u"vojnici"_s}))},
        {"6: Alpskog venca missing", refused, solved6(without(answers6, u"Alpskog venca"_s))},
        {"6: muru in small letters", refused, solved6(instead(answers6, u"Muru"_s, u"muru"_s))},
        {"6: a space before Muru", refused, solved6(instead(answers6, u"Muru"_s, u" Muru"_s))},
        {"7: four planets, any capitals and spaces", accepted, solved7(planets)},
        {"7: the outer planets", accepted, solved7({u"Jupiter"_s, u"Saturn"_s, u"Uran"_s, u"Neptun"_s})},
        {"7: Mars twice", refused, solved7(replaced(planets, 0, u"mars"_s))},
        {"7: Pluton is no planet of the list", refused, solved7(replaced(planets, 3, u"Pluton"_s))},
        {"8: plurals, capitals, spaces", accepted, solved8(commonNouns)},
        {"8: singulars", accepted, solved8({u"LOPTA"_s, u"majke"_s, u"avion"_s, u"pismo"_s})},
        {"8: avionu", refused, solved8(replaced(commonNouns, 2, u"avionu"_s))},
        {"8: rows swapped", refused, solved8({u"majka"_s, u"lopta"_s, u"avion"_s, u"pismo"_s})},
    });
}

TEST(MainTasks, Task9VerseNouns) {
    expectCases({
        {"the eight nouns as the verses write them", accepted, solved9(picked9)},
        {"povrsina without š", accepted, solved9(instead(picked9, u"Površina"_s, u"povrsina"_s))},
        {"plus celiva", refused, solved9(with(picked9, {u"celiva"_s}))},
        {"stene missing", refused, solved9(without(picked9, u"stene"_s))},
        {"svoda is not svod", refused, solved9(without(picked9, u"Svod"_s))},
        {"Povr does not end in ina", refused, solved9(instead(picked9, u"Površina"_s, u"Povr"_s))},
        {"ina does not begin with povr", refused, solved9(with(picked9, {u"ina"_s}))},
    });
}

TEST(MainTasks, Task10Beings) {
    const auto solved = [](const QString& text) { return tasks::task10Errors(text) == 0; };
    const QString composing = u"pesniku, podlac, pijanica, kockar, c\u030Covek, s\u030Cpijun"_s;
    expectCases({
        {"the six beings", accepted, solved(beings)},
        {"without č and š", accepted, solved(u"pesnik podlac pijanica kockar covek spijun"_s)},
        {"without čovek", accepted, solved(u"pesniku, podlac, pijanica, kockar, špijun"_s)},
        {"without špijun", accepted, solved(u"pesniku, podlac, pijanica, kockar, čovek"_s)},
        {"kockar missing", refused, solved(u"pesniku, podlac, pijanica, čovek, špijun"_s)},
        {"ćovek is misspelt", refused, solved(u"pesniku, podlac, pijanica, kockar, ćovek, špijun"_s)},
        {"zpijun is misspelt", refused, solved(u"pesniku, podlac, pijanica, kockar, čovek, zpijun"_s)},
        {"ovek at the very start: no letter before it", refused,
         solved(u"ovek pesniku podlac pijanica kockar"_s)},
        {"55 characters", accepted, solved(beings + QString(7, u' '))},
        {"56 characters, though every word is there", refused, solved(beings + QString(8, u' '))},
        {"55 once the carons compose, 57 as typed", accepted, solved(composing + QString(7, u' '))},
    });
}

TEST(MainTasks, Task11And12AbstractNouns) {
    const auto solved12 = [](const QStringList& picked) {
        return tasks::task12Errors(answers12, picked) == 0;
    };
    expectCases({
        {"11: the five nouns", accepted, solved11(picked11)},
        {"11: other capitals", accepted,
         solved11({u"diko"_s, u"SNAGO"_s, u"Blago"_s, u"DUŠO"_s, u"drago"_s})},
        {"11: duso without š", accepted, solved11(answers11)},
        {"11: plus lane", refused, solved11(with(picked11, {u"lane"_s}))},
        {"11: drago missing", refused, solved11(without(picked11, u"drago"_s))},
        {"11: du does not end in o", refused, solved11(instead(picked11, u"dušo"_s, u"du"_s))},
        {"11: a lone o does not begin with du", refused, solved11(instead(picked11, u"dušo"_s, u"o"_s))},
        {"12: the six nouns", accepted, solved12(answers12)},
        {"12: plus lopta", refused, solved12(with(answers12, {u"lopta"_s}))},
        {"12: bol missing", refused, solved12(without(answers12, u"bol"_s))},
        {"12: lepota in small letters", refused, solved12(instead(answers12, u"Lepota"_s, u"lepota"_s))},
    });
}

TEST(MainTasks, Task13And14MarkOnlyTheRightWords) {
    // OLOVKA, MISAO, RAVNOPRAVNOST, PRAVDA, KNJIGA, USPOMENA.
    expectOnlyMarking<bool, 6>(tasks::task13Solved, {false, false, true, true, false, false});
    // SLIKA, SETA, MOLBA, SLOVO, KAŠIKA, LJUBAV, STRAH, TOČAK.
    expectOnlyMarking<bool, 8>(tasks::task14Solved, {false, true, false, false, false, true, true, false});
}

} // namespace
