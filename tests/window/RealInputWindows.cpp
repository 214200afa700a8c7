// Input through Windows' own input queue, by SendInput, to whatever window is in front: the keys a
// keyboard sends, Serbian letters as the Unicode characters a keyboard layout makes of them, and the
// pointer in the screen's pixels.
#include "tests/window/RealInput.h"

#include <QHash>
#include <QThread>

#include <windows.h>

#include <vector>

namespace real::platform {

namespace {

bool send(std::vector<INPUT>& inputs) {
    return !inputs.empty() &&
           SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    // The keys of the block between the letters and the numbers are extended keys.
    static const WORD extended[] = {VK_LEFT, VK_RIGHT, VK_UP,   VK_DOWN,   VK_HOME,
                                    VK_END,  VK_PRIOR, VK_NEXT, VK_INSERT, VK_DELETE};
    for (const WORD key : extended) {
        if (key == virtualKey) {
            input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        }
    }
    if (up) {
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
    }
    return input;
}

// An X key name ("Tab", "Return", "space", "Down", "z") as a virtual key; 0 for a name not known.
WORD virtualKeyOf(const QString& name) {
    static const QHash<QString, WORD> named = {
        {QStringLiteral("Tab"), VK_TAB},        {QStringLiteral("Return"), VK_RETURN},
        {QStringLiteral("space"), VK_SPACE},    {QStringLiteral("Escape"), VK_ESCAPE},
        {QStringLiteral("BackSpace"), VK_BACK}, {QStringLiteral("Delete"), VK_DELETE},
        {QStringLiteral("Home"), VK_HOME},      {QStringLiteral("End"), VK_END},
        {QStringLiteral("Left"), VK_LEFT},      {QStringLiteral("Right"), VK_RIGHT},
        {QStringLiteral("Up"), VK_UP},          {QStringLiteral("Down"), VK_DOWN},
        {QStringLiteral("shift"), VK_SHIFT},    {QStringLiteral("ctrl"), VK_CONTROL},
        {QStringLiteral("alt"), VK_MENU},
    };
    if (const auto found = named.constFind(name); found != named.cend()) {
        return *found;
    }
    if (name.size() == 1 && name.at(0).isLetterOrNumber() && name.at(0).unicode() < 0x80) {
        return static_cast<WORD>(name.at(0).toUpper().unicode()); // 'A' … 'Z', '0' … '9'
    }
    return 0;
}

} // namespace

bool clicks(QPoint screenPixel, int times, bool shift) {
    INPUT move = {};
    move.type = INPUT_MOUSE;
    // Absolute places run from 0 to 65535 across the main screen.
    move.mi.dx = MulDiv(screenPixel.x(), 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(screenPixel.y(), 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    std::vector<INPUT> inputs = {move};
    if (shift) {
        inputs.push_back(keyInput(VK_SHIFT, false));
    }
    if (!send(inputs)) {
        return false;
    }
    for (int i = 0; i < times; ++i) {
        INPUT down = {};
        down.type = INPUT_MOUSE;
        down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        INPUT up = down;
        up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        std::vector<INPUT> click = {down, up};
        if (!send(click)) {
            return false;
        }
        QThread::msleep(60); // as a hand clicks again, well within the double-click time
    }
    std::vector<INPUT> release;
    if (shift) {
        release.push_back(keyInput(VK_SHIFT, true));
    }
    return !shift || send(release);
}

bool drag(QPoint fromPixel, QPoint toPixel) {
    std::vector<INPUT> inputs;
    for (const QPoint pixel : {fromPixel, toPixel}) {
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dx = MulDiv(pixel.x(), 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        move.mi.dy = MulDiv(pixel.y(), 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        INPUT button = {};
        button.type = INPUT_MOUSE;
        button.mi.dwFlags = pixel == fromPixel && inputs.empty() ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        inputs.push_back(move);
        inputs.push_back(button);
    }
    return send(inputs);
}

// Each key down with its modifiers ("ctrl+Home"), then up in the reverse order.
bool keys(const QStringList& names) {
    for (const QString& name : names) {
        std::vector<WORD> held;
        for (const QString& part : name.split(u'+')) {
            const WORD key = virtualKeyOf(part);
            if (key == 0) {
                return false;
            }
            held.push_back(key);
        }
        std::vector<INPUT> inputs;
        for (const WORD key : held) {
            inputs.push_back(keyInput(key, false));
        }
        for (auto key = held.rbegin(); key != held.rend(); ++key) {
            inputs.push_back(keyInput(*key, true));
        }
        if (!send(inputs)) {
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

// Each character as the Unicode character a keyboard layout makes of its key.
bool text(const QString& text) {
    for (const QChar character : text) {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = character.unicode();
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        std::vector<INPUT> typed = {down, up};
        if (!send(typed)) {
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

} // namespace real::platform
