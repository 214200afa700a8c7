#include "tests/Pupil.h"

#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Timer.h"

#include <QCoreApplication>

void CourseTest::SetUp() {
    program = std::make_unique<Program>(host);
    program->setClockSource([this] { return nowMs; });
}

void CourseTest::TearDown() {
    program.reset();
}

void CourseTest::restart() {
    TearDown();
    host.messages.clear();
    nowMs = 0;
    SetUp();
}

Form1& CourseTest::enterCourse() {
    program->start();
    pupil::click(program->form2().Label1);
    return program->form1();
}

course::LessonScreen& CourseTest::front() const {
    for (auto screen : {Program::Screen::Form4, Program::Screen::Form3, Program::Screen::Form1}) {
        if (toolkit::Form* form = program->loaded(screen); form && form->isVisible()) {
            return static_cast<course::LessonScreen&>(*form);
        }
    }
    ADD_FAILURE() << "no lesson screen is in front";
    return program->form1();
}

int CourseTest::frontTag() const {
    return front().Command1->tag().toInt();
}

course::LessonScreen& CourseTest::lesson(Program::Screen which) {
    if (which == Program::Screen::Form3) {
        return program->form3();
    }
    if (which == Program::Screen::Form4) {
        return program->form4();
    }
    return program->form1();
}

void CourseTest::pressNapred() {
    pupil::click(front().Command1);
}

void CourseTest::wait(int seconds) {
    nowMs += 1000LL * seconds;
    Q_EMIT program->form1().Timer1->tick();
}

void CourseTest::solve(int tag) {
    EXPECT_TRUE(pupil::giveRightAnswers(*program, tag)) << "a word of tag " << tag << " could not be picked";
    pressNapred();
}

void CourseTest::walkTo(int tag) {
    while (frontTag() < tag) {
        const int before = frontTag();
        solve(before);
        if (front().objectName() == QStringLiteral("Form4") && before == 20) {
            return;
        }
        ASSERT_NE(frontTag(), before) << "the right answers of tag " << before << " were refused";
    }
}

QStringList CourseTest::stateOf(const course::LessonScreen& screen) {
    QStringList state = {screen.Command1->tag(), screen.Command1->caption(), screen.Label1->caption()};
    for (const toolkit::PictureBox* box :
         screen.findChildren<toolkit::PictureBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (box != screen.picResult && box != screen.Picture5 && box != screen.Picture8 && !box->isHidden()) {
            state.append(box->objectName());
        }
    }
    return state;
}

QString CourseTest::selectedNode(const toolkit::TreeView& tree) {
    return tree.selected() ? tree.selected()->text(0) : QStringLiteral("(none)");
}

bool CourseTest::inView(const toolkit::TreeView& tree, toolkit::TreeView::Node* node) {
    const QRect place = tree.visualItemRect(node);
    return place.isValid() && tree.viewport()->rect().contains(place);
}

void CourseTest::expectRows(int firstOpen, const std::set<int>& numbered, const std::set<int>& ticked) {
    const std::pair<course::LessonScreen*, int> screens[] = {
        {&program->form1(), 12}, {&program->form3(), 23}, {&program->form4(), 26}};
    for (int task = 1; task <= 26; ++task) {
        const bool number = task < firstOpen || numbered.contains(task);
        const bool tick = task < firstOpen || ticked.contains(task);
        for (const auto& [screen, lastRow] : screens) {
            SCOPED_TRACE(screen->objectName().toStdString() + ", row of task " + std::to_string(task));
            if (task > lastRow) {
                EXPECT_EQ(screen->results.rowLabel(task), nullptr);
                continue;
            }
            EXPECT_EQ(screen->results.rowLabel(task)->caption(), number ? QString::number(task) : QString());
            EXPECT_EQ(screen->results.rowImage(task)->hasPicture(), tick);
        }
    }
}

QStringList CourseTest::cells() {
    QStringList texts;
    Form5& r = program->form5();
    for (const toolkit::Label* cell : {r.Label14, r.Label15, r.Label16, r.Label17, r.Label18, r.Label19,
                                       r.Label20, r.Label21, r.Label22, r.Label23, r.Label25}) {
        texts << cell->caption();
    }
    return texts;
}

void CourseTest::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
