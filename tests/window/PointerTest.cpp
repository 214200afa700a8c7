// The pointer and the windows as a pupil meets them under a window manager, with every click, drag and
// key sent through the X server: one click per press and release, a reading text's caret where the
// button went down, check boxes that answer in their whole rectangle, the outline that snaps back,
// Enter on the closing screen, hand-offs that land on the same outer place, and sharp pictures.
#include "screens/Program.h"
#include "screens/auxiliary/Form2.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "tests/support/Pupil.h"
#include "tests/window/RealInput.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Host.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Shape.h"
#include "toolkit/TextArea.h"
#include "toolkit/TreeView.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Pointer : public testing::Test {
  protected:
    toolkit::RecordingHost host;
    Program program{host};

    course::LessonScreen& front() {
        for (auto screen : {Program::Screen::Form4, Program::Screen::Form3, Program::Screen::Form1}) {
            if (toolkit::Form* form = program.loaded(screen); form && form->isVisible()) {
                return static_cast<course::LessonScreen&>(*form);
            }
        }
        return program.form1();
    }
    void solve(int tag) {
        ASSERT_TRUE(pupil::giveRightAnswers(program, tag)) << "tag " << tag;
        pupil::click(front().Command1);
        ASSERT_TRUE(host.messages.isEmpty()) << "the right answers of tag " << tag << " were refused";
    }
    // A click just below the last written line of a reading text, on the empty line its text ends with.
    static QPoint belowTheLastLine(toolkit::TextArea* text) {
        QTextCursor lastWritten(text->document());
        lastWritten.movePosition(QTextCursor::End);
        lastWritten.movePosition(QTextCursor::PreviousCharacter);
        return {text->viewport()->width() / 3, text->cursorRect(lastWritten).bottom() + 3};
    }
    static QPoint caretPoint(toolkit::TextArea* text, int storedOffset) {
        QTextCursor place(text->document());
        place.setPosition(text->shownPosition(storedOffset));
        const QRect caret = text->cursorRect(place);
        return {caret.left() + 1, caret.center().y()};
    }
    // The pupil waits longer than a double-click takes, so that the next press begins a click of its own.
    static void pause() { QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50); }
    // The next screen of a hand-off stands where the one before it stood, frame and title bar included,
    // to the device pixel (its client area, framed alike, is where the other's was).
    static void expectInPlaceOf(QWidget& next, QPoint place, QPoint client) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
        EXPECT_EQ(next.geometry().topLeft(), client);
        EXPECT_TRUE(QTest::qWaitFor([&] { return next.frameGeometry().topLeft() == place; }, 3000))
            << next.objectName().toStdString() << " stands elsewhere";
        EXPECT_FALSE(next.windowHandle()->frameMargins().isNull()) << "no window manager framed it";
    }
    // What the pupil sees of the focus on a reading text: its caret, and the highlight frame on its border.
    static bool frameShown(toolkit::TextArea* text) {
        const QImage shot = text->grab().toImage();
        return shot.pixelColor(shot.width() / 2, 1) == text->palette().color(QPalette::Highlight);
    }
    // Qt draws the caret of a focused text that is selectable by keyboard.
    static bool caretShown(toolkit::TextArea* text) {
        return text->hasFocus() && text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard);
    }
    static bool focusShown(toolkit::TextArea* text) { return frameShown(text) || caretShown(text); }
    // A pupil who uses only the pointer sees no focus on any reading text of the screen in front.
    void expectNoFocusShown() {
        for (toolkit::TextArea* text : front().findChildren<toolkit::TextArea*>()) {
            if (text->isVisible()) {
                EXPECT_FALSE(frameShown(text)) << text->objectName().toStdString() << " shows a frame";
                EXPECT_FALSE(caretShown(text)) << text->objectName().toStdString() << " shows its caret";
            }
        }
    }
    static void emptyList(toolkit::ListView* list) {
        while (list->remove(1)) {
        }
    }
};

