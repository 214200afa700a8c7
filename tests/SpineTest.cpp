// The course spine: the progress tags from "0" to "20", what each press shows, the result rows, the
// hand-offs between the lesson screens, the presses that no branch names, and the whole course walked
// with wrong tries on the way.

#include "tests/Pupil.h"

#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"
#include "toolkit/TreeView.h"

#include <QApplication>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace {

course::LessonScreen& lesson(toolkit::Form& screen) {
    return static_cast<course::LessonScreen&>(screen);
}

// The task panels of a lesson screen that are not hidden; the narrow boxes and the results strip
// are not panels.
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

// The row of a task on every lesson screen: the main screen carries tasks 1 to 12, the second 1 to
// 23, the closing screen all 26.
void expectRow(Program& program, int task, bool numbered, bool ticked) {
    const std::pair<course::LessonScreen*, int> screens[] = {
        {&program.form1(), 12}, {&program.form3(), 23}, {&program.form4(), 26}};
    for (const auto& [screen, lastRow] : screens) {
        SCOPED_TRACE(screen->objectName().toStdString() + ", row of task " + std::to_string(task));
        if (task > lastRow) {
            EXPECT_EQ(screen->results.rowLabel(task), nullptr);
            EXPECT_EQ(screen->results.rowImage(task), nullptr);
            continue;
        }
        ASSERT_NE(screen->results.rowLabel(task), nullptr);
        ASSERT_NE(screen->results.rowImage(task), nullptr);
        EXPECT_EQ(screen->results.rowLabel(task)->caption(), numbered ? QString::number(task) : QString());
        EXPECT_EQ(screen->results.rowImage(task)->hasPicture(), ticked);
    }
}

void expectRowsSolvedUpTo(Program& program, int lastSolved) {
    for (int task = 1; task <= 26; ++task) {
        expectRow(program, task, task <= lastSolved, task <= lastSolved);
    }
}

int secondsOf(const QString& clock) {
    const QStringList fields = clock.split(u':');
    if (fields.size() != 3) {
        return -1;
    }
    return fields[0].toInt() * 3600 + fields[1].toInt() * 60 + fields[2].toInt();
}

QString clockText(int seconds) {
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

} // namespace

class Spine : public CourseTest {};

