// The whole course by keyboard alone, in real windows under a window manager: from the splash to the
// results screen with nothing but keys that the X server sends to whatever has the focus. The test reads
// where the focus is and what the controls hold, but never sets the focus or calls a handler itself. On
// the way it leaves pictures of every screen, panel and the refusal for people to look at. The walk is made
// in each script and in each look; the Cyrillic pictures are named as the Latin ones with "-cyrillic" added,
// those in high contrast with "-high-contrast".
#include "screens/Program.h"
#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "tests/support/Pupil.h"
#include "tests/window/RealInput.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Host.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"
#include "toolkit/TextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    content::Script script;
    toolkit::Look look;
};

class Keyboard : public testing::TestWithParam<Run> {
  protected:
    // The clocks run forty times as fast as the walk, so that the results show times like a pupil's.
    Keyboard() {
        walkTime.start();
        program.setClockSource([this] { return walkTime.elapsed() * 40; });
        if (GetParam().look == toolkit::Look::HighContrast) {
            program.setLook(toolkit::Look::HighContrast, toolkit::highContrastPalette(false));
        }
    }
    toolkit::DesktopHost host;
    Program program{host, GetParam().script};
    QElapsedTimer walkTime;

    QString shown(const QString& latin) const { return program.shown(latin); }
    void saveShot(QWidget& window, const QString& name) const {
        real::saveShot(
            window, name + (GetParam().script == content::Script::Cyrillic ? u"-cyrillic"_s : QString()) +
                        (GetParam().look == toolkit::Look::HighContrast ? u"-high-contrast"_s : QString()));
    }

    static QWidget* focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() ? focus()->objectName() : QStringLiteral("(nothing)"); }

    // The names of the controls Tab goes through, from the one that has the focus round to it again.
    static QStringList tabRound() {
        QStringList names = {focusName()};
        const QWidget* start = focus();
        for (int i = 0; i < 60; ++i) {
            real::key(QStringLiteral("Tab"));
            if (focus() == start) {
                break;
            }
            names.append(focusName());
        }
        return names;
    }
    // The caret to a place of a reading text with Ctrl+Home, Down and Right, then Space.
    static void pickAt(toolkit::TextArea* text, int storedOffset) {
        real::tabTo(text);
        const QString shown = text->toPlainText();
        const int position = text->shownPosition(storedOffset);
        const int lineStart =
            position == 0 ? 0 : static_cast<int>(shown.lastIndexOf(u'\n', position - 1)) + 1;
        QStringList keys = {QStringLiteral("ctrl+Home")};
        for (qsizetype line = shown.first(position).count(u'\n'); line > 0; --line) {
            keys << QStringLiteral("Down");
        }
        for (int column = lineStart; column < position; ++column) {
            keys << QStringLiteral("Right");
        }
        real::keys(keys);
        ASSERT_EQ(text->selStart(), storedOffset) << text->objectName().toStdString();
        real::key(QStringLiteral("space"));
    }
    void answer(pupil::Answers answers) {
        for (const auto& [box, text] : answers.typed) {
            real::tabTo(box);
            real::type(text, [typedInto = box, typed = text] { return typedInto->text() == typed; });
        }
        for (const auto& [text, offset] : answers.picks) {
            pickAt(text, offset);
        }
        for (const auto& [label, checked] : answers.labels) {
            if (label->checked() != checked) {
                real::tabTo(label);
                real::key(QStringLiteral("space"));
                EXPECT_EQ(label->checked(), checked) << label->objectName().toStdString();
            }
        }
        for (const auto& [box, ticked] : answers.ticks) {
            if ((box->value() == 1) != ticked) {
                real::tabTo(box);
                real::key(QStringLiteral("space"));
            }
        }
    }
    static void press(course::LessonScreen& screen) {
        real::tabTo(screen.Command1);
        real::key(QStringLiteral("space"));
    }
    // What each answer control of the screen holds, beside the right answer: why a refusal came.
    static std::string held(const QWidget& screen, const pupil::Answers& answers) {
        QString out;
        for (const auto& [box, right] : answers.typed) {
            out += u"\n  %1 holds \"%2\"; the answer is \"%3\""_s.arg(box->objectName(), box->text(), right);
        }
        for (const auto& [label, right] : answers.labels) {
            out += u"\n  %1 is %2; it should be %3"_s.arg(label->objectName(),
                                                          label->checked() ? u"marked"_s : u"unmarked"_s,
                                                          right ? u"marked"_s : u"unmarked"_s);
        }
        for (const auto& [box, right] : answers.ticks) {
            out += u"\n  %1 is %2; it should be %3"_s.arg(box->objectName())
                       .arg(box->value())
                       .arg(right ? 1 : 0);
        }
        for (const toolkit::ListView* list : screen.findChildren<toolkit::ListView*>()) {
            if (list->isVisible()) {
                out += u"\n  %1 lists %2"_s.arg(list->objectName(), list->texts().join(u", "_s));
            }
        }
        return out.toStdString();
    }
    static QMessageBox* refusal() { return qobject_cast<QMessageBox*>(QApplication::activeWindow()); }
    static bool refused() { return refusal() != nullptr; }
    // Space on "Napred" with the task unsolved brings up the refusal.
    static void pressUnsolved(course::LessonScreen& screen) {
        real::tabTo(screen.Command1);
        real::key(QStringLiteral("space"), refused);
    }
    // Enter closes the refusal.
    void closeRefusal() const {
        saveShot(*refusal(), QStringLiteral("refusal"));
        EXPECT_EQ(refusal()->text(), shown(QStringLiteral("Zadatak nije rešen !")));
        EXPECT_EQ(refusal()->windowTitle(), shown(QStringLiteral("Paznja")));
        EXPECT_EQ(refusal()->icon(), QMessageBox::Warning);
        real::key(QStringLiteral("Return"));
        ASSERT_TRUE(QTest::qWaitFor([] { return refusal() == nullptr; }, 5000));
    }
};

