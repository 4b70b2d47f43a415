#pragma once

// Picture files and the pixel operations on picture surfaces. A picture's natural size is its
// pixels at the resolution its file stores, 96 dpi when it stores none:
// twips = pixels x 1440 / dpi.

#include "core/Outcome.h"

#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

// The picture in a file, upright when the file stores an orientation (photos from phones and
// cameras); "" gives an empty picture. A missing or unreadable file is an error, and so is
// anything but a regular file (loading never waits on a pipe).
Outcome<QImage> LoadPicture(const QString &path);

// The picture as the bytes of a bitmap (.bmp) file at 96 dpi.
Outcome<QByteArray> bitmapBytes(const QImage &picture);
// The picture as the bytes of a PNG file, at the resolution the picture holds.
Outcome<QByteArray> pngBytes(const QImage &picture);

// A surface the windows paint on in twips, 15 to the pixel (96 dpi), filled with `colour`.
QImage screenPicture(const QSize &pixels, const QColor &colour);

QSize naturalSizeTwips(const QImage &picture);
QSize naturalSizeHimetric(const QImage &picture); // in 0.01 mm
// A rectangle in twips of the picture at natural size, in the picture's pixels.
QRectF picturePixels(const QImage &picture, const QRectF &twips);
// The pixels under such a rectangle (rounded out to whole pixels) as a picture of their own, at the
// picture's resolution. One part painted in many places is one picture in a PDF, where painting
// a part of a bigger picture copies and encodes it at every draw.
QImage picturePart(const QImage &picture, const QRect &twips);

enum class RasterOp
{
    And,
    Or
};

// Combines `source` into `target` at pixel position `at`, bit by bit on the colour channels:
// AND with a mask (white keeps, black clears), then OR with an image on black draws the image
// with transparent parts.
void bitBlt(QImage &target, QPoint at, const QImage &source, RasterOp op);

// The small logo, compiled in with the windows, with its mask applied: transparent where the mask
// is white, the logo where the mask is black, partly transparent along the mask's grey edge. The
// program's window icon and the About box show it.
QPixmap smallLogo();