// After each right press: the screen in front, its one panel, title and tag, the rows of every task,
// and the outline. "Uvod" is selected on the pressed screen before every press, so a press that
// lands on an even tag shows that it leaves the selection alone.
TEST_F(Spine, EveryPressFromTheIntroductionToTheResultsMovesOneTagOn) {
    struct Stop {
        int tag;
        const char* screen; // in front after the press
        const char* panel;
        const char* title;
        const char* pressedOutline; // the selection on the screen that was pressed
        const char* frontOutline;   // the selection on the screen in front
        int lastTask;               // tasks up to this one are numbered and ticked
    };
    const Stop stops[] = {
        {0, "Form1", "Picture2", "- 1. Korak -", "1. Korak", "1. Korak", 0},
        {1, "Form1", "Picture3", "- 1. Korak -", "Uvod", "Uvod", 1},
        {2, "Form1", "Picture4", "- 2. Korak -", "2. Korak", "2. Korak", 2},
        {3, "Form1", "Picture6", "- 2. Korak -", "Uvod", "Uvod", 3},
        {4, "Form1", "Picture7", "- 3. Korak -", "3. Korak", "3. Korak", 5},
        {5, "Form1", "Picture9", "- 3. Korak -", "Uvod", "Uvod", 6},
        {6, "Form1", "Picture10", "- 4. Korak -", "4. Korak", "4. Korak", 7},
        {7, "Form1", "Picture11", "- 4. Korak -", "Uvod", "Uvod", 8},
        {8, "Form1", "Picture12", "- 5. Korak -", "5. Korak", "5. Korak", 10},
        {9, "Form1", "Picture13", "- 5. Korak -", "Uvod", "Uvod", 11},
        {10, "Form1", "Picture14", "- 6. Korak -", "6. Korak", "6. Korak", 12},
        {11, "Form3", "Picture14", "- 6. Korak -", "6. Korak", "6. Korak", 14},
        {12, "Form3", "Picture1", "- 7. Korak -", "7. Korak", "7. Korak", 16},
        {13, "Form3", "Picture2", "- 7. Korak -", "Uvod", "Uvod", 17},
        {14, "Form3", "Picture3", "- 8. Korak -", "8. Korak", "8. Korak", 18},
        {15, "Form3", "Picture4", "- 8. Korak -", "Uvod", "Uvod", 19},
        {16, "Form3", "Picture6", "- 9. Korak -", "9. Korak", "9. Korak", 20},
        {17, "Form3", "Picture7", "- 9. Korak -", "Uvod", "Uvod", 21},
        {18, "Form3", "Picture9", "- 10. Korak -", "10. Korak", "10. Korak", 23},
        {19, "Form4", "Picture7", "- 10. Korak -", "10. Korak", "10. Korak", 24},
        {20, "Form4", "Picture7", "- 10. Korak -", "Uvod", "Uvod", 26},
    };
    const QString newTags[] = {u"1"_s,  u"2"_s,  u"3"_s,  u"4"_s,  u"5"_s,  u"6"_s,  u"7"_s,
                               u"8"_s,  u"9"_s,  u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s,
                               u"15"_s, u"16"_s, u"17"_s, u"18"_s, u"19"_s, u"20"_s, u"20"_s};

    Form1& main = enterCourse();
    EXPECT_EQ(main.Command1->caption(), u"Započni vežbu"_s);
    EXPECT_EQ(main.Command1->tag(), u"0"_s);
    EXPECT_EQ(main.Label1->caption(), u"- Obraćanje učeniku -"_s);
    EXPECT_EQ(shownPanels(main), QStringList{u"Picture1"_s});
    EXPECT_EQ(selectedNode(*main.TreeView1), u"Uvod"_s);
    expectRowsSolvedUpTo(*program, 0);

    for (const Stop& stop : stops) {
        SCOPED_TRACE("press at tag " + std::to_string(stop.tag));
        course::LessonScreen& pressed = lesson(front());
        ASSERT_EQ(pressed.Command1->tag(), QString::number(stop.tag));
        pressed.TreeView1->select(pressed.TreeView1->node(1));

        solve(stop.tag);

        ASSERT_EQ(refusals(), 0);
        course::LessonScreen& shown = lesson(front());
        EXPECT_EQ(shown.objectName(), QString::fromLatin1(stop.screen));
        EXPECT_EQ(shownPanels(shown), QStringList{QString::fromLatin1(stop.panel)});
        EXPECT_EQ(shown.Label1->caption(), QString::fromLatin1(stop.title));
        EXPECT_EQ(shown.Command1->tag(), newTags[stop.tag]);
        EXPECT_EQ(selectedNode(*pressed.TreeView1), QString::fromLatin1(stop.pressedOutline));
        EXPECT_EQ(selectedNode(*shown.TreeView1), QString::fromLatin1(stop.frontOutline));
        EXPECT_EQ(main.Command1->caption(), u"Napred"_s);
        expectRowsSolvedUpTo(*program, stop.lastTask);
    }

    Form5& results = program->form5();
    EXPECT_TRUE(results.isVisible());
    EXPECT_TRUE(results.isModal());
    EXPECT_EQ(results.owner(), &program->form4());
}

TEST_F(Spine, TheMainScreenHandsOffToTheSecondWhereItStandsAndStaysLoadedHidden) {
    Form1& main = enterCourse();
    walkTo(11);
    main.setLeft(1500);
    main.setTop(1200);
    Form3& second = program->form3();
    Form4& closing = program->form4();
    ASSERT_TRUE(second.isHidden());

    solve(11);

    ASSERT_EQ(refusals(), 0);
    EXPECT_TRUE(program->isLoaded(Program::Screen::Form1));
    EXPECT_TRUE(main.isHidden());
    EXPECT_EQ(main.Command1->tag(), u"11"_s);
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(second.left(), 1500);
    EXPECT_EQ(second.top(), 1200);
    EXPECT_EQ(second.Command1->tag(), u"12"_s);
    EXPECT_EQ(second.Label1->caption(), u"- 6. Korak -"_s);
    EXPECT_EQ(selectedNode(*second.TreeView1), u"6. Korak"_s);
    // The closing screen gets its title already, but nothing else.
    EXPECT_EQ(closing.Label1->caption(), u"- 6. Korak -"_s);
    EXPECT_EQ(closing.Command1->tag(), u"0"_s);
    EXPECT_TRUE(closing.isHidden());
}

