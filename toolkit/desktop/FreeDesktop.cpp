// The freedesktop (Debian): the locale variables, and the AT-SPI bus, where a message is heard as a
// notification shown and Qt's bridge has a front that answers the text calls it gets wrong.
#include "toolkit/desktop/Desktop.h"

#include "toolkit/desktop/Notice.h"
#include "toolkit/qtfixes/BridgeFront.h"

#include <QApplication>

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

void tell(QWidget& control, const QString& message) {
    QWidget* window = control.window();
    auto* notice = window->findChild<Notice*>(QString(), Qt::FindDirectChildrenOnly);
    (notice ? notice : new Notice(window))->tell(message);
}

void installAccessibilityInterface(OwnReading ownReading) {
    new BridgeFront(qApp, ownReading);
}

} // namespace toolkit::desktop
