// What a screen reader is told of the controls of every panel of the course, read through Qt's own
// accessibility interfaces, which AT-SPI on Debian and UI Automation on Windows both ask: every control a
// pupil reaches by Tab has a name and a role that acts, every word, option and check box says whether it
// is marked, ringed or ticked as the pupil sees it, and nothing of a hidden panel is offered.
#include "tests/Pupil.h"

#include "toolkit/CheckBox.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"

#include <QAccessible>

#include <map>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// The roles of controls that act, as a screen reader announces them.
bool acts(QAccessible::Role role) {
    return role == QAccessible::PushButton || role == QAccessible::CheckBox ||
           role == QAccessible::RadioButton || role == QAccessible::Link ||
           role == QAccessible::EditableText || role == QAccessible::List || role == QAccessible::Tree ||
           role == QAccessible::Table;
}

class AccessibleTree : public CourseTest {
  protected:
    // How many of each kind of control were checked along the walk: none of them may be missing.
    std::map<std::string, int> seen;

    // Checks the window in front as told; returns how many controls it checked.
    int expectToldRightly(QWidget& window) {
        int checked = 0;
        const QList<QAccessibleInterface*> all = pupil::offered(window);
        for (QAccessibleInterface* node : all) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface* child = node->child(i);
                EXPECT_TRUE(child && child->parent() &&
                            QAccessible::uniqueId(child->parent()) == QAccessible::uniqueId(node))
                    << "a child of " << node->text(QAccessible::Name).toStdString() << " has another parent";
            }
        }
        for (QAccessibleInterface* accessible : all) {
            auto* control = qobject_cast<QWidget*>(accessible->object());
            if (!control || control == &window) {
                continue;
            }
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_TRUE(control->isVisible()) << "offered, but hidden";
            const QAccessible::Role role = accessible->role();
            const QAccessible::State state = accessible->state();
            if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled()) {
                EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
                    << "reached by Tab, unnamed";
                EXPECT_TRUE(acts(role)) << "reached by Tab, but role " << role;
                ++checked;
            }
            if (auto* label = qobject_cast<toolkit::Label*>(control)) {
                switch (label->role()) {
                case toolkit::Label::Role::Word:
                    ++seen[label->checked() ? "marked word" : "word"];
                    EXPECT_EQ(role, QAccessible::CheckBox);
                    EXPECT_EQ(state.checked, label->checked()) << "marked or not";
                    break;
                case toolkit::Label::Role::Option:
                    ++seen[label->checked() ? "ringed option" : "option"];
                    EXPECT_EQ(role, label->exclusive() ? QAccessible::RadioButton : QAccessible::CheckBox);
                    EXPECT_EQ(state.checked, label->checked()) << "ringed or not";
                    break;
                case toolkit::Label::Role::Link:
                    ++seen["link"];
                    EXPECT_EQ(role, QAccessible::Link);
                    break;
                case toolkit::Label::Role::Caption:
                    EXPECT_EQ(role, QAccessible::StaticText);
                    break;
                }
            } else if (auto* box = qobject_cast<toolkit::CheckBox*>(control)) {
                ++seen[box->value() == 1 ? "ticked box" : "check box"];
                EXPECT_EQ(role, QAccessible::CheckBox);
                EXPECT_EQ(state.checked, box->value() == 1) << "ticked or not";
            } else if (qobject_cast<toolkit::TextBox*>(control) ||
                       qobject_cast<toolkit::TextArea*>(control)) {
                ++seen[qobject_cast<toolkit::TextArea*>(control) ? "reading text" : "answer box"];
                EXPECT_EQ(role, QAccessible::EditableText);
                EXPECT_EQ(state.readOnly, qobject_cast<toolkit::TextArea*>(control) != nullptr);
            }
        }
        return checked;
    }
};

// The task of a control, as a screen reader introduces it: the nearest group or panel named after a task.
QString taskOf(QAccessibleInterface* control) {
    for (QAccessibleInterface* up = control->parent(); up; up = up->parent()) {
        const QString name = up->text(QAccessible::Name);
        if ((up->role() == QAccessible::Grouping || up->role() == QAccessible::Pane) &&
            name.startsWith(u"ZADATAK")) {
            return name.section(u':', 0, 0);
        }
    }
    return {};
}

// Where two tasks share a panel, the controls of the second are introduced by their own task.
TEST_F(AccessibleTree, EachControlOfAPanelOfTwoTasksIsIntroducedByItsOwnTask) {
    const struct {
        int tag;
        QString control;
        QString task;
    } rows[] = {
        {4, u"Text52"_s, u"ZADATAK 4"_s},    {4, u"Text33"_s, u"ZADATAK 5"_s},
        {8, u"Text46"_s, u"ZADATAK 9"_s},    {8, u"Text47"_s, u"ZADATAK 10"_s},
        {18, u"Check1"_s, u"ZADATAK 22"_s},  {18, u"Label69"_s, u"ZADATAK 23"_s},
        {18, u"Label70"_s, u"ZADATAK 23"_s},
    };
    for (const auto& row : rows) {
        restart();
        enterCourse();
        walkTo(row.tag);
        SCOPED_TRACE(row.control.toStdString());
        auto* control = front().findChild<QWidget*>(row.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(taskOf(QAccessible::queryAccessibleInterface(control)), row.task);
    }
}

// From the introduction to the closing tasks, before and after each tag's answers are given.
TEST_F(AccessibleTree, EveryPanelTellsWhatEachOfItsControlsIsAndHowItStands) {
    enterCourse();
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        ASSERT_EQ(frontTag(), tag);
        EXPECT_GE(expectToldRightly(front()), 3) << "Napred, Izlaz and O programu at least";
        ASSERT_TRUE(pupil::giveRightAnswers(*program, tag));
        expectToldRightly(front());
        if (tag < 20) {
            pressNapred();
        }
    }
    for (const char* kind : {"word", "marked word", "option", "ringed option", "link", "check box",
                             "ticked box", "reading text", "answer box"}) {
        EXPECT_GT(seen[kind], 0) << "no " << kind << " was checked";
    }
}

} // namespace
