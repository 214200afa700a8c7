// The refusal of an unsolved task: one warning, nothing moves on, and of the result rows only what
// the press wrote before the refusal stays.

#include "tests/Pupil.h"

#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"
#include "toolkit/TreeView.h"

#include <functional>
#include <set>

using namespace Qt::StringLiterals;

namespace {

course::LessonScreen& lesson(toolkit::Form& screen) {
    return static_cast<course::LessonScreen&>(screen);
}

QStringList shownPanels(const course::LessonScreen& screen) {
    QStringList names;
    for (const toolkit::PictureBox* box :
         screen.findChildren<toolkit::PictureBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (box != screen.picResult && box != screen.Picture5 && box != screen.Picture8 && !box->isHidden()) {
            names.append(box->objectName());
        }
    }
    return names;
}

QString selectedNode(const toolkit::TreeView& tree) {
    return tree.selected() ? tree.selected()->text(0) : u"(none)"_s;
}

// The first task judged at each tag from 1 to 20, and one past the last task of tag 20.
constexpr int firstTaskOfTag[22] = {0,  1,  2,  3,  4,  6,  7,  8,  9,  11, 12,
                                    13, 15, 17, 18, 19, 20, 21, 22, 24, 25, 27};

// The rows of all 26 tasks on every lesson screen that carries them (the main screen 1 to 12, the
// second 1 to 23, the closing screen all): the tasks before the tag's are solved; of the tag's own
// tasks and those after, only the listed ones show their number or their tick.
void expectRows(Program& program, int tag, const std::set<int>& numbered, const std::set<int>& ticked) {
    const std::pair<course::LessonScreen*, int> screens[] = {
        {&program.form1(), 12}, {&program.form3(), 23}, {&program.form4(), 26}};
    for (int task = 1; task <= 26; ++task) {
        const bool before = task < firstTaskOfTag[tag];
        const bool number = before || numbered.contains(task);
        const bool tick = before || ticked.contains(task);
        for (const auto& [screen, lastRow] : screens) {
            if (task > lastRow) {
                continue;
            }
            SCOPED_TRACE(screen->objectName().toStdString() + ", row of task " + std::to_string(task));
            EXPECT_EQ(screen->results.rowLabel(task)->caption(), number ? QString::number(task) : QString());
            EXPECT_EQ(screen->results.rowImage(task)->hasPicture(), tick);
        }
    }
}

// The results cell a tag writes when it ends a step.
const toolkit::Label* timeCellOf(Form5& results, int tag) {
    const toolkit::Label* cells[] = {results.Label14, results.Label15, results.Label16, results.Label17,
                                     results.Label18, results.Label19, results.Label20, results.Label21,
                                     results.Label22, results.Label23};
    return tag % 2 == 0 ? cells[tag / 2 - 1] : nullptr;
}

} // namespace

class Refusal : public CourseTest {
  protected:
    void restart() {
        TearDown();
        host.messages.clear();
        SetUp();
    }
    Form1& main() { return program->form1(); }
    Form3& second() { return program->form3(); }
    Form4& closing() { return program->form4(); }
    void giveRightAnswers(int tag) { ASSERT_TRUE(pupil::giveRightAnswers(*program, tag)); }
    void pick(toolkit::TextArea* text, const course::WordIndex& index, const QString& word) {
        ASSERT_TRUE(pupil::pickWord(text, index, word)) << word.toStdString();
    }
};

