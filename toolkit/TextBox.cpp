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

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    QLineEdit::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

} // namespace toolkit
