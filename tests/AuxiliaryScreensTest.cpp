// The splash screen, the results screen and the About screen.
#include "tests/Pupil.h"

#include "content/AboutText.h"
#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/auxiliary/Form6.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextArea.h"
#include "toolkit/Timer.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <string>

namespace {

using Screen = Program::Screen;

// Deletes what has been unloaded, as the event loop does once a handler returns.
void deleteUnloaded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A click at a point of a window, given in twips, delivered as the window system delivers it: to
// whatever control lies under the point.
void clickWindowAt(QWidget* window, QPoint twips) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(toolkit::pixels(twips.x()), toolkit::pixels(twips.y())));
}

class AuxiliaryScreens : public CourseTest {
  protected:
    void restart() {
        program.reset();
        host.messages.clear();
        nowMs = 0;
        program = std::make_unique<Program>(host);
        program->setClockSource([this] { return nowMs; });
    }
    Form6* about() const { return static_cast<Form6*>(program->loaded(Screen::Form6)); }
    QStringList timeCells() {
        Form5& r = program->form5();
        QStringList texts;
        for (toolkit::Label* cell : {r.Label14, r.Label15, r.Label16, r.Label17, r.Label18, r.Label19,
                                     r.Label20, r.Label21, r.Label22, r.Label23, r.Label25}) {
            texts << cell->caption();
        }
        return texts;
    }
    // Walks the whole course with a different time at every tag; the results screen is in front.
    void finishCourse() {
        enterCourse();
        for (int tag = 0; tag <= 20; ++tag) {
            wait(tag + 2);
            solve(tag);
        }
        ASSERT_EQ(refusals(), 0);
        ASSERT_TRUE(program->form5().isVisible());
    }
    // Scrolls a text with the mouse wheel, `notches` towards its end.
    static void scrollDown(toolkit::TextArea* text, int notches) {
        const QPointF at = text->viewport()->rect().center();
        QWheelEvent wheel(at, text->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(text->viewport(), &wheel);
    }
};

// --- Splash ---------------------------------------------------------------------------------------

// The four seconds, or a click on any part of the splash, or both: the main lesson screen appears
// once and the splash is gone. A second event that reaches the splash after it has left must not
// bring the main screen back; the main screen is put out of view between the two events, as the
// hand-off to the second lesson screen does, so that a second leaving would show.
TEST_F(AuxiliaryScreens, SplashLeavesExactlyOnceForTheTimerAClickOrBoth) {
    using Event = std::function<void(Form2&)>;
    const Event fourSeconds = [](Form2& splash) { Q_EMIT splash.Timer1->tick(); };
    const auto clickAt = [](QPoint twips) {
        return [twips](Form2& splash) { clickWindowAt(&splash, twips); };
    };
    const Event clickTitle = [](Form2& splash) { pupil::click(splash.Label1); };
    const Event clickWindow = [](Form2& splash) { pupil::click(&splash); };
    const struct {
        const char* name;
        Event first;
        Event second; // may be empty
    } rows[] = {
        {"the four seconds pass", fourSeconds, {}},
        {"a click on the window itself", clickWindow, {}},
        {"a click on the red bar across the top falls through to the picture", clickAt({3000, 120}), {}},
        {"a click on the red ellipse falls through to the picture", clickAt({6000, 3000}), {}},
        {"a click on the grey frame round the title box", clickAt({2700, 2380}), {}},
        {"a click on the title box beside the title", clickAt({2800, 950}), {}},
        {"a click on the picture", clickAt({1200, 1800}), {}},
        {"a click on the title", clickAt({4200, 1620}), {}},
        {"a click and then the four seconds", clickTitle, fourSeconds},
        {"the four seconds and then a click", fourSeconds, clickTitle},
        {"two clicks", clickTitle, clickWindow},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        program->start();
        const QPointer<Form2> splash = &program->form2();
        ASSERT_TRUE(splash->isVisible());
        EXPECT_EQ(splash->Timer1->interval(), 4000);
        EXPECT_TRUE(splash->Timer1->enabled());
        // Only the splash exists; the main screen comes with its leaving.
        for (Screen screen : {Screen::Form1, Screen::Form3, Screen::Form4, Screen::Form5, Screen::Form6}) {
            EXPECT_FALSE(program->isLoaded(screen));
        }

        row.first(*splash);
        ASSERT_TRUE(program->isLoaded(Screen::Form1));
        const QPointer<toolkit::Form> main = program->loaded(Screen::Form1);
        EXPECT_TRUE(main->isVisible());
        EXPECT_FALSE(program->isLoaded(Screen::Form2));
        if (splash) {
            EXPECT_FALSE(splash->isVisible());
            EXPECT_FALSE(splash->Timer1->enabled());
        }
        if (row.second) {
            ASSERT_FALSE(splash.isNull());
            main->hide();
            row.second(*splash);
            EXPECT_FALSE(main->isVisible()) << "the splash left a second time";
            main->show();
        }
        deleteUnloaded();
        EXPECT_TRUE(splash.isNull());
        EXPECT_EQ(program->loaded(Screen::Form1), main.data()) << "a second main screen";
        EXPECT_FALSE(program->isLoaded(Screen::Form2));
        EXPECT_FALSE(program->ended());
    }
}

TEST_F(AuxiliaryScreens, SplashIsABorderlessTitleOfTheCourse) {
    program->start();
    Form2& splash = program->form2();
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.size(), QSize(toolkit::pixels(6375), toolkit::pixels(3735)));
    EXPECT_EQ(splash.Label1->caption(), QStringLiteral("Tesmora"));
    // The title box stands above the decorations, so a click on the title reaches the title.
    const QPoint title = splash.Label1->mapTo(&splash, splash.Label1->rect().center());
    EXPECT_EQ(splash.childAt(title), splash.Label1);
}

