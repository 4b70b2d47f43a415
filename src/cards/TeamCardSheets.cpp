#include "TeamCardSheets.h"

#include <QHash>

#include <algorithm>

namespace CardSheet {

namespace {

constexpr int ThreeRowsHeight = 15480; // 360 + 3 x 5040 + 360

int cardsPerSheet(const TeamSheets &sheets)
{
    return Columns * sheets.placement.rows;
}

// The cards of sheet `sheet` (0 on), by their index in the print order.
std::pair<int, int> cardsOf(const TeamSheets &sheets, int sheet)
{
    const int first = sheet * cardsPerSheet(sheets);
    return {first, std::min(int(sheets.cards.size()), first + cardsPerSheet(sheets))};
}

} // namespace

int rowsFor(int printableHeight)
{
    return printableHeight >= ThreeRowsHeight ? 3 : 2;
}

int sheetCount(const TeamSheets &sheets)
{
    const int perSheet = cardsPerSheet(sheets);
    return int((sheets.cards.size() + perSheet - 1) / perSheet);
}

void drawTeamFronts(Canvas &canvas, const TeamSheets &sheets)
{
    if (sheets.grayscale)
        canvas.setColorMode(ColorMode::Monochrome);
    QHash<qint64, QImage> parts;
    for (int sheet = 0; sheet < sheetCount(sheets); ++sheet) {
        if (sheet > 0)
            canvas.newPage();
        const auto [first, end] = cardsOf(sheets, sheet);
        canvas.setDrawWidthTwips(CutLineTwips);
        for (int index = first; index < end; ++index) {
            FrontSheet front;
            front.texts = sheets.cards[index].texts;
            front.borderColor = sheets.borderColor;
            front.photo = sheets.cards[index].photo;
            front.hasPhotoPath = !front.photo.isNull();
            // A player's copies paint one part of his photo: one picture in a document.
            const qint64 key = front.photo.cacheKey();
            if (!parts.contains(key))
                parts.insert(key, photoPart(front));
            drawFrontCard(canvas, front, parts.value(key), frontOrigin(index - first + 1));
        }
        for (const QLine &cut : cutLines(end - first))
            canvas.line(cut.x1(), cut.y1(), cut.x2(), cut.y2(), 0);
    }
}

void drawTeamBacks(Canvas &canvas, const TeamSheets &sheets)
{
    if (sheets.grayscale)
        canvas.setColorMode(ColorMode::Monochrome);
    for (int sheet = 0; sheet < sheetCount(sheets); ++sheet) {
        if (sheet > 0)
            canvas.newPage();
        const auto [first, end] = cardsOf(sheets, sheet);
        for (int index = first; index < end; ++index) {
            BackSheet back;
            back.texts = sheets.cards[index].texts;
            back.logo = sheets.logo;
            back.showBatting = sheets.showBatting;
            back.showPitching = sheets.showPitching;
            drawBackCard(canvas, back, backOrigin(index - first + 1, sheets.placement));
        }
    }
}

} // namespace CardSheet
