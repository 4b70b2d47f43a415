#include "Units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

int twipsToPixels(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QColor colorFromRgbLong(qint32 rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

qint32 rgbLongFromColor(const QColor &color)
{
    return qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
