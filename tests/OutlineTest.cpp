// The course outline on the three lesson screens: its nodes and keys, kept fully expanded, and a
// display only: a click brings the selection back home.

#include "tests/Pupil.h"

#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/TreeView.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The outline in the order its nodes are added; a node's 1-based place is its index.
const char* const outline[37] = {
    "Uvod",       "1. Korak",   "Zadatak 1",  "Zadatak 2",  "2. Korak",   "Zadatak 3",  "Zadatak 4",
    "Zadatak 5",  "3. Korak",   "Zadatak 6",  "Zadatak 7",  "4. Korak",   "Zadatak 8",  "Zadatak 9",
    "Zadatak 10", "5. Korak",   "Zadatak 11", "Zadatak 12", "6. Korak",   "Zadatak 13", "Zadatak 14",
    "Zadatak 15", "Zadatak 16", "7. Korak",   "Zadatak 17", "Zadatak 18", "8. Korak",   "Zadatak 19",
    "Zadatak 20", "9. Korak",   "Zadatak 21", "Zadatak 22", "Zadatak 23", "10. Korak",  "Zadatak 24",
    "Zadatak 25", "Zadatak 26"};

bool isStep(int position) {
    return QByteArray(outline[position - 1]).endsWith("Korak");
}

QString selectedNode(const toolkit::TreeView& tree) {
    return tree.selected() ? tree.selected()->text(0) : u"(none)"_s;
}

bool inView(const toolkit::TreeView& tree, toolkit::TreeView::Node* node) {
    const QRect place = tree.visualItemRect(node);
    return place.isValid() && tree.viewport()->rect().contains(place);
}

} // namespace

class Outline : public CourseTest {
  protected:
    void restart() {
        TearDown();
        host.messages.clear();
        SetUp();
    }
    toolkit::TreeView& tree(const char* screen) {
        if (QByteArray(screen) == "Form1") {
            return *program->form1().TreeView1;
        }
        if (QByteArray(screen) == "Form3") {
            return *program->form3().TreeView1;
        }
        return *program->form4().TreeView1;
    }
};

// The same 37 nodes on every lesson screen, each task under its step; each screen keys only the steps it
// runs, and the closing screen its last task.
TEST_F(Outline, EveryLessonScreenHoldsTheWholeCourseAndKeysTheStepsItRuns) {
    struct Row {
        const char* screen;
        std::vector<std::pair<const char*, int>> keys; // key, position
    };
    const Row rows[] = {
        {"Form1", {{"n1", 2}, {"n3", 5}, {"n5", 9}, {"n7", 12}, {"n9", 16}, {"n11", 19}}},
        {"Form3", {{"n11", 19}, {"n13", 24}, {"n15", 27}, {"n17", 30}, {"n19", 34}}},
        {"Form4", {{"n19", 34}, {"last", 37}}},
    };
    QStringList probes = {u"last"_s, u"n"_s, QString(), u"N1"_s, u"n01"_s, u"Uvod"_s, u"1. Korak"_s};
    for (int tag = 0; tag <= 21; ++tag) {
        probes.append(u"n"_s + QString::number(tag));
    }
    enterCourse();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.screen);
        toolkit::TreeView& view = tree(row.screen);
        ASSERT_EQ(view.count(), 37);
        ASSERT_EQ(view.topLevelItemCount(), 11);
        toolkit::TreeView::Node* step = nullptr;
        for (int position = 1; position <= 37; ++position) {
            SCOPED_TRACE(outline[position - 1]);
            toolkit::TreeView::Node* node = view.node(position);
            ASSERT_NE(node, nullptr);
            EXPECT_EQ(node->text(0), QString::fromUtf8(outline[position - 1]));
            if (position == 1 || isStep(position)) {
                EXPECT_EQ(node->parent(), nullptr);
                step = isStep(position) ? node : nullptr;
                EXPECT_EQ(node->isExpanded(), position != 1);
            } else {
                EXPECT_EQ(node->parent(), step);
                EXPECT_EQ(node->childCount(), 0);
            }
        }
        for (const QString& key : std::as_const(probes)) {
            SCOPED_TRACE("key \"" + key.toStdString() + "\"");
            int expected = 0;
            for (const auto& [k, position] : row.keys) {
                if (key == QLatin1StringView(k)) {
                    expected = position;
                }
            }
            EXPECT_EQ(view.node(key), expected ? view.node(expected) : nullptr);
        }
        // The course has not yet reached the second and the closing screens: all of them show "Uvod".
        EXPECT_EQ(selectedNode(view), u"Uvod"_s);
    }
}

