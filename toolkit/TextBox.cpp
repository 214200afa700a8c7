#include "toolkit/TextBox.h"

#include "toolkit/Twips.h"

#include <QAccessible>

namespace toolkit {

TextBox::TextBox(const QString& name, QWidget* container) : QLineEdit(container) {
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

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    QLineEdit::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

} // namespace toolkit
