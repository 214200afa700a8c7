// Leaving the course: "Izlaz" and closing a window end the program and take the screens down in one
// order; "O programu" opens the About screen over the screen that asked, and leaves that screen as it was.

#include "tests/Pupil.h"

#include "screens/auxiliary/Form5.h"
#include "screens/auxiliary/Form6.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TreeView.h"

#include <QApplication>
#include <QPointer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr Program::Screen everyScreen[] = {Program::Screen::Form1, Program::Screen::Form2,
                                           Program::Screen::Form3, Program::Screen::Form4,
                                           Program::Screen::Form5, Program::Screen::Form6};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList shownPanels(const course::LessonScreen& screen) {
    QStringList names;
    for (const toolkit::PictureBox* box :
         screen.findChildren<toolkit::PictureBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (box != screen.picResult && box != screen.Picture5 && box != screen.Picture8 && !box->isHidden()) {
            names.append(box->objectName());
        }
    }
    return names;
}

QString selectedNode(const toolkit::TreeView& tree) {
    return tree.selected() ? tree.selected()->text(0) : u"(none)"_s;
}

} // namespace

class Unload : public CourseTest {
  protected:
    void restart() {
        TearDown();
        host.messages.clear();
        SetUp();
    }

    // Brings the course to the screen a row acts on: the main screen at tag 3, the second at tag 13,
    // the closing screen at tag 20, or the results.
    toolkit::Form& reach(const char* screen) {
        enterCourse();
        const QByteArray name(screen);
        if (name == "Form1") {
            walkTo(3);
            return program->form1();
        }
        if (name == "Form3") {
            walkTo(13);
            return program->form3();
        }
        walkTo(20);
        if (name == "Form4") {
            return program->form4();
        }
        solve(20);
        return program->form5();
    }

    // The "O programu" and "Izlaz" buttons of a screen.
    static toolkit::CommandButton* aboutButton(toolkit::Form& screen) {
        if (auto* results = qobject_cast<Form5*>(&screen)) {
            return results->Command1;
        }
        return static_cast<course::LessonScreen&>(screen).Command3;
    }
    static toolkit::CommandButton* exitButton(toolkit::Form& screen) {
        if (auto* results = qobject_cast<Form5*>(&screen)) {
            return results->Command2;
        }
        return static_cast<course::LessonScreen&>(screen).Command2;
    }

    // Records the screens loaded now, by name, in the order they are destroyed.
    void watchScreens() {
        flushDeletes();
        gone.clear();
        watched.clear();
        for (Program::Screen which : everyScreen) {
            if (toolkit::Form* form = program->loaded(which)) {
                watched.append(form);
                QObject::connect(form, &QObject::destroyed,
                                 [this, name = form->objectName()] { gone.append(name); });
            }
        }
    }

    QStringList gone;
    QList<QPointer<toolkit::Form>> watched;
};

// Either way out, on every screen that has one, ends the program; the screens go from the About screen
// back to the main screen. Where the splash and the About screen are loaded as well, their places in
// that order show too.
TEST_F(Unload, IzlazAndClosingTheWindowEndTheProgramTakingTheScreensDownInOrder) {
    struct Row {
        const char* screen;
        bool close; // closing the window; else "Izlaz"
        bool allSix;
    };
    std::vector<Row> rows;
    for (const char* screen : {"Form1", "Form3", "Form4", "Form5"}) {
        for (bool close : {false, true}) {
            for (bool allSix : {false, true}) {
                rows.push_back({screen, close, allSix});
            }
        }
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.screen) + (row.close ? ", window closed" : ", Izlaz") +
                     (row.allSix ? ", with the splash and the About screen loaded" : ""));
        restart();
        toolkit::Form& screen = reach(row.screen);
        QStringList order = {u"Form5"_s, u"Form4"_s, u"Form3"_s, u"Form1"_s};
        if (row.allSix) {
            // The splash is made again only so that its place in the order can be seen.
            program->form2();
            pupil::click(aboutButton(screen));
            ASSERT_TRUE(program->isLoaded(Program::Screen::Form6));
            order = QStringList{u"Form6"_s, u"Form5"_s, u"Form4"_s, u"Form3"_s, u"Form2"_s, u"Form1"_s};
        }
        watchScreens();

        if (row.close) {
            screen.close();
        } else {
            // A click in code, past the About screen when it is open.
            exitButton(screen)->click();
        }

        EXPECT_TRUE(program->ended());
        for (Program::Screen which : everyScreen) {
            EXPECT_FALSE(program->isLoaded(which)) << static_cast<int>(which) + 1;
        }
        // Gone from sight at once, before any of them is deleted.
        for (const QPointer<toolkit::Form>& form : std::as_const(watched)) {
            ASSERT_FALSE(form.isNull());
            EXPECT_TRUE(form->isHidden()) << form->objectName().toStdString();
        }
        flushDeletes();
        EXPECT_EQ(gone, order);
    }
}

