// The course outline on the three lesson screens, a display only: a click brings the selection home.

#include "tests/Pupil.h"

#include <QTest>

class Outline : public CourseTest {};

// A click on any node selects the node at the outline's home position and scrolls it into view: "Uvod"
// on the main screen, "Zadatak 7" on the second; the closing screen leaves the click alone. The steps
// stay open but on the closing screen. The nodes the keys name are followed in the spine.
TEST_F(Outline, AClickOnlyBringsTheSelectionHomeAndTheStepsStayOpen) {
    const std::tuple<const char*, int, int, const char*> rows[] = {
        // the tag walked to, the node clicked, the node selected after
        {"Zadatak 26 on the main screen", 0, 37, "Uvod"},
        {"Zadatak 26 on the second screen", 12, 37, "Zadatak 7"},
        {"Zadatak 25 on the closing screen", 20, 36, "Zadatak 25"},
    };
    enterCourse();
    for (const auto& [name, tag, position, selected] : rows) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(walkTo(tag));
        toolkit::TreeView& view = *front().TreeView1;
        toolkit::TreeView::Node* clicked = view.node(position);
        view.scrollToItem(clicked);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualItemRect(clicked).center());
        EXPECT_EQ(selectedNode(view), QString::fromLatin1(selected));
        EXPECT_TRUE(inView(view, view.selected()));

        for (int step : {2, 19, 34}) { // the first step, the step of the hand-off, the last step
            EXPECT_TRUE(view.node(step)->isExpanded()) << step;
            view.collapseItem(view.node(step));
            EXPECT_EQ(view.node(step)->isExpanded(), tag != 20) << step;
        }
    }
}
