#pragma once

// The Season Progress chart drawn on a page or the screen in twips: the batting average and
// slugging after each game above, the earned run average after each game pitched below, game
// numbers along the bottom, values with their axis labels and ticks.

#include "core/SeasonProgress.h"
#include "platform/Canvas.h"

#include <QRect>
#include <QString>

namespace ProgressChart {

struct Heading
{
    QString player;
    QString team;
    QString season;
};

// Colours of the lines, as RGB Long.
constexpr qint32 AverageColor = 0xC05000;  // blue
constexpr qint32 SluggingColor = 0x0030C0; // red
constexpr qint32 EraColor = 0x208000;      // green

// Draws the chart of `games` games into `area`, in twips.
void draw(Canvas &canvas, const QRect &area, const Heading &heading,
          const SeasonProgress::Lines &lines, int games);

} // namespace ProgressChart
