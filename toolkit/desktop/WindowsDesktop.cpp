// Windows: the user's languages as Windows names them, and UI Automation, which Qt's accessibles reach
// directly; a message is raised as a UI Automation notification (Qt's announcement event), which
// Narrator, NVDA and JAWS speak without moving the focus.
#include "toolkit/desktop/Desktop.h"

#include <QAccessible>
#include <QWidget>

#include <windows.h>

namespace toolkit::desktop {

namespace {

QString name(const wchar_t* characters) {
    return QString::fromWCharArray(characters);
}

} // namespace

QStringList languages() {
    QStringList names;
    // The display languages, the one in use first, as a list of names each ended by a null.
    ULONG count = 0;
    ULONG size = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        std::wstring list(size, L'\0');
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, list.data(), &size) && list[0] != L'\0') {
            names.append(name(list.c_str()));
        }
    }
    wchar_t format[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetUserDefaultLocaleName(format, LOCALE_NAME_MAX_LENGTH) > 1) {
        names.append(name(format));
    }
    return names;
}

void tell(QWidget& control, const QString& message) {
    QAccessibleAnnouncementEvent announcement(&control, message);
    QAccessible::updateAccessibility(&announcement);
}

void installAccessibilityInterface(OwnReading) {
    // UI Automation asks Qt's accessibles, the layer's own among them, for texts and their pieces
    // directly: there is no bridge of Qt's in between to mend.
}

} // namespace toolkit::desktop
