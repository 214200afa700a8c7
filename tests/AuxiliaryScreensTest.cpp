// The splash screen, the results screen and the About screen, and the ways out of the course.
#include "tests/Pupil.h"

#include "screens/auxiliary/Form6.h"
#include "toolkit/TextArea.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Screen = Program::Screen;
using SplashEvent = std::function<void(Form2&)>;

// A click at a point of the splash given in twips, delivered to whatever control lies under it.
SplashEvent clickAt(int x, int y) {
    return [=](Form2& splash) {
        QTest::mouseClick(splash.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(toolkit::pixels(x), toolkit::pixels(y)));
    };
}

class AuxiliaryScreens : public CourseTest {
  protected:
    Form6* about() const { return static_cast<Form6*>(program->loaded(Screen::Form6)); }
};

// The main screen is put out of view between two events, so that a second leaving would show.
TEST_F(AuxiliaryScreens, SplashLeavesOnceByTheTimerOrAClickAnywhereOnIt) {
    const SplashEvent timer = [](Form2& splash) { Q_EMIT splash.Timer1->tick(); };
    const SplashEvent clickTitle = [](Form2& splash) { pupil::click(splash.Label1); };
    const struct {
        const char* name;
        SplashEvent first, second; // the second may be empty
    } rows[] = {
        {"the four seconds", timer, {}},
        {"a click on the red ellipse falls through to the picture", clickAt(6000, 3000), {}},
        {"a click on the title box beside the title", clickAt(2800, 950), {}},
        {"a click on the image", clickAt(1200, 1800), {}},
        {"a click, then the four seconds", clickTitle, timer},
        {"the four seconds, then a click", timer, clickTitle},
    };
    program->start();
    const QPoint titleBox = toolkit::twipsRect(2800, 950, 1, 1).topLeft();
    EXPECT_EQ(program->form2().grab().toImage().pixel(titleBox), qRgb(0xE0, 0xE0, 0xE0))
        << "title box colour";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        program->start();
        const QPointer<Form2> splash = &program->form2();
        EXPECT_EQ(splash->Timer1->interval(), 4000);
        EXPECT_FALSE(program->isLoaded(Screen::Form1)) << "the main screen comes only with the leaving";
        row.first(*splash);
        const QPointer<toolkit::Form> main = program->loaded(Screen::Form1);
        ASSERT_TRUE(main && main->isVisible());
        if (row.second) {
            main->hide();
            row.second(*splash);
            EXPECT_FALSE(main->isVisible()) << "the splash left a second time";
        }
        flushDeletes();
        EXPECT_TRUE(splash.isNull());
        EXPECT_EQ(program->loaded(Screen::Form1), main.data()) << "a second main screen";
    }
}

// Either way out, "Izlaz" or closing the window, on each lesson screen and on the results screen, ends
// the program: every screen is out of sight at once, and they go from the About screen back to the main
// screen. With the splash made again and the About screen open ("Izlaz" clicked in code past it), their
// places in that order show too.
TEST_F(AuxiliaryScreens, IzlazAndClosingAWindowEndTheProgramTakingTheScreensDownInOrder) {
    // The main, the second, the closing and the results screen in front.
    for (const int tag : {3, 13, 20, 21}) {
        for (const bool close : {false, true}) {
            for (const bool allSix : {false, true}) {
                restart();
                enterCourse();
                ASSERT_NO_FATAL_FAILURE(walkTo(tag));
                toolkit::Form& screen = tag == 21 ? static_cast<toolkit::Form&>(program->form5()) : front();
                SCOPED_TRACE(screen.objectName().toStdString() + (close ? ", window closed" : ", Izlaz") +
                             (allSix ? ", the splash and the About screen loaded" : ""));
                if (allSix) {
                    program->form2();
                    program->showAbout(screen);
                }
                QStringList gone;
                const QObject watching; // the record ends with the row
                QList<QPointer<toolkit::Form>> watched;
                for (int which = 0; which < 6; ++which) {
                    if (toolkit::Form* form = program->loaded(static_cast<Screen>(which))) {
                        watched.append(form);
                        QObject::connect(form, &QObject::destroyed, &watching,
                                         [&gone, screenName = form->objectName()] { gone << screenName; });
                    }
                }

                close ? static_cast<void>(screen.close())
                      : screen.findChild<toolkit::CommandButton*>(u"Command2"_s)->click();

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

// On each screen that has "O programu", twice: a fresh About screen, modal over that screen and deaf to
// typing, goes by OK and then by its close control. The owner is activated again (the second and the
// closing screens then select their step nodes); the lesson screen and the results table stay as they were.
TEST_F(AuxiliaryScreens, AboutIsFreshModalAndReadOnlyEachTimeAndGivesItsOwnerBack) {
    enterCourse();
    // Where the pupil stands, and the node the owner selects as it comes back, if any.
    const std::pair<int, const char*> rows[] = {{1, nullptr}, {13, "n11"}, {20, "n19"}, {21, nullptr}};
    for (const auto& [tag, selectedAfter] : rows) {
        ASSERT_NO_FATAL_FAILURE(walkTo(tag));
        toolkit::Form& owner = tag == 21 ? static_cast<toolkit::Form&>(program->form5()) : front();
        SCOPED_TRACE(owner.objectName().toStdString());
        auto* lesson = qobject_cast<course::LessonScreen*>(&owner);
        const auto shown = [&] { return cells() + (lesson ? stateOf(*lesson) : QStringList()); };
        const QStringList before = shown();
        for (const bool byOk : {true, false}) {
            SCOPED_TRACE(byOk ? "OK" : "the close control");
            if (selectedAfter) {
                lesson->TreeView1->select(lesson->TreeView1->node(1)); // the pupil's selection elsewhere
            }
            pupil::click(lesson ? lesson->Command3 : program->form5().Command1);
            const QPointer<Form6> opened = about();
            ASSERT_FALSE(opened.isNull());
            EXPECT_EQ(opened->owner(), &owner);
            EXPECT_EQ(QApplication::activeModalWidget(), opened.data());
            QTest::keyClicks(opened->Text1, QStringLiteral("citam"));
            QTest::keyClick(opened->Text1, Qt::Key_Backspace);
            EXPECT_FALSE(opened->Text1->document()->isModified()) << "the text took typing";
            wait(30);
            byOk ? pupil::click(opened->Command1) : static_cast<void>(opened->close());
            EXPECT_EQ(about(), nullptr);
            EXPECT_EQ(QApplication::activeModalWidget(), lesson ? nullptr : &owner);
            if (selectedAfter) {
                EXPECT_EQ(lesson->TreeView1->selected(), lesson->TreeView1->node(selectedAfter));
            }
            EXPECT_EQ(shown(), before);
            flushDeletes();
            EXPECT_TRUE(opened.isNull());
        }
    }
}

} // namespace
