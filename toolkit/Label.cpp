#include "toolkit/Label.h"

#include "toolkit/Look.h"
#include "toolkit/Seen.h"
#include "toolkit/Twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <utility>

namespace toolkit {

Label::Label(const QString& name, QWidget* container, const QString& caption) : QLabel(container) {
    setObjectName(name);
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A label's first caption is what a screen reader first finds it with: nothing to tell.
    setTextUntold(caption);
}

void Label::setCaption(const QString& caption) {
    if (isVisible()) {
        setText(caption);
    } else {
        setTextUntold(caption);
        m_captionUntold = true;
    }
    Q_EMIT captionChanged();
}

void Label::setTextUntold(const QString& text) {
    // Qt tells every new text of a label; this one waits, or (the first) needs no telling.
    const QAccessible::UpdateHandler telling = QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
    setText(text);
    QAccessible::installUpdateHandler(telling);
}

void Label::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    if (std::exchange(m_captionUntold, false)) {
        QAccessibleEvent told(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&told);
    }
}

void Label::setForeColor(quint32 bgrColour) {
    m_foreColor = bgrColour;
    m_foreColorSet = true;
    applyColours();
}

void Label::applyColours() {
    // Every other colour comes from the window, whose palette is the look's.
    QPalette colours;
    if (lookOf(this) == Look::HighContrast) {
        if (m_role == Role::Link) {
            colours.setColor(QPalette::WindowText, inkOf(this, Ink::Link, m_foreColor));
        } else if (m_role == Role::Word && checked()) {
            colours.setColor(QPalette::WindowText, inkOf(this, Ink::Marked, m_foreColor));
        }
    } else if (m_foreColorSet) {
        colours.setColor(QPalette::WindowText, QColor(bgr(m_foreColor)));
    }
    setPalette(colours);
}

bool Label::event(QEvent* event) {
    if (event->type() == lookChange()) {
        applyColours();
    }
    return QLabel::event(event);
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

void Label::setRole(Role role) {
    m_role = role;
    setPointer();
    setFocusPolicy(Qt::TabFocus);
    m_toldChecked = checked();
    applyColours();
}

void Label::makeWord() {
    setRole(Role::Word);
}

void Label::makeOption(QWidget* ring, bool exclusive) {
    m_ring = ring;
    m_exclusive = exclusive;
    ring->installEventFilter(this);
    setRole(Role::Option);
}

void Label::makeLink() {
    setRole(Role::Link);
}

bool Label::checked() const {
    switch (m_role) {
    case Role::Word:
        return bold();
    case Role::Option:
        return m_ring && !m_ring->isHidden();
    case Role::Caption:
    case Role::Link:
        break;
    }
    return false;
}

void Label::click() {
    if (seenByPupil(this)) {
        Q_EMIT clicked();
    }
}

void Label::tellCheckedChanged() {
    if (m_role == Role::Caption || checked() == m_toldChecked) {
        return;
    }
    m_toldChecked = checked();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

bool Label::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ring &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        tellCheckedChanged();
    }
    return QLabel::eventFilter(watched, event);
}

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        if (m_role == Role::Word && lookOf(this) == Look::HighContrast) {
            applyColours(); // a marked word is in the highlight colour too
        }
        tellCheckedChanged();
    }
}

Label* Label::neighbour(bool forward) const {
    // The words of the same row, or the options of the same panel, in reading order.
    QList<Label*> kin;
    for (Label* other : parentWidget()->findChildren<Label*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other->m_role == m_role && !other->isHidden() &&
            (m_role != Role::Word || other->geometry().top() == geometry().top())) {
            kin.append(other);
        }
    }
    std::sort(kin.begin(), kin.end(), [](const Label* a, const Label* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    const qsizetype at = kin.indexOf(this) + (forward ? 1 : -1);
    return at >= 0 && at < kin.size() ? kin[at] : nullptr;
}

void Label::keyPressEvent(QKeyEvent* event) {
    if (m_role == Role::Caption) {
        QLabel::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (Label* next = neighbour(event->key() == Qt::Key_Right || event->key() == Qt::Key_Down)) {
            next->setFocus(Qt::TabFocusReason);
        }
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        if (lookOf(this) == Look::HighContrast) {
            drawFocusFrame(painter, this, rect());
            return;
        }
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void Label::mousePressEvent(QMouseEvent* event) {
    // A click belongs to the control it lands on, not to its container.
    event->accept();
    m_clicks.press(*event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (m_clicks.release(*event, rect())) {
        click();
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