TEST_F(Spine, TheSecondScreenHandsOffToTheClosingScreenWhereItStands) {
    Form1& main = enterCourse();
    walkTo(19);
    Form3& second = program->form3();
    second.setLeft(2250);
    second.setTop(450);
    Form4& closing = program->form4();
    ASSERT_TRUE(closing.isHidden());

    solve(19);

    ASSERT_EQ(refusals(), 0);
    EXPECT_TRUE(program->isLoaded(Program::Screen::Form1));
    EXPECT_TRUE(program->isLoaded(Program::Screen::Form3));
    EXPECT_TRUE(main.isHidden());
    EXPECT_TRUE(second.isHidden());
    EXPECT_EQ(second.Command1->tag(), u"19"_s);
    EXPECT_TRUE(closing.isVisible());
    EXPECT_EQ(closing.left(), 2250);
    EXPECT_EQ(closing.top(), 450);
    EXPECT_EQ(closing.Command1->tag(), u"20"_s);
    EXPECT_EQ(closing.Label1->caption(), u"- 10. Korak -"_s);
    EXPECT_EQ(shownPanels(closing), QStringList{u"Picture7"_s});
    // Its activation selects step 10 and brings the last task into view.
    EXPECT_EQ(selectedNode(*closing.TreeView1), u"10. Korak"_s);
    toolkit::TreeView::Node* last = closing.TreeView1->node(u"last"_s);
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(closing.TreeView1->viewport()->rect().contains(closing.TreeView1->visualItemRect(last)));
}

