#include "AlignmentTestPages.h"

#include "CardLayout.h"
#include "SheetText.h"

namespace CardSheet {

namespace {

constexpr qint32 Black = 0;
constexpr int SixteenthOfAnInch = 90;
constexpr int RulerTicks = 10;
constexpr int TickTop = 3240;
constexpr int TickBottom = 3440;
constexpr int TickLength = TickBottom - TickTop;
constexpr int InchTwips = 1440;
constexpr int TenCentimetresTwips = 5669; // 100 mm at 1440 twips to 25.4 mm
constexpr int BarHeight = 60;
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

    // Under the cell: the bars that show whether the page printed at actual size.
    setFont(canvas, QStringLiteral("arial"), 8, false, false);
    int y = bottom + 360;
    for (const auto &[length, caption] :
         {std::pair{InchTwips, QStringLiteral("1 inch")},
          std::pair{TenCentimetresTwips, QStringLiteral("10 cm")}}) {
        canvas.filledBox(left, y, left + length, y + BarHeight, Black);
        printAt(canvas, caption, left + length + 120,
                y + BarHeight / 2 - canvas.textHeight(caption) / 2);
        y += 360;
    }
    printAt(canvas, ScaleCheckText, left, y);
}

void drawBackTestPage(Canvas &canvas, const BackPlacement &placement)
{
    const QPoint origin = backOrigin(
        1, BackPlacement{0, placement.offsetDown, placement.shortEdgeFlip, placement.rows});
    const int left = origin.x();
    const int top = origin.y();
    const int right = left + CardLayout::CardWidth;
    const int bottom = top + CardLayout::CardHeight;

    setFont(canvas, QStringLiteral("arial"), 8, false, false);
    canvas.setDrawWidthTwips(CardLineTwips);
    for (int i = 1; i <= RulerTicks; ++i) {
        const int x = left - SixteenthOfAnInch * i;
        canvas.box(x, top + TickTop - 360, x, top + TickBottom - 360, Black);
        // Every other tick is numbered, centred under it: numbers a sixteenth of an inch apart
        // would touch and read as one.
        if ((i - 1) % 2 == 0)
            printCentred(canvas, QString::number(i - 1), x, top + TickBottom - 360);
    }

    setFont(canvas, QStringLiteral("arial"), 10, true, false);
    canvas.setDrawWidthTwips(CardLineTwips);
    canvas.box(left, top, right, top, Black);
    canvas.box(right, top, right, bottom, Black);
    canvas.box(left, top, left, bottom, Black);
    canvas.box(left, bottom, right, bottom, Black);
    printCentred(canvas, QStringLiteral("BACK"), left + CardLayout::CardWidth / 2, top + LabelTop);

    setFont(canvas, QStringLiteral("arial"), 8, false, false);
    // The same ruler down from the top edge, in the middle of the cell, numbered to its right.
    const int middle = left + CardLayout::CardWidth / 2;
    for (int i = 1; i <= RulerTicks; ++i) {
        const int tickY = top + SixteenthOfAnInch * i;
        canvas.box(middle - TickLength / 2, tickY, middle + TickLength / 2, tickY, Black);
        if ((i - 1) % 2 == 0) {
            const QString number = QString::number(i - 1);
            printAt(canvas, number, middle + TickLength / 2 + 60,
                    tickY - canvas.textHeight(number) / 2);
        }
    }
}

} // namespace CardSheet