// --- Results screen -------------------------------------------------------------------------------

TEST_F(AuxiliaryScreens, ResultsTableHasTenStepRowsAndATotalRowWithEmptyTimeCells) {
    Form5& results = program->form5();
    EXPECT_FALSE(results.isVisible());
    EXPECT_EQ(results.caption(), QStringLiteral("Tesmora"));
    EXPECT_EQ(results.size(), QSize(toolkit::pixels(7350), toolkit::pixels(8865)));

    const struct {
        const char* name;
        const char* caption;
    } fixed[] = {
        {"Label1", "Svi zadaci su uspešno rešeni"},
        {"Label26", "Čestitamo, uspešno si naučio, uvežbao i obnovio osnovna znanja o imenicama u srpskom "
                    "jeziku!"},
        {"Label2", "KORAK BROJ"},
        {"Label3", "VREME"},
        {"Label24", "Ukupno"},
    };
    for (const auto& label : fixed) {
        const auto* found = results.findChild<toolkit::Label*>(QString::fromLatin1(label.name));
        ASSERT_NE(found, nullptr) << label.name;
        EXPECT_EQ(found->caption(), QString::fromUtf8(label.caption)) << label.name;
    }
    EXPECT_EQ(results.Command1->caption(), QStringLiteral("O programu"));
    EXPECT_EQ(results.Command2->caption(), QStringLiteral("Izlaz"));

    // Row k: the step number k in Label(k+3) and its time cell Label(k+13), side by side; then the
    // total row.
    for (int step = 1; step <= 11; ++step) {
        SCOPED_TRACE("row " + std::to_string(step));
        const bool total = step == 11;
        const int top = total ? 7320 : 2520 + 480 * (step - 1);
        const auto* number =
            results.findChild<toolkit::Label*>(QStringLiteral("Label%1").arg(total ? 24 : step + 3));
        const auto* cell =
            results.findChild<toolkit::Label*>(QStringLiteral("Label%1").arg(total ? 25 : step + 13));
        ASSERT_NE(number, nullptr);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(number->caption(), total ? QStringLiteral("Ukupno") : QString::number(step));
        EXPECT_EQ(number->geometry(), toolkit::twipsRect(840, top, 2775, 255));
        EXPECT_TRUE(cell->caption().isEmpty());
        EXPECT_EQ(cell->geometry(), toolkit::twipsRect(3600, top, 2895, 255));
        EXPECT_EQ(cell->alignment(), Qt::AlignCenter);
        if (!total) {
            EXPECT_EQ(results.stepNumbers[step - 1], number);
        }
    }
    // The members the lesson screens write are the cells of the table.
    EXPECT_EQ(results.Label14, results.findChild<toolkit::Label*>(QStringLiteral("Label14")));
    EXPECT_EQ(results.Label23, results.findChild<toolkit::Label*>(QStringLiteral("Label23")));
    EXPECT_EQ(results.Label25, results.findChild<toolkit::Label*>(QStringLiteral("Label25")));
}

