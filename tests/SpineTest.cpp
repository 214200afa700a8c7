// The course spine: the progress tags from "0" to "20", what each press shows or refuses, the hand-offs
// between the lesson screens, the time of each step, and the presses that no branch names.

#include "tests/Pupil.h"

#include "toolkit/CheckBox.h"
#include "toolkit/ListView.h"
#include "toolkit/TextBox.h"

#include <QApplication>

using namespace Qt::StringLiterals;

class Spine : public CourseTest {};

// The walk is made once in each script; in Cyrillic, the pupil reads no Latin letter on any screen.
class SpineInScript : public Spine, public testing::WithParamInterface<content::Script> {
  protected:
    SpineInScript() { script = GetParam(); }
    void expectNoLatin(const QWidget& window) {
        if (script == content::Script::Cyrillic) {
            EXPECT_EQ(latinIn(window), QStringList()) << window.objectName().toStdString();
        }
    }
};

// One pupil through the whole course, with time passing at every tag and, before every right press, a
// press with nothing given. That press is refused with one warning owned by the screen in front, and
// leaves the tag, the panel, the title, the outline, the clocks and the results as they were; of the
// result rows only the number of the tag's first task goes in, before it is judged (at tag 4 that of
// task 5 too). After each right press: the screen in front with its tag, title and panel, the rows of
// every task and the outline. "Uvod" is selected before every press, so a press that lands on an even
// tag shows that it leaves the selection alone. Each step's time goes into its own cell at the press that
// ends it (tags 2, 4, ... 20) and the step clock starts again; no other press touches a cell or a clock.
// The first press lets the results strip slide down, 40 twips a tick for 25 ticks, and no later one.
TEST_P(SpineInScript, EveryTagRefusesNothingGivenThenMovesOnAndRecordsEachStepsTime) {
    const struct {
        int tag;
        int wait;            // seconds before the presses
        const char* screen;  // in front after the right press
        const char* panel;   // shown after it
        int step;            // of the title
        const char* outline; // selected on the pressed screen and on the one in front
        int lastTask;        // tasks up to this one are numbered and ticked
    } stops[] = {
        {0, 2, "Form1", "Picture2", 1, "1. Korak", 0},
        {1, 57, "Form1", "Picture3", 1, "Uvod", 1},
        {2, 1, "Form1", "Picture4", 2, "2. Korak", 2},
        {3, 3599, "Form1", "Picture6", 2, "Uvod", 3},
        {4, 1, "Form1", "Picture7", 3, "3. Korak", 5},
        {5, 10, "Form1", "Picture9", 3, "Uvod", 6},
        {6, 20, "Form1", "Picture10", 4, "4. Korak", 7},
        {7, 360'000, "Form1", "Picture11", 4, "Uvod", 8},
        {8, 5, "Form1", "Picture12", 5, "5. Korak", 10},
        {9, 61, "Form1", "Picture13", 5, "Uvod", 11},
        {10, 7, "Form1", "Picture14", 6, "6. Korak", 12},
        {11, 125, "Form3", "Picture14", 6, "6. Korak", 14},
        {12, 3, "Form3", "Picture1", 7, "7. Korak", 16},
        {13, 4, "Form3", "Picture2", 7, "Uvod", 17},
        {14, 600, "Form3", "Picture3", 8, "8. Korak", 18},
        {15, 9, "Form3", "Picture4", 8, "Uvod", 19},
        {16, 11, "Form3", "Picture6", 9, "9. Korak", 20},
        {17, 3661, "Form3", "Picture7", 9, "Uvod", 21},
        {18, 13, "Form3", "Picture9", 10, "10. Korak", 23},
        {19, 6, "Form4", "Picture7", 10, "10. Korak", 24},
        {20, 15, "Form4", "Picture7", 10, "Uvod", 26},
    };
    // Step 1 takes 60 s (a carry of seconds), step 2 one hour, step 4 a hundred hours and more.
    const QStringList expected = {"00:01:00", "01:00:00", "00:00:30", "100:00:05", "00:01:08", "00:02:08",
                                  "00:10:04", "00:00:20", "01:01:14", "00:00:21",  "102:16:50"};
    const auto shown = [this](const QString& latin) { return program->shown(latin); };
    program->start();
    expectNoLatin(program->form2());
    Form1& main = enterCourse();
    EXPECT_EQ(stateOf(main), (QStringList{u"0"_s, shown(u"Započni vežbu"_s),
                                          shown(u"- Obraćanje učeniku -"_s), u"Picture1"_s}));
    EXPECT_EQ(selectedNode(*main.TreeView1), shown(u"Uvod"_s));
    program->showAbout(main);
    expectNoLatin(*program->loaded(Program::Screen::Form6));
    program->unload(Program::Screen::Form6);
    QStringList written(11);
    int firstOpen = 1; // the first task not yet ticked
    for (const auto& stop : stops) {
        SCOPED_TRACE("tag " + std::to_string(stop.tag));
        course::LessonScreen& pressed = front();
        wait(stop.wait);
        const QString step = program->clocks().stepText(), total = program->clocks().totalText();
        pressed.TreeView1->select(pressed.TreeView1->node(1));
        const QStringList before = stateOf(pressed);
        if (stop.tag > 0) {
            pressNapred(); // nothing given
            ASSERT_EQ(refusals(), stop.tag);
            EXPECT_EQ(host.messages.back().owner, pressed.objectName());
            EXPECT_EQ(&front(), &pressed);
            EXPECT_EQ(stateOf(pressed), before);
            EXPECT_EQ(selectedNode(*pressed.TreeView1), shown(u"Uvod"_s));
            EXPECT_EQ(host.messages.back().title, shown(u"Paznja"_s));
            EXPECT_EQ(host.messages.back().prompt, shown(u"Zadatak nije rešen !"_s));
            EXPECT_EQ(program->clocks().stepText(), step);
            EXPECT_EQ(cells(), written);
            EXPECT_FALSE(program->form5().isVisible());
            expectRows(firstOpen, stop.tag == 4 ? std::set{4, 5} : std::set{firstOpen});
        }
        EXPECT_FALSE(main.Timer2->enabled()) << "the slide runs only after the first press";

        solve(stop.tag);
        expectNoLatin(pressed);

        ASSERT_EQ(refusals(), stop.tag) << "the right answers were refused";
        for (int tick = 1; stop.tag == 0 && tick <= 25; ++tick) {
            ASSERT_TRUE(main.Timer2->enabled()) << "stopped before tick " << tick;
            Q_EMIT main.Timer2->tick();
            EXPECT_EQ(main.picResult->top(), 5520 + 40 * tick) << "tick " << tick;
        }
        EXPECT_EQ(front().objectName(), QString::fromLatin1(stop.screen));
        EXPECT_EQ(stateOf(front()),
                  (QStringList{QString::number(std::min(stop.tag + 1, 20)), shown(u"Napred"_s),
                               shown(u"- %1. Korak -"_s).arg(stop.step), QString::fromLatin1(stop.panel)}));
        EXPECT_EQ(selectedNode(*pressed.TreeView1), shown(QString::fromUtf8(stop.outline)));
        EXPECT_EQ(selectedNode(*front().TreeView1), shown(QString::fromUtf8(stop.outline)));
        firstOpen = stop.lastTask + 1;
        expectRows(firstOpen);
        if (&front() != &pressed) {
            EXPECT_TRUE(pressed.isHidden());
            // The closing screen brings its last task into view as it comes up.
            EXPECT_TRUE(stop.tag != 19 || inView(*front().TreeView1, front().TreeView1->node(u"last"_s)));
        }
        const bool endsStep = stop.tag >= 2 && stop.tag % 2 == 0;
        if (endsStep) {
            written[stop.tag / 2 - 1] = expected[stop.tag / 2 - 1];
        }
        written[10] = stop.tag == 20 ? expected[10] : QString();
        EXPECT_EQ(cells(), written);
        EXPECT_EQ(program->clocks().stepText(), endsStep ? u"00:00:00"_s : step);
        EXPECT_EQ(program->clocks().totalText(), total);
    }
    Form5& results = program->form5();
    EXPECT_EQ(QApplication::activeModalWidget(), &results);
    EXPECT_EQ(results.owner(), &program->form4());
    EXPECT_TRUE(main.Timer1->enabled()) << "the main screen, long hidden, still ticks";
    EXPECT_EQ(main.picResult->top(), 6520);
    wait(100);
    EXPECT_EQ(program->clocks().totalText(), u"102:18:30"_s);
    EXPECT_EQ(cells(), expected);
    expectNoLatin(results);
}

INSTANTIATE_TEST_SUITE_P(, SpineInScript, testing::Values(content::Script::Latin, content::Script::Cyrillic),
                         [](const testing::TestParamInfo<content::Script>& run) {
                             return run.param == content::Script::Latin ? "Latin" : "Cyrillic";
                         });

// Of two tasks at one tag, the second is judged once the first has its tick, which a refusal by the
// second does not take away, however many presses it refuses. The next press judges the first again,
// and once both are right the course moves on (the last tag opens the results instead).
TEST_F(Spine, ARefusalByTheSecondTaskOfATagKeepsTheFirstsTickAndTheNextPressJudgesBoth) {
    const struct {
        int tag, first;                 // the tag and its first task
        const char *ofSecond, *ofFirst; // a control of each task, put wrong after the right answers
    } rows[] = {{4, 4, "Text33", "Text52"},   {8, 9, "Text48", "ListView3"}, {11, 13, "Label75", "Label64"},
                {12, 15, "Text5", "Label61"}, {18, 22, "Label69", "Check9"}, {20, 25, "Label81", "Label85"}};
    // A box emptied, a word or an option clicked once more, a check box ticked once more, or the first
    // entry of a list taken out.
    const auto putWrong = [this](const char* name) {
        QWidget* control = front().findChild<QWidget*>(QString::fromLatin1(name));
        if (auto* box = qobject_cast<toolkit::TextBox*>(control)) {
            pupil::type(box, QString());
        } else if (auto* check = qobject_cast<toolkit::CheckBox*>(control)) {
            pupil::tick(check);
        } else if (auto* list = qobject_cast<toolkit::ListView*>(control)) {
            list->remove(1);
        } else {
            pupil::click(control);
        }
    };
    constexpr int presses = 100;
    for (const auto& row : rows) {
        SCOPED_TRACE("tag " + std::to_string(row.tag));
        restart();
        enterCourse();
        ASSERT_NO_FATAL_FAILURE(walkTo(row.tag));
        course::LessonScreen& screen = front();
        const QStringList before = stateOf(screen);
        const std::set<int> both = {row.first, row.first + 1};

        ASSERT_TRUE(pupil::giveRightAnswers(*program, row.tag));
        putWrong(row.ofSecond);
        for (int i = 0; i < presses; ++i) {
            pressNapred();
        }
        ASSERT_EQ(refusals(), presses);
        EXPECT_EQ(stateOf(screen), before);
        expectRows(row.first, both, {row.first});

        ASSERT_TRUE(pupil::giveRightAnswers(*program, row.tag));
        putWrong(row.ofFirst);
        pressNapred();
        ASSERT_EQ(refusals(), presses + 1);
        EXPECT_EQ(stateOf(screen), before);
        expectRows(row.first, both, {row.first});

        solve(row.tag);
        EXPECT_EQ(refusals(), presses + 1);
        EXPECT_TRUE(row.tag == 20 ? program->form5().isVisible() : frontTag() == row.tag + 1);
        expectRows(row.first + 2);
    }
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
        {"main screen, a tag of the second", Program::Screen::Form1, u"12"_s, "1. Korak"},
        {"main screen, empty", Program::Screen::Form1, QString(), "1. Korak"},
        {"second screen, its design tag 0", Program::Screen::Form3, u"0"_s, "1. Korak"},
        {"second screen, 11 has a node", Program::Screen::Form3, u"11"_s, "6. Korak"},
        {"second screen, 19 and a space", Program::Screen::Form3, u"19 "_s, "1. Korak"},
        {"closing screen, its design tag 0", Program::Screen::Form4, u"0"_s, "1. Korak"},
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
    ASSERT_NO_FATAL_FAILURE(walkTo(11));
    read();
    const qsizetype firstOfSecond = controls(second.Picture14);
    EXPECT_GT(firstOfSecond, 0);
    EXPECT_EQ(controls(second.Picture1), 0);

    ASSERT_NO_FATAL_FAILURE(walkTo(12)); // the second screen comes up with the panel made already
    EXPECT_EQ(controls(second.Picture14), firstOfSecond);
}
