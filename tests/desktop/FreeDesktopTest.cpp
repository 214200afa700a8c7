// What a freedesktop tells of the pupil's language, the first of the locale variables that is set, and of
// high contrast, the desktop portal's contrast preference, read at once and followed as it changes.
#include "toolkit/desktop/Desktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace {

class LocaleVariables : public testing::Test {
  protected:
    void TearDown() override {
        for (const auto& [variable, value] : kept) {
            if (value.isNull()) {
                qunsetenv(variable);
            } else {
                qputenv(variable, value);
            }
        }
    }
    void set(const char* lcAll, const char* lcMessages, const char* lang) {
        const std::array<std::pair<const char*, const char*>, 3> values = {
            {{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}}};
        for (const auto& [variable, value] : values) {
            if (*value) {
                qputenv(variable, value);
            } else {
                qunsetenv(variable);
            }
        }
    }

  private:
    const std::array<std::pair<const char*, QByteArray>, 3> kept = {
        {{"LC_ALL", qgetenv("LC_ALL")}, {"LC_MESSAGES", qgetenv("LC_MESSAGES")}, {"LANG", qgetenv("LANG")}}};
};

TEST_F(LocaleVariables, TheFirstThatIsSetIsTheLanguage) {
    const struct {
        const char *lcAll, *lcMessages, *lang;
        QStringList languages;
    } rows[] = {
        {"", "", "sr_RS.UTF-8", {QStringLiteral("sr_RS.UTF-8")}},
        {"sr_RS@latin", "", "sr_RS.UTF-8", {QStringLiteral("sr_RS@latin")}},
        {"", "en_GB.UTF-8", "sr_RS.UTF-8", {QStringLiteral("en_GB.UTF-8")}},
        {"sr_RS.UTF-8", "en_GB.UTF-8", "", {QStringLiteral("sr_RS.UTF-8")}},
        {"", "", "", {}},
    };
    for (const auto& row : rows) {
        set(row.lcAll, row.lcMessages, row.lang);
        EXPECT_EQ(toolkit::desktop::languages(), row.languages)
            << row.lcAll << "/" << row.lcMessages << "/" << row.lang;
    }
}

// The desktop portal's settings, as xdg-desktop-portal serves them: the appearance's contrast (1 high)
// and colour scheme (1 prefers dark), by ReadOne.
class Portal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
  public:
    QAtomicInt contrast = 1;
    QAtomicInt colorScheme = 1;

  public Q_SLOTS:
    QDBusVariant ReadOne(const QString& nameSpace, const QString& key) {
        const uint value =
            key == u"contrast" ? uint(contrast.loadRelaxed()) : uint(colorScheme.loadRelaxed());
        return QDBusVariant(nameSpace == u"org.freedesktop.appearance" ? QVariant(value) : QVariant());
    }

  Q_SIGNALS:
    void SettingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);
};

// A session bus of the test's own, with the portal on a connection and a thread of its own, as the
// portal is a process of its own.
class DesktopPortal : public testing::Test {
  protected:
    void SetUp() override {
        bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                  QStringLiteral("--print-address")});
        ASSERT_TRUE(bus.waitForReadyRead(5000)) << "dbus-daemon started";
        const QString address = QString::fromUtf8(bus.readLine()).trimmed();
        // Every connection of the course goes to this bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
        served = QDBusConnection::connectToBus(address, QStringLiteral("portal"));
        ASSERT_TRUE(
            served.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                  QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(served.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        thread.start();
        portal.moveToThread(&thread);
    }
    void TearDown() override {
        served.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        served.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        // Back in this thread, where it goes.
        QThread* here = QThread::currentThread();
        QMetaObject::invokeMethod(
            &portal, [this, here] { portal.moveToThread(here); }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        bus.kill();
        bus.waitForFinished();
    }
    void change(const char* key, int value) {
        (std::string_view(key) == "contrast" ? portal.contrast : portal.colorScheme).storeRelaxed(value);
        // Told from the portal's own thread, as D-Bus relays a signal only from there.
        QMetaObject::invokeMethod(
            &portal,
            [this, key, value] {
                Q_EMIT portal.SettingChanged(QStringLiteral("org.freedesktop.appearance"),
                                             QString::fromLatin1(key), QDBusVariant(QVariant(uint(value))));
            },
            Qt::BlockingQueuedConnection);
    }

    QProcess bus;
    QThread thread;
    Portal portal;
    QDBusConnection served{QString()};
};

TEST_F(DesktopPortal, TheContrastPreferenceIsReadAndFollowedAsItChanges) {
    EXPECT_TRUE(toolkit::desktop::highContrast());
    EXPECT_EQ(toolkit::desktop::highContrastColours().color(QPalette::Window), QColor(Qt::black))
        << "a dark preference gives white on black";
    change("color-scheme", 0);
    EXPECT_EQ(toolkit::desktop::highContrastColours().color(QPalette::Window), QColor(Qt::white));

    QObject context;
    int heard = 0;
    toolkit::desktop::watchContrast(&context, [&heard] { ++heard; });
    change("contrast", 0);
    EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard > 0; }, 5000)) << "the change was heard";
    EXPECT_FALSE(toolkit::desktop::highContrast());

    // With no portal on the bus, nothing asks for high contrast, and nothing waits for an answer.
    served.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    QElapsedTimer asked;
    asked.start();
    EXPECT_FALSE(toolkit::desktop::highContrast());
    EXPECT_LT(asked.elapsed(), 400);
}

} // namespace

#include "FreeDesktopTest.moc"