// No caption of the auxiliary screens is cut off by its label, the time cells holding the longest
// time a clock can show.
TEST_F(AuxiliaryScreens, CaptionsFitTheirLabels) {
    Form5& results = program->form5();
    for (toolkit::Label* cell : {results.Label14, results.Label15, results.Label16, results.Label17,
                                 results.Label18, results.Label19, results.Label20, results.Label21,
                                 results.Label22, results.Label23, results.Label25}) {
        cell->setCaption(QStringLiteral("32767:59:59"));
    }
    program->start();
    pupil::click(results.Command1);
    ASSERT_NE(about(), nullptr);
    for (toolkit::Form* screen : {static_cast<toolkit::Form*>(&results), static_cast<toolkit::Form*>(about()),
                                  static_cast<toolkit::Form*>(&program->form2())}) {
        for (const toolkit::Label* label : screen->findChildren<toolkit::Label*>()) {
            SCOPED_TRACE((screen->objectName() + u'.' + label->objectName()).toStdString());
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
            } else {
                EXPECT_LE(label->sizeHint().width(), label->width());
                EXPECT_LE(label->sizeHint().height(), label->height());
            }
        }
    }
}

TEST_F(AuxiliaryScreens, ResultsScreenComesHiddenWithTheFirstRecordAndIsShownModallyAtTheEnd) {
    enterCourse();
    walkTo(2);
    EXPECT_FALSE(program->isLoaded(Screen::Form5)) << "made before any step time was written";
    wait(4);
    solve(2);
    ASSERT_TRUE(program->isLoaded(Screen::Form5));
    Form5& results = program->form5();
    EXPECT_FALSE(results.isVisible());
    EXPECT_EQ(results.Label14->caption(), QStringLiteral("00:00:04"));

    walkTo(20);
    EXPECT_FALSE(results.isVisible());
    solve(20);
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.owner(), &program->form4());
    EXPECT_EQ(QApplication::activeModalWidget(), &results);
    EXPECT_EQ(results.Label14->caption(), QStringLiteral("00:00:04")) << "the same screen all along";
}

TEST_F(AuxiliaryScreens, IzlazOnTheResultsScreenEndsTheProgramAtOnce) {
    finishCourse();
    pupil::click(program->form5().Command2);
    EXPECT_TRUE(program->ended());
    for (Screen screen :
         {Screen::Form1, Screen::Form2, Screen::Form3, Screen::Form4, Screen::Form5, Screen::Form6}) {
        EXPECT_FALSE(program->isLoaded(screen));
    }
    EXPECT_TRUE(host.messages.isEmpty());
}

