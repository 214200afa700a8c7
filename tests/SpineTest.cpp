// The course spine: the progress tags from "0" to "20", what each press shows, the hand-offs between
// the lesson screens and the presses that no branch names.

#include "tests/Pupil.h"

#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

class Spine : public CourseTest {};

// One pupil through the whole course, refused at least once on every lesson screen, with time passing
// at every tag. After each right press: the screen in front, its tag, title and one panel, the rows of every
// task, the outline, and where the screen stands. "Uvod" is selected before every press, so a press that
// lands on an even tag shows that it leaves the selection alone. At the end each step's time stands in its
// cell (step 7 lasts over an hour), and the total is their sum.
TEST_F(Spine, EveryPressMovesOneTagOnAndTheResultsHoldEveryStepsTime) {
    const struct {
        int tag;
        const char* screen; // in front after the press
        const char* panel;
        int step;            // of the title
        const char* outline; // selected on the pressed screen and on the one in front
        int lastTask;        // tasks up to this one are numbered and ticked
    } stops[] = {
        {0, "Form1", "Picture2", 1, "1. Korak", 0},     {1, "Form1", "Picture3", 1, "Uvod", 1},
        {2, "Form1", "Picture4", 2, "2. Korak", 2},     {3, "Form1", "Picture6", 2, "Uvod", 3},
        {4, "Form1", "Picture7", 3, "3. Korak", 5},     {5, "Form1", "Picture9", 3, "Uvod", 6},
        {6, "Form1", "Picture10", 4, "4. Korak", 7},    {7, "Form1", "Picture11", 4, "Uvod", 8},
        {8, "Form1", "Picture12", 5, "5. Korak", 10},   {9, "Form1", "Picture13", 5, "Uvod", 11},
        {10, "Form1", "Picture14", 6, "6. Korak", 12},  {11, "Form3", "Picture14", 6, "6. Korak", 14},
        {12, "Form3", "Picture1", 7, "7. Korak", 16},   {13, "Form3", "Picture2", 7, "Uvod", 17},
        {14, "Form3", "Picture3", 8, "8. Korak", 18},   {15, "Form3", "Picture4", 8, "Uvod", 19},
        {16, "Form3", "Picture6", 9, "9. Korak", 20},   {17, "Form3", "Picture7", 9, "Uvod", 21},
        {18, "Form3", "Picture9", 10, "10. Korak", 23}, {19, "Form4", "Picture7", 10, "10. Korak", 24},
        {20, "Form4", "Picture7", 10, "Uvod", 26},
    };
    Form1& main = enterCourse();
    const std::set<int> refusedFirst = {1, 4, 12, 19, 20}; // pressed once with nothing given
    EXPECT_EQ(stateOf(main),
              (QStringList{u"0"_s, u"Započni vežbu"_s, u"- Obraćanje učeniku -"_s, u"Picture1"_s}));
    EXPECT_EQ(selectedNode(*main.TreeView1), u"Uvod"_s);
    int stepSeconds[11] = {};
    int expectedRefusals = 0;
    for (const auto& stop : stops) {
        SCOPED_TRACE("press at tag " + std::to_string(stop.tag));
        course::LessonScreen& pressed = front();
        const int seconds = stop.tag == 13 ? 3605 : 50 + 7 * stop.tag;
        wait(seconds);
        stepSeconds[stop.tag == 0 ? 1 : (stop.tag + 1) / 2] += seconds;
        if (refusedFirst.contains(stop.tag)) {
            pressNapred();
            ASSERT_EQ(refusals(), ++expectedRefusals);
            ASSERT_EQ(frontTag(), stop.tag);
        }
        pressed.TreeView1->select(pressed.TreeView1->node(1));
        pressed.setLeft(150 * stop.tag);
        pressed.setTop(60 * stop.tag);

        solve(stop.tag);

        ASSERT_EQ(refusals(), expectedRefusals) << "the right answers were refused";
        EXPECT_EQ(front().objectName(), QString::fromLatin1(stop.screen));
        EXPECT_EQ(stateOf(front()),
                  (QStringList{QString::number(std::min(stop.tag + 1, 20)), u"Napred"_s,
                               u"- %1. Korak -"_s.arg(stop.step), QString::fromLatin1(stop.panel)}));
        EXPECT_EQ(selectedNode(*pressed.TreeView1), QString::fromLatin1(stop.outline));
        EXPECT_EQ(selectedNode(*front().TreeView1), QString::fromLatin1(stop.outline));
        expectRows(stop.lastTask + 1);
        // A hand-off puts the next screen where the pressed one stands, and hides that one.
        EXPECT_EQ(front().left(), 150 * stop.tag);
        EXPECT_EQ(front().top(), 60 * stop.tag);
        if (&front() != &pressed) {
            EXPECT_TRUE(pressed.isHidden());
            // The closing screen brings its last task into view as it comes up.
            EXPECT_TRUE(stop.tag != 19 || inView(*front().TreeView1, front().TreeView1->node(u"last"_s)));
        }
    }
    const auto clock = [](int s) {
        return QString::asprintf("%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
    };
    EXPECT_TRUE(program->form5().isVisible());
    int total = 0;
    for (int step = 1; step <= 10; ++step) {
        EXPECT_EQ(stepCell(step)->caption(), clock(stepSeconds[step])) << "step " << step;
        total += stepSeconds[step];
    }
    EXPECT_EQ(program->form5().Label25->caption(), clock(total));
}

// A tag that no branch names judges nothing: "Napred" only updates the outline, which finds a node only
// where the screen's outline has the key "n" and that tag. The closing screen acts on "20" alone. A click
// in code: the second and the closing screens are not shown yet.
TEST_F(Spine, APressAtATagNoBranchNamesJudgesNothing) {
    const struct {
        const char* name;
        Program::Screen screen;
        QString tag;
        const char* selectedAfter;
    } rows[] = {
        {"main screen, 01", Program::Screen::Form1, u"01"_s, "1. Korak"},
        {"main screen, 0 after a space", Program::Screen::Form1, u" 0"_s, "1. Korak"},
        {"main screen, a tag of the second", Program::Screen::Form1, u"12"_s, "1. Korak"},
        {"main screen, empty", Program::Screen::Form1, QString(), "1. Korak"},
        {"second screen, its design tag 0", Program::Screen::Form3, u"0"_s, "1. Korak"},
        {"second screen, 11 has a node", Program::Screen::Form3, u"11"_s, "6. Korak"},
        {"second screen, 012", Program::Screen::Form3, u"012"_s, "1. Korak"},
        {"second screen, 19 and a space", Program::Screen::Form3, u"19 "_s, "1. Korak"},
        {"closing screen, its design tag 0", Program::Screen::Form4, u"0"_s, "1. Korak"},
        {"closing screen, 020", Program::Screen::Form4, u"020"_s, "1. Korak"},
        {"closing screen, 20 and a space", Program::Screen::Form4, u"20 "_s, "1. Korak"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        enterCourse();
        course::LessonScreen& screen = lesson(row.screen);
        screen.TreeView1->select(screen.TreeView1->node(2));
        screen.Command1->setTag(row.tag);
        const QStringList before = stateOf(screen);

        screen.Command1->click();

        EXPECT_EQ(refusals(), 0);
        EXPECT_EQ(stateOf(screen), before);
        EXPECT_EQ(selectedNode(*screen.TreeView1), QString::fromLatin1(row.selectedAfter));
        EXPECT_EQ(front().objectName(), u"Form1"_s);
        expectRows(1);
    }
}

// A panel is empty until the pupil is about to see it or has the panel before it in view; then it gets
// its controls, once, however often its screen is shown again. So the course starts with only the
// introduction made.
TEST_F(Spine, APanelGetsItsControlsWhenFirstShownAndOnlyOnce) {
    Form1& main = enterCourse();
    Form3& second = program->form3();
    Form4& closing = program->form4();
    const auto controls = [](const QWidget* panel) { return panel->findChildren<QWidget*>().size(); };
    const qsizetype introduction = controls(main.Picture1);
    EXPECT_GT(introduction, 0);
    for (const QWidget* later : {main.Picture2, main.Picture14, second.Picture14, closing.Picture7}) {
        EXPECT_EQ(controls(later), 0) << later->objectName().toStdString();
    }
    main.hide();
    main.show();
    EXPECT_EQ(controls(main.Picture1), introduction);
    // A press on the closing screen before it has been shown judges the panel it will show, made for
    // the press, and refuses it.
    closing.Command1->setTag(u"20"_s);
    closing.Command1->click();
    EXPECT_EQ(refusals(), 1);
    EXPECT_GT(controls(closing.Picture7), 0);

    // While the pupil reads a painted panel, the next one is made, on the same screen or, from the
    // last panel of a screen, on the following one; nothing further.
    const auto read = [] {
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::processEvents();
        }
    };
    read();
    EXPECT_GT(controls(main.Picture2), 0);
    EXPECT_EQ(controls(main.Picture3), 0);
    walkTo(11);
    read();
    const qsizetype firstOfSecond = controls(second.Picture14);
    EXPECT_GT(firstOfSecond, 0);
    EXPECT_EQ(controls(second.Picture1), 0);

    walkTo(12); // the second screen comes up with the panel made already
    EXPECT_EQ(controls(second.Picture14), firstOfSecond);
    second.hide();
    second.show();
    EXPECT_EQ(controls(second.Picture14), firstOfSecond);
}
