#include "CardTexts.h"

#include "core/CodeTables.h"
#include "core/Innings.h"
#include "core/Statistics.h"

CardFill FillCard(const MainState &state)
{
    const SeasonTotals &t = state.totals;
    const auto number = [](int value) { return QString::number(value); };
    CardFill fill;
    CardElementTexts &texts = fill.texts;

    const QString position = Codes::positionShortName(state.Position1);
    texts["lblPosition"] = position;
    texts["lblBats"] = Codes::batsName(state.Bats);
    texts["lblThrows"] = Codes::throwsName(state.Throws);
    texts["lblAge"] = state.Age < 1 ? QString() : number(state.Age);
    texts["lblPlayer"] = state.PlayerName;
    // The separator stays when there is no position, so the line reads "Smith - ".
    texts["lblBackPlayer"] = state.PlayerName + QStringLiteral(" - ") + position;
    texts["lblTeam"] = state.TeamName;
    texts["lblBackTeam"] = state.TeamName;
    texts["lblHomeTown"] = state.HomeTown + QStringLiteral(", ") + state.HomeState;

    texts["lblBGames"] = number(t.BTotalGames);
    texts["lblBHits"] = number(t.BTotalHits);
    texts["lblBAtBats"] = number(t.BTotalAtBats);
    texts["lblBRuns"] = number(t.BTotalRuns);
    texts["lblBWalks"] = number(t.BTotalWalks);
    texts["lblBSOs"] = number(t.BTotalSOs);
    texts["lblBSBs"] = number(t.BTotalSBs);
    texts["lblBDoubles"] = number(t.BTotalDoubles);
    texts["lblBTriples"] = number(t.BTotalTriples);
    texts["lblBHomers"] = number(t.BTotalHomers);
    texts["lblBRBIs"] = number(t.BTotalRBIs);
    texts["lblBAverage"] = Stats::formatRate(t.BTotalAverage);
    texts["lblBSlugging"] = Stats::formatRate(t.BTotalSlugging);

    texts["lblPGames"] = number(t.PTotalGames);
    texts["lblPHits"] = number(t.PTotalHits);
    texts["lblPAtBats"] = number(t.PTotalAtBats);
    texts["lblPRuns"] = number(t.PTotalRuns);
    texts["lblPWalks"] = number(t.PTotalWalks);
    texts["lblPSOs"] = number(t.PTotalSOs);
    texts["lblPStrikes"] = number(t.PTotalStrikes);
    texts["lblPBalls"] = number(t.PTotalBalls);
    texts["lblPWild"] = number(t.PTotalWildPitch);
    // The card keeps the leading zero the summary page drops: 0.500.
    texts["lblPERA"] = Stats::formatRateLeadingZero(t.PTotalERA);
    texts["lblPWinLoss"] =
        number(t.PTotalWins) + QLatin1Char('-') + Stats::formatSingle(t.PTotalLosses);
    texts["lblPSaves"] = Stats::formatSingle(t.PTotalSaves);
    if (const auto innings = Innings::formatThirdsNotation(t.PTotalInnings))
        texts["lblPInnings"] = *innings;

    fill.sBat = state.ShowBatting ? Shield::Transparent : Shield::SolidWhite;
    fill.sPit = state.ShowPitching ? Shield::Transparent : Shield::SolidWhite;
    return fill;
}
