// The course outline on the three lesson screens, a display only: a click brings the selection home.

#include "tests/Pupil.h"

#include "toolkit/TreeView.h"

#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

class Outline : public CourseTest {};

// The same 37 nodes on every lesson screen, each task under its open step; each keys only the steps it
// runs (the closing screen its last task too), and keeps them open but for the closing screen.
TEST_F(Outline, EveryLessonScreenHoldsTheWholeCourseAndKeysTheStepsItRuns) {
    const std::pair<Program::Screen, std::map<QString, int>> rows[] = {
        // the keys and their positions
        {Program::Screen::Form1, {{"n1", 2}, {"n3", 5}, {"n5", 9}, {"n7", 12}, {"n9", 16}, {"n11", 19}}},
        {Program::Screen::Form3, {{"n11", 19}, {"n13", 24}, {"n15", 27}, {"n17", 30}, {"n19", 34}}},
        {Program::Screen::Form4, {{"n19", 34}, {"last", 37}}},
    };
    constexpr int firstTask[11] = {1, 3, 6, 8, 11, 13, 17, 19, 21, 24, 27}; // of each step, and one past
    QStringList expected = {u"Uvod"_s};
    for (int step = 1; step <= 10; ++step) {
        expected << u"%1. Korak, open"_s.arg(step);
        for (int task = firstTask[step - 1]; task < firstTask[step]; ++task) {
            expected << u"%1. Korak / Zadatak %2"_s.arg(step).arg(task);
        }
    }
    enterCourse();
    for (const auto& [screen, keys] : rows) {
        toolkit::TreeView& view = *lesson(screen).TreeView1;
        SCOPED_TRACE(view.window()->objectName().toStdString());
        QStringList nodes;
        for (int position = 0; position <= 38; ++position) {
            if (const toolkit::TreeView::Node* node = view.node(position)) {
                nodes << (node->parent() ? node->parent()->text(0) + u" / "_s : QString()) + node->text(0) +
                             (node->isExpanded() ? u", open"_s : QString());
            }
        }
        EXPECT_EQ(nodes, expected);
        EXPECT_EQ(selectedNode(view), u"Uvod"_s);
        for (int tag = -1; tag <= 22; ++tag) { // a key for every tag, and "last"
            const QString key = tag == 22 ? u"last"_s : u"n%1"_s.arg(tag);
            EXPECT_EQ(view.node(key), keys.contains(key) ? view.node(keys.at(key)) : nullptr)
                << key.toStdString();
        }
        for (int position : {2, 19, 34}) { // the first step, the step of the hand-off, the last step
            view.collapseItem(view.node(position));
            EXPECT_EQ(view.node(position)->isExpanded(), screen != Program::Screen::Form4) << position;
        }
    }
}

// A click on any node selects the node at the outline's home position and scrolls it into view: "Uvod"
// on the main screen, "Zadatak 7" on the second. The closing screen leaves the click alone.
TEST_F(Outline, AClickOnANodeOnlyBringsTheSelectionHome) {
    const std::tuple<const char*, int, int, const char*> rows[] = {
        // the tag walked to, the node clicked
        {"Zadatak 26 on the main screen", 0, 37, "Uvod"},
        {"Zadatak 26 on the second screen", 12, 37, "Zadatak 7"},
        {"Zadatak 25 on the closing screen", 20, 36, "Zadatak 25"},
    };
    enterCourse();
    for (const auto& [name, tag, position, selected] : rows) {
        SCOPED_TRACE(name);
        walkTo(tag);
        toolkit::TreeView& view = *front().TreeView1;
        toolkit::TreeView::Node* clicked = view.node(position);
        view.scrollToItem(clicked);

        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualItemRect(clicked).center());

        EXPECT_EQ(selectedNode(view), QString::fromLatin1(selected));
        EXPECT_TRUE(inView(view, view.selected()));
    }
}
