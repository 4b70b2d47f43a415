#pragma once

// Where the texts of a card back stand, in twips from the card's top-left: shared by the card view
// and the back print, so both place the same captions beside the same elements.

#include <QVector>

#include <algorithm>
#include <array>

namespace CardLayout {

constexpr int CardWidth = 3600;
constexpr int CardHeight = 5040;

// The rooms texts keep to. The front's name and team are centred on the card, inside the band and
// clear of the position disc (whose left edge is at 2935). The back's lines keep the back's margin
// inside its border, whose inner edges are at 155 and 3430; a text ends 30 twips before the next
// caption or the border.
constexpr int CardCentre = 1800;
constexpr int FrontTextRoom = 2 * (2935 - CardCentre);
constexpr int BackMargin = 90;
constexpr int BackLineRoom =
    2 * std::min(CardCentre - (150 + BackMargin), 3430 - BackMargin - CardCentre);
constexpr int TextGap = 30;
constexpr int BackTextRight = 3430 - TextGap;

// The profile block: each caption ends at x = ProfileCaptionEdge, each value starts at
// ProfileValueEdge.
struct ProfileRow
{
    const char *caption;
    const char *element;
    int top;
};
constexpr int ProfileCaptionEdge = 1650;
constexpr int ProfileValueEdge = 1800;
QVector<ProfileRow> profileRows();

// The statistics grids: four columns, each caption ending at its column's caption edge and each
// value starting at its value edge.
constexpr std::array<int, 4> CaptionEdges = {615, 1380, 2055, 2940};
constexpr std::array<int, 4> ValueEdges = {645, 1410, 2085, 2970};

struct StatCell
{
    const char *caption;
    const char *element;
    int column; // 0 to 3
    int top;
};

// One statistics block: its headline (a title at the left, a rate caption ending at RateCaptionEdge
// and the rate at RateValueEdge) and its grid, cell by cell, column by column, each column top to
// bottom (the order the back print draws them in).
struct StatBlock
{
    const char *title;
    const char *rateCaption;
    const char *rateElement;
    int headlineTop;
    QVector<StatCell> grid;
};
constexpr int HeadlineLeft = 240;
constexpr int RateCaptionEdge = 2850;
constexpr int RateValueEdge = 2880;

StatBlock battingBlock();
StatBlock pitchingBlock();

// The cell in the next column of the same row, or nothing in the last column.
const StatCell *nextInRow(const StatBlock &block, const StatCell &cell);

} // namespace CardLayout
