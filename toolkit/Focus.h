#pragma once

#include <QList>

class QWidget;

namespace toolkit {

// The controls inside a container that Tab reaches, in reading order: top to bottom, and left to right
// within a line. Controls whose tops lie less than 300 twips apart share a line, so that a box a little
// lower than the text beside it still follows that text.
QList<QWidget*> readingOrder(QWidget* container);

// Puts the controls of a container into the focus chain in reading order, right after `after`.
void chainInReadingOrder(QWidget* after, QWidget* container);

// Gives the focus to the first control of a container that Tab reaches, as Tab would.
void focusFirstIn(QWidget* container);

} // namespace toolkit
