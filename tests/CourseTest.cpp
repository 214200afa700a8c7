#include "tests/Pupil.h"

#include "screens/auxiliary/Form2.h"
#include "screens/main/Form1.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/Timer.h"

void CourseTest::SetUp() {
    program = std::make_unique<Program>(host);
    program->setClockSource([this] { return nowMs; });
}

void CourseTest::TearDown() {
    program.reset();
}

Form1& CourseTest::enterCourse() {
    program->start();
    pupil::click(program->form2().Label1);
    return program->form1();
}

toolkit::Form& CourseTest::front() const {
    for (auto screen : {Program::Screen::Form4, Program::Screen::Form3, Program::Screen::Form1}) {
        if (toolkit::Form* form = program->loaded(screen); form && form->isVisible()) {
            return *form;
        }
    }
    ADD_FAILURE() << "no lesson screen is in front";
    return program->form1();
}

int CourseTest::frontTag() const {
    return static_cast<course::LessonScreen&>(front()).Command1->tag().toInt();
}

void CourseTest::pressNapred() {
    pupil::click(static_cast<course::LessonScreen&>(front()).Command1);
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
