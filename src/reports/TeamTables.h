#pragma once

// The team batting and pitching tables: every listed player's season, the rows of texts and the
// team row, built on the season rules.

#include "core/Outcome.h"
#include "core/Records.h"
#include "core/SeasonTotals.h"

#include <QStringList>
#include <QVector>

namespace TeamTables {

struct PlayerSeason
{
    QString name;
    qint16 position = 0;
    SeasonTotals totals;
};

// The season of every roster entry that holds a name, in roster order. A stats file that cannot be
// read or totalled fails naming the file and the player.
Outcome<QVector<PlayerSeason>> readPlayerSeasons(const QString &appPath, const TeamFile &team,
                                                 SeasonView view);

struct Table
{
    QVector<QStringList> rows; // one per listed player, cells left to right
    QStringList team;          // the team row
};

// Player, Pos., G, AB, H, 2B, 3B, HR, BB, R, SO, SB, RBI, AVG, Slug; every player is listed.
Outcome<Table> battingTable(const QVector<PlayerSeason> &players);

// Player, G, W, L, SA, IP, AB, H, BB, R, SO, S, B, WP, AVG, ERA; only players with innings or at
// least one batter faced are listed, and only they enter the team row.
Outcome<Table> pitchingTable(const QVector<PlayerSeason> &players);

// Where the team row and the line above it go under `listed` rows, in twips.
int teamRowTop(int listed);
int teamLineY(int listed);

} // namespace TeamTables
