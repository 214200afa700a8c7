// Input through the X server, sent by xdotool to whatever window has the focus.
#include "tests/window/RealInput.h"

#include <QProcess>

namespace real::platform {

namespace {

bool xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QStringList pointerTo(QPoint pixel) {
    return {QStringLiteral("mousemove"), QString::number(pixel.x()), QString::number(pixel.y())};
}

} // namespace

bool clicks(QPoint screenPixel, int times, bool shift) {
    QStringList arguments = pointerTo(screenPixel);
    if (shift) {
        arguments << QStringLiteral("keydown") << QStringLiteral("shift");
    }
    arguments << QStringLiteral("click") << QStringLiteral("--repeat") << QString::number(times)
              << QStringLiteral("--delay") << QStringLiteral("60") << QStringLiteral("1");
    if (shift) {
        arguments << QStringLiteral("keyup") << QStringLiteral("shift");
    }
    return xdotool(arguments);
}

bool drag(QPoint fromPixel, QPoint toPixel) {
    return xdotool(pointerTo(fromPixel) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} +
                   pointerTo(toPixel) + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")});
}

bool keys(const QStringList& names) {
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("5")} +
                   names);
}

// In whichever of the desktop's keyboard layouts has the letters.
bool text(const QString& text) {
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), text});
}

} // namespace real::platform
