#include "toolkit/TextBox.h"

#include "toolkit/Accessibility.h"
#include "toolkit/Twips.h"

#include <QAccessible>
#include <QFontMetrics>

namespace toolkit {

TextBox::TextBox(const QString& name, QWidget* container) : QLineEdit(container) {
    installAccessibility();
    setObjectName(name);
    setMouseTracking(true);
}

void TextBox::setBackColor(quint32 bgrColour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(bgr(bgrColour)));
    setPalette(colours);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    // The box places its caret as it takes the focus; a screen reader hears the focus first, or it takes
    // the caret's move for a silent change of focus and says nothing of the box.
    QAccessibleEvent focus(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    QLineEdit::focusInEvent(event);
}

QRect TextBox::characterRect(int offset) const {
    // The text scrolls within the box: the caret tells by how much.
    const QFontMetrics metrics(font());
    const QString shown = displayText();
    const int place = qBound(0, offset, static_cast<int>(shown.size()));
    const QRect caret = cursorRect();
    const int shift = caret.center().x() - metrics.horizontalAdvance(shown.left(cursorPosition()));
    const int left = shift + metrics.horizontalAdvance(shown.left(place));
    const int width = place < shown.size() ? metrics.horizontalAdvance(shown.mid(place, 1)) : 1;
    return QRect(mapToGlobal(QPoint(left, caret.top())), QSize(width, caret.height()));
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    QLineEdit::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

} // namespace toolkit
