#include "toolkit/Look.h"

#include "toolkit/Form.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <utility>

namespace toolkit {

Look lookOf(const QWidget* control) {
    const auto* form = control ? qobject_cast<const Form*>(control->window()) : nullptr;
    return form ? form->look() : Look::Design;
}

QColor inkIn(const QPalette& colours, Ink ink) {
    switch (ink) {
    case Ink::Text:
    case Ink::Mark:
        return colours.color(QPalette::WindowText);
    case Ink::Link:
        return colours.color(QPalette::Link);
    case Ink::Marked:
        return colours.color(QPalette::Highlight);
    case Ink::Background:
        return colours.color(QPalette::Window);
    case Ink::Field:
        return colours.color(QPalette::Base);
    case Ink::Button:
        return colours.color(QPalette::Button);
    }
    return colours.color(QPalette::WindowText);
}

QColor inkOf(const QWidget* control, Ink ink, quint32 designBgr) {
    if (lookOf(control) == Look::Design) {
        return QColor(bgr(designBgr));
    }
    return inkIn(control->window()->palette(), ink);
}

QEvent::Type lookChange() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QPalette highContrastPalette(bool dark) {
    // Text and its background, a link, and the selection's pair: black, white, and in the light palette
    // a dark blue (15.9 : 1 on white), in the dark one yellow and cyan (19.6 and 16.7 : 1 on black).
    const QColor paper = dark ? QColor(0x00, 0x00, 0x00) : QColor(0xFF, 0xFF, 0xFF);
    const QColor ink = dark ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x00, 0x00, 0x00);
    const QColor link = dark ? QColor(0xFF, 0xFF, 0x00) : QColor(0x00, 0x00, 0x80);
    const QColor highlight = dark ? QColor(0x00, 0xFF, 0xFF) : QColor(0x00, 0x00, 0x80);
    const QColor highlighted = dark ? QColor(0x00, 0x00, 0x00) : QColor(0xFF, 0xFF, 0xFF);
    QPalette colours;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, paper);
        colours.setColor(group, QPalette::WindowText, ink);
        colours.setColor(group, QPalette::Base, paper);
        colours.setColor(group, QPalette::AlternateBase, paper);
        colours.setColor(group, QPalette::Text, ink);
        colours.setColor(group, QPalette::Button, paper);
        colours.setColor(group, QPalette::ButtonText, ink);
        colours.setColor(group, QPalette::BrightText, ink);
        colours.setColor(group, QPalette::PlaceholderText, ink);
        colours.setColor(group, QPalette::ToolTipBase, paper);
        colours.setColor(group, QPalette::ToolTipText, ink);
        colours.setColor(group, QPalette::Highlight, highlight);
        colours.setColor(group, QPalette::HighlightedText, highlighted);
        colours.setColor(group, QPalette::Link, link);
        colours.setColor(group, QPalette::LinkVisited, link);
        // The edges styles draw frames and bevels with: the text colour, so that every frame stands out.
        for (const auto edge :
             {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow}) {
            colours.setColor(group, edge, ink);
        }
    }
    return colours;
}

void drawFocusFrame(QPainter& painter, const QWidget* control, QRect rect) {
    if (lookOf(control) != Look::HighContrast) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(control->window()->palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}

LookStyle::~LookStyle() {
    follow(Look::Design);
}

void LookStyle::follow(Look look) {
    const bool high = look == Look::HighContrast;
    if (high == !m_designStyle.isEmpty()) {
        return;
    }
    if (high) {
        QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
        if (!classic) {
            return;
        }
        m_designStyle = QApplication::style()->name();
        QApplication::setStyle(classic);
    } else {
        // Put aside before the style changes, so that whoever hears the change and asks again finds the
        // look already followed.
        QApplication::setStyle(std::exchange(m_designStyle, QString()));
    }
}

} // namespace toolkit
