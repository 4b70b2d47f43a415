#include "PlayerPage.h"

#include "core/CodeTables.h"
#include "core/Innings.h"
#include "core/Statistics.h"

namespace {

// Rows of four caption/value pairs; an empty caption leaves the column free.
const QVector<QVector<SummaryPair>> BattingRows = {
    {{"Games:", "lblBGames"},
     {"Doubles:", "lblBDoubles"},
     {"RBIs:", "lblBRBIs"},
     {"Strikeouts:", "lblBSOs"}},
    {{"At Bats:", "lblBAtBats"},
     {"Triples:", "lblBTriples"},
     {"Runs:", "lblBRuns"},
     {"Stolen Bases:", "lblBSBs"}},
    {{"Hits:", "lblBHits"},
     {"HRs:", "lblBHomers"},
     {"Walks:", "lblBWalks"},
     {"Slugging %:", "lblBSlug"}},
    {{"Average:", "lblBAvg"}},
};
const QVector<QVector<SummaryPair>> PitchingRows = {
    {{"Games:", "lblPGames"},
     {"Wins:", "lblPWins"},
     {"Hits:", "lblPHits"},
     {"Strikeouts:", "lblPSOs"}},
    {{"At Bats:", "lblPAtBats"},
     {"Losses:", "lblPLosses"},
     {"Walks:", "lblPWalks"},
     {"Strikes:", "lblPStrikes"}},
    {{"Innings:", "lblPInnings"},
     {"Saves:", "lblPSaves"},
     {"Runs:", "lblPRuns"},
     {"Balls:", "lblPBalls"}},
    {{"", ""}, {"", ""}, {"", ""}, {"Wild Pitches:", "lblWildPitches"}},
    {{"ERA:", "lblPERA"}},
};

} // namespace

const QVector<SummaryHeaderRow> &summaryHeaderRows()
{
    static const QVector<SummaryHeaderRow> rows = {
        {"Player:", "lblPlayer", "lblPlayerName"},       {"Team:", "lblTeam", "lblTeamName"},
        {"Position:", "lblPosition", "lblPositionName"}, {"Bats:", "lblBats", "lblBatsSide"},
        {"Throws:", "Label3", "lblThrowsSide"},
    };
    return rows;
}

const QVector<QVector<SummaryPair>> &summaryBattingRows()
{
    return BattingRows;
}

const QVector<QVector<SummaryPair>> &summaryPitchingRows()
{
    return PitchingRows;
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