// "O programu" opens a fresh About screen, modal and owned by the screen that asked. "OK" or closing its
// window takes it away and gives back the owner as it was; the second and the closing screens select
// their starting node again as they come back to the front.
TEST_F(Unload, TheAboutScreenIsModalOverTheScreenThatAskedAndLeavesItAsItWas) {
    struct Row {
        const char* screen;
        const char* selectedAfter; // the owner's outline after the About screen goes
    };
    const Row rows[] = {
        {"Form1", "2. Korak"}, {"Form3", "6. Korak"}, {"Form4", "10. Korak"}, {"Form5", nullptr}};
    for (const Row& row : rows) {
        for (bool closeWindow : {false, true}) {
            SCOPED_TRACE(std::string(row.screen) + (closeWindow ? ", window closed" : ", OK"));
            restart();
            toolkit::Form& owner = reach(row.screen);
            auto* screen = qobject_cast<course::LessonScreen*>(&owner);
            Form5* results = qobject_cast<Form5*>(&owner);
            QString tag, title;
            QStringList panels;
            if (screen) {
                tag = screen->Command1->tag();
                title = screen->Label1->caption();
                panels = shownPanels(*screen);
            }
            const QString total = program->form5().Label25->caption();
            const QString step10 = program->form5().Label23->caption();

            // Opening and closing it again and again changes nothing.
            for (int time = 1; time <= 3; ++time) {
                SCOPED_TRACE("time " + std::to_string(time));
                if (screen) {
                    // Anything but the starting node of the second and the closing screens.
                    screen->TreeView1->select(screen->TreeView1->node(5));
                }
                pupil::click(aboutButton(owner));
                auto* about = static_cast<Form6*>(program->loaded(Program::Screen::Form6));
                ASSERT_NE(about, nullptr);
                EXPECT_TRUE(about->isVisible());
                EXPECT_TRUE(about->isModal());
                EXPECT_EQ(QApplication::activeModalWidget(), about);
                EXPECT_EQ(about->owner(), &owner);
                QPointer<Form6> shown = about;

                if (closeWindow) {
                    about->close();
                } else {
                    pupil::click(about->Command1);
                }

                EXPECT_FALSE(program->isLoaded(Program::Screen::Form6));
                flushDeletes();
                EXPECT_TRUE(shown.isNull());
                EXPECT_FALSE(program->ended());
                EXPECT_TRUE(owner.isVisible());
                if (screen) {
                    EXPECT_EQ(screen->Command1->tag(), tag);
                    EXPECT_EQ(screen->Label1->caption(), title);
                    EXPECT_EQ(shownPanels(*screen), panels);
                    EXPECT_EQ(selectedNode(*screen->TreeView1), QString::fromLatin1(row.selectedAfter));
                    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
                }
                if (results) {
                    // Back to the results, still modal over the closing screen.
                    EXPECT_EQ(QApplication::activeModalWidget(), results);
                    EXPECT_EQ(results->owner(), &program->form4());
                }
                EXPECT_EQ(program->form5().Label25->caption(), total);
                EXPECT_EQ(program->form5().Label23->caption(), step10);
            }
            EXPECT_EQ(refusals(), 0);
        }
    }
}
