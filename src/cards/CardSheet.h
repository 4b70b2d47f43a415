#pragma once

// A printed sheet of trading cards: up to nine card cells in a 3 x 3 grid, fronts with cut lines,
// and backs in the mirrored cells so that the sheet, turned over about its vertical axis and fed
// again, gets each back behind its front. Twips from the top-left of the printable area.

#include "CardTexts.h"
#include "platform/Canvas.h"

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QVector>

#include <functional>

namespace CardSheet {

constexpr int MaxCards = 9;
// Thin enough to cut along, thick enough to see: half a point.
constexpr int CutLineTwips = 10;
// The back's border and the test pages' lines: half a point on any printer, where a width in
// printer pixels is a hairline at a high resolution.
constexpr int CardLineTwips = 10;

constexpr int Columns = 3;
constexpr int Rows = 3;

// Card n (1 to 9) in reading order: x0 720, 4320 or 7920; y0 360, 5400 or 10440.
QPoint frontOrigin(int card);

// Where the backs of a sheet go. The sheet turned over about its vertical (long) edge gets each
// back in the front's cell mirrored about the grid's middle column (x = 6120); turned about its
// short edge, in the cell mirrored about the middle of its `rows` rows. The alignment moves every
// back 90 twips right per sixteenth of an inch, the offset 90 twips down.
struct BackPlacement
{
    int alignment = 0;
    int offsetDown = 0;
    bool shortEdgeFlip = false;
    int rows = Rows;
};
QPoint backOrigin(int card, const BackPlacement &placement);
QPoint backOrigin(int card, int alignment);

// The cut lines around the first `cards` cells: every vertical line first, left to right, then
// every horizontal one, top to bottom; each runs straight across all used cells it borders.
QVector<QLine> cutLines(int cards);

struct FrontSheet
{
    CardElementTexts texts; // lblPlayer, lblTeam, lblPosition
    qint32 borderColor = 0; // RGB Long
    QImage photo;           // the player's photo at natural size; null when there is none
    bool hasPhotoPath = false;
    int cards = 1;
    bool grayscale = false;
};

struct BackSheet
{
    CardElementTexts texts; // the name lines, the profile values and both blocks' values
    QImage logo;            // painted on every back
    int cards = 1;
    int alignment = 0;  // sixteenths of an inch; positive moves the backs right
    int offsetDown = 0; // sixteenths of an inch; positive moves the backs down
    bool shortEdgeFlip = false;
    bool showBatting = true;
    bool showPitching = true;
    bool grayscale = false;
};

// Draws the page; the caller ends the document.
void drawFronts(Canvas &canvas, const FrontSheet &sheet);
void drawBacks(Canvas &canvas, const BackSheet &sheet);

// One card of a sheet, its cell's corner at `origin`: a front with the photo's part cut once for
// the sheet (`photoPart`, null for none), a back with the sheet's texts and options.
QImage photoPart(const FrontSheet &sheet);
void drawFrontCard(Canvas &canvas, const FrontSheet &sheet, const QImage &photoPart, QPoint origin);
void drawBackCard(Canvas &canvas, const BackSheet &sheet, QPoint origin);

// Both sheets as one job, the fronts on the first page and the backs on the second: what the
// preview shows, and what a printer printing both sides puts behind each other. `onEachPage`
// adds to every page.
void drawBothSheets(Canvas &canvas, const FrontSheet &front, const BackSheet &back,
                    const std::function<void(Canvas &)> &onEachPage = {});

} // namespace CardSheet
