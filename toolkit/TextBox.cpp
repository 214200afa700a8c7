#include "toolkit/TextBox.h"

#include "toolkit/Twips.h"

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

QRect TextBox::caretRect(int position) const {
    const QString shown = displayText();
    const QFontMetrics metrics = fontMetrics();
    const int shift = metrics.horizontalAdvance(shown.left(position)) -
                      metrics.horizontalAdvance(shown.left(cursorPosition()));
    return cursorRect().translated(shift, 0);
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    QLineEdit::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

} // namespace toolkit
