#include "tests/window/RealInput.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace real {

namespace {

// Counts the releases of keys and buttons the windows of the program receive.
class Releases : public QObject {
  public:
    Releases() { qApp->installEventFilter(this); }
    ~Releases() override { qApp->removeEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->isWindowType() &&
            (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease)) {
            ++count;
        }
        return false;
    }
};

void xdotool(const QStringList& arguments, int releases) {
    Releases seen;
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << "xdotool failed";
    const bool seenAll = QTest::qWaitFor([&] { return seen.count >= releases; }, 5000);
    EXPECT_TRUE(seenAll) << "the program saw " << seen.count << " of " << releases << " releases";
}

QStringList pointerAt(QWidget* control, QPoint point) {
    const QPoint place = control->mapToGlobal(point) * control->devicePixelRatioF();
    return {QStringLiteral("mousemove"), QString::number(place.x()), QString::number(place.y())};
}

} // namespace

void click(QWidget* control, QPoint point, int times, bool shift) {
    QStringList arguments = pointerAt(control, point);
    if (shift) {
        arguments << QStringLiteral("keydown") << QStringLiteral("shift");
    }
    arguments << QStringLiteral("click") << QStringLiteral("--repeat") << QString::number(times)
              << QStringLiteral("--delay") << QStringLiteral("60") << QStringLiteral("1");
    if (shift) {
        arguments << QStringLiteral("keyup") << QStringLiteral("shift");
    }
    xdotool(arguments, times + (shift ? 1 : 0));
}

void drag(QWidget* control, QPoint from, QPoint to) {
    xdotool(pointerAt(control, from) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} +
                pointerAt(control, to) + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")},
            1);
}

void key(const QString& name) {
    keys({name});
}

void key(const QString& name, const std::function<bool()>& done) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), name}), 0);
    EXPECT_TRUE(QTest::qWaitFor(done, 5000)) << "nothing came of " << name.toStdString();
}

void keys(const QStringList& names) {
    int releases = 0;
    for (const QString& name : names) {
        releases += 1 + int(name.count(u'+'));
    }
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("5")} + names,
            releases);
}

void tabTo(QWidget* control) {
    for (int i = 0; i < 60 && QApplication::focusWidget() != control; ++i) {
        key(QStringLiteral("Tab"));
    }
    ASSERT_EQ(QApplication::focusWidget(), control)
        << "Tab never reached " << control->objectName().toStdString();
}

void type(const QString& text, const std::function<bool()>& typed) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                                            QStringLiteral("5"), text}),
              0);
    EXPECT_TRUE(QTest::qWaitFor(typed, 5000)) << "not typed: " << text.toStdString();
}

void saveShot(QWidget& window, const QString& name) {
    const QString folder = QStringLiteral(TESMORA_SCREENSHOTS);
    QDir().mkpath(folder);
    const qreal scale = window.devicePixelRatioF();
    const QString suffix = scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
    EXPECT_TRUE(window.grab().save(folder + u'/' + name + suffix + QStringLiteral(".png")))
        << name.toStdString();
}

} // namespace real
