#pragma once

// Setting the font and placing a text on a printed card sheet, in twips.

#include "platform/Canvas.h"

#include <QString>

namespace CardSheet {

inline void setFont(Canvas &canvas, const QString &name, double points, bool bold, bool italic)
{
    canvas.setFont(name, points, bold, italic);
}

inline void printAt(Canvas &canvas, const QString &text, int x, int y)
{
    canvas.printAt(text, x, y);
}

inline void printCentred(Canvas &canvas, const QString &text, int centreX, int y)
{
    printAt(canvas, text, centreX - canvas.textWidth(text) / 2, y);
}

inline void printEndingAt(Canvas &canvas, const QString &text, int rightEdge, int y)
{
    printAt(canvas, text, rightEdge - canvas.textWidth(text), y);
}

// A text that keeps to `room` twips by the card's rule (narrower letters, then a smaller size,
// then "…"), from its left edge at `x` or centred on `centreX`. The font is as it was after.
void printWithin(Canvas &canvas, const QString &text, int x, int y, int room);
void printCentredWithin(Canvas &canvas, const QString &text, int centreX, int y, int room);

} // namespace CardSheet
