// Answers typed in Serbian Cyrillic, in part or whole, are read as the same words in Latin letters before
// any judge's rule: they are accepted where the Latin words are, and refused where those are.

#include "screens/main/Step1Tasks.h"
#include "screens/main/Step2Tasks.h"
#include "screens/main/Step3Tasks.h"
#include "screens/main/Step4Tasks.h"
#include "screens/second/Step6Tasks.h"
#include "screens/second/Step7Tasks.h"
#include "screens/second/Step8Tasks.h"
#include "screens/second/Step9Tasks.h"
#include "tests/JudgeTables.h"

using namespace Qt::StringLiterals;
using namespace judges;

namespace {

// For each typed task, the right answer written in Cyrillic (or mixing the scripts) and a wrong one.
TEST(Cyrillic, RightAnswersAreAcceptedAndWrongOnesRefusedAsInLatin) {
    const std::array<QString, 24> declined = {
        u"КРОМПИРА"_s, u"КРОМПИРУ"_s,   u"КРОМПИР"_s,  u"КРОМПИРУ"_s, u"КРОМПИРОМ"_s,  u"крompiru"_s,
        u"тела"_s,     u"телу"_s,       u"тело"_s,     u"тело"_s,     u"телом"_s,      u"телу"_s,
        u"КРОМПИРА"_s, u"КРОМПИРИМА"_s, u"КРОМПИРЕ"_s, u"КРОМПИРИ"_s, u"КРОМПИРИМА"_s, u"КРОМПИРИМА"_s,
        u"ТЕЛА"_s,     u"ТЕЛИМА"_s,     u"ТЕЛА"_s,     u"ТЕЛА"_s,     u"ТЕЛИМА"_s,     u"ТЕЛИМА"_s};
    const std::array<QString, 12> verbal = {u"писање"_s,  u"плакање"_s,  u"певање"_s,   u"љубљење"_s,
                                            u"пливање"_s, u"ЗВИЖДАЊЕ"_s, u"цртање"_s,   u"боловање"_s,
                                            u"трчање"_s,  u"играње"_s,   u"склањање"_s, u"застакљивање"_s};
    const std::array<QString, 8> collective = {u"трње"_s,  u"сирочад"_s, u"племство"_s, u"цвеће"_s,
                                               u"пилад"_s, u"прстење"_s, u"кестење"_s,  u"господа"_s};
    const std::array<QString, 4> planets = {u"Меркур"_s, u"Венера"_s, u"Марс"_s, u"Земља"_s};
    const std::array<QString, 4> common = {u"лопте"_s, u"мајке"_s, u"авион"_s, u"писмо"_s};
    const std::array<QString, 4> abstract = {u"једнакост"_s, u"страх"_s, u"ЉУБАВ"_s, u"памет"_s};
    expectCases({
        {"task 2", accepted, tasks::task2Solved(u"РОД"_s, u"БРОЈ"_s, u"ПАДЕЖ"_s)},
        {"task 2, mixed scripts", accepted, tasks::task2Solved(u"rод"_s, u"БРОJ"_s, u"паdеж"_s)},
        {"task 2, wrong", refused, tasks::task2Solved(u"РОД"_s, u"БРОЈ"_s, u"ПАДЕШ"_s)},
        {"task 3", accepted, tasks::task3Solved(declined)},
        {"task 3, wrong", refused, tasks::task3Solved(replaced(declined, 0, u"КРОМПИРЕ"_s))},
        {"task 4", accepted, tasks::task4Solved(u"граматички"_s, u"жива"_s)},
        {"task 4, wrong", refused, tasks::task4Solved(u"природни"_s, u"жива"_s)},
        {"task 5", accepted,
         tasks::task5Solved(u"Милан, Бранка, мајка, овца, медвед"_s,
                            u"сок, радост, снага, вештина, игра, балет"_s)},
        {"task 5, wrong", refused,
         tasks::task5Solved(u"Милан, Бранка, мајка, овца, сок"_s,
                            u"медвед, радост, снага, вештина, игра, балет"_s)},
        {"task 7", accepted, tasks::task7Errors(planets) == 0},
        {"task 7, wrong", refused, tasks::task7Errors(replaced(planets, 3, u"Сунце"_s)) == 0},
        {"task 8", accepted, tasks::task8Errors(common) == 0},
        {"task 8, wrong", refused, tasks::task8Errors(replaced(common, 0, u"столица"_s)) == 0},
        {"task 10", accepted, tasks::task10Errors(u"песник, подлац, пијаница, коцкар, човек, шпијун"_s) == 0},
        {"task 10, wrong", refused, tasks::task10Errors(u"песник, подлац, пијаница, човек"_s) == 0},
        {"task 16", accepted, tasks::task16Errors(abstract) == 0},
        {"task 16, wrong", refused, tasks::task16Errors(replaced(abstract, 1, u"мржња"_s)) == 0},
        {"task 18", accepted, tasks::task18Errors(verbal) != 1},
        {"task 18, wrong", refused, tasks::task18Errors(replaced(verbal, 3, u"љубити"_s)) != 1},
        {"task 20", accepted, tasks::task20Errors(collective) != 1},
        {"task 20, wrong", refused, tasks::task20Errors(replaced(collective, 0, u"трн"_s)) != 1},
        {"task 21", accepted, tasks::task21Errors(u"цемент"_s, u"Шљунак"_s) != 1},
        {"task 21, wrong", refused, tasks::task21Errors(u"шљунак"_s, u"шљунак"_s) != 1},
    });
}

} // namespace
