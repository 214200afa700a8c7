#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

// The screens are designed in twips (1/1440 inch) with colours written as &HBBGGRR. At 100 % scale a
// pixel is 15 twips; Qt's device pixel ratio takes care of high-DPI screens.
namespace toolkit {

inline constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

constexpr int twips(int pixels) {
    return pixels * twipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// Puts a control at its design place inside its container.
inline void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(twipsRect(left, top, width, height));
}

// &HBBGGRR: blue in the high byte, red in the low one.
constexpr QRgb bgr(quint32 value) {
    return qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

} // namespace toolkit
