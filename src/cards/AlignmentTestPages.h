#pragma once

// The two pages a coach prints on plain paper to find the card back alignment of a printer: the
// outline of the first front cell, with bars of 1 inch and 10 cm under it to check the print is at
// actual size; and the outline of the first back cell with rulers in sixteenths of an inch beside
// its left edge and down from its top edge. Held against the light, the rulers show how far the
// front outline lies from the back outline. The alignment is not used; the back goes where the
// vertical offset and the flip put the first back.

#include "CardSheet.h"
#include "platform/Canvas.h"

namespace CardSheet {

inline const QString ScaleCheckText =
    QStringLiteral("Print at 100 % (actual size). These bars must measure 1 inch and 10 cm.");

// Draws the page; the caller ends the document.
void drawFrontTestPage(Canvas &canvas);
void drawBackTestPage(Canvas &canvas, const BackPlacement &placement = {});

} // namespace CardSheet
