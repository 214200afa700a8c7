#pragma once

// A fresh run of the course for every test, driven as a pupil drives it: by clicks on real controls,
// by typing into boxes and by presses of "Napred". The host records message boxes and addresses,
// and the clocks follow a time the test sets.

#include "content/Script.h"
#include "course/LessonScreen.h"
#include "screens/Program.h"
#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "tests/support/Pupil.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Host.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Timer.h"
#include "toolkit/TreeView.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class CourseTest : public testing::Test {
  protected:
    void SetUp() override {
        program = std::make_unique<Program>(host, script);
        program->setClockSource([this] { return nowMs; });
    }
    void TearDown() override { program.reset(); }
    // Ends this run and starts a fresh one, with no warnings recorded and the time back at zero.
    void restart() {
        TearDown();
        host.messages.clear();
        nowMs = 0;
        SetUp();
    }

    // The splash, then a click on it: the main lesson screen is in front.
    Form1& enterCourse() {
        program->start();
        pupil::click(program->form2().Label1);
        return program->form1();
    }
    // The lesson screen in front and its progress tag.
    course::LessonScreen& front() const {
        for (auto screen : {Program::Screen::Form4, Program::Screen::Form3, Program::Screen::Form1}) {
            if (toolkit::Form* form = program->loaded(screen); form && form->isVisible()) {
                return static_cast<course::LessonScreen&>(*form);
            }
        }
        ADD_FAILURE() << "no lesson screen is in front";
        return program->form1();
    }
    int frontTag() const { return front().Command1->tag().toInt(); }
    // The main, second or closing lesson screen, loaded if need be.
    course::LessonScreen& lesson(Program::Screen which) {
        return which == Program::Screen::Form3   ? static_cast<course::LessonScreen&>(program->form3())
               : which == Program::Screen::Form4 ? static_cast<course::LessonScreen&>(program->form4())
                                                 : program->form1();
    }
    // Presses "Napred" on the lesson screen in front.
    void pressNapred() { pupil::click(front().Command1); }
    // Gives the right answers of the tasks judged at `tag` on the screen in front, then presses.
    void solve(int tag) {
        EXPECT_TRUE(pupil::giveRightAnswers(*program, tag))
            << "a word of tag " << tag << " could not be picked";
        pressNapred();
    }
    // Solves every tag from the current one up to, not including, `tag`.
    void walkTo(int tag) {
        while (frontTag() < tag) {
            const int before = frontTag();
            solve(before);
            if (front().objectName() == QStringLiteral("Form4") && before == 20) {
                return;
            }
            ASSERT_NE(frontTag(), before) << "the right answers of tag " << before << " were refused";
        }
    }
    // Lets the clocks see `seconds` more seconds pass and ticks the main screen's timer.
    void wait(int seconds) {
        nowMs += 1000LL * seconds;
        Q_EMIT program->form1().Timer1->tick();
    }

    int refusals() const { return static_cast<int>(host.messages.size()); }

    // What a press that moves nothing on leaves as it was: the tag, the caption of "Napred", the
    // title and the task panels shown (the narrow boxes and the results strip are no panels).
    static QStringList stateOf(const course::LessonScreen& screen) {
        QStringList state = {screen.Command1->tag(), screen.Command1->caption(), screen.Label1->caption()};
        for (const toolkit::PictureBox* box :
             screen.findChildren<toolkit::PictureBox*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (box != screen.picResult && box != screen.Picture5 && box != screen.Picture8 &&
                !box->isHidden()) {
                state.append(box->objectName());
            }
        }
        return state;
    }
    static QString selectedNode(const toolkit::TreeView& tree) {
        return tree.selected() ? tree.selected()->text(0) : QStringLiteral("(none)");
    }
    static bool inView(const toolkit::TreeView& tree, toolkit::TreeView::Node* node) {
        const QRect place = tree.visualItemRect(node);
        return place.isValid() && tree.viewport()->rect().contains(place);
    }
    // The rows of all 26 tasks on every lesson screen, each of which carries only its own (the main
    // screen 1 to 12, the second 1 to 23, the closing screen all): the tasks before `firstOpen` are
    // numbered and ticked, of the others only those listed.
    void expectRows(int firstOpen, const std::set<int>& numbered = {}, const std::set<int>& ticked = {}) {
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
                EXPECT_EQ(screen->results.rowLabel(task)->caption(),
                          number ? QString::number(task) : QString());
                EXPECT_EQ(screen->results.rowImage(task)->hasPicture(), tick);
            }
        }
    }
    // The results cells of the ten steps' times and of the total.
    QStringList cells() {
        QStringList texts;
        Form5& r = program->form5();
        for (const toolkit::Label* cell : {r.Label14, r.Label15, r.Label16, r.Label17, r.Label18, r.Label19,
                                           r.Label20, r.Label21, r.Label22, r.Label23, r.Label25}) {
            texts << cell->caption();
        }
        return texts;
    }
    // Deletes what has been unloaded, as the event loop does once a handler returns.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Every text a window shows or tells a screen reader, but what the pupil typed.
    static QStringList textsIn(const QWidget& window) {
        QStringList texts = {window.windowTitle()};
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (QAccessibleInterface* told = QAccessible::queryAccessibleInterface(control)) {
                texts << told->text(QAccessible::Name) << told->text(QAccessible::Description);
            }
            if (auto* label = qobject_cast<QLabel*>(control)) {
                texts << label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                texts << button->text();
            } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
                texts << text->toPlainText();
            } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
                for (QTreeWidgetItemIterator node(tree); *node; ++node) {
                    texts << (*node)->text(0);
                }
            } else if (auto* list = qobject_cast<QListWidget*>(control)) {
                for (int row = 0; row < list->count(); ++row) {
                    texts << list->item(row)->text();
                }
            }
        }
        return texts;
    }
    // The texts that hold a Latin letter outside the terms kept in Latin.
    static QStringList latinIn(const QWidget& window) { return withLatin(textsIn(window)); }
    static QStringList withLatin(const QStringList& texts) {
        QStringList latin;
        for (QString text : texts) {
            for (const QString& kept : content::keptInLatin()) {
                text.remove(kept);
            }
            if (std::any_of(text.cbegin(), text.cend(),
                            [](QChar c) { return c.isLetter() && c.script() == QChar::Script_Latin; })) {
                latin << text;
            }
        }
        latin.removeDuplicates();
        return latin;
    }

    content::Script script = content::Script::Latin;
    toolkit::RecordingHost host;
    qint64 nowMs = 0;
    std::unique_ptr<Program> program;
};
