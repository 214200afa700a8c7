// Windows: the user's languages as Windows names them, and UI Automation, which Qt's accessibles reach
// directly; a message is raised as a UI Automation notification (Qt's announcement event), which
// Narrator, NVDA and JAWS speak without moving the focus.
#include "toolkit/desktop/Desktop.h"

#include "toolkit/Look.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>
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

namespace {

QColor systemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// The colours of the contrast theme that is on, as Windows gives them to every program.
QPalette contrastThemeColours() {
    QPalette colours;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const auto set = [&](QPalette::ColorRole role, int index) {
            colours.setColor(group, role, systemColour(index));
        };
        set(QPalette::Window, COLOR_WINDOW);
        set(QPalette::Base, COLOR_WINDOW);
        set(QPalette::AlternateBase, COLOR_WINDOW);
        set(QPalette::WindowText, COLOR_WINDOWTEXT);
        set(QPalette::Text, COLOR_WINDOWTEXT);
        set(QPalette::PlaceholderText, COLOR_GRAYTEXT);
        set(QPalette::Button, COLOR_BTNFACE);
        set(QPalette::ButtonText, COLOR_BTNTEXT);
        set(QPalette::Highlight, COLOR_HIGHLIGHT);
        set(QPalette::HighlightedText, COLOR_HIGHLIGHTTEXT);
        set(QPalette::Link, COLOR_HOTLIGHT);
        set(QPalette::LinkVisited, COLOR_HOTLIGHT);
        set(QPalette::ToolTipBase, COLOR_INFOBK);
        set(QPalette::ToolTipText, COLOR_INFOTEXT);
        for (const auto edge :
             {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow}) {
            set(edge, COLOR_WINDOWTEXT);
        }
    }
    return colours;
}

// Hears Windows tell of new system colours: a contrast theme turned on or off, or changed.
class ColourWatch : public QObject {
  public:
    ColourWatch(QObject* context, std::function<void()> changed)
        : QObject(context), m_changed(std::move(changed)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp &&
            (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange)) {
            m_changed();
        }
        return false;
    }

  private:
    std::function<void()> m_changed;
};

} // namespace

bool highContrast() {
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

QPalette highContrastColours() {
    if (highContrast()) {
        return contrastThemeColours();
    }
    return highContrastPalette(QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark);
}

void watchContrast(QObject* context, const std::function<void()>& changed) {
    new ColourWatch(context, changed);
}

bool hearsFocusRenamed() {
    return true;
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
