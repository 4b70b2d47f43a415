#pragma once

// The per-game batting and pitching lists: a row of texts per game, the season row, and where a
// page puts them. Built on the season rules, so a game row and the season row round and add
// exactly as the summary does.

#include "core/Outcome.h"
#include "core/Records.h"

#include <QString>
#include <QVector>

namespace GameLists {

constexpr int RowsPerPage = 25;

// The cells of one row, in the columns' left-to-right order.
struct Row
{
    QStringList cells;
};

// Batting: Date, Game, AB, H, 2B, 3B, HR, BB, R, SO, SB, RBI, AVG, Slug.
struct BattingList
{
    QVector<Row> games; // game j is entry j - 1
    Row season;
};
Outcome<BattingList> battingList(const GameRecords &records);

// Pitching: Date, Game, D, IP, AB, H, BB, ER, SO, S, B, WP, AVG, ERA; only the games pitched
// (innings above 0 or batters faced).
struct PitchingList
{
    QVector<Row> games;
    Row season;     // its decision cell is empty
    QString record; // wins-losses-saves, such as 3-1-2
};
Outcome<PitchingList> pitchingList(const GameRecords &records);

// The decision letter of a pitched game: W, L, S, "--" for none, "" for any other text.
QString decisionLetter(const QString &decision);

// Which entries page `page` (from 1) shows, and where the season row, its line and the pitching
// record line go, in twips.
struct Page
{
    int first; // 1-based entries first..last; last < first when there is none
    int last;
    int seasonTop;
    int lineY;
    int recordTop;
    bool hasPrevious;
    bool hasNext;
};
Page page(int number, int entries);

// Top of game row `row` (0 to 24), in twips.
int rowTop(int row);

} // namespace GameLists