// Closing the results window ends the program as "Izlaz" does, the screens going in the order
// Form6, Form5, Form4, Form3, Form2, Form1 (the splash is long gone). The About screen may still be
// open when the window manager closes the results window, as when the desktop session ends.
TEST_F(AuxiliaryScreens, ClosingTheResultsWindowUnloadsEveryScreenInOrderAndEnds) {
    const struct {
        const char* name;
        bool aboutOpen;
        QStringList order;
    } rows[] = {
        {"the results window alone", false, {"Form5", "Form4", "Form3", "Form1"}},
        {"with the About screen over it", true, {"Form6", "Form5", "Form4", "Form3", "Form1"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        finishCourse();
        deleteUnloaded();
        if (row.aboutOpen) {
            pupil::click(program->form5().Command1);
            ASSERT_NE(about(), nullptr);
        }
        QStringList gone;
        const QObject watching; // the record ends with the row
        for (Screen screen :
             {Screen::Form1, Screen::Form2, Screen::Form3, Screen::Form4, Screen::Form5, Screen::Form6}) {
            if (toolkit::Form* form = program->loaded(screen)) {
                QObject::connect(form, &QObject::destroyed, &watching,
                                 [&gone, name = form->objectName()] { gone << name; });
            }
        }
        program->form5().close();
        EXPECT_TRUE(program->ended());
        for (Screen screen :
             {Screen::Form1, Screen::Form2, Screen::Form3, Screen::Form4, Screen::Form5, Screen::Form6}) {
            EXPECT_FALSE(program->isLoaded(screen));
        }
        deleteUnloaded();
        EXPECT_EQ(gone, row.order);
    }
}

TEST_F(AuxiliaryScreens, AboutOpenedAndClosedManyTimesLeavesTheResultsUnchanged) {
    finishCourse();
    Form5& results = program->form5();
    const QStringList table = timeCells();
    const auto courseSeconds = [this] {
        const course::Clocks& c = program->clocks();
        return c.totalHours * 3600 + c.totalMinutes * 60 + c.totalSeconds;
    };
    const int before = courseSeconds();
    for (int time = 1; time <= 6; ++time) {
        SCOPED_TRACE("About opened for the " + std::to_string(time) + ". time");
        pupil::click(results.Command1);
        ASSERT_NE(about(), nullptr);
        EXPECT_EQ(about()->owner(), &results);
        wait(30);
        if (time % 2 == 1) {
            pupil::click(about()->Command1);
        } else {
            about()->close();
        }
        EXPECT_EQ(about(), nullptr);
        EXPECT_TRUE(results.isVisible());
        EXPECT_EQ(timeCells(), table);
        deleteUnloaded();
    }
    EXPECT_FALSE(program->ended());
    // The course clock went on all the while; only the table stands still.
    EXPECT_EQ(courseSeconds(), before + 6 * 30);
}

// --- About screen ---------------------------------------------------------------------------------

// Each screen with an "O programu" button opens the About screen modally over itself. Opening leaves
// the owner as it was; closing activates the owner again, and the second and closing lesson screens
// then select their own step nodes, whatever was selected before.
TEST_F(AuxiliaryScreens, AboutOpensModallyOverEachScreenThatAsksAndGivesItBack) {
    enterCourse();
    const auto selectedKey = [](toolkit::TreeView* tree) {
        for (const char* key : {"n1", "n3", "n5", "n7", "n9", "n11", "n13", "n15", "n17", "n19"}) {
            if (tree->selected() && tree->selected() == tree->node(QString::fromLatin1(key))) {
                return std::string(key);
            }
        }
        return std::string(tree->selected() ? "another node" : "none");
    };
    const struct {
        const char* name;
        int tag; // where the pupil stands
        std::function<toolkit::Form&()> owner;
        std::function<toolkit::CommandButton*()> button;
        std::function<toolkit::TreeView*()> tree;
        bool closeWithOk;
        const char* selectedAfter; // empty: as before
    } rows[] = {
        {"the main screen", 1, [this]() -> toolkit::Form& { return program->form1(); },
         [this] { return program->form1().Command3; }, [this] { return program->form1().TreeView1; }, true,
         ""},
        {"the second screen", 13, [this]() -> toolkit::Form& { return program->form3(); },
         [this] { return program->form3().Command3; }, [this] { return program->form3().TreeView1; }, false,
         "n11"},
        {"the closing screen", 20, [this]() -> toolkit::Form& { return program->form4(); },
         [this] { return program->form4().Command3; }, [this] { return program->form4().TreeView1; }, true,
         "n19"},
        {"the results screen", 21, [this]() -> toolkit::Form& { return program->form5(); },
         [this] { return program->form5().Command1; }, nullptr, false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        walkTo(row.tag);
        toolkit::Form& owner = row.owner();
        ASSERT_TRUE(owner.isVisible());
        toolkit::TreeView* tree = row.tree ? row.tree() : nullptr;
        if (row.tag == 20) {
            // The pupil's selection elsewhere in the outline.
            tree->select(tree->node(1));
        }
        const std::string selectedBefore = tree ? selectedKey(tree) : std::string();
        int activations = 0;
        const QObject counting; // the count ends with the row
        QObject::connect(&owner, &toolkit::Form::activated, &counting, [&activations] { ++activations; });

        pupil::click(row.button());
        Form6* opened = about();
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(opened->caption(), QStringLiteral("O programu"));
        EXPECT_EQ(opened->owner(), &owner);
        EXPECT_EQ(QApplication::activeModalWidget(), opened);
        EXPECT_EQ(activations, 0);
        if (tree) {
            EXPECT_EQ(selectedKey(tree), selectedBefore) << "changed by opening";
        }
        wait(2);

        const QPointer<Form6> gone = opened;
        if (row.closeWithOk) {
            pupil::click(opened->Command1);
        } else {
            opened->close();
        }
        EXPECT_EQ(about(), nullptr);
        ASSERT_FALSE(gone.isNull()); // deleted only once the handler is over
        EXPECT_FALSE(gone->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), owner.isModal() ? &owner : nullptr);
        EXPECT_EQ(activations, 1);
        if (tree) {
            EXPECT_EQ(selectedKey(tree),
                      *row.selectedAfter ? std::string(row.selectedAfter) : selectedBefore);
        }
        if (row.tag <= 20) {
            EXPECT_EQ(frontTag(), row.tag);
            EXPECT_EQ(&front(), &owner);
        }
        deleteUnloaded();
        EXPECT_TRUE(gone.isNull());
    }
    EXPECT_EQ(refusals(), 0);
    EXPECT_FALSE(program->ended());
}

TEST_F(AuxiliaryScreens, AboutTextScrollsButTakesNoTyping) {
    enterCourse();
    pupil::click(program->form1().Command3);
    ASSERT_NE(about(), nullptr);
    toolkit::TextArea* text = about()->Text1;
    const QString shown = text->toPlainText();
    ASSERT_FALSE(shown.isEmpty());

    QScrollBar* bar = text->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0) << "the whole text fits: nothing to scroll";
    EXPECT_EQ(bar->value(), 0);
    scrollDown(text, 2);
    EXPECT_GT(bar->value(), 0);
    scrollDown(text, 1000);
    EXPECT_EQ(bar->value(), bar->maximum());

    // The pupil clicks into the text and tries to change it in every way a keyboard offers.
    pupil::click(text->viewport());
    for (const QChar letter : QStringLiteral("čitam")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(text, &press);
    }
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space}) {
        QTest::keyClick(text, key);
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("umetnuto"));
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), shown);
    EXPECT_EQ(text->text(), content::aboutText());
}

