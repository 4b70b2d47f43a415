#pragma once

// A window's client area drawn as drawing rather than as a picture of the screen: every label's
// text as text in its font, colour and alignment, filled areas (the table lines) as filled
// rectangles, buttons as the style draws them. What a printed window shows is always what the
// window shows; the PDF stays small and its texts can be found and copied.

class QPainter;
class QWidget;

// Draws `window` with its top-left at the painter's origin, one unit per screen pixel.
void drawWindow(QPainter &painter, QWidget &window);
