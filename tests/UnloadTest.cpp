// Leaving the course from a lesson screen: "Izlaz" and closing the window end the program and take the
// screens down in one order; "O programu" opens the About screen over the screen that asked.

#include "tests/Pupil.h"

#include "screens/auxiliary/Form6.h"
#include "toolkit/CommandButton.h"

#include <QApplication>
#include <QPointer>

#include <algorithm>

class Unload : public CourseTest {};

// Either way out, on each lesson screen, ends the program: every screen is out of sight at once, and
// they go from the About screen back to the main screen. With the splash made again and the About
// screen open ("Izlaz" clicked in code past it), their places in that order show too.
TEST_F(Unload, IzlazAndClosingTheWindowEndTheProgramTakingTheScreensDownInOrder) {
    for (const int tag : {3, 13, 20}) { // the main, the second and the closing screen in front
        for (const bool close : {false, true}) {
            for (const bool allSix : {false, true}) {
                restart();
                enterCourse();
                walkTo(tag);
                course::LessonScreen& screen = front();
                SCOPED_TRACE(screen.objectName().toStdString() + (close ? ", window closed" : ", Izlaz") +
                             (allSix ? ", the splash and the About screen loaded" : ""));
                if (allSix) {
                    program->form2();
                    pupil::click(screen.Command3);
                }
                QStringList gone;
                const QObject watching; // the record ends with the row
                QList<QPointer<toolkit::Form>> watched;
                for (int which = 0; which < 6; ++which) {
                    if (toolkit::Form* form = program->loaded(static_cast<Program::Screen>(which))) {
                        watched.append(form);
                        QObject::connect(form, &QObject::destroyed, &watching,
                                         [&gone, screenName = form->objectName()] { gone << screenName; });
                    }
                }

                if (close) {
                    screen.close();
                } else {
                    screen.Command2->click();
                }

                EXPECT_TRUE(program->ended());
                EXPECT_TRUE(std::ranges::all_of(watched, [](const auto& form) {
                    return form && form->isHidden();
                })) << "a screen still in sight, or deleted at once";
                flushDeletes();
                EXPECT_EQ(gone, (allSix ? QStringList{"Form6", "Form5", "Form4", "Form3", "Form2", "Form1"}
                                        : QStringList{"Form5", "Form4", "Form3", "Form1"}));
            }
        }
    }
}

// "O programu" on each lesson screen opens the About screen over it, modal, and "OK" leaves it as it was.
TEST_F(Unload, OProgramuOpensTheAboutScreenOverTheLessonScreenThatAsked) {
    enterCourse();
    for (const int tag : {3, 13, 20}) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        walkTo(tag);
        course::LessonScreen& screen = front();
        const QStringList before = stateOf(screen);

        pupil::click(screen.Command3);

        auto* about = static_cast<Form6*>(program->loaded(Program::Screen::Form6));
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->owner(), &screen);
        EXPECT_EQ(QApplication::activeModalWidget(), about);
        pupil::click(about->Command1);
        EXPECT_FALSE(program->isLoaded(Program::Screen::Form6));
        EXPECT_EQ(stateOf(screen), before);
    }
}