// A fresh About screen each time: one scrolled down and closed leaves nothing behind for the next.
TEST_F(AuxiliaryScreens, AboutIsFreshEachTimeAndGoesByOkOrByItsCloseControl) {
    enterCourse();
    const struct {
        const char* name;
        std::function<void(Form6&)> close;
    } ways[] = {
        {"OK", [](Form6& screen) { pupil::click(screen.Command1); }},
        {"the window's close control", [](Form6& screen) { screen.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        pupil::click(program->form1().Command3);
        const QPointer<Form6> first = about();
        ASSERT_FALSE(first.isNull());
        scrollDown(first->Text1, 5);
        ASSERT_GT(first->Text1->verticalScrollBar()->value(), 0);

        way.close(*first);
        EXPECT_EQ(about(), nullptr);
        EXPECT_FALSE(first->isVisible());
        deleteUnloaded();
        EXPECT_TRUE(first.isNull());

        pupil::click(program->form1().Command3);
        const QPointer<Form6> second = about();
        ASSERT_FALSE(second.isNull());
        EXPECT_TRUE(second->isVisible());
        EXPECT_EQ(second->Text1->verticalScrollBar()->value(), 0);
        way.close(*second);
        EXPECT_EQ(about(), nullptr);
        deleteUnloaded();
        EXPECT_TRUE(second.isNull());
    }
    EXPECT_TRUE(program->form1().isVisible());
    EXPECT_FALSE(program->ended());
}

} // namespace
