#pragma once

// The rules of the picture editor, apart from its widgets: zoom steps, scroll ranges, which part
// of the imported picture the viewport and the crop frame show, and drawing those parts. Lengths
// are twips of the picture at its natural size unless a name says pixels.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

namespace CropRules {

constexpr QSize ViewportTwips(7000, 6000);
constexpr QSize FrameTwips(3060, 4050);      // the card's photo
constexpr QSize SavedPhotoTwips(3090, 4080); // the saved photo holds the crop at its top-left
// The same crop for the prints, at 300 pixels per inch of card: 3060 x 4050 twips, whole pixels.
constexpr int PrintPhotoDpi = 300;
constexpr QSize PrintPhotoPixels(638, 844);
constexpr QPoint PreviewPhotoAt(275, 275); // in the card front preview
const QColor ViewportGrey(128, 128, 128);

// The scale in whole percent, in steps of 5, never below 5. An import shows the whole picture: the
// largest step at which it fits the viewport, at most 100.
int fittingZoomPercent(const QSize &naturalTwips);
int zoomedIn(int percent);
int zoomedOut(int percent);
QString scaleText(int percent); // "105%"

struct ScrollRange
{
    int maximum;
    int smallChange;
    int largeChange;
};
// The offsets, in twips of the picture, that bring every part of a picture `naturalTwips` long into
// a viewport `viewportTwips` long at `zoom`: a step is a twentieth of what the viewport shows, a
// page all of it.
ScrollRange scrollRange(int naturalTwips, int viewportTwips, double zoom);

// The part of the picture the viewport shows, scaled by `zoom`, from `offset` at its top-left.
QRectF viewportSource(QPoint offset, double zoom);
// The part of the picture under the crop frame `frame` (window twips).
QRectF cropSource(const QRect &frame, QPoint offset, double zoom);

// Paints `source` (picture twips) of `picture` scaled into `target` (pixels of `surface`). Only
// the part the picture covers is painted. `smooth` averages the pixels a shrunk picture drops,
// for the photo itself; without it the draw is quick, for the viewport.
void paintPart(QImage &surface, const QRectF &target, const QImage &picture, const QRectF &source,
               bool smooth);

} // namespace CropRules