TEST_P(Keyboard, ThePupilFinishesTheCourseWithTheKeyboardAlone) {
    program.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.form2()));
    saveShot(program.form2(), QStringLiteral("splash"));
    real::key(QStringLiteral("space"), [this] {
        return program.isLoaded(Program::Screen::Form1) && program.form1().isActiveWindow();
    });
    Form1& main = program.form1();
    EXPECT_EQ(focus(), main.Text1) << "the introduction is read first";

    // About, and Escape closes it.
    real::tabTo(main.Command3);
    real::key(QStringLiteral("space"), [this] {
        return program.loaded(Program::Screen::Form6) &&
               program.loaded(Program::Screen::Form6)->isActiveWindow();
    });
    real::key(QStringLiteral("Escape"), [&] { return main.isActiveWindow(); });
    EXPECT_FALSE(program.isLoaded(Program::Screen::Form6));

    const QStringList buttons = {QStringLiteral("Command1"), QStringLiteral("Command2"),
                                 QStringLiteral("Command3")};
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        course::LessonScreen& screen = tag <= 11   ? static_cast<course::LessonScreen&>(main)
                                       : tag <= 19 ? static_cast<course::LessonScreen&>(program.form3())
                                                   : static_cast<course::LessonScreen&>(program.form4());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        ASSERT_TRUE(tag == 0 || (focus() && screen.isAncestorOf(focus()) && !buttons.contains(focusName())))
            << "after Napred the focus is on " << focusName().toStdString();
        pupil::Answers answers = pupil::rightAnswers(program, tag);
        switch (tag) {
        case 1:
            // Reading order round the panel; a refusal closed by Enter; a word picked and taken out with
            // Delete.
            EXPECT_EQ(tabRound(), (QStringList{"Text2", "Text3", "ListView1", "Label77", "Command4",
                                               "Command1", "Command2", "Command3"}));
            pressUnsolved(screen);
            closeRefusal();
            pickAt(main.Text3, 13); // "je"
            ASSERT_EQ(main.ListView1->texts(), QStringList{shown(QStringLiteral("je"))});
            real::tabTo(main.ListView1);
            real::keys({QStringLiteral("Home"), QStringLiteral("Delete")});
            EXPECT_EQ(main.ListView1->count(), 0);
            EXPECT_EQ(main.Label4->caption(), shown(QStringLiteral("Odabrane reèi ( 0 )")));
            break;
        case 2:
            EXPECT_EQ(tabRound(),
                      (QStringList{"Text4", "Text5", "Text6", "Command1", "Command2", "Command3"}));
            // Typed in the Cyrillic layout.
            answers.typed = {{main.Text4, QStringLiteral("РОД")},
                             {main.Text5, QStringLiteral("БРОЈ")},
                             {main.Text6, QStringLiteral("ПАДЕЖ")}};
            break;
        case 11:
            EXPECT_EQ(tabRound(),
                      (QStringList{"Text53", "Label61", "Label63", "Label64", "Label65", "Label66", "Label67",
                                   "Label73", "Label72", "Label71", "Label70", "Label69", "Label68",
                                   "Label75", "Label76", "Command1", "Command2", "Command3"}));
            // Within a row the arrows go from word to word.
            real::tabTo(main.Label61);
            real::keys({QStringLiteral("Right"), QStringLiteral("Right")});
            EXPECT_EQ(focus(), main.Label64);
            real::key(QStringLiteral("Left"));
            EXPECT_EQ(focus(), main.Label63);
            break;
        case 12:
            pressUnsolved(screen);
            closeRefusal();
            break;
        case 17:
            answers.typed = {{program.form3().Text31, QStringLiteral("шљунак")},
                             {program.form3().Text32, QStringLiteral("cement")}};
            break;
        case 18:
            EXPECT_EQ(tabRound(), (QStringList{"Check1", "Check2", "Check3", "Check4", "Check5", "Check6",
                                               "Check7", "Check8", "Check9", "Label69", "Label70", "Command1",
                                               "Command2", "Command3"}));
            break;
        case 20:
            // Enter beside the buttons presses Napred: a refusal, closed by Enter.
            EXPECT_EQ(focus(), program.form4().Label76);
            real::key(QStringLiteral("Return"), refused);
            closeRefusal();
            break;
        default:
            break;
        }
        answer(answers);
        saveShot(screen,
                 QStringLiteral("%1-tag%2").arg(screen.objectName().toLower()).arg(tag, 2, 10, QChar(u'0')));
        if (tag == 20) {
            real::tabTo(program.form4().Label85);
            real::key(QStringLiteral("Return"), [this] {
                return program.isLoaded(Program::Screen::Form5) && program.form5().isActiveWindow();
            });
        } else {
            press(screen);
            ASSERT_EQ(refusal(), nullptr) << "the right answers were refused:" << held(screen, answers);
        }
    }

    Form5& results = program.form5();
    EXPECT_FALSE(results.Label25->caption().isEmpty());
    saveShot(results, QStringLiteral("results"));
    real::tabTo(results.Command2);
    real::key(QStringLiteral("Return"), [this] { return program.ended(); });
}

INSTANTIATE_TEST_SUITE_P(, Keyboard,
                         testing::Values(Run{content::Script::Latin, toolkit::Look::Design},
                                         Run{content::Script::Cyrillic, toolkit::Look::Design},
                                         Run{content::Script::Latin, toolkit::Look::HighContrast},
                                         Run{content::Script::Cyrillic, toolkit::Look::HighContrast}),
                         [](const testing::TestParamInfo<Run>& run) {
                             return std::string(run.param.script == content::Script::Latin ? "Latin"
                                                                                           : "Cyrillic") +
                                    (run.param.look == toolkit::Look::HighContrast ? "HighContrast" : "");
                         });

} // namespace
