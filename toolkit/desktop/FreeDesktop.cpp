// The freedesktop (Debian): the locale variables, the desktop portal's contrast preference, and the AT-SPI
// bus, where a message is heard as a notification shown, and Qt's bridge has a front that answers the text
// calls it gets wrong.
#include "toolkit/desktop/Desktop.h"

#include "toolkit/Look.h"
#include "toolkit/desktop/Notice.h"
#include "toolkit/qtfixes/BridgeFront.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLibraryInfo>
#include <QVersionNumber>

namespace toolkit::desktop {

QStringList languages() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            return {value};
        }
    }
    return {};
}

namespace {

// The desktop portal's settings of appearance (xdg-desktop-portal, Settings).
const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");

// A setting of appearance as a number ("contrast": 1 high; "color-scheme": 1 prefers dark), or nothing
// where no portal answers at once. A portal that is not running is not started for it.
std::optional<uint> appearanceSetting(const QString& key) {
    for (const QString& read : {QStringLiteral("ReadOne"), QStringLiteral("Read")}) {
        QDBusMessage call = QDBusMessage::createMethodCall(portal, portalPath, settings, read);
        call << appearance << key;
        call.setAutoStartService(false);
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 500);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            continue;
        }
        // ReadOne answers the value in a variant; the older Read in a variant in a variant.
        QVariant value = reply.arguments().constFirst();
        while (value.canConvert<QDBusVariant>()) {
            value = value.value<QDBusVariant>().variant();
        }
        bool number = false;
        const uint setting = value.toUInt(&number);
        if (number) {
            return setting;
        }
    }
    return std::nullopt;
}

// Hears the portal tell of a change of a setting of appearance.
class AppearanceWatch : public QObject {
    Q_OBJECT
  public:
    AppearanceWatch(QObject* context, std::function<void()> changed)
        : QObject(context), m_changed(std::move(changed)) {
        QDBusConnection::sessionBus().connect(portal, portalPath, settings, QStringLiteral("SettingChanged"),
                                              this, SLOT(settingChanged(QString, QString, QDBusVariant)));
    }

  private Q_SLOTS:
    void settingChanged(const QString& nameSpace, const QString& key, const QDBusVariant&) {
        if (nameSpace == appearance && (key == u"contrast" || key == u"color-scheme")) {
            m_changed();
        }
    }

  private:
    std::function<void()> m_changed;
};

} // namespace

bool highContrast() {
    return appearanceSetting(QStringLiteral("contrast")).value_or(0) == 1;
}

QPalette highContrastColours() {
    return highContrastPalette(appearanceSetting(QStringLiteral("color-scheme")).value_or(0) == 1);
}

void watchContrast(QObject* context, const std::function<void()>& changed) {
    new AppearanceWatch(context, changed);
}

void tell(QWidget& control, const QString& message) {
    QWidget* window = control.window();
    auto* notice = window->findChild<Notice*>(QString(), Qt::FindDirectChildrenOnly);
    (notice ? notice : new Notice(window))->tell(message);
}

bool hearsFocusRenamed() {
    // The Orca of a release goes with its Qt: 43 with Qt 6.4, 48 with Qt 6.8.
    return QLibraryInfo::version() >= QVersionNumber(6, 8);
}

void installAccessibilityInterface(OwnReading ownReading) {
    new BridgeFront(qApp, ownReading);
}

} // namespace toolkit::desktop

#include "FreeDesktop.moc"
