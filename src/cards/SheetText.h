#pragma once

// Setting the font and placing a text on a printed card sheet, in twips.

#include "platform/Canvas.h"

namespace CardSheet {

inline void setFont(Canvas &canvas, const QString &name, double points, bool bold, bool italic)
{
    canvas.setFontName(name);
    canvas.setFontSize(points);
    canvas.setFontBold(bold);
    canvas.setFontItalic(italic);
}

inline void printAt(Canvas &canvas, const QString &text, int x, int y)
{
    canvas.setCurrentX(x);
    canvas.setCurrentY(y);
    canvas.print(text);
}

inline void printCentred(Canvas &canvas, const QString &text, int centreX, int y)
{
    printAt(canvas, text, centreX - canvas.textWidth(text) / 2, y);
}

inline void printEndingAt(Canvas &canvas, const QString &text, int rightEdge, int y)
{
    printAt(canvas, text, rightEdge - canvas.textWidth(text), y);
}

} // namespace CardSheet
