#include "toolkit/PictureBox.h"

#include "toolkit/Look.h"
#include "toolkit/Twips.h"

#include <QMouseEvent>

namespace toolkit {

PictureBox::PictureBox(const QString& name, QWidget* container) : QFrame(container) {
    setObjectName(name);
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void PictureBox::setBackColor(quint32 bgrColour) {
    m_backColor = bgrColour;
    // Its own colour, whatever background its container paints with.
    setBackgroundRole(QPalette::Window);
    applyColours();
}

void PictureBox::applyColours() {
    QPalette colours;
    if (m_backColor && lookOf(this) == Look::Design) {
        colours.setColor(QPalette::Window, QColor(bgr(*m_backColor)));
    }
    setPalette(colours);
}

bool PictureBox::event(QEvent* event) {
    if (event->type() == lookChange()) {
        applyColours();
    }
    return QFrame::event(event);
}

void PictureBox::setBordered(bool bordered) {
    setFrameStyle(bordered ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
}

int PictureBox::top() const {
    return m_top.value_or(twips(y()));
}

void PictureBox::setTop(int twipsValue) {
    m_top = twipsValue;
    move(x(), pixels(twipsValue));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    // A click belongs to the control it lands on, not to its container.
    event->accept();
    m_clicks.press(*event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_clicks.release(*event, rect())) {
        Q_EMIT clicked();
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    QFrame::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

} // namespace toolkit
