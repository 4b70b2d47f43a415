#pragma once

// A window's information drawn as drawing rather than as a picture of the screen: every label's
// text as text in its font, colour and alignment, filled areas (the table lines) as filled
// rectangles. Buttons are controls, not information: they are left out. What a printed window
// shows is what the window shows; the PDF stays small and its texts can be found and copied.

class QPainter;
class QRect;
class QWidget;

// Where the window's information lies: every shown widget but its buttons, in window pixels.
QRect informationRect(QWidget &window);

// Draws `window` with its top-left at the painter's origin, one unit per screen pixel.
void drawWindow(QPainter &painter, QWidget &window);
