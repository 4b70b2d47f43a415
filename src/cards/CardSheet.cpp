#include "CardSheet.h"

#include "CardLayout.h"
#include "SheetText.h"
#include "platform/Pictures.h"

#include <algorithm>

namespace CardSheet {

namespace {

constexpr qint32 Black = 0;
constexpr qint32 White = 0xFFFFFF;
constexpr int GridLeft = 720;
constexpr int GridTop = 360;
constexpr int SixteenthOfAnInch = 90;

int column(int card)
{
    return (card - 1) % Columns;
}

int row(int card)
{
    return (card - 1) / Columns;
}

bool used(int r, int c, int cards)
{
    return r >= 0 && r < Rows && c >= 0 && c < Columns && r * Columns + c < cards;
}

// The photo area of a card: the part of the photo at its top-left, in twips.
const QRect PhotoTwips(0, 0, 3060, 4050);

} // namespace

void drawFrontCard(Canvas &canvas, const FrontSheet &sheet, const QImage &photoPart, QPoint origin)
{
    const int x0 = origin.x();
    const int y0 = origin.y();
    if (!photoPart.isNull())
        canvas.paintPicture(photoPart, QRect(QPoint(x0 + 275, y0 + 275), PhotoTwips.size()));

    const qint32 border = sheet.borderColor;
    canvas.filledBox(x0 + 275, y0 + 225, x0 + 3335, y0 + 275, border);
    canvas.filledBox(x0 + 3335, y0 + 225, x0 + 3385, y0 + 4375, border);
    canvas.filledBox(x0 + 225, y0 + 4325, x0 + 3385, y0 + 4375, border);
    canvas.filledBox(x0 + 225, y0 + 225, x0 + 275, y0 + 4375, border);
    canvas.filledBox(x0 + 225, y0 + 4310, x0 + 3385, y0 + 4815, border);

    // The disc: filled white first, then its black outline over the white one.
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(White);
    canvas.circle(x0 + 3135, y0 + 4550, 200, White);
    canvas.setFillStyle(FillStyle::Transparent);
    canvas.circle(x0 + 3135, y0 + 4550, 200, Black);

    setFont(canvas, QStringLiteral("ms sans serif"), 10, false, false);
    canvas.setForeColor(White);
    using CardLayout::CardCentre;
    using CardLayout::FrontTextRoom;
    printCentredWithin(canvas, sheet.texts.value("lblPlayer"), x0 + CardCentre, y0 + 4325,
                       FrontTextRoom);
    canvas.setFontBold(true);
    printCentredWithin(canvas, sheet.texts.value("lblTeam"), x0 + CardCentre, y0 + 4550,
                       FrontTextRoom);
    canvas.setForeColor(Black);
    const QString position = sheet.texts.value("lblPosition");
    printAt(canvas, position, x0 + 3150 - canvas.textWidth(position) / 2,
            y0 + 4550 - canvas.textHeight(position) / 2);
}

namespace {

void drawGrid(Canvas &canvas, const CardElementTexts &texts, const CardLayout::StatBlock &block,
              QPoint origin)
{
    using namespace CardLayout;
    for (const StatCell &cell : block.grid) {
        const int top = origin.y() + cell.top;
        printEndingAt(canvas, cell.caption, origin.x() + CaptionEdges[cell.column], top);
        // A value ends before the next column's caption, the last one before the border.
        const StatCell *next = nextInRow(block, cell);
        const int end = next
                            ? CaptionEdges[next->column] - canvas.textWidth(next->caption) - TextGap
                            : BackTextRight;
        printWithin(canvas, texts.value(cell.element), origin.x() + ValueEdges[cell.column], top,
                    end - ValueEdges[cell.column]);
    }
}

void drawHeadline(Canvas &canvas, const CardElementTexts &texts, const CardLayout::StatBlock &block,
                  QPoint origin)
{
    const int top = origin.y() + block.headlineTop;
    printAt(canvas, block.title, origin.x() + CardLayout::HeadlineLeft, top);
    printEndingAt(canvas, block.rateCaption, origin.x() + CardLayout::RateCaptionEdge, top);
    printWithin(canvas, texts.value(block.rateElement), origin.x() + CardLayout::RateValueEdge, top,
                CardLayout::BackTextRight - CardLayout::RateValueEdge);
}

} // namespace

void drawBackCard(Canvas &canvas, const BackSheet &sheet, QPoint origin)
{
    const int x0 = origin.x();
    const int y0 = origin.y();
    const CardElementTexts &texts = sheet.texts;

    setFont(canvas, QStringLiteral("arial"), 10, true, false);
    canvas.setDrawWidthTwips(CardLineTwips);
    canvas.setForeColor(Black);
    canvas.box(x0 + 150, y0 + 150, x0 + 3435, y0 + 155, Black);
    canvas.box(x0 + 3430, y0 + 150, x0 + 3435, y0 + 4850, Black);
    canvas.box(x0 + 150, y0 + 4845, x0 + 3435, y0 + 4850, Black);
    canvas.box(x0 + 150, y0 + 150, x0 + 150, y0 + 4850, Black);
    printCentredWithin(canvas, texts.value("lblBackPlayer"), x0 + CardLayout::CardCentre, y0 + 240,
                       CardLayout::BackLineRoom);

    setFont(canvas, QStringLiteral("ms sans serif"), 8, false, false);
    canvas.setDrawWidthTwips(CardLineTwips);
    bool first = true;
    for (const CardLayout::ProfileRow &row : CardLayout::profileRows()) {
        // The printed "Hometown:" is placed by its left edge; the other captions end at the edge.
        if (first)
            printAt(canvas, row.caption, x0 + 840, y0 + row.top);
        else
            printEndingAt(canvas, row.caption, x0 + CardLayout::ProfileCaptionEdge, y0 + row.top);
        first = false;
        printWithin(canvas, texts.value(row.element), x0 + CardLayout::ProfileValueEdge,
                    y0 + row.top, CardLayout::BackTextRight - CardLayout::ProfileValueEdge);
    }
    const CardLayout::StatBlock batting = CardLayout::battingBlock();
    const CardLayout::StatBlock pitching = CardLayout::pitchingBlock();
    if (sheet.showBatting)
        drawGrid(canvas, texts, batting, origin);
    if (sheet.showPitching)
        drawGrid(canvas, texts, pitching, origin);

    setFont(canvas, QStringLiteral("ms sans serif"), 8, true, false);
    canvas.setDrawWidthTwips(CardLineTwips);
    if (sheet.showBatting)
        drawHeadline(canvas, texts, batting, origin);
    if (sheet.showPitching)
        drawHeadline(canvas, texts, pitching, origin);

    setFont(canvas, QStringLiteral("ms sans serif"), 10, true, true);
    canvas.setDrawWidthTwips(CardLineTwips);
    printCentredWithin(canvas, texts.value("lblBackTeam"), x0 + CardLayout::CardCentre, y0 + 480,
                       CardLayout::BackLineRoom);

    canvas.paintPicture(sheet.logo, QRect(x0 + 2700, y0 + 4200, 700, 620));
}

QPoint frontOrigin(int card)
{
    return QPoint(GridLeft + CardLayout::CardWidth * column(card),
                  GridTop + CardLayout::CardHeight * row(card));
}

QPoint backOrigin(int card, const BackPlacement &placement)
{
    // Turned about the long edge, column 0's back lies where column 2's front does; about the
    // short edge, the first row's where the last row's front does.
    const int c = placement.shortEdgeFlip ? column(card) : Columns - 1 - column(card);
    const int r = placement.shortEdgeFlip ? placement.rows - 1 - row(card) : row(card);
    return QPoint(GridLeft + CardLayout::CardWidth * c + SixteenthOfAnInch * placement.alignment,
                  GridTop + CardLayout::CardHeight * r + SixteenthOfAnInch * placement.offsetDown);
}

QPoint backOrigin(int card, int alignment)
{
    return backOrigin(card, BackPlacement{alignment});
}

QVector<QLine> cutLines(int cards)
{
    QVector<QLine> lines;
    // A vertical line between columns i - 1 and i runs over every row holding a used cell on
    // either side; cells fill in reading order, so those rows start at the top.
    for (int i = 0; i <= Columns; ++i) {
        int rows = 0;
        for (int r = 0; r < Rows; ++r)
            if (used(r, i - 1, cards) || used(r, i, cards))
                rows = r + 1;
        if (rows > 0) {
            const int x = GridLeft + CardLayout::CardWidth * i;
            lines.append(QLine(x, GridTop, x, GridTop + CardLayout::CardHeight * rows));
        }
    }
    for (int j = 0; j <= Rows; ++j) {
        int columns = 0;
        for (int c = 0; c < Columns; ++c)
            if (used(j - 1, c, cards) || used(j, c, cards))
                columns = c + 1;
        if (columns > 0) {
            const int y = GridTop + CardLayout::CardHeight * j;
            lines.append(QLine(GridLeft, y, GridLeft + CardLayout::CardWidth * columns, y));
        }
    }
    return lines;
}

QImage photoPart(const FrontSheet &sheet)
{
    return sheet.hasPhotoPath && !sheet.photo.isNull() ? picturePart(sheet.photo, PhotoTwips)
                                                       : QImage();
}

void drawFronts(Canvas &canvas, const FrontSheet &sheet)
{
    if (sheet.grayscale)
        canvas.setColorMode(ColorMode::Monochrome);
    canvas.setDrawWidthTwips(CutLineTwips);
    const int cards = std::min(sheet.cards, MaxCards);
    // Cut once, painted in every cell: one picture in the document.
    const QImage part = photoPart(sheet);
    for (int card = 1; card <= cards; ++card)
        drawFrontCard(canvas, sheet, part, frontOrigin(card));
    for (const QLine &cut : cutLines(cards))
        canvas.line(cut.x1(), cut.y1(), cut.x2(), cut.y2(), Black);
}

void drawBacks(Canvas &canvas, const BackSheet &sheet)
{
    if (sheet.grayscale)
        canvas.setColorMode(ColorMode::Monochrome);
    const int cards = std::min(sheet.cards, MaxCards);
    const BackPlacement placement{sheet.alignment, sheet.offsetDown, sheet.shortEdgeFlip};
    for (int card = 1; card <= cards; ++card)
        drawBackCard(canvas, sheet, backOrigin(card, placement));
}

void drawBothSheets(Canvas &canvas, const FrontSheet &front, const BackSheet &back,
                    const std::function<void(Canvas &)> &onEachPage)
{
    drawFronts(canvas, front);
    if (onEachPage)
        onEachPage(canvas);
    canvas.newPage();
    drawBacks(canvas, back);
    if (onEachPage)
        onEachPage(canvas);
}

} // namespace CardSheet
