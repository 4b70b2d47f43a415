#pragma once

// The two pages a coach prints on plain paper to find the card back alignment of a printer: the
// outline of the first front cell, and the outline of the first back cell with a ruler in
// sixteenths of an inch beside its left edge. Held against the light, the ruler shows how far the
// front outline lies from the back outline. Neither page uses the card options.

#include "platform/Canvas.h"

namespace CardSheet {

// Draws the page; the caller ends the document.
void drawFrontTestPage(Canvas &canvas);
void drawBackTestPage(Canvas &canvas);

} // namespace CardSheet
