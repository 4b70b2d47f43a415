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

#include <charconv>

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

// The innings as stored ("5.1") and as true innings ("5.33"). Written as letters for the usual
// values, 5400 times in a full team; anything else by the general rules.
void inningsFields(CsvWriter &csv, float innings)
{
    const int tenths = Innings::tenths(innings);
    const int whole = Innings::whole(innings);
    const int thirds = tenths - 10 * whole;
    if (innings < 0 || thirds < 0 || thirds > 2) {
        const std::optional<QString> stored = Innings::formatThirdsNotation(innings);
        csv.field(stored ? *stored : Stats::formatSingle(innings));
        csv.field(MoreStats::decimalInnings(innings));
        return;
    }
    char text[32];
    char *end = std::to_chars(text, text + sizeof text, whole).ptr;
    if (thirds > 0) {
        *end++ = '.';
        *end++ = char('0' + thirds);
    }
    csv.plainField(QLatin1StringView(text, end - text));
    // Hundredths of an inning: a third is 33.33..., never a half to round.
    const qint64 hundredths = (qint64(3 * whole + thirds) * 100 * 2 + 3) / 6;
    end = std::to_chars(text, text + sizeof text, hundredths / 100).ptr;
    *end++ = '.';
    *end++ = char('0' + hundredths % 100 / 10);
    *end++ = char('0' + hundredths % 10);
    csv.plainField(QLatin1StringView(text, end - text));
}

// Every player's games, one line each, written straight into the file's text: 27 players of 200
// games are some 140000 fields.
QByteArray gamesFile(const QVector<TeamTables::PlayerGames> &games)
{
    CsvWriter csv;
    for (const char *heading :
         {"Player",     "Game",        "Date",        "Opponent",   "H",           "AB",
          "R",          "BB",          "2B",          "3B",         "HR",          "SO",
          "SB",         "RBI",         "Pitching AB", "Pitching H", "Pitching ER", "IP",
          "IP decimal", "Pitching BB", "Pitching SO", "Strikes",    "Balls",       "Wild Pitches",
          "Decision",   "Highlights"})
        csv.field(QString::fromLatin1(heading));
    csv.endRow();
    for (const TeamTables::PlayerGames &player : games)
        // Record 0 holds no game.
        for (qsizetype index = 1; index < player.records.size(); ++index) {
            const GameRecord &g = player.records[index];
            csv.field(player.name);
            csv.field(g.GameNumber);
            csv.field(g.GameDate);
            csv.field(g.Opponent);
            for (qint16 count : {g.BHits, g.BAtBats, g.BRuns, g.BWalks, g.BDoubles, g.BTriples,
                                 g.BHomers, g.BSOs, g.BSBs, g.BRBIs, g.PAtBats, g.PHits, g.PRuns})
                csv.field(count);
            inningsFields(csv, g.PInnings);
            for (qint16 count : {g.PWalks, g.PSOs, g.PStrikes, g.PBalls, g.PWildPitches})
                csv.field(count);
            csv.field(g.Decision);
            csv.field(g.Highlights);
            csv.endRow();
        }
    return csv.bytes();
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
        files.append({name + what, csvFile(*rows)});
        return {};
    };
    for (Outcome<void> added :
         {add(QStringLiteral(" batting.csv"),
              tableRows(captionsOf(teamBattingLayout()), *batting, TeamTables::battingTable)),
          add(QStringLiteral(" pitching.csv"),
              tableRows(captionsOf(teamPitchingLayout()), *pitching, TeamTables::pitchingTable)),
          add(QStringLiteral(" more batting.csv"),
              tableRows(MoreTables::battingHeadings(), *batting, MoreTables::battingTable)),
          add(QStringLiteral(" more pitching.csv"),
              tableRows(MoreTables::pitchingHeadings(), *pitching, MoreTables::pitchingTable))})
        if (!added)
            return added.failure();
    files.insert(2, {name + QStringLiteral(" games.csv"), gamesFile(*games)});
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
    for (const auto &[name, bytes] : *files) {
        const QString path = into + name;
        if (Outcome<void> regular = writableAsRegularFile(path); !regular)
            return failed(QStringLiteral("\"%1\" is left as it is: %2")
                              .arg(QDir::toNativeSeparators(path), regular.error()));
        removeLeftovers(into, name);
        group.replace(path, bytes);
        written.append(name);
    }
    if (Outcome<void> saved = group.commit(); !saved)
        return failed(saved.error());
    return written;
}

} // namespace StatsExport
