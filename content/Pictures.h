#pragma once

#include "content/Script.h"
#include "toolkit/Picture.h"

// The course's pictures, drawn by the program itself: nothing is read from disk, and each is drawn
// afresh at the resolution of the screen it is shown on, in the design's colours or, in high contrast, in
// the palette's.
namespace content {

// The tick of a solved task: a green disc, 16 x 16.
toolkit::Picture tickPicture();
// The splash screen's picture, 128 x 128: an open book with the first and the last letter of the alphabet
// ("Aa Žž"), in the script of the course.
toolkit::Picture bookPicture(Script script);
// A small decoration of a panel or a heading: a pencil over a sheet, 32 x 32.
toolkit::Picture decorationPicture();
// The icon of a button that takes an entry out of a list: a red cross, 24 x 24.
toolkit::Picture removePicture();

} // namespace content
