// The course in real windows, under an X server: the splash gives way to the main lesson screen on a
// click, a wrong answer brings up a real message box, and the lesson screens hand over at the same
// place. Pictures of every screen are left in the build folder for people to look at.
#include "screens/Program.h"
#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "tests/support/Pupil.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Host.h"
#include "toolkit/Label.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString screenshotFolder() {
    const QString folder = QStringLiteral(TESMORA_SCREENSHOTS);
    QDir().mkpath(folder);
    return folder;
}

QString scaleSuffix() {
    const qreal scale = qApp->devicePixelRatio();
    return scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
}

void saveShot(QWidget& window, const QString& name) {
    window.grab().save(screenshotFolder() + u'/' + name + scaleSuffix() + QStringLiteral(".png"));
}

QMessageBox* openMessageBox() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

class WindowTest : public testing::Test {
  protected:
    toolkit::DesktopHost host;
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

TEST_F(WindowTest, ThePupilWalksTheCourseInRealWindows) {
    program.start();
    Form2& splash = program.form2();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    saveShot(splash, QStringLiteral("splash"));
    pupil::click(splash.Label1);
    Form1& main = program.form1();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QTRY_VERIFY(!program.isLoaded(Program::Screen::Form2));
    main.move(120, 80);
    saveShot(main, QStringLiteral("form1-tag00"));

    pupil::click(main.Command1);
    ASSERT_EQ(main.Command1->tag(), QStringLiteral("1"));

    // A wrong answer: a real message box, closed with its OK button; nothing moves.
    pupil::click(main.Command1);
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = openMessageBox()) != nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Paznja"));
    EXPECT_EQ(box->text(), QStringLiteral("Zadatak nije rešen !"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    saveShot(*box, QStringLiteral("refusal"));
    pupil::click(box->button(QMessageBox::Ok));
    QTRY_VERIFY(openMessageBox() == nullptr);
    EXPECT_EQ(main.Command1->tag(), QStringLiteral("1"));

    for (int tag = 1; tag <= 20; ++tag) {
        course::LessonScreen& screen = front();
        const QPoint place = screen.pos();
        ASSERT_TRUE(pupil::giveRightAnswers(program, tag)) << "tag " << tag;
        saveShot(screen,
                 QStringLiteral("%1-tag%2").arg(screen.objectName().toLower()).arg(tag, 2, 10, QChar(u'0')));
        pupil::click(screen.Command1);
        ASSERT_EQ(openMessageBox(), nullptr) << "the right answers of tag " << tag << " were refused";
        if (tag == 11 || tag == 19) {
            course::LessonScreen& next = front();
            ASSERT_NE(&next, &screen);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
            EXPECT_EQ(next.pos(), place) << "the hand-off at tag " << tag;
            EXPECT_FALSE(screen.isVisible());
        }
    }
    Form5& results = program.form5();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&results));
    EXPECT_EQ(results.windowModality(), Qt::ApplicationModal);
    saveShot(results, QStringLiteral("results"));
    saveShot(program.form1(), QStringLiteral("form1-main"));
}

// Every screen keeps its proportions at any scale: the geometry is the same in device-independent
// pixels, and the pictures of it have the scale's resolution.
TEST_F(WindowTest, TheScreensScaleWithTheDevicePixelRatio) {
    Form1& main = program.form1();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_EQ(main.size(), QSize(toolkit::pixels(12435), toolkit::pixels(8880)));
    EXPECT_EQ(main.Command1->geometry(), toolkit::twipsRect(10680, 8280, 1455, 375));
    const qreal scale = main.devicePixelRatioF();
    const QPixmap picture = main.grab();
    EXPECT_EQ(picture.size(), main.size() * scale);
    EXPECT_EQ(picture.devicePixelRatio(), scale);
    EXPECT_EQ(scale, qApp->devicePixelRatio());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
