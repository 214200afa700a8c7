#include "toolkit/TextArea.h"

#include "toolkit/Twips.h"

#include <QMouseEvent>
#include <QTextBlock>

#include <algorithm>

namespace toolkit {

TextArea::TextArea(const QString& name, QWidget* container) : QPlainTextEdit(container) {
    setObjectName(name);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Like the course's text boxes, it shows no scroll bars: its texts are laid out to fit. (A bar shown
    // while the box had a passing size would otherwise narrow the box and stay for good.)
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_storedOffset = {0};
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
    // A text that ends with a line break would show an empty last line; the editor needs no such line.
    setPlainText(shown.endsWith(u'\n') ? shown.chopped(1) : shown);
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
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(bgr(bgrColour)));
    setPalette(colours);
}

void TextArea::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    Q_EMIT gotFocus();
}

void TextArea::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
    }
}

void TextArea::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

} // namespace toolkit
