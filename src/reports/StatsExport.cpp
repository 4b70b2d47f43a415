#include "StatsExport.h"

#include "TeamTables.h"
#include "core/AtomicSave.h"
#include "core/Csv.h"
#include "core/FileGroup.h"
#include "core/Innings.h"
#include "core/RecordFiles.h"
#include "core/RegularFile.h"
#include "core/Statistics.h"
#include "frmTeamBattingStats.h"
#include "frmTeamPitchingStats.h"

#include <QDir>

namespace StatsExport {

namespace {

QStringList captionsOf(const TableLayout &layout)
{
    QStringList captions;
    for (const TableColumn &column : layout.columns)
        captions.append(column.header);
    return captions;
}

Outcome<Rows>
tableRows(const QString &appPath, const TeamFile &team, SeasonView view, const TableLayout &layout,
          Outcome<TeamTables::Table> (*build)(const QVector<TeamTables::PlayerSeason> &))
{
    Outcome<QVector<TeamTables::PlayerSeason>> players =
        TeamTables::readPlayerSeasons(appPath, team, view);
    if (!players)
        return players.failure();
    Outcome<TeamTables::Table> table = build(*players);
    if (!table)
        return table.failure();
    Rows rows{captionsOf(layout)};
    rows += table->rows;
    rows.append(table->team);
    return rows;
}

QString number(int value)
{
    return QString::number(value);
}

QStringList gameCells(const QString &player, const GameRecord &g)
{
    return {player,
            number(g.GameNumber),
            g.GameDate,
            g.Opponent,
            number(g.BHits),
            number(g.BAtBats),
            number(g.BRuns),
            number(g.BWalks),
            number(g.BDoubles),
            number(g.BTriples),
            number(g.BHomers),
            number(g.BSOs),
            number(g.BSBs),
            number(g.BRBIs),
            number(g.PAtBats),
            number(g.PHits),
            number(g.PRuns),
            Innings::formatThirdsNotation(g.PInnings).value_or(Stats::formatSingle(g.PInnings)),
            number(g.PWalks),
            number(g.PSOs),
            number(g.PStrikes),
            number(g.PBalls),
            number(g.PWildPitches),
            g.Decision,
            g.Highlights};
}

} // namespace

Outcome<Rows> battingRows(const QString &appPath, const TeamFile &team)
{
    return tableRows(appPath, team, SeasonView::Batting, teamBattingLayout(),
                     TeamTables::battingTable);
}

Outcome<Rows> pitchingRows(const QString &appPath, const TeamFile &team)
{
    return tableRows(appPath, team, SeasonView::Pitching, teamPitchingLayout(),
                     TeamTables::pitchingTable);
}

Outcome<Rows> gameRows(const QString &appPath, const TeamFile &team)
{
    Rows rows{{"Player",     "Game",        "Date",         "Opponent",    "H",
               "AB",         "R",           "BB",           "2B",          "3B",
               "HR",         "SO",          "SB",           "RBI",         "Pitching AB",
               "Pitching H", "Pitching ER", "IP",           "Pitching BB", "Pitching SO",
               "Strikes",    "Balls",       "Wild Pitches", "Decision",    "Highlights"}};
    for (const RosterEntry &entry : team.roster) {
        if (entry.RosterPlayer.isEmpty())
            continue;
        Outcome<GameRecords> records =
            RecordFiles::ReadGameRecords(appPath, team.header.TeamName, entry.RosterPlayer);
        if (!records)
            return records.failure();
        // Record 0 holds no game.
        for (qsizetype index = 1; index < records->size(); ++index)
            rows.append(gameCells(entry.RosterPlayer, records->at(index)));
    }
    return rows;
}

Outcome<QStringList> exportTeam(const QString &appPath, const QString &team, const QString &folder)
{
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    const std::pair<QString, Outcome<Rows>> files[] = {
        {team + QStringLiteral(" batting.csv"), battingRows(appPath, *teamFile)},
        {team + QStringLiteral(" pitching.csv"), pitchingRows(appPath, *teamFile)},
        {team + QStringLiteral(" games.csv"), gameRows(appPath, *teamFile)}};
    for (const auto &[name, rows] : files)
        if (!rows)
            return rows.failure();
    const QString into = QDir(folder).absolutePath() + QLatin1Char('/');
    const auto failed = [&](const QString &why) {
        return Failure{QStringLiteral("Cannot write into the folder \"%1\". %2")
                           .arg(QDir::toNativeSeparators(folder), why)};
    };
    // An export another run left half done is finished first; its leftovers go.
    (void)FileGroup::finishInterrupted(into);
    FileGroup group(into);
    QStringList written;
    for (const auto &[name, rows] : files) {
        const QString path = into + name;
        if (Outcome<void> regular = writableAsRegularFile(path); !regular)
            return failed(QStringLiteral("\"%1\" is left as it is: %2")
                              .arg(QDir::toNativeSeparators(path), regular.error()));
        removeLeftovers(into, name);
        group.replace(path, csvFile(*rows));
        written.append(name);
    }
    if (Outcome<void> saved = group.commit(); !saved)
        return failed(saved.error());
    return written;
}

} // namespace StatsExport
