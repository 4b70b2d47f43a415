#pragma once

// Layouts, pages and pictures are measured in twips (1440 per inch); the screen has 15 twips per
// logical pixel. Colours are stored as an RGB Long with red in the low byte, the reverse of QRgb.

#include <QColor>
#include <QRect>

constexpr int TwipsPerPixel = 15;
constexpr int TwipsPerInch = 1440;
constexpr int ScreenDotsPerMeter = 3780; // 96 dpi: 15 twips to the pixel

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height); // in logical pixels

QColor colorFromRgbLong(qint32 rgb);
qint32 rgbLongFromColor(const QColor &color);

class QWidget;
// Places a top-level window in the middle of its screen.
void centreOnScreen(QWidget &window);
