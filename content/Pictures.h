#pragma once

#include <QPixmap>

// The course's pictures, drawn by the program itself: nothing is read from disk.
namespace content {

// The tick of a solved task: a green disc, 16 x 16.
QPixmap tickPicture();
// The splash screen's picture, 128 x 128: an open book with the letters of the alphabet.
QPixmap splashPicture();
// A small decoration of a panel or a heading: a pencil over a sheet, `side` pixels square.
QPixmap decorationPicture(int side);
// The icon of a button that takes an entry out of a list: a red cross, 24 x 24.
QPixmap removePicture();

} // namespace content
