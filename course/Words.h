#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace toolkit {
class Label;
class Shape;
} // namespace toolkit

// The clickable labels of the course: words the pupil marks, numbered options the pupil rings, and
// the links under quoted excerpts.
namespace course {

inline constexpr quint32 wordColour = 0x800000; // dark blue
inline constexpr quint32 linkColour = 0x808080; // grey
inline constexpr quint32 linkHoverColour = 0x404040;

// A word of a row the pupil marks by clicking; it starts unmarked.
toolkit::Label* wordLabel(const QString& name, QWidget* panel, const QString& caption, int left, int top,
                          int height, qreal points);

// The words of a row, left to right, stand apart: a word that reaches over the next one (its caption wider
// in Cyrillic than in Latin) moves that one, and so the rest, to a space past its end.
void keepApart(const QList<toolkit::Label*>& row);

// Marked means bold and underlined; the two always change together.
bool marked(const toolkit::Label& word);
void toggleMark(toolkit::Label& word);

// An option whose ring may be shown together with others: a click rings it or clears it.
void toggleRing(toolkit::Shape& ring, toolkit::Label& number);
// One of two options of which at most one is ringed: a click rings it and clears the other, or, when it
// is ringed already, clears it.
void chooseOne(toolkit::Shape& ring, toolkit::Label& option, toolkit::Shape& otherRing,
               toolkit::Label& other);

// A grey link caption that underlines and darkens under the pointer until a surface around it resets it.
toolkit::Label* linkLabel(const QString& name, QWidget* panel, const QString& caption, int left, int top,
                          int width, int height);
void hoverLink(toolkit::Label& link);
void resetLink(toolkit::Label& link);

// The pointer moving over a surface around links takes their underline away again.
template <typename Surface> void resetLinksOnMove(Surface& surface, const QList<toolkit::Label*>& links) {
    QObject::connect(&surface, &Surface::mouseMoved, &surface, [links] {
        for (toolkit::Label* link : links) {
            resetLink(*link);
        }
    });
}

} // namespace course
