#include "toolkit/TextArea.h"

#include "toolkit/Look.h"
#include "toolkit/Seen.h"
#include "toolkit/TextBoundaries.h"
#include "toolkit/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace toolkit {

TextArea::TextArea(const QString& name, QWidget* container) : QPlainTextEdit(container) {
    setObjectName(name);
    setReadOnly(true);
    // Selectable by keyboard only while the focus shows (see showFocus), so that the caret shows then
    // and only then; the keys and the pointer are handled here, so nothing is ever selected.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Like the course's text boxes, it shows no scroll bars: its texts are laid out to fit. (A bar shown
    // while the box had a passing size would otherwise narrow the box and stay for good.)
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Nor does it scroll: the caret on a last line that the box shows only in part leaves the text where
    // it stands. A box given a scroll bar scrolls as usual.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        if (maximum > 0 && verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
            verticalScrollBar()->setRange(0, 0);
        }
    });
    m_storedOffset = {0};
    keepTextInset();
}

void TextArea::keepTextInset() {
    // The reading texts are laid out to fit their boxes inside a frame of 1 px and Qt's margin of 4, as on
    // Debian. A style whose frame is wider (Windows' visual styles draw 2 px) loses that width above and
    // below the lines: it is taken from the margin, so that the same lines fit the same box everywhere.
    constexpr int designFrame = 1;
    constexpr int designMargin = 4;
    document()->setDocumentMargin(std::max(0, designMargin - 2 * (frameWidth() - designFrame)));
}

void TextArea::setText(const QString& text) {
    m_text = text;
    QString shown;
    shown.reserve(text.size());
    m_storedOffset.clear();
    m_storedOffset.reserve(text.size() + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        m_storedOffset.append(static_cast<int>(i));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
            shown.append(u'\n');
        } else if (text[i] == u'\r') {
            shown.append(u'\n');
        } else {
            shown.append(text[i]);
        }
    }
    m_storedOffset.append(static_cast<int>(text.size()));
    setPlainText(shown);
}

int TextArea::selStart() const {
    const int shownPosition = textCursor().position();
    if (shownPosition < 0 || shownPosition >= m_storedOffset.size()) {
        return m_storedOffset.isEmpty() ? 0 : m_storedOffset.last();
    }
    return m_storedOffset[shownPosition];
}

int TextArea::shownPosition(int storedOffset) const {
    // The first shown position past the offset, less one.
    const auto after = std::upper_bound(m_storedOffset.cbegin(), m_storedOffset.cend(), storedOffset);
    const auto position = static_cast<int>(std::distance(m_storedOffset.cbegin(), after)) - 1;
    return qBound(0, position, document()->characterCount() - 1);
}

void TextArea::setSelStart(int offset) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(shownPosition(offset));
    setTextCursor(cursor);
}

void TextArea::setBackColor(quint32 bgrColour) {
    m_backColor = bgrColour;
    applyColours();
}

void TextArea::applyColours() {
    QPalette colours;
    if (m_backColor && lookOf(this) == Look::Design) {
        colours.setColor(QPalette::Base, QColor(bgr(*m_backColor)));
    }
    setPalette(colours);
}

void TextArea::clickAtCaret() {
    if (seenByPupil(this)) {
        Q_EMIT clicked();
    }
}

bool TextArea::event(QEvent* event) {
    const bool paint = event->type() == QEvent::Paint; // the text may be gone after other events
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::StyleChange) {
        keepTextInset();
    }
    if (event->type() == lookChange()) {
        applyColours();
    }
    if (paint && showsFocus()) {
        // The focus shows as a frame in the highlight colour, besides the caret.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    return handled;
}

bool TextArea::showsFocus() const {
    return hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void TextArea::showFocus() {
    // Qt draws the caret of a text that is selectable by keyboard, and of no other.
    setTextInteractionFlags(showsFocus() ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                         : Qt::TextSelectableByMouse);
    update();
}

void TextArea::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    update();
}

void TextArea::setDescription(const QString& description) {
    m_descriptionUntold = hasFocus();
    if (m_descriptionUntold) {
        m_untoldDescription = description;
    } else {
        setAccessibleDescription(description);
    }
}

void TextArea::focusInEvent(QFocusEvent* event) {
    // Told before Qt tells the focus, so that a screen reader reads the new description as the text
    // gains the focus, and does not speak it as a change.
    if (m_descriptionUntold) {
        m_descriptionUntold = false;
        setAccessibleDescription(m_untoldDescription);
    }
    QPlainTextEdit::focusInEvent(event);
    showFocus();
    if (event->reason() == Qt::MouseFocusReason) {
        Q_EMIT gotFocus();
    }
}

void TextArea::keyPressEvent(QKeyEvent* event) {
    showFocus();
    const bool byWords = event->modifiers().testFlag(Qt::ControlModifier);
    if (byWords && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        moveByWord(event->key() == Qt::Key_Right);
        return;
    }
    QTextCursor::MoveOperation move = QTextCursor::NoMove;
    switch (event->key()) {
    case Qt::Key_Left:
        move = QTextCursor::Left;
        break;
    case Qt::Key_Right:
        move = QTextCursor::Right;
        break;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        move = QTextCursor::Up;
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        move = QTextCursor::Down;
        break;
    case Qt::Key_Home:
        move = byWords ? QTextCursor::Start : QTextCursor::StartOfLine;
        break;
    case Qt::Key_End:
        move = byWords ? QTextCursor::End : QTextCursor::EndOfLine;
        break;
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            clickAtCaret();
        }
        return;
    default:
        // Nothing is typed here; the key goes on to the window (Tab, Enter, Escape and the like).
        event->ignore();
        return;
    }
    QTextCursor cursor = textCursor();
    const int lines = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown
                          ? qMax(1, viewport()->height() / qMax(1, fontMetrics().lineSpacing()))
                          : 1;
    cursor.movePosition(move, QTextCursor::MoveAnchor, lines);
    setTextCursor(cursor);
}

void TextArea::moveByWord(bool forward) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(TextBoundaries(toPlainText(), {}).wordMove(cursor.position(), forward));
    setTextCursor(cursor);
}

void TextArea::mousePressEvent(QMouseEvent* event) {
    showFocus();
    if (m_clicks.press(*event)) {
        const bool hadFocus = hasFocus();
        setTextCursor(cursorForPosition(event->position().toPoint()));
        if (hadFocus) {
            Q_EMIT gotFocus();
        }
    }
}

void TextArea::mouseDoubleClickEvent(QMouseEvent* event) {
    m_clicks.press(*event);
}

void TextArea::mouseReleaseEvent(QMouseEvent* event) {
    if (m_clicks.release(*event, viewport()->rect())) {
        Q_EMIT clicked();
    }
}

void TextArea::mouseMoveEvent(QMouseEvent* event) {
    // A drag selects nothing: the caret stays where the button went down.
    event->accept();
    Q_EMIT mouseMoved();
}

} // namespace toolkit
