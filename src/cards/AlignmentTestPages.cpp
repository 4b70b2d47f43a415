#include "AlignmentTestPages.h"

#include "CardLayout.h"
#include "CardSheet.h"
#include "SheetText.h"

namespace CardSheet {

namespace {

constexpr qint32 Black = 0;
constexpr int SixteenthOfAnInch = 90;
constexpr int RulerTicks = 10;
constexpr int TickTop = 3240;
constexpr int TickBottom = 3440;
// Where the name stands on a card, so the word shows through the paper like a printed card.
constexpr int LabelTop = 4325;

} // namespace

void drawFrontTestPage(Canvas &canvas)
{
    const QPoint origin = frontOrigin(1);
    const int left = origin.x();
    const int top = origin.y();
    const int right = left + CardLayout::CardWidth;
    const int bottom = top + CardLayout::CardHeight;

    setFont(canvas, QStringLiteral("ms sans serif"), 10, false, false);
    canvas.setForeColor(Black);
    printCentred(canvas, QStringLiteral("FRONT"), left + CardLayout::CardWidth / 2, top + LabelTop);
    // The same lines as the cut lines of a printed front sheet.
    canvas.setDrawWidthTwips(CutLineTwips);
    canvas.line(left, top, left, bottom, Black);
    canvas.line(right, top, right, bottom, Black);
    canvas.line(left, top, right, top, Black);
    canvas.line(left, bottom, right, bottom, Black);
}

void drawBackTestPage(Canvas &canvas)
{
    const QPoint origin = backOrigin(1, 0);
    const int left = origin.x();
    const int top = origin.y();
    const int right = left + CardLayout::CardWidth;
    const int bottom = top + CardLayout::CardHeight;

    setFont(canvas, QStringLiteral("arial"), 8, false, false);
    canvas.setDrawWidthTwips(CardLineTwips);
    for (int i = 1; i <= RulerTicks; ++i) {
        const int x = left - SixteenthOfAnInch * i;
        canvas.box(x, TickTop, x, TickBottom, Black);
        // Every other tick is numbered, centred under it: numbers a sixteenth of an inch apart
        // would touch and read as one.
        if ((i - 1) % 2 == 0)
            printCentred(canvas, QString::number(i - 1), x, TickBottom);
    }

    setFont(canvas, QStringLiteral("arial"), 10, true, false);
    canvas.setDrawWidthTwips(CardLineTwips);
    canvas.box(left, top, right, top, Black);
    canvas.box(right, top, right, bottom, Black);
    canvas.box(left, top, left, bottom, Black);
    canvas.box(left, bottom, right, bottom, Black);
    printCentred(canvas, QStringLiteral("BACK"), left + CardLayout::CardWidth / 2, top + LabelTop);
}

} // namespace CardSheet