// Lookups that find nothing give no node, and a missing node changes nothing.
TEST_F(Outline, LookingUpANodeThatIsNotThereIsHarmless) {
    enterCourse();
    for (const char* screen : {"Form1", "Form3", "Form4"}) {
        SCOPED_TRACE(screen);
        toolkit::TreeView& view = tree(screen);
        view.select(view.node(9));
        for (int position : {0, -1, 38, 1000}) {
            EXPECT_EQ(view.node(position), nullptr) << position;
            view.select(view.node(position));
            view.expand(view.node(position));
            view.ensureVisible(view.node(position));
        }
        for (const QString& key : {u"n2"_s, u"n20"_s, QString(), u"x"_s}) {
            view.select(view.node(key));
            view.ensureVisible(view.node(key));
        }
        EXPECT_EQ(selectedNode(view), u"3. Korak"_s);
    }
}

// Collapsing a step, by code or by the pupil's Left key, leaves it open on the main and the second
// screen; the closing screen has no such rule.
TEST_F(Outline, TheOutlineStaysExpandedExceptOnTheClosingScreen) {
    struct Row {
        const char* screen;
        bool staysOpen;
    };
    const Row rows[] = {{"Form1", true}, {"Form3", true}, {"Form4", false}};
    enterCourse();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.screen);
        toolkit::TreeView& view = tree(row.screen);
        for (int position = 2; position <= 37; ++position) {
            if (!isStep(position)) {
                continue;
            }
            SCOPED_TRACE(outline[position - 1]);
            ASSERT_NE(view.node(position), nullptr);
            view.collapseItem(view.node(position));
            EXPECT_EQ(view.node(position)->isExpanded(), row.staysOpen);
        }
    }

    // The pupil's Left key, on the screen in front.
    walkTo(1);
    toolkit::TreeView& main = tree("Form1");
    ASSERT_NE(main.node(u"n5"_s), nullptr);
    main.setCurrentItem(main.node(u"n5"_s));
    QTest::keyClick(&main, Qt::Key_Left);
    EXPECT_TRUE(main.node(u"n5"_s)->isExpanded());

    walkTo(20);
    toolkit::TreeView& closing = tree("Form4");
    ASSERT_NE(closing.node(u"n19"_s), nullptr);
    closing.expandItem(closing.node(u"n19"_s));
    closing.setCurrentItem(closing.node(u"n19"_s));
    QTest::keyClick(&closing, Qt::Key_Left);
    EXPECT_FALSE(closing.node(u"n19"_s)->isExpanded());
}

// A click on any node selects the node at the outline's home position and scrolls it into view: node 1
// "Uvod" on the main screen, node 11 "Zadatak 7" on the second. The closing screen leaves the click alone.
TEST_F(Outline, AClickOnANodeOnlyBringsTheSelectionHome) {
    struct Row {
        const char* name;
        const char* screen;
        int tag; // the course is walked to this tag, so that the screen is in front
        int clicked;
        const char* selected;
    };
    const Row rows[] = {
        {"4. Korak on the main screen at tag 7", "Form1", 7, 12, "Uvod"},
        {"Zadatak 26 on the main screen", "Form1", 0, 37, "Uvod"},
        {"6. Korak on the second screen", "Form3", 12, 19, "Zadatak 7"},
        {"10. Korak on the second screen", "Form3", 15, 34, "Zadatak 7"},
        {"Zadatak 26 on the second screen", "Form3", 18, 37, "Zadatak 7"},
        {"Zadatak 25 on the closing screen", "Form4", 20, 36, "Zadatak 25"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        enterCourse();
        walkTo(row.tag);
        toolkit::TreeView& view = tree(row.screen);
        ASSERT_TRUE(view.isVisible());
        // Scrolled to the other end, so that bringing the home node into view is seen.
        row.clicked > 18 ? view.scrollToBottom() : view.scrollToTop();
        toolkit::TreeView::Node* clicked = view.node(row.clicked);
        ASSERT_NE(clicked, nullptr);
        view.scrollToItem(clicked);
        ASSERT_TRUE(inView(view, clicked));

        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.visualItemRect(clicked).center());

        ASSERT_NE(view.selected(), nullptr);
        EXPECT_EQ(selectedNode(view), QString::fromLatin1(row.selected));
        EXPECT_TRUE(inView(view, view.selected()));
        EXPECT_EQ(frontTag(), row.tag);
    }
}
