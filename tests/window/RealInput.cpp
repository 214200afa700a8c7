#include "tests/window/RealInput.h"

#include <QApplication>
#include <QDir>
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

// Sends input and waits until the program has seen `releases` releases.
void sendAndWait(const std::function<bool()>& send, int releases) {
    Releases seen;
    ASSERT_TRUE(send()) << "the input could not be sent";
    const bool seenAll = QTest::qWaitFor([&] { return seen.count >= releases; }, 5000);
    EXPECT_TRUE(seenAll) << "the program saw " << seen.count << " of " << releases << " releases";
}

// The screen's pixel under a point of a control.
QPoint pixelAt(QWidget* control, QPoint point) {
    return control->mapToGlobal(point) * control->devicePixelRatioF();
}

} // namespace

void click(QWidget* control, QPoint point, int times, bool shift) {
    const QPoint pixel = pixelAt(control, point);
    sendAndWait([&] { return platform::clicks(pixel, times, shift); }, times + (shift ? 1 : 0));
}

void drag(QWidget* control, QPoint from, QPoint to) {
    const QPoint start = pixelAt(control, from);
    const QPoint end = pixelAt(control, to);
    sendAndWait([&] { return platform::drag(start, end); }, 1);
}

void key(const QString& name) {
    keys({name});
}

void key(const QString& name, const std::function<bool()>& done) {
    ASSERT_TRUE(platform::keys({name})) << "the input could not be sent";
    EXPECT_TRUE(QTest::qWaitFor(done, 5000)) << "nothing came of " << name.toStdString();
}

void keys(const QStringList& names) {
    int releases = 0;
    for (const QString& name : names) {
        releases += 1 + int(name.count(u'+'));
    }
    sendAndWait([&] { return platform::keys(names); }, releases);
}

void tabTo(QWidget* control) {
    for (int i = 0; i < 60 && QApplication::focusWidget() != control; ++i) {
        key(QStringLiteral("Tab"));
    }
    ASSERT_EQ(QApplication::focusWidget(), control)
        << "Tab never reached " << control->objectName().toStdString();
}

void type(const QString& text, const std::function<bool()>& typed) {
    ASSERT_TRUE(platform::text(text)) << "the input could not be sent";
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