// A wrong answer at every tag, each in a fresh run. Every refusal is one warning owned by the screen
// in front, and leaves the tag, the panel, the title, the outline and the clocks as they were.
TEST_F(Refusal, AWrongAnswerAtAnyTagIsRefusedAndOnlyTheNumbersWrittenBeforeItStay) {
    struct Row {
        const char* name;
        int tag;
        std::function<void()> answer; // the answers given before the press
        std::set<int> numbered;       // of the tag's tasks
        std::set<int> ticked;
    };
    const auto nothing = [] {};
    const Row rows[] = {
        {"1: nothing picked", 1, nothing, {1}, {}},
        {"1: the nouns and je",
         1,
         [&] {
             pick(main().Text3, main().IndexText3, u"je"_s);
             giveRightAnswers(1);
         },
         {1},
         {}},
        {"2: nothing typed", 2, nothing, {2}, {}},
        {"2: padež left out",
         2,
         [&] {
             giveRightAnswers(2);
             pupil::type(main().Text6, QString());
         },
         {2},
         {}},
        {"3: an empty table", 3, nothing, {3}, {}},
        {"3: one form wrong",
         3,
         [&] {
             giveRightAnswers(3);
             pupil::type(main().tableCells[23], u"telo"_s);
         },
         {3},
         {}},
        // Both numbers go in before task 4 is judged.
        {"4: nothing typed", 4, nothing, {4, 5}, {}},
        {"4: task 4 wrong, task 5 right",
         4,
         [&] {
             giveRightAnswers(4);
             pupil::type(main().Text32, u"gramatički rod"_s);
         },
         {4, 5},
         {}},
        {"4: task 4 right, task 5 wrong",
         4,
         [&] {
             giveRightAnswers(4);
             pupil::type(main().Text34, u"sok, radost, snaga, igra, balet"_s);
         },
         {4, 5},
         {4}},
        {"5: nothing picked", 5, nothing, {6}, {}},
        {"5: the names and Puk",
         5,
         [&] {
             pick(main().Text36, main().IndexText36, u"Puk"_s);
             giveRightAnswers(5);
         },
         {6},
         {}},
        {"6: nothing typed", 6, nothing, {7}, {}},
        {"6: Pluton",
         6,
         [&] {
             giveRightAnswers(6);
             pupil::type(main().planetBoxes[3], u"Pluton"_s);
         },
         {7},
         {}},
        {"7: nothing typed", 7, nothing, {8}, {}},
        {"7: avionu",
         7,
         [&] {
             giveRightAnswers(7);
             pupil::type(main().commonNounBoxes[2], u"avionu"_s);
         },
         {8},
         {}},
        // The number of task 10 goes in only once task 9 is solved.
        {"8: nothing given", 8, nothing, {9}, {}},
        {"8: task 9 wrong, task 10 right",
         8,
         [&] {
             pick(main().Text46, main().IndexText46, u"celiva"_s);
             giveRightAnswers(8);
         },
         {9},
         {}},
        {"8: task 9 right, task 10 wrong",
         8,
         [&] {
             giveRightAnswers(8);
             pupil::type(main().Text48, u"pesnik, podlac, pijanica"_s);
         },
         {9, 10},
         {9}},
        {"9: nothing picked", 9, nothing, {11}, {}},
        {"9: the nouns and lane",
         9,
         [&] {
             pick(main().Text50, main().IndexText50, u"lane"_s);
             giveRightAnswers(9);
         },
         {11},
         {}},
        {"10: nothing picked", 10, nothing, {12}, {}},
        {"10: the qualities and lopta",
         10,
         [&] {
             pick(main().Text51, main().IndexText51, u"lopta"_s);
             giveRightAnswers(10);
         },
         {12},
         {}},
        // Tasks 13 and 14 are judged on the main screen, their rows stand on the other two.
        {"11: nothing marked", 11, nothing, {13}, {}},
        {"11: task 13 wrong, task 14 right",
         11,
         [&] {
             pupil::click(main().Label61);
             giveRightAnswers(11);
         },
         {13},
         {}},
        {"11: task 13 right, task 14 wrong",
         11,
         [&] {
             giveRightAnswers(11);
             pupil::click(main().Label72);
         },
         {13, 14},
         {13}},
        // The number of task 16 goes in once task 15 is ticked, whatever task 16's answers.
        {"12: nothing given", 12, nothing, {15}, {}},
        {"12: task 15 wrong, task 16 right",
         12,
         [&] {
             pupil::click(second().Label63);
             giveRightAnswers(12);
         },
         {15},
         {}},
        {"12: task 15 right, task 16 empty",
         12,
         [&] {
             pupil::click(second().Label61);
             pupil::click(second().Label65);
         },
         {15, 16},
         {15}},
        {"12: task 15 right, one box of task 16 wrong",
         12,
         [&] {
             giveRightAnswers(12);
             pupil::type(second().abstractNounBoxes[3], u"pametan"_s);
         },
         {15, 16},
         {15}},
        {"13: nothing picked", 13, nothing, {17}, {}},
        {"13: the verbal nouns and Majka",
         13,
         [&] {
             pick(second().Text51, second().PoemIndex, u"Majka"_s);
             giveRightAnswers(13);
         },
         {17},
         {}},
        {"14: nothing typed", 14, nothing, {18}, {}},
        {"14: the last box empty",
         14,
         [&] {
             giveRightAnswers(14);
             pupil::type(second().verbalNounBoxes[11], QString());
         },
         {18},
         {}},
        {"15: nothing ringed", 15, nothing, {19}, {}},
        {"15: both ringed",
         15,
         [&] {
             giveRightAnswers(15);
             pupil::click(second().Label32);
         },
         {19},
         {}},
        {"16: nothing typed", 16, nothing, {20}, {}},
        {"16: trnje left out",
         16,
         [&] {
             giveRightAnswers(16);
             pupil::type(second().collectiveNounBoxes[0], QString());
         },
         {20},
         {}},
        {"17: nothing typed", 17, nothing, {21}, {}},
        {"17: šljunak twice",
         17,
         [&] {
             giveRightAnswers(17);
             pupil::type(second().Text32, u"šljunak"_s);
         },
         {21},
         {}},
        // The number of task 23 goes in only once task 22 is ticked.
        {"18: nothing given", 18, nothing, {22}, {}},
        {"18: task 22 wrong, task 23 right",
         18,
         [&] {
             giveRightAnswers(18);
             pupil::tick(second().kitchenNouns[0]);
         },
         {22},
         {}},
        {"18: task 22 right, task 23 wrong",
         18,
         [&] {
             pupil::tick(second().kitchenNouns[4]);
             pupil::tick(second().kitchenNouns[8]);
             pupil::click(second().Label70);
         },
         {22, 23},
         {22}},
        // Task 24's row stands on the closing screen only, and gets its number even when refused.
        {"19: nothing marked", 19, nothing, {24}, {}},
        {"19: STADO marked as well",
         19,
         [&] {
             pupil::click(second().Label79);
             giveRightAnswers(19);
         },
         {24},
         {}},
        {"20: nothing marked", 20, nothing, {25}, {}},
        {"20: both vile marked",
         20,
         [&] {
             pupil::click(closing().Label76);
             giveRightAnswers(20);
         },
         {25},
         {}},
        {"20: task 25 right, task 26 unmarked", 20, [&] { pupil::click(closing().Label85); }, {25, 26}, {25}},
        {"20: task 25 right, the first usta marked",
         20,
         [&] {
             pupil::click(closing().Label85);
             pupil::click(closing().Label78);
         },
         {25, 26},
         {25}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        enterCourse();
        walkTo(row.tag);
        ASSERT_EQ(frontTag(), row.tag);
        ASSERT_EQ(refusals(), 0);
        course::LessonScreen& screen = lesson(front());
        const QString title = screen.Label1->caption();
        const QStringList panels = shownPanels(screen);
        screen.TreeView1->select(screen.TreeView1->node(1));
        wait(7);
        const QString stepClock = program->clocks().stepText();
        const QString courseClock = program->clocks().totalText();
        row.answer();

        pressNapred();

        ASSERT_EQ(refusals(), 1);
        const toolkit::RecordingHost::Message& message = host.messages.front();
        EXPECT_EQ(message.prompt, u"Zadatak nije rešen !"_s);
        EXPECT_EQ(message.title, u"Paznja"_s);
        EXPECT_EQ(message.style, 48);
        EXPECT_EQ(message.owner, screen.objectName());
        EXPECT_EQ(&front(), &screen);
        EXPECT_EQ(screen.Command1->tag(), QString::number(row.tag));
        EXPECT_EQ(shownPanels(screen), panels);
        EXPECT_EQ(screen.Label1->caption(), title);
        EXPECT_EQ(selectedNode(*screen.TreeView1), u"Uvod"_s);
        EXPECT_EQ(program->clocks().stepText(), stepClock);
        EXPECT_EQ(program->clocks().totalText(), courseClock);
        if (row.tag % 2 == 0) {
            EXPECT_EQ(timeCellOf(program->form5(), row.tag)->caption(), QString());
        }
        EXPECT_EQ(program->form5().Label25->caption(), QString());
        EXPECT_FALSE(program->form5().isVisible());
        expectRows(*program, row.tag, row.numbered, row.ticked);
    }
}

// Of two tasks at one tag, a refusal by the second keeps the tick of the first; the next press judges
// the first again, and once both are right the course moves on.
TEST_F(Refusal, TheNextPressJudgesBothTasksOfATagAgain) {
    struct Row {
        int tag;
        int first; // task number
        std::function<void()> firstRightSecondWrong;
        std::function<void()> firstWrongSecondRight;
        std::function<void()> bothRight;
    };
    const Row rows[] = {
        {4, 4,
         [&] {
             giveRightAnswers(4);
             pupil::type(main().Text33, QString());
         },
         [&] {
             giveRightAnswers(4);
             pupil::type(main().Text52, u"zivi"_s);
         },
         [&] { giveRightAnswers(4); }},
        {8, 9,
         [&] {
             giveRightAnswers(8);
             pupil::type(main().Text48, QString());
         },
         [&] {
             giveRightAnswers(8);
             main().ListView3->select(1);
             pupil::click(main().Command6);
         },
         [&] { giveRightAnswers(8); }},
        {11, 13,
         [&] {
             giveRightAnswers(11);
             pupil::click(main().Label75);
         },
         [&] {
             giveRightAnswers(11);
             pupil::click(main().Label64);
         },
         [&] { giveRightAnswers(11); }},
        {12, 15,
         [&] {
             giveRightAnswers(12);
             pupil::type(second().abstractNounBoxes[0], QString());
         },
         [&] {
             giveRightAnswers(12);
             pupil::click(second().Label61);
         },
         [&] { giveRightAnswers(12); }},
        {18, 22,
         [&] {
             pupil::tick(second().kitchenNouns[4]);
             pupil::tick(second().kitchenNouns[8]);
         },
         [&] {
             pupil::tick(second().kitchenNouns[8]);
             pupil::click(second().Label69);
         },
         [&] { pupil::tick(second().kitchenNouns[8]); }},
        {20, 25, [&] { pupil::click(closing().Label85); },
         [&] {
             pupil::click(closing().Label85);
             pupil::click(closing().Label81);
         },
         [&] { giveRightAnswers(20); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("tag " + std::to_string(row.tag));
        restart();
        enterCourse();
        walkTo(row.tag);
        ASSERT_EQ(frontTag(), row.tag);
        const int second = row.first + 1;

        row.firstRightSecondWrong();
        pressNapred();
        ASSERT_EQ(refusals(), 1);
        ASSERT_EQ(frontTag(), row.tag);
        expectRows(*program, row.tag, {row.first, second}, {row.first});

        // The tick the first task earned stays, but it is judged again and refuses the press.
        row.firstWrongSecondRight();
        pressNapred();
        ASSERT_EQ(refusals(), 2);
        ASSERT_EQ(frontTag(), row.tag);
        expectRows(*program, row.tag, {row.first, second}, {row.first});

        row.bothRight();
        pressNapred();
        EXPECT_EQ(refusals(), 2);
        // The last tag stays "20" and opens the results instead.
        if (row.tag == 20) {
            EXPECT_TRUE(program->form5().isVisible());
        } else {
            EXPECT_EQ(frontTag(), row.tag + 1);
        }
        expectRows(*program, row.tag, {row.first, second}, {row.first, second});
    }
}

// Hundreds of presses at a refused tag, on each lesson screen: each adds one warning and nothing else.
TEST_F(Refusal, HundredsOfRefusedPressesChangeNothingButTheWarnings) {
    struct Row {
        int tag;
        int first;
        std::function<void()> firstRightSecondWrong;
    };
    const Row rows[] = {
        {4, 4,
         [&] {
             giveRightAnswers(4);
             pupil::type(main().Text34, QString());
         }},
        {12, 15,
         [&] {
             giveRightAnswers(12);
             pupil::type(second().abstractNounBoxes[2], QString());
         }},
        {20, 25, [&] { pupil::click(closing().Label85); }},
    };
    constexpr int presses = 300;
    for (const Row& row : rows) {
        SCOPED_TRACE("tag " + std::to_string(row.tag));
        restart();
        enterCourse();
        walkTo(row.tag);
        course::LessonScreen& screen = lesson(front());
        const QString title = screen.Label1->caption();
        const QStringList panels = shownPanels(screen);
        screen.TreeView1->select(screen.TreeView1->node(1));
        wait(3);
        const QString stepClock = program->clocks().stepText();
        row.firstRightSecondWrong();

        for (int i = 0; i < presses; ++i) {
            pressNapred();
        }

        EXPECT_EQ(refusals(), presses);
        for (const toolkit::RecordingHost::Message& message : std::as_const(host.messages)) {
            ASSERT_EQ(message.prompt, u"Zadatak nije rešen !"_s);
            ASSERT_EQ(message.owner, screen.objectName());
        }
        EXPECT_EQ(&front(), &screen);
        EXPECT_EQ(screen.Command1->tag(), QString::number(row.tag));
        EXPECT_EQ(screen.Label1->caption(), title);
        EXPECT_EQ(shownPanels(screen), panels);
        EXPECT_EQ(selectedNode(*screen.TreeView1), u"Uvod"_s);
        EXPECT_EQ(program->clocks().stepText(), stepClock);
        expectRows(*program, row.tag, {row.first, row.first + 1}, {row.first});
    }
}
