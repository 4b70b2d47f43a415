#pragma once

// Picture files and the pixel operations on picture surfaces. A picture's natural size is its
// pixels at the screen's 15 twips per pixel.

#include "core/Outcome.h"

#include <QImage>
#include <QSize>
#include <QString>

// The picture in a file; "" gives an empty picture. A missing or unreadable file is an error.
Outcome<QImage> LoadPicture(const QString &path);

// Writes the picture as a bitmap (.bmp), replacing the file atomically.
Outcome<void> SavePicture(const QImage &picture, const QString &path);

QSize naturalSizeTwips(const QImage &picture);
QSize naturalSizeHimetric(const QImage &picture); // in 0.01 mm

enum class RasterOp
{
    And,
    Or
};

// Combines `source` into `target` at pixel position `at`, bit by bit on the colour channels:
// AND with a mask (white keeps, black clears), then OR with an image on black draws the image
// with transparent parts.
void bitBlt(QImage &target, QPoint at, const QImage &source, RasterOp op);
