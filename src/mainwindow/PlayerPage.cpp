#include "PlayerPage.h"

#include "core/CodeTables.h"
#include "core/Innings.h"
#include "core/RecordFiles.h"
#include "core/Statistics.h"

#include <QFile>

namespace {

// Codes -1 to 11 have a long name (empty for -1, 0 and 11); other codes keep the old label.
void setPositionLabel(QString &label, int code)
{
    if (code >= -1 && code <= 11)
        label = Codes::positionLongName(code);
}

QString photoPathFor(const QString &appPath, const PlayerProfile &profile)
{
    const QString stored = profile.PlayerPicturePath;
    if (stored.isEmpty() || QFile::exists(stored))
        return stored;
    // Moved from another machine: the photo the picture editor saved in the team folder.
    const QString inTeamFolder =
        RecordFiles::photoFilePath(appPath, profile.TeamName, profile.PlayerName);
    return QFile::exists(inTeamFolder) ? inTeamFolder : stored;
}

} // namespace

Outcome<PlayerPage> readPlayerPage(const QString &appPath, const QString &team,
                                   const QString &player)
{
    PlayerPage page;
    Outcome<TeamHeader> header = RecordFiles::ReadTeamHeader(appPath, team);
    if (!header)
        return Failure{header.error()};
    page.header = *header;
    Outcome<PlayerProfile> profile =
        RecordFiles::ReadPlayerFile(appPath, page.header.TeamName, player);
    if (!profile)
        return Failure{profile.error()};
    page.profile = *profile;
    // The player file names the team whose folder holds his stats.
    const QString statsTeam = page.profile.TeamName;
    const QString statsPath = RecordFiles::statsFilePath(appPath, statsTeam, player);
    Outcome<GameRecords> records = RecordFiles::ReadGameFigures(appPath, statsTeam, player);
    if (!records)
        return Failure{records.error()};
    Outcome<SeasonTotals> totals = ComputeSeasonTotals(*records);
    if (!totals)
        return Failure{QStringLiteral("Cannot total \"%1\": %2").arg(statsPath, totals.error())};
    page.totals = *totals;
    page.photoPath = photoPathFor(appPath, page.profile);
    return page;
}

void applyPlayerPage(MainState &state, const PlayerPage &page)
{
    state.Coach = page.header.Coach;
    state.Asst = page.header.Asst;
    state.Season = page.header.Season;
    state.TeamBorderColor = page.header.TeamBorderColor;
    const PlayerProfile &p = page.profile;
    state.PlayerName = p.PlayerName;
    state.TeamName = p.TeamName;
    state.Position1 = p.Position1;
    state.Position2 = p.Position2;
    state.Bats = p.Bats;
    state.Throws = p.Throws;
    state.Jersey = p.Jersey;
    state.HomeTown = p.HomeTown;
    state.HomeState = p.HomeState;
    state.Age = p.Age;
    state.PlayerPicturePath = page.photoPath;
    state.totals = page.totals;
    setPositionLabel(state.Position1Label, state.Position1);
    setPositionLabel(state.Position2Label, state.Position2);
}

LabelTexts summaryTexts(const MainState &state)
{
    const SeasonTotals &t = state.totals;
    const auto number = [](int value) { return QString::number(value); };
    LabelTexts texts;
    texts.append({"lblPlayerName", state.Jersey < 1 ? state.PlayerName
                                                    : state.PlayerName + QStringLiteral("  #") +
                                                          number(state.Jersey)});
    texts.append({"lblTeamName", state.TeamName});
    texts.append({"lblSeason", state.Season});
    texts.append(
        {"lblPositionName", state.Position1Label + QLatin1Char(' ') + state.Position2Label});
    texts.append({"lblBatsSide", state.Bats >= -1 && state.Bats <= 3
                                     ? std::optional(Codes::batsName(state.Bats))
                                     : std::nullopt});
    texts.append({"lblThrowsSide", state.Throws >= -1 && state.Throws <= 2
                                       ? std::optional(Codes::throwsName(state.Throws))
                                       : std::nullopt});

    texts.append({"lblBGames", number(t.BTotalGames)});
    texts.append({"lblBHits", number(t.BTotalHits)});
    texts.append({"lblBAtBats", number(t.BTotalAtBats)});
    texts.append({"lblBRuns", number(t.BTotalRuns)});
    texts.append({"lblBWalks", number(t.BTotalWalks)});
    texts.append({"lblBSOs", number(t.BTotalSOs)});
    texts.append({"lblBSBs", number(t.BTotalSBs)});
    texts.append({"lblBDoubles", number(t.BTotalDoubles)});
    texts.append({"lblBTriples", number(t.BTotalTriples)});
    texts.append({"lblBHomers", number(t.BTotalHomers)});
    texts.append({"lblBAvg", Stats::formatRate(t.BTotalAverage)});
    texts.append({"lblBSlug", Stats::formatRate(t.BTotalSlugging)});
    texts.append({"lblBRBIs", number(t.BTotalRBIs)});

    texts.append({"lblPGames", number(t.PTotalGames)});
    texts.append({"lblPHits", number(t.PTotalHits)});
    texts.append({"lblPAtBats", number(t.PTotalAtBats)});
    texts.append({"lblPRuns", number(t.PTotalRuns)});
    texts.append({"lblPWalks", number(t.PTotalWalks)});
    texts.append({"lblPSOs", number(t.PTotalSOs)});
    texts.append({"lblPERA", Stats::formatRate(t.PTotalERA)});
    texts.append({"lblPStrikes", number(t.PTotalStrikes)});
    texts.append({"lblPBalls", number(t.PTotalBalls)});
    texts.append({"lblPWins", number(t.PTotalWins)});
    texts.append({"lblPLosses", Stats::formatSingle(t.PTotalLosses)});
    texts.append({"lblPSaves", Stats::formatSingle(t.PTotalSaves)});
    texts.append({"lblWildPitches", number(t.PTotalWildPitch)});
    texts.append({"lblPInnings", Innings::FormatInnings(t.PTotalInnings)});
    return texts;
}
