#include "TeamTables.h"

#include "core/CodeTables.h"
#include "core/Innings.h"
#include "core/RecordFiles.h"
#include "core/Statistics.h"

namespace TeamTables {

namespace {

QString number(int value)
{
    return QString::number(value);
}

QStringList battingCells(const QString &name, const QString &position, const SeasonTotals &t)
{
    return {name,
            position,
            number(t.BTotalGames),
            number(t.BTotalAtBats),
            number(t.BTotalHits),
            number(t.BTotalDoubles),
            number(t.BTotalTriples),
            number(t.BTotalHomers),
            number(t.BTotalWalks),
            number(t.BTotalRuns),
            number(t.BTotalSOs),
            number(t.BTotalSBs),
            number(t.BTotalRBIs),
            Stats::formatRate(t.BTotalAverage),
            Stats::formatRate(t.BTotalSlugging)};
}

QStringList pitchingCells(const QString &name, const SeasonTotals &t)
{
    return {name,
            number(t.PTotalGames),
            number(t.PTotalWins),
            Stats::formatSingle(t.PTotalLosses),
            Stats::formatSingle(t.PTotalSaves),
            Innings::formatThirdsNotation(t.PTotalInnings).value_or(QString()),
            number(t.PTotalAtBats),
            number(t.PTotalHits),
            number(t.PTotalWalks),
            number(t.PTotalRuns),
            number(t.PTotalSOs),
            number(t.PTotalStrikes),
            number(t.PTotalBalls),
            number(t.PTotalWildPitch),
            Stats::formatRate(Stats::battingAverage(t.PTotalHits, t.PTotalAtBats)),
            Stats::formatRateLeadingZero(t.PTotalERA)};
}

Failure totalsFailure(const QString &appPath, const TeamFile &team, const QString &player,
                      const QString &error)
{
    return Failure{
        QStringLiteral("%1's games in \"%2\": %3")
            .arg(player, RecordFiles::statsFilePath(appPath, team.header.TeamName, player), error)};
}

} // namespace

bool hasPitched(const SeasonTotals &t)
{
    return t.PTotalInnings > 0 || t.PTotalAtBats >= 1;
}

Outcome<SeasonTotals> teamTotals(const QVector<const PlayerSeason *> &players, SeasonView view)
{
    SeasonTotals team;
    for (const PlayerSeason *player : players)
        if (Outcome<void> added = addToTeam(team, player->totals, view); !added)
            return added.failure();
    if (Outcome<void> rates = computeSeasonRates(team, view); !rates)
        return rates.failure();
    return team;
}

Outcome<QVector<PlayerGames>> readPlayerGames(const QString &appPath, const TeamFile &team,
                                              GameTexts texts)
{
    QVector<PlayerGames> games;
    const RecordFiles::TeamFolderReader reader(appPath, team.header.TeamName);
    for (const RosterEntry &entry : team.roster) {
        // An empty slot among the players (a hand-edited file) is passed over, not an end.
        if (entry.RosterPlayer.isEmpty())
            continue;
        Outcome<GameRecords> records = texts == GameTexts::Read
                                           ? reader.gameRecords(entry.RosterPlayer)
                                           : reader.gameFigures(entry.RosterPlayer);
        if (!records)
            return Failure{
                QStringLiteral("%1's games: %2").arg(entry.RosterPlayer, records.error())};
        games.append({entry.RosterPlayer, entry.RosterPosition, std::move(*records)});
    }
    return games;
}

Outcome<QVector<PlayerSeason>> seasonsOf(const QString &appPath, const TeamFile &team,
                                         const QVector<PlayerGames> &games, SeasonView view)
{
    QVector<PlayerSeason> seasons;
    seasons.reserve(games.size());
    for (const PlayerGames &player : games) {
        Outcome<SeasonTotals> totals = ComputeSeasonTotals(player.records, view);
        if (!totals)
            return totalsFailure(appPath, team, player.name, totals.error());
        seasons.append({player.name, player.position, *totals});
    }
    return seasons;
}

Outcome<QVector<PlayerSeason>> readPlayerSeasons(const QString &appPath, const TeamFile &team,
                                                 SeasonView view)
{
    // Each player's games are summed as they are read, none held whole: the tables need only the
    // totals, and a season's records kept for every player would take fresh memory at every fill.
    // The team's folder is opened once for all of them.
    QVector<PlayerSeason> seasons;
    const RecordFiles::TeamFolderReader reader(appPath, team.header.TeamName);
    for (const RosterEntry &entry : team.roster) {
        if (entry.RosterPlayer.isEmpty())
            continue;
        SeasonSum sum(view);
        Outcome<void> read =
            reader.eachGameFigures(entry.RosterPlayer, [&sum](const GameRecord &record, int index) {
                sum.add(record, index);
            });
        if (!read)
            return Failure{QStringLiteral("%1's games: %2").arg(entry.RosterPlayer, read.error())};
        Outcome<SeasonTotals> totals = sum.totals();
        if (!totals)
            return totalsFailure(appPath, team, entry.RosterPlayer, totals.error());
        seasons.append({entry.RosterPlayer, entry.RosterPosition, *totals});
    }
    return seasons;
}

Outcome<Table> battingTable(const QVector<PlayerSeason> &players)
{
    Table table;
    QVector<const PlayerSeason *> listed;
    for (const PlayerSeason &player : players) {
        table.rows.append(
            battingCells(player.name, Codes::positionShortName(player.position), player.totals));
        listed.append(&player);
    }
    Outcome<SeasonTotals> team = teamTotals(listed, SeasonView::Batting);
    if (!team)
        return team.failure();
    table.team = battingCells(QStringLiteral("Team"), QString(), *team);
    return table;
}

Outcome<Table> pitchingTable(const QVector<PlayerSeason> &players)
{
    Table table;
    QVector<const PlayerSeason *> listed;
    for (const PlayerSeason &player : players) {
        if (!hasPitched(player.totals))
            continue;
        table.rows.append(pitchingCells(player.name, player.totals));
        listed.append(&player);
    }
    Outcome<SeasonTotals> team = teamTotals(listed, SeasonView::Pitching);
    if (!team)
        return team.failure();
    table.team = pitchingCells(QStringLiteral("Team"), *team);
    return table;
}

int teamRowTop(int listed)
{
    return listed * 200 + 915;
}

int teamLineY(int listed)
{
    return listed * 200 + 870;
}

} // namespace TeamTables
