#pragma once

// A player's season game by game: his batting average and slugging after each game, and his
// earned run average after each game he pitched, each from his sums up to that game.

#include "Outcome.h"
#include "Records.h"

#include <QVector>

namespace SeasonProgress {

struct Point
{
    int game = 0;
    float value = 0;
    bool operator==(const Point &o) const { return game == o.game && value == o.value; }
};

struct Lines
{
    QVector<Point> average;
    QVector<Point> slugging;
    QVector<Point> era; // only at the games with innings pitched
};

Outcome<Lines> linesOf(const GameRecords &records);

} // namespace SeasonProgress
