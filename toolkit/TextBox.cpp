#include "toolkit/TextBox.h"

#include "toolkit/Look.h"
#include "toolkit/TextBoundaries.h"
#include "toolkit/Twips.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>

#include <utility>

namespace toolkit {

TextBox::TextBox(const QString& name, QWidget* container) : QLineEdit(container) {
    setObjectName(name);
    setMouseTracking(true);
}

void TextBox::setBackColor(quint32 bgrColour) {
    m_backColor = bgrColour;
    applyColours();
}

void TextBox::applyColours() {
    QPalette colours;
    if (m_backColor && lookOf(this) == Look::Design) {
        colours.setColor(QPalette::Base, QColor(bgr(*m_backColor)));
    }
    setPalette(colours);
}

bool TextBox::event(QEvent* event) {
    if (event->type() == lookChange()) {
        applyColours();
    }
    return QLineEdit::event(event);
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusFrame(painter, this, rect());
    }
}

void TextBox::focusInEvent(QFocusEvent* event) {
    // A screen reader hears the focus before the caret: Qt tells the focus once this event is handled, so
    // the box places its caret (and selects what it holds) only after that. Told the caret first, Orca
    // takes its move for a silent change of focus and says nothing of the box.
    m_pendingFocusIn = event->reason();
    QTimer::singleShot(0, this, &TextBox::finishFocusIn);
}

void TextBox::finishFocusIn() {
    // Runs once, before any key or press that may come first, so a key typed at once is never taken into
    // a selection made after it.
    if (const std::optional<Qt::FocusReason> reason = std::exchange(m_pendingFocusIn, std::nullopt);
        reason && hasFocus()) {
        QFocusEvent focusIn(QEvent::FocusIn, *reason);
        QLineEdit::focusInEvent(&focusIn);
    }
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    m_pendingFocusIn.reset();
    QLineEdit::focusOutEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    finishFocusIn();
    const bool word = event->modifiers().testFlag(Qt::ControlModifier) &&
                      (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right);
    if (!word) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // By words as in the reading texts, selecting with Shift.
    const int from = cursorPosition();
    const int to = TextBoundaries(text(), {}).wordMove(from, event->key() == Qt::Key_Right);
    const bool select = event->modifiers().testFlag(Qt::ShiftModifier);
    if (to > from) {
        cursorForward(select, to - from);
    } else {
        cursorBackward(select, from - to);
    }
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    finishFocusIn();
    QLineEdit::mousePressEvent(event);
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
