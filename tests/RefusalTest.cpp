// The refusal of an unsolved task: one warning, nothing moves on, and of the result rows only what the
// press wrote before the refusal stays.

#include "tests/Pupil.h"

#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/TextBox.h"

#include <functional>

using namespace Qt::StringLiterals;

class Refusal : public CourseTest {
  protected:
    Form1& main() { return program->form1(); }
    Form3& second() { return program->form3(); }
    Form4& closing() { return program->form4(); }
    void giveRightAnswers(int tag) { ASSERT_TRUE(pupil::giveRightAnswers(*program, tag)); }
};

// Nothing given at each tag, each in a fresh run. The refusal is one warning owned by the screen in
// front, and leaves the tag, the panel, the title, the outline and the clocks as they were. The first
// task's number goes in before it is judged, with that of the second at tag 4 but not at 8, 11, 12, 18
// or 20; task 24's row stands on the closing screen alone, and is numbered there.
TEST_F(Refusal, AnUnsolvedTaskAtAnyTagIsRefusedAndOnlyTheNumbersWrittenBeforeItStay) {
    const struct {
        const char* name;
        int tag;
        std::set<int> numbered; // the first is the tag's first task
    } rows[] = {
        {"1: nothing picked", 1, {1}},    {"2: nothing typed", 2, {2}},     {"3: an empty table", 3, {3}},
        {"4: nothing typed", 4, {4, 5}},  {"5: nothing picked", 5, {6}},    {"6: nothing typed", 6, {7}},
        {"7: nothing typed", 7, {8}},     {"8: nothing given", 8, {9}},     {"9: nothing picked", 9, {11}},
        {"10: nothing picked", 10, {12}}, {"11: nothing marked", 11, {13}}, {"12: nothing given", 12, {15}},
        {"13: nothing picked", 13, {17}}, {"14: nothing typed", 14, {18}},  {"15: nothing ringed", 15, {19}},
        {"16: nothing typed", 16, {20}},  {"17: nothing typed", 17, {21}},  {"18: nothing given", 18, {22}},
        {"19: nothing marked", 19, {24}}, {"20: nothing marked", 20, {25}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        enterCourse();
        walkTo(row.tag);
        ASSERT_EQ(frontTag(), row.tag);
        course::LessonScreen& screen = front();
        screen.TreeView1->select(screen.TreeView1->node(1));
        const QStringList before = stateOf(screen);
        wait(7);
        const QString stepClock = program->clocks().stepText();

        pressNapred();

        ASSERT_EQ(refusals(), 1);
        const toolkit::RecordingHost::Message& message = host.messages.front();
        EXPECT_EQ(message.prompt, u"Zadatak nije rešen !"_s);
        EXPECT_EQ(message.title, u"Paznja"_s);
        EXPECT_EQ(message.style, 48);
        EXPECT_EQ(message.owner, screen.objectName());
        EXPECT_EQ(&front(), &screen);
        EXPECT_EQ(stateOf(screen), before);
        EXPECT_EQ(selectedNode(*screen.TreeView1), u"Uvod"_s);
        EXPECT_EQ(program->clocks().stepText(), stepClock);
        EXPECT_EQ(stepCell((row.tag + 1) / 2)->caption(), QString());
        EXPECT_EQ(program->form5().Label25->caption(), QString());
        EXPECT_FALSE(program->form5().isVisible());
        expectRows(*row.numbered.begin(), row.numbered);
    }
}

// Of two tasks at one tag, the second is judged once the first has its tick, which a refusal by the
// second does not take away, however many presses it refuses. The next press judges the first again,
// and once both are right the course moves on (the last tag opens the results instead).
TEST_F(Refusal, ARefusalByTheSecondTaskOfATagKeepsTheFirstsTickAndTheNextPressJudgesBoth) {
    const struct {
        const char* name;
        int tag;
        int first; // task
        std::function<void()> firstRightSecondWrong;
        std::function<void()> firstWrongSecondRight;
    } rows[] = {
        {"4: task 5 half typed, then task 4 wrong", 4, 4,
         [&] {
             giveRightAnswers(4);
             pupil::type(main().Text33, QString());
         },
         [&] {
             giveRightAnswers(4);
             pupil::type(main().Text52, u"zivi"_s);
         }},
        {"8: task 10 empty, then a noun of task 9 taken out", 8, 9,
         [&] {
             giveRightAnswers(8);
             pupil::type(main().Text48, QString());
         },
         [&] {
             giveRightAnswers(8);
             main().ListView3->select(1);
             pupil::click(main().Command6);
         }},
        {"11: a word of task 14 unmarked, then one of task 13", 11, 13,
         [&] {
             giveRightAnswers(11);
             pupil::click(main().Label75);
         },
         [&] {
             giveRightAnswers(11);
             pupil::click(main().Label64);
         }},
        // Task 16's number goes in once task 15 is ticked, whatever task 16's answers.
        {"12: task 16 empty, then a word of task 15 unmarked", 12, 15,
         [&] {
             pupil::click(second().Label61);
             pupil::click(second().Label65);
         },
         [&] {
             giveRightAnswers(12);
             pupil::click(second().Label61);
         }},
        {"18: task 23 not ringed, then a noun of task 22 cleared", 18, 22,
         [&] {
             pupil::tick(second().kitchenNouns[4]);
             pupil::tick(second().kitchenNouns[8]);
         },
         [&] {
             pupil::tick(second().kitchenNouns[8]);
             pupil::click(second().Label69);
         }},
        {"20: task 26 unmarked, then task 25 unmarked", 20, 25, [&] { pupil::click(closing().Label85); },
         [&] {
             pupil::click(closing().Label85);
             pupil::click(closing().Label81);
         }},
    };
    constexpr int presses = 100;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        enterCourse();
        walkTo(row.tag);
        ASSERT_EQ(frontTag(), row.tag);
        course::LessonScreen& screen = front();
        const QStringList before = stateOf(screen);
        const std::set<int> both = {row.first, row.first + 1};

        row.firstRightSecondWrong();
        for (int i = 0; i < presses; ++i) {
            pressNapred();
        }
        ASSERT_EQ(refusals(), presses);
        EXPECT_EQ(host.messages.back().owner, screen.objectName());
        EXPECT_EQ(stateOf(screen), before);
        expectRows(row.first, both, {row.first});

        row.firstWrongSecondRight();
        pressNapred();
        ASSERT_EQ(refusals(), presses + 1);
        EXPECT_EQ(stateOf(screen), before);
        expectRows(row.first, both, {row.first});

        giveRightAnswers(row.tag);
        pressNapred();
        EXPECT_EQ(refusals(), presses + 1);
        EXPECT_TRUE(row.tag == 20 ? program->form5().isVisible() : frontTag() == row.tag + 1);
        expectRows(row.first + 2);
    }
}
