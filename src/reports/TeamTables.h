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

struct PlayerGames
{
    QString name;
    qint16 position = 0;
    GameRecords records;
};

enum class GameTexts
{
    Skip, // the figures only, which is all a season needs
    Read
};

// The games of every roster entry that holds a name, in roster order. A stats file that cannot be
// read fails naming the player.
Outcome<QVector<PlayerGames>> readPlayerGames(const QString &appPath, const TeamFile &team,
                                              GameTexts texts = GameTexts::Skip);

// Their seasons; one that cannot be totalled fails naming the file and the player.
Outcome<QVector<PlayerSeason>> seasonsOf(const QString &appPath, const TeamFile &team,
                                         const QVector<PlayerGames> &games, SeasonView view);

// The season of every roster entry that holds a name, in roster order: the two above.
Outcome<QVector<PlayerSeason>> readPlayerSeasons(const QString &appPath, const TeamFile &team,
                                                 SeasonView view);

// Only players with innings or at least one batter faced enter a pitching table.
bool hasPitched(const SeasonTotals &totals);

// The team row of `players`: their counts summed, the rates from the sums.
Outcome<SeasonTotals> teamTotals(const QVector<const PlayerSeason *> &players, SeasonView view);

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
