// UI Automation, the interface Narrator, NVDA and JAWS read, asked from a process of its own as they ask
// it (uia_walk): on every panel of the course it finds each control that Qt's accessibility offers a
// screen reader, by the same name and as the same kind of control.
#include "screens/Program.h"
#include "screens/auxiliary/Form2.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "tests/support/Pupil.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Host.h"
#include "toolkit/Label.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <uiautomation.h>

namespace {

// The kind of control UI Automation tells for each role of Qt's accessibility that a pupil meets.
int controlTypeOf(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
        return UIA_ButtonControlTypeId;
    case QAccessible::CheckBox:
        return UIA_CheckBoxControlTypeId;
    case QAccessible::RadioButton:
        return UIA_RadioButtonControlTypeId;
    case QAccessible::Link:
        return UIA_HyperlinkControlTypeId;
    case QAccessible::EditableText:
        return UIA_EditControlTypeId;
    case QAccessible::StaticText:
        return UIA_TextControlTypeId;
    case QAccessible::List:
        return UIA_ListControlTypeId;
    case QAccessible::Tree:
        return UIA_TreeControlTypeId;
    default:
        return 0;
    }
}

// What UI Automation finds under a window, as "type<TAB>name" lines, read while this program goes on
// answering it.
QStringList automationOf(QWidget& window) {
    QProcess walk;
    // The event loop answers each call of UI Automation as it comes (a wait that sleeps between looks
    // would make every call wait its turn).
    QEventLoop answering;
    QObject::connect(&walk, &QProcess::finished, &answering, &QEventLoop::quit);
    QObject::connect(&walk, &QProcess::errorOccurred, &answering, &QEventLoop::quit);
    QTimer::singleShot(60000, &answering, &QEventLoop::quit);
    walk.start(QCoreApplication::applicationDirPath() + QStringLiteral("/uia_walk.exe"),
               {QString::number(reinterpret_cast<quintptr>(reinterpret_cast<void*>(window.winId())))});
    answering.exec();
    EXPECT_EQ(walk.state(), QProcess::NotRunning) << "UI Automation did not answer";
    EXPECT_EQ(walk.exitCode(), 0) << walk.readAllStandardError().toStdString();
    QStringList lines = QString::fromUtf8(walk.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines) {
        line = line.trimmed(); // a program's standard output on Windows ends its lines with CR LF
    }
    return lines;
}

class UiAutomation : public testing::Test {
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
};

TEST_F(UiAutomation, FindsEveryControlOfEveryPanelByItsNameAndKind) {
    program.start();
    pupil::click(program.form2().Label1);
    int found = 0;
    for (int tag = 0; tag <= 20; ++tag) {
        SCOPED_TRACE("tag " + std::to_string(tag));
        course::LessonScreen& screen = front();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        ASSERT_TRUE(pupil::giveRightAnswers(program, tag));
        const QStringList automation = automationOf(screen);
        for (QAccessibleInterface* accessible : pupil::offered(screen)) {
            const int type = controlTypeOf(accessible->role());
            const QString name = accessible->text(QAccessible::Name);
            if (type == 0 || name.isEmpty()) {
                continue;
            }
            EXPECT_TRUE(automation.contains(QString::number(type) + u'\t' + name))
                << "UI Automation has no " << type << " named \"" << name.toStdString() << "\"";
            ++found;
        }
        if (tag < 20) {
            pupil::click(screen.Command1);
            ASSERT_TRUE(host.messages.isEmpty()) << "the right answers of tag " << tag << " were refused";
        }
    }
    EXPECT_GT(found, 200) << "too few controls were looked for";
}

} // namespace