TEST_F(Pointer, OneClickIsOneClickAndWindowsKeepTheirPlace) {
    program.start();
    pupil::click(program.form2().Label1);
    Form1& main = program.form1();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    expectNoFocusShown();
    solve(0);
    expectNoFocusShown();

    // Tag 1. At the left edge of "Radovan" a click picks what the caret there picks ("Car", the word
    // before it, by the course's rule); a double- or triple-click, a Shift+click and a drag to the right
    // from there pick that and nothing else.
    const QPoint edge = caretPoint(main.Text3, 4);
    real::click(main.Text3->viewport(), edge);
    EXPECT_EQ(main.Text3->selStart(), 4);
    EXPECT_EQ(main.ListView1->texts(), QStringList{QStringLiteral("Car")});
    const struct {
        const char* name;
        std::function<void()> gesture;
    } gestures[] = {
        {"a double-click", [&] { real::click(main.Text3->viewport(), edge, 2); }},
        {"a triple-click", [&] { real::click(main.Text3->viewport(), edge, 3); }},
        {"a Shift+click", [&] { real::click(main.Text3->viewport(), edge, 1, true); }},
        {"a drag to the right",
         [&] { real::drag(main.Text3->viewport(), edge, caretPoint(main.Text3, 40)); }},
    };
    for (const auto& gesture : gestures) {
        SCOPED_TRACE(gesture.name);
        emptyList(main.ListView1);
        main.Text3->setSelStart(0);
        pause();
        gesture.gesture();
        EXPECT_EQ(main.Text3->selStart(), 4);
        EXPECT_EQ(main.ListView1->texts(), QStringList{QStringLiteral("Car")});
    }
    // The link under the text opens its article once on a double-click.
    real::click(main.Label77, main.Label77->rect().topLeft() + QPoint(5, 5), 2);
    EXPECT_EQ(host.addresses.size(), 1);
    emptyList(main.ListView1);

    // Tab into a reading text shows its caret and frame; a click of the pointer on it hides them.
    real::key(QStringLiteral("Tab"));
    ASSERT_NO_FATAL_FAILURE(real::tabTo(main.Text3));
    EXPECT_TRUE(focusShown(main.Text3));
    real::click(main.Text3->viewport(), belowTheLastLine(main.Text3));
    EXPECT_FALSE(focusShown(main.Text3));

    // Below the last written line of every reading text lies its empty last line: a click there puts
    // the caret at the end of the stored text and picks nothing.
    const struct {
        int tag;
        toolkit::TextArea* Form1::*text;
        toolkit::ListView* Form1::*list;
    } readingTexts[] = {{1, &Form1::Text3, &Form1::ListView1},
                        {5, &Form1::Text36, &Form1::ListView2},
                        {8, &Form1::Text46, &Form1::ListView3},
                        {9, &Form1::Text50, &Form1::ListView4},
                        {10, &Form1::Text51, &Form1::ListView5}};
    for (int tag = 1; tag <= 11; ++tag) {
        for (const auto& reading : readingTexts) {
            if (reading.tag == tag) {
                toolkit::TextArea* text = main.*reading.text;
                SCOPED_TRACE(text->objectName().toStdString());
                real::click(text->viewport(), belowTheLastLine(text));
                EXPECT_EQ(text->selStart(), text->text().size());
                EXPECT_EQ((main.*reading.list)->count(), 0);
            }
        }
        if (tag == 3) {
            // The outline shows "2. Korak"; a click on it brings the selection home, and so does a key.
            real::click(main.TreeView1->viewport(),
                        main.TreeView1->visualItemRect(main.TreeView1->node(9)).center());
            EXPECT_EQ(main.TreeView1->selected(), main.TreeView1->node(1));
            for (const char* key : {"Down", "End", "z"}) {
                SCOPED_TRACE(key);
                real::key(QString::fromLatin1(key));
                EXPECT_EQ(main.TreeView1->selected(), main.TreeView1->node(1));
            }
        }
        if (tag == 11) {
            // A double-click marks a word once, a triple-click too.
            real::click(main.Label61, main.Label61->rect().center(), 2);
            real::click(main.Label63, main.Label63->rect().center(), 3);
            EXPECT_TRUE(main.Label61->bold());
            EXPECT_TRUE(main.Label63->bold());
            pause();
            real::click(main.Label61, main.Label61->rect().center());
            real::click(main.Label63, main.Label63->rect().center());
        }
        const QPoint place = main.frameGeometry().topLeft(), client = main.geometry().topLeft();
        solve(tag);
        expectNoFocusShown();
        if (tag == 11) {
            expectInPlaceOf(program.form3(), place, client);
        }
    }

    Form3& second = program.form3();
    ASSERT_EQ(second.Command1->tag(), QStringLiteral("12"));
    for (int tag = 12; tag <= 19; ++tag) {
        if (tag == 13) {
            real::click(second.Text51->viewport(), belowTheLastLine(second.Text51));
            EXPECT_EQ(second.Text51->selStart(), second.Text51->text().size());
            EXPECT_EQ(second.ListView5->count(), 0);
        }
        if (tag == 15) {
            real::click(second.Label30, second.Label30->rect().center(), 2);
            EXPECT_TRUE(second.Shape5->isVisible()) << "the ring came and went";
            pause();
            real::click(second.Label30, second.Label30->rect().center());
        }
        if (tag == 18) {
            // Right of its caption, a check box still answers; a double-click there ticks it once.
            toolkit::CheckBox* so = second.kitchenNouns[1];
            real::click(so, QPoint(so->width() - 3, so->height() / 2));
            EXPECT_EQ(so->value(), 1);
            pause();
            real::click(so, QPoint(so->width() - 3, so->height() / 2), 2);
            EXPECT_EQ(so->value(), 0);
            real::click(second.Label69, second.Label69->rect().center(), 2);
            EXPECT_TRUE(second.Shape8->isVisible());
            pause();
            real::click(second.Label69, second.Label69->rect().center());
        }
        const QPoint place = second.frameGeometry().topLeft(), client = second.geometry().topLeft();
        solve(tag);
        expectNoFocusShown();
        if (tag == 19) {
            expectInPlaceOf(program.form4(), place, client);
        }
    }

    // Every picture is drawn for the screen's pixel ratio, not enlarged from a smaller one.
    for (const toolkit::Form* screen :
         {program.loaded(Program::Screen::Form1), program.loaded(Program::Screen::Form3),
          program.loaded(Program::Screen::Form4)}) {
        for (const toolkit::Image* image : screen->findChildren<toolkit::Image*>()) {
            SCOPED_TRACE(screen->objectName().toStdString() + "." + image->objectName().toStdString());
            if (image->hasPicture()) {
                EXPECT_EQ(image->pixmap().devicePixelRatio(), screen->devicePixelRatioF());
            }
        }
    }
    const QIcon cross = second.Command8->icon();
    EXPECT_EQ(cross.pixmap(second.Command8->iconSize(), second.devicePixelRatioF()).devicePixelRatio(),
              second.devicePixelRatioF());

    // On the closing screen Enter presses "Napred" unless a button has the focus: then that button.
    Form4& closing = program.form4();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&closing));
    real::click(closing.Label76, closing.Label76->rect().center(), 2);
    EXPECT_TRUE(closing.Label76->bold());
    real::key(QStringLiteral("Return"));
    EXPECT_EQ(host.messages.size(), 1) << "Enter beside the buttons presses Napred";
    ASSERT_NO_FATAL_FAILURE(real::tabTo(closing.Command2));
    real::key(QStringLiteral("Return"));
    EXPECT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(program.ended()) << "Enter on a focused Izlaz ends the program";
}

// A window placed a moment after it is shown is framed by the window manager afterwards, where it
// would stand a title bar lower; it moves until its frame stands where it was placed.
TEST(Windows, AFormPlacedJustAfterItIsShownEndsWithItsFrameThere) {
    toolkit::Form form(QStringLiteral("Form"));
    form.setClientSize(3000, 2000);
    form.show();
    form.setLeft(toolkit::twips(150));
    form.setTop(toolkit::twips(90));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.frameGeometry().topLeft() == QPoint(150, 90); }, 3000));
    EXPECT_FALSE(form.windowHandle()->frameMargins().isNull()) << "no window manager framed it";
}

} // namespace
