// The course outline on the three lesson screens, a display only: a click brings the selection home.

#include "tests/Pupil.h"

#include <QTest>

using namespace Qt::StringLiterals;

class Outline : public CourseTest {};

// The same 37 nodes on every lesson screen, each task under its step, the steps kept open but for the
// closing screen. A click on any node selects the node at the outline's home position and scrolls it
// into view: "Uvod" on the main screen, "Zadatak 7" on the second; the closing screen leaves the click
// alone. The nodes the keys name are followed in the spine.
TEST_F(Outline, EveryLessonScreenHoldsTheWholeCourseAndAClickOnlyBringsTheSelectionHome) {
    const std::tuple<const char*, int, int, const char*> rows[] = {
        // the tag walked to, the node clicked, the node selected after
        {"Zadatak 26 on the main screen", 0, 37, "Uvod"},
        {"Zadatak 26 on the second screen", 12, 37, "Zadatak 7"},
        {"Zadatak 25 on the closing screen", 20, 36, "Zadatak 25"},
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
    for (const auto& [name, tag, position, selected] : rows) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(walkTo(tag));
        toolkit::TreeView& view = *front().TreeView1;
        QStringList nodes;
        for (int at = 0; at <= 38; ++at) {
            if (const toolkit::TreeView::Node* node = view.node(at)) {
                nodes << (node->parent() ? node->parent()->text(0) + u" / "_s : QString()) + node->text(0) +
                             (node->isExpanded() ? u", open"_s : QString());
            }
        }
        EXPECT_EQ(nodes, expected);

        toolkit::TreeView::Node* clicked = view.node(position);
        view.scrollToItem(clicked);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualItemRect(clicked).center());
        EXPECT_EQ(selectedNode(view), QString::fromLatin1(selected));
        EXPECT_TRUE(inView(view, view.selected()));

        for (int step : {2, 19, 34}) { // the first step, the step of the hand-off, the last step
            view.collapseItem(view.node(step));
            EXPECT_EQ(view.node(step)->isExpanded(), tag != 20) << step;
        }
    }
}