// A tag that no branch names judges nothing: only the outline update runs, and it finds a node only
// where the screen's outline has the key "n" and that tag.
TEST_F(Spine, APressAtATagNoBranchNamesJudgesNothing) {
    struct Row {
        const char* name;
        bool second; // the second lesson screen, still hidden before its hand-off; else the main screen
        QString tag;
        const char* selectedAfter;
    };
    const Row rows[] = {
        {"main screen, 00", false, u"00"_s, "1. Korak"},
        {"main screen, 0 after a space", false, u" 0"_s, "1. Korak"},
        {"main screen, 01", false, u"01"_s, "1. Korak"},
        {"main screen, 1 and a space", false, u"1 "_s, "1. Korak"},
        {"main screen, 12", false, u"12"_s, "1. Korak"},
        {"main screen, 20", false, u"20"_s, "1. Korak"},
        {"main screen, -1", false, u"-1"_s, "1. Korak"},
        {"main screen, empty", false, QString(), "1. Korak"},
        {"second screen, its design tag 0", true, u"0"_s, "1. Korak"},
        {"second screen, 11 has a node", true, u"11"_s, "6. Korak"},
        {"second screen, 011", true, u"011"_s, "1. Korak"},
        {"second screen, 012", true, u"012"_s, "1. Korak"},
        {"second screen, 19 and a space", true, u"19 "_s, "1. Korak"},
        {"second screen, 20", true, u"20"_s, "1. Korak"},
        {"second screen, 1", true, u"1"_s, "1. Korak"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        host.messages.clear();
        SetUp();
        Form1& main = enterCourse();
        course::LessonScreen& screen = row.second ? static_cast<course::LessonScreen&>(program->form3())
                                                  : static_cast<course::LessonScreen&>(main);
        const QString title = screen.Label1->caption();
        const QStringList panels = shownPanels(screen);
        const QString caption = screen.Command1->caption();
        screen.TreeView1->select(screen.TreeView1->node(2));
        screen.Command1->setTag(row.tag);

        // A click in code: the second screen is not shown yet.
        screen.Command1->click();

        EXPECT_EQ(refusals(), 0);
        EXPECT_EQ(screen.Command1->tag(), row.tag);
        EXPECT_EQ(screen.Command1->caption(), caption);
        EXPECT_EQ(screen.Label1->caption(), title);
        EXPECT_EQ(shownPanels(screen), panels);
        EXPECT_EQ(selectedNode(*screen.TreeView1), QString::fromLatin1(row.selectedAfter));
        EXPECT_TRUE(main.isVisible());
        EXPECT_TRUE(program->form3().isHidden());
        EXPECT_TRUE(program->form4().isHidden());
        EXPECT_FALSE(program->isLoaded(Program::Screen::Form5));
        expectRowsSolvedUpTo(*program, 0);
    }
}

// The closing screen acts on "20" only: with the right marks, any other tag neither judges, nor
// records a time, nor opens the results.
TEST_F(Spine, TheClosingScreenIgnoresAPressAtAnyTagButTwenty) {
    struct Row {
        QString tag;
        bool accepted;
    };
    const Row rows[] = {
        {u"0"_s, false},   {u"19"_s, false},   {u"020"_s, false}, {u" 20"_s, false},
        {u"20 "_s, false}, {QString(), false}, {u"20"_s, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("tag \"" + row.tag.toStdString() + "\"");
        TearDown();
        host.messages.clear();
        SetUp();
        enterCourse();
        Form4& closing = program->form4();
        ASSERT_TRUE(pupil::giveRightAnswers(*program, 20));
        closing.Command1->setTag(row.tag);
        wait(9);
        const QString stepClock = program->clocks().stepText();

        // A click in code: the closing screen is not shown yet.
        closing.Command1->click();

        EXPECT_EQ(refusals(), 0);
        EXPECT_EQ(closing.Command1->tag(), row.tag);
        for (int task : {25, 26}) {
            SCOPED_TRACE("task " + std::to_string(task));
            EXPECT_EQ(closing.results.rowLabel(task)->caption(),
                      row.accepted ? QString::number(task) : QString());
            EXPECT_EQ(closing.results.rowImage(task)->hasPicture(), row.accepted);
        }
        EXPECT_EQ(program->clocks().stepText(), row.accepted ? u"00:00:00"_s : stepClock);
        const toolkit::Form* results = program->loaded(Program::Screen::Form5);
        EXPECT_EQ(results && results->isVisible(), row.accepted);
    }
}

// The whole course through its controls, with wrong tries on every lesson screen and time passing at
// every tag: the results show each step's time, and the steps add up to the total.
TEST_F(Spine, APupilWhoErrsOnEveryScreenStillReachesTheResultsWithEveryTimeRecorded) {
    Form1& main = enterCourse();
    Form3& second = program->form3();
    Form4& closing = program->form4();
    struct WrongTry {
        std::function<void()> answer; // what the pupil gets wrong
        std::function<void()> undo;   // what the right answers alone would not put right
    };
    const auto nothing = [] {};
    const std::map<int, WrongTry> wrongTries = {
        {1, {nothing, nothing}}, // nothing picked
        {4,
         {[&] { // task 4 right, task 5 empty
              ASSERT_TRUE(pupil::giveRightAnswers(*program, 4));
              pupil::type(main.Text34, QString());
          },
          nothing}},
        {9,
         {[&] { // the poem's nouns and lane, which is no abstract noun
              ASSERT_TRUE(pupil::pickWord(main.Text50, main.IndexText50, u"lane"_s));
              ASSERT_TRUE(pupil::giveRightAnswers(*program, 9));
          },
          [&] {
              main.ListView4->select(static_cast<int>(main.ListView4->texts().indexOf(u"lane"_s)) + 1);
              pupil::click(main.Command7);
          }}},
        {12, {[&] { pupil::click(second.Label61); }, nothing}},                         // task 15 half marked
        {16, {[&] { pupil::type(second.collectiveNounBoxes[0], u"trn"_s); }, nothing}}, // retyped below
        {19, {nothing, nothing}},                                                       // nothing marked
        {20, {[&] { pupil::click(closing.Label85); }, nothing}},                        // task 26 unmarked
    };
    // Step k spans tags 2k-1 and 2k; step 1 also holds the introduction. Step 7 lasts over an hour.
    int stepSeconds[11] = {};
    int expectedRefusals = 0;
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        const int step = tag == 0 ? 1 : (tag + 1) / 2;
        ASSERT_EQ(frontTag(), tag);
        if (const auto wrong = wrongTries.find(tag); wrong != wrongTries.end()) {
            const int seconds = 17 + 3 * tag;
            wait(seconds);
            stepSeconds[step] += seconds;
            wrong->second.answer();
            pressNapred();
            ++expectedRefusals;
            ASSERT_EQ(refusals(), expectedRefusals);
            ASSERT_EQ(frontTag(), tag);
            wrong->second.undo();
        }
        const int seconds = tag == 13 ? 3605 : 50 + 7 * tag;
        wait(seconds);
        stepSeconds[step] += seconds;
        solve(tag);
        ASSERT_EQ(refusals(), expectedRefusals) << "the right answers were refused";
    }

    Form5& results = program->form5();
    ASSERT_TRUE(results.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &results);
    const toolkit::Label* cells[] = {results.Label14, results.Label15, results.Label16, results.Label17,
                                     results.Label18, results.Label19, results.Label20, results.Label21,
                                     results.Label22, results.Label23};
    int sum = 0;
    int total = 0;
    for (int step = 1; step <= 10; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        EXPECT_EQ(cells[step - 1]->caption(), clockText(stepSeconds[step]));
        sum += secondsOf(cells[step - 1]->caption());
        total += stepSeconds[step];
    }
    EXPECT_EQ(results.Label25->caption(), clockText(total));
    EXPECT_EQ(secondsOf(results.Label25->caption()), sum);
    EXPECT_GT(total, 3600);
}
