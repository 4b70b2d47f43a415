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

// Card n (1 to 9) in reading order: x0 720, 4320 or 7920; y0 360, 5400 or 10440.
QPoint frontOrigin(int card);
// The mirror image of the front cell about x = 6120, moved 90 twips right per sixteenth of an inch
// of `alignment`; the alignment never moves a back vertically.
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
    int alignment = 0; // sixteenths of an inch; positive moves the backs right
    bool showBatting = true;
    bool showPitching = true;
    bool grayscale = false;
};

// Draws the page; the caller ends the document.
void drawFronts(Canvas &canvas, const FrontSheet &sheet);
void drawBacks(Canvas &canvas, const BackSheet &sheet);

// Both sheets as one job, the fronts on the first page and the backs on the second: what the
// preview shows, and what a printer printing both sides puts behind each other. `onEachPage`
// adds to every page.
void drawBothSheets(Canvas &canvas, const FrontSheet &front, const BackSheet &back,
                    const std::function<void(Canvas &)> &onEachPage = {});

} // namespace CardSheet
