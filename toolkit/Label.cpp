#include "toolkit/Label.h"

#include "toolkit/Twips.h"

#include <QMouseEvent>

namespace toolkit {

Label::Label(const QString& name, QWidget* container, const QString& caption) : QLabel(caption, container) {
    setObjectName(name);
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setForeColor(quint32 bgrColour) {
    m_foreColor = bgrColour;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(bgr(bgrColour)));
    setPalette(colours);
}

void Label::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Label::setUnderline(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void Label::setFontSize(qreal points) {
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void Label::setPointer() {
    setCursor(Qt::PointingHandCursor);
}

void Label::mousePressEvent(QMouseEvent* event) {
    // A click belongs to the control it lands on, not to its container.
    event->accept();
    m_clicks.press(*event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_clicks.release(*event, rect())) {
        Q_EMIT clicked();
    }
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    // The pointer is over this label, not over its container: the move must not reach the container
    // too, whose own move handler may undo what this label's did (a link's hover look).
    event->accept();
    Q_EMIT mouseMoved();
}

} // namespace toolkit
