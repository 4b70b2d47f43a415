#include "StatsExport.h"

#include "MoreTables.h"
#include "TeamTables.h"
#include "core/AtomicSave.h"
#include "core/Csv.h"
#include "core/FileGroup.h"
#include "core/Innings.h"
#include "core/MoreStatistics.h"
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

using Seasons = QVector<TeamTables::PlayerSeason>;
using TableBuilder = Outcome<TeamTables::Table> (*)(const Seasons &);

Outcome<Rows> tableRows(const QStringList &captions, const Seasons &seasons, TableBuilder build)
{
    Outcome<TeamTables::Table> table = build(seasons);
    if (!table)
        return table.failure();
    Rows rows{captions};
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
            MoreStats::decimalInnings(g.PInnings),
            number(g.PWalks),
            number(g.PSOs),
            number(g.PStrikes),
            number(g.PBalls),
            number(g.PWildPitches),
            g.Decision,
            g.Highlights};
}

Rows gameRows(const QVector<TeamTables::PlayerGames> &games)
{
    Rows rows{{"Player",      "Game",        "Date",  "Opponent",     "H",
               "AB",          "R",           "BB",    "2B",           "3B",
               "HR",          "SO",          "SB",    "RBI",          "Pitching AB",
               "Pitching H",  "Pitching ER", "IP",    "IP decimal",   "Pitching BB",
               "Pitching SO", "Strikes",     "Balls", "Wild Pitches", "Decision",
               "Highlights"}};
    for (const TeamTables::PlayerGames &player : games)
        // Record 0 holds no game.
        for (qsizetype index = 1; index < player.records.size(); ++index)
            rows.append(gameCells(player.name, player.records[index]));
    return rows;
}

} // namespace

Outcome<Files> exportFiles(const QString &appPath, const TeamFile &team)
{
    // Each stats file is read once, for every table.
    Outcome<QVector<TeamTables::PlayerGames>> games =
        TeamTables::readPlayerGames(appPath, team, TeamTables::GameTexts::Read);
    if (!games)
        return games.failure();
    Outcome<Seasons> batting = TeamTables::seasonsOf(appPath, team, *games, SeasonView::Batting);
    if (!batting)
        return batting.failure();
    Outcome<Seasons> pitching = TeamTables::seasonsOf(appPath, team, *games, SeasonView::Pitching);
    if (!pitching)
        return pitching.failure();
    const QString &name = team.header.TeamName;
    Files files;
    const auto add = [&](const QString &what, Outcome<Rows> rows) -> Outcome<void> {
        if (!rows)
            return rows.failure();
        files.append({name + what, *rows});
        return {};
    };
    for (Outcome<void> added :
         {add(QStringLiteral(" batting.csv"),
              tableRows(captionsOf(teamBattingLayout()), *batting, TeamTables::battingTable)),
          add(QStringLiteral(" pitching.csv"),
              tableRows(captionsOf(teamPitchingLayout()), *pitching, TeamTables::pitchingTable)),
          add(QStringLiteral(" games.csv"), Outcome<Rows>(gameRows(*games))),
          add(QStringLiteral(" more batting.csv"),
              tableRows(MoreTables::battingHeadings(), *batting, MoreTables::battingTable)),
          add(QStringLiteral(" more pitching.csv"),
              tableRows(MoreTables::pitchingHeadings(), *pitching, MoreTables::pitchingTable))})
        if (!added)
            return added.failure();
    return files;
}

Outcome<QStringList> exportTeam(const QString &appPath, const QString &team, const QString &folder)
{
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    Outcome<Files> files = exportFiles(appPath, *teamFile);
    if (!files)
        return files.failure();
    const QString into = QDir(folder).absolutePath() + QLatin1Char('/');
    const auto failed = [&](const QString &why) {
        return Failure{QStringLiteral("Cannot write into the folder \"%1\". %2")
                           .arg(QDir::toNativeSeparators(folder), why)};
    };
    // An export another run left half done is finished first; its leftovers go.
    (void)FileGroup::finishInterrupted(into);
    FileGroup group(into);
    QStringList written;
    for (const auto &[name, rows] : *files) {
        const QString path = into + name;
        if (Outcome<void> regular = writableAsRegularFile(path); !regular)
            return failed(QStringLiteral("\"%1\" is left as it is: %2")
                              .arg(QDir::toNativeSeparators(path), regular.error()));
        removeLeftovers(into, name);
        group.replace(path, csvFile(rows));
        written.append(name);
    }
    if (Outcome<void> saved = group.commit(); !saved)
        return failed(saved.error());
    return written;
}

} // namespace StatsExport
